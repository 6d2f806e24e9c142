// What forms of Access versions after 97 hold that Visual Basic 4 and 5 cannot
// carry and that a form may rely on: each is recorded in the analysis, so that
// nothing is left out without a word.
#pragma once

#include "form_context/form_state.h"

namespace velorin {

// The current control: a picture the button keeps in itself, conditional
// formatting, rich text, an event Access 97 does not have, a control type
// Access 97 does not have.
void RecordLaterControlFeatures(FormState& state);

// The form being written and its sections: events Access 97 does not have.
void RecordLaterFormFeatures(FormState& state);

}  // namespace velorin
