#include "code/analysis_records.h"
#include "code/code_file_state.h"
#include "code/code_mask.h"
#include "code/form_reference.h"
#include "code/later_functions.h"
#include "code/module_conversion.h"
#include "code/procedure_headers.h"
#include "code/renamed_procedures.h"
#include "code/statement_rules.h"
#include "code/target_language.h"
#include "code/translate_line.h"
#include "code/translate_procedures.h"
#include "code/translation_outcomes.h"
#include "code/whole_blocks.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "common/vb_quote.h"

#include "output/form_output.h"

namespace velorin {
namespace {

bool StartsWithAny(std::string_view line, std::initializer_list<std::string_view> prefixes) {
    for (std::string_view prefix : prefixes) {
        if (IStartsWith(line, prefix))
            return true;
    }
    return false;
}

// Writes a translated statement back: a statement the rules left alone keeps
// its lines, one they commented out has every line commented out, and one
// they changed is written as the single line it became.
void WriteStatement(CodeFileState& state, const std::vector<std::string>& lines, size_t first,
                    size_t last, const std::string& joined) {
    if (first == last || state.line == joined) {
        if (first == last) {
            state.out.Append(state.line);
            return;
        }
        for (size_t i = first; i <= last; ++i)
            state.out.Append(std::string(TrimBlanks(lines[i])));
        return;
    }
    if (state.line == std::string(kMarker) + joined) {
        for (size_t i = first; i <= last; ++i)
            state.out.Append(std::string(kMarker) + std::string(TrimBlanks(lines[i])));
        state.linesNotTranslated += static_cast<long>(last - first);
        return;
    }
    state.out.Append(state.line);
}

// Whether the procedure whose body starts at `first` uses Cancel.
bool BodyNamesCancel(const std::vector<std::string>& lines, size_t first) {
    for (size_t i = first; i < lines.size(); ++i) {
        const std::string_view code =
            TrimBlanks(std::string_view(lines[i]).substr(0, CodeEnd(lines[i])));
        if (StartsWithWord(code, "End") && StartsWithWord(TrimBlanks(code.substr(3)), "Sub"))
            return false;
        const std::string masked = MaskedCode(code);
        for (size_t at = IFind(masked, "Cancel"); at != std::string::npos;
             at = IFind(masked, "Cancel", at + 6)) {
            const bool before = at > 0 && IsIdentifierChar(masked[at - 1]);
            const bool after = at + 6 < masked.size() && IsIdentifierChar(masked[at + 6]);
            if (!before && !after)
                return true;
        }
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
// fills the data-control captions. The values set on loading come first: the
// list fillers read the Tags they may set.
void WriteLoadCalls(CodeFileState& state, const std::array<int, 7>& flags, bool withCaptions) {
    auto call = [&](std::string_view routine) {
        WriteAdded(state, "vReturnValue=" + LoaderRoutineName(state.formNames, routine) + "()");
    };
    if (flags[6])
        call("InitialValues");
    if (flags[1])
        call("InitializeListBoxes");
    if (flags[2])
        call("InitializeComboBoxes");
    if (flags[3])
        call("InitializeButtons");
    if (withCaptions && flags[4])
        call("InitialDataCtlCaptions");
    if (flags[5])
        WriteAdded(state, "Me.Move (Screen.Width - Me.Width) / 2, (Screen.Height - Me.Height) / 2");
}

}  // namespace

CodeText ConvertCodeFile(Session& session, const std::string& objectName, const CodeText& input,
                         const FormFacts* form, bool isClass) {
    const FormFacts module;
    const FormFacts& facts = form != nullptr ? *form : module;
    const bool isForm = form != nullptr;
    CodeText out;
    CodeFileState state(session, out);
    state.moduleName = objectName;
    state.isForm = isForm;
    state.formAccessName = facts.accessName;
    state.formNames = facts.formNames;
    state.renamedControls = facts.renamedControls;
    // The header and the design section are counted, not translated; in a form
    // the generated declaration before the module's own code is line 0, so
    // that the module's lines keep their numbers.
    state.totalLines = facts.designLines;
    if (isForm)
        state.lineNumber = -1;

    const auto& flags = facts.formFeatureFlags;
    const bool loadCalls = flags[1] || flags[2] || flags[3] || flags[5] || flags[6];
    bool formLoadSeen = false;
    bool formActivateSeen = false;
    bool cancelDeclared = false;

    const std::vector<std::string>& lines = input.Lines();
    state.keepsDatabaseVariable = AssignsAnotherDatabase(lines);
    state.ownLaterFunctions = LaterFunctionsDefinedIn(lines);
    for (const auto& [access, vbName] : session.names.moduleVbNames) {
        if (!IEquals(MakeVBName(access), vbName))
            state.renamedModules.emplace(MakeVBName(access), vbName);
    }
    // A form's and a class's public members are an object's: no public constants there.
    TargetLanguage target(session, lines, isForm || isClass);
    for (size_t i = 0; i < lines.size();) {
        // A statement continued with " _" is one statement: translated whole.
        size_t last = i;
        while (last + 1 < lines.size() && ContinuesOnNextLine(lines[last]))
            ++last;
        const size_t count = last - i + 1;
        // What this statement writes, and the lines it adds before it, come from its first line.
        state.accessLine = input.SourceOf(i);
        out.SetCurrentSource(state.accessLine);
        state.line = JoinContinuedLines(lines, i, last);
        state.totalLines += static_cast<long>(count);
        ++state.lineNumber;
        const std::string joined = state.line;
        bool procedureHeader = false;
        state.line = FollowRenamedProcedures(state.line, session.names.renamedProcedures,
                                             session.names.moduleVbNames);
        const std::string& line = state.line;
        if (!line.empty() &&
            (line[0] == '\'' || IStartsWith(line, "Rem ") || IEquals(line, "Rem"))) {
            state.commentLines += static_cast<long>(count);
        } else if (line.empty()) {
            ++state.blankLines;
        } else {
            // The statistics count the application's own procedures, before
            // the target's rewriting (Friend becomes Public for VB4).
            const bool subHeader = StartsWithAny(line, {"Sub ", "Private Sub ", "Public Sub "});
            const bool functionHeader =
                !subHeader &&
                StartsWithAny(line, {"Function ", "Private Function ", "Public Function "});
            if (subHeader) {
                ++state.subCount;
                state.routine = RoutineOf(line);
            } else if (functionHeader) {
                ++state.procCount;
                state.routine = RoutineOf(line);
            }
            if (!target.Rewrite(state, i)) {
                // commented out and recorded, or an Enum's line made a constant
            } else if (subHeader) {
                procedureHeader = true;
                // Visual Basic's DblClick event has no Cancel argument; the
                // body may still set it, as a variable of its own.
                const std::string header =
                    ReplaceAll(line, "_DblClick(Cancel As Integer)", "_DblClick()");
                cancelDeclared = header != line && BodyNamesCancel(lines, last + 1);
                state.line = header;
            } else if (!functionHeader) {
                TranslateLine(state);
            }
        }
        WriteStatement(state, lines, i, last, joined);
        for (const std::string& added : target.TakeAddedLines())
            WriteAdded(state, added);
        if (cancelDeclared) {
            WriteAdded(state, "Dim Cancel As Integer");
            cancelDeclared = false;
        }
        if (StartsWithAny(joined, {"End Sub", "End Function", "End Property"}))
            state.runMacroCounterDeclared = false;
        state.lineNumber += static_cast<long>(count) - 1;
        i = last + 1;

        // The generated calls go after the header of the form's own Form_Load
        // or Form_Activate, not after a commented-out one.
        if (!isForm || !procedureHeader)
            continue;
        if (IEquals(ProcedureName(state.line), "Form_Load")) {
            formLoadSeen = true;
            if (loadCalls)
                WriteAdded(state, "Dim vReturnValue as variant");
            WriteLoadCalls(state, flags, false);
        } else if (IEquals(ProcedureName(state.line), "Form_Activate")) {
            formActivateSeen = true;
            if (flags[4]) {
                WriteAdded(state, "Dim vReturnValue as variant");
                WriteAdded(state, "vReturnValue=" +
                                      LoaderRoutineName(facts.formNames, "InitialDataCtlCaptions") +
                                      "()");
            }
        }
    }

    // What follows the application's code is the conversion's own.
    state.accessLine = 0;
    out.SetCurrentSource(0);
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
        WriteAdded(state, "vReturnValue=" +
                              LoaderRoutineName(facts.formNames, "InitialDataCtlCaptions") + "()");
        WriteAdded(state, "End Sub");
        ++state.subCount;
    }

    state.linesNotTranslated += CommentOutBrokenBlocks(out);

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
    TranslateProcedures(session, out, facts.formNames, facts.optionGroupNames);
    return out;
}

void NameModule(CodeText& code, std::string_view vbName) {
    code.Insert(0, "Attribute VB_Name = " + VbQuoted(vbName));
}

void NameClassModule(CodeText& code, std::string_view vbName, bool vb5, bool predeclaredId) {
    std::vector<std::string> header = {"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1  'True",
                                       "END", "Attribute VB_Name = " + VbQuoted(vbName)};
    if (vb5) {
        header.push_back("Attribute VB_GlobalNameSpace = False");
        header.push_back("Attribute VB_Creatable = True");
        header.push_back(std::string("Attribute VB_PredeclaredId = ") +
                         (predeclaredId ? "True" : "False"));
    } else {
        header.push_back("Attribute VB_Creatable = False");
    }
    header.push_back("Attribute VB_Exposed = False");
    for (size_t i = 0; i < header.size(); ++i)
        code.Insert(i, std::move(header[i]));
}

}  // namespace velorin
