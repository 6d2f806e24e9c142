// The statement rules that need more than one table row: the DoCmd actions
// and the requery of a list.
#pragma once

#include "code/code_file_state.h"

namespace velorin {

// Lines that begin with "DoCmd.".
void ApplyDoCmdRules(CodeFileState& state);
// Lines that contain ".Requery" without being a DoCmd line.
void ApplyListRequeryRule(CodeFileState& state);

}  // namespace velorin
