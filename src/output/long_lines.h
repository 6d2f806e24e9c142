// Visual Basic reads at most 1023 characters on a line. A longer line of
// generated code is continued over several lines with " _"; a longer string
// value in a form's design section is set by code when the form loads.
#pragma once

#include <cstddef>
#include <string>

#include "output/code_text.h"
#include "output/design_block.h"

namespace velorin {

inline constexpr size_t kLongestLine = 1023;

// Continues every code line longer than `limit` onto further lines: at a blank
// between words, or inside a string literal closed and joined again with "&".
// A comment too long for a line goes on lines of its own. A line that would
// need more than the 24 continuations one statement may have keeps the rest.
void BreakLongCodeLines(CodeText& code, size_t limit = kLongestLine);

// Takes out of the form's design section every string property whose line
// (indented as the form file holds it) would be longer than `limit`, and
// returns the statements that set them when the form loads, in design order.
CodeText TakeLongDesignValues(DesignBlock& form, size_t limit = kLongestLine);

}  // namespace velorin
