#include "row_sources/jet_sql_translation.h"

#include <algorithm>

#include "common/ansi_text.h"

namespace velorin::row_sources {
namespace {

bool IsQualifierDot(const Token& token) {
    return IsSymbol(token, ".") || IsSymbol(token, "!");
}

// A keyword next to "." or "!" is a field or table ("Orders.Order"), and Left
// or Right before "(" is the VBA function.
void DemoteKeywordsUsedAsNames(Tokens& tokens) {
    for (size_t i = 0; i < tokens.size(); ++i) {
        Token& token = tokens[i];
        if (token.kind != TokenKind::Keyword)
            continue;
        bool afterDot = i > 0 && IsQualifierDot(tokens[i - 1]);
        bool beforeDot = i + 1 < tokens.size() && IsQualifierDot(tokens[i + 1]);
        bool function = (IsKeyword(token, "LEFT") || IsKeyword(token, "RIGHT")) &&
                        i + 1 < tokens.size() && IsSymbol(tokens[i + 1], "(");
        if (afterDot || beforeDot || function)
            token.kind = TokenKind::Name;
    }
}

// "PARAMETERS [a] DateTime, ...;" declares what the statement leaves unknown.
bool StripParameters(Tokens& tokens) {
    if (tokens.empty() || !IsKeyword(tokens[0], "PARAMETERS"))
        return true;
    for (size_t i = 1; i < tokens.size(); ++i) {
        if (IsSymbol(tokens[i], ";")) {
            tokens.erase(tokens.begin(), tokens.begin() + static_cast<std::ptrdiff_t>(i + 1));
            return true;
        }
    }
    return false;
}

// One statement: a ";" may only end it.
bool StripStatementEnd(Tokens& tokens) {
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (IsSymbol(tokens[i], ";")) {
            if (i + 1 != tokens.size())
                return false;
            tokens.pop_back();
            break;
        }
    }
    size_t n = tokens.size();
    if (n >= 3 && IsKeyword(tokens[n - 3], "WITH") && IEquals(tokens[n - 2].text, "OWNERACCESS") &&
        IEquals(tokens[n - 1].text, "OPTION")) {
        tokens.resize(n - 3);
    }
    return true;
}

// "TOP n" and "TOP n PERCENT" limit rows, which does not change the columns.
size_t SkipTop(const Tokens& tokens, size_t i) {
    if (i + 1 >= tokens.size() || tokens[i + 1].kind != TokenKind::Number)
        return i;
    i += 2;
    if (i < tokens.size() && tokens[i].kind != TokenKind::String &&
        IEquals(tokens[i].text, "PERCENT")) {
        ++i;
    }
    return i;
}

std::optional<Token> TranslateKeyword(const Token& token) {
    if (IsKeyword(token, "DISTINCTROW"))
        return std::nullopt;
    struct Replacement {
        std::string_view word;
        TokenKind kind;
        std::string_view text;
    };
    // Jet's logical operators and constants in SQLite's terms (True is -1).
    constexpr Replacement kReplacements[] = {
        {"MOD", TokenKind::Symbol, "%"},  {"XOR", TokenKind::Symbol, "<>"},
        {"EQV", TokenKind::Symbol, "="},  {"IMP", TokenKind::Keyword, "OR"},
        {"YES", TokenKind::Number, "-1"}, {"TRUE", TokenKind::Number, "-1"},
        {"NO", TokenKind::Number, "0"},   {"FALSE", TokenKind::Number, "0"}};
    for (const Replacement& replacement : kReplacements) {
        if (IsKeyword(token, replacement.word))
            return Token{replacement.kind, std::string(replacement.text)};
    }
    return token;
}

Token TranslateSymbol(const Tokens& tokens, size_t i, const Tokens& out) {
    const Token& token = tokens[i];
    if (token.text == "&")
        return {TokenKind::Symbol, "||"};
    if (token.text == "\\")
        return {TokenKind::Symbol, "/"};
    if (token.text == "^")
        return {TokenKind::Symbol, "*"};
    if (token.text == "!" && !out.empty() && out.back().kind == TokenKind::Name &&
        IsName(tokens, i + 1)) {
        return {TokenKind::Symbol, "."};
    }
    return token;
}

std::string QuoteWith(std::string_view text, char quote) {
    std::string out(1, quote);
    for (char c : text) {
        out += c;
        if (c == quote)
            out += quote;
    }
    out += quote;
    return out;
}

// Where a chain names a column, not a table, alias or function.
bool ChainIsColumnReference(const Tokens& tokens, size_t first, size_t end) {
    if (first > 0) {
        const Token& before = tokens[first - 1];
        if (IsSymbol(before, ".") || IsKeyword(before, "AS") || IsKeyword(before, "FROM") ||
            IsKeyword(before, "JOIN")) {
            return false;
        }
    }
    return end >= tokens.size() || !(IsSymbol(tokens[end], "(") || IsSymbol(tokens[end], "."));
}

}  // namespace

std::optional<Tokens> TranslateSelect(std::string_view sql) {
    if (sql.size() > kMaxStatementBytes)
        return std::nullopt;
    std::optional<Tokens> tokens = Tokenize(sql);
    if (!tokens || NestingTooDeep(*tokens) || !StripParameters(*tokens) ||
        !StripStatementEnd(*tokens)) {
        return std::nullopt;
    }
    if (tokens->empty() || !IsKeyword(tokens->front(), "SELECT"))
        return std::nullopt;
    DemoteKeywordsUsedAsNames(*tokens);
    Tokens out;
    for (size_t i = 0; i < tokens->size(); ++i) {
        const Token& token = (*tokens)[i];
        if (IsKeyword(token, "TOP") && SkipTop(*tokens, i) != i) {
            i = SkipTop(*tokens, i) - 1;
        } else if (token.kind == TokenKind::Keyword) {
            if (std::optional<Token> translated = TranslateKeyword(token))
                out.push_back(std::move(*translated));
        } else if (token.kind == TokenKind::Symbol) {
            out.push_back(TranslateSymbol(*tokens, i, out));
        } else if (token.kind == TokenKind::Name && token.text.ends_with('$') &&
                   i + 1 < tokens->size() && IsSymbol((*tokens)[i + 1], "(")) {
            out.push_back({TokenKind::Name, token.text.substr(0, token.text.size() - 1)});
        } else {
            out.push_back(token);
        }
    }
    return out;
}

std::string QuoteName(std::string_view name) {
    return QuoteWith(name, '"');
}

// Tokens are always set apart, so "-" "-" never reads as a comment.
std::string Serialize(const Tokens& tokens, size_t first, size_t last) {
    std::string sql;
    last = std::min(last, tokens.size());
    for (size_t i = first; i < last; ++i) {
        if (!sql.empty())
            sql += ' ';
        const Token& token = tokens[i];
        if (token.kind == TokenKind::Name)
            sql += QuoteName(token.text);
        else if (token.kind == TokenKind::String)
            sql += QuoteWith(token.text, '\'');
        else
            sql += token.text;
    }
    return sql;
}

bool ReplaceUnknownColumn(Tokens& tokens, std::string_view name) {
    Tokens out;
    out.reserve(tokens.size());
    bool replaced = false;
    for (size_t i = 0; i < tokens.size();) {
        size_t end = ChainEnd(tokens, i);
        if (end != i && ChainIsColumnReference(tokens, i, end) &&
            IEquals(JoinParts(ChainParts(tokens, i, end)), name)) {
            out.push_back({TokenKind::Keyword, "NULL"});
            replaced = true;
            i = end;
        } else {
            out.push_back(tokens[i++]);
        }
    }
    if (!replaced)
        return false;
    tokens = std::move(out);
    return true;
}

}  // namespace velorin::row_sources
