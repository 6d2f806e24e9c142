// The two commands that write the conversion report, `convert --html` and
// `html`, run as a user runs them; and the report of the shared real
// application.
#include <gtest/gtest.h>

#include "site_test_support.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;
using testing::AttributeValues;
using testing::BrokenLinks;
using testing::ReadFile;
using testing::TempDir;

using testing::ProgramRun;

ProgramRun Velorin(const TempDir& dir, const std::string& arguments) {
    return testing::RunProgram(VELORIN_PROGRAM, arguments, dir);
}

std::string Quoted(const fs::path& path) {
    return testing::ShellQuoted(path);
}

// The report in `folder` shows every form and module the analysis counts,
// each on a page of its own, and its links resolve.
void ExpectReportOfEveryModule(const fs::path& folder, const fs::path& db) {
    ASSERT_TRUE(fs::is_regular_file(folder / "index.html"));
    EXPECT_EQ(BrokenLinks(folder), std::vector<std::string>{});
    const std::string index = ReadFile(folder / "index.html");
    std::set<std::string> pages;
    for (const std::string& link : AttributeValues(index, "href")) {
        if (link.ends_with(".html"))
            pages.insert(link);
    }
    const auto modules = testing::Rows(db, "SELECT ModuleName FROM tblStats");
    ASSERT_FALSE(modules.empty());
    EXPECT_EQ(pages.size(), modules.size());
    for (const auto& module : modules)
        EXPECT_NE(index.find(">" + module[0] + "</a>"), std::string::npos) << module[0];
    // Every finding about a line of a module whose code the conversion kept
    // links from the index to that line of its page.
    const auto lines =
        testing::Rows(db,
                      "SELECT COUNT(*) FROM tblReportOutput o JOIN tblCodeMap m ON m.ModuleName = "
                      "o.ModuleName WHERE o.AccessLine > 0");
    size_t lineLinks = 0;
    for (const std::string& link : AttributeValues(index, "href"))
        lineLinks += link.find(".html#L") != std::string::npos ? 1 : 0;
    EXPECT_EQ(lineLinks, std::stoul(lines[0][0]));
    EXPECT_GT(lineLinks, 0u);
}

TEST(SiteCommands, ConvertWritesTheReportAndHtmlWritesItAgainAnywhere) {
    TempDir dir;
    const fs::path db = testing::FreshSupportDatabase(dir);
    const fs::path sample = testing::SourceDir() / "examples" / "Sales.mdb.src";
    ProgramRun run = Velorin(dir, "convert " + Quoted(sample) + " -o " + Quoted(dir / "Sales-VB") +
                                      " --html -y --support-db " + Quoted(db));
    ASSERT_EQ(run.status, 0) << run.err;
    const fs::path folder = dir / "Sales-VB" / "report";
    EXPECT_NE(run.out.find("Report: " + (folder / "index.html").string() + "\n"), std::string::npos)
        << run.out;
    ExpectReportOfEveryModule(folder, db);

    run = Velorin(dir, "html -o " + Quoted(dir / "again") + " --support-db " + Quoted(db));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir / "again" / "report" / "index.html"), ReadFile(folder / "index.html"));
}

TEST(SiteCommands, HtmlSaysWhyItWritesNothing) {
    TempDir dir;
    const fs::path empty = testing::FreshSupportDatabase(dir);
    testing::WriteFile(dir / "notes.txt", "mine");
    const std::pair<std::string, std::string> cases[] = {
        {"--support-db " + Quoted(dir / "none.db"), "does not exist"},
        {"--support-db " + Quoted(dir / "notes.txt"), "is not an SQLite database"},
        {"--support-db " + Quoted(empty), "holds no conversion"},
    };
    for (const auto& [arguments, message] : cases) {
        const ProgramRun run = Velorin(dir, "html -o " + Quoted(dir / "out") + " " + arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
    testing::Exec(empty, "INSERT INTO tblStats (ModuleName) VALUES ('basMain')");
    const ProgramRun run =
        Velorin(dir, "html -o " + Quoted(dir / "notes.txt") + " --support-db " + Quoted(empty));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot make the folder"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(dir / "notes.txt"), "mine");
    EXPECT_EQ(Velorin(dir, "html").status, 2) << "the output folder is required";
}

TEST(SiteCommands, TheSharedApplicationsReportHasAPageForEachFormAndModule) {
    const fs::path data = testing::SharedData();
    if (data.empty())
        GTEST_SKIP() << "../shared/data is absent";
    TempDir dir;
    const fs::path db = testing::FreshSupportDatabase(dir);
    const ProgramRun run =
        Velorin(dir, "convert " + Quoted(data / "big_rivers_app" / "source") + " -o " +
                         Quoted(dir / "out") + " --html -y --support-db " + Quoted(db));
    ASSERT_TRUE(run.status == 0 || run.status == 3) << run.err;
    ExpectReportOfEveryModule(dir / "out" / "report", db);
}

}  // namespace
}  // namespace velorin
