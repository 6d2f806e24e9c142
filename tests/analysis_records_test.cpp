#include <gtest/gtest.h>

#include "code/analysis_records.h"
#include "test_support.h"

namespace velorin {
namespace {

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

TEST(AnalysisRecords, RowsOfAnOpenGroupAreInvisibleUntilCommitted) {
    TempDir dir;
    auto path = testing::FreshSupportDatabase(dir);
    {
        SupportDatabase db(path);
        db.BeginGroup();
        WriteReportRecord(db, {"Kept", 1, "x", 1, "", ""});
        db.CommitGroup();
        db.BeginGroup();
        WriteReportRecord(db, {"Lost", 1, "x", 1, "", ""});
        EXPECT_EQ(Rows(path, "SELECT ModuleName FROM tblReportOutput"),
                  (std::vector<std::vector<std::string>>{{"Kept"}}));
    }
    EXPECT_EQ(Rows(path, "SELECT COUNT(*) FROM tblReportOutput")[0][0], "2");
}

}  // namespace
}  // namespace velorin
