// Fitting text into a width: wrapped at blanks, broken inside a word only
// when the word alone is too wide, or cut short with an ellipsis.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/text_measure.h"

namespace velorin {

// The lines of `text` (UTF-8), each no wider than `width`; line breaks in the
// text are kept. Blanks at a wrap point are dropped. At least one line.
std::vector<std::string> WrapText(std::string_view text, double width, TextStyle style,
                                  const TextMeasure& measure);

// `text` itself when it fits, else its longest start that fits with "…".
std::string ElideText(std::string_view text, double width, TextStyle style,
                      const TextMeasure& measure);

// The widest word (run without blanks) of `text`.
double WidestWord(std::string_view text, TextStyle style, const TextMeasure& measure);

}  // namespace velorin
