#include <gtest/gtest.h>

#include "session/host/database_loader.h"
#include "session/host/query_text.h"
#include "session/host/table_ddl.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;
using testing::TempDir;
using testing::WriteFile;
namespace fs = std::filesystem;

std::string SmallForm(std::string_view caption) {
    return CrLf({"Version =20", "Begin Form",
                 std::string("    Caption =\"") + std::string(caption) + "\"", "    Begin",
                 "        Begin Section", "            Height =1000", "        End", "    End",
                 "End"});
}

// An export folder with one object of each kind.
void WriteExport(const fs::path& root) {
    WriteFile(root / "forms" / "Orders%2FInvoices.bas", SmallForm("Orders and invoices"));
    WriteFile(root / "forms" / "Main Switchboard.bas", "\xEF\xBB\xBF" + SmallForm("Caf\xC3\xA9"));
    WriteFile(root / "forms" / "Broken.bas", CrLf({"Begin Form", "    Caption =\"no end\""}));
    WriteFile(root / "forms" / "Split.bas", SmallForm("Split"));
    WriteFile(root / "forms" / "Split.cls",
              CrLf({"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1  'True", "END",
                    "Attribute VB_Name = \"Form_Split\"", "Option Explicit"}));
    WriteFile(root / "modules" / "Utility Functions.bas",
              CrLf({"Attribute VB_Name = \"Utility Functions\"", "Option Compare Database",
                    "Sub A()", "End Sub"}));
    WriteFile(root / "modules" / "clsThing.cls",
              CrLf({"VERSION 1.0 CLASS", "BEGIN", "END", "Attribute VB_Name = \"clsThing\"",
                    "Option Explicit"}));
    WriteFile(root / "macros" / "mcrNav.bas",
              CrLf({"Version =196611", "ColumnsShown =3", "Begin", "    MacroName =\"OpenOrders\"",
                    "    Condition =\"[x]=1\"", "    Action =\"OpenForm\"",
                    "    Argument =\"Orders\"", "    Argument =\"0\"", "    Comment =\"open it\"",
                    "End", "Begin", "    Action =\"Beep\"", "End"}));
    WriteFile(root / "queries" / "Big Orders.sql", "SELECT * FROM Orders WHERE Total > 100;\r\n");
    WriteFile(root / "queries" / "qryClean.bas",
              CrLf({"dbMemo \"SQL\" =\"DELETE *\\015\\012\"", "    \"FROM Temp;\"",
                    "dbMemo \"Connect\" =\"\""}));
    WriteFile(root / "queries" / "qryRemote.bas",
              CrLf({"dbMemo \"SQL\" =\"exec sp_x\"", "dbMemo \"Connect\" =\"ODBC;DSN=x\""}));
    WriteFile(
        root / "queries" / "qryDesign.bas",
        CrLf({"Operation =1", "Option =0", "Where =\"Qty>1\"", "Begin InputTables",
              "    Name =\"Orders\"", "End", "Begin OutputColumns", "    Expression =\"Orders.ID\"",
              "    Alias =\"Total\"", "    Expression =\"Sum(Qty)\"", "End"}));
    WriteFile(root / "tbldefs" / "Orders.sql",
              CrLf({"CREATE TABLE [Orders] (",
                    "  [ID] AUTOINCREMENT CONSTRAINT [PrimaryKey] PRIMARY KEY UNIQUE NOT NULL,",
                    "  [Customer Name] VARCHAR (40),", "  [Notes] LONGTEXT,", "  [Qty] SHORT,",
                    "  [Price] CURRENCY,", "  [When] DATETIME,", "  [Paid] BIT,", "  [Memo2] TEXT,",
                    "  [Code] TEXT (4),", "  CONSTRAINT [x] UNIQUE ([Qty])", ")"}));
    WriteFile(
        root / "commandbars" / "Sales Menu.txt",
        CrLf({"Begin CommandBar", "    Begin", "        Begin CommandBarControl",
              "            Type =10", "            Caption =\"&File\"", "            Begin",
              "                Begin CommandBarControl", "                    Caption =\"&Open\"",
              "                    OnAction =\"=OpenIt()\"",
              "                    Enabled = NotDefault", "                End", "            End",
              "        End", "    End", "End"}));
    WriteFile(root / "commandbars" / "Builtin Bar.txt",
              CrLf({"Begin CommandBar", "    BuiltIn = NotDefault", "End"}));
    WriteFile(
        root / "dbs-properties.json",
        R"({"Info": {"Class": "clsDbProperty"}, "Items": {"StartUpForm": {"Value": "Main Switchboard", "Type": 10}, "AppTitle": {"Value": "Caf\u00e9", "Type": 10}}})");
}

class ExportLoaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = dir / "Sales.mdb.src";
        WriteExport(root);
        loaded = LoadDatabase(root);
        ASSERT_TRUE(loaded.application) << loaded.error;
    }
    const AccessApplication& App() const { return *loaded.application; }

    TempDir dir;
    fs::path root;
    LoadedDatabase loaded;
};

TEST_F(ExportLoaderTest, NamesTheDatabaseTheFolderStandsFor) {
    EXPECT_EQ(loaded.source.databasePath, dir / "Sales.mdb");
    EXPECT_FALSE(loaded.source.databaseFileExists);
    EXPECT_EQ(loaded.source.exportRoot, root);
}

TEST_F(ExportLoaderTest, ContainersInNameOrderWithDecodedNames) {
    EXPECT_EQ(App().Documents(Container::Forms),
              (std::vector<std::string>{"Main Switchboard", "Orders/Invoices", "Split"}));
    EXPECT_EQ(App().Documents(Container::Modules),
              (std::vector<std::string>{"clsThing", "Utility Functions"}));
    EXPECT_EQ(App().Documents(Container::Scripts), (std::vector<std::string>{"mcrNav"}));
    ASSERT_NE(App().OpenForm("orders/invoices"), nullptr);
    EXPECT_EQ(App().OpenForm("Main Switchboard")->Text("Caption"), "Caf\xE9");
}

TEST_F(ExportLoaderTest, AMalformedObjectIsReportedWithItsLineAndSkipped) {
    ASSERT_EQ(App().Diagnostics().size(), 1u);
    const LoadDiagnostic& d = App().Diagnostics()[0];
    EXPECT_NE(d.path.find("Broken.bas"), std::string::npos);
    EXPECT_EQ(d.line, 1);
    EXPECT_EQ(App().OpenForm("Broken"), nullptr);
}

TEST_F(ExportLoaderTest, ModuleCodeWithoutWhatTheExportAdds) {
    EXPECT_EQ(App().Module("Utility Functions")->lines,
              (std::vector<std::string>{"Option Compare Database", "Sub A()", "End Sub"}));
    EXPECT_EQ(App().Module("clsThing")->lines, (std::vector<std::string>{"Option Explicit"}));
    EXPECT_EQ(App().OpenForm("Split")->CodeLines(), (std::vector<std::string>{"Option Explicit"}));
}

TEST_F(ExportLoaderTest, MacroRowsWithTheirArgumentsInOrder) {
    const Macro* macro = App().FindMacro("MCRNAV");
    ASSERT_NE(macro, nullptr);
    EXPECT_EQ(macro->columnsShown, 3);
    ASSERT_EQ(macro->rows.size(), 2u);
    EXPECT_EQ(macro->rows[0].macroName, "OpenOrders");
    EXPECT_EQ(macro->rows[0].condition, "[x]=1");
    EXPECT_EQ(macro->rows[0].arguments, (std::vector<std::string>{"Orders", "0"}));
    EXPECT_EQ(macro->rows[0].comment, "open it");
    EXPECT_EQ(macro->rows[1].action, "Beep");
}

TEST_F(ExportLoaderTest, QueriesWithSqlAndDaoType) {
    const QueryDef* big = App().FindQueryDef("Big Orders");
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->sql, "SELECT * FROM Orders WHERE Total > 100;");
    EXPECT_EQ(big->type, dao::kQuerySelect);
    EXPECT_EQ(App().FindQueryDef("qryClean")->sql, "DELETE *\r\nFROM Temp;");
    EXPECT_EQ(App().FindQueryDef("qryClean")->type, dao::kQueryDelete);
    EXPECT_EQ(App().FindQueryDef("qryRemote")->type, dao::kQuerySQLPassThrough);
    EXPECT_EQ(App().FindQueryDef("qryDesign")->sql,
              "SELECT Orders.ID, Sum(Qty) AS Total\r\nFROM Orders\r\nWHERE Qty>1;");
}

TEST_F(ExportLoaderTest, TableFieldsWithDaoTypes) {
    const TableDef* orders = App().FindTableDef("Orders");
    ASSERT_NE(orders, nullptr);
    std::vector<std::pair<std::string, int>> fields;
    for (const FieldDef& f : orders->fields)
        fields.emplace_back(f.name, f.type);
    EXPECT_EQ(fields, (std::vector<std::pair<std::string, int>>{{"ID", dao::kLong},
                                                                {"Customer Name", dao::kText},
                                                                {"Notes", dao::kMemo},
                                                                {"Qty", dao::kInteger},
                                                                {"Price", dao::kCurrency},
                                                                {"When", dao::kDate},
                                                                {"Paid", dao::kBoolean},
                                                                {"Memo2", dao::kMemo},
                                                                {"Code", dao::kText}}));
}

TEST_F(ExportLoaderTest, CommandBarsAndDatabaseProperties) {
    const CommandBar* menu = App().FindCommandBar("sales menu");
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->builtIn);
    ASSERT_EQ(menu->controls.size(), 1u);
    EXPECT_EQ(menu->controls[0].type, 10);
    ASSERT_EQ(menu->controls[0].controls.size(), 1u);
    const CommandBarControl& open = menu->controls[0].controls[0];
    EXPECT_EQ(open.type, 1);
    EXPECT_EQ(open.onAction, "=OpenIt()");
    EXPECT_FALSE(open.enabled);
    EXPECT_TRUE(open.visible);
    EXPECT_TRUE(App().FindCommandBar("Builtin Bar")->builtIn);
    EXPECT_EQ(App().DatabaseProperty("StartupForm"), "Main Switchboard");
    EXPECT_EQ(App().DatabaseProperty("AppTitle"), "Caf\xE9");
}

TEST_F(ExportLoaderTest, CreatedQueriesLiveInMemoryOnly) {
    AccessApplication& app = *loaded.application;
    app.CreateQueryDef("tmpqVLRN", "SELECT 1");
    EXPECT_NE(app.FindQueryDef("TMPQVLRN"), nullptr);
    EXPECT_TRUE(app.DeleteQueryDef("tmpqvlrn"));
    EXPECT_EQ(app.FindQueryDef("tmpqVLRN"), nullptr);
    EXPECT_FALSE(fs::exists(root / "queries" / "tmpqVLRN.sql"));
}

TEST(DatabaseLoader, RefusesWhatIsNoApplication) {
    TempDir dir;
    EXPECT_FALSE(LoadDatabase(dir / "missing.mdb").application);
    WriteFile(dir / "notes.mdb", "just some text, not a database");
    LoadedDatabase text = LoadDatabase(dir / "notes.mdb");
    EXPECT_FALSE(text.application);
    EXPECT_NE(text.error.find("not an Access database"), std::string::npos);
    fs::create_directories(dir / "plain");
    EXPECT_FALSE(LoadDatabase(dir / "plain").application);
    fs::create_directories(dir / "Empty.src" / "forms");
    LoadedDatabase empty = LoadDatabase(dir / "Empty.src");
    EXPECT_FALSE(empty.application);
    EXPECT_EQ(empty.error, "holds no readable objects");
}

TEST(DatabaseLoader, ADatabaseFileCutShortIsRefusedBeforeLibmdbReadsIt) {
    TempDir dir;
    // A Jet 3 header whose file ends inside its first 2 KB page, or does not
    // end on a whole page.
    std::string header(6000, '\0');
    header.replace(4, 15, "Standard Jet DB");
    for (size_t size : {size_t{2000}, size_t{6000}}) {
        WriteFile(dir / "cut.mdb", header.substr(0, size));
        LoadedDatabase cut = LoadDatabase(dir / "cut.mdb");
        EXPECT_FALSE(cut.application) << size;
        if (size == 6000) {
            EXPECT_NE(cut.error.find("cut short"), std::string::npos) << cut.error;
        }
    }

    const fs::path northwind = testing::SharedData() / "nwind.mdb";
    if (testing::SharedData().empty())
        GTEST_SKIP() << "../shared/data is absent";
    const std::string whole = testing::ReadFile(northwind);
    // Cut inside a page (libmdb loops for minutes on this one) or on a page
    // boundary before the last table: refused, quickly, with the reason.
    for (size_t size : {size_t{1500000}, size_t{64} * 2048, size_t{400} * 2048}) {
        WriteFile(dir / "part.mdb", whole.substr(0, size));
        LoadedDatabase part = LoadDatabase(dir / "part.mdb");
        EXPECT_FALSE(part.application) << size;
        EXPECT_NE(part.error.find("cut short"), std::string::npos) << size << ": " << part.error;
    }
}

TEST(QueryText, TypesFromTheStatement) {
    EXPECT_EQ(QueryTypeFromSql("  SELECT a INTO b FROM c"), dao::kQueryMakeTable);
    EXPECT_EQ(QueryTypeFromSql("PARAMETERS [x] Long;\r\nUPDATE t SET a=1"), dao::kQueryUpdate);
    EXPECT_EQ(QueryTypeFromSql("INSERT INTO t SELECT * FROM u"), dao::kQueryAppend);
    EXPECT_EQ(QueryTypeFromSql("SELECT a FROM b UNION SELECT a FROM c"), dao::kQuerySetOperation);
    EXPECT_EQ(QueryTypeFromSql("SELECT [into] FROM t WHERE x = 'INTO'"), dao::kQuerySelect);
    EXPECT_EQ(QueryTypeFromSql("TRANSFORM Sum(x) SELECT y FROM z PIVOT w"), dao::kQueryCrosstab);
    EXPECT_EQ(QueryTypeFromSql("CREATE TABLE x (a LONG)"), dao::kQueryDDL);
}

TEST(QueryText, JoinsFormOneChainWhateverTheirOrder) {
    std::vector<QueryDesignRow> rows{
        {1, 1, "", "", ""},
        {5, 0, "Categories", "", ""},
        {5, 0, "Products", "", ""},
        {5, 0, "Orders", "", ""},
        {5, 0, "Order Details", "", ""},
        {6, 0, "", "", "Products.Name"},
        {7, 1, "Categories", "Products", "C.ID = P.CID"},
        {7, 1, "Orders", "Order Details", "O.ID = D.OID"},
        {7, 2, "Products", "Order Details", "P.ID = D.PID"},
    };
    EXPECT_EQ(
        SqlFromQueryDesign(rows),
        "SELECT Products.Name\r\nFROM ((Categories INNER JOIN Products ON C.ID = P.CID) LEFT JOIN "
        "[Order Details] ON P.ID = D.PID) INNER JOIN Orders ON O.ID = D.OID;");
}

}  // namespace
}  // namespace velorin
