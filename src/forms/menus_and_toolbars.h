// A form's menu bar and toolbar, from the application's command bars: nested
// VB.Menu control arrays and a ComctlLib.Toolbar, with their click handlers.
#pragma once

#include <string>
#include <string_view>

#include "form_context/form_state.h"

namespace velorin {

// Removes every "&" that marks an access key, and in mode 1 (captions) keeps
// "&&", the ampersand the caption shows; mode 2 (names) also drops "." and
// makes "-", blank, "/" and "%" into "_".
std::string MenuName(std::string_view text, int mode);

// The toolbar's block in the form block and its ButtonClick procedure; nothing
// for a built-in bar.
void BuildToolbar(FormState& state, const std::string& toolbarName);
// The menus' blocks in the form block and their Click procedures; false for a
// built-in or missing bar.
bool BuildMenus(FormState& state, const std::string& menuBarName);

}  // namespace velorin
