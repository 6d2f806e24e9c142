#include "code/analysis_records.h"
#include "code/code_file_state.h"
#include "code/module_conversion.h"
#include "code/translate_line.h"
#include "code/translate_procedures.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "common/vb_quote.h"

namespace velorin {
namespace {

bool StartsWithAny(std::string_view line, std::initializer_list<std::string_view> prefixes) {
    for (std::string_view prefix : prefixes) {
        if (IStartsWith(line, prefix))
            return true;
    }
    return false;
}

std::string RoutineOf(std::string_view header) {
    size_t paren = header.find('(');
    return std::string(paren == std::string_view::npos ? header : header.substr(0, paren));
}

// Writes a line that the conversion adds, counting it as the rules count lines.
void WriteAdded(CodeFileState& state, std::string_view line) {
    state.out.Append(std::string(line));
    ++state.totalLines;
    ++state.lineNumber;
}

// The calls of the form's generated initialisers; a generated Form_Load also
// fills the data-control captions. Long property values come first: the list
// fillers read the Tags they may set.
void WriteLoadCalls(CodeFileState& state, const std::array<int, 7>& flags, bool withCaptions) {
    if (flags[6])
        WriteAdded(state, "vReturnValue=InitialLongValues()");
    if (flags[1])
        WriteAdded(state, "vReturnValue=InitializeListBoxes()");
    if (flags[2])
        WriteAdded(state, "vReturnValue=InitializeComboBoxes()");
    if (flags[3])
        WriteAdded(state, "vReturnValue=InitializeButtons()");
    if (withCaptions && flags[4])
        WriteAdded(state, "vReturnValue=InitialDataCtlCaptions()");
    if (flags[5])
        WriteAdded(state, "Me.Move (Screen.Width - Me.Width) / 2, (Screen.Height - Me.Height) / 2");
}

}  // namespace

CodeText ConvertCodeFile(Session& session, const std::string& objectName, const CodeText& input,
                         bool isForm, long designLines, const NameRegistry* formNames) {
    CodeText out;
    CodeFileState state(session, out);
    state.moduleName = objectName;
    state.isForm = isForm;
    state.formNames = formNames;
    // The header and the design section are counted, not translated; in a form
    // the generated declaration before the module's own code is line 0, so
    // that the module's lines keep their numbers.
    state.totalLines = designLines;
    if (isForm)
        state.lineNumber = -1;

    const auto& flags = session.formFeatureFlags;
    const bool loadCalls = flags[1] || flags[2] || flags[3] || flags[5] || flags[6];
    bool formLoadSeen = false;
    bool formActivateSeen = false;

    for (const std::string& raw : input.Lines()) {
        state.line = std::string(TrimBlanks(raw));
        ++state.totalLines;
        const std::string& line = state.line;
        ++state.lineNumber;
        if (!line.empty() && line[0] == '\'') {
            ++state.commentLines;
        } else if (line.empty()) {
            ++state.blankLines;
        } else if (StartsWithAny(line, {"Sub ", "Private Sub ", "Public Sub "})) {
            ++state.subCount;
            state.routine = RoutineOf(line);
            // Visual Basic's DblClick event has no Cancel argument.
            state.line = ReplaceAll(line, "_DblClick(Cancel As Integer)", "_DblClick()");
        } else if (StartsWithAny(line, {"Function ", "Private Function ", "Public Function "})) {
            ++state.procCount;
            state.routine = RoutineOf(line);
        } else {
            TranslateLine(state);
        }
        out.Append(state.line);

        if (!isForm)
            continue;
        if (IFind(state.line, "Sub Form_Load") != std::string::npos) {
            formLoadSeen = true;
            if (loadCalls)
                WriteAdded(state, "Dim vReturnValue as variant");
            WriteLoadCalls(state, flags, false);
        } else if (IFind(state.line, "Sub Form_Activate") != std::string::npos) {
            formActivateSeen = true;
            if (flags[4]) {
                WriteAdded(state, "Dim vReturnValue as variant");
                WriteAdded(state, "vReturnValue=InitialDataCtlCaptions()");
            }
        }
    }

    if (isForm && !formLoadSeen && loadCalls) {
        WriteAdded(state, "Private Sub Form_Load()");
        WriteAdded(state, "Dim vReturnValue as variant");
        WriteLoadCalls(state, flags, true);
        WriteAdded(state, "End Sub");
        ++state.subCount;
    }
    if (isForm && !formActivateSeen && flags[4]) {
        WriteAdded(state, "Private Sub Form_Activate()");
        WriteAdded(state, "Dim vReturnValue as variant");
        WriteAdded(state, "vReturnValue=InitialDataCtlCaptions()");
        WriteAdded(state, "End Sub");
        ++state.subCount;
    }

    ModuleStats stats;
    stats.moduleName = objectName;
    stats.totalLines = state.totalLines;
    stats.commentLines = state.commentLines;
    stats.linesNotTranslated = state.linesNotTranslated;
    stats.linesPotentiallyConverted = state.linesPotentiallyConverted;
    stats.blankLines = state.blankLines;
    stats.subCount = state.subCount;
    stats.procCount = state.procCount;
    stats.codeLines = state.lineNumber;
    WriteModuleStats(session.supportDb, session.ui, stats);
    TranslateProcedures(session, out, formNames);
    return out;
}

void NameModule(CodeText& code, std::string_view vbName) {
    code.Insert(0, "Attribute VB_Name = " + VbQuoted(vbName));
}

}  // namespace velorin
