// Query SQL and DAO query types from the forms queries are stored in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velorin {

// One row of a query's design as Jet stores it (MSysQueries) and the export's
// design format repeats: attribute code, flag, two names and an expression.
struct QueryDesignRow {
    int attribute = 0;
    int flag = 0;
    std::string name1;
    std::string name2;
    std::string expression;
};

// Rebuilds Access SQL from a stored query design.
std::string SqlFromQueryDesign(const std::vector<QueryDesignRow>& rows);

// DAO QueryDef.Type of a stored design (the type row's flag).
int QueryTypeFromDesign(const std::vector<QueryDesignRow>& rows);

// DAO QueryDef.Type from the statement's leading keywords.
int QueryTypeFromSql(std::string_view sql);

// Names that are not plain identifiers go in brackets.
std::string BracketName(std::string_view name);

}  // namespace velorin
