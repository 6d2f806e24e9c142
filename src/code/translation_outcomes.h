// The three ways a statement rule leaves a line, and the character positions
// the rules count in (1-based, as Visual Basic's Mid counts them).
#pragma once

#include <string>
#include <string_view>

#include "code/code_file_state.h"

namespace velorin {

inline constexpr std::string_view kMarker = "'VLRN ";

// The line becomes NEW + TAB + the marker + the old line; the finding is
// recorded with `recorded` as its translated line.
void TranslatedWithNote(CodeFileState& state, int reason, std::string_view newText,
                        std::string_view recorded, bool countPotential = true);
inline void TranslatedWithNote(CodeFileState& state, int reason, std::string_view newText) {
    TranslatedWithNote(state, reason, newText, newText);
}
// The line becomes the marker + the old line; the finding is recorded.
void CommentedOut(CodeFileState& state, int reason);
// Records a finding about the line as it stands, changing nothing.
void RecordFinding(CodeFileState& state, int reason, std::string_view translated);

// Mid(text, start): from the 1-based position on; empty past the end.
std::string_view MidFrom(std::string_view text, long start);
// The characters from 1-based position `first` to `last` inclusive; empty
// when the range is empty or outside the text.
std::string_view MidRange(std::string_view text, long first, long last);
// 1-based position of `what` ignoring case, 0 when absent.
long InStr(std::string_view text, std::string_view what);

}  // namespace velorin
