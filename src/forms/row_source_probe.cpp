#include "forms/row_source_probe.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <map>
#include <optional>
#include <set>

#include "common/ansi_text.h"

namespace velorin {
namespace {

constexpr std::string_view kTemporaryQuery = "tmpqVLRN";
// Each prepare fixes one unknown name or function; a statement that needs more
// is given up rather than retried without end.
constexpr int kMaxRepairs = 64;
// Access statements are limited to about 64,000 characters; far longer text is
// not a statement.
constexpr size_t kMaxStatementBytes = 1'000'000;
// Declared column types carry the DAO type: "DAO_10" is a Text field.
constexpr std::string_view kTypePrefix = "DAO_";

// Functions of Access and VBA that queries call. They only need to exist for
// prepare, so each answers Null.
constexpr std::string_view kAccessFunctions[] = {
    "IIf",         "Nz",         "Format",    "Left",       "Right",     "Mid",      "Len",
    "Trim",        "LTrim",      "RTrim",     "UCase",      "LCase",     "Year",     "Month",
    "Day",         "Hour",       "Minute",    "Second",     "Weekday",   "DatePart", "DateAdd",
    "DateDiff",    "DateSerial", "DateValue", "TimeSerial", "TimeValue", "Date",     "Time",
    "Now",         "CCur",       "CDbl",      "CLng",       "CInt",      "CSng",     "CStr",
    "CDate",       "CVDate",     "CBool",     "CByte",      "CVar",      "Val",      "Str",
    "Int",         "Fix",        "Round",     "Abs",        "Sgn",       "Sqr",      "Exp",
    "Log",         "InStr",      "Replace",   "Space",      "String",    "Chr",      "Asc",
    "StrConv",     "IsNull",     "IsNumeric", "IsDate",     "IsEmpty",   "Switch",   "Choose",
    "Partition",   "DLookup",    "DSum",      "DCount",     "DAvg",      "DMax",     "DMin",
    "DFirst",      "DLast",      "DStDev",    "DStDevP",    "DVar",      "DVarP",    "Hex",
    "Oct",         "Atn",        "Cos",       "Sin",        "Tan",       "Rnd",      "Environ",
    "CurrentUser", "Eval",       "Timer",     "StrComp",    "LenB",      "Error"};
// Jet aggregates SQLite lacks (Sum, Count, Avg, Min and Max it has).
constexpr std::string_view kAccessAggregates[] = {"First",  "Last", "StDev",
                                                  "StDevP", "Var",  "VarP"};

// Words of Jet SQL that stay keywords; every other bare word is a name.
constexpr std::string_view kKeywords[] = {
    "SELECT", "DISTINCT", "DISTINCTROW", "ALL",  "TOP",   "FROM", "WHERE", "GROUP",     "BY",
    "HAVING", "ORDER",    "ASC",         "DESC", "AS",    "ON",   "INNER", "LEFT",      "RIGHT",
    "OUTER",  "JOIN",     "UNION",       "AND",  "OR",    "NOT",  "IN",    "IS",        "NULL",
    "LIKE",   "BETWEEN",  "EXISTS",      "MOD",  "XOR",   "EQV",  "IMP",   "YES",       "NO",
    "TRUE",   "FALSE",    "PARAMETERS",  "WITH", "ANY",   "SOME", "INTO",  "TRANSFORM", "PIVOT",
    "INSERT", "UPDATE",   "DELETE",      "SET",  "VALUES"};

// ---------------------------------------------------------------------------
// Access SQL as tokens

enum class TokenKind { Keyword, Name, String, Number, Symbol };

struct Token {
    TokenKind kind;
    std::string text;  // names and strings without their quotes
};

using Tokens = std::vector<Token>;

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

bool IsKeyword(const Token& token, std::string_view word) {
    return Is(token, TokenKind::Keyword, word);
}

bool IsSymbol(const Token& token, std::string_view symbol) {
    return token.kind == TokenKind::Symbol && token.text == symbol;
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

// SQLite refuses expressions nested deeper than this anyway, but only after
// parsing all of them.
constexpr int kMaxNesting = 1000;

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

// Empty when the text is not made of Jet SQL tokens (unbalanced brackets or
// quotes, stray characters).
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

// ---------------------------------------------------------------------------
// Jet SQL to SQLite, far enough to prepare

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

bool IsName(const Tokens& tokens, size_t i) {
    return i < tokens.size() && tokens[i].kind == TokenKind::Name;
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

// A SELECT (or a union of them) as SQLite tokens; empty for anything else.
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

std::string QuoteName(std::string_view name) {
    return QuoteWith(name, '"');
}

// Tokens are always set apart, so "-" "-" never reads as a comment.
std::string Serialize(const Tokens& tokens, size_t first = 0, size_t last = SIZE_MAX) {
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

// ---------------------------------------------------------------------------
// Name chains: Orders.OrderID, Forms.Orders.OrderID

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

// Form references and parameters are unknown to the schema; as Null they leave
// the statement's columns as they are. False when the name is nowhere.
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

// ---------------------------------------------------------------------------
// The select list, for the names DAO gives result columns

enum class ItemKind { Expression, Column, Star };

struct SelectItem {
    ItemKind kind = ItemKind::Expression;
    bool aliased = false;
    std::string qualifier;  // the table a column or star is taken from
    size_t first = 0;
    size_t last = 0;  // one past the item's last token
};

struct SelectList {
    std::vector<SelectItem> items;
    size_t fromFirst = 0;  // the FROM clause, without what follows it
    size_t fromLast = 0;
};

bool EndsSelectList(const Token& token) {
    for (std::string_view word : {"FROM", "WHERE", "GROUP", "HAVING", "ORDER", "UNION", "INTO"}) {
        if (IsKeyword(token, word))
            return true;
    }
    return false;
}

SelectItem ClassifyItem(const Tokens& tokens, size_t first, size_t last) {
    SelectItem item{ItemKind::Expression, false, {}, first, last};
    size_t n = last - first;
    if (n == 1 && IsSymbol(tokens[first], "*")) {
        item.kind = ItemKind::Star;
    } else if (n >= 3 && IsSymbol(tokens[last - 1], "*") && IsSymbol(tokens[last - 2], ".") &&
               ChainEnd(tokens, first) == last - 2) {
        item.kind = ItemKind::Star;
        item.qualifier = tokens[last - 3].text;
    } else if (n >= 3 && IsKeyword(tokens[last - 2], "AS") && IsName(tokens, last - 1)) {
        item.aliased = true;
    } else if (ChainEnd(tokens, first) == last) {
        item.kind = ItemKind::Column;
        std::vector<std::string> parts = ChainParts(tokens, first, last);
        if (parts.size() >= 2)
            item.qualifier = parts[parts.size() - 2];
    }
    return item;
}

// The depth-0 end of the FROM clause that starts at `from`.
size_t FromClauseEnd(const Tokens& tokens, size_t from) {
    int depth = 0;
    for (size_t i = from + 1; i < tokens.size(); ++i) {
        if (IsSymbol(tokens[i], "("))
            ++depth;
        else if (IsSymbol(tokens[i], ")"))
            --depth;
        else if (depth == 0 && EndsSelectList(tokens[i]))
            return i;
    }
    return tokens.size();
}

std::optional<SelectList> ParseSelectList(const Tokens& tokens) {
    if (tokens.empty() || !IsKeyword(tokens[0], "SELECT"))
        return std::nullopt;
    size_t i = 1;
    while (i < tokens.size() && (IsKeyword(tokens[i], "DISTINCT") || IsKeyword(tokens[i], "ALL")))
        ++i;
    SelectList list;
    size_t itemFirst = i;
    int depth = 0;
    for (; i < tokens.size(); ++i) {
        if (IsSymbol(tokens[i], "("))
            ++depth;
        else if (IsSymbol(tokens[i], ")"))
            --depth;
        if (depth != 0)
            continue;
        if (EndsSelectList(tokens[i]))
            break;
        if (IsSymbol(tokens[i], ",")) {
            if (i == itemFirst)
                return std::nullopt;
            list.items.push_back(ClassifyItem(tokens, itemFirst, i));
            itemFirst = i + 1;
        }
    }
    if (i == itemFirst)
        return std::nullopt;
    list.items.push_back(ClassifyItem(tokens, itemFirst, i));
    list.fromFirst = list.fromLast = i;
    if (i < tokens.size() && IsKeyword(tokens[i], "FROM"))
        list.fromLast = FromClauseEnd(tokens, i);
    return list;
}

int DaoTypeOfDeclared(const char* declared) {
    if (declared == nullptr)
        return 0;
    std::string_view text(declared);
    if (!text.starts_with(kTypePrefix))
        return 0;
    text.remove_prefix(kTypePrefix.size());
    int type = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), type);
    return error == std::errc() && end == text.data() + text.size() ? type : 0;
}

// Where two result columns share a name, DAO names each by its table.
void QualifyDuplicateNames(std::vector<ProbedField>& fields,
                           const std::vector<std::string>& qualifiers) {
    std::map<std::string, int, ILess> uses;
    for (const ProbedField& field : fields)
        ++uses[field.name];
    for (size_t c = 0; c < fields.size(); ++c) {
        if (uses[fields[c].name] > 1 && !qualifiers[c].empty())
            fields[c].name = qualifiers[c] + "." + fields[c].name;
    }
}

void IgnoreArguments(sqlite3_context* context, int, sqlite3_value**) {
    sqlite3_result_null(context);
}

void IgnoreRow(sqlite3_context*, int, sqlite3_value**) {}

void AnswerNull(sqlite3_context* context) {
    sqlite3_result_null(context);
}

std::optional<std::string_view> AfterPrefix(std::string_view text, std::string_view prefix) {
    if (!text.starts_with(prefix))
        return std::nullopt;
    return text.substr(prefix.size());
}

// SQLite names an unknown column as written, dotted; a lone one in double
// quotes comes quoted, with a hint about string literals.
std::string UnknownColumnName(std::string_view text) {
    constexpr std::string_view kHint = " - should this be a string literal in single-quotes?";
    if (text.ends_with(kHint)) {
        text.remove_suffix(kHint.size());
        if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
            text = text.substr(1, text.size() - 2);
    }
    return std::string(text);
}

bool IsSelectQuery(const QueryDef& query) {
    return query.type == dao::kQuerySelect || query.type == dao::kQuerySetOperation;
}

std::vector<ProbedField> KnownFields(const QueryDef& query) {
    std::vector<ProbedField> fields;
    for (const FieldDef& field : query.fields)
        fields.push_back({field.name, field.type});
    return fields;
}

using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

struct PrepareOutcome {
    Statement statement{nullptr, &sqlite3_finalize};
    bool missingTable = false;  // might resolve once other views exist
};

}  // namespace

// ---------------------------------------------------------------------------
// The in-memory schema and what it answers

struct RowSourceProbe::State {
    sqlite3* db = nullptr;
    bool built = false;
    int buildCount = 0;
    std::map<std::string, std::vector<ProbedField>, ILess> savedQueries;
    std::set<std::string, ILess> unresolvedQueries;
    std::set<std::string, ILess> addedFunctions;

    ~State() {
        if (db != nullptr)
            sqlite3_close_v2(db);
    }

    void EnsureSchema(const AccessApplication& application);
    bool Open();
    bool RegisterFunction(std::string_view name, bool aggregate);
    bool Execute(const std::string& sql);
    void CreateTable(std::string_view name, const std::vector<FieldDef>& fields);
    PrepareOutcome Prepare(Tokens& tokens);
    std::optional<std::vector<int>> CountItemColumns(const SelectList& list, const Tokens& tokens,
                                                     int total);
    std::vector<ProbedField> Describe(sqlite3_stmt* statement, const Tokens& tokens);
    std::vector<ProbedField> FieldsOfSelect(std::string_view sql);
    std::vector<ProbedField> FieldsOfSavedQuery(const QueryDef& query);
    bool CreateView(const std::string& name, const std::vector<ProbedField>& fields,
                    const Tokens& tokens);
    enum class ViewResult { Created, Waiting, Failed };
    ViewResult TryCreateView(const QueryDef& query);
};

bool RowSourceProbe::State::Open() {
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        return false;
    }
    // An unknown name in double quotes must stay an error, not turn into a string.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    for (std::string_view name : kAccessFunctions)
        RegisterFunction(name, false);
    for (std::string_view name : kAccessAggregates)
        RegisterFunction(name, true);
    return true;
}

bool RowSourceProbe::State::RegisterFunction(std::string_view name, bool aggregate) {
    std::string text(name);
    int rc = aggregate ? sqlite3_create_function_v2(db, text.c_str(), -1, SQLITE_UTF8, nullptr,
                                                    nullptr, IgnoreRow, AnswerNull, nullptr)
                       : sqlite3_create_function_v2(db, text.c_str(), -1, SQLITE_UTF8, nullptr,
                                                    IgnoreArguments, nullptr, nullptr, nullptr);
    return rc == SQLITE_OK;
}

// One statement, stepped to its end.
bool RowSourceProbe::State::Execute(const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &raw, &tail) !=
        SQLITE_OK) {
        return false;
    }
    Statement statement(raw, &sqlite3_finalize);
    if (statement == nullptr || tail != sql.c_str() + sql.size())
        return false;
    return sqlite3_step(statement.get()) == SQLITE_DONE;
}

void RowSourceProbe::State::CreateTable(std::string_view name,
                                        const std::vector<FieldDef>& fields) {
    std::string columns;
    std::set<std::string, ILess> seen;
    for (const FieldDef& field : fields) {
        if (!seen.insert(field.name).second)
            continue;
        if (!columns.empty())
            columns += ", ";
        columns += QuoteName(field.name) + " " + std::string(kTypePrefix) +
                   std::to_string(std::max(field.type, 0));
    }
    if (!columns.empty())
        Execute("CREATE TABLE " + QuoteName(name) + " (" + columns + ")");
}

// Prepares the statement, replacing unknown columns by Null and adding unknown
// functions (the application's own VBA functions) as it goes.
PrepareOutcome RowSourceProbe::State::Prepare(Tokens& tokens) {
    PrepareOutcome outcome;
    if (db == nullptr)
        return outcome;
    for (int attempt = 0; attempt <= kMaxRepairs; ++attempt) {
        std::string sql = Serialize(tokens);
        if (sql.size() > kMaxStatementBytes)
            return outcome;
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr) ==
            SQLITE_OK) {
            outcome.statement.reset(raw);
            return outcome;
        }
        std::string_view message = sqlite3_errmsg(db);
        if (auto column = AfterPrefix(message, "no such column: ")) {
            if (!ReplaceUnknownColumn(tokens, UnknownColumnName(*column)))
                return outcome;
            continue;
        }
        std::optional<std::string_view> function = AfterPrefix(message, "no such function: ");
        if (!function) {
            function = AfterPrefix(message, "wrong number of arguments to function ");
            if (function && function->ends_with("()"))
                function->remove_suffix(2);
        }
        if (function) {
            std::string name(*function);
            if (!addedFunctions.insert(name).second || !RegisterFunction(name, false))
                return outcome;
            continue;
        }
        outcome.missingTable = message.starts_with("no such table: ");
        return outcome;
    }
    return outcome;
}

// How many result columns each select-list item gives: one, or a star's
// expansion (counted on its own when there are several stars).
std::optional<std::vector<int>> RowSourceProbe::State::CountItemColumns(const SelectList& list,
                                                                        const Tokens& tokens,
                                                                        int total) {
    int stars = 0;
    for (const SelectItem& item : list.items)
        stars += item.kind == ItemKind::Star ? 1 : 0;
    int plain = static_cast<int>(list.items.size()) - stars;
    std::vector<int> counts;
    for (const SelectItem& item : list.items) {
        int count = 1;
        if (item.kind == ItemKind::Star && stars == 1) {
            count = total - plain;
        } else if (item.kind == ItemKind::Star) {
            std::string sql = "SELECT " + Serialize(tokens, item.first, item.last) + " " +
                              Serialize(tokens, list.fromFirst, list.fromLast);
            sqlite3_stmt* raw = nullptr;
            if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr) !=
                SQLITE_OK) {
                return std::nullopt;
            }
            count = sqlite3_column_count(raw);
            sqlite3_finalize(raw);
        }
        if (count < 0)
            return std::nullopt;
        counts.push_back(count);
    }
    int sum = 0;
    for (int count : counts)
        sum += count;
    if (sum != total)
        return std::nullopt;
    return counts;
}

// Result columns as DAO lists them: the alias or field name, "Expr1000" and up
// for expressions without an alias, table-qualified where names repeat.
std::vector<ProbedField> RowSourceProbe::State::Describe(sqlite3_stmt* statement,
                                                         const Tokens& tokens) {
    int total = sqlite3_column_count(statement);
    std::vector<ProbedField> fields;
    for (int c = 0; c < total; ++c) {
        const char* name = sqlite3_column_name(statement, c);
        fields.push_back(
            {name ? name : "", DaoTypeOfDeclared(sqlite3_column_decltype(statement, c))});
    }
    std::optional<SelectList> list = ParseSelectList(tokens);
    std::optional<std::vector<int>> counts;
    if (list)
        counts = CountItemColumns(*list, tokens, total);
    if (!counts)
        return fields;
    std::vector<std::string> qualifiers(fields.size());
    int expressions = 0;
    size_t c = 0;
    for (size_t k = 0; k < list->items.size(); ++k) {
        const SelectItem& item = list->items[k];
        for (int j = 0; j < (*counts)[k]; ++j, ++c) {
            if (item.kind == ItemKind::Expression && !item.aliased)
                fields[c].name = "Expr" + std::to_string(1000 + expressions++);
            else if (!item.aliased)
                qualifiers[c] = item.qualifier;
        }
    }
    QualifyDuplicateNames(fields, qualifiers);
    return fields;
}

std::vector<ProbedField> RowSourceProbe::State::FieldsOfSelect(std::string_view sql) {
    std::optional<Tokens> tokens = TranslateSelect(sql);
    if (!tokens)
        return {};
    PrepareOutcome prepared = Prepare(*tokens);
    if (!prepared.statement)
        return {};
    return Describe(prepared.statement.get(), *tokens);
}

// The view carries DAO's column names, so queries built on it see them; SQLite
// would rename a repeated name itself when the list is refused.
bool RowSourceProbe::State::CreateView(const std::string& name,
                                       const std::vector<ProbedField>& fields,
                                       const Tokens& tokens) {
    std::string columns;
    for (const ProbedField& field : fields) {
        if (!columns.empty())
            columns += ", ";
        columns += QuoteName(field.name);
    }
    std::string body = Serialize(tokens);
    return Execute("CREATE VIEW " + QuoteName(name) + " (" + columns + ") AS " + body) ||
           Execute("CREATE VIEW " + QuoteName(name) + " AS " + body);
}

RowSourceProbe::State::ViewResult RowSourceProbe::State::TryCreateView(const QueryDef& query) {
    std::optional<Tokens> tokens = TranslateSelect(query.sql);
    if (!tokens)
        return ViewResult::Failed;
    PrepareOutcome prepared = Prepare(*tokens);
    if (!prepared.statement)
        return prepared.missingTable ? ViewResult::Waiting : ViewResult::Failed;
    std::vector<ProbedField> fields = Describe(prepared.statement.get(), *tokens);
    prepared.statement.reset();
    if (fields.empty() || !CreateView(query.name, fields, *tokens))
        return ViewResult::Failed;
    savedQueries[query.name] = std::move(fields);
    return ViewResult::Created;
}

// Tables first, then the saved select queries; a query on a query waits until
// the one it reads from exists, round after round while any view is added.
void RowSourceProbe::State::EnsureSchema(const AccessApplication& application) {
    if (built)
        return;
    built = true;
    ++buildCount;
    if (!Open())
        return;
    for (const TableDef& table : application.TableDefs())
        CreateTable(table.name, table.fields);
    std::vector<QueryDef> waiting;
    for (const QueryDef& query : application.QueryDefs()) {
        if (IEquals(query.name, kTemporaryQuery))
            continue;
        if (!query.fields.empty()) {
            // Fields Access itself listed stand as they are, crosstabs included.
            CreateTable(query.name, query.fields);
            savedQueries[query.name] = KnownFields(query);
        } else if (IsSelectQuery(query)) {
            waiting.push_back(query);
        }
    }
    for (bool progress = true; progress && !waiting.empty();) {
        progress = false;
        for (auto it = waiting.begin(); it != waiting.end();) {
            ViewResult result = TryCreateView(*it);
            progress = progress || result == ViewResult::Created;
            if (result == ViewResult::Failed)
                unresolvedQueries.insert(it->name);
            it = result == ViewResult::Waiting ? it + 1 : waiting.erase(it);
        }
    }
    for (const QueryDef& query : waiting)
        unresolvedQueries.insert(query.name);
}

std::vector<ProbedField> RowSourceProbe::State::FieldsOfSavedQuery(const QueryDef& query) {
    auto it = savedQueries.find(query.name);
    if (it != savedQueries.end())
        return it->second;
    // Saved after the schema was built: answered on its own, not kept as a view.
    if (!query.fields.empty())
        return KnownFields(query);
    if (unresolvedQueries.contains(query.name) || !IsSelectQuery(query))
        return {};
    return FieldsOfSelect(query.sql);
}

// ---------------------------------------------------------------------------

namespace {

bool StartsWithSelect(std::string_view rowSource) {
    return AnsiLowerCase(rowSource.substr(0, 7)) == "select ";
}

// Deletes the temporary query however the call ends.
class TemporaryQuery {
  public:
    TemporaryQuery(AccessApplication& application, std::string_view sql)
        : application_(application) {
        application_.CreateQueryDef(std::string(kTemporaryQuery), std::string(sql));
    }
    ~TemporaryQuery() {
        try {
            application_.DeleteQueryDef(kTemporaryQuery);
        } catch (...) {
        }
    }
    TemporaryQuery(const TemporaryQuery&) = delete;
    TemporaryQuery& operator=(const TemporaryQuery&) = delete;

  private:
    AccessApplication& application_;
};

// Byte, Integer, Long, Text and Numeric.
bool TypeAnswersT(int type) {
    return type == 2 || type == 3 || type == 4 || type == 10 || type == 19;
}

}  // namespace

RowSourceProbe::RowSourceProbe(AccessApplication& application)
    : application_(application), state_(std::make_unique<State>()) {}

RowSourceProbe::~RowSourceProbe() = default;

std::vector<ProbedField> RowSourceProbe::Fields(std::string_view rowSource) {
    try {
        if (StartsWithSelect(rowSource)) {
            TemporaryQuery temporary(application_, rowSource);
            state_->EnsureSchema(application_);
            return state_->FieldsOfSelect(rowSource);
        }
        if (const QueryDef* query = application_.FindQueryDef(rowSource)) {
            state_->EnsureSchema(application_);
            return state_->FieldsOfSavedQuery(*query);
        }
        std::vector<ProbedField> fields;
        if (const TableDef* table = application_.FindTableDef(rowSource)) {
            for (const FieldDef& field : table->fields)
                fields.push_back({field.name, field.type});
        }
        return fields;
    } catch (...) {
        return {};
    }
}

std::string RowSourceProbe::FieldName(std::string_view rowSource, int n) {
    try {
        std::vector<ProbedField> fields = Fields(rowSource);
        return n >= 0 && static_cast<size_t>(n) < fields.size() ? fields[n].name : std::string();
    } catch (...) {
        return {};
    }
}

std::string RowSourceProbe::FieldTypeClass(std::string_view rowSource, int n) {
    try {
        std::vector<ProbedField> fields = Fields(rowSource);
        bool known = n >= 0 && static_cast<size_t>(n) < fields.size();
        return known && TypeAnswersT(fields[n].type) ? "T" : "F";
    } catch (...) {
        return "F";
    }
}

int RowSourceProbe::SchemaBuildCount() const {
    return state_->buildCount;
}

}  // namespace velorin
