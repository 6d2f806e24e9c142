#include "code/translation_outcomes.h"

#include "code/analysis_records.h"
#include "common/ansi_text.h"

namespace velorin {

void RecordFinding(CodeFileState& state, int reason, std::string_view translated) {
    WriteReportRecord(state.session.supportDb,
                      {state.moduleName, reason, state.line + state.comment, state.lineNumber,
                       std::string(translated), state.routine, state.accessLine});
}

void TranslatedWithNote(CodeFileState& state, int reason, std::string_view newText,
                        std::string_view recorded, bool countPotential) {
    RecordFinding(state, reason, recorded);
    std::string line(newText);
    line += '\t';
    line += kMarker;
    line += state.line;
    state.line = std::move(line);
    if (countPotential)
        ++state.linesPotentiallyConverted;
}

void CommentedOut(CodeFileState& state, int reason) {
    RecordFinding(state, reason, {});
    state.line = std::string(kMarker) + state.line;
    ++state.linesNotTranslated;
}

std::string_view MidFrom(std::string_view text, long start) {
    if (start < 1)
        start = 1;
    if (static_cast<size_t>(start) > text.size())
        return {};
    return text.substr(static_cast<size_t>(start - 1));
}

std::string_view MidRange(std::string_view text, long first, long last) {
    if (first < 1)
        first = 1;
    if (last > static_cast<long>(text.size()))
        last = static_cast<long>(text.size());
    if (last < first)
        return {};
    return text.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1));
}

long InStr(std::string_view text, std::string_view what) {
    size_t at = IFind(text, what);
    return at == std::string_view::npos ? 0 : static_cast<long>(at) + 1;
}

}  // namespace velorin
