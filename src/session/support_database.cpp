#include "session/support_database.h"

namespace velorin {

SupportDatabase::SupportDatabase(std::filesystem::path path) : path_(std::move(path)) {}

SupportDatabase::~SupportDatabase() {
    Close();
}

bool SupportDatabase::Open() {
    if (db_ != nullptr)
        return true;
    if (openFailed_)
        return false;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path_, ec) ||
        sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        if (db_ != nullptr) {
            RecordError();
            sqlite3_close(db_);
            db_ = nullptr;
        } else {
            lastErrorCode_ = SQLITE_CANTOPEN;
            lastError_ = "cannot open " + path_.string();
        }
        openFailed_ = true;
        return false;
    }
    sqlite3_busy_timeout(db_, 2000);
    // A write-ahead log: each form's rows commit without a journal file made
    // and deleted, and a killed conversion still leaves only whole commits.
    sqlite3_exec(db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr, nullptr,
                 nullptr);
    // A table missing means this is not our support database.
    sqlite3_stmt* check = Prepare("SELECT COUNT(*) FROM tblReportOutput, tblStats WHERE 0");
    if (check == nullptr) {
        Close();
        openFailed_ = true;
        return false;
    }
    return true;
}

void SupportDatabase::Close() {
    if (db_ == nullptr)
        return;
    CommitGroup();
    for (auto& [sql, statement] : statements_)
        sqlite3_finalize(statement);
    statements_.clear();
    // Back to a plain journal, so that readers opening it read-only need no
    // write-ahead files beside it.
    sqlite3_exec(db_, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
    db_ = nullptr;
}

sqlite3_stmt* SupportDatabase::Prepare(const std::string& sql) {
    if (!Open())
        return nullptr;
    auto it = statements_.find(sql);
    if (it != statements_.end()) {
        sqlite3_reset(it->second);
        sqlite3_clear_bindings(it->second);
        return it->second;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr) !=
        SQLITE_OK) {
        RecordError();
        return nullptr;
    }
    statements_.emplace(sql, statement);
    return statement;
}

bool SupportDatabase::RunSavedStatement(std::string_view name) {
    sqlite3_stmt* lookup = Prepare("SELECT Statement FROM SavedStatements WHERE Name = ?1");
    if (lookup == nullptr)
        return false;
    sqlite3_bind_text(lookup, 1, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(lookup) != SQLITE_ROW) {
        lastErrorCode_ = SQLITE_NOTFOUND;
        lastError_ = "no saved statement " + std::string(name);
        sqlite3_reset(lookup);
        return false;
    }
    std::string sql = reinterpret_cast<const char*>(sqlite3_column_text(lookup, 0));
    sqlite3_reset(lookup);
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        RecordError();
        return false;
    }
    return true;
}

void SupportDatabase::BeginGroup() {
    if (!Open() || inGroup_)
        return;
    if (sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK)
        inGroup_ = true;
}

void SupportDatabase::CommitGroup() {
    if (db_ == nullptr || !inGroup_)
        return;
    if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        RecordError();
    inGroup_ = false;
}

void SupportDatabase::RecordError() {
    if (db_ == nullptr)
        return;
    lastErrorCode_ = sqlite3_errcode(db_);
    lastError_ = sqlite3_errmsg(db_);
}

}  // namespace velorin
