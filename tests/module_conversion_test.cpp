#include <gtest/gtest.h>
#include <sqlite3.h>

#include "code/module_conversion.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;
using testing::ReadWritten;
using testing::ScriptedUi;
using testing::TempDir;
using testing::WriteFile;

class ModuleConversionTest : public ::testing::Test {
  protected:
    ModuleConversionTest() : session(app, testing::FreshSupportDatabase(dir), ui) {
        session.out = OutputDirectory(dir.Path());
    }
    long Stat(const std::string& module, const std::string& column) {
        session.supportDb.Close();
        sqlite3* db = nullptr;
        sqlite3_open((dir / "vlrn.db").c_str(), &db);
        sqlite3_stmt* q = nullptr;
        sqlite3_prepare_v2(db, ("SELECT " + column + " FROM tblStats WHERE ModuleName = ?").c_str(),
                           -1, &q, nullptr);
        sqlite3_bind_text(q, 1, module.c_str(), -1, SQLITE_TRANSIENT);
        long value = sqlite3_step(q) == SQLITE_ROW ? sqlite3_column_int(q, 0) : -999;
        sqlite3_finalize(q);
        sqlite3_close(db);
        return value;
    }

    TempDir dir;
    AccessApplication app;
    ScriptedUi ui;
    Session session;
};

TEST_F(ModuleConversionTest, ExportsFormAndModuleCodeUnderTheirFileNames) {
    app.AddModule({"Utility/Functions", {"Option Explicit", "Sub A()", "End Sub"}});
    ExportModuleText(session, "Utility/Functions", false);
    EXPECT_EQ(ReadWritten(session.out, dir / "MODU_Utility_Functions.txt"),
              CrLf({"Option Explicit", "Sub A()", "End Sub"}));
}

TEST_F(ModuleConversionTest, ModulesGetUniqueNamesAndCountedLines) {
    WriteFile(dir / "MODU_Utility Functions.txt",
              CrLf({"Option Compare Database", "  ' indented comment", "",
                    "Private Sub Text1_DblClick(Cancel As Integer)", "x = 1", "End Sub",
                    "Public Function F() As Long", "End Function"}));
    ConvertCodeFile(session, "MODU_Utility Functions.txt", false);
    EXPECT_EQ(ReadWritten(session.out, dir / "Utility Functions.bas"),
              CrLf({"Attribute VB_Name = \"Utility_Functions\"", "'VLRN Option Compare Database",
                    "' indented comment", "", "Private Sub Text1_DblClick()", "x = 1", "End Sub",
                    "Public Function F() As Long", "End Function"}));
    EXPECT_EQ(Stat("Utility Functions", "TotalLines"), 8);
    EXPECT_EQ(Stat("Utility Functions", "CommentLines"), 1);
    EXPECT_EQ(Stat("Utility Functions", "LinesNotTranslated"), 1);
    EXPECT_EQ(Stat("Utility Functions", "BlankLines"), 1);
    EXPECT_EQ(Stat("Utility Functions", "SubCount"), 1);
    EXPECT_EQ(Stat("Utility Functions", "ProcCount"), 1);
    // The first line is numbered -1.
    EXPECT_EQ(Stat("Utility Functions", "CodeLines"), 6);

    WriteFile(dir / "MODU_Utility_Functions.txt", CrLf({"Option Explicit"}));
    ConvertCodeFile(session, "MODU_Utility_Functions.txt", false);
    EXPECT_EQ(ReadWritten(session.out, dir / "Utility_Functions.bas"),
              CrLf({"Attribute VB_Name = \"Utility_FunctionsA\"", "Option Explicit"}));
    EXPECT_EQ(session.usedModuleNames,
              (std::vector<std::string>{"Utility_Functions", "Utility_FunctionsA"}));
}

TEST_F(ModuleConversionTest, FormFilesKeepTheirDesignSectionUncounted) {
    WriteFile(
        dir / "form_Orders.frm",
        CrLf({"VERSION 5.00", "Begin VB.Form Orders", "Caption = \"x\"", "Begin VB.Label L", "End",
              "End", "DIM OpenArgsF as string", "Private Sub Form_Load()", "End", "End Sub"}));
    session.formFeatureFlags = {0, 1, 0, 0, 1, 0};
    ConvertCodeFile(session, "form_Orders.frm", true);
    EXPECT_EQ(ReadWritten(session.out, dir / "Orders.frm"),
              CrLf({"VERSION 5.00", "Begin VB.Form Orders", "Caption = \"x\"", "Begin VB.Label L",
                    "End", "End", "DIM OpenArgsF as string", "Private Sub Form_Load()",
                    "Dim vReturnValue as variant", "vReturnValue=InitializeListBoxes()", "End",
                    "End Sub", "Private Sub Form_Activate()", "Dim vReturnValue as variant",
                    "vReturnValue=InitialDataCtlCaptions()", "End Sub"}));
    // The closing End of the design section is line -1; a code line "End" does not close anything.
    EXPECT_EQ(Stat("Orders", "CodeLines"), 9);
    EXPECT_EQ(Stat("Orders", "TotalLines"), 10 + 2 + 4);
    EXPECT_EQ(Stat("Orders", "SubCount"), 2);
}

TEST_F(ModuleConversionTest, GeneratedLoadCallsWithoutFormLoadInTheCode) {
    WriteFile(dir / "form_A.frm",
              CrLf({"VERSION 5.00", "Begin VB.Form A", "End", "DIM OpenArgsF as string"}));
    session.formFeatureFlags = {0, 1, 1, 1, 1, 1};
    ConvertCodeFile(session, "form_A.frm", true);
    EXPECT_EQ(ReadWritten(session.out, dir / "A.frm"),
              CrLf({"VERSION 5.00", "Begin VB.Form A", "End", "DIM OpenArgsF as string",
                    "Private Sub Form_Load()", "Dim vReturnValue as variant",
                    "vReturnValue=InitializeListBoxes()", "vReturnValue=InitializeComboBoxes()",
                    "vReturnValue=InitializeButtons()", "vReturnValue=InitialDataCtlCaptions()",
                    "Me.Move (Screen.Width - Me.Width) / 2, (Screen.Height - Me.Height) / 2",
                    "End Sub", "Private Sub Form_Activate()", "Dim vReturnValue as variant",
                    "vReturnValue=InitialDataCtlCaptions()", "End Sub"}));
}

TEST_F(ModuleConversionTest, AnyLineEndTabsAndHighBytesPassThrough) {
    WriteFile(dir / "MODU_Mixed.txt",
              "Sub A()\rx = \"\xE9\xFF\"\n\tDoCmd.Beep\r\n  DoCmd.Beep\nEnd Sub");
    ConvertCodeFile(session, "MODU_Mixed.txt", false);
    // Only blanks are trimmed: a tab keeps the line from matching a rule.
    EXPECT_EQ(ReadWritten(session.out, dir / "Mixed.bas"),
              CrLf({"Attribute VB_Name = \"Mixed\"", "Sub A()", "x = \"\xE9\xFF\"", "\tDoCmd.Beep",
                    "Beep", "End Sub"}));
}

TEST_F(ModuleConversionTest, AnEarlierFinalFileIsReplaced) {
    WriteFile(dir / "B.frm", "stale");
    WriteFile(dir / "form_B.frm", CrLf({"VERSION 5.00", "Begin VB.Form B", "End"}));
    ConvertCodeFile(session, "form_B.frm", true);
    EXPECT_EQ(ReadWritten(session.out, dir / "B.frm"),
              CrLf({"VERSION 5.00", "Begin VB.Form B", "End"}));
}

}  // namespace
}  // namespace velorin
