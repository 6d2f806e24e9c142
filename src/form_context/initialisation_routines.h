// Generated functions that fill lists and combos and load button pictures when
// the converted form loads: InitializeListBoxes, InitializeComboBoxes and
// InitializeButtons.
#pragma once

#include <string_view>

#include "form_context/form_state.h"

namespace velorin {

// Add mode appends the control's line (starting the function with its header);
// finish mode closes the function when it was started.
void AddListItems(FormState& state, std::string_view rowSource, std::string_view controlName,
                  bool finish, bool valueList);
void AddComboItems(FormState& state, std::string_view rowSource, std::string_view controlName,
                   bool finish, bool valueList);
void AddButtonPicture(FormState& state, std::string_view picture, std::string_view controlName,
                      bool finish);

}  // namespace velorin
