// Visual Basic 4 and 5 cannot assign a whole array (parts = Split(s, ","),
// a = F()). A Variant can hold one, and reading it as an array still works
// (parts(i), UBound(parts), For Each): a dynamic array that receives a whole
// array becomes a Variant where it is declared, when it is declared in the
// procedure or privately in the module and every use of it allows that. Its
// whole assignments are marked otherwise: a parameter (the caller's array),
// a public array (other modules' uses are not read), one passed on whole.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "code/application_language.h"
#include "code/code_tokens.h"

namespace velorin {

struct WholeArrays {
    // Statements that assign a whole array and cannot be made sound; a
    // Property Let header whose value cannot follow its Get into a Variant.
    std::set<size_t> marked;
    // Per statement, the arrays (or a parameter) it declares that become Variant.
    std::map<size_t, std::set<std::string, ILess>> toVariant;
};

// `application` gives the public arrays of the project's modules.
WholeArrays PlanWholeArrays(const CodeStatements& statements,
                            const ApplicationLanguage* application);

}  // namespace velorin
