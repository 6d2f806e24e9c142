// A Requery becomes the Refresh of the data control that holds the rows: the
// form's own (Me.Requery), a bound list's, or an embedded subform's; an
// unbound list is filled again by the support module's additems functions. A
// form has no Requery in Visual Basic: any other form's is marked. Anything
// else (a recordset) keeps its Requery.
#include "code/analysis_records.h"
#include "code/code_mask.h"
#include "code/form_reference.h"
#include "code/statement_rules.h"
#include "code/translation_outcomes.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "output/form_output.h"

namespace velorin {
namespace {

// Where the object a member is asked of begins, reading back from `end`:
// names, "." and "!", [bracketed names] and (argument lists).
size_t ObjectStart(std::string_view line, size_t end) {
    size_t i = end;
    while (i > 0) {
        const char c = line[i - 1];
        if (IsIdentifierChar(c) || c == '.' || c == '!') {
            --i;
        } else if (c == ']') {
            const size_t open = line.rfind('[', i - 1);
            if (open == std::string_view::npos)
                break;
            i = open;
        } else if (c == ')') {
            int depth = 0;
            size_t k = i;
            while (k > 0) {
                --k;
                if (line[k] == ')')
                    ++depth;
                else if (line[k] == '(' && --depth == 0)
                    break;
            }
            if (depth != 0)
                break;
            i = k;
        } else {
            break;
        }
    }
    return i;
}

// The control a reference names on the form itself: "X" of Me!X, Me.X,
// Me![X] or [X]; empty for anything else.
std::string OwnControl(const CodeFileState& state, std::string_view object) {
    std::string_view rest = object;
    if (IStartsWith(rest, "Me!") || IStartsWith(rest, "Me."))
        rest.remove_prefix(3);
    else if (!rest.starts_with("["))
        return {};
    if (rest.starts_with("[") && rest.ends_with("]"))
        return state.ControlVbName(rest.substr(1, rest.size() - 2));
    return LeadingIdentifier(rest).size() == rest.size() ? std::string(rest) : std::string();
}

bool IsFormReference(const CodeFileState& state, std::string_view object) {
    if (IStartsWith(object, state.session.names.SupportName(kFormLookup) + "(") ||
        IStartsWith(object, "Forms"))
        return true;
    for (const auto& [access, vbName] : state.session.names.formVbNames) {
        if (IEquals(vbName, object))
            return true;
    }
    return false;
}

// The unbound list filled again from the source in its Tag.
std::string Refill(const CodeFileState& state, const std::string& list) {
    const Session& session = state.session;
    const std::string fill =
        session.Settings().options.listBoxType == 1 ? "additemsGT" : "additems";
    return session.names.SupportName("gvarreturn") + " = " + session.names.SupportName(fill) + "(" +
           session.names.SupportName("gettoken") + "(" + list + ".Tag,2,\"~\"), " + list +
           ", \"Jet\")";
}

}  // namespace

Requery RequeryOf(const CodeFileState& state, std::string_view object) {
    const NameRegistry* names = state.formNames;
    if (IEquals(object, "Me")) {
        const std::string data = names ? names->Find(name_key::kFormDataControl) : std::string();
        if (data.empty())
            return {Requery::Mark, {}};
        return {Requery::Refresh, data + ".Refresh"};
    }
    std::string control = OwnControl(state, object);
    // A bare name is a control when the form has a control of that name.
    if (control.empty() && names != nullptr && LeadingIdentifier(object).size() == object.size() &&
        names->IsTaken(object))
        control = std::string(object);
    if (!control.empty()) {
        const std::string list =
            names ? names->Find(std::string(name_key::kListDataControl) + control) : std::string();
        const std::string subform =
            names ? names->Find(std::string(name_key::kSubformDataControl) + control)
                  : std::string();
        if (!list.empty() || !subform.empty())
            return {Requery::Refresh, (list.empty() ? subform : list) + ".Refresh"};
        if (!state.session.Settings().options.listBoxBound)
            return {Requery::Refill, Refill(state, "Me!" + control)};
        return {Requery::Mark, {}};
    }
    // A form of the project: Visual Basic's forms have no Requery.
    if (IsFormReference(state, object))
        return {Requery::Mark, {}};
    // Anything else, a recordset for one, keeps its own Requery.
    return {Requery::Keep, {}};
}

void ApplyListRequeryRule(CodeFileState& state) {
    const std::string line = state.line;
    const size_t requery = FindInCode(line, ".REQUERY");
    if (requery == std::string::npos)
        return;
    const size_t start = ObjectStart(line, requery);
    const Requery result = RequeryOf(state, std::string_view(line).substr(start, requery - start));
    switch (result.kind) {
        case Requery::Refresh:
        case Requery::Refill:
            TranslatedWithNote(state, reason::kTranslatedCheck,
                               line.substr(0, start) + result.statement + line.substr(requery + 8));
            break;
        case Requery::Mark:
            CommentedOut(state, reason::kArgumentsNotConverted);
            break;
        case Requery::Keep:
            break;
    }
}

}  // namespace velorin
