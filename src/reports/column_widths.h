// Sharing a page's width among table columns.
#pragma once

#include <vector>

namespace velorin {

struct ColumnNeed {
    double minimum = 0;      // narrower only by breaking the heading's words or a number
    double words = 0;        // wide enough for the widest word of every value
    double natural = 0;      // wide enough for every value on one line
    bool stretches = false;  // takes a share of width left over
};

// Widths that fill `width`, never more. Columns are widened in steps: first
// all to their minimum, then towards their widest word, then towards their
// natural width; within the step that no longer fits, the narrow columns
// reach the step's width and the wide ones share the rest evenly. Width left
// when every column is natural goes to the stretching columns. When not even
// the minimums fit, all shrink in proportion.
std::vector<double> FitColumns(const std::vector<ColumnNeed>& needs, double width);

}  // namespace velorin
