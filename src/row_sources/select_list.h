// The select list of a translated SELECT: which items are expressions, columns
// or stars, aliased or taken from which table, for the names DAO gives the
// result columns.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "row_sources/field_types.h"
#include "row_sources/jet_sql_tokens.h"

namespace velorin::row_sources {

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

// The items of the first SELECT's list and where its FROM clause lies; empty
// when the list cannot be made out (an empty item).
std::optional<SelectList> ParseSelectList(const Tokens& tokens);

// Where two result columns share a name, DAO names each by its table.
void QualifyDuplicateNames(std::vector<ProbedField>& fields,
                           const std::vector<std::string>& qualifiers);

}  // namespace velorin::row_sources
