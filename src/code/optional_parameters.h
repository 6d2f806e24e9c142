// Visual Basic 4 takes Optional parameters of type Variant only, without a
// default. A typed or defaulted one becomes "Optional n As Variant" and the
// procedure's body starts by giving a missing one what Access gave it: its
// default ("If IsMissing(n) Then n = CLng(5)", converted to its type), or
// its type's empty value ("", 0, False, Nothing). A Variant without a
// default stays as Visual Basic 4 gives it.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "code/code_tokens.h"
#include "common/ansi_text.h"

namespace velorin {

struct OptionalParameters {
    std::vector<TextEdit> edits;     // of the header's code
    std::vector<std::string> added;  // the body's first statements
    // The header cannot be translated (a type character, statements after
    // it on the line): its procedure goes.
    bool impossible = false;
    // A parameter of a type not known here (a library's enum or class)
    // gets no value when it is missing.
    bool valueUnknown = false;
};

// `classNames` are the application's classes (Form_Orders, a class module).
OptionalParameters RewriteOptionalParameters(const TokenizedCode& c, const ProcedureHeader& h,
                                             const std::set<std::string, ILess>& classNames);

}  // namespace velorin
