#include "session/support_tables_refresh.h"

#include <sqlite3.h>

#include <memory>

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
    sql += "BEGIN IMMEDIATE;";
    for (const char* table : {"tblReasons", "Reports", "SavedStatements", "CustomControlMapping"})
        sql += std::string("INSERT OR IGNORE INTO main.") + table + " SELECT * FROM fresh." +
               table + ";";
    sql += "COMMIT;";
    char* error = nullptr;
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
