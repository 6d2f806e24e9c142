// The header fragment of a form file: its version line and the Object= line
// of every custom control it uses.
#pragma once

#include <string_view>

#include "forms/form_state.h"

namespace velorin {

// finish false: starts form_<F>.hdr anew and forgets the form's references and
// control names. finish true: adds the Object= lines (Visual Basic 5); for
// Visual Basic 4 the header is written anew, without them.
void WriteFormHeader(FormState& state, std::string_view fileName, bool finish);

}  // namespace velorin
