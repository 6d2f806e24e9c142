// The program's own texts, by the ids the windows and messages use.
#pragma once

#include <string>
#include <string_view>

namespace velorin {

namespace text_id {
inline constexpr int kRequiredDllMissing = 12;
inline constexpr int kSupportDatabaseMissing = 14;
inline constexpr int kSaveSettings = 15;
inline constexpr int kOutputPathMissing = 17;
inline constexpr int kCreateDirectory = 18;
inline constexpr int kNothingToConvert = 19;
inline constexpr int kInvalidDatabase = 20;
inline constexpr int kListControlsMissing = 25;
inline constexpr int kSecurityInitialized = 26;
inline constexpr int kExistingFiles = 27;
inline constexpr int kAccessRequired = 28;
inline constexpr int kNotCompiled = 29;
inline constexpr int kTheForm = 30;
inline constexpr int kHas = 31;
inline constexpr int kControlsLimit = 32;
inline constexpr int kCannotReduce = 33;
inline constexpr int kCanReduce = 34;
inline constexpr int kTimeElapsed = 228;
inline constexpr int kMinute = 234;
inline constexpr int kMinutes = 235;
inline constexpr int kSeconds = 236;
}  // namespace text_id

// The text of an id; empty for an id the table does not hold.
std::string_view LoadText(int id);

// "Time Elapsed: 1 minute 15 seconds", as the progress window shows it.
std::string ElapsedTimeText(long seconds);

}  // namespace velorin
