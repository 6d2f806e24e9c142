// The converted form's own event procedures, calling into the form's module,
// evaluating expressions or running macros.
#pragma once

#include "forms/form_state.h"

namespace velorin {

void WriteFormEvents(FormState& state);

}  // namespace velorin
