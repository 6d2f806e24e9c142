// The converted form's own event procedures, calling into the form's module,
// evaluating expressions or running macros.
#pragma once

#include "form_context/form_state.h"

namespace velorin {

void WriteFormEvents(FormState& state);
// The events of the records of the form being written (the top form or an
// embedded one), raised by its data control: Current, the updates, errors.
void WriteRecordEvents(FormState& state);
// An embedded form's events: its record events, and its Open and Load run
// when the form that shows it loads.
void WriteEmbeddedFormEvents(FormState& state);

}  // namespace velorin
