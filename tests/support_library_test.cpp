#include <gtest/gtest.h>

#include "controls/support_library/support_library.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

class SupportLibraryTest : public ::testing::Test {
  protected:
    void Write(const std::string& name, std::initializer_list<std::string_view> lines) {
        WriteFile(dir / name, CrLf(lines));
    }
    // What is on disk once the edits are written back.
    std::string Read(const std::string& name) {
        out.WriteHeld();
        return ReadFile(dir / name);
    }

    TempDir dir;
    OutputDirectory out{dir.Path()};
};

TEST_F(SupportLibraryTest, PlacementZeroPutsTheLineRightAfterTheAnchor) {
    Write("f.txt", {"Private Sub cbo_NotInList(NewData As String, Response As Integer)", "x = 1",
                    "End Sub"});
    InsertLine(out, "f.txt", "Private Sub cbo_NotInList(NewData As String, Response As Integer)",
               "first", 0);
    InsertLine(out, "f.txt", "Private Sub cbo_NotInList(NewData As String, Response As Integer)",
               "second", 0);
    // The line inserted last stands first.
    EXPECT_EQ(Read("f.txt"),
              CrLf({"Private Sub cbo_NotInList(NewData As String, Response As Integer)", "second",
                    "first", "x = 1", "End Sub"}));
}

TEST_F(SupportLibraryTest, PlacementOneGoesBeforeTheProcedureEnd) {
    Write("f.006",
          {"Private Sub datOrders_Reposition()", "a", "End Sub", "Private Sub Other()", "End Sub"});
    InsertLine(out, "f.006", "Sub datOrders_Reposition()", "b", 1);
    InsertLine(out, "f.006", "Sub datOrders_Reposition()", "c", 1);
    EXPECT_EQ(Read("f.006"), CrLf({"Private Sub datOrders_Reposition()", "a", "b", "c", "End Sub",
                                   "Private Sub Other()", "End Sub"}));
}

TEST_F(SupportLibraryTest, AMissingAnchorOrFileChangesNothing) {
    Write("f.txt", {"Sub A()", "End Sub"});
    InsertLine(out, "f.txt", "Sub B()", "x", 0);
    InsertLine(out, "f.txt", "Sub B()", "x", 1);
    EXPECT_EQ(Read("f.txt"), CrLf({"Sub A()", "End Sub"}));
    InsertLine(out, "missing.txt", "Sub A()", "x", 0);
    EXPECT_FALSE(out.Exists("missing.txt"));
}

TEST_F(SupportLibraryTest, StampsTheVersionAndObjectLinesOnTheMdiTemplate) {
    Write("MDIParent.frm", {" ", "Begin VB.MDIForm MDIParent", "   Caption = \"Main\"", "End",
                            "Attribute VB_Name = \"MDIParent\""});
    InsertLine(out, "MDIParent.frm", " ", "VERSION 5.00", 1);
    InsertLine(out, "MDIParent.frm", "VERSION 5.00",
               "Object = \"{6B7E6392}#1.2#0\"; \"comctl32.ocx\"", 1);
    InsertLine(out, "MDIParent.frm", "VERSION 5.00",
               "Object=\"{0BA686C6}#1.0#0\"; \"THREED32.OCX\"", 1);
    EXPECT_EQ(Read("MDIParent.frm"),
              CrLf({"VERSION 5.00", "Object = \"{6B7E6392}#1.2#0\"; \"comctl32.ocx\"",
                    "Object=\"{0BA686C6}#1.0#0\"; \"THREED32.OCX\"", "Begin VB.MDIForm MDIParent",
                    "   Caption = \"Main\"", "End", "Attribute VB_Name = \"MDIParent\""}));
}

TEST_F(SupportLibraryTest, DuplicateHeadersAreFoundByLineNumber) {
    Write("Orders.txt", {"Option Compare Database", "", "Sub Form_Click()", "End Sub",
                         "  Private   Sub  X_Enter()"});
    EXPECT_EQ(IsDuplicateLine(out, "Orders.txt", "Private Sub Form_Click()"), 3);
    EXPECT_EQ(IsDuplicateLine(out, "Orders.txt", "private sub x_enter()"), 5);
    EXPECT_EQ(IsDuplicateLine(out, "Orders.txt", "Private Sub Form_Load()"), 0);
    EXPECT_EQ(IsDuplicateLine(out, "none.txt", "Sub Form_Click()"), 0);
}

TEST_F(SupportLibraryTest, ChangeLineReplacesTheLineHoldingTheText) {
    Write("f.txt", {"Private Sub cbo_AfterUpdate()", "End Sub"});
    ChangeLine(out, "f.txt", "Sub cbo_AfterUpdate()", "");
    EXPECT_EQ(Read("f.txt"), CrLf({"", "End Sub"}));
}

TEST_F(SupportLibraryTest, LabelsBecomeControlArrayElements) {
    Write("form_A.frm", {"Begin VB.Form A", "   Begin VB.Label Label1", "   End",
                         "   Begin VB.Label Label10", "   End", "End"});
    EXPECT_EQ(AddToCtlArray(out, "form_A.frm", "Label1", "Begin VB.Label Label1", "0"), 1);
    EXPECT_EQ(AddToCtlArray(out, "form_A.frm", "Label1", "Begin VB.Label Label10", "1"), 1);
    EXPECT_EQ(AddToCtlArray(out, "form_A.frm", "Label1", "Begin VB.Label Label99", "2"), 0);
    EXPECT_EQ(Read("form_A.frm"),
              CrLf({"Begin VB.Form A", "   Begin VB.Label Label1", "Index = 0", "   End",
                    "   Begin VB.Label Label1", "Index = 1", "   End", "End"}));
}

TEST_F(SupportLibraryTest, DataControlEntriesCreateAndExtendTheRepositionProcedure) {
    AddDataCtlEntry(out, "form_A.006", "datA", "");
    AddDataCtlEntry(out, "form_A.006", "datA", "txtTotal.value =[Qty]*[Price]");
    AddDataCtlEntry(out, "form_A.006", "datSub", "datSub.Refresh");
    AddDataCtlEntry(out, "form_A.006", "datA", "datSub.RecordSource = x");
    EXPECT_EQ(Read("form_A.006"),
              CrLf({"Private Sub datA_Reposition()", "datSub.RecordSource = x",
                    "txtTotal.value =[Qty]*[Price]", "End Sub", "Private Sub datSub_Reposition()",
                    "datSub.Refresh", "End Sub"}));
}

// Edited files are held in memory between edits; every other way to the same
// file must see the edits, and a removed file must not come back.
TEST_F(SupportLibraryTest, HeldEditsAreSeenByEveryOtherAccessToTheFile) {
    Write("f.frm", {"Private Sub A()", "End Sub"});
    InsertLine(out, "f.frm", "Private Sub A()", "x = 1", 1);
    EXPECT_EQ(ReadFile(dir / "f.frm"), CrLf({"Private Sub A()", "End Sub"}))
        << "edits are not written per edit";
    EXPECT_EQ(out.Read("f.frm"), CrLf({"Private Sub A()", "x = 1", "End Sub"}));

    // Appending adds after the edits.
    out.Append("f.frm", "Rem tail\r\n");
    EXPECT_EQ(Read("f.frm"), CrLf({"Private Sub A()", "x = 1", "End Sub", "Rem tail"}));

    // An edit after a plain write starts from what the write left.
    out.Write("f.frm", CrLf({"Private Sub B()", "End Sub"}));
    EXPECT_EQ(IsDuplicateLine(out, "f.frm", "Private Sub A()"), 0);
    EXPECT_EQ(IsDuplicateLine(out, "f.frm", "private sub  B()"), 1);

    // A fragment made by an edit exists before it reaches the disk, and a
    // pattern removes it for good.
    AddDataCtlEntry(out, "form_x.006", "datMain", "datSub.refresh");
    EXPECT_TRUE(out.Exists("form_x.006"));
    EXPECT_TRUE(out.AnyMatching("form_*.006"));
    EXPECT_EQ(out.RemoveMatching("form_*.*"), 1);
    EXPECT_FALSE(out.Exists("form_x.006"));
    out.WriteHeld();
    EXPECT_FALSE(std::filesystem::exists(dir / "form_x.006"));

    // Renamed with its edits; the old name is gone from the disk too.
    InsertLine(out, "f.frm", "Private Sub B()", "y = 2", 1);
    ASSERT_TRUE(out.Rename("f.frm", "g.frm"));
    EXPECT_FALSE(out.Exists("f.frm"));
    EXPECT_FALSE(std::filesystem::exists(dir / "f.frm"));
    EXPECT_EQ(Read("g.frm"), CrLf({"Private Sub B()", "y = 2", "End Sub"}));
}

TEST_F(SupportLibraryTest, HeldEditsReachTheDiskWhenTheDirectoryGoes) {
    Write("f.txt", {"Private Sub A()", "End Sub"});
    {
        OutputDirectory other(dir.Path());
        InsertLine(other, "f.txt", "Private Sub A()", "x = 1", 1);
    }
    EXPECT_EQ(ReadFile(dir / "f.txt"), CrLf({"Private Sub A()", "x = 1", "End Sub"}));
}

}  // namespace
}  // namespace velorin
