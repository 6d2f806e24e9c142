// The fields a row source returns, and their DAO types. The probing database
// declares each column's type as "DAO_" and the DAO type number, so that
// SQLite reports the type a result column takes from its table.
#pragma once

#include <string>

namespace velorin {

struct ProbedField {
    std::string name;
    int type = 0;  // DAO type; 0 when unknown
};

namespace row_sources {

// The declared column type that carries a DAO type: "DAO_10" for a Text field.
std::string DeclaredType(int daoType);

// The DAO type a declared column type carries; 0 for any other declaration
// (an expression's column has none).
int DaoTypeOfDeclared(const char* declared);

// Byte, Integer, Long, Text and Numeric: the types the field-type probe
// answers "T" for.
bool TypeAnswersT(int daoType);

}  // namespace row_sources
}  // namespace velorin
