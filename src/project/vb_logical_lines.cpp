#include "project/vb_logical_lines.h"

#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "project/vb_tokens.h"

namespace velorin {
namespace {

// Words that may stand before a ':' without being a label.
constexpr std::string_view kNotLabels[] = {"Else",   "End",  "Loop", "Next", "Wend", "Resume",
                                           "Return", "Stop", "Exit", "Do",   "Beep", "Rem"};

// Where the comment of `line` starts (' or a Rem statement); npos for none.
size_t CommentStart(std::string_view line) {
    bool inString = false;
    bool atStatementStart = true;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inString) {
            if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') {
            inString = true;
            atStatementStart = false;
        } else if (c == '\'') {
            return i;
        } else if (c == ':' && (i + 1 >= line.size() || line[i + 1] != '=')) {
            atStatementStart = true;
        } else if (!IsBlank(c)) {
            if (atStatementStart && (c == 'R' || c == 'r') && i + 3 <= line.size() &&
                IEquals(line.substr(i, 3), "Rem") && (i + 3 == line.size() || IsBlank(line[i + 3])))
                return i;
            // A label ("Retry:") leaves the statement start where it is.
            atStatementStart = false;
        }
    }
    return std::string_view::npos;
}

// True when `text` ends in a line continuation: a blank, then "_".
bool EndsInContinuation(std::string_view text) {
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text.size() >= 2 && text.back() == '_' && IsBlank(text[text.size() - 2]);
}

std::string_view WithoutContinuation(std::string_view text) {
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    text.remove_suffix(1);
    return text;
}

// The label or line number at the start of `code`; its length with the ':'.
size_t LabelLength(std::string_view code, std::string& label) {
    size_t start = 0;
    while (start < code.size() && IsBlank(code[start]))
        ++start;
    size_t end = start;
    if (end < code.size() && code[end] >= '0' && code[end] <= '9') {
        while (end < code.size() && code[end] >= '0' && code[end] <= '9')
            ++end;
        if (end < code.size() && !IsBlank(code[end]) && code[end] != ':')
            return 0;
        label = std::string(code.substr(start, end - start));
        if (end < code.size() && code[end] == ':')
            ++end;
        return end;
    }
    while (end < code.size() && IsVbNameChar(code[end]))
        ++end;
    if (end == start || !IsVbLetter(code[start]) || end >= code.size() || code[end] != ':' ||
        (end + 1 < code.size() && code[end + 1] == '='))
        return 0;
    const std::string_view name = code.substr(start, end - start);
    for (std::string_view word : kNotLabels) {
        if (IEquals(name, word))
            return 0;
    }
    label = std::string(name);
    return end + 1;
}

// Splits code at ':' outside strings and date literals.
void SplitStatements(const std::string& code, size_t from,
                     std::vector<std::pair<uint32_t, uint32_t>>& statements) {
    auto add = [&](size_t begin, size_t end) {
        while (begin < end && IsBlank(code[begin]))
            ++begin;
        while (end > begin && IsBlank(code[end - 1]))
            --end;
        if (end > begin)
            statements.emplace_back(static_cast<uint32_t>(begin), static_cast<uint32_t>(end));
    };
    bool inString = false;
    size_t start = from;
    for (size_t i = from; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"') {
            inString = !inString;
        } else if (!inString && c == '#') {
            // #12:30# holds a ':' that separates nothing.
            const size_t close = code.find('#', i + 1);
            if (close != std::string::npos && code.find_first_of("\",;", i + 1) > close &&
                code.find_first_of("0123456789", i + 1) < close)
                i = close;
        } else if (!inString && c == ':' && (i + 1 >= code.size() || code[i + 1] != '=')) {
            add(start, i);
            start = i + 1;
        }
    }
    add(start, code.size());
}

}  // namespace

std::vector<LogicalLine> ReadLogicalLines(const std::vector<std::string_view>& lines, size_t first,
                                          size_t end) {
    std::vector<LogicalLine> result;
    size_t i = first;
    while (i < end) {
        LogicalLine logical;
        logical.line = static_cast<int>(i + 1);
        for (;;) {
            const std::string_view physical = lines[i];
            const size_t comment = CommentStart(physical);
            ++i;
            if (comment != std::string_view::npos) {
                logical.code.append(physical.substr(0, comment));
                logical.hasComment = true;
                // The comment goes on as long as its lines end in " _".
                bool continues = EndsInContinuation(physical);
                while (continues && i < end) {
                    // Taking a comment or a blank line into the comment changes nothing.
                    const std::string_view next = TrimWhitespace(lines[i]);
                    if (logical.swallowedLine == 0 && !next.empty() && next[0] != '\'' &&
                        !IStartsWith(next, "Rem ") && !IEquals(next, "Rem"))
                        logical.swallowedLine = static_cast<int>(i + 1);
                    continues = EndsInContinuation(lines[i]);
                    ++i;
                }
                break;
            }
            if (!EndsInContinuation(physical)) {
                logical.code.append(physical);
                break;
            }
            logical.code.append(WithoutContinuation(physical));
            logical.code.push_back(' ');
            if (i >= end) {
                logical.continuedAtEnd = true;
                break;
            }
            ++logical.continuations;
        }
        logical.lastLine = static_cast<int>(i);
        const size_t labelLength = LabelLength(logical.code, logical.label);
        SplitStatements(logical.code, labelLength, logical.statements_);
        result.push_back(std::move(logical));
    }
    return result;
}

std::string LineKey(std::string_view code) {
    std::string key;
    key.reserve(code.size());
    for (char c : code) {
        if (!IsBlank(c))
            key.push_back(AnsiLower(c));
    }
    return key;
}

}  // namespace velorin
