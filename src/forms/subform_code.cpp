#include "forms/subform_code.h"

#include <map>
#include <set>

#include "code/analysis_records.h"
#include "code/code_mask.h"
#include "code/form_reference.h"
#include "code/procedure_headers.h"
#include "code/renamed_controls.h"
#include "code/translation_outcomes.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "form_context/event_targets.h"
#include "forms/control_dispatch.h"

namespace velorin {
namespace {

using NameMap = std::map<std::string, std::string, ILess>;

// The line where the procedures of `code` start: its declarations end there.
size_t FirstProcedure(const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!DeclaredProcedure(lines[i]).empty())
            return i;
    }
    return lines.size();
}

// The names the declarations of a module declare: its variables and
// constants, its types and enums (not their members).
std::vector<std::string> DeclaredNames(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    bool inBlock = false;
    for (size_t i = 0; i < lines.size(); ++i) {
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

// The statements of lines[from, to), each continued statement on one line.
std::vector<std::string> LogicalLines(const std::vector<std::string>& lines, size_t from,
                                      size_t to) {
    std::vector<std::string> statements;
    for (size_t i = from; i < to && i < lines.size();) {
        size_t last = i;
        while (last + 1 < to && ContinuesOnNextLine(lines[last]))
            ++last;
        statements.push_back(JoinContinuedLines(lines, i, last));
        i = last + 1;
    }
    return statements;
}

// DefInt A-Z and its kind type the names the form's own code leaves untyped.
bool IsDeftype(std::string_view statement) {
    for (std::string_view word : {"DefBool", "DefByte", "DefInt", "DefLng", "DefCur", "DefSng",
                                  "DefDbl", "DefDec", "DefDate", "DefStr", "DefObj", "DefVar"}) {
        if (StartsWithWord(statement, word))
            return true;
    }
    return false;
}

// A line of the subform's module that cannot join the form's: kept as a
// marked comment and recorded.
std::string Unjoinable(FormState& state, const std::string& line) {
    WriteReportRecord(state.session.supportDb,
                      {state.shared.fileName, reason::kNoTranslation, line, 0, {}, {}});
    return std::string(kMarker) + line;
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
    bool explicitNames = false;
    for (const std::string& line : subform.CodeLines()) {
        const std::string_view t = TrimWhitespace(line);
        if (StartsWithWord(t, "Attribute"))
            continue;
        if (StartsWithWord(t, "Option")) {
            // Option Base and Option Compare Text would change the form's
            // own code: they stay, as comments the analysis records.
            const std::string_view what = TrimWhitespace(t.substr(6));
            if (StartsWithWord(what, "Explicit"))
                explicitNames = true;
            else if (!StartsWithWord(what, "Compare") ||
                     !StartsWithWord(TrimWhitespace(what.substr(7)), "Database"))
                lines.push_back(Unjoinable(state, line));
            continue;
        }
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
    for (std::string& name : DeclaredNames(LogicalLines(module.Lines(), 0, moduleStart)))
        taken.insert(std::move(name));
    for (std::string& name : ProcedureNames(module))
        taken.insert(std::move(name));

    // The subform's own names give way; its controls' event procedures are
    // named after the controls, which are unique already. A procedure named
    // like an event of a control the subform does not have, or its own form
    // events, would become an event procedure of the form's: they are kept
    // under the subform's name.
    const size_t start = FirstProcedure(joined.Lines());
    const std::string prefix = MakeVBName(subform.Name()) + "_";
    NameMap ownNames;
    auto giveWay = [&](const std::string& name, bool asEvent) {
        if (name.empty() || ownNames.count(name) > 0)
            return;
        const std::string wanted = asEvent ? prefix + name : name;
        const std::string given = FreeName(state.output.Names(), taken, wanted);
        taken.insert(given);
        if (given != name)
            ownNames.emplace(name, given);
    };
    for (const std::string& name : DeclaredNames(LogicalLines(joined.Lines(), 0, start)))
        giveWay(name, false);
    for (const std::string& name : ProcedureNames(joined)) {
        const size_t cut = name.rfind('_');
        const std::string owner = cut == std::string::npos ? std::string() : name.substr(0, cut);
        if (controlNames.count(owner) > 0)
            continue;
        giveWay(name, IEquals(owner, "Form") || state.output.Names().IsTaken(owner) ||
                          taken.count(owner) > 0);
    }
    FollowRenamedControls(joined, ownNames);
    state.level->procedureNames = ownNames;

    // The form's module requires declared variables only if the subform's
    // did too: its code compiled without.
    if (!explicitNames) {
        for (size_t i = 0; i < moduleStart && i < module.Lines().size(); ++i) {
            const std::string_view t = TrimWhitespace(module.Lines()[i]);
            if (StartsWithWord(t, "Option") &&
                StartsWithWord(TrimWhitespace(t.substr(6)), "Explicit"))
                module.Replace(i, "");
        }
    }

    // Declarations before the form's first procedure; comments and
    // procedures at its end. A statement continued over lines moves whole.
    const std::vector<std::string>& code = joined.Lines();
    module.Append("");
    module.Append("' The code of the subform " + subform.Name() +
                  ", whose controls this form shows");
    size_t at = moduleStart;
    for (size_t i = 0; i < code.size();) {
        size_t last = i;
        while (last + 1 < code.size() && ContinuesOnNextLine(code[last]))
            ++last;
        const std::string_view t = TrimWhitespace(code[i]);
        const bool declaration =
            i < start && !t.empty() && !t.starts_with('\'') && !StartsWithWord(t, "Rem");
        if (i < start && t.empty()) {
            i = last + 1;
            continue;
        }
        for (size_t k = i; k <= last; ++k) {
            if (declaration && IsDeftype(TrimWhitespace(code[k])))
                module.Insert(at++, Unjoinable(state, code[k]));
            else if (declaration)
                module.Insert(at++, code[k]);
            else
                module.Append(code[k]);
        }
        i = last + 1;
    }
}

}  // namespace velorin
