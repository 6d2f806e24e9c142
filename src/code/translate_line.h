// Statement translation of one code line.
#pragma once

#include "code/code_file_state.h"

namespace velorin {

// Rewrites state.line, may write lines before it and records what it changed.
void TranslateLine(CodeFileState& state);

}  // namespace velorin
