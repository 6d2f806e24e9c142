#include "code/renamed_controls.h"

#include "code/form_reference.h"

namespace velorin {
namespace {

// Whether the reference at `at` is the form's own: standing alone, or after
// "Me." or "Me!". Another object's member (rs!Name) is not a control.
bool OfThisForm(std::string_view line, size_t at) {
    if (at == 0)
        return true;
    const char before = line[at - 1];
    if (before != '.' && before != '!')
        return !IsIdentifierChar(before);
    return at >= 3 && IEquals(line.substr(at - 3, 2), "Me") &&
           (at == 3 || !IsIdentifierChar(line[at - 4]));
}

std::string Rename(const std::string& line,
                   const std::map<std::string, std::string, ILess>& renamed) {
    std::string out;
    bool quoted = false;
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (quoted || c == '"') {
            quoted = c == '"' ? !quoted : quoted;
            out.push_back(c);
            ++i;
            continue;
        }
        if (c == '\'') {
            out.append(line, i, std::string::npos);
            break;
        }
        if (c == '[') {
            const size_t end = line.find(']', i + 1);
            if (end != std::string::npos && OfThisForm(line, i)) {
                const auto found = renamed.find(std::string_view(line).substr(i + 1, end - i - 1));
                if (found != renamed.end()) {
                    out += found->second;
                    i = end + 1;
                    continue;
                }
            }
            out.push_back(c);
            ++i;
            continue;
        }
        if (IsIdentifierChar(c) && (i == 0 || !IsIdentifierChar(line[i - 1]))) {
            const std::string word = LeadingIdentifier(std::string_view(line).substr(i));
            const auto found = renamed.find(word);
            if (found != renamed.end() && OfThisForm(line, i))
                out += found->second;
            else
                out += word;
            i += word.size();
            continue;
        }
        out.push_back(c);
        ++i;
    }
    return out;
}

}  // namespace

void FollowRenamedControls(CodeText& code,
                           const std::map<std::string, std::string, ILess>& renamed) {
    if (renamed.empty())
        return;
    for (std::string& line : code.MutableLines())
        line = Rename(line, renamed);
}

}  // namespace velorin
