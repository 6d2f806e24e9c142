#include "forms/subform_code.h"

#include <map>
#include <set>

#include "code/form_reference.h"
#include "code/renamed_controls.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "forms/control_dispatch.h"
#include "forms/event_targets.h"

namespace velorin {
namespace {

using NameMap = std::map<std::string, std::string, ILess>;

bool IsProcedureHeader(std::string_view line) {
    return !ProcedureNames(CodeText(std::vector<std::string>{std::string(line)})).empty();
}

// The line where the procedures of `code` start: its declarations end there.
size_t FirstProcedure(const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IsProcedureHeader(lines[i]))
            return i;
    }
    return lines.size();
}

// The names the declarations of a module declare: its variables and
// constants, its types and enums (not their members).
std::vector<std::string> DeclaredNames(const std::vector<std::string>& lines, size_t end) {
    std::vector<std::string> names;
    bool inBlock = false;
    for (size_t i = 0; i < end; ++i) {
        std::string_view rest = TrimWhitespace(lines[i]);
        if (inBlock) {
            inBlock = !StartsWithWord(rest, "End");
            continue;
        }
        bool declaration = false;
        for (std::string_view word :
             {"Public", "Private", "Global", "Dim", "Static", "Const", "WithEvents"}) {
            if (StartsWithWord(rest, word)) {
                rest = TrimWhitespace(rest.substr(word.size()));
                declaration = true;
            }
        }
        if (!declaration)
            continue;
        if (StartsWithWord(rest, "Type") || StartsWithWord(rest, "Enum")) {
            names.push_back(LeadingIdentifier(TrimWhitespace(rest.substr(4))));
            inBlock = true;
            continue;
        }
        if (StartsWithWord(rest, "Declare")) {
            rest = TrimWhitespace(rest.substr(7));
            for (std::string_view word : {"Sub", "Function"}) {
                if (StartsWithWord(rest, word))
                    rest = TrimWhitespace(rest.substr(word.size()));
            }
            names.push_back(LeadingIdentifier(rest));
            continue;
        }
        // name [(...)] [As Type] [= value], further names after commas
        // outside parentheses.
        const std::string code(CodeBeforeComment(rest));
        int depth = 0;
        bool expectName = true;
        for (size_t at = 0; at < code.size(); ++at) {
            const char c = code[at];
            if (expectName && IsIdentifierChar(c)) {
                const std::string name = LeadingIdentifier(std::string_view(code).substr(at));
                names.push_back(name);
                at += name.size() - 1;
                expectName = false;
            } else if (c == '(') {
                ++depth;
            } else if (c == ')') {
                --depth;
            } else if (c == '"') {
                at = code.find('"', at + 1);
                if (at == std::string::npos)
                    break;
            } else if (c == ',' && depth == 0) {
                expectName = true;
            }
        }
    }
    return names;
}

// `wanted`, or a name made of it that neither the form's names nor `taken`
// hold.
std::string FreeName(NameRegistry& names, const std::set<std::string, ILess>& taken,
                     const std::string& wanted) {
    std::string name = names.Generate(wanted);
    while (taken.count(name) > 0)
        name = names.Generate(wanted);
    return name;
}

}  // namespace

void JoinSubformCode(FormState& state, const AccessForm& subform) {
    std::vector<std::string> lines;
    for (const std::string& line : subform.CodeLines()) {
        const std::string_view t = TrimWhitespace(line);
        if (!StartsWithWord(t, "Attribute") && !StartsWithWord(t, "Option"))
            lines.push_back(line);
    }
    if (lines.empty())
        return;

    // The subform's controls by the names they took in the form.
    NameMap renamed;
    std::set<std::string, ILess> controlNames;
    for (const AccessControl& control : subform.Controls()) {
        const std::string& name = ControlName(state, control);
        controlNames.insert(name);
        if (name != control.Name())
            renamed.emplace(control.Name(), name);
    }
    CodeText joined{std::move(lines)};
    FollowRenamedControls(joined, renamed);

    // What the form's module declares already.
    CodeText& module = state.output.Code().module;
    const size_t moduleStart = FirstProcedure(module.Lines());
    std::set<std::string, ILess> taken;
    for (std::string& name : DeclaredNames(module.Lines(), moduleStart))
        taken.insert(std::move(name));
    for (std::string& name : ProcedureNames(module))
        taken.insert(std::move(name));

    // The subform's own names give way; its controls' event procedures are
    // named after the controls, which are unique already.
    const size_t start = FirstProcedure(joined.Lines());
    const std::string prefix = MakeVBName(subform.Name()) + "_";
    NameMap ownNames;
    auto giveWay = [&](const std::string& name) {
        if (name.empty() || ownNames.count(name) > 0)
            return;
        std::string wanted = name;
        if (IStartsWith(name, "Form_"))
            wanted = prefix + name;
        const std::string given = FreeName(state.output.Names(), taken, wanted);
        taken.insert(given);
        if (given != name)
            ownNames.emplace(name, given);
    };
    for (const std::string& name : DeclaredNames(joined.Lines(), start))
        giveWay(name);
    for (const std::string& name : ProcedureNames(joined)) {
        const size_t cut = name.rfind('_');
        const bool controlEvent =
            cut != std::string::npos && controlNames.count(name.substr(0, cut)) > 0;
        if (!controlEvent)
            giveWay(name);
    }
    FollowRenamedControls(joined, ownNames);
    state.level->procedureNames = ownNames;

    // Declarations before the form's first procedure; comments and
    // procedures at its end.
    const std::vector<std::string>& code = joined.Lines();
    module.Append("");
    module.Append("' The code of the subform " + subform.Name() +
                  ", whose controls this form shows");
    size_t at = moduleStart;
    for (size_t i = 0; i < code.size(); ++i) {
        const std::string_view t = TrimWhitespace(code[i]);
        if (i >= start || t.starts_with('\'') || StartsWithWord(t, "Rem"))
            module.Append(code[i]);
        else if (!t.empty())
            module.Insert(at++, code[i]);
    }
}

}  // namespace velorin
