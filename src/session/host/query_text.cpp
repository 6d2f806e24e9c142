#include "session/host/query_text.h"

#include <cctype>

#include "common/ansi_text.h"
#include "session/host/access_application.h"

namespace velorin {
namespace {

// Attribute codes of a stored query design.
enum Attribute {
    kType = 1,
    kParameter = 2,
    kPredicate = 3,
    kInputTable = 5,
    kOutputColumn = 6,
    kJoin = 7,
    kWhere = 8,
    kGroupBy = 9,
    kHaving = 10,
    kOrderBy = 11,
};

// Query kinds of the type row.
enum DesignKind {
    kSelect = 1,
    kMakeTable = 2,
    kAppend = 3,
    kUpdate = 4,
    kDelete = 5,
    kCrosstab = 6,
    kDdl = 7,
    kPassThrough = 8,
    kUnion = 9,
};

int DaoTypeOfKind(int kind) {
    switch (kind) {
        case kMakeTable:
            return dao::kQueryMakeTable;
        case kAppend:
            return dao::kQueryAppend;
        case kUpdate:
            return dao::kQueryUpdate;
        case kDelete:
            return dao::kQueryDelete;
        case kCrosstab:
            return dao::kQueryCrosstab;
        case kDdl:
            return dao::kQueryDDL;
        case kPassThrough:
            return dao::kQuerySQLPassThrough;
        case kUnion:
            return dao::kQuerySetOperation;
        default:
            return dao::kQuerySelect;
    }
}

std::string_view ParameterTypeName(int type) {
    switch (type) {
        case 1:
            return "Bit";
        case 2:
            return "Byte";
        case 3:
            return "Short";
        case 4:
            return "Long";
        case 5:
            return "Currency";
        case 6:
            return "IEEESingle";
        case 7:
            return "IEEEDouble";
        case 8:
            return "DateTime";
        case 9:
            return "Binary";
        case 11:
            return "LongBinary";
        case 12:
            return "Memo";
        case 15:
            return "Guid";
        default:
            return "Text";
    }
}

std::string JoinList(const std::vector<std::string>& items, std::string_view separator) {
    std::string out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += separator;
        out += items[i];
    }
    return out;
}

std::string FromClause(const std::vector<QueryDesignRow>& rows) {
    struct Table {
        std::string key;   // alias or name, as joins refer to it
        std::string text;  // as written in FROM
        bool joined = false;
    };
    std::vector<Table> tables;
    for (const QueryDesignRow& r : rows) {
        if (r.attribute != kInputTable || r.name1.empty())
            continue;
        Table t;
        t.key = r.name2.empty() ? r.name1 : r.name2;
        t.text = BracketName(r.name1);
        if (!r.name2.empty())
            t.text += " AS " + BracketName(r.name2);
        tables.push_back(std::move(t));
    }
    auto find = [&](std::string_view key) -> Table* {
        for (Table& t : tables) {
            if (IEquals(t.key, key))
                return &t;
        }
        return nullptr;
    };
    // Joins are taken in the order that keeps one connected chain: a join whose
    // tables are both new waits until one of them is part of the chain.
    std::vector<const QueryDesignRow*> pending;
    for (const QueryDesignRow& r : rows) {
        if (r.attribute == kJoin)
            pending.push_back(&r);
    }
    std::string joined;
    while (!pending.empty()) {
        size_t pick = 0;
        if (!joined.empty()) {
            pick = pending.size();
            for (size_t i = 0; i < pending.size() && pick == pending.size(); ++i) {
                Table* left = find(pending[i]->name1);
                Table* right = find(pending[i]->name2);
                if ((left && left->joined) || (right && right->joined))
                    pick = i;
            }
            if (pick == pending.size())
                pick = 0;  // a second chain; joined as it comes
        }
        const QueryDesignRow& r = *pending[pick];
        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(pick));
        std::string_view kind = r.flag == 2   ? " LEFT JOIN "
                                : r.flag == 3 ? " RIGHT JOIN "
                                              : " INNER JOIN ";
        Table* left = find(r.name1);
        Table* right = find(r.name2);
        std::string leftText = left ? left->text : BracketName(r.name1);
        std::string rightText = right ? right->text : BracketName(r.name2);
        bool leftIn = left != nullptr && left->joined;
        bool rightIn = right != nullptr && right->joined;
        if (joined.empty()) {
            joined = leftText + std::string(kind) + rightText + " ON " + r.expression;
        } else if (leftIn && rightIn) {
            joined += " AND " + r.expression;
        } else {
            joined = "(" + joined + ")" + std::string(kind) + (leftIn ? rightText : leftText) +
                     " ON " + r.expression;
        }
        if (left)
            left->joined = true;
        if (right)
            right->joined = true;
    }
    std::vector<std::string> parts;
    for (const Table& t : tables) {
        if (!t.joined)
            parts.push_back(t.text);
    }
    if (!joined.empty())
        parts.push_back(joined);
    return JoinList(parts, ", ");
}

std::vector<std::string> Expressions(const std::vector<QueryDesignRow>& rows, int attribute) {
    std::vector<std::string> out;
    for (const QueryDesignRow& r : rows) {
        if (r.attribute == attribute && !r.expression.empty())
            out.push_back(r.expression);
    }
    return out;
}

std::string Column(const QueryDesignRow& r) {
    return r.name1.empty() ? r.expression : r.expression + " AS " + BracketName(r.name1);
}

// Skips blanks and a leading PARAMETERS clause.
std::string_view StatementStart(std::string_view sql) {
    auto skip = [](std::string_view s) {
        while (!s.empty() && (std::isspace(static_cast<unsigned char>(s[0])) || s[0] == '('))
            s.remove_prefix(1);
        return s;
    };
    sql = skip(sql);
    if (IStartsWith(sql, "PARAMETERS")) {
        size_t semicolon = sql.find(';');
        sql = semicolon == std::string_view::npos ? std::string_view()
                                                  : skip(sql.substr(semicolon + 1));
    }
    return sql;
}

// Finds a keyword outside brackets, quotes and parentheses.
bool HasTopLevelWord(std::string_view sql, std::string_view word) {
    int depth = 0;
    char quote = 0;
    for (size_t i = 0; i < sql.size(); ++i) {
        char c = sql[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '"' || c == '\'')
            quote = c;
        else if (c == '[')
            quote = ']';
        else if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        else if (depth == 0 && IStartsWith(sql.substr(i), word)) {
            bool before = i == 0 || std::isspace(static_cast<unsigned char>(sql[i - 1]));
            size_t end = i + word.size();
            bool after = end >= sql.size() || std::isspace(static_cast<unsigned char>(sql[end]));
            if (before && after)
                return true;
        }
    }
    return false;
}

}  // namespace

std::string BracketName(std::string_view name) {
    bool plain = !name.empty() && !std::isdigit(static_cast<unsigned char>(name[0]));
    for (char c : name) {
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_'))
            plain = false;
    }
    if (plain || (name.size() >= 2 && name.front() == '[' && name.back() == ']'))
        return std::string(name);
    return "[" + std::string(name) + "]";
}

int QueryTypeFromDesign(const std::vector<QueryDesignRow>& rows) {
    for (const QueryDesignRow& r : rows) {
        if (r.attribute == kType)
            return DaoTypeOfKind(r.flag);
    }
    return dao::kQuerySelect;
}

std::string SqlFromQueryDesign(const std::vector<QueryDesignRow>& rows) {
    int kind = kSelect;
    std::string target;
    for (const QueryDesignRow& r : rows) {
        if (r.attribute == kType) {
            kind = r.flag;
            target = r.name1;
        }
    }
    // Statements that Jet keeps whole (pass-through, data definition).
    for (const QueryDesignRow& r : rows) {
        if (r.attribute == 0 && !r.expression.empty())
            return r.expression;
    }

    std::vector<std::string> parameters;
    std::string predicate;
    for (const QueryDesignRow& r : rows) {
        if (r.attribute == kParameter && !r.name1.empty()) {
            parameters.push_back(BracketName(r.name1) + " " +
                                 std::string(ParameterTypeName(r.flag)));
        } else if (r.attribute == kPredicate) {
            if (r.flag & 0x8)
                predicate += " DISTINCTROW";
            else if (r.flag & 0x2)
                predicate += " DISTINCT";
            if (r.flag & 0x30) {
                predicate += " TOP " + r.name1;
                if (r.flag & 0x20)
                    predicate += " PERCENT";
            }
        }
    }

    std::string sql;
    if (!parameters.empty())
        sql = "PARAMETERS " + JoinList(parameters, ", ") + ";\r\n";

    if (kind == kUnion) {
        std::vector<std::string> parts;
        for (const QueryDesignRow& r : rows) {
            if (r.attribute == kInputTable && !r.expression.empty())
                parts.push_back(r.expression);
        }
        sql += JoinList(parts, "\r\nUNION ");
    } else {
        std::vector<std::string> columns, valueColumns, pivot, fields;
        for (const QueryDesignRow& r : rows) {
            if (r.attribute != kOutputColumn)
                continue;
            if (kind == kCrosstab && r.flag == 1)
                pivot.push_back(r.expression);
            else if (kind == kCrosstab && r.flag == 0)
                valueColumns.push_back(Column(r));
            else if (kind == kAppend || kind == kUpdate) {
                columns.push_back(r.expression);
                fields.push_back(BracketName(r.name1));
            } else
                columns.push_back(Column(r));
        }
        std::string from = FromClause(rows);
        switch (kind) {
            case kUpdate: {
                std::vector<std::string> sets;
                for (size_t i = 0; i < columns.size(); ++i)
                    sets.push_back(fields[i] + " = " + columns[i]);
                sql += "UPDATE " + from + " SET " + JoinList(sets, ", ");
                break;
            }
            case kDelete:
                sql += "DELETE" + predicate + " " +
                       (columns.empty() ? "*" : JoinList(columns, ", ")) + "\r\nFROM " + from;
                break;
            case kAppend:
                sql += "INSERT INTO " + BracketName(target) + " ( " + JoinList(fields, ", ") +
                       " )\r\n";
                sql += "SELECT" + predicate + " " + JoinList(columns, ", ") + "\r\nFROM " + from;
                break;
            case kMakeTable:
                sql += "SELECT" + predicate + " " + JoinList(columns, ", ") + " INTO " +
                       BracketName(target) + "\r\nFROM " + from;
                break;
            case kCrosstab:
                sql += "TRANSFORM " + JoinList(valueColumns, ", ") + "\r\n";
                [[fallthrough]];
            default:
                sql += "SELECT" + predicate + " " + JoinList(columns, ", ") + "\r\nFROM " + from;
                break;
        }
        std::vector<std::string> where = Expressions(rows, kWhere);
        if (!where.empty())
            sql += "\r\nWHERE " + JoinList(where, " AND ");
        std::vector<std::string> groups;
        for (const QueryDesignRow& r : rows) {
            if (r.attribute == kGroupBy && !r.expression.empty() &&
                !(kind == kCrosstab && r.flag == 1)) {
                groups.push_back(r.expression);
            }
        }
        if (!groups.empty())
            sql += "\r\nGROUP BY " + JoinList(groups, ", ");
        std::vector<std::string> having = Expressions(rows, kHaving);
        if (!having.empty())
            sql += "\r\nHAVING " + JoinList(having, " AND ");
        if (!pivot.empty())
            sql += "\r\nPIVOT " + pivot.front();
    }
    std::vector<std::string> order;
    for (const QueryDesignRow& r : rows) {
        if (r.attribute == kOrderBy && !r.expression.empty()) {
            order.push_back(r.expression + (IEquals(r.name1, "D") ? " DESC" : ""));
        }
    }
    if (!order.empty())
        sql += "\r\nORDER BY " + JoinList(order, ", ");
    return sql + ";";
}

int QueryTypeFromSql(std::string_view sql) {
    std::string_view start = StatementStart(sql);
    if (IStartsWith(start, "TRANSFORM"))
        return dao::kQueryCrosstab;
    if (IStartsWith(start, "INSERT"))
        return dao::kQueryAppend;
    if (IStartsWith(start, "UPDATE"))
        return dao::kQueryUpdate;
    if (IStartsWith(start, "DELETE"))
        return dao::kQueryDelete;
    if (IStartsWith(start, "CREATE") || IStartsWith(start, "ALTER") || IStartsWith(start, "DROP")) {
        return dao::kQueryDDL;
    }
    if (HasTopLevelWord(start, "UNION"))
        return dao::kQuerySetOperation;
    if (IStartsWith(start, "SELECT") && HasTopLevelWord(start, "INTO"))
        return dao::kQueryMakeTable;
    return dao::kQuerySelect;
}

}  // namespace velorin
