// The statement rules that need more than one table row: the DoCmd actions
// and the requery of a list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "code/code_file_state.h"

namespace velorin {

// Lines that begin with "DoCmd.".
void ApplyDoCmdRules(CodeFileState& state);
// Lines that contain ".Requery" without being a DoCmd line.
void ApplyListRequeryRule(CodeFileState& state);

// "Set db = CurrentDb" and the declarations of db: returns true when the line
// was one of them.
bool ApplyCurrentDatabaseRule(CodeFileState& state);
// Whether the statement is one the rule above reads: it sets, declares or
// closes db, or sets a variable to the current database.
bool IsDatabaseStatement(std::string_view code);
// Whether the statements give db a database other than the application's own.
bool AssignsAnotherDatabase(const std::vector<std::string>& statements);

// What a Requery of `object` ("Me", "Me!lstOrders", "rs") becomes.
struct Requery {
    enum Kind {
        Refresh,  // `statement` refreshes the data control that holds the rows
        Refill,   // `statement` fills an unbound list again
        Mark,     // nothing in the project can do it: the line is marked
        Keep,     // a recordset's own Requery
    } kind = Keep;
    std::string statement;
};
Requery RequeryOf(const CodeFileState& state, std::string_view object);

}  // namespace velorin
