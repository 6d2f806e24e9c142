// Writers of the static Access controls: labels, lines, rectangles, images.
#pragma once

#include "form_context/form_state.h"

namespace velorin {

// Each writes the state's current control.
void WriteLabel(FormState& state);
void WriteLine(FormState& state);
void WriteRectangle(FormState& state);
void WritePicture(FormState& state);

}  // namespace velorin
