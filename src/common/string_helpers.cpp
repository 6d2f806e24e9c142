#include "common/string_helpers.h"

#include <algorithm>
#include <cstring>

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

std::string_view CodeBeforeComment(std::string_view line) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == '\'' && !quoted)
            return TrimWhitespace(line.substr(0, i));
    }
    return TrimWhitespace(line);
}

namespace {

// Calls `add` with each line: CR, LF and CR LF each end one.
template <typename Add>
void ForEachLine(std::string_view content, Add add) {
    const char* const base = content.data();
    const size_t size = content.size();
    size_t start = 0;
    while (start < size) {
        const auto* lf = static_cast<const char*>(std::memchr(base + start, '\n', size - start));
        const size_t lfAt = lf ? static_cast<size_t>(lf - base) : size;
        const auto* cr = static_cast<const char*>(std::memchr(base + start, '\r', lfAt - start));
        if (cr) {
            const size_t crAt = static_cast<size_t>(cr - base);
            add(content.substr(start, crAt - start));
            start = crAt + 1 < size && base[crAt + 1] == '\n' ? crAt + 2 : crAt + 1;
        } else {
            add(content.substr(start, lfAt - start));
            start = lfAt + 1;
        }
    }
}

size_t LineCountBound(std::string_view content) {
    return static_cast<size_t>(std::count(content.begin(), content.end(), '\n')) + 1;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view content) {
    std::vector<std::string> lines;
    lines.reserve(LineCountBound(content));
    ForEachLine(content, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::vector<std::string_view> SplitLineViews(std::string_view content) {
    std::vector<std::string_view> lines;
    lines.reserve(LineCountBound(content));
    ForEachLine(content, [&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

}  // namespace velorin
