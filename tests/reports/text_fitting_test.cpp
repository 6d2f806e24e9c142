// Fitting text and columns into widths: nothing may run past its width, and
// nothing may be lost on the way.
#include <gtest/gtest.h>

#include <numeric>

#include "reports/column_widths.h"
#include "reports/text_wrap.h"
#include "reports_test_support.h"

namespace velorin {
namespace {

using testing::FixedMeasure;

const FixedMeasure kMeasure;
constexpr TextStyle kBody = TextStyle::Body;  // 6 units a character

std::string WithoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

bool StartsInsideCharacter(const std::string& line) {
    return !line.empty() && (static_cast<unsigned char>(line[0]) & 0xC0) == 0x80;
}

TEST(WrapText, BreaksAtBlanksAndKeepsEveryWord) {
    const std::string text = "If Me.CurrentRecord > 1 Then DoCmd.GoToRecord , , acPrevious";
    const std::vector<std::string> lines = WrapText(text, 20 * 6, kBody, kMeasure);
    ASSERT_GT(lines.size(), 1u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(kMeasure.Width(line, kBody), 20 * 6) << line;
        EXPECT_FALSE(line.starts_with(' ')) << line;
        joined += line;
    }
    EXPECT_EQ(WithoutBlanks(joined), WithoutBlanks(text));
    EXPECT_EQ(lines.front(), "If Me.CurrentRecord");
    EXPECT_EQ(WrapText("Short text", 100 * 6, kBody, kMeasure),
              std::vector<std::string>{"Short text"});
}

TEST(WrapText, BreaksInsideAWordOnlyWhenItAloneIsTooWide) {
    const std::string word(45, 'x');
    EXPECT_EQ(WrapText("ab " + word, 20 * 6, kBody, kMeasure),
              (std::vector<std::string>{"ab", std::string(20, 'x'), std::string(20, 'x'),
                                        std::string(5, 'x')}));
    // Multi-byte characters are never cut in two.
    std::string accented;
    for (int i = 0; i < 30; ++i)
        accented += "\xC3\xA9";  // é
    const std::vector<std::string> lines = WrapText(accented, 7 * 6, kBody, kMeasure);
    ASSERT_EQ(lines.size(), 5u);
    for (const std::string& line : lines) {
        EXPECT_FALSE(StartsInsideCharacter(line));
        EXPECT_LE(kMeasure.Width(line, kBody), 7 * 6);
    }
    EXPECT_EQ(lines.back(), "\xC3\xA9\xC3\xA9");
}

TEST(WrapText, KeepsLineBreaksIndentationAndEmptyText) {
    EXPECT_EQ(WrapText("first\r\nsecond", 50 * 6, kBody, kMeasure),
              (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(WrapText("    indented", 50 * 6, kBody, kMeasure),
              std::vector<std::string>{"    indented"});
    EXPECT_EQ(WrapText("a\tb", 50 * 6, kBody, kMeasure), std::vector<std::string>{"a b"});
    EXPECT_EQ(WrapText("", 50 * 6, kBody, kMeasure), std::vector<std::string>{""});
}

TEST(ElideText, CutsWithAnEllipsisToFit) {
    EXPECT_EQ(ElideText("Reference to reports", 30 * 6, kBody, kMeasure), "Reference to reports");
    // The blank before the cut goes too.
    EXPECT_EQ(ElideText("Reference to reports", 11 * 6, kBody, kMeasure), "Reference\xE2\x80\xA6");
    EXPECT_EQ(ElideText("Reference to reports", 12 * 6, kBody, kMeasure),
              "Reference t\xE2\x80\xA6");
    EXPECT_EQ(ElideText("Reference", 3, kBody, kMeasure), "");
}

double Sum(const std::vector<double>& widths) {
    return std::accumulate(widths.begin(), widths.end(), 0.0);
}

// Minimum, widest word, whole value on one line, and whether the column stretches.
const std::vector<ColumnNeed> kNeeds = {{10, 20, 30, false}, {10, 40, 90, true}, {5, 5, 10, true}};

TEST(FitColumns, NaturalWidthsWhenTheyFitAndTheRestToStretchingColumns) {
    const std::vector<double> widths = FitColumns(kNeeds, 230);
    ASSERT_EQ(widths.size(), 3u);
    EXPECT_DOUBLE_EQ(widths[0], 30);
    // 100 left over, shared 90 : 10.
    EXPECT_DOUBLE_EQ(widths[1], 180);
    EXPECT_DOUBLE_EQ(widths[2], 20);
}

TEST(FitColumns, WideColumnsGiveWayBeforeWordsAreBroken) {
    // Whole words fit (20 + 40 + 5 = 65) but not every value on one line.
    const std::vector<ColumnNeed>& needs = kNeeds;
    const std::vector<double> widths = FitColumns(needs, 100);
    EXPECT_NEAR(Sum(widths), 100, 1e-6);
    EXPECT_LE(Sum(widths), 100);
    EXPECT_NEAR(widths[0], 30, 1e-6);  // narrow columns get their natural width
    EXPECT_NEAR(widths[2], 10, 1e-6);
    EXPECT_NEAR(widths[1], 60, 1e-6);
    // Not even whole words fit: the column with the widest words breaks them,
    // the others keep theirs.
    const std::vector<double> tight = FitColumns(needs, 50);
    EXPECT_LE(Sum(tight), 50);
    EXPECT_NEAR(tight[0], 20, 1e-6);
    EXPECT_NEAR(tight[1], 25, 1e-6);
    EXPECT_NEAR(tight[2], 5, 1e-6);
    // Down to the minimums at most.
    const std::vector<double> tighter = FitColumns(needs, 26);
    EXPECT_LE(Sum(tighter), 26);
    for (size_t i = 0; i < needs.size(); ++i)
        EXPECT_GE(tighter[i], needs[i].minimum - 1e-9);
}

TEST(FitColumns, EverythingShrinksInProportionWhenMinimumsDoNotFit) {
    const std::vector<ColumnNeed> needs = {{30, 30, 40, false}, {10, 60, 90, true}};
    const std::vector<double> widths = FitColumns(needs, 20);
    EXPECT_DOUBLE_EQ(widths[0], 15);
    EXPECT_DOUBLE_EQ(widths[1], 5);
    EXPECT_TRUE(FitColumns({}, 100).empty());
}

}  // namespace
}  // namespace velorin
