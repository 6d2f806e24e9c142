// A DoCmd statement read as Visual Basic reads a call: its action and its
// arguments, positional or named, each in its place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velorin {

struct DoCmdCall {
    std::string action;              // as written: "OpenForm"
    std::vector<std::string> args;   // by position, trimmed; "" where left out
    std::vector<std::string> named;  // the names of named arguments that fit no parameter
    bool valid = false;              // "DoCmd.Action" followed by nothing or by arguments

    // The argument at `index` (0-based); "" when it is left out.
    const std::string& Arg(size_t index) const;
    bool Given(size_t index) const { return !Arg(index).empty(); }
};

// Reads the code of a statement that starts with "DoCmd.": arguments with or
// without parentheses, separated by commas outside strings and brackets;
// "Name:=value" goes to the parameter of that name.
DoCmdCall ReadDoCmdCall(std::string_view code);

// A string literal's text; empty when `argument` is no single literal.
bool IsStringLiteral(std::string_view argument);
std::string LiteralText(std::string_view argument);

}  // namespace velorin
