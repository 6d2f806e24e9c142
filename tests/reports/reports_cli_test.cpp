// `velorin reports` end to end, run as the user runs it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "reports_test_support.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::Database;
using testing::FreshSupportDatabase;
using testing::PdfPageCount;
using testing::ReadFile;
using testing::TempDir;
namespace fs = std::filesystem;

using testing::ProgramRun;

class ReportsCommand : public ::testing::Test {
  protected:
    // Without a display, a Qt platform or a runtime directory (a root shell,
    // a CI job): the command must manage on its own.
    // The user's folders are the test's own, or as `userFolders` sets them.
    ProgramRun Velorin(const std::string& arguments, const std::string& userFolders = {}) {
        ProgramRun run;
        const std::string folders =
            userFolders.empty() ? "XDG_DATA_HOME='" + (dir / "data").string() + "'" : userFolders;
        const std::string command =
            "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR " + folders +
            " '" + std::string(VELORIN_PROGRAM) + "' " + arguments + " </dev/null >'" +
            (dir / "stdout").string() + "' 2>'" + (dir / "stderr").string() + "'";
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadFile(dir / "stdout");
        run.err = ReadFile(dir / "stderr");
        return run;
    }
    std::string Quote(const fs::path& path) { return testing::ShellQuoted(path); }
    std::string SupportDb() { return "--support-db " + Quote(db); }

    TempDir dir;
    fs::path db = FreshSupportDatabase(dir);
};

TEST_F(ReportsCommand, WithoutOutputListsNamesAndTitles) {
    Database(db).Exec("DELETE FROM Reports");
    Database(db).Exec(
        "INSERT INTO Reports (Position, Name, Title, Query) VALUES "
        "(2, 'rptB', 'Second', 'SELECT 1'), (1, 'rptLonger', 'First', 'SELECT 1')");
    ProgramRun run = Velorin("reports " + SupportDb());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "rptLonger  First\nrptB       Second\n");

    run = Velorin("reports " + SupportDb() + " rptb");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "rptB  Second\n");

    Database(db).Exec("DELETE FROM Reports");
    run = Velorin("reports " + SupportDb());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(ReportsCommand, PrintsAllOrTheNamedReportsToPdf) {
    Database(db).AddFinding("Orders", 7, "DoCmd.Close", 3, "Unload Me", "Sub cmdClose_Click");
    ProgramRun run = Velorin("reports " + SupportDb() + " -o " + Quote(dir / "all.pdf"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "") << "only the program's own messages";
    EXPECT_EQ(PdfPageCount(dir / "all.pdf"), 7);
    EXPECT_NE(run.out.find("all.pdf"), std::string::npos) << run.out;

    run = Velorin("reports " + SupportDb() + " --output " + Quote(dir / "two.pdf") +
                  " rptControls rptConversionSummary");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(PdfPageCount(dir / "two.pdf"), 2);
}

TEST_F(ReportsCommand, UnknownReportIsAUsageError) {
    ProgramRun run = Velorin("reports " + SupportDb() + " -o " + Quote(dir / "out.pdf") +
                             " rptControls rptNope");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("rptNope"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("rptControls"), std::string::npos) << run.err;  // the known ones
    EXPECT_FALSE(fs::exists(dir / "out.pdf"));

    run = Velorin("reports " + SupportDb() + " rptNope");
    EXPECT_EQ(run.status, 2);
}

TEST_F(ReportsCommand, MissingDatabaseOrUnwritableFileFails) {
    ProgramRun run = Velorin("reports --support-db " + Quote(dir / "none.db"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("none.db"), std::string::npos) << run.err;

    run = Velorin("reports " + SupportDb() + " -o " + Quote(dir / "missing" / "out.pdf"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("out.pdf"), std::string::npos) << run.err;
}

TEST_F(ReportsCommand, DefaultsToTheUsersOwnSupportDatabaseMadeOnFirstUse) {
    const fs::path own = dir / "data" / "velorin" / "vlrn.db";
    ProgramRun run = Velorin("reports");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("rptConversionSummary")) << run.out;
    ASSERT_TRUE(fs::is_regular_file(own));
    // Made once, then the user's: what it holds is what is listed.
    Database(own).Exec("UPDATE Reports SET Title = 'Mine' WHERE Name = 'rptConversionSummary'");
    run = Velorin("reports");
    const std::string first = run.out.substr(0, run.out.find('\n'));
    EXPECT_TRUE(first.starts_with("rptConversionSummary") && first.ends_with(" Mine")) << run.out;
    EXPECT_FALSE(fs::exists(fs::path(VELORIN_PROGRAM).parent_path() / "vlrn.db.part"));

    // Without XDG_DATA_HOME, under HOME; with neither, the user is told.
    run = Velorin("reports", "-u XDG_DATA_HOME HOME='" + (dir / "home").string() + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(dir / "home" / ".local" / "share" / "velorin" / "vlrn.db"));
    run = Velorin("reports", "-u XDG_DATA_HOME -u HOME");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("name one with --support-db"), std::string::npos) << run.err;
}

TEST_F(ReportsCommand, HelpDescribesTheCommand) {
    ProgramRun run = Velorin("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("reports"), std::string::npos);
    run = Velorin("reports --help");
    EXPECT_EQ(run.status, 0);
    for (const char* option : {"--support-db", "--output", "REPORT", "Exit status"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace velorin
