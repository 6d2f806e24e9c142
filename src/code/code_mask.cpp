#include "code/code_mask.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "common/ansi_text.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

constexpr char kBlanked = '\x01';

bool IsNameChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || u >= 0x80;
}

// A Rem at `at` starts a comment when it is a statement of its own: at the
// start of the line or after a colon, followed by a blank or the line's end.
bool IsRemAt(std::string_view line, size_t at) {
    if (!IStartsWith(line.substr(at), "Rem"))
        return false;
    if (at + 3 < line.size() && IsNameChar(line[at + 3]))
        return false;
    size_t before = at;
    while (before > 0 && (line[before - 1] == ' ' || line[before - 1] == '\t'))
        --before;
    return before == 0 || line[before - 1] == ':';
}

// The characters that can open a string or a comment: a line is skipped over
// up to the next of them.
constexpr std::array<bool, 256> kMayStartSomething = [] {
    std::array<bool, 256> table{};
    for (unsigned char c : {'"', '\'', 'R', 'r'})
        table[c] = true;
    return table;
}();

// Walks the line's code: calls inside(from, to) for the inside of each
// string, and returns where the trailing comment starts (the line's size
// when it has none). A doubled quote closes a string and opens the next, so
// it needs no care of its own; a string left open runs to the line's end.
template <class StringInside>
size_t ScanStrings(std::string_view line, StringInside inside) {
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (!kMayStartSomething[static_cast<unsigned char>(c)])
            continue;
        if (c == '"') {
            const size_t found = line.find('"', i + 1);
            const size_t close = found == std::string_view::npos ? line.size() : found;
            inside(i + 1, close);
            i = close;
        } else if (c == '\'' || IsRemAt(line, i)) {
            return i;
        }
    }
    return line.size();
}

size_t CommentStart(std::string_view line) {
    return ScanStrings(line, [](size_t, size_t) {});
}

// Writes `line` into `masked` with its strings' insides and its comment blanked.
void MaskInto(std::string_view line, std::string& masked) {
    masked.assign(line);
    const auto at = [&masked](size_t i) { return masked.begin() + static_cast<std::ptrdiff_t>(i); };
    const size_t comment =
        ScanStrings(line, [&](size_t from, size_t to) { std::fill(at(from), at(to), kBlanked); });
    std::fill(at(comment), masked.end(), kBlanked);
}

// The rules ask of one line many times over whether it holds a word: the
// last line masked is kept, with its buffer, for the searches below.
const std::string& MaskedForSearch(std::string_view line) {
    thread_local std::string last;
    thread_local std::string masked;
    if (line != last) {
        last.assign(line);
        MaskInto(line, masked);
    }
    return masked;
}

}  // namespace

void MaskCodeInto(std::string_view line, std::string& masked) {
    MaskInto(line, masked);
}

std::string MaskedCode(std::string_view line) {
    std::string masked;
    MaskInto(line, masked);
    return masked;
}

size_t CodeEnd(std::string_view line) {
    size_t end = CommentStart(line);
    while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t'))
        --end;
    return end;
}

bool ContinuesOnNextLine(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    if (!line.ends_with('_'))
        return false;
    return line.size() == 1 || line[line.size() - 2] == ' ' || line[line.size() - 2] == '\t';
}

std::string JoinContinuedLines(const std::vector<std::string>& lines, size_t first, size_t last) {
    std::string joined(TrimBlanks(lines[first]));
    for (size_t i = first + 1; i <= last && i < lines.size(); ++i) {
        joined.pop_back();  // the "_" of the line before
        const std::string_view code = TrimBlanks(joined);
        if (code.ends_with('.') || code.ends_with('!'))
            joined.resize(code.size());
        joined += TrimBlanks(lines[i]);
    }
    return joined;
}

size_t FindInCode(std::string_view line, std::string_view text, size_t from) {
    return IFind(MaskedForSearch(line), text, from);
}

bool CodeContains(std::string_view line, std::string_view text, bool exactCase) {
    const std::string& masked = MaskedForSearch(line);
    return exactCase ? masked.find(text) != std::string::npos
                     : IFind(masked, text) != std::string::npos;
}

std::string ReplaceInCode(std::string_view line, std::string_view find, std::string_view repl) {
    std::string out(line);
    if (find.empty())
        return out;
    const bool again = IFind(repl, find) == std::string_view::npos;
    size_t from = 0;
    while (true) {
        const size_t at = IFind(MaskedCode(out), find, from);
        if (at == std::string::npos)
            return out;
        out.replace(at, find.size(), repl);
        // What the replacement joins may form `find` again, back to its length.
        from = again ? (at >= find.size() ? at - find.size() + 1 : 0) : at + repl.size();
    }
}

}  // namespace velorin
