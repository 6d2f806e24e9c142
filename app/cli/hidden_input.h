// A password typed on the terminal, not shown while it is typed.
#pragma once

#include <optional>
#include <string>

namespace velorin {

// Shows `prompt` on the controlling terminal and reads one line from it with
// echo off; none when the process has no terminal or the input ends.
std::optional<std::string> ReadHiddenLine(const std::string& prompt);

}  // namespace velorin
