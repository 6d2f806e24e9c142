// DoCmd actions become the Visual Basic statements that do the same, or are
// commented out when they have no counterpart.
#include "code/analysis_records.h"
#include "code/docmd_call.h"
#include "code/form_reference.h"
#include "code/statement_rules.h"
#include "code/translation_outcomes.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "common/vb_quote.h"

namespace velorin {
namespace {

std::string FormRef(const CodeFileState& state, std::string_view argument) {
    return FormReference(argument, state.session.names.formVbNames,
                         state.session.names.SupportName(kFormLookup));
}

// What a name argument names, as written: the text of a literal, the
// expression itself otherwise.
std::string Named(std::string_view argument) {
    return IsStringLiteral(argument) ? LiteralText(argument) : std::string(argument);
}

bool IsFormType(std::string_view type) {
    return IEquals(type, "acForm") || IEquals(type, "a_Form") || type == "2";
}

void CloseRule(CodeFileState& state, const DoCmdCall& call) {
    const std::string& type = call.Arg(0);
    const std::string& name = call.Arg(1);
    // Without an object, or a form without its name, Access closes the active
    // window.
    if ((type.empty() && name.empty()) || (IsFormType(type) && name.empty())) {
        TranslatedWithNote(state, reason::kTranslatedCheck, "Unload Screen.ActiveForm",
                           "Unload Me");
    } else if (!IsFormType(type)) {
        CommentedOut(state, reason::kArgumentsNotConverted);
    } else if (IEquals(name, "Me.Name")) {
        // The form's own name, not an expression: the name Access knows it by,
        // which its file's name need not be.
        const std::string& form =
            state.formAccessName.empty() ? state.moduleName : state.formAccessName;
        const auto named = state.session.names.formVbNames.find(form);
        TranslatedWithNote(
            state, reason::kTranslatedCheck,
            "Unload " + FormRef(state, VbQuoted(form, QuoteFor::Code)),
            "Unload " + (named != state.session.names.formVbNames.end() ? named->second
                                                                        : MakeVBName(form)));
    } else {
        const std::string text = "Unload " + FormRef(state, name);
        TranslatedWithNote(state, reason::kTranslatedCheck, text, text);
    }
}

// DoCmd.Requery "ctl" requeries a control of the active form, and without a
// control the active object: in a form's code, the form itself.
void RequeryRule(CodeFileState& state, const DoCmdCall& call) {
    const std::string& control = call.Arg(0);
    Requery result{Requery::Mark, {}};
    if (state.isForm && !control.empty() && IsStringLiteral(control))
        result = RequeryOf(state, "Me![" + LiteralText(control) + "]");
    else if (state.isForm && control.empty())
        result = RequeryOf(state, "Me");
    if (result.kind == Requery::Refresh || result.kind == Requery::Refill)
        TranslatedWithNote(state, reason::kTranslatedCheck, result.statement);
    else
        CommentedOut(state, reason::kArgumentsNotConverted);
}

bool IsDialog(std::string_view windowMode) {
    return IEquals(windowMode, "acDialog") || IEquals(windowMode, "a_Dialog") || windowMode == "3";
}

void OpenFormRule(CodeFileState& state, const DoCmdCall& call) {
    const std::string form = FormRef(state, call.Arg(0));
    const std::string& openArgs = call.Arg(6);
    const std::string_view modal = IsDialog(call.Arg(5)) ? " vbModal " : "";
    const std::string recorded = Named(call.Arg(0)) + ".Show" + std::string(modal);
    if (!openArgs.empty()) {
        state.out.Append("Load " + form);
        state.out.Append(form + ".Openargs = " + openArgs);
        state.totalLines += 2;
        state.lineNumber += 2;
    }
    TranslatedWithNote(state, reason::kTranslatedCheck, form + ".Show" + std::string(modal),
                       recorded);
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

void OpenQueryRule(CodeFileState& state, const DoCmdCall& call) {
    const std::string& name = call.Arg(0);
    // A query that is not found, or a name that is no literal, has no known type.
    const QueryDef* query = nullptr;
    if (IsStringLiteral(name))
        query = state.session.sourceDb->FindQueryDef(LiteralText(name));
    if (query != nullptr && IsActionQuery(query->type)) {
        TranslatedWithNote(state, reason::kTranslatedCheck, "db.Execute " + name);
    } else {
        CommentedOut(state, reason::kArgumentsNotConverted);
    }
}

// The counter of the loops that run a macro several times, declared once in
// each procedure that has such a loop.
constexpr std::string_view kRunMacroCounter = "iRunMacroCount";

void DeclareRunMacroCounter(CodeFileState& state) {
    if (state.runMacroCounterDeclared)
        return;
    state.out.Append("Dim " + std::string(kRunMacroCounter) + " as Integer");
    state.runMacroCounterDeclared = true;
}

// Access runs the macro again while the repeat expression is true. A string
// holds the expression's text; anything else is the expression itself.
std::string RepeatCondition(std::string_view expression) {
    return IsStringLiteral(expression) ? LiteralText(expression) : std::string(expression);
}

void RunMacroRule(CodeFileState& state, const DoCmdCall& call) {
    const std::string& name = call.Arg(0);
    // A macro is called by the procedure it became: its name must be known
    // now, not computed when the code runs.
    if (!IsStringLiteral(name)) {
        CommentedOut(state, reason::kArgumentsNotConverted);
        return;
    }
    const std::string procedure = "Call " + MakeVBName(LiteralText(name));
    const std::string& count = call.Arg(1);
    const std::string& expression = call.Arg(2);
    const bool countGiven = !count.empty() && count != "\"\"";
    const bool expressionGiven = !expression.empty() && expression != "\"\"";
    if (!countGiven && !expressionGiven) {
        state.line = procedure;
        return;
    }
    std::string loopEnd = "Next";
    std::string recorded = "For..Next Loop";
    if (countGiven && !expressionGiven) {
        DeclareRunMacroCounter(state);
        state.out.Append("For " + std::string(kRunMacroCounter) + " = 1 to " + count);
        state.out.Append(procedure);
    } else if (!countGiven) {
        state.out.Append("Do While " + RepeatCondition(expression));
        state.out.Append(procedure);
        loopEnd = "Loop";
        recorded = "Do..Loop";
    } else {
        DeclareRunMacroCounter(state);
        state.out.Append("For " + std::string(kRunMacroCounter) + " = 1 to " + count);
        state.out.Append("If Not (" + RepeatCondition(expression) + ") Then Exit For");
        state.out.Append(procedure);
    }
    TranslatedWithNote(state, reason::kTranslatedCheck, loopEnd, recorded, false);
}

std::string HourglassStatement(std::string_view on) {
    if (IEquals(on, "True") || on == "-1")
        return "Screen.MousePointer = vbHourglass";
    if (IEquals(on, "False") || on == "0")
        return "Screen.MousePointer = vbDefault";
    return "Screen.MousePointer = IIf(" + std::string(on) + ", vbHourglass, vbDefault)";
}

void WindowStateRule(CodeFileState& state, char value) {
    TranslatedWithNote(state, reason::kTranslatedCheck,
                       std::string("Screen.ActiveForm.Windowstate = ") + value,
                       std::string("Me.Windowstate = ") + value);
}

}  // namespace

void ApplyDoCmdRules(CodeFileState& state) {
    std::string& line = state.line;
    const DoCmdCall call = ReadDoCmdCall(line);
    const std::string& action = call.action;
    auto is = [&](std::string_view text) { return IEquals(line, text); };
    auto acts = [&](std::string_view name) { return call.valid && IEquals(action, name); };

    if (!call.named.empty()) {
        // A named argument that no rule knows cannot be carried over.
        CommentedOut(state, reason::kArgumentsNotConverted);
    } else if (acts("Hourglass") && call.Given(0)) {
        line = HourglassStatement(call.Arg(0));
    } else if (acts("CancelEvent") && call.args.empty()) {
        TranslatedWithNote(state, reason::kCancelEvent, "Cancel = True");
    } else if (acts("Beep") && call.args.empty()) {
        line = "Beep";
    } else if (acts("Close")) {
        CloseRule(state, call);
    } else if (is("DoCmd.Maximize")) {
        WindowStateRule(state, '2');
    } else if (is("DoCmd.Minimize")) {
        WindowStateRule(state, '1');
    } else if (acts("MoveSize")) {
        CommentedOut(state, reason::kArgumentsNotConverted);
        line = "'me.move new left,new top,width,height " + std::string(kMarker) + line;
    } else if (acts("Quit")) {
        line = "End";
    } else if (acts("Requery")) {
        RequeryRule(state, call);
    } else if (is("DoCmd.Restore")) {
        WindowStateRule(state, '0');
    } else if (acts("RunSQL") && call.Given(0)) {
        TranslatedWithNote(state, reason::kTranslatedCheck, "DB.Execute " + call.Arg(0));
    } else if (acts("OpenForm") && call.Given(0)) {
        OpenFormRule(state, call);
    } else if (acts("GoToControl") && call.Given(0)) {
        const std::string& control = call.Arg(0);
        // A control is found by the name it has in the project.
        const std::string name =
            IsStringLiteral(control)
                ? VbQuoted(state.ControlVbName(LiteralText(control)), QuoteFor::Code)
                : control;
        TranslatedWithNote(state, reason::kTranslatedCheck,
                           "Screen.ActiveForm.Controls(" + name + ").SetFocus",
                           "Controls(" + name + ").SetFocus");
    } else if (acts("PrintOut")) {
        TranslatedWithNote(state, reason::kTranslatedCheck, "Screen.ActiveForm.PrintForm");
    } else if (is("DoCmd.RepaintObject")) {
        TranslatedWithNote(state, reason::kTranslatedCheck, "Screen.ActiveForm.Refresh");
    } else if (acts("OpenQuery") && call.Given(0)) {
        OpenQueryRule(state, call);
    } else if (acts("RunMacro") && call.Given(0)) {
        RunMacroRule(state, call);
    } else {
        CommentedOut(state, reason::kNoTranslation);
    }
}

}  // namespace velorin
