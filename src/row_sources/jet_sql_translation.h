// Jet SQL to SQLite, far enough for SQLite to prepare a SELECT and report its
// result columns: Jet's operators, constants and qualifiers in SQLite's terms,
// and what does not change the columns (PARAMETERS, TOP, DISTINCTROW) left out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "row_sources/jet_sql_tokens.h"

namespace velorin::row_sources {

// Access statements are limited to about 64,000 characters; far longer text is
// not a statement.
inline constexpr size_t kMaxStatementBytes = 1'000'000;

// A SELECT (or a union of them) as SQLite tokens; empty for anything else.
std::optional<Tokens> TranslateSelect(std::string_view sql);

// A name in SQLite's double quotes.
std::string QuoteName(std::string_view name);

// The tokens from `first` to `last` as SQLite text.
std::string Serialize(const Tokens& tokens, size_t first = 0, size_t last = SIZE_MAX);

// Form references and parameters are unknown to the schema; as Null they leave
// the statement's columns as they are. False when the name is nowhere.
bool ReplaceUnknownColumn(Tokens& tokens, std::string_view name);

}  // namespace velorin::row_sources
