// The support database (vlrn.db): analysis tables, custom control mapping,
// saved statements and report definitions. Opened once per session, on first
// use; every statement binds its values.
//
// While it is open the connection holds the database's exclusive lock: one
// conversion owns the analysis tables from the start to the end, and another
// conversion (or a report) given the same file is refused.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "session/user_interface.h"

namespace velorin {

class SupportDatabase {
  public:
    // Why Open refused the file.
    enum class Problem {
        None,
        Missing,     // no such file
        NotAFile,    // a directory or a device
        NotSqlite,   // empty, or not an SQLite database
        NotSupport,  // an SQLite database without the analysis tables
        ReadOnly,    // the analysis could not be written to it
        Locked,      // another conversion or program holds its lock
        Other,
    };

    explicit SupportDatabase(std::filesystem::path path);
    ~SupportDatabase();
    SupportDatabase(const SupportDatabase&) = delete;
    SupportDatabase& operator=(const SupportDatabase&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Opens the existing database (never creates one) and takes its lock; true
    // when open. A file refused is left as it was; OpenProblem and LastError
    // say why.
    bool Open();
    bool IsOpen() const { return db_ != nullptr; }
    void Close();
    Problem OpenProblem() const { return problem_; }

    // The open connection, for settings of the connection itself.
    sqlite3* Connection() const { return db_; }

    // Runs one of the database's saved statements by name.
    bool RunSavedStatement(std::string_view name);

    // A prepared statement, reset and with its bindings cleared; kept for reuse.
    sqlite3_stmt* Prepare(std::string_view sql);

    // Groups writes so that a form's or module's rows land together; a killed
    // conversion loses at most the open group.
    void BeginGroup();
    void CommitGroup();

    int LastErrorCode() const { return lastErrorCode_; }
    const std::string& LastError() const { return lastError_; }
    // Keeps the connection's error as the last one, and as the failure when
    // it is the first since the database was opened.
    void RecordError();

    // The writers go on after a failed statement; the first failure since
    // the database was opened (naming it) tells the driver that the analysis
    // is incomplete.
    bool Failed() const { return !failure_.empty(); }
    const std::string& Failure() const { return failure_; }

    // A holding database opens no file and hands the writes made to it to
    // `keep`: a form converted ahead of its turn, on a worker thread, writes
    // its rows into one, and the driver makes them on the open database in
    // the form's turn. The writers check Holding and hold themselves.
    using HeldWrite = std::function<void(SupportDatabase&, UserInterface&)>;
    void HoldWrites(std::function<void(HeldWrite)> keep) { keep_ = std::move(keep); }
    bool Holding() const { return keep_ != nullptr; }
    void Hold(HeldWrite write) { keep_(std::move(write)); }

  private:
    bool Refuse(Problem problem, const std::string& why);
    void RecordFailure(const std::string& why);

    std::filesystem::path path_;
    sqlite3* db_ = nullptr;
    bool openFailed_ = false;
    bool inGroup_ = false;
    std::function<void(HeldWrite)> keep_;
    std::map<std::string, sqlite3_stmt*, std::less<>> statements_;
    int lastErrorCode_ = 0;
    std::string lastError_;
    Problem problem_ = Problem::None;
    std::string failure_;
};

}  // namespace velorin
