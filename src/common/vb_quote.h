// Text as a quoted Visual Basic value: the one way every generated form file,
// project file and string literal in generated code quotes what it holds.
#pragma once

#include <string>
#include <string_view>

namespace velorin {

enum class QuoteFor {
    // One line: a property value of a form or project file, or SQL in code.
    // A line break becomes a blank.
    OneLine,
    // A string literal in code that keeps its line breaks: each becomes
    // vbCrLf (vbCr, vbLf) joined to the quoted parts.
    Code,
};

// `text` in double quotes, each double quote inside doubled.
std::string VbQuoted(std::string_view text, QuoteFor where = QuoteFor::OneLine);

}  // namespace velorin
