// The functions Visual Basic 6 brought, which Visual Basic 4 and 5 lack and
// code written in Access 2000 and later calls (Split, Replace, Round, ...):
// where the code calls them, and the rule that makes each call resolve to
// the support module's function of that name, or marks the line.
#pragma once

#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "code/code_file_state.h"
#include "common/ansi_text.h"

namespace velorin {

struct LaterFunction {
    std::string_view name;
    bool supplied = true;       // the support module can have it (CallByName it cannot)
    bool stringForm = false;    // Visual Basic 6 has a `$` form (Replace$)
    bool returnsArray = false;  // the result is an array (Split, Filter)
};

std::span<const LaterFunction> LaterFunctions();
// The function of that name, ignoring case; null for any other name.
const LaterFunction* FindLaterFunction(std::string_view name);

// The constants that came with them (vbShortDate, vbUseDefault, ...), which
// the code gets as their values.
struct LaterConstant {
    std::string_view name;
    std::string_view value;
};
std::span<const LaterConstant> LaterConstants();

// One call, or one use of a constant, in a line's masked code: `begin` is
// where its name starts, or its qualifier VBA.; the name ends at `nameEnd`,
// a `$` after it at `end`.
struct LaterFunctionCall {
    const LaterFunction* function = nullptr;
    const LaterConstant* constant = nullptr;
    size_t begin = 0;
    size_t nameBegin = 0;
    size_t nameEnd = 0;
    size_t end = 0;
};
// The calls of the code: a name followed by "(" (CallByName also as a
// statement), alone or qualified with VBA.; a member of another object
// (rs.Filter, Me.Filter) is none. The constants too.
std::vector<LaterFunctionCall> LaterFunctionCalls(std::string_view maskedCode);

// A name a statement declares (Dim, Private, Public, Global, Static, ReDim,
// Const, or a procedure's or a Declare's header), and whether it is an array.
struct DeclaredSymbol {
    std::string name;
    bool isArray = false;
};
std::vector<DeclaredSymbol> DeclaredNames(std::string_view maskedCode);

// The functions the code of a form or module calls and does not define
// itself (its own Split is called, not Visual Basic's), and the functions
// and constants it defines.
std::set<std::string, ILess> LaterFunctionsCalledIn(const std::vector<std::string>& lines);
std::set<std::string, ILess> LaterFunctionsDefinedIn(const std::vector<std::string>& lines);

// The rule for one statement: a call of a supplied function is written
// without `$` and VBA. and the function joins those the support module gets,
// a constant becomes its value;
// a call that nothing can supply (CallByName, a name another object of the
// project has) and a Split or Filter result given to a whole array, which
// Visual Basic 5 cannot assign, are commented out and recorded. Returns false
// when the line was commented out.
bool ApplyLaterFunctionRule(CodeFileState& state);

}  // namespace velorin
