#include "row_sources/select_list.h"

#include <map>
#include <string_view>

#include "common/ansi_text.h"

namespace velorin::row_sources {
namespace {

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

}  // namespace

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

}  // namespace velorin::row_sources
