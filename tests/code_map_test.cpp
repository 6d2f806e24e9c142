// Which Access lines became which written lines: the units built from the
// sources the code keeps, and the map a conversion stores, checked for what
// its readers rely on on the sample and the shared real application.
#include <gtest/gtest.h>

#include <sstream>

#include "code/code_map.h"
#include "code/code_mask.h"
#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;
using Units = std::vector<CodeUnit>;

CodeText Written(std::initializer_list<std::pair<uint32_t, const char*>> lines) {
    std::vector<std::string> text;
    std::vector<uint32_t> sources;
    for (const auto& [source, line] : lines) {
        sources.push_back(source);
        text.emplace_back(line);
    }
    return CodeText(std::move(text), std::move(sources));
}

TEST(CodeUnits, StatementsAddedLinesAndDroppedStatements) {
    const std::vector<std::string> access = {"Option Explicit", "Sub A()",      "  x = 1 _",
                                             "    + 2",         "  DoCmd.Beep", "End Sub"};
    // Line 5 had a declaration added at the top of its procedure; the
    // conversion wrote a procedure of its own at the end.
    const CodeText written = Written({{0, "Attribute VB_Name = \"A\""},
                                      {1, "Option Explicit"},
                                      {2, "Sub A()"},
                                      {5, "Dim n"},
                                      {3, "x = 1 + 2"},
                                      {5, "Beep"},
                                      {5, "n = n + 1"},
                                      {6, "End Sub"},
                                      {0, "Sub Made()"},
                                      {0, "End Sub"}});
    EXPECT_EQ(CodeUnits(access, written), (Units{{0, 0, 1, 1},
                                                 {1, 1, 2, 1},
                                                 {2, 1, 3, 1},
                                                 {5, 0, 4, 1},
                                                 {3, 2, 5, 1},
                                                 {5, 1, 6, 2},
                                                 {6, 1, 8, 1},
                                                 {0, 0, 9, 2}}));
    // Statements that left nothing stand after the statement before them.
    const CodeText fewer = Written({{2, "Sub A()"}, {6, "End Sub"}});
    EXPECT_EQ(CodeUnits(access, fewer),
              (Units{{1, 1, 1, 0}, {2, 1, 1, 1}, {3, 2, 2, 0}, {5, 1, 2, 0}, {6, 1, 2, 1}}));
    EXPECT_EQ(UnitsText({{1, 1, 2, 1}, {0, 0, 3, 2}}), "1 1 2 1\n0 0 3 2\n");
}

TEST(CodeUnits, SourcesSurviveTheEditsOfTheCode) {
    CodeText code({"a", "b"});
    code.NumberAsSource();
    code.SetCurrentSource(2);
    code.Insert(0, "added for b");
    code.SetCurrentSource(0);
    code.Append("made");
    code.Replace(1, "a rewritten");
    EXPECT_EQ((std::vector<uint32_t>{code.SourceOf(0), code.SourceOf(1), code.SourceOf(2),
                                     code.SourceOf(3)}),
              (std::vector<uint32_t>{2, 1, 2, 0}));
    // A change of the count that the code cannot follow forgets them all.
    code.MutableLines().push_back("x");
    EXPECT_FALSE(code.HasSources());
    EXPECT_EQ(code.SourceOf(0), 0u);
}

// The map a conversion stored, and the findings, as their readers take them.
void ExpectSoundMaps(const fs::path& db) {
    const auto maps =
        testing::Rows(db, "SELECT ModuleName, AccessCode, VbCode, Units FROM tblCodeMap");
    ASSERT_FALSE(maps.empty());
    std::map<std::string, std::set<long>, ILess> statementStarts;
    size_t comments = 0;
    for (const auto& map : maps) {
        const std::string& name = map[0];
        const std::vector<std::string> access = SplitLines(map[1]);
        const std::vector<std::string> vb = SplitLines(map[2]);
        std::set<long> starts;
        for (size_t i = 0; i < access.size(); ++i)
            if (i == 0 || !ContinuesOnNextLine(access[i - 1]))
                starts.insert(static_cast<long>(i + 1));
        std::set<long> mapped;
        long nextVb = 1;
        std::istringstream units(map[3]);
        long a = 0, n = 0, v = 0, m = 0;
        while (units >> a >> n >> v >> m) {
            // The written lines are covered once, in order.
            ASSERT_EQ(v, nextVb) << name;
            nextVb += m;
            if (n == 0)
                continue;
            EXPECT_TRUE(starts.count(a) > 0) << name << " unit at Access line " << a;
            EXPECT_TRUE(mapped.insert(a).second) << name << " Access line " << a << " twice";
            ASSERT_LE(a + n - 1, static_cast<long>(access.size())) << name;
            // A comment is written as it was: the two sides line up.
            const std::string_view first = TrimWhitespace(access[static_cast<size_t>(a - 1)]);
            if (n == 1 && m == 1 && first.starts_with('\'')) {
                EXPECT_EQ(TrimWhitespace(vb[static_cast<size_t>(v - 1)]), first) << name;
                ++comments;
            }
        }
        EXPECT_EQ(nextVb, static_cast<long>(vb.size()) + 1) << name;
        EXPECT_EQ(mapped, starts) << name << ": every Access statement is in one unit";
        statementStarts[name] = starts;
    }
    EXPECT_GT(comments, 0u);
    // A finding about a line names the first line of a statement of its map.
    for (const auto& finding :
         testing::Rows(db,
                       "SELECT ModuleName, AccessLine, CodeLine FROM tblReportOutput "
                       "WHERE AccessLine > 0")) {
        const auto starts = statementStarts.find(finding[0]);
        ASSERT_NE(starts, statementStarts.end()) << finding[0];
        EXPECT_TRUE(starts->second.count(std::stol(finding[1])) > 0)
            << finding[0] << ":" << finding[1] << " " << finding[2];
    }
}

void Convert(const fs::path& input, const testing::TempDir& dir) {
    const fs::path db = testing::FreshSupportDatabase(dir);
    const testing::ProgramRun run = testing::RunProgram(
        VELORIN_PROGRAM,
        "convert " + testing::ShellQuoted(input) + " -o " + testing::ShellQuoted(dir / "out") +
            " --yes --support-db " + testing::ShellQuoted(db),
        dir);
    ASSERT_TRUE(run.status == 0 || run.status == 3) << run.err;
}

TEST(CodeMap, EveryStatementOfTheSampleIsInOneUnit) {
    testing::TempDir dir;
    Convert(testing::SourceDir() / "examples" / "Sales.mdb.src", dir);
    ExpectSoundMaps(dir / "vlrn.db");
    // The stored code is the code written.
    const auto orders = testing::Rows(
        dir / "vlrn.db", "SELECT Kind, VbCode FROM tblCodeMap WHERE ModuleName = 'Orders'");
    ASSERT_EQ(orders.size(), 1u);
    EXPECT_EQ(orders[0][0], "Form");
    const std::string frm = testing::ReadFile(dir / "out" / "Orders.frm");
    EXPECT_TRUE(frm.ends_with(orders[0][1]));
}

TEST(CodeMap, EveryStatementOfTheRealApplicationIsInOneUnit) {
    const fs::path data = testing::SharedData();
    if (data.empty())
        GTEST_SKIP() << "../shared/data is absent";
    testing::TempDir dir;
    Convert(data / "big_rivers_app" / "source", dir);
    ExpectSoundMaps(dir / "vlrn.db");
}

}  // namespace
}  // namespace velorin
