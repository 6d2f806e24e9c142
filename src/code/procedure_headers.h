// The name a procedure's header declares, read the one way every part of the
// conversion reads it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/code_text.h"

namespace velorin {

// The procedure a line's header declares; empty when the line is no header.
std::string DeclaredProcedure(std::string_view line);
// The names of the procedures code defines.
std::vector<std::string> ProcedureNames(const CodeText& code);

// The name a procedure header declares: "Click" of "Private Sub Click(...)".
std::string ProcedureName(std::string_view header);

}  // namespace velorin
