#include "code/compound_statements.h"

#include "code/code_mask.h"
#include "code/form_reference.h"
#include "common/ansi_text.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

// Positions of the masked code's top-level colons that separate statements.
std::vector<size_t> StatementColons(std::string_view masked) {
    std::vector<size_t> colons;
    int depth = 0;
    for (size_t i = 0; i < masked.size(); ++i) {
        const char c = masked[i];
        if (c == '(')
            ++depth;
        else if (c == ')' && depth > 0)
            --depth;
        else if (c == ':' && depth == 0 && (i + 1 >= masked.size() || masked[i + 1] != '='))
            colons.push_back(i);
    }
    return colons;
}

// Where the keyword `word` stands on its own at the top level of the masked
// code, from `from`; npos when it does not.
size_t FindKeyword(std::string_view masked, std::string_view word, size_t from) {
    int depth = 0;
    for (size_t i = 0; i < masked.size(); ++i) {
        const char c = masked[i];
        if (c == '(')
            ++depth;
        else if (c == ')' && depth > 0)
            --depth;
        if (i < from || depth != 0 || (i > 0 && IsIdentifierChar(masked[i - 1])))
            continue;
        if (StartsWithWord(masked.substr(i), word))
            return i;
    }
    return std::string_view::npos;
}

}  // namespace

std::vector<std::string> SplitStatements(std::string_view code) {
    const std::string masked = MaskedCode(code);
    std::vector<std::string> statements;
    size_t from = 0;
    for (size_t colon : StatementColons(masked)) {
        std::string_view part = TrimBlanks(code.substr(from, colon - from));
        // A name alone before the first colon is a label.
        if (statements.empty() && !part.empty() && LeadingIdentifier(part).size() == part.size()) {
            statements.push_back(std::string(part) + ":");
            from = colon + 1;
            continue;
        }
        statements.emplace_back(part);
        from = colon + 1;
    }
    const std::string_view last = TrimBlanks(code.substr(from));
    if (!last.empty() || statements.empty())
        statements.emplace_back(last);
    return statements;
}

SingleLineIf ReadSingleLineIf(std::string_view code) {
    SingleLineIf result;
    code = TrimBlanks(code);
    if (!StartsWithWord(code, "If"))
        return result;
    const std::string masked = MaskedCode(code);
    const size_t then = FindKeyword(masked, "Then", 2);
    if (then == std::string::npos || TrimBlanks(code.substr(then + 4)).empty())
        return result;
    // One If only: another Then or If after this one is not read here.
    if (FindKeyword(masked, "If", then) != std::string::npos ||
        FindKeyword(masked, "Then", then + 4) != std::string::npos)
        return result;
    const size_t otherwise = FindKeyword(masked, "Else", then + 4);
    result.condition = std::string(TrimBlanks(code.substr(2, then - 2)));
    const std::string_view thenText = code.substr(
        then + 4, otherwise == std::string::npos ? std::string::npos : otherwise - then - 4);
    for (std::string& s : SplitStatements(thenText))
        result.thenPart.push_back(std::move(s));
    if (otherwise != std::string::npos) {
        result.hasElse = true;
        for (std::string& s : SplitStatements(code.substr(otherwise + 4)))
            result.elsePart.push_back(std::move(s));
    }
    result.valid = !result.condition.empty() && !result.thenPart.empty();
    return result;
}

}  // namespace velorin
