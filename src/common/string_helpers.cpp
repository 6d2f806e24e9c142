#include "common/string_helpers.h"

#include <algorithm>

#include "common/ansi_text.h"

namespace velorin {

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view repl) {
    if (text.empty() || find.empty())
        return std::string(text);
    // A replacement that contains the search text would never end.
    if (IFind(repl, find) != std::string_view::npos)
        return ReplaceForward(text, find, repl);
    std::string out(text);
    size_t from = 0;
    while (true) {
        size_t pos = IFind(out, find, from);
        if (pos == std::string::npos)
            break;
        out.replace(pos, find.size(), repl);
        // Text before `pos` held no match, so a new one can only begin where it
        // overlaps the replacement: restarting there equals restarting at 0.
        from = pos >= find.size() - 1 ? pos - (find.size() - 1) : 0;
    }
    return out;
}

std::string ReplaceForward(std::string_view text, std::string_view find, std::string_view repl) {
    if (text.empty() || find.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    while (true) {
        size_t pos = IFind(text, find, from);
        if (pos == std::string_view::npos)
            break;
        out.append(text.substr(from, pos - from));
        out.append(repl);
        from = pos + find.size();
    }
    out.append(text.substr(from));
    return out;
}

std::string GetToken(std::string_view text, int n, std::string_view delim) {
    if (n < 1)
        return {};
    if (delim.empty())
        return n == 1 ? std::string(text) : std::string();
    size_t start = 0;
    for (int field = 1; field < n; ++field) {
        size_t pos = text.find(delim, start);
        if (pos == std::string_view::npos)
            return {};
        start = pos + delim.size();
    }
    size_t end = text.find(delim, start);
    return std::string(
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

void SortIntegers(std::vector<int16_t>& values) {
    std::sort(values.begin(), values.end());
}

namespace {

std::string_view TrimOf(std::string_view text, std::string_view characters) {
    size_t first = text.find_first_not_of(characters);
    if (first == std::string_view::npos)
        return {};
    size_t last = text.find_last_not_of(characters);
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    return TrimOf(text, " ");
}

std::string_view TrimWhitespace(std::string_view text) {
    return TrimOf(text, " \t");
}

std::vector<std::string> SplitLines(std::string_view content) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\r' || content[i] == '\n') {
            lines.emplace_back(content.substr(start, i - start));
            if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < content.size())
        lines.emplace_back(content.substr(start));
    return lines;
}

}  // namespace velorin
