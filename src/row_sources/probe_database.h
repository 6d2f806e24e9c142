// The probing database: an in-memory SQLite database that holds every table of
// the application as an empty table and every saved select query as a view, so
// that SQLite can prepare a translated SELECT and report its result columns.
// Access and VBA functions exist in it as functions that answer Null.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/ansi_text.h"
#include "row_sources/field_types.h"
#include "row_sources/jet_sql_tokens.h"
#include "row_sources/select_list.h"
#include "session/host/access_application.h"

struct sqlite3;
struct sqlite3_stmt;

namespace velorin::row_sources {

// The temporary query a row source's SELECT was saved as while it was probed
// in Access; one left behind in an application is never part of the schema.
inline constexpr std::string_view kTemporaryQuery = "tmpqVLRN";

class ProbeDatabase {
  public:
    ProbeDatabase() = default;
    ~ProbeDatabase();
    ProbeDatabase(const ProbeDatabase&) = delete;
    ProbeDatabase& operator=(const ProbeDatabase&) = delete;

    // Builds the schema from the application's tables and saved queries, on
    // the first call only.
    void EnsureSchema(const AccessApplication& application);
    // The fields of a SELECT; empty when SQLite cannot prepare it.
    std::vector<ProbedField> FieldsOfSelect(std::string_view sql);
    // The fields of a saved query: those of its view, or those Access listed.
    std::vector<ProbedField> FieldsOfSavedQuery(const QueryDef& query);
    // How often the schema was built (once at most).
    int BuildCount() const { return buildCount_; }

  private:
    struct PrepareOutcome;
    enum class ViewResult { Created, Waiting, Failed };

    bool Open();
    bool RegisterFunction(std::string_view name, bool aggregate);
    bool Execute(const std::string& sql);
    void CreateTable(std::string_view name, const std::vector<FieldDef>& fields);
    PrepareOutcome Prepare(Tokens& tokens);
    std::optional<std::vector<int>> CountItemColumns(const SelectList& list, const Tokens& tokens,
                                                     int total);
    std::vector<ProbedField> Describe(sqlite3_stmt* statement, const Tokens& tokens);
    bool CreateView(const std::string& name, const std::vector<ProbedField>& fields,
                    const Tokens& tokens);
    ViewResult TryCreateView(const QueryDef& query);

    sqlite3* db_ = nullptr;
    bool built_ = false;
    int buildCount_ = 0;
    std::map<std::string, std::vector<ProbedField>, ILess> savedQueries_;
    std::set<std::string, ILess> unresolvedQueries_;
    std::set<std::string, ILess> addedFunctions_;
};

}  // namespace velorin::row_sources
