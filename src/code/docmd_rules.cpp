// DoCmd actions become the Visual Basic statements that do the same, or are
// commented out when they have no counterpart.
#include "code/analysis_records.h"
#include "code/form_reference.h"
#include "code/statement_rules.h"
#include "code/translation_outcomes.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

std::string FormRef(CodeFileState& state, std::string_view text) {
    return FormReference(text, state.session.convertedFormNames);
}

void CloseRule(CodeFileState& state) {
    const std::string& line = state.line;
    const bool closeForm = InStr(line, "acForm") > 0 || InStr(line, "a_Form") > 0 ||
                           (line.size() >= 13 && line[12] == '2');
    if (!closeForm) {
        if (IEquals(line, "DoCmd.Close") || IStartsWith(line, "DoCmd.Close , ,")) {
            TranslatedWithNote(state, reason::kTranslatedCheck, "Unload Screen.ActiveForm",
                               "Unload Me");
        } else {
            CommentedOut(state, reason::kArgumentsNotConverted);
        }
    } else if (InStr(line, "Me.Name") > 0) {
        // The module's name is the form's name, not an expression.
        TranslatedWithNote(state, reason::kTranslatedCheck,
                           "Unload " + FormRef(state, "\"" + state.moduleName + "\""),
                           "Unload " + MakeVBName(state.moduleName));
    } else {
        size_t comma = line.find(',');
        std::string argument(comma == std::string::npos
                                 ? std::string_view()
                                 : TrimBlanks(std::string_view(line).substr(comma + 1)));
        std::string text = "Unload " + FormRef(state, argument);
        TranslatedWithNote(state, reason::kTranslatedCheck, text, text);
    }
}

void RequeryRule(CodeFileState& state) {
    const std::string& line = state.line;
    std::string target = line.find('"') == std::string::npos
                             ? std::string(MidFrom(line, 14))
                             : std::string(MidRange(line, 16, static_cast<long>(line.size()) - 1));
    // Without a control Access requeries the active form: ".requery" alone is no statement.
    if (TrimBlanks(target).empty())
        target = "Screen.ActiveForm";
    TranslatedWithNote(state, reason::kTranslatedCheck, target + ".requery");
}

void OpenFormRule(CodeFileState& state) {
    state.line = ReplaceAll(state.line, "FormName:=", "");
    const std::string& line = state.line;
    const std::string form = FormRef(state, TrimBlanks(MidFrom(line, 15)));
    const size_t firstComma = line.find(',');
    if (firstComma == std::string::npos) {
        std::string recorded =
            std::string(MidRange(line, 17, static_cast<long>(line.size()) - 1)) + ".Show";
        TranslatedWithNote(state, reason::kTranslatedCheck, form + ".Show", recorded);
        return;
    }
    std::string openArgs;
    size_t comma = std::string::npos;
    int commas = 0;
    for (size_t i = 0; i < line.size() && commas < 6; ++i) {
        if (line[i] == ',') {
            ++commas;
            comma = i;
        }
    }
    if (commas == 6) {
        openArgs = line.substr(comma + 1);
    } else if (size_t named = IFind(line, "openargs:="); named != std::string::npos) {
        openArgs = line.substr(named + 10);
    }
    const bool modal = InStr(line, "acdialog") > 0 || InStr(line, "windowmode:=3") > 0 ||
                       InStr(line, "a_dialog") > 0;
    const std::string_view m = modal ? " vbModal " : "";

    std::string recorded = std::string(MidRange(line, 17, static_cast<long>(firstComma) + 1 - 2)) +
                           ".Show" + std::string(m);
    RecordFinding(state, reason::kTranslatedCheck, recorded);
    ++state.linesPotentiallyConverted;
    if (!openArgs.empty()) {
        state.out.Append("Load " + form);
        state.out.Append(form + ".Openargs = " + openArgs);
        state.totalLines += 2;
        state.lineNumber += 2;
    }
    state.line = form + ".Show" + std::string(m) + "\t" + std::string(kMarker) + line;
}

bool IsActionQuery(int type) {
    switch (type) {
        case 32:
        case 48:
        case 64:
        case 80:
        case 112:
        case 144:
        case 240:
            return true;
        default:
            return false;
    }
}

void OpenQueryRule(CodeFileState& state) {
    state.line = ReplaceAll(state.line, "QueryName:=", "");
    const std::string& line = state.line;
    size_t comma = line.find(',');
    long last =
        comma == std::string::npos ? static_cast<long>(line.size()) : static_cast<long>(comma);
    std::string quoted(TrimBlanks(MidRange(line, 16, last)));
    // A query that is not found, or a name that is no literal, has no known type.
    const QueryDef* query = nullptr;
    if (quoted.size() >= 2)
        query = state.session.sourceDb->FindQueryDef(quoted.substr(1, quoted.size() - 2));
    if (query != nullptr && IsActionQuery(query->type)) {
        TranslatedWithNote(state, reason::kTranslatedCheck, "db.Execute " + quoted);
    } else {
        CommentedOut(state, reason::kArgumentsNotConverted);
    }
}

bool Given(std::string_view value) {
    value = TrimBlanks(value);
    return !value.empty() && value != "\"\"";
}

// Without its first and last character.
std::string Inner(std::string_view text) {
    return text.size() >= 2 ? std::string(text.substr(1, text.size() - 2)) : std::string();
}

void RunMacroRule(CodeFileState& state) {
    const std::string& line = state.line;
    size_t comma = line.find(',');
    std::string_view name = comma == std::string::npos
                                ? MidRange(line, 17, static_cast<long>(line.size()) - 1)
                                : MidRange(line, 17, static_cast<long>(comma) + 1 - 2);
    const std::string call = "Call " + MakeVBName(name);
    if (comma == std::string::npos || line.substr(comma + 1) == " , \"\"") {
        state.line = call;
        return;
    }
    const std::string count = GetToken(line, 2, ",");
    // The repeat expression is a string; its quotes go, and so do the blanks
    // around it, so that the condition reads as code.
    const std::string expression(TrimBlanks(GetToken(line, 3, ",")));
    const bool countGiven = Given(count);
    const bool expressionGiven = Given(expression);
    std::string loopEnd = "Next";
    std::string recorded = "For..Next Loop";
    if (countGiven && !expressionGiven) {
        state.out.Append("Dim iRunMacroCount as Integer");
        state.out.Append("For iRunMacroCount = 1 to " + count);
        state.out.Append(call);
    } else if (!countGiven && expressionGiven) {
        state.out.Append("Do Until " + Inner(expression));
        state.out.Append(call);
        loopEnd = "Loop";
        recorded = "Do..Loop";
    } else {
        state.out.Append("Dim iRunMacroCount as Integer");
        state.out.Append("For iRunMacroCount = 1 to " + count);
        state.out.Append("If Not " + Inner(expression) + " Then Exit For");
        state.out.Append(call);
    }
    TranslatedWithNote(state, reason::kTranslatedCheck, loopEnd, recorded, false);
}

void WindowStateRule(CodeFileState& state, char value) {
    TranslatedWithNote(state, reason::kTranslatedCheck,
                       std::string("Screen.ActiveForm.Windowstate = ") + value,
                       std::string("Me.Windowstate = ") + value);
}

}  // namespace

void ApplyDoCmdRules(CodeFileState& state) {
    std::string& line = state.line;
    auto is = [&](std::string_view text) { return IEquals(line, text); };
    auto begins = [&](std::string_view text) { return IStartsWith(line, text); };

    if (is("DoCmd.Hourglass True")) {
        line = "Screen.MousePointer = vbHourglass";
    } else if (is("DoCmd.Hourglass false")) {
        line = "Screen.MousePointer = vbDefault";
    } else if (is("DoCmd.CancelEvent")) {
        TranslatedWithNote(state, reason::kCancelEvent, "Cancel = True");
    } else if (is("DoCmd.Beep")) {
        line = "Beep";
    } else if (begins("DoCmd.Close")) {
        CloseRule(state);
    } else if (is("DoCmd.Maximize")) {
        WindowStateRule(state, '2');
    } else if (is("DoCmd.Minimize")) {
        WindowStateRule(state, '1');
    } else if (begins("DoCmd.MoveSize")) {
        CommentedOut(state, reason::kArgumentsNotConverted);
        line = "'me.move new left,new top,width,height " + std::string(kMarker) + line;
    } else if (is("DoCmd.Quit")) {
        line = "End";
    } else if (begins("DoCmd.ReQuery")) {
        RequeryRule(state);
    } else if (is("DoCmd.Restore")) {
        WindowStateRule(state, '0');
    } else if (begins("DoCmd.RunSQL")) {
        TranslatedWithNote(state, reason::kTranslatedCheck,
                           "DB.Execute " + std::string(MidFrom(line, 14)));
    } else if (begins("DoCmd.OpenForm")) {
        OpenFormRule(state);
    } else if (begins("DoCmd.GotoControl")) {
        std::string control(MidFrom(line, 18));
        TranslatedWithNote(state, reason::kTranslatedCheck,
                           "Screen.ActiveForm.Controls(" + control + ").SetFocus",
                           "Controls(" + control + ").SetFocus");
    } else if (begins("DoCmd.Printout")) {
        TranslatedWithNote(state, reason::kTranslatedCheck, "Screen.ActiveForm.PrintForm");
    } else if (is("DoCmd.RepaintObject")) {
        TranslatedWithNote(state, reason::kTranslatedCheck, "Screen.ActiveForm.Refresh");
    } else if (begins("DoCmd.OpenQuery")) {
        OpenQueryRule(state);
    } else if (begins("DoCmd.RunMacro")) {
        RunMacroRule(state);
    } else {
        CommentedOut(state, reason::kNoTranslation);
    }
}

}  // namespace velorin
