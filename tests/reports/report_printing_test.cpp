// Painting reports on the devices the front ends use: PDF files and printers.
#include <gtest/gtest.h>

#include <cstdio>

#include <QPdfWriter>
#include <QPrinter>

#include "reports/analysis_reports.h"
#include "reports/report_data.h"
#include "reports/report_layout.h"
#include "reports/report_painter.h"
#include "reports_test_support.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::Database;
using testing::FreshSupportDatabase;
using testing::PdfPageCount;
using testing::TempDir;
namespace fs = std::filesystem;

class Printing : public ::testing::Test {
  protected:
    std::vector<std::string> AllNames() {
        std::string error;
        std::vector<std::string> names;
        for (const ReportEntry& entry : ListReports(db, error))
            names.push_back(entry.name);
        EXPECT_EQ(error, "");
        return names;
    }
    // The pages the layout gives these reports on this device.
    size_t LaidOutPages(const std::vector<std::string>& names, QPagedPaintDevice& device) {
        std::vector<ReportData> reports;
        std::string error;
        EXPECT_TRUE(ReadReports(db, names, reports, error)) << error;
        const QtTextMeasure measure(device);
        size_t pages = 0;
        for (const ReportData& report : reports) {
            pages += LayoutReport(report,
                                  {static_cast<double>(device.width()),
                                   static_cast<double>(device.height())},
                                  measure, "2024-05-01")
                         .size();
        }
        return pages;
    }

    TempDir dir;
    fs::path db = FreshSupportDatabase(dir);
};

TEST_F(Printing, EachReportOfAnEmptyDatabaseIsOnePage) {
    const std::vector<std::string> names = AllNames();
    ASSERT_GE(names.size(), 4u);
    std::string error;
    ASSERT_TRUE(WriteReportsPdf(db, names, dir / "all.pdf", error)) << error;
    EXPECT_TRUE(testing::ReadFile(dir / "all.pdf").starts_with("%PDF-"));
    EXPECT_EQ(PdfPageCount(dir / "all.pdf"), static_cast<int>(names.size()));
    EXPECT_FALSE(fs::exists(dir / "all.pdf.part"));
}

TEST_F(Printing, PagesAreTheLaidOutPagesOfEachReportInTurn) {
    {
        Database filled(db);
        filled.Exec("BEGIN");
        for (int i = 0; i < 300; ++i) {
            filled.AddFinding(i % 3 == 0 ? "Orders" : "Customers", 1 + i % 12,
                              "DoCmd.OpenForm \"Orders\", , , \"[CustomerID]=\" & Me!txt" +
                                  std::string(static_cast<size_t>(i % 40), 'x'),
                              i, i % 2 == 0 ? "Orders.Show" : "", "Private Sub cmd_Click");
        }
        for (int i = 0; i < 40; ++i)
            filled.AddStats("frmForm" + std::to_string(i), 100 + i, 50 + i);
        filled.Exec("COMMIT");
    }
    const std::vector<std::string> names = {"rptFindingsByModule", "rptConversionSummary",
                                            "rptFindingsByReason"};
    const fs::path pdf = dir / "findings.pdf";
    size_t expected = 0;
    {
        QPdfWriter writer(QString::fromStdString(pdf.string()));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        expected = LaidOutPages(names, writer);
        std::string error;
        ASSERT_TRUE(RenderReports(db, names, writer, error)) << error;
    }
    // 300 findings cannot fit on fewer than three pages; the others take one each.
    EXPECT_GE(expected, 3u + 2u);
    EXPECT_EQ(PdfPageCount(pdf), static_cast<int>(expected));
}

// The pages' sizes in the PDF, width and height in points, in page order.
std::vector<std::pair<double, double>> MediaBoxes(const fs::path& pdf) {
    const std::string bytes = testing::ReadFile(pdf);
    std::vector<std::pair<double, double>> boxes;
    const std::string marker = "/MediaBox [0 0 ";
    for (size_t at = bytes.find(marker); at != std::string::npos; at = bytes.find(marker, at + 1)) {
        double width = 0;
        double height = 0;
        if (std::sscanf(bytes.c_str() + at + marker.size(), "%lf %lf", &width, &height) == 2)
            boxes.emplace_back(width, height);
    }
    return boxes;
}

TEST_F(Printing, ASummaryWhoseNamesAnUprightPageWouldBreakIsPrintedAcross) {
    {
        Database filled(db);
        filled.AddStats("basOrderProcessingAndInvoicing", 1200, 800);
        filled.AddStats("Customers", 100, 50);
    }
    const fs::path pdf = dir / "summary.pdf";
    std::string error;
    ASSERT_TRUE(WriteReportsPdf(db, {"rptConversionSummary", "rptControls"}, pdf, error)) << error;
    const auto boxes = MediaBoxes(pdf);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_GT(boxes[0].first, boxes[0].second) << "the summary lies across its page";
    EXPECT_LT(boxes[1].first, boxes[1].second) << "the next report is upright again";
}

TEST_F(Printing, APageTurnedByTheUserStaysTurned) {
    const fs::path pdf = dir / "across.pdf";
    {
        QPdfWriter writer(QString::fromStdString(pdf.string()));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);  // as a print dialog may set it
        std::string error;
        ASSERT_TRUE(RenderReports(db, {"rptControls"}, writer, error)) << error;
    }
    const auto boxes = MediaBoxes(pdf);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_GT(boxes[0].first, boxes[0].second);
}

TEST_F(Printing, APrinterPrintsTheSamePages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((dir / "printed.pdf").string()));
    std::string error;
    ASSERT_TRUE(RenderReports(db, {"rptControls", "rptFindingsByReason"}, printer, error)) << error;
    EXPECT_EQ(PdfPageCount(dir / "printed.pdf"), 2);
}

TEST_F(Printing, FailuresLeaveNoFile) {
    std::string error;
    EXPECT_FALSE(WriteReportsPdf(db, {"rptControls", "rptMissing"}, dir / "out.pdf", error));
    EXPECT_NE(error.find("rptMissing"), std::string::npos) << error;
    EXPECT_FALSE(WriteReportsPdf(db, {}, dir / "out.pdf", error));
    EXPECT_NE(error, "");
    EXPECT_FALSE(WriteReportsPdf(dir / "none.db", {"rptControls"}, dir / "out.pdf", error));
    EXPECT_NE(error.find("none.db"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(dir / "out.pdf"));
    EXPECT_FALSE(fs::exists(dir / "out.pdf.part"));

    EXPECT_FALSE(WriteReportsPdf(db, {"rptControls"}, dir / "no-such-dir" / "out.pdf", error));
    EXPECT_NE(error.find("out.pdf"), std::string::npos) << error;

    // An older file survives a failed print.
    testing::WriteFile(dir / "old.pdf", "older");
    EXPECT_FALSE(WriteReportsPdf(db, {"rptMissing"}, dir / "old.pdf", error));
    EXPECT_EQ(testing::ReadFile(dir / "old.pdf"), "older");

    {
        QPdfWriter writer(QString::fromStdString((dir / "unpainted.pdf").string()));
        EXPECT_FALSE(RenderReports(db, {"rptMissing"}, writer, error));
    }
    EXPECT_FALSE(fs::exists(dir / "unpainted.pdf"));
}

}  // namespace
}  // namespace velorin
