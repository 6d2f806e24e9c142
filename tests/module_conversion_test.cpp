#include <gtest/gtest.h>

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
    // The module's statistics row: the columns of `columns`, as text.
    std::vector<std::string> Stats(const std::string& module, const std::string& columns) {
        session.supportDb.Close();
        const auto rows = testing::Rows(
            dir / "vlrn.db",
            "SELECT " + columns + " FROM tblStats WHERE ModuleName = '" + module + "'");
        return rows.size() == 1 ? rows[0] : std::vector<std::string>{};
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
    // The first line is numbered -1, so six code lines.
    EXPECT_EQ(Stats("Utility Functions",
                    "TotalLines, CommentLines, LinesNotTranslated, BlankLines, SubCount, "
                    "ProcCount, CodeLines"),
              (std::vector<std::string>{"8", "1", "1", "1", "1", "1", "6"}));
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
    // Code lines, total lines (6 + 4 + 6), Subs.
    EXPECT_EQ(Stats("Orders", "CodeLines, TotalLines, SubCount"),
              (std::vector<std::string>{"9", "16", "2"}));
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
