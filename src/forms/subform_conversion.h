// Subform controls: the subform's controls written into the parent's form.
#pragma once

#include "form_context/form_state.h"

namespace velorin {

// The dispatch for a subform control; nothing happens without a SourceObject.
void ConvertSubformControl(FormState& state);

// The form a SourceObject names ("Form." is the prefix later Access versions add).
std::string SubformName(std::string_view sourceObject);

}  // namespace velorin
