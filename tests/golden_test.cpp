// Whole conversions compared byte for byte with the expected project trees in
// tests/golden, analysis rows included. After an intended change of the
// output, run with VELORIN_UPDATE_GOLDEN=1 and read the diff before keeping it.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <cstdlib>
#include <map>

#include "common/string_helpers.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;
namespace fs = std::filesystem;

// The analysis tables as text, one row a line.
std::string DumpAnalysis(const fs::path& db) {
    sqlite3* handle = nullptr;
    sqlite3_open(db.c_str(), &handle);
    std::string out;
    for (const char* sql :
         {"SELECT 'tblStats', * FROM tblStats ORDER BY ModuleName",
          "SELECT 'tblReportOutput', ModuleName, ReasonID, CodeLine, LineNumber, TranslatedLine, "
          "Routine FROM tblReportOutput ORDER BY ID"}) {
        sqlite3_exec(
            handle, sql,
            [](void* text, int n, char** values, char**) {
                auto* s = static_cast<std::string*>(text);
                for (int i = 0; i < n; ++i)
                    *s += (i ? "|" : "") + std::string(values[i] ? values[i] : "");
                *s += "\n";
                return 0;
            },
            &out, nullptr);
    }
    sqlite3_close(handle);
    return out;
}

std::map<std::string, std::string> ReadTree(const fs::path& root) {
    std::map<std::string, std::string> files;
    if (!fs::exists(root))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).string()] = ReadFile(entry.path());
    }
    return files;
}

// The first line where two texts differ, for the failure message.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    size_t lineStart = expected.rfind('\n', at == 0 ? 0 : at - 1);
    lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
    int line = 1 + static_cast<int>(std::count(
                       expected.begin(), expected.begin() + static_cast<long>(lineStart), '\n'));
    auto lineOf = [&](const std::string& text) {
        size_t end = text.find('\n', lineStart);
        return lineStart >= text.size()
                   ? std::string("<end of file>")
                   : text.substr(lineStart,
                                 end == std::string::npos ? std::string::npos : end - lineStart);
    };
    return "line " + std::to_string(line) + "\n  expected: " + lineOf(expected) +
           "\n  actual:   " + lineOf(actual);
}

void CheckGolden(const std::string& name, const fs::path& database, const std::string& options) {
    TempDir dir;
    fs::path out = dir / "out";
    fs::path db = testing::FreshSupportDatabase(dir);
    std::string command = std::string("'") + VELORIN_PROGRAM + "' convert '" + database.string() +
                          "' -o '" + out.string() + "' --yes --support-db '" + db.string() + "' " +
                          options + " </dev/null >/dev/null 2>'" + (dir / "stderr").string() + "'";
    int status = std::system(command.c_str());
    // 3: converted, with the project check's findings in velorin.log, which
    // the golden tree then holds.
    ASSERT_TRUE(WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 3))
        << ReadFile(dir / "stderr");

    std::map<std::string, std::string> actual = ReadTree(out);
    actual["analysis.txt"] = DumpAnalysis(db);
    // The output directory is written into data controls; it differs per run.
    const std::string outText = out.string() + "/";
    for (auto& [file, bytes] : actual) {
        for (size_t at = bytes.find(outText); at != std::string::npos;
             at = bytes.find(outText, at)) {
            bytes.replace(at, outText.size(), "<OUT>/");
        }
    }
    // The support module begins with its template, which is ours, not generated.
    const std::string supportTemplate =
        ReadFile(testing::SourceDir() / "support" / "VlrnConversionCode.bas");
    if (auto support = actual.find("VlrnConversionCode.bas");
        support != actual.end() && support->second.starts_with(supportTemplate))
        support->second.replace(0, supportTemplate.size(), "<TEMPLATE>\r\n");
    // A project the check finds fault with, where the fault is the
    // conversion's, is no golden project: neither kept nor rewritten.
    if (auto log = actual.find("velorin.log"); log != actual.end()) {
        for (const std::string& finding : SplitLines(log->second)) {
            ASSERT_TRUE(finding.ends_with("[the application's own fault, not the conversion's]"))
                << name << ": " << finding;
        }
    }
    const fs::path goldenDir = testing::SourceDir() / "tests" / "golden" / name;
    if (std::getenv("VELORIN_UPDATE_GOLDEN") != nullptr) {
        fs::remove_all(goldenDir);
        for (const auto& [file, bytes] : actual)
            WriteFile(goldenDir / file, bytes);
        GTEST_SKIP() << "golden files of " << name << " rewritten";
    }
    std::map<std::string, std::string> expected = ReadTree(goldenDir);
    ASSERT_FALSE(expected.empty()) << "no golden files in " << goldenDir;
    for (const auto& [file, bytes] : expected) {
        auto it = actual.find(file);
        if (it == actual.end()) {
            ADD_FAILURE() << name << ": " << file << " was not written";
        } else if (it->second != bytes) {
            ADD_FAILURE() << name << ": " << file << " differs at "
                          << FirstDifference(bytes, it->second);
        }
    }
    for (const auto& [file, bytes] : actual) {
        if (!expected.count(file))
            ADD_FAILURE() << name << ": unexpected file " << file;
    }
}

fs::path TestData(const std::string& name) {
    return testing::SourceDir() / "tests" / "data" / name;
}

TEST(Golden, FormLayouts) {
    CheckGolden("Layout", TestData("Layout.mdb.src"), "");
}

TEST(Golden, FormLayoutsForVisualBasic4) {
    CheckGolden("Layout-vb4", TestData("Layout.mdb.src"), "--vb4");
}

TEST(Golden, BoundFormsAndSubforms) {
    CheckGolden("Bound", TestData("Bound.mdb.src"), "");
}

TEST(Golden, ValueControlsButtonsAndEvents) {
    CheckGolden("Controls", TestData("Controls.mdb.src"), "");
}

TEST(Golden, DateCombosOptionSetsAndSheridanCombos) {
    CheckGolden("Controls-options", TestData("Controls.mdb.src"),
                "--calendar --option-set --combo-type 2");
}

TEST(Golden, ValueControlsForVisualBasic4) {
    CheckGolden("Controls-vb4", TestData("Controls.mdb.src"),
                "--vb4 --calendar --combo-type 1 --list-type 1");
}

TEST(Golden, SheridanListsDatasheetGridsMenusAndToolbars) {
    CheckGolden("Lists", TestData("Lists.mdb.src"), "");
}

TEST(Golden, GreenTreeListsAndGridsForVisualBasic4) {
    CheckGolden("Lists-greentree-vb4", TestData("Lists.mdb.src"),
                "--vb4 --list-type 1 --combo-type 1");
}

TEST(Golden, UnboundSheridan2ListsCombosAndGrids) {
    CheckGolden("Lists-unbound", TestData("Lists.mdb.src"),
                "--list-type 2 --combo-type 2 --list-mode unbound --combo-mode unbound");
}

TEST(Golden, StandardListsAndCombos) {
    CheckGolden("Lists-standard", TestData("Lists.mdb.src"), "--standard-controls --list-type 1");
}

TEST(Golden, SalesSampleApplication) {
    CheckGolden("Sales", testing::SourceDir() / "examples" / "Sales.mdb.src", "");
}

TEST(Golden, SalesAsVisualBasic4MdiProject) {
    CheckGolden("Sales-vb4-mdi", testing::SourceDir() / "examples" / "Sales.mdb.src",
                "--vb4 --mdi --list-type 1 --calendar --option-set");
}

}  // namespace
}  // namespace velorin
