#include "session/support_database.h"

#include <system_error>

namespace velorin {
namespace {

// How long a conversion waits for a lock another connection holds.
constexpr int kBusyTimeoutMs = 2000;

}  // namespace

SupportDatabase::SupportDatabase(std::filesystem::path path) : path_(std::move(path)) {}

SupportDatabase::~SupportDatabase() {
    Close();
}

bool SupportDatabase::Refuse(Problem problem, const std::string& why) {
    if (db_ != nullptr) {
        // Nothing was written: closed as it is, its journal mode untouched.
        sqlite3_close(db_);
        db_ = nullptr;
    }
    problem_ = problem;
    if (lastErrorCode_ == SQLITE_OK)
        lastErrorCode_ = SQLITE_CANTOPEN;
    lastError_ = "the support database " + path_.string() + " " + why;
    openFailed_ = true;
    return false;
}

bool SupportDatabase::Open() {
    if (db_ != nullptr)
        return true;
    if (openFailed_ || Holding())
        return false;
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path_, ec);
    if (!std::filesystem::exists(status))
        return Refuse(Problem::Missing, "does not exist");
    if (!std::filesystem::is_regular_file(status))
        return Refuse(Problem::NotAFile, "is not a file");
    // SQLite would take an empty file for a new database and write one into it.
    if (std::filesystem::file_size(path_, ec) == 0)
        return Refuse(Problem::NotSqlite, "is empty, not an SQLite database");
    lastErrorCode_ = sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    if (lastErrorCode_ != SQLITE_OK)
        return Refuse(Problem::Other,
                      std::string("cannot be opened: ") + sqlite3_errstr(lastErrorCode_));
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    // Set before the first read, so that a database a killed conversion left
    // in write-ahead mode is locked as one in rollback mode is.
    sqlite3_exec(db_, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);

    // Reading the schema finds a file that is not a database, another
    // program's lock and a database that is not ours, before anything is
    // written.
    sqlite3_stmt* check = nullptr;
    int rc = sqlite3_prepare_v2(db_, "SELECT COUNT(*) FROM tblReportOutput, tblStats WHERE 0", -1,
                                &check, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(check) == SQLITE_ROW ? SQLITE_OK : sqlite3_errcode(db_);
    sqlite3_finalize(check);
    if (rc != SQLITE_OK) {
        lastErrorCode_ = rc;
        switch (rc & 0xff) {
            case SQLITE_BUSY:
            case SQLITE_LOCKED:
                return Refuse(Problem::Locked, "is locked by another conversion or program");
            case SQLITE_NOTADB:
                return Refuse(Problem::NotSqlite, "is not an SQLite database");
            case SQLITE_ERROR:
                return Refuse(Problem::NotSupport,
                              "lacks the analysis tables (tblReportOutput, tblStats)");
            default:
                return Refuse(Problem::Other,
                              std::string("cannot be read: ") + sqlite3_errmsg(db_));
        }
    }
    if (sqlite3_db_readonly(db_, "main") == 1) {
        lastErrorCode_ = SQLITE_READONLY;
        return Refuse(Problem::ReadOnly, "is read-only; the analysis cannot be written to it");
    }

    // The exclusive lock, kept until the connection closes.
    rc = sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        lastErrorCode_ = rc;
        if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED)
            return Refuse(Problem::Locked, "is locked by another conversion or program");
        if ((rc & 0xff) == SQLITE_READONLY)
            return Refuse(Problem::ReadOnly, "is read-only; the analysis cannot be written to it");
        return Refuse(Problem::Other, std::string("cannot be locked: ") + sqlite3_errmsg(db_));
    }
    // A write-ahead log: each form's rows commit without a journal file made
    // and deleted, and a killed conversion still leaves only whole commits.
    sqlite3_exec(db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr, nullptr,
                 nullptr);
    problem_ = Problem::None;
    failure_.clear();
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

sqlite3_stmt* SupportDatabase::Prepare(std::string_view sql) {
    if (!Open())
        return nullptr;
    auto it = statements_.find(sql);
    if (it != statements_.end()) {
        sqlite3_reset(it->second);
        sqlite3_clear_bindings(it->second);
        return it->second;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement, nullptr) !=
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
        RecordFailure(lastError_);
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
    else
        RecordError();
}

void SupportDatabase::CommitGroup() {
    if (db_ == nullptr || !inGroup_)
        return;
    inGroup_ = false;
    // A statement that failed for want of space may have ended the
    // transaction already; its failure is the one kept.
    if (sqlite3_get_autocommit(db_) != 0)
        return;
    if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        RecordError();
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void SupportDatabase::RecordError() {
    if (db_ == nullptr)
        return;
    lastErrorCode_ = sqlite3_errcode(db_);
    lastError_ = sqlite3_errmsg(db_);
    RecordFailure(lastError_);
}

void SupportDatabase::RecordFailure(const std::string& why) {
    if (failure_.empty())
        failure_ = "the analysis could not be written to the support database " + path_.string() +
                   ": " + why;
}

}  // namespace velorin
