#include <gtest/gtest.h>

#include "code/form_reference.h"
#include "code/translate_procedures.h"
#include "common/string_helpers.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;
using testing::ScriptedUi;
using testing::TempDir;

class TranslateProceduresTest : public ::testing::Test {
  protected:
    TranslateProceduresTest() : session(app, dir / "unused.db", ui) {}
    std::string Run(std::initializer_list<std::string_view> lines) {
        CodeText code(SplitLines(CrLf(lines)));
        TranslateProcedures(session, code, nullptr, optionGroupNames);
        return code.Joined();
    }
    TempDir dir;
    AccessApplication app;
    ScriptedUi ui;
    std::vector<std::string> optionGroupNames;
    Session session;
};

TEST_F(TranslateProceduresTest, RecordsetFieldsBecomeBangReferences) {
    EXPECT_EQ(
        Run({"Attribute VB_Name = \"M\"", "Private mrs As Recordset", "Sub A()",
             "Dim rs As Recordset, rs2 As Recordset", "x = rs.OrderDate + rs2.Total + mrs.Qty",
             "rs.MoveNext", "y = rs.Fields(\"Name\") & rs.Name", "z = ors.Total", "End Sub",
             "Sub B(ByVal n As Long, prs As Recordset)", "Dim rs As Integer",
             "x = rs.Value + mrs.Price + prs.Price", "End Sub"}),
        CrLf({"Attribute VB_Name = \"M\"", "Private mrs As Recordset", "Sub A()",
              "Dim rs As Recordset, rs2 As Recordset", "x = rs!OrderDate + rs2!Total + mrs!Qty",
              "rs.MoveNext", "y = rs.Fields(\"Name\") & rs.Name", "z = ors.Total", "End Sub",
              "Sub B(ByVal n As Long, prs As Recordset)", "Dim rs As Integer",
              // The rs of the previous procedure is gone; the module's and the parameter stay.
              "x = rs.Value + mrs!Price + prs!Price", "End Sub"}));
}

TEST_F(TranslateProceduresTest, OptionGroupsBecomeControlArrays) {
    optionGroupNames = {"", "Ship"};
    EXPECT_EQ(Run({"Dim Ship As Integer",
                   "Ship = 1",
                   "Private Sub Ship_Click()",
                   "Ship = 3",
                   "Ship.Value = 3 'set",
                   "Ship.Value = 2: x = 1",
                   "Ship",
                   "Ship.Value",
                   "Ship.Visible = False",
                   "Me!Ship = 2",
                   "If Me!Ship = 2 Then",
                   "x = Me!Ship",
                   "Select Case Ship",
                   "x = Me!Ship.Value",
                   "Me!Ship.Enabled = False",
                   "x = Me![Ship]",
                   "x = ShipName + xShip",
                   "End Sub",
                   "Sub Ship_AfterUpdate()",
                   "End Sub"}),
              CrLf({"Dim Ship As Integer",
                    "Ship = 1",
                    "Private Sub Ship_Click(Index as Integer)",
                    "Ship(3).Value = True",
                    "Ship(3).Value = True'set",
                    "Ship(2).Value = True: x = 1",
                    "Ship(OptionGroupValue(Ship)).Index",
                    "Ship(OptionGroupValue(Ship)).Value",
                    "grpShip.Visible = False",
                    "Me.Ship(2).Value = True",
                    "If Ship(OptionGroupValue(Me.Ship)).Index = 2 Then",
                    "x = Ship(OptionGroupValue(Me.Ship)).Index",
                    "Select Case Ship(OptionGroupValue(Ship)).Index",
                    "x = Ship(OptionGroupValue(Me.Ship)).Index",
                    "Me.grpShip.Enabled = False",
                    "x = Ship(OptionGroupValue(Me.Ship)).Index",
                    "x = ShipName + xShip",
                    "End Sub",
                    "Sub Ship_AfterUpdate(Index as Integer)",
                    "End Sub"}));
}

// Inside an expression a group's "=" compares its value, whatever follows
// it; only at the start of a statement does it select a button.
TEST_F(TranslateProceduresTest, AGroupComparedInsideAnExpressionIsItsValue) {
    optionGroupNames = {"", "optgView"};
    EXPECT_EQ(
        Run({"Sub A()", "s = IIf(Me.optgView = 1, \"table\", \"CSV\")",
             "s = IIf(Me!optgView.Value = 2 Or x, 1, 0)",
             "If y Then Me.optgView = 2 Else optgView = 1", "End Sub"}),
        CrLf({"Sub A()",
              "s = IIf(optgView(OptionGroupValue(Me.optgView)).Index = 1, \"table\", \"CSV\")",
              "s = IIf(optgView(OptionGroupValue(Me.optgView)).Index = 2 Or x, 1, 0)",
              "If y Then Me.optgView(2).Value = True Else optgView(1).Value = True", "End Sub"}));
}

// Calls of a group's event procedures pass the selected button, now that the
// procedures take the index of the button array.
TEST_F(TranslateProceduresTest, CallsOfAGroupsEventProceduresPassTheSelectedButton) {
    optionGroupNames = {"", "optgView"};
    EXPECT_EQ(
        Run({"Sub A()", "Call optgView_Click", "optgView_AfterUpdate ' refresh",
             "Call optgView_Helper(1)", "End Sub", "Private Sub optgView_Click()", "End Sub",
             "Private Sub optgView_AfterUpdate()", "End Sub",
             "Private Sub optgView_MouseDown(Button As Integer, Shift As Integer, X As "
             "Single, Y As Single)",
             "End Sub"}),
        CrLf({"Sub A()", "Call optgView_Click(OptionGroupValue(optgView))",
              "Call optgView_AfterUpdate(OptionGroupValue(optgView)) ' refresh",
              "Call optgView_Helper(1)", "End Sub", "Private Sub optgView_Click(Index as Integer)",
              "End Sub", "Private Sub optgView_AfterUpdate(Index as Integer)", "End Sub",
              "Private Sub optgView_MouseDown(Index As Integer, Button As Integer, Shift As "
              "Integer, X As Single, Y As Single)",
              "End Sub"}));
}

// A call anywhere a statement starts gets the index: after a colon, Then or
// Else, and before the arguments a mouse event already had. A call that
// passes Index already, a string and another object's member are left.
TEST_F(TranslateProceduresTest, EveryStatementCallOfAGroupsProcedureGetsTheIndex) {
    optionGroupNames = {"", "g"};
    EXPECT_EQ(
        Run({"Sub A()", "Call g_Click: Beep", "If x Then g_Click Else g_Click()",
             "g_MouseDown 1, 0, 0, 0", "Call g_MouseDown(1, 0, 0, 0)", "g_MouseDown (1), 0, 0, 0",
             "Call g_MouseDown(Index, 1, 0, 0, 0)", "Call g_Click(Index)",
             "MsgBox \"g_Click\": o.g_Click", "End Sub", "Private Sub g_Click()", "End Sub",
             "Private Sub g_MouseDown(Button As Integer, Shift As Integer, X As Single, "
             "Y As Single)",
             "End Sub"}),
        CrLf({"Sub A()", "Call g_Click(OptionGroupValue(g)): Beep",
              "If x Then Call g_Click(OptionGroupValue(g)) Else Call "
              "g_Click(OptionGroupValue(g))",
              "g_MouseDown OptionGroupValue(g), 1, 0, 0, 0",
              "Call g_MouseDown(OptionGroupValue(g), 1, 0, 0, 0)",
              "g_MouseDown OptionGroupValue(g), (1), 0, 0, 0",
              "Call g_MouseDown(Index, 1, 0, 0, 0)", "Call g_Click(Index)",
              "MsgBox \"g_Click\": o.g_Click", "End Sub", "Private Sub g_Click(Index as Integer)",
              "End Sub",
              "Private Sub g_MouseDown(Index As Integer, Button As Integer, Shift As "
              "Integer, X As Single, Y As Single)",
              "End Sub"}));
}

// The group's value wherever it ends: before a colon, a comma, a closing
// parenthesis; the form's array by its member (Me.G, .G in With Me), and a
// continued statement rewritten whole.
TEST_F(TranslateProceduresTest, AGroupsValueInEveryPlaceAnExpressionHasIt) {
    optionGroupNames = {"", "Ship"};
    EXPECT_EQ(
        Run({"Sub A()", "x = Me!Ship: If IsNull(Ship) Then Beep", "x = Nz(Me!Ship, 0)", "With Me",
             "!Ship = 2", "End With", "Me!Ship = _", "    3", "x = Me!ShipName", "End Sub"}),
        CrLf({"Sub A()",
              "x = Ship(OptionGroupValue(Me.Ship)).Index: If "
              "IsNull(Ship(OptionGroupValue(Ship)).Index) Then Beep",
              "x = Nz(Ship(OptionGroupValue(Me.Ship)).Index, 0)", "With Me",
              ".Ship(2).Value = True", "End With", "Me.Ship(3).Value = True", "x = Me!ShipName",
              "End Sub"}));
}

// Without option groups nothing changes for them; and a control whose name
// begins with a group's is no member of the group: the timer Timer1_2 beside
// the group Timer1 keeps its event as it is.
TEST_F(TranslateProceduresTest, WhatIsNoGroupsStaysAsItIs) {
    EXPECT_EQ(Run({"Sub A()", "Ship = 3", "End Sub"}), CrLf({"Sub A()", "Ship = 3", "End Sub"}));
    optionGroupNames = {"", "Timer1"};
    EXPECT_EQ(Run({"Private Sub Timer1_2_Timer()", "End Sub"}),
              CrLf({"Private Sub Timer1_2_Timer()", "End Sub"}));
}

TEST(FormReferences, AWholeArgumentNamesAFormOrYieldsItsName) {
    const FormVbNames names{{"Orders", "Orders"},
                            {"Order Details", "Order_Details"},
                            {"Order-Details", "Order_DetailsA"}};
    EXPECT_EQ(FormReference("\"Orders\"", names), "Orders");
    EXPECT_EQ(FormReference("[Order Details]", names), "Order_Details");
    // A form that had to take another name is named by the name it got.
    EXPECT_EQ(FormReference("\"Order-Details\"", names), "Order_DetailsA");
    EXPECT_EQ(FormReference("\"Other\"", names), "GetFormFromName(\"Other\")");
    EXPECT_EQ(FormReference("\"Say \"\"Hi\"\"\"", names), "GetFormFromName(\"Say \"\"Hi\"\"\")");
    // An expression is the whole argument, not its first name.
    EXPECT_EQ(FormReference("strName", names), "GetFormFromName(strName)");
    EXPECT_EQ(FormReference("Me.txtName", names), "GetFormFromName(Me.txtName)");
    EXPECT_EQ(FormReference("Me![txt Name]", names), "GetFormFromName(Me![txt Name])");
    EXPECT_EQ(FormReference("\"Pick\" & \"er\"", names), "GetFormFromName(\"Pick\" & \"er\")");
    EXPECT_EQ(FormReference("\"\"", names), "GetFormFromName(\"\")");
}

TEST(FormReferences, EveryReferenceOfALineOnceInOnePass) {
    const FormVbNames names{{"Orders", "Orders"}};
    // A name that holds the opener is a name, not another reference.
    EXPECT_EQ(RewriteFormsBang("x = Forms![forms!x]!a", names),
              "x = GetFormFromName(\"forms!x\")!a");
    EXPECT_EQ(RewriteFormsCalls("Forms(\"forms(\")", names), "GetFormFromName(\"forms(\")");
    // Strings and comments are the user's text.
    EXPECT_EQ(RewriteFormsBang("MsgBox \"Forms!Orders\" & Forms!Orders!a ' Forms!Orders", names),
              "MsgBox \"Forms!Orders\" & Orders!a ' Forms!Orders");
    EXPECT_EQ(RewriteFormsBang("x = MyForms!Orders + Forms!Orders!a", names),
              "x = MyForms!Orders + Orders!a");
    // Two hundred thousand references on one line: one pass, not one per reference.
    std::string line, expected;
    for (int i = 0; i < 200000; ++i) {
        line += "Forms!Orders!a + ";
        expected += "Orders!a + ";
    }
    EXPECT_EQ(RewriteFormsBang(line + "1", names), expected + "1");
}

TEST(IdentifierHelpers, LeadingTrailingAndBackward) {
    EXPECT_EQ(LeadingIdentifier("Customer_ID.Value"), "Customer_ID");
    EXPECT_EQ(LeadingIdentifier(".x"), "");
    EXPECT_EQ(LeadingIdentifier("Caf\xE9!x"), "Caf\xE9");
    EXPECT_EQ(TrailingIdentifier("x = Me!"), "Me");
    EXPECT_EQ(TrailingIdentifier("x = "), "");
    EXPECT_EQ(TrailingIdentifier("!"), "");
    EXPECT_EQ(FindBackward("Dim rs As Recordset", " ", 6), 2);
    EXPECT_EQ(FindBackward("abc", " ", 3), 0);
    EXPECT_TRUE(IsRecordsetMember("movenext"));
    EXPECT_TRUE(IsRecordsetMember("ValidationText"));
    EXPECT_FALSE(IsRecordsetMember("CustomerID"));
}

}  // namespace
}  // namespace velorin
