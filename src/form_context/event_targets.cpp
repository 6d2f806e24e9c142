#include "form_context/event_targets.h"

#include "code/analysis_records.h"
#include "code/form_reference.h"
#include "code/procedure_headers.h"
#include "code/translation_outcomes.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

// The call, commented out and recorded: what it calls is nowhere.
std::string MissingTarget(FormState& state, const std::string& call) {
    WriteReportRecord(state.session.supportDb,
                      {state.shared.fileName, reason::kMissingTarget, call, 0, {}, {}});
    return std::string(kMarker) + call;
}

}  // namespace

bool ApplicationHasMacro(const AccessApplication& application, std::string_view macro) {
    const size_t dot = macro.find('.');
    const Macro* group = application.FindMacro(macro.substr(0, dot));
    if (group == nullptr || dot == std::string_view::npos)
        return group != nullptr;
    const std::string_view name = macro.substr(dot + 1);
    for (const MacroRow& row : group->rows) {
        if (IEquals(row.macroName, name))
            return true;
    }
    return false;
}

std::string MacroCall(FormState& state, std::string_view macro, bool withCall) {
    const std::string call = (withCall ? "Call " : "") + MakeMacroName(macro);
    if (ApplicationHasMacro(*state.session.sourceDb, macro))
        return call;
    return MissingTarget(state, withCall ? call : "Call " + call);
}

std::string EventProcedureCall(FormState& state, std::string_view procedure, std::string call,
                               std::string_view accessProcedure) {
    const AccessForm& form = state.Form();
    auto found = state.shared.formProcedures.find(&form);
    if (found == state.shared.formProcedures.end()) {
        std::set<std::string, ILess> names;
        for (std::string& name : ProcedureNames(CodeText(form.CodeLines())))
            names.insert(std::move(name));
        found = state.shared.formProcedures.emplace(&form, std::move(names)).first;
    }
    const std::set<std::string, ILess>& names = found->second;
    if (names.count(std::string(procedure)) > 0 ||
        (!accessProcedure.empty() && names.count(std::string(accessProcedure)) > 0))
        return call;
    return MissingTarget(state, call);
}

}  // namespace velorin
