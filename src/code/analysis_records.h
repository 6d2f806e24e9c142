// The conversion analysis: one tblReportOutput row per finding and one
// tblStats row per module or form.
#pragma once

#include <string>
#include <string_view>

#include "session/support_database.h"
#include "session/user_interface.h"

namespace velorin {

// Reason codes of tblReportOutput.
namespace reason {
inline constexpr int kAccessOnlyFeature = 1;
inline constexpr int kNoTranslation = 2;
inline constexpr int kButtonBitmap = 3;
inline constexpr int kCustomControl = 4;
inline constexpr int kCancelEvent = 5;
inline constexpr int kArgumentsNotConverted = 6;
inline constexpr int kTranslatedCheck = 7;
inline constexpr int kListCallback = 8;
inline constexpr int kReportReference = 9;
inline constexpr int kUnboundObjectFrame = 10;
inline constexpr int kDuplicateProcedure = 11;
inline constexpr int kEventPropertyAssignment = 12;
inline constexpr int kMissingTarget = 13;
inline constexpr int kCharactersLost = 14;
inline constexpr int kTargetVersionLacks = 15;
}  // namespace reason

struct ReportRecord {
    std::string moduleName;
    long reasonId = 0;
    std::string codeLine;
    long lineNumber = 0;
    std::string translatedLine;
    std::string routine;
    // The line of the Access code (from 1) the finding is about; 0 when it
    // is about a form or control, or code the conversion made.
    long accessLine = 0;
};

struct ModuleStats {
    std::string moduleName;
    long totalLines = 0;
    long commentLines = 0;
    long linesNotTranslated = 0;
    long linesPotentiallyConverted = 0;
    long blankLines = 0;
    long subCount = 0;
    long procCount = 0;
    long ctlCount = 0;
    long ctlsPartiallyConverted = 0;
    long codeLines = 0;
};

// Adds one finding. A failure does not stop the caller: the database keeps it
// (SupportDatabase::Failed) and the driver fails the conversion.
void WriteReportRecord(SupportDatabase& db, const ReportRecord& record);

// Merges counts into the module's row: a zero never overwrites a value. A
// failure is shown to the user.
void WriteModuleStats(SupportDatabase& db, UserInterface& ui, const ModuleStats& stats);

}  // namespace velorin
