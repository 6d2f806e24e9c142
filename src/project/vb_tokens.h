// The tokens of one Visual Basic statement: names, numbers, strings, date
// literals and symbols, as the compiler reads them.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "common/ansi_text.h"

namespace velorin {

enum class TokenKind {
    Word,    // a name or keyword, with its type character (Left$, n%); [Any Text] too
    Number,  // 12, 1.5E3, &HFF&, &O17
    String,  // "text", quotes kept
    Date,    // #1/2/97#
    Symbol,  // ( ) , . ! = <> <= >= := + - * / \ ^ & ; # and any other character
};

struct VbToken {
    TokenKind kind = TokenKind::Symbol;
    std::string_view text;
    bool unterminated = false;  // a string the line ends inside
};

// Inline: the checks and the tokenizer ask these of every character.
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char c);
// A space or a tab.
inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A letter as Visual Basic takes it in names: ASCII or a Windows-1252 letter.
extern const std::array<bool, 256> kVbLetters;
inline bool IsVbLetter(char c) {
    return kVbLetters[static_cast<unsigned char>(c)];
}
inline bool IsVbNameChar(char c) {
    return IsVbLetter(c) || IsDigit(c) || c == '_';
}

// A name: a letter, then letters, digits and "_".
bool IsVbIdentifier(std::string_view text);

std::vector<VbToken> TokenizeStatement(std::string_view code);
// The same into `tokens`, whose storage is used again.
void TokenizeStatement(std::string_view code, std::vector<VbToken>& tokens);

// Inline: the checker asks them of every token, many times over.
inline bool IsWord(const VbToken& token, std::string_view word) {
    return token.kind == TokenKind::Word && IEquals(token.text, word);
}
inline bool IsSymbol(const VbToken& token, std::string_view symbol) {
    return token.kind == TokenKind::Symbol && token.text == symbol;
}

// The name of a Word without its type character or brackets.
std::string_view BareName(std::string_view word);

}  // namespace velorin
