#include "forms/subform_conversion.h"

#include <algorithm>

#include "common/ansi_text.h"
#include "forms/convert_form.h"
#include "forms/datasheet_grid.h"

namespace velorin {

std::string SubformName(std::string_view sourceObject) {
    if (IStartsWith(sourceObject, "Form."))
        sourceObject.remove_prefix(5);
    return std::string(sourceObject);
}

void ConvertSubformControl(FormState& state) {
    const AccessControl& control = *state.control;
    const std::string name = SubformName(control.Text("SourceObject"));
    if (name.empty())
        return;
    const AccessForm* subform = state.session.sourceDb->OpenForm(name);
    if (subform == nullptr) {
        state.session.ui.Warn("form " + state.Form().Name() + ": subform " + name +
                              " cannot be read");
        return;
    }
    // A form that embeds itself, directly or further down, would never end.
    if (std::find(state.shared.openForms.begin(), state.shared.openForms.end(), subform) !=
        state.shared.openForms.end()) {
        state.session.ui.Warn("form " + state.Form().Name() + ": subform " + name +
                              " contains itself; left out");
        return;
    }
    // Access nests subforms a few levels deep; a chain of forms far deeper
    // than that is cut rather than followed down the stack.
    constexpr size_t kDeepestSubform = 16;
    if (state.shared.openForms.size() > kDeepestSubform) {
        state.session.ui.Warn("form " + state.Form().Name() + ": subform " + name +
                              " lies more than " + std::to_string(kDeepestSubform) +
                              " subforms deep; left out");
        return;
    }
    if (subform->Property("DefaultView").AsLong() == 2) {
        WriteDatasheetGrid(state, *subform);
        return;
    }
    state.shared.openForms.push_back(subform);
    ConvertEmbeddedSubform(state, control, *subform);
    state.shared.openForms.pop_back();
}

}  // namespace velorin
