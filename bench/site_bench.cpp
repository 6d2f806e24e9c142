// Benchmark of the conversion report: writes the page of one module of many
// lines (20,000 by default) from a support database filled here, and measures
// how long headless chromium takes to load and draw it, against a page of
// nothing drawn by the same browser in the same way (its start-up and shut-down).
//
//   site_bench [LINES] [RUNS]
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "site/write_site.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

bool Run(sqlite3* db, const std::string& sql, const std::vector<std::string>& values = {}) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        return false;
    for (size_t i = 0; i < values.size(); ++i)
        sqlite3_bind_text(statement, static_cast<int>(i + 1), values[i].data(),
                          static_cast<int>(values[i].size()), SQLITE_TRANSIENT);
    const bool done = sqlite3_step(statement) == SQLITE_DONE;
    sqlite3_finalize(statement);
    return done;
}

// A module of `lines` lines of Access code in functions of twenty lines: most
// lines stay as they were, one in ten is rewritten, one in fifty commented
// out with a finding, one in three hundred leaves nothing, and the conversion
// adds three lines after every five hundred.
bool FillModule(sqlite3* db, int lines) {
    std::string access, vb, units;
    int vbLine = 0;
    std::vector<int> findings;
    for (int a = 1; a <= lines; ++a) {
        std::string line;
        if (a % 20 == 1)
            line = "Public Function Total" + std::to_string(a) + "(ByVal n As Long) As Double";
        else if (a % 20 == 0)
            line = "End Function";
        else
            line = "    total = total + Nz(Me!txtAmount" + std::to_string(a) +
                   ", 0) * 1.25 ' running sum of the order's lines";
        access += line + "\r\n";
        if (a % 300 == 0) {
            units += std::to_string(a) + " 1 0 0\r\n";
            continue;
        }
        std::string converted = line;
        if (a % 50 == 0) {
            converted = "'VLRN " + line;
            findings.push_back(a);
        } else if (a % 10 == 0) {
            converted = "    total = total + Nz(txtAmount" + std::to_string(a) + ", 0) * 1.25";
        }
        vb += converted + "\r\n";
        units += std::to_string(a) + " 1 " + std::to_string(++vbLine) + " 1\r\n";
        if (a % 500 == 0) {
            for (const char* added : {"Private Sub Added()", "    InitialValues", "End Sub"})
                vb += std::string(added) + "\r\n";
            units += "0 0 " + std::to_string(vbLine + 1) + " 3\r\n";
            vbLine += 3;
        }
    }
    bool ok = Run(db, "INSERT INTO tblStats (ModuleName, CodeLines) VALUES ('basBig', ?1)",
                  {std::to_string(lines)}) &&
              Run(db,
                  "INSERT INTO tblCodeMap (ModuleName, ObjectName, Kind, AccessCode, VbCode, "
                  "Units) VALUES ('basBig', 'basBig', 'Module', ?1, ?2, ?3)",
                  {access, vb, units});
    for (int line : findings)
        ok = ok && Run(db,
                       "INSERT INTO tblReportOutput (ModuleName, ReasonID, CodeLine, LineNumber) "
                       "VALUES ('basBig', 2, 'a line', ?1)",
                       {std::to_string(line)});
    return ok;
}

std::string Chromium() {
    for (const char* name : {"chromium", "chromium-browser"}) {
        const std::string command = std::string("command -v ") + name + " >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0)
            return name;
    }
    return {};
}

// Seconds from the browser's start to its end, the page drawn into a picture.
double DrawSeconds(const std::string& chromium, const fs::path& page, const fs::path& work) {
    const std::string command =
        chromium + " --headless --no-sandbox --disable-gpu --user-data-dir='" +
        (work / "profile").string() + "' --screenshot='" + (work / "shot.png").string() +
        "' --window-size=1280,900 'file://" + page.string() + "' >/dev/null 2>&1";
    const auto start = Clock::now();
    const int status = std::system(command.c_str());
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int lines = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const fs::path work =
        fs::temp_directory_path() / ("velorin-site-bench-" + std::to_string(::getpid()));
    fs::create_directories(work);
    sqlite3* db = nullptr;
    std::ifstream script(fs::path(VELORIN_SOURCE_DIR) / "support" / "vlrn.sql");
    std::stringstream sql;
    sql << script.rdbuf();
    if (sqlite3_open((work / "vlrn.db").c_str(), &db) != SQLITE_OK ||
        sqlite3_exec(db, sql.str().c_str(), nullptr, nullptr, nullptr) != SQLITE_OK ||
        !FillModule(db, lines)) {
        std::fprintf(stderr, "site_bench: cannot fill the support database: %s\n",
                     sqlite3_errmsg(db));
        return 1;
    }
    const auto start = Clock::now();
    const velorin::SiteOutcome site = velorin::WriteConversionSite(db, work / "report");
    const double writeSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    sqlite3_close(db);
    if (!site.written) {
        std::fprintf(stderr, "site_bench: %s\n", site.error.c_str());
        return 1;
    }
    const fs::path page = work / "report" / "basBig.html";
    std::printf("page of %d Access lines: %s, %.1f MB, written in %.2f s\n", lines, page.c_str(),
                static_cast<double>(fs::file_size(page)) / 1e6, writeSeconds);

    const std::string chromium = Chromium();
    if (chromium.empty()) {
        std::printf("chromium is absent: the page is not drawn\n");
        return 0;
    }
    std::ofstream(work / "empty.html") << "<!DOCTYPE html><title>empty</title>";
    std::vector<double> empty, big;
    for (int i = 0; i < runs; ++i) {
        empty.push_back(DrawSeconds(chromium, work / "empty.html", work));
        big.push_back(DrawSeconds(chromium, page, work));
    }
    if (*std::min_element(big.begin(), big.end()) < 0 ||
        *std::min_element(empty.begin(), empty.end()) < 0) {
        std::fprintf(stderr, "site_bench: chromium failed to draw a page\n");
        return 1;
    }
    std::printf(
        "chromium --headless --screenshot, median of %d runs: empty page %.2f s, "
        "the module's page %.2f s; the page itself %.2f s\n",
        runs, Median(empty), Median(big), Median(big) - Median(empty));
    fs::remove_all(work);
    return 0;
}
