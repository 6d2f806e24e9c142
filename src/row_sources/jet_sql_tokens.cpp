#include "row_sources/jet_sql_tokens.h"

#include "common/ansi_text.h"

namespace velorin::row_sources {
namespace {

// Words of Jet SQL that stay keywords; every other bare word is a name.
constexpr std::string_view kKeywords[] = {
    "SELECT", "DISTINCT", "DISTINCTROW", "ALL",  "TOP",   "FROM", "WHERE", "GROUP",     "BY",
    "HAVING", "ORDER",    "ASC",         "DESC", "AS",    "ON",   "INNER", "LEFT",      "RIGHT",
    "OUTER",  "JOIN",     "UNION",       "AND",  "OR",    "NOT",  "IN",    "IS",        "NULL",
    "LIKE",   "BETWEEN",  "EXISTS",      "MOD",  "XOR",   "EQV",  "IMP",   "YES",       "NO",
    "TRUE",   "FALSE",    "PARAMETERS",  "WITH", "ANY",   "SOME", "INTO",  "TRANSFORM", "PIVOT",
    "INSERT", "UPDATE",   "DELETE",      "SET",  "VALUES"};

// SQLite refuses expressions nested deeper than this anyway, but only after
// parsing all of them.
constexpr int kMaxNesting = 1000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNameStart(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || u >= 0x80;
}

bool IsNameByte(char c) {
    return IsNameStart(c) || IsDigit(c) || c == '$';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsKeywordText(std::string_view word) {
    for (std::string_view keyword : kKeywords) {
        if (IEquals(word, keyword))
            return true;
    }
    return false;
}

bool Is(const Token& token, TokenKind kind, std::string_view text) {
    return token.kind == kind && IEquals(token.text, text);
}

// A quoted string from `start` (its opening quote); a doubled quote stands for
// one. Returns the position after the closing quote.
std::optional<size_t> ReadQuoted(std::string_view sql, size_t start, std::string& out) {
    const char quote = sql[start];
    for (size_t i = start + 1; i < sql.size(); ++i) {
        if (sql[i] != quote) {
            out += sql[i];
        } else if (i + 1 < sql.size() && sql[i + 1] == quote) {
            out += quote;
            ++i;
        } else {
            return i + 1;
        }
    }
    return std::nullopt;
}

size_t ReadNumber(std::string_view sql, size_t i) {
    while (i < sql.size() && (IsDigit(sql[i]) || sql[i] == '.'))
        ++i;
    if (i < sql.size() && (sql[i] == 'e' || sql[i] == 'E')) {
        size_t j = i + 1;
        if (j < sql.size() && (sql[j] == '+' || sql[j] == '-'))
            ++j;
        if (j < sql.size() && IsDigit(sql[j])) {
            i = j;
            while (i < sql.size() && IsDigit(sql[i]))
                ++i;
        }
    }
    return i;
}

// Operators and punctuation of Jet SQL; any other character is not Jet SQL.
std::optional<size_t> ReadSymbol(std::string_view sql, size_t i, Tokens& tokens) {
    std::string_view two = sql.substr(i, 2);
    if (two == "<>" || two == "<=" || two == ">=") {
        tokens.push_back({TokenKind::Symbol, std::string(two)});
        return i + 2;
    }
    if (std::string_view("(),.!*+-/\\^&=<>;").find(sql[i]) == std::string_view::npos)
        return std::nullopt;
    tokens.push_back({TokenKind::Symbol, std::string(1, sql[i])});
    return i + 1;
}

// A number may start with its decimal point, but not right after a name.
bool StartsNumber(std::string_view sql, size_t i, const Tokens& tokens) {
    if (IsDigit(sql[i]))
        return true;
    if (sql[i] != '.' || i + 1 >= sql.size() || !IsDigit(sql[i + 1]))
        return false;
    return tokens.empty() ||
           (tokens.back().kind != TokenKind::Name && !IsSymbol(tokens.back(), ")"));
}

}  // namespace

bool NestingTooDeep(const Tokens& tokens) {
    int depth = 0;
    for (const Token& token : tokens) {
        if (IsSymbol(token, "(") && ++depth > kMaxNesting)
            return true;
        if (IsSymbol(token, ")"))
            --depth;
    }
    return false;
}

std::optional<Tokens> Tokenize(std::string_view sql) {
    Tokens tokens;
    size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        if (IsBlank(c)) {
            ++i;
        } else if (c == '[') {
            size_t end = sql.find(']', i + 1);
            if (end == std::string_view::npos)
                return std::nullopt;
            tokens.push_back({TokenKind::Name, std::string(sql.substr(i + 1, end - i - 1))});
            i = end + 1;
        } else if (c == '"' || c == '\'') {
            Token token{TokenKind::String, {}};
            std::optional<size_t> next = ReadQuoted(sql, i, token.text);
            if (!next)
                return std::nullopt;
            tokens.push_back(std::move(token));
            i = *next;
        } else if (c == '#') {
            size_t end = sql.find('#', i + 1);
            if (end == std::string_view::npos)
                return std::nullopt;
            tokens.push_back({TokenKind::String, std::string(sql.substr(i + 1, end - i - 1))});
            i = end + 1;
        } else if (StartsNumber(sql, i, tokens)) {
            size_t end = ReadNumber(sql, i);
            tokens.push_back({TokenKind::Number, std::string(sql.substr(i, end - i))});
            i = end;
        } else if (IsNameStart(c)) {
            size_t end = i;
            while (end < sql.size() && IsNameByte(sql[end]))
                ++end;
            std::string word(sql.substr(i, end - i));
            TokenKind kind = IsKeywordText(word) ? TokenKind::Keyword : TokenKind::Name;
            tokens.push_back({kind, std::move(word)});
            i = end;
        } else {
            std::optional<size_t> next = ReadSymbol(sql, i, tokens);
            if (!next)
                return std::nullopt;
            i = *next;
        }
    }
    return tokens;
}

bool IsKeyword(const Token& token, std::string_view word) {
    return Is(token, TokenKind::Keyword, word);
}

bool IsSymbol(const Token& token, std::string_view symbol) {
    return token.kind == TokenKind::Symbol && token.text == symbol;
}

bool IsName(const Tokens& tokens, size_t i) {
    return i < tokens.size() && tokens[i].kind == TokenKind::Name;
}

// The position after the chain of names that starts at `i`.
size_t ChainEnd(const Tokens& tokens, size_t i) {
    if (!IsName(tokens, i))
        return i;
    ++i;
    while (i + 1 < tokens.size() && IsSymbol(tokens[i], ".") && IsName(tokens, i + 1))
        i += 2;
    return i;
}

std::vector<std::string> ChainParts(const Tokens& tokens, size_t first, size_t end) {
    std::vector<std::string> parts;
    for (size_t i = first; i < end; i += 2)
        parts.push_back(tokens[i].text);
    return parts;
}

std::string JoinParts(const std::vector<std::string>& parts) {
    std::string joined;
    for (const std::string& part : parts) {
        if (!joined.empty())
            joined += '.';
        joined += part;
    }
    return joined;
}

}  // namespace velorin::row_sources
