#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "common/string_helpers.h"
#include "driver/conversion_driver.h"
#include "forms/datasheet_grid.h"
#include "forms/menus_and_toolbars.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::ScriptedUi;
using testing::TempDir;
namespace fs = std::filesystem;

using Block = testing::FormTextBlock;

Block Label(const std::string& name, int left, int top) {
    return {"Label",
            {"Name =\"" + name + "\"", "Caption =\"" + name + "\"", "Left =" + std::to_string(left),
             "Top =" + std::to_string(top), "Width =1000", "Height =240"},
            {}};
}

Block TextBox(const std::string& name, const std::string& source, int tabIndex, int width = 1000) {
    return {
        "TextBox",
        {"Name =\"" + name + "\"", "ControlSource =\"" + source + "\"",
         "TabIndex =" + std::to_string(tabIndex), "Width =" + std::to_string(width), "Height =240"},
        {}};
}

// A subform control showing `source`; `links` are its child and master
// fields, and a negative `left` writes no Left.
Block Subform(const std::string& name, const std::string& source, int left, int top, int width,
              int height, std::pair<std::string, std::string> links = {}) {
    Block block{"Subform", {"Name =\"" + name + "\"", "SourceObject =\"" + source + "\""}, {}};
    if (!links.first.empty())
        block.properties.insert(block.properties.end(),
                                {"LinkChildFields =\"" + links.first + "\"",
                                 "LinkMasterFields =\"" + links.second + "\""});
    if (left >= 0)
        block.properties.push_back("Left =" + std::to_string(left));
    for (const std::string& place :
         {"Top =" + std::to_string(top), "Width =" + std::to_string(width),
          "Height =" + std::to_string(height)})
        block.properties.push_back(place);
    return block;
}

// A menu bar entry: a popup (type 10) holding `items`, or an item running `onAction`.
CommandBarControl Popup(const std::string& caption, std::vector<CommandBarControl> items) {
    CommandBarControl control;
    control.type = 10;
    control.caption = caption;
    control.controls = std::move(items);
    return control;
}
CommandBarControl Item(const std::string& caption, const std::string& onAction = {}) {
    CommandBarControl control;
    control.caption = caption;
    control.onAction = onAction;
    return control;
}

std::unique_ptr<AccessForm> MakeForm(const std::string& name, std::vector<std::string> properties,
                                     std::vector<Block> detail) {
    return testing::FormFromBlocks(
        name, std::move(properties),
        {Block{"Section", {"Height =6000", "Name =\"Detail\""}, std::move(detail)}});
}

// The lines of the first block whose Begin line ends in `header`, up to its End.
std::string BlockOf(const std::string& text, const std::string& header) {
    const size_t begin = text.find(header + "\r\n");
    if (begin == std::string::npos)
        return {};
    const size_t lineStart = text.rfind('\n', begin) + 1;
    const std::string indent =
        text.substr(lineStart, text.find_first_not_of(' ', lineStart) - lineStart);
    const size_t end = text.find("\r\n" + indent + "End\r\n", begin);
    return text.substr(begin, end - begin);
}

class SubformAndMenuTest : public ::testing::Test {
  protected:
    SubformAndMenuTest() : session(app, testing::FreshSupportDatabase(dir), ui) {
        fs::create_directories(dir / "out");
        request.outputPathText = (dir / "out").string();
        request.databasePath = dir / "Menus.mdb";
        request.templateDirectory = testing::SourceDir() / "support";
    }
    std::string Convert(const std::vector<std::string>& forms, const std::string& read) {
        request.forms = forms;
        result = StartTranslation(session, request, DefaultConversionSteps());
        EXPECT_EQ(result.outcome, Outcome::Done);
        return testing::ReadFile(dir / "out" / (read + ".frm"));
    }

    TempDir dir;
    AccessApplication app;
    ScriptedUi ui;
    Session session;
    TranslationRequest request;
    ConversionResult result;
};

TEST_F(SubformAndMenuTest, ASubformWithItsOwnTabControlLeavesTheParentsPagesInPlace) {
    const Block innerTab{
        "Tab",
        {"Name =\"tabInner\"", "Left =0", "Top =0", "Width =2000", "Height =1000"},
        {Block{"Page", {"Name =\"pgInner\"", "Top =300"}, {Label("lblInner", 100, 400)}}}};
    app.AddForm(MakeForm("Inner", {"Width =3000"}, {innerTab}));
    const Block subform = Subform("sfrInner", "Inner", 200, 1500, 3000, 1500);
    const Block outerTab{
        "Tab",
        {"Name =\"tabOuter\"", "Left =100", "Top =1000", "Width =5000", "Height =4000"},
        {Block{"Page", {"Name =\"pgA\"", "Top =1400"}, {subform, Label("lblAfterSub", 300, 1500)}},
         Block{"Page", {"Name =\"pgB\"", "Top =1400"}, {Label("lblPageB", 4000, 2000)}}}};
    app.AddForm(MakeForm("Outer", {"Width =6000"}, {outerTab}));

    const std::string frm = Convert({"Outer"}, "Outer");
    const std::string after = BlockOf(frm, "Begin VB.Label lblAfterSub");
    EXPECT_NE(after.find("Top = 500\r\n"), std::string::npos) << after;
    const std::string pageB = BlockOf(frm, "Begin VB.Label lblPageB");
    // Relative to the tab control (Left 100), out of sight while its page is not showing.
    EXPECT_NE(pageB.find("Left = -71100\r\n"), std::string::npos) << pageB;
    EXPECT_NE(pageB.find("Top = 1000\r\n"), std::string::npos) << pageB;
}

TEST_F(SubformAndMenuTest, NamesThatDifferOnlyInCaseAreMadeUnique) {
    app.AddForm(
        MakeForm("Order-Entry", {}, {Label("Total-net", 0, 0), Label("total net", 0, 300)}));
    app.AddForm(MakeForm("order entry", {}, {}));
    const std::string first = Convert({"Order-Entry", "order entry"}, "Order-Entry");
    EXPECT_NE(first.find("Begin VB.Label Total_net\r\n"), std::string::npos);
    EXPECT_NE(first.find("Begin VB.Label total_netA\r\n"), std::string::npos);
    const std::string second = testing::ReadFile(dir / "out" / "order entry.frm");
    EXPECT_NE(second.find("Begin VB.Form order_entryA\r\n"), std::string::npos);
}

TEST(DatasheetColumns, FollowTabOrderAcrossGapsAndSkipLabels) {
    auto form = MakeForm("Lines", {"DefaultView =2"},
                         {TextBox("txtLast", "C", 7), Label("lblFirst", 0, 0),
                          TextBox("txtFirst", "A", 0), TextBox("txtMiddle", "B", 3)});
    std::vector<std::string> names;
    for (const AccessControl* column : DatasheetColumns(*form))
        names.push_back(column->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"txtFirst", "txtMiddle", "txtLast"}));
}

TEST_F(SubformAndMenuTest, DatasheetGridColumnsAndHiddenColumn) {
    app.AddForm(MakeForm("Lines", {"DefaultView =2", "RecordSource =\"Lines\""},
                         {TextBox("txtQty", "Qty", 1), TextBox("txtKey", "LineID", 2, 0),
                          TextBox("txtItem", "Item", 0)}));
    app.AddForm(MakeForm("Host", {}, {Subform("sfrLines", "Lines", 100, 200, 2000, 1000)}));
    request.options.listBoxType = 2;
    const std::string grid =
        BlockOf(Convert({"Host"}, "Host"), "Begin SSDataWidgets_B.SSDBGrid Lines");
    EXPECT_NE(grid.find("Columns.count = 3\r\n"), std::string::npos);
    EXPECT_NE(grid.find("Columns(0).DataField = \"Item\""), std::string::npos);
    EXPECT_NE(grid.find("Columns(1).DataField = \"Qty\""), std::string::npos);
    EXPECT_NE(grid.find("Columns(2).Visible = 0\r\n      Columns(2).Width = 0\r\n"),
              std::string::npos)
        << grid;
    EXPECT_NE(grid.find("Columns(0).Width = 1763.5\r\n"), std::string::npos);
    EXPECT_NE(grid.find("_ExtentX = 3527\r\n"), std::string::npos);
}

TEST_F(SubformAndMenuTest, MissingCommandBarsLeaveTheFormWithoutMenusOrToolbar) {
    app.AddForm(
        MakeForm("Bare", {"Toolbar =\"Nowhere\"", "MenuBar =\"Gone\""}, {Label("lblBare", 0, 0)}));
    const std::string frm = Convert({"Bare"}, "Bare");
    EXPECT_EQ(frm.find("ComctlLib"), std::string::npos);
    EXPECT_EQ(frm.find("VB.Menu"), std::string::npos);
    EXPECT_EQ(frm.find("_ButtonClick"), std::string::npos);
    // One for each command bar, one for the database the export lacks.
    EXPECT_EQ(ui.warnings.size(), 3u);
    EXPECT_FALSE(fs::exists(dir / "out" / "toolbarcode.txt"));
    EXPECT_FALSE(fs::exists(dir / "out" / "_Menu.mc1"));
}

TEST_F(SubformAndMenuTest, MenuCodeReachesOnlyItsOwnForm) {
    CommandBar menu;
    menu.name = "Main Menu";
    menu.controls = {Popup("&File", {Item("&Open", "=OpenIt()")})};
    app.AddCommandBar(menu);
    app.AddForm(MakeForm("A With Menu", {"MenuBar =\"Main Menu\""}, {}));
    app.AddForm(MakeForm("B Without", {}, {}));
    const std::string withMenu = Convert({"A With Menu", "B Without"}, "A With Menu");
    EXPECT_NE(withMenu.find("Private Sub File_1_Click(Index as Integer)"), std::string::npos);
    EXPECT_NE(withMenu.find("OpenIt\r\n"), std::string::npos);
    const std::string without = testing::ReadFile(dir / "out" / "B Without.frm");
    EXPECT_EQ(without.find("_Click"), std::string::npos);
}

TEST_F(SubformAndMenuTest, OneDatasheetShownTwiceUnderAnUnboundParent) {
    app.AddForm(MakeForm("Lines", {"DefaultView =2", "RecordSource =\"Lines\""},
                         {TextBox("txtQty", "Qty", 0)}));
    app.AddForm(MakeForm("Menu", {},
                         {Subform("sfrOne", "Lines", 100, 200, 2000, 1000, {"ID", "ID"}),
                          Subform("sfrTwo", "Lines", 100, 1500, 2000, 1000, {"ID", "ID"})}));
    const std::string frm = Convert({"Menu"}, "Menu");
    // Two grids and two data controls, each named once.
    EXPECT_NE(frm.find("Begin SSDataWidgets_B.SSDBGrid Lines\r\n"), std::string::npos);
    EXPECT_NE(frm.find("Begin SSDataWidgets_B.SSDBGrid Lines_2\r\n"), std::string::npos);
    const std::string second = BlockOf(frm, "Begin VB.Data datLines_2");
    EXPECT_NE(second.find("Top = 1500\r\n"), std::string::npos) << second;
    // Without a parent data control to follow, each shows all its records.
    EXPECT_NE(second.find("RecordSource = \"Lines\"\r\n"), std::string::npos) << second;
    EXPECT_EQ(frm.find("datMenu_Reposition"), std::string::npos);
}

// `text` with each double quote doubled, as a quoted value holds it.
std::string Doubled(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '"')
            out += c;
    }
    return out;
}

// The names between "[" and "]" that follow "from " in a line.
std::vector<std::string> SourcesNamed(const std::string& line) {
    std::vector<std::string> names;
    for (size_t at = line.find("from ["); at != std::string::npos;
         at = line.find("from [", at + 1)) {
        const size_t start = at + 6;
        names.push_back(line.substr(start, line.find(']', start) - start));
    }
    return names;
}

TEST_F(SubformAndMenuTest, LinkedSubformsReadQueriesTheProjectCreatesOnePerRecordSource) {
    app.AddTableDef({"Orders", {{"OrderID", dao::kLong}, {"CustomerID", dao::kText}}});
    app.AddTableDef(
        {"Lines", {{"OrderID", dao::kLong}, {"CustomerID", dao::kText}, {"Qty", dao::kLong}}});
    // The application's own query of the name the first link query would take.
    app.AddQueryDef({"qrydatOrders1", "SELECT * FROM Orders;", dao::kQuerySelect, {}});
    const std::string bigSql = "SELECT * FROM Lines WHERE Qty > 1 AND Note <> \"x\";";
    const std::string smallSql = "SELECT * FROM Lines WHERE Qty < 5;";
    app.AddForm(MakeForm("Big Lines", {"RecordSource =\"" + Doubled(bigSql) + "\""},
                         {TextBox("txtQty", "Qty", 0)}));
    app.AddForm(MakeForm("Small Lines", {"RecordSource =\"" + smallSql + "\""},
                         {TextBox("txtQty2", "Qty", 0)}));
    app.AddForm(MakeForm(
        "Orders", {"RecordSource =\"Orders\""},
        {Subform("sfrBig", "Big Lines", 100, 200, 3000, 1000,
                 {"OrderID; CustomerID", "OrderID;[CustomerID]"}),
         Subform("sfrSmall", "Small Lines", 100, 1500, 3000, 1000, {"OrderID", "OrderID"})}));
    const std::string frm = Convert({"Orders"}, "Orders");
    const std::string support = testing::ReadFile(dir / "out" / "VlrnConversionCode.bas");

    std::vector<std::string> statements;
    for (const std::string& line : SplitLines(frm)) {
        if (line.find(".RecordSource=") != std::string::npos)
            statements.push_back(line);
    }
    ASSERT_EQ(statements.size(), 2u) << frm;
    std::set<std::string> queries;
    for (const std::string& statement : statements) {
        const std::vector<std::string> sources = SourcesNamed(statement);
        ASSERT_EQ(sources.size(), 1u) << statement;
        // No field list is taken for one name, and no join repeats the key.
        EXPECT_EQ(statement.find(';'), std::string::npos) << statement;
        EXPECT_EQ(statement.find("JOIN"), std::string::npos) << statement;
        // Every query a statement names is one Sub Main creates, and not the
        // application's own query of another SQL.
        EXPECT_NE(sources[0], "qrydatOrders1");
        EXPECT_NE(support.find("    CreateLinkQuery \"" + sources[0] + "\", "), std::string::npos)
            << sources[0] << "\n"
            << support;
        queries.insert(sources[0]);
    }
    EXPECT_EQ(queries.size(), 2u) << "two record sources share one query";
    // The query holds its subform's SQL, quotes doubled.
    EXPECT_NE(support.find(", \"" + Doubled(bigSql) + "\"\r\n"), std::string::npos) << support;
    EXPECT_NE(support.find("Private Sub CreateLinkQuery(ByVal strName As String, "
                           "ByVal strSQL As String)"),
              std::string::npos);
    const size_t created = support.find("    CreateLinkQuery ");
    EXPECT_LT(support.find("    Set db = "), created);
    EXPECT_LT(created, support.find("    Orders.Show"));

    // One condition per pair of link fields, each value written as Jet reads
    // it by the support module's SqlValue, which the project defines.
    const std::string big = statements[0].find("datBig_Lines.RecordSource=") != std::string::npos
                                ? statements[0]
                                : statements[1];
    EXPECT_NE(big.find("].[OrderID]=\" & SqlValue(datOrders.Recordset.Fields(\"OrderID\").Value) "
                       "& \" And ["),
              std::string::npos)
        << big;
    EXPECT_NE(big.find("].[CustomerID]=\" & "
                       "SqlValue(datOrders.Recordset.Fields(\"CustomerID\").Value)"),
              std::string::npos)
        << big;
    EXPECT_NE(support.find("\r\nPublic Function SqlValue("), std::string::npos);
    EXPECT_TRUE(result.projectProblems.empty()) << result.projectProblems.front().Text();
}

// The application is read once and converted again (the desktop window): the
// link queries take the names they took the first time.
TEST_F(SubformAndMenuTest, ASecondConversionNamesTheLinkQueriesAsTheFirstDid) {
    app.AddTableDef({"Orders", {{"OrderID", dao::kLong}}});
    app.AddTableDef({"Lines", {{"OrderID", dao::kLong}, {"Qty", dao::kLong}}});
    app.AddForm(MakeForm("Lines", {"RecordSource =\"SELECT * FROM Lines WHERE Qty > 1;\""},
                         {TextBox("txtQty", "Qty", 0)}));
    app.AddForm(
        MakeForm("Orders", {"RecordSource =\"Orders\""},
                 {Subform("sfrLines", "Lines", -1, 200, 3000, 1000, {"OrderID", "OrderID"})}));
    const size_t queries = app.QueryDefs().size();
    Convert({"Orders"}, "Orders");
    const std::string first = testing::ReadFile(dir / "out" / "VlrnConversionCode.bas");
    ASSERT_NE(first.find("CreateLinkQuery \"qrydatOrders1\", "), std::string::npos) << first;
    EXPECT_EQ(app.QueryDefs().size(), queries) << "the conversion changed the application";
    ui.answers = {Answer::Yes};  // the last conversion's files are replaced
    Convert({"Orders"}, "Orders");
    EXPECT_EQ(testing::ReadFile(dir / "out" / "VlrnConversionCode.bas"), first);
}

TEST_F(SubformAndMenuTest, ALinkToAControlOfTheParentReadsTheControlsValue) {
    app.AddTableDef({"Orders", {{"OrderID", dao::kLong}, {"Region", dao::kText}}});
    app.AddTableDef({"Lines", {{"OrderID", dao::kLong}, {"Region", dao::kText}}});
    app.AddForm(
        MakeForm("Lines", {"RecordSource =\"Lines\""}, {TextBox("txtRegion", "Region", 0)}));
    const Block subform =
        Subform("sfrLines", "Lines", 100, 800, 3000, 1000, {"Region", "cbo Region"});
    app.AddForm(
        MakeForm("Orders", {"RecordSource =\"Orders\""}, {TextBox("cbo Region", "", 0), subform}));
    const std::string frm = Convert({"Orders"}, "Orders");
    // The control's value as the child's text field holds it; no field of
    // the parent's records by that name.
    EXPECT_NE(frm.find("datLines.RecordSource=\"Select * from [Lines] Where [Lines].[Region]=\" "
                       "& SqlValue(CStr(cbo_Region))\r\n"),
              std::string::npos)
        << frm;
    EXPECT_EQ(frm.find("Fields(\"cbo Region\")"), std::string::npos);
}

// The code of a subform joins its form's whole: continued statements stay
// one, what would change the form's own code is marked and recorded, and no
// procedure of the subform's becomes an event procedure of the form's.
TEST_F(SubformAndMenuTest, ASubformsCodeJoinsWithoutChangingTheFormsOwn) {
    auto part = MakeForm("Part", {}, {TextBox("txtQty", "", 0)});
    part->SetCodeLines({"Option Compare Database", "Option Base 1", "DefInt A-Z",
                        "' A comment that goes on _", "  over a second line",
                        "Dim mTotal As Long, _", "    mNames(3) As String", "",
                        "Private Sub cmdGo_Click()", "    nCount = nCount + 1", "End Sub", "",
                        "Private Sub txtQty_Change()", "    mTotal = mTotal + 1", "End Sub"});
    app.AddForm(std::move(part));
    auto form = MakeForm("Host", {},
                         {Block{"CommandButton", {"Name =\"cmdGo\""}, {}},
                          Subform("sfrPart", "Part", 100, 800, 3000, 1000)});
    form->SetCodeLines({"Option Compare Database", "Option Explicit", "Dim mTotal As Integer", "",
                        "Private Sub cmdGo_Click()", "    mTotal = 1", "End Sub"});
    app.AddForm(std::move(form));
    const std::string frm = Convert({"Host"}, "Host");
    // The code after the design section.
    const std::vector<std::string> lines = SplitLines(frm.substr(frm.find("\r\nEnd\r\n") + 7));
    auto at = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) - lines.begin();
    };
    // The subform's code left its names undeclared: so does the form now.
    EXPECT_EQ(at("Option Explicit"), static_cast<long>(lines.size())) << frm;
    EXPECT_NE(at("'VLRN Option Base 1"), static_cast<long>(lines.size()));
    EXPECT_LT(at("'VLRN DefInt A-Z"), at("Private Sub cmdGo_Click()"));
    // The continued declaration stays one, before the first procedure, its
    // variable renamed beside the form's own.
    const long dim = at("Dim mTotal_2 As Long, _");
    EXPECT_EQ(lines[static_cast<size_t>(dim) + 1], "    mNames(3) As String");
    EXPECT_LT(dim, at("Private Sub cmdGo_Click()"));
    EXPECT_NE(at("    mTotal_2 = mTotal_2 + 1"), static_cast<long>(lines.size())) << frm;
    // The continued comment stays whole, among the procedures.
    EXPECT_EQ(at("over a second line"), at("' A comment that goes on _") + 1);
    EXPECT_GT(at("' A comment that goes on _"), at("End Sub"));
    // The subform's cmdGo_Click is no event of the form's cmdGo.
    EXPECT_NE(at("Private Sub Part_cmdGo_Click()"), static_cast<long>(lines.size())) << frm;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Private Sub cmdGo_Click()"), 1);
    session.supportDb.Close();
    EXPECT_EQ(testing::Rows(dir / "vlrn.db",
                            "SELECT CodeLine FROM tblReportOutput WHERE CodeLine LIKE 'Option B%' "
                            "OR CodeLine LIKE 'Def%' ORDER BY ID"),
              (std::vector<std::vector<std::string>>{{"Option Base 1"}, {"DefInt A-Z"}}));
    // The comment the subform continued is continued in the form too.
    ASSERT_EQ(result.projectProblems.size(), 1u);
    EXPECT_NE(result.projectProblems[0].Text().find("the comment ends in"), std::string::npos);
}

TEST_F(SubformAndMenuTest, AFormWithoutRecordsGetsNoRecordEventsOfADataControlItLacks) {
    auto form = MakeForm("Unbound",
                         {"OnCurrent =\"[Event Procedure]\"", "BeforeUpdate =\"[Event Procedure]\"",
                          "OnError =\"Oops\""},
                         {});
    form->SetCodeLines({"Private Sub Form_Current()", "    Beep", "End Sub"});
    app.AddForm(std::move(form));
    const std::string frm = Convert({"Unbound"}, "Unbound");
    EXPECT_EQ(frm.find("datUnbound"), std::string::npos) << frm;
    EXPECT_NE(frm.find("Private Sub Form_Current()"), std::string::npos);
    EXPECT_TRUE(result.projectProblems.empty()) << result.projectProblems.front().Text();
}

TEST_F(SubformAndMenuTest, AFormNamedLikeTheToolbarFilesKeepsItsCodeAndQuotes) {
    CommandBar bar;
    bar.name = "Tools";
    bar.controls = {Item("Say \"Hi\"", "=Greet()")};
    app.AddCommandBar(bar);
    auto form = MakeForm("toolbar", {"Toolbar =\"Tools\""}, {});
    form->SetCodeLines({"Private Sub Form_Load()", "    Beep", "End Sub"});
    app.AddForm(std::move(form));
    const std::string frm = Convert({"toolbar"}, "toolbar");
    EXPECT_NE(frm.find("Private Sub Form_Load()"), std::string::npos);
    EXPECT_NE(frm.find("Caption = \"Say \"\"Hi\"\"\"\r\n"), std::string::npos);
    EXPECT_NE(frm.find("Case \"Say \"\"Hi\"\"\"\r\n"), std::string::npos);
}

TEST_F(SubformAndMenuTest, MenuNamesNeverRepeatAControlOrAnotherMenu) {
    CommandBar menu;
    menu.name = "Bar";
    menu.controls = {Popup("&File", {Popup("&Print", {Item("Now")})}),
                     Popup("&Edit", {Popup("&Print", {Item("Now")})})};
    app.AddCommandBar(menu);
    app.AddForm(MakeForm("Menus", {"MenuBar =\"Bar\""}, {Label("File", 0, 0)}));
    const std::string frm = Convert({"Menus"}, "Menus");
    EXPECT_NE(frm.find("Begin VB.Label File\r\n"), std::string::npos);
    EXPECT_NE(frm.find("Begin VB.Menu File_2\r\n"), std::string::npos);
    EXPECT_NE(frm.find("Begin VB.Menu Print_2\r\n"), std::string::npos);
    EXPECT_NE(frm.find("Begin VB.Menu Print_2_2\r\n"), std::string::npos);
    EXPECT_NE(frm.find("Private Sub Print_2_2_Click(Index as Integer)"), std::string::npos);
}

TEST(MenuName, CaptionsLoseAccessKeysAndNamesLoseSeparators) {
    EXPECT_EQ(MenuName("&File", 1), "File");
    EXPECT_EQ(MenuName("&File", 2), "File");
    EXPECT_EQ(MenuName("Save &As.../Print-50% Off", 1), "Save As.../Print-50% Off");
    EXPECT_EQ(MenuName("Save &As.../Print-50% Off", 2), "Save_As_Print_50__Off");
    // An ampersand the caption shows stays one.
    EXPECT_EQ(MenuName("Paste && &Go", 1), "Paste && Go");
    EXPECT_EQ(MenuName("&&", 1), "&&");
}

}  // namespace
}  // namespace velorin
