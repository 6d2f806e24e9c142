// Access (Jet) SQL as tokens: keywords, names (brackets removed), strings
// (quotes removed, dates included), numbers and symbols; and the chains of
// names joined by dots that name fields and tables.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velorin::row_sources {

enum class TokenKind { Keyword, Name, String, Number, Symbol };

struct Token {
    TokenKind kind;
    std::string text;  // names and strings without their quotes
};

using Tokens = std::vector<Token>;

// Empty when the text is not made of Jet SQL tokens (unbalanced brackets or
// quotes, stray characters).
std::optional<Tokens> Tokenize(std::string_view sql);

// True when brackets nest deeper than SQLite would take.
bool NestingTooDeep(const Tokens& tokens);

bool IsKeyword(const Token& token, std::string_view word);
bool IsSymbol(const Token& token, std::string_view symbol);
// True when token `i` exists and is a name.
bool IsName(const Tokens& tokens, size_t i);

// Name chains: Orders.OrderID, Forms.Orders.OrderID.
// The position after the chain of names that starts at `i`.
size_t ChainEnd(const Tokens& tokens, size_t i);
// The names of the chain from `first` to `end`, without the dots.
std::vector<std::string> ChainParts(const Tokens& tokens, size_t first, size_t end);
std::string JoinParts(const std::vector<std::string>& parts);

}  // namespace velorin::row_sources
