// Table definitions from the Access DDL the exporters write.
#pragma once

#include <optional>
#include <string_view>

#include "session/host/access_application.h"

namespace velorin {

// Reads "CREATE TABLE [Name] ( [Field] TYPE (size) ..., CONSTRAINT ... )".
std::optional<TableDef> TableFromCreateStatement(std::string_view ddl);

// DAO field type of a Jet DDL type word; `sized` tells TEXT(n) from TEXT.
int DaoTypeFromDdl(std::string_view typeWord, bool sized);

}  // namespace velorin
