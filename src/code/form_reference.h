// Form references and the identifier helpers of the procedure-level pass.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velorin {

// The Visual Basic expression for the form named at the start of `text`:
// the form's own name when it is being converted, else a GetFormFromName call.
std::string FormReference(std::string_view text,
                          const std::vector<std::string>& convertedFormNames);

// Rewrites every Forms("Name") and Forms(expr) of the line.
std::string RewriteFormsCalls(std::string line, const std::vector<std::string>& convertedFormNames);
// Rewrites every Forms!Name and Forms![Name] of the line.
std::string RewriteFormsBang(std::string line, const std::vector<std::string>& convertedFormNames);

// ASCII letters, digits and underscore, and characters above code 128.
bool IsIdentifierChar(char c);
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
