// One query of the support database, read row by row; text columns as the
// bytes the database holds (Windows-1252).
#pragma once

#include <sqlite3.h>

#include <string>

namespace velorin {

class SqliteQuery {
  public:
    SqliteQuery(sqlite3* db, const char* sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK)
            Fail();
    }
    ~SqliteQuery() { sqlite3_finalize(statement_); }
    SqliteQuery(const SqliteQuery&) = delete;
    SqliteQuery& operator=(const SqliteQuery&) = delete;

    // True while there is a row; false at the end or on an error (Error() says which).
    bool Next() {
        if (statement_ == nullptr)
            return false;
        const int rc = sqlite3_step(statement_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            Fail();
        return false;
    }
    std::string Text(int column) const {
        const auto* text = sqlite3_column_text(statement_, column);
        return text == nullptr
                   ? std::string()
                   : std::string(reinterpret_cast<const char*>(text),
                                 static_cast<size_t>(sqlite3_column_bytes(statement_, column)));
    }
    long long Number(int column) const { return sqlite3_column_int64(statement_, column); }

    const std::string& Error() const { return error_; }
    int ErrorCode() const { return errorCode_; }

  private:
    void Fail() {
        errorCode_ = sqlite3_errcode(db_);
        error_ = sqlite3_errmsg(db_);
    }

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
    std::string error_;
    int errorCode_ = SQLITE_OK;
};

}  // namespace velorin
