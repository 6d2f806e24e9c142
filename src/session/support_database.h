// The support database (vlrn.db): analysis tables, custom control mapping,
// saved statements and report definitions. Opened once per session, on first
// use; every statement binds its values.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace velorin {

class SupportDatabase {
  public:
    explicit SupportDatabase(std::filesystem::path path);
    ~SupportDatabase();
    SupportDatabase(const SupportDatabase&) = delete;
    SupportDatabase& operator=(const SupportDatabase&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Opens the existing database (never creates one); true when open.
    bool Open();
    bool IsOpen() const { return db_ != nullptr; }
    void Close();

    // Runs one of the database's saved statements by name.
    bool RunSavedStatement(std::string_view name);

    // A prepared statement, reset and with its bindings cleared; kept for reuse.
    sqlite3_stmt* Prepare(const std::string& sql);

    // Groups writes so that a form's or module's rows land together; a killed
    // conversion loses at most the open group.
    void BeginGroup();
    void CommitGroup();

    int LastErrorCode() const { return lastErrorCode_; }
    const std::string& LastError() const { return lastError_; }
    void RecordError();

  private:
    std::filesystem::path path_;
    sqlite3* db_ = nullptr;
    bool openFailed_ = false;
    bool inGroup_ = false;
    std::map<std::string, sqlite3_stmt*> statements_;
    int lastErrorCode_ = 0;
    std::string lastError_;
};

}  // namespace velorin
