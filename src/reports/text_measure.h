// How wide text is: the one thing the layout asks of fonts, so that it can be
// computed without a paint device.
#pragma once

#include <string_view>

namespace velorin {

enum class TextStyle {
    Title,    // the report title at the top of each page
    Caption,  // date, page numbers, notes
    Heading,  // column headings
    Group,    // group headings, chart caption
    Body,     // the report's values
};

class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    // Width of one line of UTF-8 text.
    virtual double Width(std::string_view text, TextStyle style) const = 0;
    // Distance from the top of one line to the top of the next.
    virtual double LineHeight(TextStyle style) const = 0;
};

}  // namespace velorin
