#include "session/host/table_ddl.h"

#include <cctype>

#include "common/ansi_text.h"

namespace velorin {
namespace {

std::string_view SkipSpace(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s[0])))
        s.remove_prefix(1);
    return s;
}

// A name in brackets, in quotes or bare; advances past it.
std::string ReadName(std::string_view& s) {
    s = SkipSpace(s);
    if (s.empty())
        return {};
    char close = s[0] == '[' ? ']' : (s[0] == '"' || s[0] == '`') ? s[0] : 0;
    std::string name;
    if (close) {
        size_t end = s.find(close, 1);
        if (end == std::string_view::npos)
            end = s.size();
        name = std::string(s.substr(1, end - 1));
        s.remove_prefix(std::min(end + 1, s.size()));
        return name;
    }
    size_t end = 0;
    while (end < s.size() && !std::isspace(static_cast<unsigned char>(s[end])) && s[end] != '(' &&
           s[end] != ',' && s[end] != ')') {
        ++end;
    }
    name = std::string(s.substr(0, end));
    s.remove_prefix(end);
    return name;
}

// Splits the column list at commas outside parentheses and brackets.
std::vector<std::string_view> SplitColumns(std::string_view body) {
    std::vector<std::string_view> parts;
    int depth = 0;
    bool bracket = false;
    size_t start = 0;
    for (size_t i = 0; i < body.size(); ++i) {
        char c = body[i];
        if (bracket) {
            if (c == ']')
                bracket = false;
        } else if (c == '[') {
            bracket = true;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',' && depth == 0) {
            parts.push_back(body.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(body.substr(start));
    return parts;
}

}  // namespace

int DaoTypeFromDdl(std::string_view word, bool sized) {
    struct Entry {
        std::string_view word;
        int type;
    };
    static constexpr Entry kTypes[] = {
        {"AUTOINCREMENT", dao::kLong},
        {"COUNTER", dao::kLong},
        {"LONG", dao::kLong},
        {"INTEGER", dao::kLong},
        {"INT", dao::kLong},
        {"SHORT", dao::kInteger},
        {"SMALLINT", dao::kInteger},
        {"BYTE", dao::kByte},
        {"TINYINT", dao::kByte},
        {"BIT", dao::kBoolean},
        {"YESNO", dao::kBoolean},
        {"LOGICAL", dao::kBoolean},
        {"CURRENCY", dao::kCurrency},
        {"MONEY", dao::kCurrency},
        {"SINGLE", dao::kSingle},
        {"REAL", dao::kSingle},
        {"DOUBLE", dao::kDouble},
        {"FLOAT", dao::kDouble},
        {"NUMBER", dao::kDouble},
        {"DATETIME", dao::kDate},
        {"DATE", dao::kDate},
        {"TIME", dao::kDate},
        {"BINARY", dao::kBinary},
        {"VARBINARY", dao::kBinary},
        {"VARCHAR", dao::kText},
        {"CHAR", dao::kText},
        {"LONGTEXT", dao::kMemo},
        {"MEMO", dao::kMemo},
        {"NOTE", dao::kMemo},
        {"LONGCHAR", dao::kMemo},
        {"LONGBINARY", dao::kLongBinary},
        {"OLEOBJECT", dao::kLongBinary},
        {"IMAGE", dao::kLongBinary},
        {"GENERAL", dao::kLongBinary},
        {"GUID", dao::kGuid},
        {"UNIQUEIDENTIFIER", dao::kGuid},
        {"DECIMAL", dao::kDecimal},
        {"NUMERIC", dao::kDecimal},
    };
    // Jet reads TEXT without a size as a memo.
    if (IEquals(word, "TEXT"))
        return sized ? dao::kText : dao::kMemo;
    for (const Entry& e : kTypes) {
        if (IEquals(e.word, word))
            return e.type;
    }
    return dao::kText;
}

std::optional<TableDef> TableFromCreateStatement(std::string_view ddl) {
    size_t create = IFind(ddl, "CREATE TABLE");
    if (create == std::string_view::npos)
        return std::nullopt;
    std::string_view s = ddl.substr(create + 12);
    TableDef table;
    table.name = ReadName(s);
    size_t open = s.find('(');
    if (open == std::string_view::npos)
        return table;
    size_t close = s.rfind(')');
    if (close == std::string_view::npos || close < open)
        close = s.size();
    for (std::string_view column : SplitColumns(s.substr(open + 1, close - open - 1))) {
        std::string_view rest = SkipSpace(column);
        if (rest.empty() || IStartsWith(rest, "CONSTRAINT ") || IStartsWith(rest, "PRIMARY KEY"))
            continue;
        FieldDef field;
        field.name = ReadName(rest);
        rest = SkipSpace(rest);
        std::string word;
        while (!rest.empty() && std::isalpha(static_cast<unsigned char>(rest[0]))) {
            word.push_back(rest[0]);
            rest.remove_prefix(1);
        }
        bool sized = !SkipSpace(rest).empty() && SkipSpace(rest)[0] == '(';
        field.type = DaoTypeFromDdl(word, sized);
        if (!field.name.empty())
            table.fields.push_back(std::move(field));
    }
    return table;
}

}  // namespace velorin
