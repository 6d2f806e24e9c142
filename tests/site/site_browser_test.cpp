// The report as a browser shows it: when chromium is installed, the index and
// a code page are rendered headless into pictures of the window's size that
// show something. The pictures stay in the build folder to be looked at.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>

#include <cstdlib>
#include <iostream>

#include "site/write_site.h"
#include "site_test_support.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;

// The browser's name when one is on PATH, else empty.
std::string Chromium() {
    for (const char* name : {"chromium", "chromium-browser"}) {
        if (std::system(("command -v " + std::string(name) + " >/dev/null 2>&1").c_str()) == 0)
            return name;
    }
    return {};
}

// The share of the picture's pixels that differ from its top left one.
double MarkedShare(const QImage& image) {
    const QRgb background = image.pixel(0, 0);
    long long differing = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            differing += image.pixel(x, y) != background ? 1 : 0;
    }
    return static_cast<double>(differing) / (static_cast<double>(image.width()) * image.height());
}

// Renders a page of the site into `shot`, the window's size.
void ExpectRendered(const std::string& chromium, const fs::path& page, const fs::path& shot,
                    const testing::TempDir& dir) {
    fs::remove(shot);
    const std::string command = "timeout 120 " + chromium +
                                " --headless --no-sandbox --disable-gpu --user-data-dir='" +
                                (dir / "profile").string() + "' --screenshot='" + shot.string() +
                                "' --window-size=1280,900 'file://" + page.string() + "' >'" +
                                (dir / "chromium.log").string() + "' 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << page << ": " << testing::ReadFile(dir / "chromium.log");
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(shot.string()), "PNG")) << shot;
    EXPECT_EQ(image.width(), 1280);
    EXPECT_EQ(image.height(), 900);
    // Text, tables and bars: well over a few stray pixels.
    EXPECT_GT(MarkedShare(image), 0.02) << shot << " is blank";
}

fs::path ScreenshotFolder() {
    const fs::path shots = fs::path(VELORIN_BINARY_DIR) / "site-screenshots";
    fs::create_directories(shots);
    std::cout << "Screenshots of the report: " << shots.string() << "\n";
    return shots;
}

TEST(SiteInABrowser, TheRealApplicationsIndexAndAFormPageRender) {
    const std::string chromium = Chromium();
    const fs::path data = testing::SharedData();
    if (chromium.empty() || data.empty())
        GTEST_SKIP() << (chromium.empty() ? "chromium is absent" : "../shared/data is absent");
    testing::TempDir dir;
    const fs::path db = testing::FreshSupportDatabase(dir);
    const testing::ProgramRun run =
        testing::RunProgram(VELORIN_PROGRAM,
                            "convert " + testing::ShellQuoted(data / "big_rivers_app" / "source") +
                                " -o " + testing::ShellQuoted(dir / "out") +
                                " --html -y -q --support-db " + testing::ShellQuoted(db),
                            dir);
    ASSERT_TRUE(run.status == 0 || run.status == 3) << run.err;
    // The form with the most code.
    const auto form = testing::Rows(db,
                                    "SELECT ModuleName FROM tblCodeMap WHERE Kind = 'Form' "
                                    "ORDER BY length(AccessCode) DESC LIMIT 1");
    ASSERT_EQ(form.size(), 1u);
    const fs::path shots = ScreenshotFolder();
    const fs::path site = dir / "out" / "report";
    ExpectRendered(chromium, site / "index.html", shots / "big_rivers-index.png", dir);
    ExpectRendered(chromium, site / (form[0][0] + ".html"), shots / "big_rivers-form.png", dir);
}

TEST(SiteInABrowser, TheIndexAndACodePageRender) {
    const std::string chromium = Chromium();
    if (chromium.empty())
        GTEST_SKIP() << "chromium is absent (neither chromium nor chromium-browser is on PATH): "
                        "the report is not rendered";
    testing::TempDir dir;
    const fs::path db = testing::FreshSupportDatabase(dir);
    std::vector<std::string> access;
    std::vector<std::string> vb;
    std::string units;
    for (int i = 1; i <= 300; ++i) {
        access.push_back("    total = total + Nz(Me!txtAmount" + std::to_string(i) + ", 0)");
        vb.push_back(i % 7 == 0 ? "'VLRN " + access.back()
                                : "    total = total + Nz(txtAmount" + std::to_string(i) + ", 0)");
        units += std::to_string(i) + " 1 " + std::to_string(i) + " 1\r\n";
    }
    testing::Exec(db,
                  "INSERT INTO tblStats (ModuleName, CodeLines, LinesNotTranslated, CtlCount) "
                  "VALUES ('Orders', 300, 42, 12), ('basUtil', 10, 0, 0)");
    testing::Exec(
        db,
        "INSERT INTO tblCodeMap (ModuleName, ObjectName, Kind, AccessCode, VbCode, Units) "
        "VALUES ('Orders', 'Orders', 'Form', ?1, ?2, ?3)",
        {testing::CrLfText(access), testing::CrLfText(vb), units});
    for (int i = 7; i <= 300; i += 7)
        testing::Exec(db,
                      "INSERT INTO tblReportOutput (ModuleName, ReasonID, CodeLine, AccessLine) "
                      "VALUES ('Orders', 2, ?1, ?2)",
                      {access[i - 1], std::to_string(i)});
    const fs::path site = dir / "report";
    ASSERT_TRUE(WriteConversionSite(db, site).written);

    const fs::path shots = ScreenshotFolder();
    for (const char* page : {"index.html", "Orders.html"})
        ExpectRendered(chromium, site / page, shots / (fs::path(page).stem().string() + ".png"),
                       dir);
}

}  // namespace
}  // namespace velorin
