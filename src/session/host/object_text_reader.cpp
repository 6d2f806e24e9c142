#include <cctype>

#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "session/host/object_text.h"

namespace velorin {
namespace {

bool IsOctal(char c) {
    return c >= '0' && c <= '7';
}

// Reads one quoted chunk starting at text[0] == '"'. Access escapes a quote as
// \" and a backslash as \\, writes control characters as \ooo, and older
// exports double the quote as in Visual Basic; both are accepted.
std::optional<std::string> ReadQuoted(std::string_view text) {
    std::string out;
    size_t i = 1;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            char next = text[i + 1];
            if (next == '"' || next == '\\') {
                out.push_back(next);
                i += 2;
                continue;
            }
            if (i + 3 < text.size() && IsOctal(next) && IsOctal(text[i + 2]) &&
                IsOctal(text[i + 3])) {
                int code = (next - '0') * 64 + (text[i + 2] - '0') * 8 + (text[i + 3] - '0');
                out.push_back(static_cast<char>(code & 0xFF));
                i += 4;
                continue;
            }
            out.push_back(c);
            ++i;
            continue;
        }
        if (c == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
                out.push_back('"');
                i += 2;
                continue;
            }
            return out;
        }
        out.push_back(c);
        ++i;
    }
    return std::nullopt;
}

bool LooksNumeric(std::string_view text) {
    if (text.empty())
        return false;
    size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool AppendHexLine(std::string_view line, std::string& bytes) {
    line = TrimWhitespace(line);
    while (!line.empty() && (line.back() == ',' || line.back() == ' '))
        line.remove_suffix(1);
    if (line.size() >= 2 && line[0] == '0' && (line[1] == 'x' || line[1] == 'X'))
        line.remove_prefix(2);
    if (line.size() % 2 != 0)
        return false;
    for (size_t i = 0; i < line.size(); i += 2) {
        int hi = HexDigit(line[i]), lo = HexDigit(line[i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        bytes.push_back(static_cast<char>(hi * 16 + lo));
    }
    return true;
}

// "dbMemo \"SQL\"" -> name SQL. The type (dbMemo) is the value's own: it is
// not kept.
void SplitTypedName(std::string_view raw, TextProperty& property) {
    size_t quote = raw.find('"');
    if (quote != std::string_view::npos && quote > 0 && raw.back() == '"' &&
        raw.size() > quote + 1) {
        property.name = std::string(raw.substr(quote + 1, raw.size() - quote - 2));
    } else {
        property.name = std::string(raw);
    }
}

bool IsBeginLine(std::string_view line) {
    if (line.find('=') != std::string_view::npos)
        return false;
    return IEquals(line, "Begin") || IStartsWith(line, "Begin ");
}

}  // namespace

uint64_t PropertyList::Bit(std::string_view name) {
    if (name.empty())
        return 1;
    const auto first = static_cast<unsigned char>(AnsiLower(name.front()));
    const auto last = static_cast<unsigned char>(AnsiLower(name.back()));
    return uint64_t{1} << ((name.size() * 7 + first * 3 + last) % 64);
}

const TextProperty* PropertyList::Find(std::string_view name) const {
    if ((held_ & Bit(name)) == 0)
        return nullptr;
    for (const TextProperty& p : items_) {
        if (IEquals(p.name, name))
            return &p;
    }
    return nullptr;
}

ObjectTextResult ReadObjectText(std::string_view content) {
    ObjectTextResult result;
    ObjectText text;
    std::vector<int> open;  // stack of block indices
    // The quoted property that a following "..." line continues, if any.
    TextProperty* continuing = nullptr;
    auto fail = [&](int line, std::string message) {
        result.error = {line, std::move(message)};
        return result;
    };

    const std::vector<std::string_view> lines = SplitLineViews(content);
    for (size_t index = 0; index < lines.size(); ++index) {
        const int lineNo = static_cast<int>(index) + 1;
        if (text.hasCode) {
            text.codeLines.emplace_back(lines[index]);
            continue;
        }
        std::string_view line = TrimWhitespace(lines[index]);
        if (line.empty())
            continue;

        if (line[0] == '"') {
            if (continuing == nullptr)
                return fail(lineNo, "text continues no property");
            std::optional<std::string> chunk = ReadQuoted(line);
            if (!chunk)
                return fail(lineNo, "unterminated text");
            continuing->value.AppendText(*chunk);
            continue;
        }
        continuing = nullptr;

        if (open.empty() && IEquals(line, "CodeBehindForm")) {
            text.hasCode = true;
            continue;
        }
        if (IsBeginLine(line)) {
            TextBlock block;
            block.head = std::string(TrimWhitespace(line.substr(5)));
            block.line = lineNo;
            block.parent = open.empty() ? -1 : open.back();
            int id = static_cast<int>(text.blocks.size());
            if (open.empty()) {
                text.roots.push_back(id);
            } else {
                text.blocks[static_cast<size_t>(open.back())].children.push_back(id);
            }
            text.blocks.push_back(std::move(block));
            open.push_back(id);
            continue;
        }
        if (IEquals(line, "End")) {
            if (open.empty())
                return fail(lineNo, "End without Begin");
            open.pop_back();
            continue;
        }

        size_t eq = line.find('=');
        if (eq == std::string_view::npos || eq == 0)
            return fail(lineNo, "unexpected line");
        TextProperty property;
        property.line = lineNo;
        SplitTypedName(TrimWhitespace(line.substr(0, eq)), property);
        std::string_view value = TrimWhitespace(line.substr(eq + 1));
        PropertyList& target =
            open.empty() ? text.header : text.blocks[static_cast<size_t>(open.back())].properties;
        if (IEquals(value, "NotDefault")) {
            property.notDefault = true;
        } else if (IEquals(value, "Begin")) {
            std::string bytes;
            size_t end = index + 1;
            for (; end < lines.size(); ++end) {
                std::string_view hex = TrimWhitespace(lines[end]);
                if (IEquals(hex, "End"))
                    break;
                if (!hex.empty() && !AppendHexLine(hex, bytes)) {
                    return fail(static_cast<int>(end) + 1, "bad binary data");
                }
            }
            if (end >= lines.size())
                return fail(lineNo, "binary property without End");
            index = end;
            property.value = PropertyValue::Binary(std::move(bytes));
        } else if (!value.empty() && value[0] == '"') {
            std::optional<std::string> chunk = ReadQuoted(value);
            if (!chunk)
                return fail(lineNo, "unterminated text");
            property.value = PropertyValue::Text(std::move(*chunk));
            target.Add(std::move(property));
            continuing = target.Last();
            continue;
        } else if (LooksNumeric(value)) {
            property.value = PropertyValue::Number(VbVal(value));
        } else {
            property.value = PropertyValue::Text(std::string(value));
        }
        target.Add(std::move(property));
    }
    if (!open.empty()) {
        return fail(text.blocks[static_cast<size_t>(open.back())].line, "Begin without End");
    }
    result.text = std::move(text);
    return result;
}

}  // namespace velorin
