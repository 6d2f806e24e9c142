// String helpers shared by the form writers and the code translator.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velorin {

// Case-insensitive. While `find` occurs, its first occurrence is replaced and the
// search starts again from the beginning.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view repl);
// Case-insensitive. Each search starts just after the previous replacement, so
// `repl` may contain `find`.
std::string ReplaceForward(std::string_view text, std::string_view find, std::string_view repl);
// The n-th field (1-based) of `text` split at `delim`; empty when there is none.
std::string GetToken(std::string_view text, int n, std::string_view delim);
// Ascending sort of a list of 16-bit integers.
void SortIntegers(std::vector<int16_t>& values);
// Splits text at CR LF, LF or CR; a final line end does not start a new line.
std::vector<std::string> SplitLines(std::string_view content);
// The same lines as views into `content`, which must outlive them.
std::vector<std::string_view> SplitLineViews(std::string_view content);
// Inline, with plain loops: trimming runs on every line several times over.
template <typename IsTrimmed>
std::string_view TrimWhere(std::string_view text, IsTrimmed trimmed) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && trimmed(text[first]))
        ++first;
    while (last > first && trimmed(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}
// Visual Basic's Trim: leading and trailing blanks (spaces only).
inline std::string_view TrimBlanks(std::string_view text) {
    return TrimWhere(text, [](char c) { return c == ' '; });
}
// Blanks and tabs, as the object text and code layout allow them.
inline std::string_view TrimWhitespace(std::string_view text) {
    return TrimWhere(text, [](char c) { return c == ' ' || c == '\t'; });
}
// A code line without the comment that ends it, trimmed of blanks and tabs; an
// apostrophe inside a string literal does not start a comment.
std::string_view CodeBeforeComment(std::string_view line);

}  // namespace velorin
