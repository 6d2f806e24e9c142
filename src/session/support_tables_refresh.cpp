#include "session/support_tables_refresh.h"

#include <sqlite3.h>

#include <memory>
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

// The CREATE TABLE statements of the template's tables that the database
// lacks; false when they cannot be read.
bool MissingTables(sqlite3* db, std::vector<std::string>& statements) {
    sqlite3_stmt* raw = nullptr;
    const char* query =
        "SELECT sql FROM fresh.sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' "
        "AND name NOT IN (SELECT name FROM main.sqlite_master) ORDER BY rowid";
    if (sqlite3_prepare_v2(db, query, -1, &raw, nullptr) != SQLITE_OK)
        return false;
    std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> statement(raw, sqlite3_finalize);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        if (const unsigned char* sql = sqlite3_column_text(raw, 0))
            statements.emplace_back(reinterpret_cast<const char*>(sql));
    }
    return rc == SQLITE_DONE;
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
    const auto fail = [&](const std::string& error) {
        why = database.string() + ": its tables and lists of reasons and reports cannot be " +
              "brought up to date (" + error + ")";
        sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    };
    const auto run = [&](const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, &error) == SQLITE_OK)
            return true;
        const std::string text = error != nullptr ? error : "unknown error";
        sqlite3_free(error);
        return fail(text);
    };
    if (!run("ATTACH DATABASE " + Quoted(templateFile.string()) + " AS fresh; BEGIN IMMEDIATE;"))
        return false;
    // Tables of a later version (tblCodeMap), made with the very statement the
    // template was made with.
    std::vector<std::string> missingTables;
    if (!MissingTables(db.get(), missingTables))
        return fail(sqlite3_errmsg(db.get()));
    for (const std::string& create : missingTables) {
        if (!run(create))
            return false;
    }
    std::string sql;
    for (const char* table : {"tblReasons", "Reports", "SavedStatements", "CustomControlMapping"})
        sql += std::string("INSERT OR IGNORE INTO main.") + table + " SELECT * FROM fresh." +
               table + ";";
    sql += "COMMIT;";
    return run(sql);
}

}  // namespace velorin
