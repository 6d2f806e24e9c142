// The layout step: what goes on which page, measured with fixed character
// widths (Body and Heading 6 units, line 12; Group 7, line 14; Caption 5,
// line 10; Title 10, line 20).
#include <gtest/gtest.h>

#include <algorithm>

#include "reports/report_layout.h"
#include "reports_test_support.h"

namespace velorin {
namespace {

using testing::FixedMeasure;
using testing::MakeReport;

const FixedMeasure kMeasure;
constexpr PageSize kPage{600, 800};
constexpr double kEpsilon = 1e-6;

std::vector<PageModel> Layout(const ReportData& report, PageSize page = kPage) {
    return LayoutReport(report, page, kMeasure, "2024-05-01");
}

std::vector<const TextRun*> Texts(const PageModel& page, TextStyle style) {
    std::vector<const TextRun*> texts;
    for (const TextRun& text : page.texts) {
        if (text.style == style)
            texts.push_back(&text);
    }
    return texts;
}

std::vector<std::string> Strings(const PageModel& page, TextStyle style) {
    std::vector<std::string> strings;
    for (const TextRun* text : Texts(page, style))
        strings.push_back(text->text);
    return strings;
}

bool Has(const std::vector<std::string>& strings, const std::string& wanted) {
    return std::find(strings.begin(), strings.end(), wanted) != strings.end();
}

void ExpectInside(const Box& box, PageSize page, const std::string& what) {
    EXPECT_GE(box.x, -kEpsilon) << what;
    EXPECT_GE(box.y, -kEpsilon) << what;
    EXPECT_LE(box.Right(), page.width + kEpsilon) << what;
    EXPECT_LE(box.Bottom(), page.height + kEpsilon) << what;
}

// Nothing runs off the page or into the title and footer, and no text is
// wider than its box.
void ExpectFitted(const std::vector<PageModel>& pages, PageSize size) {
    for (const PageModel& page : pages) {
        double titleBottom = 0;
        double footerTop = size.height;
        for (const TextRun& text : page.texts) {
            if (text.style == TextStyle::Title)
                titleBottom = text.box.Bottom();
            if (text.style == TextStyle::Caption && text.text.starts_with("Page "))
                footerTop = text.box.y;
        }
        for (const TextRun& text : page.texts) {
            ExpectInside(text.box, size, text.text);
            EXPECT_LE(kMeasure.Width(text.text, text.style), text.box.width + kEpsilon)
                << text.text;
            // The title, the date and the page number stand outside the body.
            if (text.style != TextStyle::Title && text.box.y >= titleBottom - kEpsilon &&
                text.box.y < footerTop - kEpsilon) {
                EXPECT_LE(text.box.Bottom(), footerTop - kEpsilon) << text.text;
            }
        }
        for (const FilledBox& fill : page.fills) {
            ExpectInside(fill.box, size, "fill");
            EXPECT_GE(fill.box.y, titleBottom - kEpsilon);
            EXPECT_LE(fill.box.Bottom(), footerTop - kEpsilon);
        }
        for (const Rule& rule : page.rules) {
            ExpectInside({std::min(rule.x1, rule.x2), std::min(rule.y1, rule.y2),
                          std::abs(rule.x2 - rule.x1), std::abs(rule.y2 - rule.y1)},
                         size, "rule");
        }
    }
}

std::string WithoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

ReportData Findings(int rows) {
    std::vector<std::vector<std::string>> values;
    for (int i = 1; i <= rows; ++i)
        values.push_back({std::to_string(i), "Row " + std::to_string(i)});
    return MakeReport({"Id", "Description"}, values);
}

TEST(ReportLayout, LongValuesWrapInsideTheirColumnsOnAnyPageWidth) {
    std::string blankless(2000, 'x');
    std::string words;
    for (int i = 0; i < 60; ++i)
        words += "DoCmd.OpenForm \"Orders\" ";
    const ReportData report = MakeReport(
        {"Module", "Routine", "Line", "Code line", "Translated line"},
        {{"Customers", "Private Sub txtCompanyName_BeforeUpdate", "30", blankless, words},
         {"Gr\xC3\xB6\xC3\x9F"
          "e",
          "", "-1", words, ""},
         {"basMain", "Sub Main", "7", "Option Compare Database", "x"}});
    for (double width : {600.0, 300.0, 120.0}) {
        SCOPED_TRACE(width);
        const PageSize size{width, 800};
        const std::vector<PageModel> pages = Layout(report, size);
        // On the page as it was laid out: a page too narrow for the names
        // lies on its side.
        ExpectFitted(pages, pages.front().landscape ? PageSize{size.height, size.width} : size);
        EXPECT_GT(pages.size(), 1u);
    }
}

TEST(ReportLayout, NamesAnUprightPageWouldBreakAreLaidOutAcrossAPageOnItsSide) {
    // Ten number columns whose headings alone fill the upright page's width.
    std::vector<std::string> columns{"Form or module"};
    std::vector<std::string> values{"basOrderProcessing"};
    for (int i = 0; i < 10; ++i) {
        columns.push_back("Converted");
        values.push_back(std::to_string(1000 + i));
    }
    const ReportData wide = MakeReport(columns, {values, values});
    const std::vector<PageModel> pages = Layout(wide);
    ASSERT_FALSE(pages.empty());
    for (const PageModel& page : pages)
        EXPECT_TRUE(page.landscape);
    ExpectFitted(pages, PageSize{kPage.height, kPage.width});
    // The name is whole: one line holds it.
    EXPECT_TRUE(Has(Strings(pages[0], TextStyle::Body), "basOrderProcessing"));

    // A table whose names fit stays upright.
    const ReportData narrow =
        MakeReport({"Form or module", "Converted"}, {{"basOrderProcessing", "1000"}});
    for (const PageModel& page : Layout(narrow))
        EXPECT_FALSE(page.landscape);
}

TEST(ReportLayout, AValueTallerThanAPageContinuesCompleteOnTheNextPages) {
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "w" + std::to_string(i) + " ";
    const ReportData report = MakeReport({"Line", "Code line"}, {{"7", text}});
    const std::vector<PageModel> pages = Layout(report);
    ASSERT_GE(pages.size(), 3u);
    std::string joined;
    for (const PageModel& page : pages) {
        EXPECT_TRUE(Has(Strings(page, TextStyle::Heading), "Code line"));
        for (const TextRun* run : Texts(page, TextStyle::Body)) {
            if (run->text != "7")
                joined += run->text;
        }
    }
    EXPECT_EQ(WithoutBlanks(joined), WithoutBlanks(text));
    ExpectFitted(pages, kPage);
}

TEST(ReportLayout, RowsFillPagesInOrderUnderRepeatedHeadings) {
    const ReportData report = Findings(200);
    const std::vector<PageModel> pages = Layout(report);
    ASSERT_GT(pages.size(), 2u);
    std::vector<int> ids;
    for (size_t p = 0; p < pages.size(); ++p) {
        const PageModel& page = pages[p];
        SCOPED_TRACE(p);
        EXPECT_EQ(Strings(page, TextStyle::Title), std::vector<std::string>{"Test Report"});
        EXPECT_TRUE(Has(Strings(page, TextStyle::Heading), "Id"));
        EXPECT_TRUE(Has(Strings(page, TextStyle::Heading), "Description"));
        const std::vector<std::string> captions = Strings(page, TextStyle::Caption);
        EXPECT_TRUE(Has(captions, "2024-05-01"));
        EXPECT_TRUE(
            Has(captions, "Page " + std::to_string(p + 1) + " of " + std::to_string(pages.size())));
        double lastBottom = 0;
        double pitch = 0;
        double previousTop = -1;
        for (const TextRun* run : Texts(page, TextStyle::Body)) {
            if (run->text.starts_with("Row "))
                continue;
            ids.push_back(std::stoi(run->text));
            if (previousTop >= 0)
                pitch = run->box.y - previousTop;
            previousTop = run->box.y;
            lastBottom = std::max(lastBottom, run->box.Bottom());
        }
        double footerRule = 0;
        for (const Rule& rule : page.rules)
            footerRule = std::max(footerRule, rule.y1);
        // A page ends only when the next row would not fit.
        if (p + 1 < pages.size()) {
            EXPECT_LT(footerRule - lastBottom, 2 * pitch);
        }
    }
    std::vector<int> expected(200);
    for (int i = 0; i < 200; ++i)
        expected[i] = i + 1;
    EXPECT_EQ(ids, expected);
}

TEST(ReportLayout, ARowThatFitsOnAPageIsNeverSplit) {
    // Rows of three lines each: one word a line in the narrow second column.
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 120; ++i)
        rows.push_back({"Row" + std::to_string(i), "aaaa bbbb cccc"});
    const std::vector<PageModel> pages = Layout(MakeReport({"Name", "Words"}, rows), {88, 800});
    ASSERT_GT(pages.size(), 2u);
    for (const PageModel& page : pages) {
        const std::vector<std::string> body = Strings(page, TextStyle::Body);
        const auto count = [&](const std::string& word) {
            return std::count(body.begin(), body.end(), word);
        };
        EXPECT_EQ(count("aaaa"), count("bbbb"));
        EXPECT_EQ(count("bbbb"), count("cccc"));
        EXPECT_GT(count("aaaa"), 0);
    }
}

TEST(ReportLayout, AReportWithoutRowsKeepsItsTitleAndHeadings) {
    ReportData report = Findings(0);
    report.barChart = true;
    const std::vector<PageModel> pages = Layout(report);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(Strings(pages[0], TextStyle::Title), std::vector<std::string>{"Test Report"});
    EXPECT_EQ(Strings(pages[0], TextStyle::Heading),
              (std::vector<std::string>{"Id", "Description"}));
    EXPECT_TRUE(Texts(pages[0], TextStyle::Body).empty());
    EXPECT_TRUE(Has(Strings(pages[0], TextStyle::Caption), "Nothing recorded."));
    EXPECT_TRUE(Has(Strings(pages[0], TextStyle::Caption), "Page 1 of 1"));
    for (const FilledBox& fill : pages[0].fills)
        EXPECT_NE(fill.fill, Fill::Bar);
}

TEST(ReportLayout, NumbersAlignRightAndTextLeft) {
    const ReportData report =
        MakeReport({"Name", "Count", "Mixed", "Sparse"},
                   {{"Orders", "12", "7", ""}, {"Products", "3", "n/a", "4"}});
    const std::vector<PageModel> pages = Layout(report);
    ASSERT_EQ(pages.size(), 1u);
    auto alignOf = [&](const std::string& text) {
        for (const TextRun& run : pages[0].texts) {
            if (run.text == text)
                return run.align;
        }
        ADD_FAILURE() << "no " << text;
        return Align::Left;
    };
    EXPECT_EQ(alignOf("Orders"), Align::Left);
    EXPECT_EQ(alignOf("12"), Align::Right);
    EXPECT_EQ(alignOf("Count"), Align::Right);
    EXPECT_EQ(alignOf("n/a"), Align::Left);
    EXPECT_EQ(alignOf("7"), Align::Left);
    EXPECT_EQ(alignOf("4"), Align::Right);  // an empty cell is no text
}

// Module A with 2 rows, B with `middle` rows, C with 1.
ReportData Grouped(int middle) {
    std::vector<std::vector<std::string>> rows = {{"A", "Sub One", "x = 1"},
                                                  {"A", "Sub Two", "x = 2"}};
    for (int i = 0; i < middle; ++i)
        rows.push_back({"B", "Sub Three", "y = " + std::to_string(i)});
    rows.push_back({"C", "Sub Four", "z = 1"});
    ReportData report = MakeReport({"Module", "Routine", "Code line"}, rows);
    report.groupColumns = 1;
    return report;
}

TEST(ReportLayout, GroupsHaveOneHeadingRepeatedOnThePagesTheyRunOnto) {
    const std::vector<PageModel> pages = Layout(Grouped(150));
    ASSERT_GE(pages.size(), 3u);
    std::vector<std::string> headings;
    for (size_t p = 0; p < pages.size(); ++p) {
        const std::vector<std::string> groups = Strings(pages[p], TextStyle::Group);
        headings.insert(headings.end(), groups.begin(), groups.end());
        // The group column is the heading, not a column.
        EXPECT_FALSE(Has(Strings(pages[p], TextStyle::Heading), "Module"));
        EXPECT_TRUE(Has(Strings(pages[p], TextStyle::Heading), "Routine"));
        const std::vector<std::string> body = Strings(pages[p], TextStyle::Body);
        EXPECT_FALSE(Has(body, "A"));
        EXPECT_FALSE(Has(body, "B"));
    }
    std::vector<std::string> expected = {"Module: A", "Module: B"};
    for (size_t p = 1; p + 1 < pages.size(); ++p)
        expected.push_back("Module: B (continued)");
    // The last page starts inside B too, unless B ended exactly at a page's end.
    if (Strings(pages.back(), TextStyle::Group).front() == "Module: B (continued)")
        expected.push_back("Module: B (continued)");
    expected.push_back("Module: C");
    EXPECT_EQ(headings, expected);
    ExpectFitted(pages, kPage);
}

TEST(ReportLayout, AGroupHeadingIsNeverLastOnAPage) {
    // Around every length of B, C's heading lands near the foot of a page.
    for (int middle = 20; middle < 70; ++middle) {
        SCOPED_TRACE(middle);
        for (const PageModel& page : Layout(Grouped(middle))) {
            double lastBody = -1;
            double lastGroup = -1;
            for (const TextRun& run : page.texts) {
                if (run.style == TextStyle::Body)
                    lastBody = std::max(lastBody, run.box.y);
                if (run.style == TextStyle::Group)
                    lastGroup = std::max(lastGroup, run.box.y);
            }
            EXPECT_GT(lastBody, lastGroup);
        }
    }
}

TEST(ReportLayout, GroupHeadingsNameEveryGroupColumn) {
    ReportData report = MakeReport(
        {"Reason", "Description", "Module", "Code line"},
        {{"7", "Translated into equivalent Visual Basic; check it", "Orders", "DoCmd.Close"}});
    report.groupColumns = 2;
    const std::vector<PageModel> pages = Layout(report);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(Strings(pages[0], TextStyle::Group),
              std::vector<std::string>{
                  "Reason: 7 \xE2\x80\x94 Translated into equivalent Visual Basic; check it"});
    EXPECT_EQ(Strings(pages[0], TextStyle::Heading),
              (std::vector<std::string>{"Module", "Code line"}));
}

std::vector<const FilledBox*> Bars(const PageModel& page) {
    std::vector<const FilledBox*> bars;
    for (const FilledBox& fill : page.fills) {
        if (fill.fill == Fill::Bar)
            bars.push_back(&fill);
    }
    return bars;
}

TEST(ReportLayout, ChartBarsAreScaledToTheLargestValue) {
    ReportData report = MakeReport(
        {"Reason", "Description", "Findings"},
        {{"1", "Alpha", "10"}, {"2", "Beta", "5"}, {"3", "Gamma", "0"}, {"4", "Delta", "20"}});
    report.barChart = true;
    const std::vector<PageModel> pages = Layout(report);
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<const FilledBox*> bars = Bars(pages[0]);
    ASSERT_EQ(bars.size(), 4u);
    EXPECT_GT(bars[3]->box.width, 300);
    EXPECT_NEAR(bars[0]->box.width, bars[3]->box.width / 2, kEpsilon);
    EXPECT_NEAR(bars[1]->box.width, bars[3]->box.width / 4, kEpsilon);
    EXPECT_DOUBLE_EQ(bars[2]->box.width, 0);
    // The largest bar takes the width its value leaves.
    const TextRun* largestValue = nullptr;
    for (const TextRun* run : Texts(pages[0], TextStyle::Body)) {
        if (run->text == "20" && run->box.x >= bars[3]->box.Right())
            largestValue = run;
    }
    ASSERT_NE(largestValue, nullptr);
    EXPECT_GT(largestValue->box.Right(), kPage.width - 12);
    for (size_t i = 1; i < bars.size(); ++i)
        EXPECT_GT(bars[i]->box.y, bars[i - 1]->box.y);
    const std::vector<std::string> body = Strings(pages[0], TextStyle::Body);
    for (const char* label : {"1 Alpha", "2 Beta", "3 Gamma", "4 Delta"})
        EXPECT_TRUE(Has(body, label)) << label;
    EXPECT_TRUE(Has(Strings(pages[0], TextStyle::Group), "Findings"));
    // The chart follows the table.
    double tableBottom = 0;
    for (const TextRun* run : Texts(pages[0], TextStyle::Body)) {
        if (run->text == "Delta")
            tableBottom = run->box.Bottom();
    }
    EXPECT_GT(bars[0]->box.y, tableBottom);
    ExpectFitted(pages, kPage);

    report.barChart = false;
    EXPECT_TRUE(Bars(Layout(report)[0]).empty());
}

ReportData Counts(int rows) {
    std::vector<std::vector<std::string>> values;
    for (int i = 1; i <= rows; ++i)
        values.push_back({"Reason " + std::to_string(i), std::to_string(i)});
    ReportData report = MakeReport({"Reason", "Findings"}, values);
    report.barChart = true;
    return report;
}

TEST(ReportLayout, ALongChartRunsOnUnderItsCaption) {
    const std::vector<PageModel> pages = Layout(Counts(120));
    size_t bars = 0;
    size_t continued = 0;
    for (const PageModel& page : pages) {
        bars += Bars(page).size();
        continued += Has(Strings(page, TextStyle::Group), "Findings (continued)") ? 1 : 0;
    }
    EXPECT_EQ(bars, 120u);
    EXPECT_GE(continued, 2u);
    ExpectFitted(pages, kPage);
}

TEST(ReportLayout, AChartThatFitsOnAPageIsNotSplit) {
    // Up to 23 bars fit on these pages; the table above them, as long as the
    // chart, puts the chart's start at every height.
    for (int rows = 1; rows <= 23; ++rows) {
        SCOPED_TRACE(rows);
        const std::vector<PageModel> pages = Layout(Counts(rows), {600, 500});
        size_t pagesWithBars = 0;
        for (const PageModel& page : pages) {
            if (!Bars(page).empty()) {
                ++pagesWithBars;
                EXPECT_TRUE(Has(Strings(page, TextStyle::Group), "Findings"));
                EXPECT_EQ(Bars(page).size(), static_cast<size_t>(rows));
            }
        }
        EXPECT_EQ(pagesWithBars, 1u);
    }
}

}  // namespace
}  // namespace velorin
