// The fields of a row source or record source, as DAO lists them for the
// source database. Without Access the answer comes from the application's
// table and query definitions: an in-memory SQLite database holds every table
// as an empty table and every saved select query as a view, and a SELECT is
// translated from Access SQL far enough for SQLite to prepare it and report
// its result columns.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "row_sources/field_types.h"
#include "session/host/access_application.h"

namespace velorin {

class RowSourceProbe {
  public:
    explicit RowSourceProbe(const AccessApplication& application);
    ~RowSourceProbe();
    RowSourceProbe(const RowSourceProbe&) = delete;
    RowSourceProbe& operator=(const RowSourceProbe&) = delete;

    // The fields a row source or record source returns, as DAO would list them;
    // empty when it cannot be resolved. A SELECT sees the tables and saved
    // queries as they were at the probe's first use. Safe to call from
    // several threads: the calls take turns, and none changes the application.
    std::vector<ProbedField> Fields(std::string_view rowSource);
    // RowSourceFieldName: the name of field n (0-based), empty when there is none.
    std::string FieldName(std::string_view rowSource, int n);
    // The field-type probe: "T" for DAO types 2, 3, 4, 10 and 19 of field n, else "F".
    std::string FieldTypeClass(std::string_view rowSource, int n);

    // How often the SQLite schema was built (once at most); for diagnostics.
    int SchemaBuildCount() const;

  private:
    struct State;
    const AccessApplication& application_;
    std::unique_ptr<State> state_;
};

}  // namespace velorin
