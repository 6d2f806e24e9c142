// The conversion report written from a support database filled by hand: its
// links resolve, each finding shows once in the index and once on its page,
// the data's text is escaped and in UTF-8, and the code's units stand side by
// side.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "common/output_file_names.h"
#include "site/code_map.h"
#include "site/write_site.h"
#include "site_test_support.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;
using testing::AttributeValues;
using testing::BrokenLinks;
using testing::CellText;
using testing::CrLfText;
using testing::Exec;
using testing::ReadFile;
using testing::TableRows;
using testing::TempDir;

const std::vector<std::string> kAccess = {
    "Option Compare Database",
    "Private Sub cmdGo_Click()",
    "    If x < 3 Then MsgBox \"Tom & Jerry's <script>alert(1)</script>\"",
    "    DoCmd.OpenForm \"Caf\xE9\"",
    "End Sub",
    "' nothing left of this",
};
const std::vector<std::string> kVb = {
    "'VLRN Option Compare Database",
    "Private Sub cmdGo_Click()",
    "    If x < 3 Then",
    "        MsgBox \"Tom & Jerry's <script>alert(1)</script>\"",
    "    End If",
    "    frmCaf\xE9.Show",
    "  End Sub",
    "Private Sub Form_Load()",
    "    InitialValues",
    "End Sub",
};
// Units in Visual Basic order; the last leaves nothing.
const std::vector<CodeUnit> kUnits = {{1, 1, 1, 1}, {2, 1, 2, 1}, {3, 1, 3, 3}, {4, 1, 6, 1},
                                      {5, 1, 7, 1}, {0, 0, 8, 3}, {6, 1, 0, 0}};

void AddFinding(const fs::path& db, const std::string& module, int reason, const std::string& code,
                int line) {
    Exec(db,
         "INSERT INTO tblReportOutput (ModuleName, ReasonID, CodeLine, AccessLine, Routine) "
         "VALUES (?1, ?2, ?3, ?4, 'cmdGo_Click')",
         {module, std::to_string(reason), code, std::to_string(line)});
}

class SitePages : public ::testing::Test {
  protected:
    void SetUp() override {
        db = testing::FreshSupportDatabase(dir);
        picture = dir / "Orders preview.png";
        testing::WriteFile(picture, "\x89PNG\r\n\x1a\n not decoded here");
        Exec(db,
             "INSERT INTO tblStats (ModuleName, CodeLines, CommentLines, BlankLines, "
             "LinesNotTranslated, LinesPotentiallyConverted, CtlCount, CtlsPartiallyConverted) "
             "VALUES ('Orders', 6, 1, 0, 1, 2, 12, 1), ('O''Brien \"Utils\" <b>', 40, 4, 6, 3, 0, "
             "0, 0), ('index', 1, 0, 0, 0, 0, 0, 0), ('Orders:Old', 2, 0, 0, 0, 0, 0, 0), "
             "('orders_old', 2, 0, 0, 0, 0, 0, 0)");
        Exec(db,
             "INSERT INTO tblCodeMap (ModuleName, ObjectName, Kind, AccessCode, VbCode, Units, "
             "Preview) VALUES ('Orders', 'Order Entry', 'Form', ?1, ?2, ?3, ?4)",
             {CrLfText(kAccess), CrLfText(kVb), UnitsText(kUnits), picture.string()});
        AddFinding(db, "Orders", 7, kAccess[2], 3);
        AddFinding(db, "Orders", 6, kAccess[3], 4);
        AddFinding(db, "Orders", 2, kAccess[3], 4);
        AddFinding(db, "Orders", 4, "ctlOle & <b>", 0);
        AddFinding(db, "Orders", 1, "beyond the code", 99);
        AddFinding(db, "O'Brien \"Utils\" <b>", 1, "x = y <script>", 5);
        AddFinding(db, "O'Brien \"Utils\" <b>", 13, "Caf\xE9", 0);
    }

    SiteOutcome Write() { return WriteConversionSite(db, dir / "out" / "report"); }
    std::string Page(const std::string& name) { return ReadFile(dir / "out" / "report" / name); }

    TempDir dir;
    fs::path db;
    fs::path picture;
};

TEST_F(SitePages, LinksResolveInsideTheFolderAndNamesAreSafeAndUnique) {
    const SiteOutcome site = Write();
    ASSERT_TRUE(site.written) << site.error;
    EXPECT_EQ(site.pages, 5u);
    const fs::path folder = dir / "out" / "report";
    EXPECT_EQ(site.index, folder / "index.html");
    EXPECT_EQ(BrokenLinks(folder), std::vector<std::string>{});

    // Every form and module has a page of its own, linked from the index.
    const std::vector<std::string> links = AttributeValues(Page("index.html"), "href");
    std::set<std::string> pages;
    for (const std::string& link : links) {
        if (link.find('#') == std::string::npos && link.ends_with(".html"))
            pages.insert(link);
    }
    ASSERT_EQ(pages.size(), 5u);
    std::set<std::string, ILess> folded(pages.begin(), pages.end());
    EXPECT_EQ(folded.size(), 5u) << "two pages differ only in case";
    EXPECT_EQ(folded.count("index.html"), 0u) << "a module's page took the index's name";
    for (const std::string& page : pages) {
        EXPECT_TRUE(std::all_of(page.begin(), page.end(), [](char c) {
            return std::isalnum(c) || std::strchr("_-.", c);
        })) << page;
    }
    // The picture is copied beside the pages.
    EXPECT_EQ(ReadFile(folder / "Orders.png"), ReadFile(picture));
    EXPECT_NE(Page("Orders.html").find("src=\"Orders.png\""), std::string::npos);
}

TEST_F(SitePages, EachFindingShowsOnceInTheIndexAndOnceBesideItsLine) {
    ASSERT_TRUE(Write().written);
    const std::string index = Page("index.html");
    const auto rows = testing::Rows(db, "SELECT ID, AccessLine FROM tblReportOutput");
    ASSERT_EQ(rows.size(), 7u);
    auto count = [](const std::string& html, const std::string& what) {
        size_t n = 0;
        for (size_t at = html.find(what); at != std::string::npos; at = html.find(what, at + 1))
            ++n;
        return n;
    };
    for (const auto& row : rows) {
        const std::string mark = "data-f=\"" + row[0] + "\"";
        ASSERT_EQ(count(index, mark), 1u) << row[0];
        // The index's link goes to where the page shows the finding.
        const size_t at = index.find(mark);
        const std::string link =
            AttributeValues(index.substr(at, index.find("</tr>", at) - at), "href").at(0);
        const std::string page = link.substr(0, link.find('#'));
        const std::string anchor = link.substr(link.find('#') + 1);
        for (const fs::directory_entry& other : fs::directory_iterator(dir / "out" / "report")) {
            if (other.path().extension() != ".html" || other.path().filename() == "index.html")
                continue;
            EXPECT_EQ(count(ReadFile(other.path()), mark),
                      other.path().filename() == page ? 1u : 0u)
                << row[0] << " on " << other.path().filename();
        }
        const std::string html = Page(page);
        const size_t shown = html.find(mark);
        const size_t rowStart = html.rfind("<tr", shown);
        EXPECT_NE(html.substr(rowStart, shown - rowStart).find("id=\"" + anchor + "\""),
                  std::string::npos)
            << "finding " << row[0] << " is not in the row its link goes to";
        const bool onItsLine = row[1] == "3" || row[1] == "4";
        EXPECT_EQ(anchor, onItsLine ? "L" + row[1] : "F" + row[0]);
    }
}

TEST_F(SitePages, TheDataIsEscapedAndWrittenInUtf8) {
    ASSERT_TRUE(Write().written);
    for (const fs::directory_entry& entry : fs::directory_iterator(dir / "out" / "report")) {
        if (entry.path().extension() != ".html")
            continue;
        const std::string html = ReadFile(entry.path());
        EXPECT_EQ(html.find("<script>alert"), std::string::npos) << entry.path();
        EXPECT_EQ(html.find("<b>"), std::string::npos) << entry.path();
        EXPECT_EQ(html.find("Caf\xE9"), std::string::npos) << entry.path();
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    }
    const std::string orders = Page("Orders.html");
    EXPECT_NE(orders.find("Tom &amp; Jerry&#39;s &lt;script&gt;alert(1)&lt;/script&gt;"),
              std::string::npos);
    EXPECT_NE(orders.find("Caf\xC3\xA9"), std::string::npos);
    EXPECT_NE(orders.find("ctlOle &amp; &lt;b&gt;"), std::string::npos);
    EXPECT_NE(Page("index.html").find("O&#39;Brien &quot;Utils&quot; &lt;b&gt;"),
              std::string::npos);
}

TEST_F(SitePages, AUnitsLinesStandSideBySideEachLineOnceAndColouredByWhatBecameOfIt) {
    ASSERT_TRUE(Write().written);
    std::vector<testing::HtmlRow> rows = TableRows(Page("Orders.html"), "<table class=\"code\"");
    std::erase_if(rows, [](const testing::HtmlRow& row) { return row.cells.size() != 5; });
    // Each row's Access and Visual Basic line numbers.
    std::vector<std::pair<int, int>> pairs;
    for (const testing::HtmlRow& row : rows) {
        const std::string access = CellText(row.cells[0]);
        const std::string vb = CellText(row.cells[2]);
        pairs.emplace_back(access.empty() ? 0 : std::stoi(access), vb.empty() ? 0 : std::stoi(vb));
    }
    std::vector<std::pair<int, int>> expected;
    for (const CodeUnit& u : kUnits) {
        for (uint32_t i = 0; i < std::max(u.accessCount, u.vbCount); ++i)
            expected.emplace_back(i < u.accessCount ? static_cast<int>(u.accessFirst + i) : 0,
                                  i < u.vbCount ? static_cast<int>(u.vbFirst + i) : 0);
    }
    ASSERT_EQ(pairs, expected);
    // Beside each number, that line's code.
    EXPECT_EQ(CellText(rows[2].cells[1]),
              "    If x &lt; 3 Then " + CellText(rows[3].cells[3]).substr(8));
    EXPECT_EQ(CellText(rows[2].cells[3]), "    If x &lt; 3 Then");
    EXPECT_EQ(CellText(rows[5].cells[3]), "    frmCaf\xC3\xA9.Show");

    auto classesOf = [&](int accessLine, int vbLine) {
        for (size_t i = 0; i < pairs.size(); ++i) {
            if (pairs[i] == std::make_pair(accessLine, vbLine))
                return rows[i].classes;
        }
        return std::string("?");
    };
    EXPECT_EQ(classesOf(1, 1), "m b");    // commented out
    EXPECT_EQ(classesOf(2, 2), "u b q");  // unchanged, no finding: hidden by the filter
    EXPECT_EQ(classesOf(3, 3), "w b");    // rewritten, with a finding
    EXPECT_EQ(classesOf(0, 4), "w");
    EXPECT_EQ(classesOf(5, 7), "u b q");  // the same once blanks are trimmed
    EXPECT_EQ(classesOf(0, 8), "a b");    // added by the conversion
    EXPECT_EQ(classesOf(6, 0), "d b");    // left nothing
}

TEST_F(SitePages, TheIndexTotalsTheStatisticsAndChartsEachReason) {
    ASSERT_TRUE(Write().written);
    const std::string index = Page("index.html");
    auto total = [&](const std::string& label) {
        const size_t at = index.find("<tr><th>" + label + "</th><td>");
        return at == std::string::npos
                   ? std::string("?")
                   : CellText(index.substr(at, index.find("</tr>", at) - at)).substr(label.size());
    };
    EXPECT_EQ(total("Forms"), "1");
    EXPECT_EQ(total("Modules"), "4");
    EXPECT_EQ(total("Controls"), "12");
    // Code lines less comment and blank lines: 5 + 30 + 1 + 2 + 2.
    EXPECT_EQ(total("Lines of code (without comments and blank lines)"), "40");
    EXPECT_EQ(total("Lines translated, to review"), "2");
    EXPECT_EQ(total("Lines not translated"), "4");
    EXPECT_EQ(total("Lines translated"), "34");
    // One bar for each of the six reasons that have findings.
    const size_t svg = index.find("<svg");
    const std::string chart = index.substr(svg, index.find("</svg>") - svg);
    EXPECT_EQ(AttributeValues(chart, "height").size(), 6u + 1u);
    EXPECT_NE(chart.find("13: Call of a procedure"), std::string::npos);
    // The table of forms and modules sorts with the site's own script.
    EXPECT_NE(index.find("<table class=\"list sortable\">"), std::string::npos);
    EXPECT_EQ(AttributeValues(index, "src"), std::vector<std::string>{"site.js"});
}

// The report replaces only its own files: a file of the user's in the way
// stops it before anything is written, any other stays.
TEST_F(SitePages, WritingAgainReplacesOnlyTheReportsOwnFiles) {
    const fs::path folder = dir / "out" / "report";
    testing::WriteFile(folder / "Orders.html", "mine");
    testing::WriteFile(folder / "notes.txt", "mine too");
    SiteOutcome site = Write();
    EXPECT_FALSE(site.written);
    EXPECT_NE(site.error.find("Orders.html"), std::string::npos) << site.error;
    EXPECT_FALSE(fs::exists(folder / "index.html"));
    EXPECT_EQ(ReadFile(folder / "Orders.html"), "mine");

    fs::remove(folder / "Orders.html");
    ASSERT_TRUE(Write().written);
    Exec(db, "DELETE FROM tblStats WHERE ModuleName = 'orders_old'");
    ASSERT_TRUE(Write().written);
    EXPECT_FALSE(fs::exists(folder / "orders_old-2.html")) << "the last report's page stays";
    EXPECT_TRUE(fs::exists(folder / "Orders_Old.html"));
    EXPECT_EQ(ReadFile(folder / "notes.txt"), "mine too");
    EXPECT_EQ(BrokenLinks(folder), std::vector<std::string>{});

    // A folder that cannot be made.
    testing::WriteFile(dir / "file", "");
    site = WriteConversionSite(db, dir / "file" / "report");
    EXPECT_FALSE(site.written);
    EXPECT_NE(site.error.find("cannot make the folder"), std::string::npos) << site.error;
}

TEST(CodeUnits, AreReadAndCheckedAgainstTheCode) {
    std::vector<CodeUnit> units;
    std::string why;
    ASSERT_TRUE(ParseCodeUnits("1 2 1 1\r\n0 0 2 3\n3 1 0 0\r\n\r\n", 3, 4, units, why)) << why;
    EXPECT_EQ(units, (std::vector<CodeUnit>{{1, 2, 1, 1}, {0, 0, 2, 3}, {3, 1, 0, 0}}));
    const std::pair<const char*, const char*> faults[] = {
        {"1 1 1", "not four numbers"},
        {"1 1 1 1 x", "not four numbers"},
        {"1 -1 1 1", "not four numbers"},
        {"1 0 1 0", "holds no line"},
        {"3 2 1 1", "beyond the 3 lines of the Access code"},
        {"1 1 4 2", "beyond the 4 lines of the Visual Basic code"},
        {"1 2 1 1\n2 1 2 1", "Access line 2, which an earlier unit has"},
        {"1 1 2 1\n2 1 1 1", "out of order"},
    };
    for (const auto& [text, reason] : faults) {
        EXPECT_FALSE(ParseCodeUnits(text, 3, 4, units, why)) << text;
        EXPECT_NE(why.find(reason), std::string::npos) << text << ": " << why;
    }
}

// Units that cannot be read still show every line of both sides, once.
TEST_F(SitePages, APageWhoseUnitsCannotBeReadShowsBothCodesLineByLine) {
    Exec(db, "UPDATE tblCodeMap SET Units = '1 1 1 1' || char(10) || '1 1 2 1'");
    ASSERT_TRUE(Write().written);
    const std::string orders = Page("Orders.html");
    EXPECT_NE(orders.find("cannot be read (unit 2"), std::string::npos);
    std::vector<testing::HtmlRow> rows = TableRows(orders, "<table class=\"code\"");
    std::erase_if(rows, [](const testing::HtmlRow& row) { return row.cells.size() != 5; });
    ASSERT_EQ(rows.size(), kVb.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(CellText(rows[i].cells[2]), std::to_string(i + 1));
        EXPECT_EQ(CellText(rows[i].cells[0]), i < kAccess.size() ? std::to_string(i + 1) : "");
    }
    EXPECT_EQ(BrokenLinks(dir / "out" / "report"), std::vector<std::string>{});
}

}  // namespace
}  // namespace velorin
