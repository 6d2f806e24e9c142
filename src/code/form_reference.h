// Form references and the identifier helpers of the procedure-level pass.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/ansi_text.h"

namespace velorin {

// The project's forms: the Visual Basic name each converted form got, by its
// Access name.
using FormVbNames = std::map<std::string, std::string, ILess>;

// The support module's function that finds a form by its Access name.
inline constexpr std::string_view kFormLookup = "GetFormFromName";

// The Visual Basic expression for the form a whole argument names: a quoted
// or bracketed name, or an expression that yields the name. A converted form
// is named by its Visual Basic name, any other through GetFormFromName.
// `lookup` is the name the project's GetFormFromName has.
std::string FormReference(std::string_view argument, const FormVbNames& forms,
                          std::string_view lookup = kFormLookup);

// Rewrites every Forms("Name") and Forms(expr) in the code of the line.
std::string RewriteFormsCalls(std::string line, const FormVbNames& forms,
                              std::string_view lookup = kFormLookup);
// Rewrites every Forms!Name and Forms![Name] in the code of the line.
std::string RewriteFormsBang(std::string line, const FormVbNames& forms,
                             std::string_view lookup = kFormLookup);

// ASCII letters, digits and underscore, and characters above code 128.
inline bool IsIdentifierChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    // The underscore belongs to Visual Basic names: frm_Main is one name.
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' ||
           u > 128;
}
bool IsRecordsetMember(std::string_view word);
// The identifier characters at the start of the text.
std::string LeadingIdentifier(std::string_view text);
// The identifier characters just before the text's last character, read
// backwards; empty when the text ends with a blank.
std::string TrailingIdentifier(std::string_view text);
// The first k = 0, 1, ... for which the text from 1-based position start - k
// begins with `find`; 0 when k reaches `start`.
long FindBackward(std::string_view text, std::string_view find, long start);
inline long FindBackward(std::string_view text, std::string_view find) {
    return FindBackward(text, find, static_cast<long>(text.size()));
}

}  // namespace velorin
