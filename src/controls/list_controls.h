// List and combo boxes: standard Visual Basic controls, GreenTree DataList
// controls or Sheridan Data Widgets, by the user's options.
#pragma once

#include "form_context/form_state.h"

namespace velorin {

void WriteStandardListBox(FormState& state);
void WriteStandardComboBox(FormState& state);
void WriteGTList(FormState& state);
void WriteGTCombo(FormState& state);
void WriteSSGrid(FormState& state);
void WriteSSCombo(FormState& state);

}  // namespace velorin
