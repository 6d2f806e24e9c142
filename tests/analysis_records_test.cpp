#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "code/analysis_records.h"
#include "session/support_tables_refresh.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedUi;
using testing::TempDir;

using testing::Rows;

TEST(AnalysisRecords, ReportRowsKeepTextAsGiven) {
    TempDir dir;
    auto path = testing::FreshSupportDatabase(dir);
    {
        SupportDatabase db(path);
        std::string longLine(600, 'x');
        WriteReportRecord(
            db, {"O'Brien \"Form\"", 7, "DoCmd.OpenForm \"A\"", 12, "frmA.Show", "Sub Go"});
        WriteReportRecord(db, {"M", 1, longLine, -1, "", ""});
    }
    auto rows = Rows(path,
                     "SELECT ModuleName, ReasonID, CodeLine, LineNumber, TranslatedLine, Routine, "
                     "length(CodeLine) FROM tblReportOutput ORDER BY ID");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"O'Brien \"Form\"", "7", "DoCmd.OpenForm \"A\"",
                                                 "12", "frmA.Show", "Sub Go", "18"}));
    EXPECT_EQ(rows[1][3], "-1");
    EXPECT_EQ(rows[1][6], "600");
}

// A database an earlier version made lacks the newer reasons, tables and
// columns: they are added, its findings and the user's own changes stay, and
// a template it cannot take leaves it as it was.
TEST(AnalysisRecords, AnOlderSupportDatabaseLearnsTheNewerReasonsAndKeepsItsFindings) {
    TempDir dir;
    const fs::path fresh = testing::FreshSupportDatabase(dir);
    const fs::path older = dir / "older.db";
    fs::copy_file(fresh, older);
    const auto exec = [](const fs::path& path, const char* sql) {
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
        sqlite3_close(db);
    };
    exec(older,
         "DELETE FROM tblReasons WHERE ReasonID >= 14; "
         "UPDATE tblReasons SET Description = 'Mine' WHERE ReasonID = 1; "
         "INSERT INTO tblReportOutput (ModuleName, ReasonID) VALUES ('basA', 14); "
         "DROP TABLE tblCodeMap; ALTER TABLE tblReportOutput DROP COLUMN AccessLine");
    const std::string report =
        "SELECT COUNT(*) FROM tblReportOutput o JOIN tblReasons r ON r.ReasonID = o.ReasonID";
    ASSERT_EQ(Rows(older, report), (std::vector<std::vector<std::string>>{{"0"}}));

    std::string why;
    ASSERT_TRUE(RefreshSupportTables(older, fresh, why)) << why;
    EXPECT_EQ(Rows(older, report), (std::vector<std::vector<std::string>>{{"1"}}));
    EXPECT_EQ(Rows(older, "SELECT COUNT(*) FROM tblReasons"),
              Rows(fresh, "SELECT COUNT(*) FROM tblReasons"));
    EXPECT_EQ(Rows(older, "SELECT Description FROM tblReasons WHERE ReasonID = 1"),
              (std::vector<std::vector<std::string>>{{"Mine"}}));
    EXPECT_EQ(Rows(older, "SELECT ModuleName, AccessLine FROM tblReportOutput"),
              (std::vector<std::vector<std::string>>{{"basA", "0"}}));
    const std::string codeMap = "SELECT sql FROM sqlite_master WHERE name = 'tblCodeMap'";
    EXPECT_EQ(Rows(older, codeMap), Rows(fresh, codeMap));
    EXPECT_EQ(Rows(older, codeMap).size(), 1u);

    // A table the user changed so that the template's rows no longer fit it.
    Rows(older,
         "ALTER TABLE Reports ADD COLUMN Mine INTEGER; DELETE FROM tblReasons WHERE ReasonID = 1");
    EXPECT_FALSE(RefreshSupportTables(older, fresh, why));
    EXPECT_NE(why.find("cannot be brought up to date"), std::string::npos) << why;
    EXPECT_EQ(Rows(older, "SELECT COUNT(*) FROM tblReasons WHERE ReasonID = 1"),
              (std::vector<std::vector<std::string>>{{"0"}}));
}

TEST(AnalysisRecords, StatisticsMergeWithoutZerosOverwriting) {
    TempDir dir;
    auto path = testing::FreshSupportDatabase(dir);
    ScriptedUi ui;
    {
        SupportDatabase db(path);
        // The form side writes the control counts, the code side the lines.
        ModuleStats controls;
        controls.moduleName = "Orders";
        controls.ctlCount = 42;
        controls.ctlsPartiallyConverted = 3;
        WriteModuleStats(db, ui, controls);
        ModuleStats code;
        code.moduleName = "ORDERS";
        code.totalLines = 120;
        code.blankLines = 10;
        code.codeLines = 97;
        WriteModuleStats(db, ui, code);
        ModuleStats blanks;
        blanks.moduleName = "Blank Module";
        blanks.totalLines = 3;
        blanks.blankLines = 3;
        WriteModuleStats(db, ui, blanks);
    }
    EXPECT_TRUE(ui.messages.empty());
    auto rows = Rows(path,
                     "SELECT ModuleName, TotalLines, CommentLines, BlankLines, CtlCount, "
                     "CtlsPartiallyConverted, CodeLines FROM tblStats ORDER BY ModuleName");
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                        {"Blank Module", "3", "0", "3", "0", "0", "0"},
                        {"ORDERS", "120", "0", "10", "42", "3", "97"}}));
}

TEST(AnalysisRecords, ASessionStartsWithEmptyTables) {
    TempDir dir;
    auto path = testing::FreshSupportDatabase(dir);
    {
        SupportDatabase db(path);
        WriteReportRecord(db, {"A", 1, "x", 1, "", ""});
    }
    SupportDatabase db(path);
    EXPECT_TRUE(db.RunSavedStatement("qryRptOutputDel"));
    EXPECT_TRUE(db.RunSavedStatement("qryStatsDel"));
    EXPECT_FALSE(db.RunSavedStatement("qryNoSuch"));
    db.Close();
    EXPECT_EQ(Rows(path, "SELECT COUNT(*) FROM tblReportOutput")[0][0], "0");
}

TEST(AnalysisRecords, AFailedStatisticsWriteIsShown) {
    TempDir dir;
    ScriptedUi ui;
    SupportDatabase db(dir / "absent.db");
    WriteModuleStats(db, ui, {"X", 1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("absent.db\r\n"), std::string::npos);
    // Findings are dropped silently.
    WriteReportRecord(db, {"X", 1, "x", 1, "", ""});
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST(AnalysisRecords, AnOpenDatabaseIsOneConversionsAlone) {
    TempDir dir;
    auto path = testing::FreshSupportDatabase(dir);
    {
        SupportDatabase db(path);
        ASSERT_TRUE(db.Open()) << db.LastError();
        WriteReportRecord(db, {"Kept", 1, "x", 1, "", ""});
        // Another conversion is refused, naming the database, and a reader
        // sees nothing of rows still being written.
        SupportDatabase second(path);
        EXPECT_FALSE(second.Open());
        EXPECT_EQ(second.OpenProblem(), SupportDatabase::Problem::Locked);
        EXPECT_NE(second.LastError().find(path.string() + " is locked"), std::string::npos)
            << second.LastError();
        EXPECT_TRUE(Rows(path, "SELECT COUNT(*) FROM tblReportOutput").empty());
        WriteReportRecord(db, {"Kept", 1, "y", 2, "", ""});
        EXPECT_FALSE(db.Failed()) << db.Failure();
    }
    EXPECT_EQ(Rows(path, "SELECT COUNT(*) FROM tblReportOutput")[0][0], "2");
}

// The bytes and the modification time of a file.
struct FileState {
    explicit FileState(const std::filesystem::path& path)
        : bytes(testing::ReadFile(path)), time(std::filesystem::last_write_time(path)) {}
    bool operator==(const FileState&) const = default;
    std::string bytes;
    std::filesystem::file_time_type time;
};

TEST(AnalysisRecords, AFileThatIsNoSupportDatabaseIsRefusedAsItIsAndLeftAlone) {
    TempDir dir;
    Rows(dir / "other.db", "CREATE TABLE Customers (Name TEXT)");
    testing::WriteFile(dir / "empty.db", "");
    testing::WriteFile(dir / "text.db", std::string(2000, 'x'));
    const auto locked = testing::FreshSupportDatabase(dir);
    sqlite3* holder = nullptr;
    sqlite3_open(locked.c_str(), &holder);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    using Problem = SupportDatabase::Problem;
    const std::pair<std::string, Problem> cases[] = {{"empty.db", Problem::NotSqlite},
                                                     {"text.db", Problem::NotSqlite},
                                                     {"other.db", Problem::NotSupport},
                                                     {"vlrn.db", Problem::Locked}};
    for (const auto& [name, problem] : cases) {
        const FileState before(dir / name);
        SupportDatabase db(dir / name);
        EXPECT_FALSE(db.Open()) << name;
        EXPECT_EQ(db.OpenProblem(), problem) << name;
        EXPECT_NE(db.LastError().find((dir / name).string()), std::string::npos) << db.LastError();
        db.Close();
        EXPECT_TRUE(FileState(dir / name) == before) << name;
    }
    sqlite3_close(holder);

    SupportDatabase missing(dir / "absent.db");
    EXPECT_FALSE(missing.Open());
    EXPECT_EQ(missing.OpenProblem(), Problem::Missing);
    EXPECT_FALSE(std::filesystem::exists(dir / "absent.db"));
    SupportDatabase folder(dir.Path());
    EXPECT_FALSE(folder.Open());
    EXPECT_EQ(folder.OpenProblem(), Problem::NotAFile);
}

// Makes a file read-only for the test's length: by its mode, and for root,
// who writes regardless of the mode, by the immutable attribute.
class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(const std::filesystem::path& path) : path_(path) {
        chmod(path.c_str(), 0444);
        if (access(path.c_str(), W_OK) != 0)
            return;
        const int fd = open(path.c_str(), O_RDONLY);
        int flags = 0;
        if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            immutable_ = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        if (fd >= 0)
            close(fd);
    }
    ~ReadOnlyFile() {
        if (immutable_) {
            const int fd = open(path_.c_str(), O_RDONLY);
            int flags = 0;
            ioctl(fd, FS_IOC_GETFLAGS, &flags);
            flags &= ~FS_IMMUTABLE_FL;
            ioctl(fd, FS_IOC_SETFLAGS, &flags);
            close(fd);
        }
        chmod(path_.c_str(), 0644);
    }
    bool Holds() const { return access(path_.c_str(), W_OK) != 0; }

  private:
    std::filesystem::path path_;
    bool immutable_ = false;
};

TEST(AnalysisRecords, AReadOnlyDatabaseIsRefusedBeforeAnythingIsWritten) {
    TempDir dir;
    const auto path = testing::FreshSupportDatabase(dir);
    ReadOnlyFile readOnly(path);
    if (!readOnly.Holds())
        GTEST_SKIP() << "the file cannot be made read-only here";
    const FileState before(path);
    SupportDatabase db(path);
    EXPECT_FALSE(db.Open());
    EXPECT_EQ(db.OpenProblem(), SupportDatabase::Problem::ReadOnly);
    EXPECT_NE(db.LastError().find(path.string() + " is read-only"), std::string::npos)
        << db.LastError();
    EXPECT_TRUE(FileState(path) == before);
}

}  // namespace
}  // namespace velorin
