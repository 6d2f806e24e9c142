// Access macros as a module text the code translator accepts: one procedure
// per macro and per named macro of a group, named as the event writers call
// them; conditions as If blocks; actions as the DoCmd or Visual Basic
// statements that do the same. An action without such a statement is written
// as a DoCmd line, which the translator comments out and records.
#pragma once

#include <string>
#include <vector>

#include "output/code_text.h"
#include "session/session.h"

namespace velorin {

// The statements of one macro action (most give one line; MsgBox with a beep
// gives two).
std::vector<std::string> MacroActionLines(const MacroRow& row);

// The procedures of one macro. `usedNames` holds the procedure names written
// so far (a later macro with the same procedure name is left out); `warnings`
// collects what the user should know.
std::vector<std::string> MacroProcedures(const Macro& macro, std::vector<std::string>& usedNames,
                                         std::vector<std::string>& warnings);

// Every macro of the application, in container order, as a module's code.
CodeText ConvertAllMacros(Session& session);

}  // namespace velorin
