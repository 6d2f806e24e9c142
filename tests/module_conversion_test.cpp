#include <gtest/gtest.h>
#include <sqlite3.h>

#include "code/module_conversion.h"
#include "common/string_helpers.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;
using testing::ScriptedUi;
using testing::TempDir;

class ModuleConversionTest : public ::testing::Test {
  protected:
    ModuleConversionTest() : session(app, testing::FreshSupportDatabase(dir), ui) {}
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

CodeText Text(const std::string& content) {
    return CodeText(SplitLines(content));
}

TEST_F(ModuleConversionTest, ExportsFormAndModuleCodeAsTheApplicationHoldsIt) {
    app.AddModule({"Utility/Functions", {"Option Explicit", "Sub A()", "End Sub"}});
    EXPECT_EQ(ExportModuleText(session, "Utility/Functions", false).Joined(),
              CrLf({"Option Explicit", "Sub A()", "End Sub"}));
    EXPECT_TRUE(ExportModuleText(session, "Missing", false).Empty());
}

TEST_F(ModuleConversionTest, ModulesGetUniqueNamesAndCountedLines) {
    const CodeText code =
        ConvertCodeFile(session, "Utility Functions",
                        Text(CrLf({"Option Compare Database", "  ' indented comment", "",
                                   "Private Sub Text1_DblClick(Cancel As Integer)", "x = 1",
                                   "End Sub", "Public Function F() As Long", "End Function"})));
    EXPECT_EQ(code.Joined(), CrLf({"'VLRN Option Compare Database", "' indented comment", "",
                                   "Private Sub Text1_DblClick()", "x = 1", "End Sub",
                                   "Public Function F() As Long", "End Function"}));
    EXPECT_EQ(Stat("Utility Functions", "TotalLines"), 8);
    EXPECT_EQ(Stat("Utility Functions", "CommentLines"), 1);
    EXPECT_EQ(Stat("Utility Functions", "LinesNotTranslated"), 1);
    EXPECT_EQ(Stat("Utility Functions", "BlankLines"), 1);
    EXPECT_EQ(Stat("Utility Functions", "SubCount"), 1);
    EXPECT_EQ(Stat("Utility Functions", "ProcCount"), 1);
    // The first line is numbered -1.
    EXPECT_EQ(Stat("Utility Functions", "CodeLines"), 6);
}

TEST_F(ModuleConversionTest, FormCodeCountsItsDesignSectionAndGetsItsLoadCalls) {
    FormFacts form;
    form.designLines = 6;
    form.formFeatureFlags = {0, 1, 0, 0, 1, 0};
    const CodeText code = ConvertCodeFile(
        session, "Orders",
        Text(CrLf({"DIM OpenArgsF as string", "Private Sub Form_Load()", "End", "End Sub"})),
        &form);
    EXPECT_EQ(
        code.Joined(),
        CrLf({"DIM OpenArgsF as string", "Private Sub Form_Load()", "Dim vReturnValue as variant",
              "vReturnValue=InitializeListBoxes()", "End", "End Sub", "Private Sub Form_Activate()",
              "Dim vReturnValue as variant", "vReturnValue=InitialDataCtlCaptions()", "End Sub"}));
    // The generated declaration is line 0; a code line "End" does not close anything.
    EXPECT_EQ(Stat("Orders", "CodeLines"), 9);
    EXPECT_EQ(Stat("Orders", "TotalLines"), 6 + 4 + 6);
    EXPECT_EQ(Stat("Orders", "SubCount"), 2);
}

TEST_F(ModuleConversionTest, GeneratedLoadCallsWithoutFormLoadInTheCode) {
    FormFacts form;
    form.designLines = 3;
    form.formFeatureFlags = {0, 1, 1, 1, 1, 1};
    const CodeText code =
        ConvertCodeFile(session, "A", Text(CrLf({"DIM OpenArgsF as string"})), &form);
    EXPECT_EQ(
        code.Joined(),
        CrLf({"DIM OpenArgsF as string", "Private Sub Form_Load()", "Dim vReturnValue as variant",
              "vReturnValue=InitializeListBoxes()", "vReturnValue=InitializeComboBoxes()",
              "vReturnValue=InitializeButtons()", "vReturnValue=InitialDataCtlCaptions()",
              "Me.Move (Screen.Width - Me.Width) / 2, (Screen.Height - Me.Height) / 2", "End Sub",
              "Private Sub Form_Activate()", "Dim vReturnValue as variant",
              "vReturnValue=InitialDataCtlCaptions()", "End Sub"}));
}

TEST_F(ModuleConversionTest, AnyLineEndTabsAndHighBytesPassThrough) {
    const CodeText code = ConvertCodeFile(
        session, "Mixed", Text("Sub A()\rx = \"\xE9\xFF\"\n\tDoCmd.Beep\r\n  DoCmd.Beep\nEnd Sub"));
    // Only blanks are trimmed: a tab keeps the line from matching a rule.
    EXPECT_EQ(code.Joined(),
              CrLf({"Sub A()", "x = \"\xE9\xFF\"", "\tDoCmd.Beep", "Beep", "End Sub"}));
}

}  // namespace
}  // namespace velorin
