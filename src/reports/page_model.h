// What a report page shows, in the paint device's units: laid out once, then
// painted as it is. Every text run is one line that fits its box.
#pragma once

#include <string>
#include <vector>

#include "reports/text_measure.h"

namespace velorin {

struct Box {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    double Right() const { return x + width; }
    double Bottom() const { return y + height; }
};

enum class Align { Left, Right };

struct TextRun {
    Box box;
    std::string text;  // UTF-8
    TextStyle style = TextStyle::Body;
    Align align = Align::Left;
};

enum class Fill { HeadingBand, GroupBand, Bar };

struct FilledBox {
    Box box;
    Fill fill = Fill::Bar;
};

struct Rule {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double weight = 0;
};

struct PageModel {
    // The page is turned on its side: its width is the upright page's height.
    bool landscape = false;
    std::vector<FilledBox> fills;  // painted first
    std::vector<Rule> rules;
    std::vector<TextRun> texts;
};

}  // namespace velorin
