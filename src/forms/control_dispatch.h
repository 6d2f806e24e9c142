// Every control of a form passes through one dispatch: it gets its unique
// Visual Basic name and its output file and goes to the writer of its class.
#pragma once

#include "form_context/control_placement.h"

namespace velorin {

// The tab controls with the controls of their pages, page by page.
void WriteTabControlPass(FormState& state);
// Every other control, in collection order.
void WriteMainPass(FormState& state);
// Rectangles, last of all.
void WriteRectanglePass(FormState& state);

// Hands the current control to its writer; `tabPass` tells the passes apart.
void DispatchControl(FormState& state, bool tabPass);

}  // namespace velorin
