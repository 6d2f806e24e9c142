#include <sqlite3.h>

#include "common/ansi_text.h"
#include "reports/report_data.h"

namespace velorin {
namespace {

// Read-only: report queries come from the database itself, and a query that
// tried to change it must fail rather than touch the analysis.
class ReadOnlyDatabase {
  public:
    explicit ReadOnlyDatabase(const std::filesystem::path& path) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) {
            error_ = "cannot open the support database " + path.string() + ": no such file";
            return;
        }
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            error_ = "cannot open the support database " + path.string() + ": " +
                     (db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory");
            sqlite3_close(db_);
            db_ = nullptr;
        }
    }
    ~ReadOnlyDatabase() { sqlite3_close(db_); }
    ReadOnlyDatabase(const ReadOnlyDatabase&) = delete;
    ReadOnlyDatabase& operator=(const ReadOnlyDatabase&) = delete;

    sqlite3* Handle() const { return db_; }
    const std::string& Error() const { return error_; }

  private:
    sqlite3* db_ = nullptr;
    std::string error_;
};

class Statement {
  public:
    Statement(sqlite3* db, const std::string& sql) {
        sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &statement_, nullptr);
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* Get() const { return statement_; }
    explicit operator bool() const { return statement_ != nullptr; }

  private:
    sqlite3_stmt* statement_ = nullptr;
};

std::string ColumnText(sqlite3_stmt* statement, int column) {
    const unsigned char* text = sqlite3_column_text(statement, column);
    if (text == nullptr)
        return {};
    return AnsiToUtf8(
        std::string_view(reinterpret_cast<const char*>(text),
                         static_cast<size_t>(sqlite3_column_bytes(statement, column))));
}

bool HasReportsTable(sqlite3* db, std::string& error) {
    Statement lookup(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'Reports'");
    if (!lookup) {
        error = sqlite3_errmsg(db);
        return false;
    }
    return sqlite3_step(lookup.Get()) == SQLITE_ROW;
}

ReportCell ReadCell(sqlite3_stmt* statement, int column) {
    ReportCell cell;
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_NULL:
            break;
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            cell.kind = ReportCell::Kind::Number;
            cell.number = sqlite3_column_double(statement, column);
            cell.text = ColumnText(statement, column);
            break;
        default:
            cell.kind = ReportCell::Kind::Text;
            cell.text = ColumnText(statement, column);
            break;
    }
    return cell;
}

bool RunQuery(sqlite3* db, const std::string& sql, ReportData& report, std::string& error) {
    Statement query(db, sql);
    if (!query) {
        // An empty or all-comment query prepares to nothing without an error.
        error = "report " + report.name + ": " +
                (sqlite3_errcode(db) != SQLITE_OK ? sqlite3_errmsg(db) : "no query");
        return false;
    }
    sqlite3_stmt* statement = query.Get();
    const int columns = sqlite3_column_count(statement);
    for (int c = 0; c < columns; ++c) {
        const char* name = sqlite3_column_name(statement, c);
        report.columns.push_back(AnsiToUtf8(name != nullptr ? name : ""));
    }
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        std::vector<ReportCell>& row = report.rows.emplace_back();
        for (int c = 0; c < columns; ++c)
            row.push_back(ReadCell(statement, c));
    }
    if (rc != SQLITE_DONE) {
        error = "report " + report.name + ": " + sqlite3_errmsg(db);
        return false;
    }
    return true;
}

}  // namespace

std::vector<ReportEntry> ListReports(const std::filesystem::path& supportDb, std::string& error) {
    error.clear();
    std::vector<ReportEntry> entries;
    ReadOnlyDatabase db(supportDb);
    if (db.Handle() == nullptr) {
        error = db.Error();
        return entries;
    }
    if (!HasReportsTable(db.Handle(), error))
        return entries;
    Statement list(db.Handle(), "SELECT Name, Title FROM Reports ORDER BY Position");
    if (!list) {
        error = sqlite3_errmsg(db.Handle());
        return entries;
    }
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(list.Get())) == SQLITE_ROW)
        entries.push_back({ColumnText(list.Get(), 0), ColumnText(list.Get(), 1)});
    if (rc != SQLITE_DONE) {
        error = sqlite3_errmsg(db.Handle());
        entries.clear();
    }
    return entries;
}

bool ReadReports(const std::filesystem::path& supportDb, const std::vector<std::string>& names,
                 std::vector<ReportData>& reports, std::string& error) {
    error.clear();
    reports.clear();
    std::vector<ReportData> read;
    ReadOnlyDatabase db(supportDb);
    if (db.Handle() == nullptr) {
        error = db.Error();
        return false;
    }
    const bool hasReports = HasReportsTable(db.Handle(), error);
    if (!error.empty())
        return false;
    for (const std::string& name : names) {
        if (!hasReports) {
            error = "no report named \"" + name + "\" in " + supportDb.string();
            return false;
        }
        Statement definition(db.Handle(),
                             "SELECT Name, Title, Query, GroupColumns, BarChart FROM Reports "
                             "WHERE Name = ?1 COLLATE NOCASE ORDER BY Position LIMIT 1");
        if (!definition) {
            error = sqlite3_errmsg(db.Handle());
            return false;
        }
        const std::string ansiName = Utf8ToAnsi(name);
        sqlite3_bind_text(definition.Get(), 1, ansiName.data(), static_cast<int>(ansiName.size()),
                          SQLITE_TRANSIENT);
        if (sqlite3_step(definition.Get()) != SQLITE_ROW) {
            error = "no report named \"" + name + "\" in " + supportDb.string();
            return false;
        }
        ReportData report;
        report.name = ColumnText(definition.Get(), 0);
        report.title = ColumnText(definition.Get(), 1);
        const unsigned char* sql = sqlite3_column_text(definition.Get(), 2);
        report.groupColumns = sqlite3_column_int(definition.Get(), 3);
        report.barChart = sqlite3_column_int(definition.Get(), 4) != 0;
        if (!RunQuery(db.Handle(), sql != nullptr ? reinterpret_cast<const char*>(sql) : "", report,
                      error))
            return false;
        read.push_back(std::move(report));
    }
    reports = std::move(read);
    return true;
}

}  // namespace velorin
