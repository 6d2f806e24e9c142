#include "session/support_tables_refresh.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace velorin {
namespace {

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

// SQL text of a string literal.
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}

// Rows of a query with one or more text columns.
std::vector<std::vector<std::string>> Rows(sqlite3* db, const std::string& sql) {
    std::vector<std::vector<std::string>> rows;
    sqlite3_stmt* query = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &query, nullptr) != SQLITE_OK)
        return rows;
    while (sqlite3_step(query) == SQLITE_ROW) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int i = 0; i < sqlite3_column_count(query); ++i) {
            const unsigned char* text = sqlite3_column_text(query, i);
            row.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text) : "");
        }
    }
    sqlite3_finalize(query);
    return rows;
}

// The statements that give the database the template's tables and columns it
// lacks. A new column has a default, as every column the template adds has.
std::string MissingTablesAndColumns(sqlite3* db) {
    std::string sql;
    for (const auto& table : Rows(db,
                                  "SELECT name, sql FROM fresh.sqlite_master WHERE type = "
                                  "'table' AND name NOT LIKE 'sqlite%'")) {
        const std::string& name = table[0];
        if (Rows(db,
                 "SELECT 1 FROM main.sqlite_master WHERE type = 'table' AND name = " + Quoted(name))
                .empty()) {
            sql += table[1] + ";";
            continue;
        }
        std::vector<std::string> have;
        for (const auto& column :
             Rows(db, "SELECT name FROM pragma_table_info(" + Quoted(name) + ", 'main')"))
            have.push_back(column[0]);
        for (const auto& column :
             Rows(db, "SELECT name, type, \"notnull\", dflt_value FROM pragma_table_info(" +
                          Quoted(name) + ", 'fresh')")) {
            if (std::find(have.begin(), have.end(), column[0]) != have.end())
                continue;
            sql += "ALTER TABLE main." + name + " ADD COLUMN \"" + column[0] + "\" " + column[1];
            if (!column[3].empty())
                sql += (column[2] == "1" ? " NOT NULL DEFAULT " : " DEFAULT ") + column[3];
            sql += ";";
        }
    }
    return sql;
}

}  // namespace

bool RefreshSupportTables(const std::filesystem::path& database,
                          const std::filesystem::path& templateFile, std::string& why) {
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(database.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    std::unique_ptr<sqlite3, Closer> db(raw);
    if (opened != SQLITE_OK) {
        why = database.string() + " cannot be opened: " + sqlite3_errstr(opened);
        return false;
    }
    sqlite3_busy_timeout(db.get(), 2000);
    std::string sql = "ATTACH DATABASE " + Quoted(templateFile.string()) + " AS fresh;";
    char* error = nullptr;
    if (sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        why = templateFile.string() + " cannot be read (" +
              (error != nullptr ? error : "unknown error") + ")";
        sqlite3_free(error);
        return false;
    }
    sql = "BEGIN IMMEDIATE;" + MissingTablesAndColumns(db.get());
    for (const char* table : {"tblReasons", "Reports", "SavedStatements", "CustomControlMapping"})
        sql += std::string("INSERT OR IGNORE INTO main.") + table + " SELECT * FROM fresh." +
               table + ";";
    sql += "COMMIT;";
    if (sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        why = database.string() + ": its lists of reasons and reports cannot be brought up to " +
              "date (" + (error != nullptr ? error : "unknown error") + ")";
        sqlite3_free(error);
        sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    return true;
}

}  // namespace velorin
