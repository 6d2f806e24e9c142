// A block statement the translation comments out must not leave the rest of
// its block behind: an If, Select Case, For, Do, While or With whose opening
// or closing line is commented out is commented out whole, and a Case, Else
// or ElseIf commented out takes its branch with it, and a procedure whose
// header is commented out goes with its body and its End, so that the code
// keeps the block structure Visual Basic compiles.
#pragma once

#include "output/code_text.h"

namespace velorin {

// Comments out, with the translation marker, the rest of every block or
// branch whose opening, closing or branch line is commented out. Returns how
// many lines it commented out.
long CommentOutBrokenBlocks(CodeText& code);

}  // namespace velorin
