#include "project/vb_tokens.h"

#include "common/ansi_text.h"

namespace velorin {

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

namespace {

// The end of a date literal starting with '#' at `pos`; npos when the '#'
// does not open one (a file number, a directive).
size_t DateLiteralEnd(std::string_view code, size_t pos) {
    size_t end = pos + 1;
    bool sawDigit = false;
    for (; end < code.size() && code[end] != '#'; ++end) {
        const char c = code[end];
        if (IsDigit(c))
            sawDigit = true;
        else if (!IsVbLetter(c) && !IsBlank(c) && c != '/' && c != '-' && c != ':' && c != '.')
            return std::string_view::npos;
    }
    return end < code.size() && sawDigit ? end + 1 : std::string_view::npos;
}

size_t NumberEnd(std::string_view code, size_t pos) {
    size_t end = pos;
    if (code[end] == '&') {
        ++end;  // &H or &O
        ++end;
        while (end < code.size() && IsHexDigit(code[end]))
            ++end;
        if (end < code.size() && (code[end] == '&' || code[end] == '%'))
            ++end;
        return end;
    }
    while (end < code.size() && IsDigit(code[end]))
        ++end;
    if (end < code.size() && code[end] == '.') {
        ++end;
        while (end < code.size() && IsDigit(code[end]))
            ++end;
    }
    if (end + 1 < code.size() &&
        (code[end] == 'E' || code[end] == 'e' || code[end] == 'D' || code[end] == 'd')) {
        size_t exponent = end + 1;
        if (code[exponent] == '+' || code[exponent] == '-')
            ++exponent;
        if (exponent < code.size() && IsDigit(code[exponent])) {
            end = exponent;
            while (end < code.size() && IsDigit(code[end]))
                ++end;
        }
    }
    if (end < code.size() && std::string_view("%&!#@").find(code[end]) != std::string_view::npos)
        ++end;
    return end;
}

size_t WordEnd(std::string_view code, size_t pos) {
    size_t end = pos;
    while (end < code.size() && IsVbNameChar(code[end]))
        ++end;
    if (end >= code.size())
        return end;
    const char type = code[end];
    const char next = end + 1 < code.size() ? code[end + 1] : ' ';
    if (type == '%' || type == '$' || type == '@')
        return end + 1;
    if (type == '#' && !IsVbNameChar(next))
        return end + 1;
    // "x!y" and "x![y]" reach into a collection; "x&y" joins, "x& " is a Long.
    if (type == '!' && !IsVbLetter(next) && next != '[')
        return end + 1;
    if (type == '&' && !IsVbNameChar(next) && next != '"' && next != '(' && next != '&')
        return end + 1;
    return end;
}

}  // namespace

constexpr std::array<bool, 256> kVbLetters = [] {
    std::array<bool, 256> letters{};
    for (unsigned u = 0; u < 256; ++u) {
        switch (u) {
            case 0x8A:
            case 0x8C:
            case 0x8E:
            case 0x9A:
            case 0x9C:
            case 0x9E:
            case 0x9F:
            case 0xAA:
            case 0xB5:
            case 0xBA:
                letters[u] = true;
                break;
            default:
                letters[u] = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
                             (u >= 0xC0 && u != 0xD7 && u != 0xF7);
        }
    }
    return letters;
}();

bool IsVbIdentifier(std::string_view text) {
    if (text.empty() || !IsVbLetter(text[0]))
        return false;
    for (char c : text) {
        if (!IsVbNameChar(c))
            return false;
    }
    return true;
}

std::vector<VbToken> TokenizeStatement(std::string_view code) {
    std::vector<VbToken> tokens;
    TokenizeStatement(code, tokens);
    return tokens;
}

void TokenizeStatement(std::string_view code, std::vector<VbToken>& tokens) {
    tokens.clear();
    size_t pos = 0;
    while (pos < code.size()) {
        const char c = code[pos];
        if (IsBlank(c)) {
            ++pos;
            continue;
        }
        VbToken token;
        size_t end = pos + 1;
        if (c == '"') {
            token.kind = TokenKind::String;
            token.unterminated = true;
            while (end < code.size()) {
                if (code[end] == '"') {
                    if (end + 1 < code.size() && code[end + 1] == '"') {
                        end += 2;
                        continue;
                    }
                    ++end;
                    token.unterminated = false;
                    break;
                }
                ++end;
            }
        } else if (IsVbLetter(c)) {
            token.kind = TokenKind::Word;
            end = WordEnd(code, pos);
        } else if (c == '[') {
            token.kind = TokenKind::Word;
            end = code.find(']', pos);
            end = end == std::string_view::npos ? code.size() : end + 1;
        } else if (IsDigit(c) || (c == '.' && pos + 1 < code.size() && IsDigit(code[pos + 1]) &&
                                  (tokens.empty() || tokens.back().kind == TokenKind::Symbol))) {
            token.kind = TokenKind::Number;
            end = NumberEnd(code, pos);
        } else if (c == '&' && pos + 1 < code.size() &&
                   (code[pos + 1] == 'H' || code[pos + 1] == 'h' || code[pos + 1] == 'O' ||
                    code[pos + 1] == 'o') &&
                   pos + 2 < code.size() && IsHexDigit(code[pos + 2])) {
            token.kind = TokenKind::Number;
            end = NumberEnd(code, pos);
        } else if (c == '#' && DateLiteralEnd(code, pos) != std::string_view::npos &&
                   (tokens.empty() || tokens.back().kind == TokenKind::Symbol ||
                    IsWord(tokens.back(), "Is") || IsWord(tokens.back(), "To") ||
                    IsWord(tokens.back(), "Case"))) {
            token.kind = TokenKind::Date;
            end = DateLiteralEnd(code, pos);
        } else {
            token.kind = TokenKind::Symbol;
            const char next = pos + 1 < code.size() ? code[pos + 1] : '\0';
            if ((c == '<' && (next == '>' || next == '=')) || (c == '>' && next == '=') ||
                (c == ':' && next == '='))
                end = pos + 2;
        }
        token.text = code.substr(pos, end - pos);
        tokens.push_back(token);
        pos = end;
    }
}

std::string_view BareName(std::string_view word) {
    if (word.size() >= 2 && word.front() == '[' && word.back() == ']')
        return word.substr(1, word.size() - 2);
    if (!word.empty() && std::string_view("%&$#@!").find(word.back()) != std::string_view::npos)
        word.remove_suffix(1);
    return word;
}

}  // namespace velorin
