// A line that holds more than one statement: statements joined by colons, or
// a single-line If with the statements of its Then and Else.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velorin {

// The statements of a line's code split at its colons (not those of ":=",
// a string or a label's); one statement when there is no such colon. A
// label that starts the line is the first statement, with its colon.
std::vector<std::string> SplitStatements(std::string_view code);

struct SingleLineIf {
    bool valid = false;
    std::string condition;              // between If and Then
    std::vector<std::string> thenPart;  // the statements after Then
    std::vector<std::string> elsePart;  // the statements after Else
    bool hasElse = false;
};

// "If c Then a: b Else d": valid only for one If with statements after its
// Then (a block If, or one nested in another, is not read).
SingleLineIf ReadSingleLineIf(std::string_view code);

}  // namespace velorin
