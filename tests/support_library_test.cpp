#include <gtest/gtest.h>

#include "controls/support_library/support_library.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;

CodeText Text(std::initializer_list<std::string_view> lines) {
    std::vector<std::string> text;
    for (std::string_view line : lines)
        text.emplace_back(line);
    return CodeText(std::move(text));
}

TEST(SupportLibrary, PlacementZeroPutsTheLineRightAfterTheAnchor) {
    CodeText f = Text(
        {"Private Sub cbo_NotInList(NewData As String, Response As Integer)", "x = 1", "End Sub"});
    InsertLine(f, "Private Sub cbo_NotInList(NewData As String, Response As Integer)", "first", 0);
    InsertLine(f, "Private Sub cbo_NotInList(NewData As String, Response As Integer)", "second", 0);
    // The line inserted last stands first.
    EXPECT_EQ(f.Joined(), CrLf({"Private Sub cbo_NotInList(NewData As String, Response As Integer)",
                                "second", "first", "x = 1", "End Sub"}));
}

TEST(SupportLibrary, PlacementOneGoesBeforeTheProcedureEnd) {
    CodeText f = Text(
        {"Private Sub datOrders_Reposition()", "a", "End Sub", "Private Sub Other()", "End Sub"});
    InsertLine(f, "Sub datOrders_Reposition()", "b", 1);
    InsertLine(f, "Sub datOrders_Reposition()", "c", 1);
    EXPECT_EQ(f.Joined(), CrLf({"Private Sub datOrders_Reposition()", "a", "b", "c", "End Sub",
                                "Private Sub Other()", "End Sub"}));
}

TEST(SupportLibrary, AMissingAnchorChangesNothing) {
    CodeText f = Text({"Sub A()", "End Sub"});
    InsertLine(f, "Sub B()", "x", 0);
    InsertLine(f, "Sub B()", "x", 1);
    EXPECT_EQ(f.Joined(), CrLf({"Sub A()", "End Sub"}));
}

TEST(SupportLibrary, StampsTheVersionAndObjectLinesOnTheMdiTemplate) {
    CodeText f = Text({" ", "Begin VB.MDIForm MDIParent", "   Caption = \"Main\"", "End",
                       "Attribute VB_Name = \"MDIParent\""});
    InsertLine(f, " ", "VERSION 5.00", 1);
    InsertLine(f, "VERSION 5.00", "Object = \"{6B7E6392}#1.2#0\"; \"comctl32.ocx\"", 1);
    InsertLine(f, "VERSION 5.00", "Object=\"{0BA686C6}#1.0#0\"; \"THREED32.OCX\"", 1);
    EXPECT_EQ(f.Joined(),
              CrLf({"VERSION 5.00", "Object = \"{6B7E6392}#1.2#0\"; \"comctl32.ocx\"",
                    "Object=\"{0BA686C6}#1.0#0\"; \"THREED32.OCX\"", "Begin VB.MDIForm MDIParent",
                    "   Caption = \"Main\"", "End", "Attribute VB_Name = \"MDIParent\""}));
}

TEST(SupportLibrary, DuplicateHeadersAreFoundByLineNumber) {
    CodeText f = Text({"Option Compare Database", "", "Sub Form_Click()", "End Sub",
                       "  Private   Sub  X_Enter()"});
    EXPECT_EQ(IsDuplicateLine(f, "Private Sub Form_Click()"), 3);
    EXPECT_EQ(IsDuplicateLine(f, "private sub x_enter()"), 5);
    EXPECT_EQ(IsDuplicateLine(f, "Private Sub Form_Load()"), 0);
    EXPECT_EQ(IsDuplicateLine(CodeText(), "Sub Form_Click()"), 0);
}

TEST(SupportLibrary, EditsKeepTheLineKeysInStep) {
    // Keys are built once and then follow each edit: a line inserted by one
    // edit is found by the next.
    CodeText f = Text({"Private Sub A()", "End Sub"});
    EXPECT_EQ(IsDuplicateLine(f, "Private Sub B()"), 0);
    f.Append("Private Sub B()");
    InsertLine(f, "Private Sub A()", "Private Sub C()", 0);
    EXPECT_EQ(IsDuplicateLine(f, "sub b()"), 4);
    EXPECT_EQ(IsDuplicateLine(f, "sub c()"), 2);
    f.MutableLines()[0] = "Private Sub Z()";
    EXPECT_EQ(IsDuplicateLine(f, "sub z()"), 1);
    EXPECT_EQ(IsDuplicateLine(f, "sub a()"), 0);
}

TEST(SupportLibrary, ChangeLineReplacesTheLineHoldingTheText) {
    CodeText f = Text({"Private Sub cbo_AfterUpdate()", "End Sub"});
    ChangeLine(f, "Sub cbo_AfterUpdate()", "");
    EXPECT_EQ(f.Joined(), CrLf({"", "End Sub"}));
}

TEST(SupportLibrary, LabelsBecomeControlArrayElements) {
    DesignBlock form("Begin VB.Form A");
    DesignWriter out(&form);
    for (const char* line : {"Begin VB.Frame Section", "Begin VB.Label Label1", "Caption = \"a\"",
                             "End", "End", "Begin VB.Label Label10", "End"})
        out.WriteLine(line);
    EXPECT_EQ(AddToCtlArray(form, "Label1", "Begin VB.Label Label1", "0"), 1);
    EXPECT_EQ(AddToCtlArray(form, "Label1", "Begin VB.Label Label10", "1"), 1);
    EXPECT_EQ(AddToCtlArray(form, "Label1", "Begin VB.Label Label99", "2"), 0);
    std::vector<std::string> lines;
    form.AppendLines(lines, 0);
    EXPECT_EQ(lines,
              (std::vector<std::string>{
                  "Begin VB.Form A", "   Begin VB.Frame Section", "      Begin VB.Label Label1",
                  "         Index = 0", "         Caption = \"a\"", "      End", "   End",
                  "   Begin VB.Label Label1", "      Index = 1", "   End", "End"}));
}

TEST(SupportLibrary, DataControlEntriesCreateAndExtendTheRepositionProcedure) {
    CodeText f;
    AddDataCtlEntry(f, "datA", "");
    AddDataCtlEntry(f, "datA", "txtTotal.value =[Qty]*[Price]");
    AddDataCtlEntry(f, "datSub", "datSub.Refresh");
    AddDataCtlEntry(f, "datA", "datSub.RecordSource = x");
    EXPECT_EQ(f.Joined(), CrLf({"Private Sub datA_Reposition()", "datSub.RecordSource = x",
                                "txtTotal.value =[Qty]*[Price]", "End Sub",
                                "Private Sub datSub_Reposition()", "datSub.Refresh", "End Sub"}));
}

}  // namespace
}  // namespace velorin
