// Every application the project has at hand converts into a project in which
// the project check finds nothing the conversion caused: the sample, each
// test export with the options its golden projects use, the shared real
// application (skipped without ../shared) and a synthetic application. A
// finding that is the application's own (a call of a procedure its export
// lacks) is allowed; any other is a fault of the converter.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/string_helpers.h"
#include "synthetic_application.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kApplications = " [the application's own fault, not the conversion's]";

// Converts and returns the findings the conversion caused, one per line.
std::vector<std::string> ConversionFindings(const fs::path& input, const std::string& options) {
    testing::TempDir dir;
    const fs::path out = dir / "out";
    const fs::path db = testing::FreshSupportDatabase(dir);
    const std::string command = std::string("'") + VELORIN_PROGRAM + "' convert '" +
                                input.string() + "' -o '" + out.string() +
                                "' --yes --support-db '" + db.string() + "' " + options +
                                " </dev/null >/dev/null 2>'" + (dir / "err").string() + "'";
    const int status = std::system(command.c_str());
    std::vector<std::string> findings;
    if (!WIFEXITED(status) || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 3)) {
        findings.push_back("the conversion failed: " + testing::ReadFile(dir / "err"));
        return findings;
    }
    for (const std::string& line : SplitLines(testing::ReadFile(out / "velorin.log"))) {
        if (!line.ends_with(kApplications))
            findings.push_back(line);
    }
    return findings;
}

std::string Listed(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += "\n  " + line;
    return text;
}

struct Input {
    std::string path;  // within the source tree
    std::string options;
};

class ConversionCorpus : public ::testing::TestWithParam<Input> {};

TEST_P(ConversionCorpus, TheCheckFindsNothingTheConversionCaused) {
    const Input& input = GetParam();
    const std::vector<std::string> findings =
        ConversionFindings(testing::SourceDir() / input.path, input.options);
    EXPECT_TRUE(findings.empty()) << input.path << " " << input.options << Listed(findings);
}

INSTANTIATE_TEST_SUITE_P(
    SampleAndTestExports, ConversionCorpus,
    ::testing::Values(
        Input{"examples/Sales.mdb.src", ""},
        Input{"examples/Sales.mdb.src", "--vb4 --mdi --list-type 1 --calendar --option-set"},
        Input{"examples/Sales.mdb.src", "--standard-controls --relative-paths"},
        Input{"tests/data/Layout.mdb.src", ""}, Input{"tests/data/Layout.mdb.src", "--vb4"},
        Input{"tests/data/Bound.mdb.src", ""},
        Input{"tests/data/Bound.mdb.src", "--list-type 1 --mdi"},
        Input{"tests/data/Controls.mdb.src", ""},
        Input{"tests/data/Controls.mdb.src", "--calendar --option-set --combo-type 2"},
        Input{"tests/data/Controls.mdb.src", "--vb4 --calendar --combo-type 1 --list-type 1"},
        Input{"tests/data/Lists.mdb.src", ""},
        Input{"tests/data/Lists.mdb.src", "--vb4 --list-type 1 --combo-type 1"},
        Input{"tests/data/Lists.mdb.src",
              "--list-type 2 --combo-type 2 --list-mode unbound --combo-mode "
              "unbound"},
        Input{"tests/data/Lists.mdb.src", "--standard-controls --list-type 1"},
        Input{"tests/data/Themes.accdb.src", ""}, Input{"tests/data/Themes.accdb.src", "--vb4"}));

TEST(ConversionCorpusRealApplication, BigRiversInEveryProjectKind) {
    const fs::path data = testing::SharedData();
    if (data.empty())
        GTEST_SKIP() << "../shared/data is absent";
    for (const char* options : {"", "--vb4 --mdi --option-set --list-type 1 --combo-type 1",
                                "--standard-controls --calendar"}) {
        const std::vector<std::string> findings =
            ConversionFindings(data / "big_rivers_app" / "source", options);
        EXPECT_TRUE(findings.empty()) << options << Listed(findings);
    }
}

TEST(ConversionCorpusSynthetic, ATinySyntheticApplication) {
    testing::TempDir dir;
    bench::WriteApplication(dir / "Synthetic.mdb.src", *bench::SizeNamed("tiny"));
    for (const char* options : {"", "--vb4 --option-set --list-type 2"}) {
        const std::vector<std::string> findings =
            ConversionFindings(dir / "Synthetic.mdb.src", options);
        EXPECT_TRUE(findings.empty()) << options << Listed(findings);
    }
}

}  // namespace
}  // namespace velorin
