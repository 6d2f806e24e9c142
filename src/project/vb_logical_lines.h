// Physical lines of Visual Basic code read as the compiler reads them: lines
// continued with " _" joined into one logical line, the comment (' or Rem)
// cut off, a leading label or line number taken apart, and the code split
// into statements at each ':' outside strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velorin {

struct LogicalLine {
    int line = 0;      // first physical line, from 1
    int lastLine = 0;  // last physical line, comment lines it swallowed included
    int continuations = 0;
    std::string code;   // without the comment; a continuation leaves one blank
    std::string label;  // a label or line number the line starts with
    bool hasComment = false;
    // The physical line a comment ending in " _" took into itself; 0 for none.
    int swallowedLine = 0;
    // The last line of the code ends in " _": there is nothing to continue onto.
    bool continuedAtEnd = false;

    size_t StatementCount() const { return statements_.size(); }
    std::string_view Statement(size_t i) const {
        return std::string_view(code).substr(statements_[i].first,
                                             statements_[i].second - statements_[i].first);
    }

  private:
    friend std::vector<LogicalLine> ReadLogicalLines(const std::vector<std::string_view>&, size_t,
                                                     size_t);
    std::vector<std::pair<uint32_t, uint32_t>> statements_;  // [begin, end) in code
};

// The logical lines of physical lines [first, end); numbers count from 1 at lines[0].
std::vector<LogicalLine> ReadLogicalLines(const std::vector<std::string_view>& lines, size_t first,
                                          size_t end);

// Blanks dropped and letters folded: two lines with the same key say the same.
std::string LineKey(std::string_view code);

}  // namespace velorin
