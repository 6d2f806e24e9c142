// An embedded subform's controls become controls of the form that shows it,
// and the code behind the subform goes with them: its declarations join the
// form's, its procedures follow the form's own. References to its controls
// and its controls' event procedures follow the names the controls took;
// its other procedures and variables give way to the form's names, and its
// own form events (Form_Load) are kept under the subform's name, where they
// cannot become the form's.
#pragma once

#include "form_context/form_state.h"

namespace velorin {

// Joins the code of `subform`, whose controls are named at the current
// level already, into the form's module; before its controls are written, so that
// their generated event procedures find the procedures it brings.
void JoinSubformCode(FormState& state, const AccessForm& subform);

}  // namespace velorin
