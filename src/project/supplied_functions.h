// The functions of later Visual Basic versions that the support module
// supplies (Split, Replace, Round, ...): which the application's code calls,
// and their text, taken from the template of them.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/ansi_text.h"
#include "output/code_text.h"
#include "session/session.h"

namespace velorin {

inline constexpr std::string_view kSuppliedFunctionsTemplate = "SuppliedFunctions.bas";

// Reads the code of the forms and modules to convert for calls of those
// functions, before any name is given: a function the application's modules
// define publicly (`publicNames`) keeps the application's; each other one
// called is supplied, and claims its name in the project, so that a form or
// a module of that name takes another.
void ChooseSuppliedFunctions(Session& session, const std::set<std::string, ILess>& publicNames);

// The template's procedures of the functions named `wanted`, with the
// private routines they call, in the template's order, each with the
// comment above it and a blank line before it.
CodeText SuppliedFunctionsText(const std::vector<std::string>& templateLines,
                               const std::set<std::string, ILess>& wanted);

}  // namespace velorin
