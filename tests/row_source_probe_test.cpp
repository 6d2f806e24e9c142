#include "row_sources/row_source_probe.h"

#include <gtest/gtest.h>

#include <chrono>

#include "session/host/database_loader.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const std::vector<ProbedField>& fields) {
    std::vector<std::string> names;
    for (const ProbedField& field : fields)
        names.push_back(field.name);
    return names;
}

std::vector<int> Types(const std::vector<ProbedField>& fields) {
    std::vector<int> types;
    for (const ProbedField& field : fields)
        types.push_back(field.type);
    return types;
}

QueryDef Query(std::string name, std::string sql, int type = dao::kQuerySelect) {
    QueryDef query;
    query.name = std::move(name);
    query.sql = std::move(sql);
    query.type = type;
    return query;
}

// A small order database; "Big Orders" comes before the query it reads from.
class RowSourceProbeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app.AddTableDef({"Customers",
                         {{"CustomerID", dao::kText},
                          {"CompanyName", dao::kText},
                          {"City", dao::kText},
                          {"Active", dao::kBoolean}}});
        app.AddTableDef({"Orders",
                         {{"OrderID", dao::kLong},
                          {"CustomerID", dao::kText},
                          {"OrderDate", dao::kDate},
                          {"Freight", dao::kCurrency},
                          {"Notes", dao::kMemo}}});
        app.AddTableDef({"Order Details",
                         {{"OrderID", dao::kLong},
                          {"Quantity", dao::kInteger},
                          {"UnitPrice", dao::kCurrency},
                          {"Discount", dao::kSingle},
                          {"Size", dao::kByte}}});
        app.AddQueryDef(Query("Big Orders",
                              "SELECT [Order Totals].*\r\nFROM [Order Totals]\r\n"
                              "WHERE [Order Totals].Total > [Forms]![Limits]![Minimum];"));
        app.AddQueryDef(Query("Order Totals",
                              "SELECT DISTINCTROW [Order Details].OrderID, "
                              "Sum(CCur([UnitPrice]*[Quantity])) AS Total\r\n"
                              "FROM [Order Details]\r\nGROUP BY [Order Details].OrderID;"));
        app.AddQueryDef(Query("Customer Orders",
                              "SELECT Customers.CompanyName, Orders.OrderID, Customers.CustomerID, "
                              "Orders.CustomerID\r\nFROM Customers INNER JOIN Orders ON "
                              "Customers.CustomerID = Orders.CustomerID;"));
    }

    std::vector<ProbedField> Probe(std::string_view rowSource) { return probe.Fields(rowSource); }

    AccessApplication app;
    RowSourceProbe probe{app};
};

using Strings = std::vector<std::string>;
using Ints = std::vector<int>;

TEST_F(RowSourceProbeTest, TableByNameListsItsFieldsWithoutSql) {
    std::vector<ProbedField> fields = Probe("order details");
    EXPECT_EQ(Names(fields), (Strings{"OrderID", "Quantity", "UnitPrice", "Discount", "Size"}));
    EXPECT_EQ(Types(fields),
              (Ints{dao::kLong, dao::kInteger, dao::kCurrency, dao::kSingle, dao::kByte}));
    EXPECT_EQ(probe.SchemaBuildCount(), 0);
}

TEST_F(RowSourceProbeTest, SavedQueriesResolveThroughEachOther) {
    std::vector<ProbedField> totals = Probe("Order Totals");
    EXPECT_EQ(Names(totals), (Strings{"OrderID", "Total"}));
    EXPECT_EQ(Types(totals), (Ints{dao::kLong, 0}));  // an expression has no declared type
    // A query on a query, with a form reference for its parameter.
    std::vector<ProbedField> big = Probe("BIG ORDERS");
    EXPECT_EQ(Names(big), (Strings{"OrderID", "Total"}));
    EXPECT_EQ(Types(big), (Ints{dao::kLong, 0}));
    EXPECT_EQ(Names(Probe("select * from [Big Orders] where Total > 5")), Names(big));
    // Repeated names are qualified by their table, and stay so through a view.
    std::vector<ProbedField> joined = Probe("Customer Orders");
    EXPECT_EQ(Names(joined),
              (Strings{"CompanyName", "OrderID", "Customers.CustomerID", "Orders.CustomerID"}));
    EXPECT_EQ(Names(Probe("select [Customer Orders].* from [Customer Orders]")), Names(joined));
}

TEST_F(RowSourceProbeTest, SavedQueryFieldsKnownFromAccessAreTakenAsTheyAre) {
    QueryDef known =
        Query("Known", "TRANSFORM Sum(x) SELECT y FROM z PIVOT w", dao::kQueryCrosstab);
    known.fields = {{"Region", dao::kText}, {"Qtr 1", dao::kDouble}};
    app.AddQueryDef(known);
    EXPECT_EQ(Names(Probe("Known")), (Strings{"Region", "Qtr 1"}));
    std::vector<ProbedField> onKnown = Probe("select [Qtr 1], Region from Known");
    EXPECT_EQ(Names(onKnown), (Strings{"Qtr 1", "Region"}));
    EXPECT_EQ(Types(onKnown), (Ints{dao::kDouble, dao::kText}));
}

TEST_F(RowSourceProbeTest, QueriesSavedAfterFirstUseAnswerByName) {
    ASSERT_EQ(Probe("Order Totals").size(), 2u);
    app.AddQueryDef(Query("Late Orders", "SELECT OrderID, OrderDate FROM Orders;"));
    QueryDef known =
        Query("Pivot", "TRANSFORM Count(*) SELECT 1 FROM Orders PIVOT 2", dao::kQueryCrosstab);
    known.fields = {{"Qtr 1", dao::kLong}};
    app.AddQueryDef(known);
    EXPECT_EQ(Types(Probe("Late Orders")), (Ints{dao::kLong, dao::kDate}));
    EXPECT_EQ(Names(Probe("Pivot")), (Strings{"Qtr 1"}));
    EXPECT_EQ(probe.SchemaBuildCount(), 1);
}

TEST_F(RowSourceProbeTest, SavedQueriesThatCannotBeResolvedGiveNothing) {
    app.AddQueryDef(Query("Crosstab",
                          "TRANSFORM Sum(Freight) SELECT CustomerID FROM Orders "
                          "GROUP BY CustomerID PIVOT Year(OrderDate);",
                          dao::kQueryCrosstab));
    app.AddQueryDef(Query("Clean Up", "DELETE * FROM Orders;", dao::kQueryDelete));
    app.AddQueryDef(Query("Broken", "SELECT FROM WHERE;"));
    app.AddQueryDef(Query("Linked", "SELECT * FROM [Somewhere Else];"));
    app.AddQueryDef(Query("On Broken", "SELECT Broken.* FROM Broken;"));
    for (const char* name : {"Crosstab", "Clean Up", "Broken", "Linked", "On Broken"})
        EXPECT_TRUE(Probe(name).empty()) << name;
    // The others still resolve.
    EXPECT_EQ(Probe("Order Totals").size(), 2u);
}

TEST_F(RowSourceProbeTest, SelectWithAccessSyntax) {
    std::vector<ProbedField> fields = Probe(
        "SELECT DISTINCTROW TOP 5 PERCENT [Orders].[OrderID] AS [Order Number], "
        "Customers.*, [CompanyName] & \" (\" & [City] & \")\" AS Label, "
        "IIf([Freight]>10,\"high\",\"low\") AS Band, Format$([OrderDate],\"yyyy\") AS Yr, "
        "Orders!Freight\r\nFROM (Customers INNER JOIN Orders ON Customers.CustomerID = "
        "Orders.CustomerID) LEFT JOIN [Order Totals] ON [Order Totals].OrderID = "
        "Orders.OrderID\r\nWHERE Orders.OrderDate > #1/1/95# AND Customers.Active = Yes "
        "AND Orders.OrderID = [Forms]![Orders]![OrderID] AND Orders.OrderID Mod 2 = 0 "
        "AND Customers.City Like \"B*\" WITH OWNERACCESS OPTION;");
    EXPECT_EQ(Names(fields), (Strings{"Order Number", "CustomerID", "CompanyName", "City", "Active",
                                      "Label", "Band", "Yr", "Freight"}));
    EXPECT_EQ(Types(fields), (Ints{dao::kLong, dao::kText, dao::kText, dao::kText, dao::kBoolean, 0,
                                   0, 0, dao::kCurrency}));
}

TEST_F(RowSourceProbeTest, SelectWithManyDatesAndParameters) {
    // Dates are literals, not unknown names to repair one by one.
    std::string holidays = "select OrderID from Orders where OrderDate in (#1/1/95#";
    for (int n = 1; n < 80; ++n)
        holidays += ", #" + std::to_string(n / 28 + 1) + "/" + std::to_string(n % 28 + 1) + "/95#";
    EXPECT_EQ(Names(Probe(holidays + ")")), (Strings{"OrderID"}));
    std::string parameters = "select OrderID from Orders where OrderID = [Forms]![F]![C0]";
    for (int n = 1; n < 40; ++n)
        parameters += " or OrderID = [Forms]![F]![C" + std::to_string(n) + "]";
    EXPECT_EQ(Names(Probe(parameters)), (Strings{"OrderID"}));
}

TEST_F(RowSourceProbeTest, SelectNamesExpressionsDuplicatesUnionsAndCallsAsDaoDoes) {
    std::vector<ProbedField> fields = Probe(
        "select Orders.CustomerID, Customers.CustomerID, [Freight]*2, Orders.OrderID, "
        "Len([Notes]) from Orders, Customers");
    EXPECT_EQ(Names(fields), (Strings{"Orders.CustomerID", "Customers.CustomerID", "Expr1000",
                                      "OrderID", "Expr1001"}));
    // An unknown name is a parameter, as Jet takes it.
    EXPECT_EQ(Names(Probe("select [\xFF\xFE], OrderID from [Orders]")),
              (Strings{"Expr1000", "OrderID"}));
    // One star among other items; its table names its repeated field.
    EXPECT_EQ(Names(Probe("select Customers.*, Orders.CustomerID, [Freight]+1 from Customers, "
                          "Orders")),
              (Strings{"Customers.CustomerID", "CompanyName", "City", "Active", "Orders.CustomerID",
                       "Expr1000"}));
    // Two stars, each expanded on its own.
    EXPECT_EQ(Names(Probe("select Customers.*, 1 AS One, [Order Totals].* from Customers, "
                          "[Order Totals]")),
              (Strings{"CustomerID", "CompanyName", "City", "Active", "One", "OrderID", "Total"}));
    // A union takes the first select's columns.
    fields = Probe(
        "select City, CompanyName, \"Customer\" AS Kind FROM Customers "
        "UNION SELECT CustomerID, Notes, 'Order' FROM Orders ORDER BY City;");
    EXPECT_EQ(Names(fields), (Strings{"City", "CompanyName", "Kind"}));
    EXPECT_EQ(Types(fields), (Ints{dao::kText, dao::kText, 0}));
    // Functions Access knows and the application defines: InStr with a start
    // position, Substr as SQLite has one but with other arguments.
    fields = Probe(
        "select InStr(1, [City], 'a') AS Pos, fnTax([Freight], 0.2) AS Tax, "
        "Nz(DLookup(\"Total\", \"Order Totals\", \"OrderID=\" & [OrderID]), 0) AS T, "
        "Left([City], 2) AS L, Right$([City], 2) AS R, First(Freight) AS F, "
        "Substr([City]) AS S "
        "from Orders, Customers GROUP BY City, Freight, OrderID;");
    EXPECT_EQ(Names(fields), (Strings{"Pos", "Tax", "T", "L", "R", "F", "S"}));
}

TEST_F(RowSourceProbeTest, NamesWithBlanksQuotesAndAccentsStayByteExact) {
    app.AddTableDef(
        {"Ums\xE4tze \"alt\"",
         {{"Preis \"netto\"", dao::kDouble}, {"K\xFCrzel", dao::kText}, {"Order", dao::kInteger}}});
    app.AddQueryDef(Query("Preise ['99]",
                          "SELECT [Preis \"netto\"], [K\xFCrzel] AS [K\xFCrzel "
                          "2] FROM [Ums\xE4tze \"alt\"];"));
    std::vector<ProbedField> fields = Probe(
        "SELECT [Ums\xE4tze \"alt\"].[Order], "
        "[Preis \"netto\"], K\xFCrzel FROM [Ums\xE4tze "
        "\"alt\"] WHERE K\xFCrzel <> 'x''y'");
    EXPECT_EQ(Names(fields), (Strings{"Order", "Preis \"netto\"", "K\xFCrzel"}));
    EXPECT_EQ(Types(fields), (Ints{dao::kInteger, dao::kDouble, dao::kText}));
    std::vector<ProbedField> saved = Probe("Preise ['99]");
    EXPECT_EQ(Names(saved), (Strings{"Preis \"netto\"", "K\xFCrzel 2"}));
}

TEST_F(RowSourceProbeTest, OnlySelectFollowedByABlankIsSql) {
    // Anything else is looked up as a query or table name.
    EXPECT_TRUE(Probe("SELECT\r\n* FROM Orders").empty());
    EXPECT_TRUE(Probe("selectx * FROM Orders").empty());
    EXPECT_EQ(Probe("sElEcT * FROM Orders").size(), 5u);
}

TEST_F(RowSourceProbeTest, FieldNameAndTypeClassByPosition) {
    const char* sql = "select Size, Quantity, OrderID, Discount, UnitPrice from [Order Details]";
    EXPECT_EQ(probe.FieldName(sql, 0), "Size");
    EXPECT_EQ(probe.FieldName(sql, 4), "UnitPrice");
    EXPECT_EQ(probe.FieldName(sql, 5), "");
    EXPECT_EQ(probe.FieldName(sql, -1), "");
    std::string classes;
    for (int n = 0; n < 6; ++n)
        classes += probe.FieldTypeClass(sql, n);
    EXPECT_EQ(classes, "TTTFFF");
    EXPECT_EQ(probe.FieldTypeClass("Customers", 0), "T");     // Text
    EXPECT_EQ(probe.FieldTypeClass("Customers", 3), "F");     // Boolean
    EXPECT_EQ(probe.FieldTypeClass("Orders", 2), "F");        // Date
    EXPECT_EQ(probe.FieldTypeClass("Order Totals", 1), "F");  // expression
    EXPECT_EQ(probe.FieldTypeClass("Order Totals", -1), "F");
    EXPECT_EQ(probe.FieldName("Customer Orders", 3), "Orders.CustomerID");
}

TEST_F(RowSourceProbeTest, WhatIsNoRowSourceGivesNothing) {
    std::string huge = "select " + std::string(100000, '(') + "1" + std::string(100000, ')');
    // More unknown names than are worth repairing one prepare at a time.
    std::string manyParameters = "select OrderID from Orders where OrderID in (0";
    for (int i = 0; i < 1000; ++i)
        manyParameters += ", [Forms]![F]![C" + std::to_string(i) + "]";
    manyParameters += ")";
    const std::string inputs[] = {"",
                                  "1;2;3",
                                  "\"Red\";\"Green\"",
                                  "No Such Table",
                                  "select ",
                                  "select [OrderID from Orders",
                                  "select 'open from Orders",
                                  "select #1/1/95 from Orders",
                                  "select * from Orders; drop table Orders",
                                  "select * from Orders where x @ 1",
                                  "select * from tmpqVLRN",
                                  "select OrderID from Orders GROUP",
                                  huge,
                                  manyParameters,
                                  "select " + std::string(100000, 'x') + "(1) from Orders"};
    for (const std::string& input : inputs) {
        EXPECT_TRUE(Probe(input).empty()) << input.substr(0, 60);
        EXPECT_EQ(probe.FieldName(input, 0), "");
        EXPECT_EQ(probe.FieldTypeClass(input, 0), "F");
    }
    // Nothing was dropped or left behind.
    EXPECT_EQ(Probe("select * from Orders").size(), 5u);
    EXPECT_EQ(app.QueryDefs().size(), 3u);
}

TEST(RowSourceProbeSchema, IsBuiltOnceForManyProbes) {
    AccessApplication app;
    for (int t = 0; t < 50; ++t) {
        TableDef table{"Table " + std::to_string(t), {}};
        for (int f = 0; f < 20; ++f)
            table.fields.push_back({"Field" + std::to_string(f), f % 2 ? dao::kText : dao::kLong});
        app.AddTableDef(table);
        app.AddQueryDef(Query("Query " + std::to_string(t),
                              "SELECT Field1, Field2 FROM [Table " + std::to_string(t) + "];"));
    }
    RowSourceProbe probe(app);
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 1000; ++i) {
        std::string n = std::to_string(i % 50);
        ASSERT_EQ(probe.FieldName("SELECT [Table " + n + "].Field3 FROM [Table " + n + "]", 0),
                  "Field3");
        ASSERT_EQ(probe.FieldTypeClass("Query " + n, 0), "T");
    }
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(probe.SchemaBuildCount(), 1);
    EXPECT_LT(elapsed, std::chrono::seconds(10));
    EXPECT_EQ(app.QueryDefs().size(), 50u);
}

class NorthwindProbe : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::path data = testing::SharedData();
        if (data.empty())
            GTEST_SKIP() << "../shared/data is absent";
        loaded = LoadDatabase(data / "nwind.mdb");
        ASSERT_TRUE(loaded.application) << loaded.error;
        probe = std::make_unique<RowSourceProbe>(*loaded.application);
    }

    LoadedDatabase loaded;
    std::unique_ptr<RowSourceProbe> probe;
};

TEST_F(NorthwindProbe, SavedQueriesResolveToTheirFields) {
    std::vector<ProbedField> extended = probe->Fields("Order Details Extended");
    EXPECT_EQ(Names(extended), (Strings{"OrderID", "ProductID", "ProductName", "UnitPrice",
                                        "Quantity", "Discount", "ExtendedPrice"}));
    EXPECT_EQ(Types(extended), (Ints{dao::kLong, dao::kLong, dao::kText, dao::kCurrency,
                                     dao::kInteger, dao::kSingle, 0}));
    std::vector<ProbedField> invoices = probe->Fields("Invoices");
    ASSERT_EQ(invoices.size(), 26u);
    EXPECT_EQ(invoices[7].name, "Customers.CompanyName");
    EXPECT_EQ(invoices[13].name, "Salesperson");
    EXPECT_EQ(invoices[18].name, "Shippers.CompanyName");
    EXPECT_EQ(invoices[15].type, dao::kDate);
    // On a query, with a form reference; with PARAMETERS; a union; TOP.
    EXPECT_EQ(Names(probe->Fields("Invoices Filter")), Names(invoices));
    EXPECT_EQ(Names(probe->Fields("Sales by Year")),
              (Strings{"ShippedDate", "OrderID", "Subtotal", "Year"}));
    EXPECT_EQ(Names(probe->Fields("Customers and Suppliers by City")),
              (Strings{"City", "CompanyName", "ContactName", "Relationship"}));
    EXPECT_EQ(probe->FieldName("Ten Most Expensive Products", 0), "TenMostExpensiveProducts");
    EXPECT_EQ(probe->FieldTypeClass("Ten Most Expensive Products", 1), "F");
    EXPECT_TRUE(probe->Fields("Quarterly Orders by Product").empty());  // crosstab
}

TEST_F(NorthwindProbe, ComboRowSources) {
    const char* customers =
        "SELECT DISTINCTROW [CustomerID], [CompanyName] FROM Customers ORDER BY [CompanyName];";
    EXPECT_EQ(probe->FieldName(customers, 1), "CompanyName");
    EXPECT_EQ(probe->FieldTypeClass(customers, 0), "T");
    const char* products =
        "SELECT DISTINCTROW Products.ProductID, Products.ProductName, Products.UnitPrice "
        "FROM [Alphabetical List of Products] AS Products ORDER BY Products.ProductName;";
    EXPECT_EQ(Types(probe->Fields(products)), (Ints{dao::kLong, dao::kText, dao::kCurrency}));
    EXPECT_EQ(probe->FieldTypeClass("Employees", 0), "T");  // Long
    EXPECT_EQ(probe->SchemaBuildCount(), 1);
}

}  // namespace
}  // namespace velorin
