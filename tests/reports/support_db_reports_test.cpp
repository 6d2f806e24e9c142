// The reports as the support database defines them: the list, and the rows
// their queries give for known findings.
#include <gtest/gtest.h>

#include "reports/analysis_reports.h"
#include "reports/report_data.h"
#include "reports_test_support.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::Database;
using testing::FreshSupportDatabase;
using testing::TempDir;
namespace fs = std::filesystem;

std::vector<std::string> Names(const std::vector<ReportEntry>& entries) {
    std::vector<std::string> names;
    for (const ReportEntry& entry : entries)
        names.push_back(entry.name);
    return names;
}

std::vector<std::string> Column(const ReportData& report, size_t column) {
    std::vector<std::string> values;
    for (const std::vector<ReportCell>& row : report.rows)
        values.push_back(row[column].text);
    return values;
}

ReportData ReadOne(const fs::path& db, const std::string& name) {
    std::vector<ReportData> reports;
    std::string error;
    EXPECT_TRUE(ReadReports(db, {name}, reports, error)) << error;
    return reports.empty() ? ReportData{} : reports.front();
}

TEST(ListReports, FollowsPositionsNotInsertionOrder) {
    TempDir dir;
    const fs::path path = FreshSupportDatabase(dir);
    {
        Database db(path);
        db.Exec("DELETE FROM Reports");
        db.Exec(
            "INSERT INTO Reports (Position, Name, Title, Query) VALUES "
            "(30, 'rptLast', 'Last', 'SELECT 1'), (10, 'rptFirst', 'First', 'SELECT 1'), "
            "(20, 'rptMiddle', 'Caf\xE9', 'SELECT 1')");
    }
    std::string error;
    const std::vector<ReportEntry> entries = ListReports(path, error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(Names(entries), (std::vector<std::string>{"rptFirst", "rptMiddle", "rptLast"}));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].title, "Caf\xC3\xA9");  // Windows-1252 in the database, UTF-8 out
}

TEST(ListReports, TheSupportDatabaseOffersTheAnalysisReports) {
    TempDir dir;
    std::string error;
    const std::vector<std::string> names = Names(ListReports(FreshSupportDatabase(dir), error));
    EXPECT_EQ(error, "");
    for (const char* name :
         {"rptConversionSummary", "rptFindingsByModule", "rptFindingsByReasonCode",
          "rptFindingsByReason", "rptLinesNotTranslated", "rptLinesToReview", "rptControls"}) {
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    }
    EXPECT_EQ(names.front(), "rptConversionSummary");
}

TEST(ListReports, NoReportsIsAnEmptyListAndNoDatabaseAnError) {
    TempDir dir;
    const fs::path path = FreshSupportDatabase(dir);
    std::string error = "stale";
    Database(path).Exec("DELETE FROM Reports");
    EXPECT_TRUE(ListReports(path, error).empty());
    EXPECT_EQ(error, "");
    Database(path).Exec("DROP TABLE Reports");
    EXPECT_TRUE(ListReports(path, error).empty());
    EXPECT_EQ(error, "");

    EXPECT_TRUE(ListReports(dir / "missing.db", error).empty());
    EXPECT_NE(error.find("missing.db"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(dir / "missing.db"));  // never created
    testing::WriteFile(dir / "garbage.db", std::string(4096, 'g'));
    EXPECT_TRUE(ListReports(dir / "garbage.db", error).empty());
    EXPECT_NE(error, "");
}

TEST(ReadReports, NamesInAnyCaseInTheGivenOrderAndUnknownNamesFail) {
    TempDir dir;
    const fs::path path = FreshSupportDatabase(dir);
    std::vector<ReportData> reports;
    std::string error;
    ASSERT_TRUE(ReadReports(path, {"rptfindingsbyreason", "RPTCONVERSIONSUMMARY"}, reports, error))
        << error;
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].name, "rptFindingsByReason");
    EXPECT_EQ(reports[1].name, "rptConversionSummary");
    EXPECT_EQ(reports[1].title, "Conversion Summary");

    EXPECT_FALSE(ReadReports(path, {"rptControls", "rptNoSuchReport"}, reports, error));
    EXPECT_NE(error.find("rptNoSuchReport"), std::string::npos) << error;
    EXPECT_TRUE(reports.empty());
}

TEST(ReadReports, QueriesCannotChangeTheDatabase) {
    TempDir dir;
    const fs::path path = FreshSupportDatabase(dir);
    {
        Database db(path);
        db.AddFinding("basMain", 1, "Option Compare Database", 1, "", "");
        db.Exec(
            "INSERT INTO Reports (Position, Name, Title, Query) VALUES "
            "(99, 'rptWipe', 'Wipe', 'DELETE FROM tblReportOutput')");
    }
    std::vector<ReportData> reports;
    std::string error;
    EXPECT_FALSE(ReadReports(path, {"rptWipe"}, reports, error));
    EXPECT_NE(error.find("rptWipe"), std::string::npos) << error;
    EXPECT_EQ(Database(path).Rows("SELECT COUNT(*) FROM tblReportOutput")[0][0], "1");
}

class KnownFindings : public ::testing::Test {
  protected:
    KnownFindings() : path(FreshSupportDatabase(dir)) {
        Database db(path);
        db.AddFinding("Orders", 7, "DoCmd.OpenForm \"Customers\"", 12, "Customers.Show",
                      "Private Sub cmdCustomers_Click");
        db.AddFinding("basMain", 1, "Option Compare Database", 1, "", "");
        db.AddFinding("Orders", 4, "ocxCalendar", 0, "", "");
        db.AddFinding("Orders", 1, "Me.FilterOn = True", 20, "", "Private Sub Form_Open");
        db.AddFinding(
            "Gr\xF6\xDF"
            "e",
            1, "x = \"\xE9t\xE9\"", 3, "",
            "Sub Stra\xDF"
            "e");
        db.AddStats("Orders", 120, 80);
        db.AddStats("basMain", 10, 9);
    }
    TempDir dir;
    fs::path path;
};

TEST_F(KnownFindings, SummaryHasEveryStatisticPerModule) {
    const ReportData report = ReadOne(path, "rptConversionSummary");
    EXPECT_EQ(report.columns.size(), 11u);  // the module and its ten counts
    EXPECT_EQ(Column(report, 0), (std::vector<std::string>{"basMain", "Orders"}));
    EXPECT_EQ(Column(report, 1), (std::vector<std::string>{"10", "120"}));
    EXPECT_EQ(report.rows[1][1].kind, ReportCell::Kind::Number);
    EXPECT_EQ(report.groupColumns, 0);
}

TEST_F(KnownFindings, FindingsByReasonCodeAreGroupedUnderTheirMeaning) {
    const ReportData report = ReadOne(path, "rptFindingsByReasonCode");
    EXPECT_EQ(report.groupColumns, 2);
    EXPECT_EQ(Column(report, 0), (std::vector<std::string>{"1", "1", "1", "4", "7"}));
    EXPECT_EQ(report.rows[0][1].text, "Access feature that Visual Basic does not have");
    EXPECT_EQ(report.rows[4][1].text, "Translated into equivalent Visual Basic; check it");
    EXPECT_EQ(Column(report, 2), (std::vector<std::string>{"basMain",
                                                           "Gr\xC3\xB6\xC3\x9F"
                                                           "e",
                                                           "Orders", "Orders", "Orders"}));
}

TEST_F(KnownFindings, FindingsByModuleShowCodeTranslationAndRoutine) {
    const ReportData report = ReadOne(path, "rptFindingsByModule");
    EXPECT_EQ(report.groupColumns, 1);
    EXPECT_EQ(Column(report, 0), (std::vector<std::string>{"basMain",
                                                           "Gr\xC3\xB6\xC3\x9F"
                                                           "e",
                                                           "Orders", "Orders", "Orders"}));
    auto columnOf = [&](const std::string& heading) {
        const auto it = std::find(report.columns.begin(), report.columns.end(), heading);
        EXPECT_NE(it, report.columns.end()) << heading;
        return static_cast<size_t>(it - report.columns.begin());
    };
    const std::vector<ReportCell>& orders = report.rows[2];  // Orders in the order found
    EXPECT_EQ(orders[columnOf("Code line")].text, "DoCmd.OpenForm \"Customers\"");
    EXPECT_EQ(orders[columnOf("Translated line")].text, "Customers.Show");
    EXPECT_EQ(orders[columnOf("Routine")].text, "Private Sub cmdCustomers_Click");
    EXPECT_EQ(report.rows[1][columnOf("Code line")].text, "x = \"\xC3\xA9t\xC3\xA9\"");
}

TEST_F(KnownFindings, FindingsOfFormsAndModulesAreHeadedAsEither) {
    // Orders is a form, basMain a module: the heading that groups them says so.
    for (const char* name : {"rptFindingsByModule", "rptFindingsByReasonCode",
                             "rptLinesNotTranslated", "rptLinesToReview"}) {
        const ReportData report = ReadOne(path, name);
        const auto named =
            std::find(report.columns.begin(), report.columns.end(), "Form or module");
        EXPECT_NE(named, report.columns.end()) << name;
        EXPECT_EQ(std::find(report.columns.begin(), report.columns.end(), "Module"),
                  report.columns.end())
            << name;
    }
}

TEST_F(KnownFindings, FindingsPerReasonAreCountedForTheChart) {
    const ReportData report = ReadOne(path, "rptFindingsByReason");
    EXPECT_TRUE(report.barChart);
    EXPECT_EQ(Column(report, 0), (std::vector<std::string>{"1", "4", "7"}));
    EXPECT_EQ(Column(report, report.columns.size() - 1), (std::vector<std::string>{"3", "1", "1"}));
}

}  // namespace
}  // namespace velorin
