// A Visual Basic form holds at most 254 control names; labels merged into
// control arrays can bring a larger Access form under the limit.
#pragma once

#include "form_context/form_state.h"

namespace velorin {

inline constexpr int kControlLimit = 254;

// Run when the form's control count is over the limit, after its block is
// closed. Returns false when the form is rejected.
bool ReduceLabelControls(FormState& state);

}  // namespace velorin
