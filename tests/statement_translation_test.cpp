// Whole modules through the translator: what the rules may rewrite (code)
// and what they may not (strings, comments, other databases, arrays).
#include <gtest/gtest.h>

#include <algorithm>

#include "code/module_conversion.h"
#include "common/string_helpers.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;
using testing::ScriptedUi;
using testing::TempDir;

class StatementTranslationTest : public ::testing::Test {
  protected:
    StatementTranslationTest() : session(app, testing::FreshSupportDatabase(dir), ui) {
        session.names.formVbNames = {{"Orders", "Orders"}};
    }

    // The translated lines of a module holding `lines`.
    std::vector<std::string> Convert(const std::vector<std::string>& lines) {
        CodeText input(lines);
        return ConvertCodeFile(session, "Rules", input).Lines();
    }

    TempDir dir;
    AccessApplication app;
    ScriptedUi ui;
    Session session;
};

// What a string literal or a comment says is never read as code.
TEST_F(StatementTranslationTest, StringsAndCommentsAreTheUsersText) {
    const std::vector<std::string> untouched = {
        "s = \"readme.txt\"",
        "s = \"SELECT * FROM T WHERE D < Now()\"",
        "MsgBox \"Use the .Requery button\"",
        "MsgBox \"See Application.Name or Reports!R\"",
        "s = \"Forms!Orders and CurrentDb()\"",
        "x = 1 ' Application.Quit, Reports!R, Forms!Orders, .Requery, Now()",
        "x = 2: Rem DoCmd.Close and Me.Requery",
        "s = \"it's \"\"quoted\"\" .Form\" ' and Me.Parent",
    };
    std::vector<std::string> lines = {"Sub A()"};
    lines.insert(lines.end(), untouched.begin(), untouched.end());
    lines.push_back("End Sub");
    EXPECT_EQ(Convert(lines), lines);

    // The code around a string is still translated; the string is not.
    EXPECT_EQ(
        Convert({"Sub A()", "s = \"Now()\" & Now() & \"CurrentDb()\"", "End Sub"}),
        (std::vector<std::string>{"Sub A()", "s = \"Now()\" & Now & \"CurrentDb()\"", "End Sub"}));
    // A translated line keeps its trailing comment after the old text.
    EXPECT_EQ(Convert({"Sub A()", "DoCmd.Close ' done", "End Sub"})[1],
              "Unload Screen.ActiveForm\t'VLRN DoCmd.Close ' done");
}

// Named arguments go to their parameters, in any order; a comma inside a
// string or a call does not split an argument.
TEST_F(StatementTranslationTest, DoCmdArgumentsByNameOrPosition) {
    const std::vector<std::string> out = Convert({
        "Sub A()",
        "DoCmd.RunSQL SQLStatement:=\"DELETE FROM T\"",
        "DoCmd.Close ObjectName:=\"Orders\", ObjectType:=acForm",
        "DoCmd.OpenForm WindowMode:=acDialog, FormName:=\"Orders\"",
        "DoCmd.OpenForm \"Orders\", , , \"City = 'A, B'\", , acDialog",
        "DoCmd.OpenForm(\"Orders\")",
        "DoCmd.Close acForm",
        "DoCmd.Hourglass HourglassOn:=False",
        "DoCmd.OpenForm Me.txtName",
        "End Sub",
    });
    EXPECT_EQ(out[1],
              "DB.Execute \"DELETE FROM T\"\t'VLRN DoCmd.RunSQL SQLStatement:=\"DELETE FROM T\"");
    EXPECT_EQ(out[2],
              "Unload Orders\t'VLRN DoCmd.Close ObjectName:=\"Orders\", ObjectType:=acForm");
    EXPECT_TRUE(out[3].starts_with("Orders.Show vbModal \t")) << out[3];
    EXPECT_TRUE(out[4].starts_with("Orders.Show vbModal \t")) << out[4];
    EXPECT_TRUE(out[5].starts_with("Orders.Show\t")) << out[5];
    // A form named without its name: Access closes the active one.
    EXPECT_TRUE(out[6].starts_with("Unload Screen.ActiveForm\t")) << out[6];
    EXPECT_EQ(out[7], "Screen.MousePointer = vbDefault");
    // The whole expression names the form.
    EXPECT_TRUE(out[8].starts_with("GetFormFromName(me!txtName).Show\t")) << out[8];
    for (const std::string& line : out) {
        const std::string code = line.substr(0, line.find("'VLRN"));
        EXPECT_EQ(code.find(":="), std::string::npos) << "a named argument left in: " << line;
    }
}

// The project's db is the application's database: a module's own db set to
// it goes with its declarations, whatever their spelling; a db that holds
// another database keeps its own.
TEST_F(StatementTranslationTest, OnlyTheCurrentDatabaseGivesWayToTheProjects) {
    EXPECT_EQ(
        Convert({"Private db As DAO.Database", "Sub A()", "Dim rs As Recordset, db As Database",
                 "Set db = DBEngine.Workspaces(0).Databases(0)", "Set dbs = CurrentDb()",
                 "db.Execute \"x\"", "End Sub", "Sub B(db As Database)", "End Sub"}),
        (std::vector<std::string>{"'VLRN Private db As DAO.Database", "Sub A()",
                                  "Dim rs As Recordset\t'VLRN Dim rs As Recordset, db As Database",
                                  "'VLRN Set db = DBEngine.Workspaces(0).Databases(0)",
                                  "Set dbs = db", "db.Execute \"x\"", "End Sub",
                                  "Sub B(db As Database)", "End Sub"}));

    const std::vector<std::string> other =
        Convert({"Sub A()", "Dim db As Database", "Set db = OpenDatabase(\"Other.mdb\")",
                 "db.Execute \"x\"", "End Sub", "Sub B()", "Dim db As Database",
                 "Set db = CurrentDb", "End Sub"});
    EXPECT_EQ(other[1], "Dim db As Database");
    EXPECT_EQ(other[2], "Set db = OpenDatabase(\"Other.mdb\")");
    EXPECT_EQ(other[6], "Dim db As Database");
    EXPECT_EQ(other[7], "Set db = VlrnConversionCode.db\t'VLRN Set db = CurrentDb");

    // A db of another type is the module's own, set to the project's.
    EXPECT_EQ(Convert({"Sub A()", "Dim db", "Set db = CurrentDb", "End Sub"})[2],
              "Set db = VlrnConversionCode.db\t'VLRN Set db = CurrentDb");
    // The project's db is never closed or let go by a module.
    const std::vector<std::string> closing =
        Convert({"Sub A()", "Dim db As Database", "Set db = CurrentDb", "db.Close",
                 "Set db = Nothing", "End Sub"});
    EXPECT_EQ(closing[3], "'VLRN db.Close");
    EXPECT_EQ(closing[4], "'VLRN Set db = Nothing");
    // Blanks inside the statement change nothing; a longer name is not db.Close.
    const std::vector<std::string> spaced =
        Convert({"Sub A()", "Dim db As Database", "DB . close", "db.Closed", "db.Clos", "End Sub"});
    EXPECT_EQ(spaced[2], "'VLRN DB . close");
    EXPECT_EQ(spaced[3], "db.Closed");
    EXPECT_EQ(spaced[4], "db.Clos");
}

// A statement a rule reads from the start of its line gets a line of its own:
// after a colon, or after the Then or Else of a single-line If, which becomes
// a block.
TEST_F(StatementTranslationTest, StatementsSharingALineGetLinesOfTheirOwn) {
    EXPECT_EQ(Convert({"Sub A()", "If KeyCode = 13 Then DoCmd.Close Else DoCmd.Beep", "End Sub"}),
              (std::vector<std::string>{"Sub A()", "If KeyCode = 13 Then",
                                        "Unload Screen.ActiveForm\t'VLRN DoCmd.Close", "Else",
                                        "Beep", "End If", "End Sub"}));
    EXPECT_EQ(
        Convert({"Sub A()", "x = \"a: b\": DoCmd.Hourglass True: y = 2 ' done", "End Sub"}),
        (std::vector<std::string>{"Sub A()", "x = \"a: b\"", "Screen.MousePointer = vbHourglass",
                                  "y = 2 ' done", "End Sub"}));
    EXPECT_EQ(Convert({"Sub A()", "Dim db As Database: Set db = CurrentDb", "End Sub"}),
              (std::vector<std::string>{"Sub A()", "'VLRN Dim db As Database",
                                        "'VLRN Set db = CurrentDb", "End Sub"}));
    EXPECT_EQ(Convert({"Sub A()", "Done: DoCmd.Beep", "End Sub"}),
              (std::vector<std::string>{"Sub A()", "Done:", "Beep", "End Sub"}));
    // Nothing left of its statements, the If goes with them.
    EXPECT_EQ(Convert({"Sub A()", "If Me.Dirty Then DoCmd.RunCommand acCmdSaveRecord", "End Sub"}),
              (std::vector<std::string>{"Sub A()", "'VLRN If Me.Dirty Then",
                                        "'VLRN DoCmd.RunCommand acCmdSaveRecord", "'VLRN End If",
                                        "End Sub"}));
    // Lines the rules need not split stay as they are.
    const std::vector<std::string> kept = {"Sub A()", "x = 1: y = 2", "If x Then y = 3 Else y = 4",
                                           "End Sub"};
    EXPECT_EQ(Convert(kept), kept);
}

// A repeated macro declares its counter once in each procedure.
TEST_F(StatementTranslationTest, RepeatedMacrosShareOneCounterPerProcedure) {
    const std::vector<std::string> out =
        Convert({"Sub A()", "DoCmd.RunMacro \"M1\", 3", "DoCmd.RunMacro \"M2\", 2, \"x\"",
                 "End Sub", "Sub B()", "DoCmd.RunMacro \"M1\", 3", "End Sub"});
    const auto declarations = [&](size_t from, size_t to) {
        int n = 0;
        for (size_t i = from; i < to; ++i)
            n += out[i] == "Dim iRunMacroCount as Integer";
        return n;
    };
    const auto endA = std::find(out.begin(), out.end(), "End Sub") - out.begin();
    EXPECT_EQ(declarations(0, static_cast<size_t>(endA)), 1);
    EXPECT_EQ(declarations(static_cast<size_t>(endA), out.size()), 1);
}

// "()" goes from calls (Now(), CurrentUser()) but an array keeps its own.
TEST_F(StatementTranslationTest, ArraysKeepTheirParentheses) {
    const std::vector<std::string> lines = {"Type Row",
                                            "Items() As Long",
                                            "End Type",
                                            "Private m() As Variant",
                                            "Private Function F() As String",
                                            "Dim a() As String, b() As Integer",
                                            "ReDim a(5)",
                                            "a(1) = Left(\"a,b\", 1)",
                                            "End Function"};
    EXPECT_EQ(Convert(lines), lines);
    EXPECT_EQ(Convert({"Sub A()", "x = Now()", "End Sub"})[1], "x = Now");
}

// A form reference takes its whole argument, through the matching parenthesis.
TEST_F(StatementTranslationTest, FormReferencesTakeTheirWholeArgument) {
    EXPECT_EQ(Convert({"Sub A()", "Forms(strName & \"2\").Caption = \"x\"", "End Sub"})[1],
              "GetFormFromName(strName & \"2\").Caption = \"x\"");
    EXPECT_EQ(Convert({"Sub A()", "Forms(Me.CallingForm).Requery", "End Sub"})[1],
              "'VLRN Forms(Me.CallingForm).Requery");
}

}  // namespace
}  // namespace velorin
