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

// Where the string opened before `from` closes: the index of its quote, or
// the line's size. A doubled quote closes and opens again, so it needs no
// care of its own.
size_t ClosingQuote(std::string_view line, size_t from) {
    const size_t close = line.find('"', from);
    return close == std::string_view::npos ? line.size() : close;
}

// Where the trailing comment starts; the line's size when it has none.
size_t CommentStart(std::string_view line) {
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (!kMayStartSomething[static_cast<unsigned char>(c)])
            continue;
        if (c == '"')
            i = ClosingQuote(line, i + 1);
        else if (c == '\'' || IsRemAt(line, i))
            return i;
    }
    return line.size();
}

// Writes `line` masked into `masked`, in one pass: a comment starts only
// outside a string, so the quotes seen so far decide both.
void MaskInto(std::string_view line, std::string& masked) {
    masked.assign(line);
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (!kMayStartSomething[static_cast<unsigned char>(c)])
            continue;
        if (c == '"') {
            const size_t close = ClosingQuote(line, i + 1);
            std::fill(masked.begin() + static_cast<std::ptrdiff_t>(i + 1),
                      masked.begin() + static_cast<std::ptrdiff_t>(close), kBlanked);
            i = close;
        } else if (c == '\'' || IsRemAt(line, i)) {
            std::fill(masked.begin() + static_cast<std::ptrdiff_t>(i), masked.end(), kBlanked);
            return;
        }
    }
}

// The rules ask of one line many times over whether it holds a word: the
// last line masked is kept, with its buffer, for the searches below.
const std::string& MaskedForSearch(std::string_view line) {
    thread_local std::string last;
    thread_local std::string masked;
    thread_local bool filled = false;
    if (!filled || line != last) {
        last.assign(line);
        MaskInto(line, masked);
        filled = true;
    }
    return masked;
}

}  // namespace

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
