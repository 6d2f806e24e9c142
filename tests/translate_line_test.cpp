#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

#include "code/access_expression.h"
#include "code/code_mask.h"
#include "code/translate_line.h"
#include "common/string_helpers.h"
#include "output/form_output.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::ReadWritten;
using testing::ScriptedUi;
using testing::TempDir;

struct Record {
    int reason = 0;
    std::string codeLine;
    long lineNumber = 0;
    std::string translated;
    std::string routine;
    bool operator==(const Record&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Record& r) {
    return out << "{" << r.reason << ", " << r.codeLine << ", " << r.lineNumber << ", "
               << r.translated << ", " << r.routine << "}";
}

struct Translation {
    std::string line;
    std::vector<std::string> before;  // lines written before the line
    std::vector<Record> records;
    long notTranslated = 0;
    long potentially = 0;
    long blank = 0;
    long total = 0;
    long lineNumber = 0;
};

class TranslateLineTest : public ::testing::Test {
  protected:
    TranslateLineTest() : session(app, testing::FreshSupportDatabase(dir), ui) {
        session.project.convertedFormNames = {"", "Orders", "Order Details"};
        session.names.formVbNames = {{"Orders", "Orders"}, {"Order Details", "Order_Details"}};
        app.AddQueryDef({"qryUpdatePrices", "UPDATE Products SET x = 1", 48, {}});
        app.AddQueryDef({"qryDelete", "DELETE * FROM Temp", 32, {}});
        app.AddQueryDef({"qryList", "SELECT * FROM Products", 0, {}});
        // The form's data controls, by the names they were given.
        formNames.Generate(name_key::kFormDataControl, "datOrders");
        formNames.Generate(std::string(name_key::kListDataControl) + "lstCustomers",
                           "datlstCustomers");
        formNames.Generate(std::string(name_key::kListDataControl) + "lst_Orders",
                           "datlst_Orders_2");
        formNames.Generate(std::string(name_key::kSubformDataControl) + "sfrLines",
                           "datOrder_Lines");
        formNames.Claim("txtTotal");
        formNames.Claim("lstCustomers");
    }

    Translation Translate(const std::string& line) {
        CodeText before;
        CodeFileState state(session, before);
        state.formNames = &formNames;
        state.moduleName = "Orders";
        state.routine = "Private Sub cmdGo_Click";
        state.lineNumber = 7;
        state.isForm = true;
        state.line = line;
        TranslateLine(state);
        Translation t;
        t.line = state.line;
        t.before = before.Lines();
        t.records = NewRecords();
        t.notTranslated = state.linesNotTranslated;
        t.potentially = state.linesPotentiallyConverted;
        t.blank = state.blankLines;
        t.total = state.totalLines;
        t.lineNumber = state.lineNumber;
        return t;
    }

    std::vector<Record> NewRecords() {
        std::vector<Record> records;
        sqlite3_stmt* q = session.supportDb.Prepare(
            "SELECT ID, ReasonID, CodeLine, LineNumber, TranslatedLine, Routine FROM "
            "tblReportOutput "
            "WHERE ID > ?1 ORDER BY ID");
        sqlite3_bind_int64(q, 1, lastId);
        while (sqlite3_step(q) == SQLITE_ROW) {
            lastId = sqlite3_column_int64(q, 0);
            auto text = [&](int i) {
                return std::string(reinterpret_cast<const char*>(sqlite3_column_text(q, i)));
            };
            records.push_back(
                {sqlite3_column_int(q, 1), text(2), sqlite3_column_int(q, 3), text(4), text(5)});
        }
        sqlite3_reset(q);
        return records;
    }

    // A record about `line` as it stood when the rule fired.
    Record Rec(int reason, const std::string& line, const std::string& translated = "") {
        return {reason, line, 7, translated, "Private Sub cmdGo_Click"};
    }

    TempDir dir;
    AccessApplication app;
    ScriptedUi ui;
    Session session;
    NameRegistry formNames;
    sqlite3_int64 lastId = 0;
};

// Lines a rule replaces in place: no record, no counter.
// Strings and comments are blanked to one byte each, the quotes and the code
// kept, whatever the quotes and Rem around them; the rules' searches see the
// same, asked of one line or of several in turn.
TEST(CodeMask, StringsAndCommentsAreBlankedTheCodeKept) {
    auto shown = [](std::string_view line) {
        std::string masked = MaskedCode(line);
        std::replace(masked.begin(), masked.end(), '\x01', '#');
        return masked;
    };
    EXPECT_EQ(shown(R"(x = "a'b" ' note)"), R"(x = "###" ######)");
    EXPECT_EQ(shown(R"(x = "say ""hi""" & y)"), R"(x = "####""##""" & y)");
    EXPECT_EQ(shown(R"(x = "open)"), R"(x = "####)");
    EXPECT_EQ(shown("Rem all of it"), "#############");
    EXPECT_EQ(shown("x = 1: Rem note"), "x = 1: ########");
    EXPECT_EQ(shown("Remark = Rem2 + r"), "Remark = Rem2 + r");
    EXPECT_EQ(shown(R"(s = "Rem" & t 'x)"), R"(s = "###" & t ##)");
    EXPECT_EQ(shown(""), "");
    EXPECT_EQ(CodeEnd(R"(Call f("it's")   ' done)"), 14u);
    EXPECT_EQ(CodeEnd(R"(s = "a ' b)"), 10u);

    const std::string first = R"(MsgBox "DoCmd" ' DoCmd)";
    const std::string second = "DoCmd.Close";
    for (int round = 0; round < 2; ++round) {
        EXPECT_FALSE(CodeContains(first, "docmd"));
        EXPECT_TRUE(CodeContains(second, "docmd"));
        EXPECT_FALSE(CodeContains(second, "docmd", true));
        EXPECT_EQ(FindInCode(second, "close"), 6u);
        EXPECT_EQ(FindInCode(first, "msgbox"), 0u);
    }

    // The mask kept for a line is made again when the line changes, in
    // place or for another.
    MaskedLine mask;
    EXPECT_EQ(mask.Of(first), MaskedCode(first));
    EXPECT_FALSE(mask.Filter().MayContain("docmd"));
    std::string line = second;
    EXPECT_EQ(mask.Of(line), MaskedCode(second));
    EXPECT_TRUE(mask.Filter().MayContain("docmd"));
    line = R"(x = "DoCmd.Close")";
    EXPECT_EQ(mask.Of(line), MaskedCode(line));
    EXPECT_FALSE(mask.Filter().MayContain("docmd"));
}

TEST_F(TranslateLineTest, Replacements) {
    const std::pair<std::string, std::string> cases[] = {
        {"h = Application.hWndAccessApp", "h = App.hInstance"},
        {"application.quit", "End"},
        {"docmd.hourglass TRUE", "Screen.MousePointer = vbHourglass"},
        {"DoCmd.Hourglass False", "Screen.MousePointer = vbDefault"},
        {"DoCmd.Beep", "Beep"},
        {"DoCmd.Quit", "End"},
        {"DoCmd.RunMacro \"Print Sales\"", "Call Print_Sales"},
        {"DoCmd.RunMacro \"mcrNav.Open\", , \"\"", "Call mcrNav_Open"},
        {"Set rs = CurrentDb().OpenRecordset(s)", "Set rs = DB.OpenRecordset(s)"},
        {"x = Me.HelpFile", "x = App.HelpFile"},
        {"Set rs = db.CreateDynaset(\"x\", DB_OPEN_DYNASET)",
         "Set rs = db.OpenRecordset(\"x\", DBOPENDYNASET)"},
        {"Set rs = db.CreateSnapshot(\"x\", DB_OPEN_snapshot)",
         "Set rs = db.OpenRecordset(\"x\", dbOpenSnapshot)"},
        {"Set t = db.OpenTable(\"x\", DB_OPEN_TABLE + DB_FORWARDONLY)",
         "Set t = db.OpenTable(\"x\", dbOpenTable + dbForwardOnly)"},
        {"o = DB_SQLPASSTHROUGH + DB_APPENDONLY + DB_READONLY",
         "o = dbsqlpassthrough + dbappendonly + dbreadonly"},
        {"db.CreateDatabase n, DB_LANG_GENERAL", "db.CreateDatabase n, dbLangGeneral"},
        {"Set q = db.OpenQueryDef(\"x\")", "Set q = db.QueryDefs(\"x\")"},
        {"Dim rs As Dynaset, s As Snapshot, t As TableDef",
         "Dim rs As Recordset, s As Recordset, t As TableDef"},
        {"Set d = DBEngine(0)(0)", "Set d = db"},
        {"Me.Repaint", "Me.Refresh"},
        {"Set d = DBEngine.Workspaces(0).Databases(0)", "Set d = db"},
        {"x = Me.ctlCal.Object.Value", "x = Me.ctlCal.Value"},
        {"Me.txtName = Me.lstA + Me.cboB + Me.lblC", "me!txtName = me!lstA + me!cboB + me!lblC"},
        {"a = t.Attributes + t.SourceTableName", "a = t!Attributes + t!SourceTableName"},
        {"quit", "End"},
        {"v = SysCmd(acSysCmdInitMeter, \"Go\", 10)", "v = SysCmdVB(1, \"Go\", 10)"},
        {"v = SysCmd(SYSCMD_UPDATEMETER, 5) + SysCmd(acSysCmdRemoveMeter)",
         "v = SysCmdVB(2, 5) + SysCmdVB(3)"},
        {"v = SysCmd(acSysCmdSetStatus, s) & SysCmd(SYSCMD_CLEARSTATUS)",
         "v = SysCmdVB(4, s) & SysCmdVB(5)"},
        {"v = SysCmd(acSysCmdGetWorkgroupFile)", "v = SysCmdVB(13)"},
        {"v = SysCmd(SYSCMD_GETOBJECTSTATE, 2, n)", "v = SysCmdVB(10, 2, n)"},
        {"Me.TimerInterval = 0", "Me.Timer1.Interval = 0"},
        {"Me.cmdGo.ControlTipText = \"Go\"", "Me.cmdGo.ToolTipText = \"Go\""},
        {"Forms(\"Orders\").Caption = \"x\"", "Orders.Caption = \"x\""},
        {"Forms(\"Customers\").Caption = \"x\"", "GetFormFromName(\"Customers\").Caption = \"x\""},
        {"Set f = Forms(strName)", "Set f = GetFormFromName(strName)"},
        {"x = Forms![Order Details].Caption", "x = Order_Details.Caption"},
        {"x = Forms![Orders] & Forms(\"Orders\")", "x = Orders & Orders"},
        {"Forms!Orders!OrderID = 1", "Orders!OrderID = 1"},
        {"Forms!Customers!Name = 1", "GetFormFromName(\"Customers\")!Name = 1"},
        {"Forms!frm_Main!txtA = 1", "GetFormFromName(\"frm_Main\")!txtA = 1"},
        {"x = sub_forms(\"a\")", "x = sub_forms(\"a\")"},
        {"x = Subforms(\"a\")", "x = Subforms(\"a\")"},
        {"x.onclick = 1", "x.onclick = 1"},
    };
    for (const auto& [input, expected] : cases) {
        Translation t = Translate(input);
        EXPECT_EQ(t.line, expected) << input;
        EXPECT_TRUE(t.records.empty()) << input;
        EXPECT_EQ(t.notTranslated + t.potentially + t.blank, 0) << input;
    }
}

// Lines commented out as the application wrote them: the marker, one record
// with its reason (0: whichever), one counted line. A requery the converted
// form cannot carry out (reason 6) is among them.
TEST_F(TranslateLineTest, CommentedOut) {
    const std::pair<std::string, int> cases[] = {
        {"Application.Echo False", 2},
        {"DoCmd.Close acReport, \"Sales\"", 6},
        {"DoCmd.Close acQuery, \"q\", acSaveNo", 6},
        {"DoCmd.OpenQuery \"qryList\", acViewNormal", 6},
        {"DoCmd.OpenQuery \"qryMissing\"", 6},
        {"DoCmd.OpenQuery strName", 6},
        {"DoCmd.Requery txtName", 6},
        {"DoCmd.Requery \"txtName\"", 6},
        {"DoCmd.RunMacro strMacro", 6},
        {"DoCmd.OpenForm \"Orders\", Mystery:=1", 6},
        {"DoCmd.OpenReport \"Invoice\"", 2},
        {"Option Compare Database", 1},
        {"Me.AllowAdditions = False", 1},
        {"Me.AllowEdits = False", 1},
        {"Me.DataEntry = True", 1},
        {"Me.AllowDeletions = False", 1},
        {"x.RunCommand 1: Me.Undo", 1},
        {"x = acFirst", 1},
        {"x = A_PREV", 1},
        {"x = acHidden", 1},
        {"Me.GoToPage 2", 1},
        {"Reports!Invoice.Visible = True", 9},
        {"Set r = Screen.ActiveReport", 9},
        {"If Err = DATA_ERRADDED Then", 1},
        {"Me.Bookmark = b", 1},
        {"Set c = Me.RecordsetClone", 1},
        {"x = Me!Sub1.Form!Total", 1},
        {"Set p = Me.Parent", 1},
        {"Me.DefaultEditing = 2", 1},
        {"DDEExecute ch, \"x\"", 1},
        {"ch = DDEInitiate(\"Excel\", \"System\")", 1},
        {"DDEPoke ch, \"R1C1\", \"x\"", 1},
        {"x = DDERequest(ch, \"R1C1\")", 1},
        {"x = DDESend(\"a\", \"b\", \"c\")", 1},
        {"DDETerminate ch", 1},
        {"Me.txtA.Locked = True", 1},
        {"Me.Sub1.SourceObject = \"x\"", 1},
        {"Me.lstA.RowSource = s", 1},
        {"Me.Painting = False", 1},
        {"Me.AllowEditing = True", 1},
        {"Me.HiddenPageBreak = 1", 1},
        {"Me.FilterOn = True", 1},
        {"Me.cmdA.OnClick = \"=Go()\"", 12},
        {"Me.OnOpen = \"\"", 12},
        {"Me.txtA.OnNotInList = s", 12},
        {"DoCmd.RunCommand acCmdSaveRecord", 2},
        {"Me!txtTotal.Requery", 6},
        {"Forms!Orders.Requery", 6},
        {"GetFormFromName(strName).Requery", 6},
        {"Forms(\"Orders\").Requery", 6},
        {"DoCmd.GoToRecord , , acNext", 0},
        {"s = Application.CurrentProject.Path & \"\\x\" & Now()", 0},
        {"x = CurrentUser()", 0},
        {"If IsLoaded(\"Orders\") Then Forms!Orders!lstCustomers.Requery", 0},
    };
    for (const auto& [input, reason] : cases) {
        SCOPED_TRACE(input);
        Translation t = Translate(input);
        EXPECT_EQ(t.line, "'VLRN " + input);
        ASSERT_EQ(t.records.size(), 1u);
        EXPECT_EQ(t.records[0], Rec(reason ? reason : t.records[0].reason, input));
        EXPECT_EQ(t.notTranslated, 1);
    }
}

// A list-filling function's codes keep their values, so that its Select Case
// keeps every branch; the line is recorded.
TEST_F(TranslateLineTest, ListCallbackCodesBecomeTheirValues) {
    const std::pair<std::string, std::string> cases[] = {
        {"Case acLBInitialize", "Case 0"},
        {"Case LB_OPEN, acLBGetRowCount", "Case 1, 3"},
        {"Case acLBGetColumnCount", "Case 4"},
        {"Case LB_GETCOLUMNWIDTH, acLBGetColumnWidth", "Case 5, 5"},
        {"If intCode = acLBGetValue Or intCode = LB_GETVALUE Then",
         "If intCode = 6 Or intCode = 6 Then"},
        {"Case acLBGetFormat, acLBClose", "Case 7, 8"},
        {"Case LB_END, acLBEnd", "Case 9, 9"},
        {"Case LB_INITIALIZE", "Case 0"},
    };
    for (const auto& [input, values] : cases) {
        Translation t = Translate(input);
        EXPECT_EQ(t.line, values + "\t'VLRN " + input) << input;
        EXPECT_EQ(t.records, (std::vector<Record>{Rec(8, input, values)})) << input;
        EXPECT_EQ(t.notTranslated, 0) << input;
    }
}

// Every named constant and event property of the unsupported features.
TEST_F(TranslateLineTest, EveryNavigationConstantAndEventProperty) {
    const std::pair<std::vector<std::string>, int> groups[] = {
        {{"acFirst", "acLast", "acNewRec", "acNext", "acPrev", "A_FIRST", "A_LAST", "A_NEWREC",
          "A_NEXT", "A_PREV", "acHidden"},
         1},
        {{".OnAction",    ".OnActivate",  ".OnAddnNew",   ".OnApplyFilter", ".OnChange",
          ".OnClick",     ".OnClose",     ".OnCurrent",   ".OnDblClick",    ".OnDeactivate",
          ".OnDelete",    ".OnEnter",     ".OnError",     ".OnExit",        ".OnFilter",
          ".OnGotFocus",  ".OnKeyDown",   ".OnKeyPress",  ".OnKeyUp",       ".OnLoad",
          ".OnLostFocus", ".OnMouseDown", ".OnMouseMove", ".OnMouseUp",     ".OnNotInList",
          ".OnOpen",      ".OnResize",    ".OnTimer",     ".OnUnload",      ".OnUpdated"},
         12},
        {{".Undo", ".Locked", ".SourceObject", ".RowSource", ".Painting", ".AllowEditing",
          ".HiddenPageBreak"},
         1},
    };
    for (const auto& [names, reason] : groups) {
        for (const std::string& name : names) {
            std::string input = "x = y" + name;
            Translation t = Translate(input);
            EXPECT_EQ(t.line, "'VLRN " + input) << input;
            EXPECT_EQ(t.records, (std::vector<Record>{Rec(reason, input)})) << input;
        }
    }
}

TEST_F(TranslateLineTest, TranslatedWithNote) {
    struct Case {
        std::string input;
        std::string newText;
        int reason;
        std::string recorded;
    };
    const Case cases[] = {
        {"DoCmd.CancelEvent", "Cancel = True", 5, "Cancel = True"},
        {"DoCmd.Close", "Unload Screen.ActiveForm", 7, "Unload Me"},
        {"DoCmd.Close , , acSaveNo", "Unload Screen.ActiveForm", 7, "Unload Me"},
        {"DoCmd.Close acForm, Me.Name", "Unload Orders", 7, "Unload Orders"},
        {"DoCmd.Close acForm, \"Order Details\"", "Unload Order_Details", 7,
         "Unload Order_Details"},
        {"DoCmd.Close 2, \"Customers\"", "Unload GetFormFromName(\"Customers\")", 7,
         "Unload GetFormFromName(\"Customers\")"},
        {"DoCmd.Maximize", "Screen.ActiveForm.Windowstate = 2", 7, "Me.Windowstate = 2"},
        {"DoCmd.Minimize", "Screen.ActiveForm.Windowstate = 1", 7, "Me.Windowstate = 1"},
        {"DoCmd.Restore", "Screen.ActiveForm.Windowstate = 0", 7, "Me.Windowstate = 0"},
        {"DoCmd.Requery \"lstCustomers\"", "datlstCustomers.Refresh", 7, "datlstCustomers.Refresh"},
        {"DoCmd.Requery", "datOrders.Refresh", 7, "datOrders.Refresh"},
        {"DoCmd.RunSQL \"DELETE * FROM Temp\"", "DB.Execute \"DELETE * FROM Temp\"", 7,
         "DB.Execute \"DELETE * FROM Temp\""},
        {"DoCmd.OpenForm \"Orders\"", "Orders.Show", 7, "Orders.Show"},
        {"DoCmd.OpenForm \"Orders\", , , , , acDialog", "Orders.Show vbModal ", 7,
         "Orders.Show vbModal "},
        {"DoCmd.OpenForm \"Orders\", WindowMode:=3", "Orders.Show vbModal ", 7,
         "Orders.Show vbModal "},
        {"DoCmd.GoToControl \"txtName\"", "Screen.ActiveForm.Controls(\"txtName\").SetFocus", 7,
         "Controls(\"txtName\").SetFocus"},
        {"DoCmd.GoToControl \"Order ID\"", "Screen.ActiveForm.Controls(\"Order_ID\").SetFocus", 7,
         "Controls(\"Order_ID\").SetFocus"},
        {"DoCmd.PrintOut acPages, 1, 2", "Screen.ActiveForm.PrintForm", 7,
         "Screen.ActiveForm.PrintForm"},
        {"DoCmd.OpenQuery \"qryUpdatePrices\"", "db.Execute \"qryUpdatePrices\"", 7,
         "db.Execute \"qryUpdatePrices\""},
        {"Me!lstCustomers.Requery", "datlstCustomers.Refresh", 7, "datlstCustomers.Refresh"},
        {"Me![lst Orders].Requery", "datlst_Orders_2.Refresh", 7, "datlst_Orders_2.Refresh"},
        {"Me.Requery", "datOrders.Refresh", 7, "datOrders.Refresh"},
        {"Me.sfrLines.Requery", "datOrder_Lines.Refresh", 7, "datOrder_Lines.Refresh"},
        {"If x Then lstCustomers.Requery", "If x Then datlstCustomers.Refresh", 7,
         "If x Then datlstCustomers.Refresh"},
        // The later rules change the translated code, never the old text.
        {"DoCmd.RepaintObject", "Screen.ActiveForm.Refresh", 7, "Screen.ActiveForm.Refresh"},
        {"DoCmd.OpenQuery QueryName:=\"qryDelete\"", "db.Execute \"qryDelete\"", 7,
         "db.Execute \"qryDelete\""},
    };
    for (const Case& c : cases) {
        Translation t = Translate(c.input);
        EXPECT_EQ(t.line, c.newText + "\t'VLRN " + c.input) << c.input;
        EXPECT_EQ(t.records, (std::vector<Record>{Rec(c.reason, c.input, c.recorded)})) << c.input;
        EXPECT_EQ(t.potentially, 1) << c.input;
        EXPECT_EQ(t.notTranslated, 0) << c.input;
    }
}

TEST_F(TranslateLineTest, MoveSizeKeepsAHintInFront) {
    Translation t = Translate("DoCmd.MoveSize 0, 0");
    EXPECT_EQ(t.line, "'me.move new left,new top,width,height 'VLRN 'VLRN DoCmd.MoveSize 0, 0");
    EXPECT_EQ(t.records, (std::vector<Record>{Rec(6, "DoCmd.MoveSize 0, 0")}));
}

TEST_F(TranslateLineTest, LinesThatEndTranslationEmpty) {
    for (const char* input : {"Attribute VB_Name = \"X\"", "Attribute VB_Creatable = False",
                              "Attribute VB_Exposed = False"}) {
        Translation t = Translate(input);
        EXPECT_EQ(t.line, "") << input;
        EXPECT_EQ(t.blank, 1) << input;
        EXPECT_TRUE(t.records.empty()) << input;
    }
}

TEST_F(TranslateLineTest, OpenFormWithOpenArgsLoadsTheFormFirst) {
    Translation t = Translate("DoCmd.OpenForm \"Orders\", , , , , , \"New\"");
    EXPECT_EQ(t.before, (std::vector<std::string>{"Load Orders", "Orders.Openargs = \"New\""}));
    EXPECT_EQ(t.line, "Orders.Show\t'VLRN DoCmd.OpenForm \"Orders\", , , , , , \"New\"");
    EXPECT_EQ(t.total, 2);
    EXPECT_EQ(t.lineNumber, 9);
    EXPECT_EQ(t.potentially, 1);

    Translation named = Translate("DoCmd.OpenForm FormName:=\"Customers\", OpenArgs:=\"x\"");
    EXPECT_EQ(named.before,
              (std::vector<std::string>{"Load GetFormFromName(\"Customers\")",
                                        "GetFormFromName(\"Customers\").Openargs = \"x\""}));
    EXPECT_EQ(named.line,
              "GetFormFromName(\"Customers\").Show\t'VLRN DoCmd.OpenForm FormName:=\"Customers\", "
              "OpenArgs:=\"x\"");
    EXPECT_EQ(named.records,
              (std::vector<Record>{{7, "DoCmd.OpenForm FormName:=\"Customers\", OpenArgs:=\"x\"", 9,
                                    "Customers.Show", "Private Sub cmdGo_Click"}}));
}

TEST_F(TranslateLineTest, RunMacroRepeatsAsLoops) {
    Translation count = Translate("DoCmd.RunMacro \"Print Sales\", 3");
    EXPECT_EQ(count.before,
              (std::vector<std::string>{"Dim iRunMacroCount as Integer",
                                        "For iRunMacroCount = 1 to 3", "Call Print_Sales"}));
    EXPECT_EQ(count.line, "Next\t'VLRN DoCmd.RunMacro \"Print Sales\", 3");
    EXPECT_EQ(count.records,
              (std::vector<Record>{Rec(7, "DoCmd.RunMacro \"Print Sales\", 3", "For..Next Loop")}));
    EXPECT_EQ(count.potentially + count.total + count.notTranslated, 0);

    // Access runs the macro again while the expression holds.
    Translation repeat = Translate("DoCmd.RunMacro \"M\", , \"[Count]>5\"");
    EXPECT_EQ(repeat.before, (std::vector<std::string>{"Do While [Count]>5", "Call M"}));
    EXPECT_EQ(repeat.line, "Loop\t'VLRN DoCmd.RunMacro \"M\", , \"[Count]>5\"");
    EXPECT_EQ(repeat.records.at(0).translated, "Do..Loop");
    Translation named = Translate("DoCmd.RunMacro RepeatExpression:=n < 3, MacroName:=\"mcr.Go\"");
    EXPECT_EQ(named.before, (std::vector<std::string>{"Do While n < 3", "Call mcr_Go"}));

    Translation both = Translate("DoCmd.RunMacro \"M\", 2, \"[x]\"");
    EXPECT_EQ(both.before, (std::vector<std::string>{"Dim iRunMacroCount as Integer",
                                                     "For iRunMacroCount = 1 to 2",
                                                     "If Not ([x]) Then Exit For", "Call M"}));
    EXPECT_EQ(both.line, "Next\t'VLRN DoCmd.RunMacro \"M\", 2, \"[x]\"");
}

// A requery of anything but a form or its controls keeps its own Requery;
// a form without a data control cannot carry one out.
TEST_F(TranslateLineTest, RequeriesOfWhatHasNoDataControl) {
    for (const char* input : {"rs.Requery", "If Not rs Is Nothing Then rs.Requery"}) {
        Translation t = Translate(input);
        EXPECT_EQ(t.line, input);
        EXPECT_TRUE(t.records.empty()) << input;
    }
    formNames = NameRegistry();
    Translation t = Translate("Me.Requery");
    EXPECT_EQ(t.line, "'VLRN Me.Requery") << "a form without a data control";
}

TEST_F(TranslateLineTest, UnboundListsAreRefilled) {
    formNames = NameRegistry();
    formNames.Claim("lst");
    testing::ChangeSettings(session,
                            [&](ConversionSettings& s) { s.options.listBoxBound = false; });
    Translation t = Translate("Me!lstCustomers.Requery");
    const std::string fill =
        "gvarreturn = additems(gettoken(Me!lstCustomers.Tag,2,\"~\"), Me!lstCustomers, \"Jet\")";
    EXPECT_EQ(t.line, fill + "\t'VLRN Me!lstCustomers.Requery");
    EXPECT_EQ(t.records.at(0).translated, fill);
    Translation bracket = Translate("Me![lst A].Requery");
    EXPECT_EQ(bracket.line,
              "gvarreturn = additems(gettoken(Me!lst_A.Tag,2,\"~\"), Me!lst_A, \"Jet\")\t'VLRN "
              "Me![lst A].Requery");
    EXPECT_EQ(bracket.records.at(0).translated,
              "gvarreturn = additems(gettoken(Me!lst_A.Tag,2,\"~\"), Me!lst_A, \"Jet\")");
    testing::ChangeSettings(session, [&](ConversionSettings& s) { s.options.listBoxType = 1; });
    EXPECT_TRUE(Translate("lst.Requery").line.starts_with("gvarreturn = additemsGT("));
    EXPECT_TRUE(Translate("Me!lstA.Requery").line.starts_with("gvarreturn = additemsGT("));
}

TEST_F(TranslateLineTest, ControlTipTextIsAnAccessFeatureForVisualBasic4) {
    testing::ChangeSettings(session, [&](ConversionSettings& s) { s.options.vb5Project = false; });
    Translation t = Translate("Me.cmdGo.ControlTipText = \"Go\"");
    EXPECT_EQ(t.line, "'VLRN Me.cmdGo.ControlTipText = \"Go\"");
    EXPECT_EQ(t.records.at(0).reason, 1);
}

TEST_F(TranslateLineTest, HostileLinesEndAndKeepWhatWasBuilt) {
    std::string longLine =
        "x = \"" + std::string(100000, 'a') + " Forms(\"Orders\") [unbalanced ( \"";
    Translation t = Translate(longLine);
    EXPECT_GT(t.line.size(), 100000u);
    for (const char* input :
         {"DoCmd.OpenForm", "DoCmd.OpenForm \"", "DoCmd.Requery \"", "DoCmd.RunMacro \"",
          "DoCmd.RunMacro ,", "DoCmd.Close acForm,", "Forms(", "Forms!", "Forms![Open",
          "x = Forms(Forms(Forms(\"forms(\")))", ".Requery", "[.Requery", "\xFF\x80.Requery"}) {
        Translation broken = Translate(input);
        EXPECT_FALSE(broken.line.empty() && broken.blank == 0) << input;
    }
}

// Nz is the support module's own function, which the project has wherever
// the expression runs; the domain functions need the database Access had.
TEST(AccessExpressions, NzIsTheProjectsOwnDomainFunctionsAreNot) {
    ExpressionContext context;
    context.dataControl = "datOrders";
    context.controlName = [](std::string_view) { return std::string(); };
    EXPECT_EQ(VbExpression("Nz([Qty],0)*2", context),
              "Nz(datOrders.Recordset.Fields(\"Qty\"),0)*2");
    EXPECT_EQ(VbExpression("DSum('Qty','Lines')", context), std::nullopt);
    const std::string support =
        testing::ReadFile(testing::SourceDir() / "support" / "VlrnConversionCode.bas");
    EXPECT_NE(support.find("Public Function Nz(varValue As Variant, Optional varValueIfNull As "
                           "Variant) As Variant"),
              std::string::npos);
}

}  // namespace
}  // namespace velorin
