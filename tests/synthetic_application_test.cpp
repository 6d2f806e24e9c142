// The benchmark's synthetic application: the same seed gives the same bytes,
// it holds what a large real application holds, and all of it converts.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "driver/conversion_driver.h"
#include "session/host/database_loader.h"
#include "synthetic_application.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempDir;

std::map<std::string, std::string> Contents(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).string()] = ReadFile(entry.path());
    }
    return files;
}

TEST(SyntheticApplication, SizesAreTheOnesTheBenchmarkPromises) {
    const auto large = bench::SizeNamed("large");
    ASSERT_TRUE(large);
    EXPECT_EQ(large->forms, 1000);
    EXPECT_EQ(large->codeLines, 1000000);
    const auto small = bench::SizeNamed("small");
    const auto medium = bench::SizeNamed("medium");
    ASSERT_TRUE(small && medium);
    EXPECT_EQ(medium->forms, 2 * small->forms);
    EXPECT_EQ(large->forms, 2 * medium->forms);
    EXPECT_FALSE(bench::SizeNamed("huge"));
}

TEST(SyntheticApplication, TooFewFormsAreRefusedNotCrashedOn) {
    TempDir dir;
    for (const bench::ApplicationSize& size :
         {bench::ApplicationSize{"one", 1, 100}, bench::ApplicationSize{"two", 2, 0},
          bench::ApplicationSize{"negative", 5, -1}})
        EXPECT_THROW(bench::WriteApplication(dir / "x.mdb.src", size), std::invalid_argument)
            << size.name;
    EXPECT_EQ(bench::WriteApplication(dir / "y.mdb.src", {"three", 3, 0}).forms, 3);
}

TEST(SyntheticApplication, TheSameSeedWritesTheSameBytes) {
    TempDir dir;
    const bench::ApplicationSize size{"test", 12, 6000};
    const bench::ApplicationCounts first = bench::WriteApplication(dir / "a.mdb.src", size, 5);
    bench::WriteApplication(dir / "b.mdb.src", size, 5);
    bench::WriteApplication(dir / "c.mdb.src", size, 6);
    const auto a = Contents(dir / "a.mdb.src");
    EXPECT_EQ(a, Contents(dir / "b.mdb.src"));
    EXPECT_NE(a, Contents(dir / "c.mdb.src"));
    EXPECT_EQ(static_cast<long>(a.size()), first.files);
    long bytes = 0;
    for (const auto& [name, content] : a)
        bytes += static_cast<long>(content.size());
    EXPECT_EQ(bytes, first.bytes);
}

class TinyApplication : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir = new TempDir;
        counts = bench::WriteApplication(*dir / "Synthetic.mdb.src", *bench::SizeNamed("tiny"));
    }
    static void TearDownTestSuite() {
        delete dir;
        dir = nullptr;
    }
    static TempDir* dir;
    static bench::ApplicationCounts counts;
};
TempDir* TinyApplication::dir = nullptr;
bench::ApplicationCounts TinyApplication::counts;

TEST_F(TinyApplication, HoldsWhatALargeApplicationHolds) {
    EXPECT_EQ(counts.forms, 24);
    EXPECT_GT(counts.subforms, 0);
    EXPECT_GT(counts.formsOver254, 0);  // label reduction
    EXPECT_GT(counts.largestForm, 254);
    EXPECT_GT(counts.tabControls, 0);
    EXPECT_GT(counts.pageBreakForms, 0);
    EXPECT_GT(counts.macros, 0);
    EXPECT_GT(counts.commandBars, 0);
    EXPECT_GT(counts.queries, 0);
    EXPECT_GT(counts.tables, 0);
    // About 120 controls a form, and the code lines asked for, within a few percent.
    EXPECT_GT(counts.controls, 90L * counts.forms);
    EXPECT_LT(counts.controls, 150L * counts.forms);
    const long lines = counts.formCodeLines + counts.moduleCodeLines;
    EXPECT_NEAR(static_cast<double>(lines), 20000.0, 1000.0);
    EXPECT_GT(counts.formCodeLines, 0);
    EXPECT_GT(counts.moduleCodeLines, 0);
}

TEST_F(TinyApplication, EveryFormAndModuleConverts) {
    LoadedDatabase loaded = LoadDatabase(*dir / "Synthetic.mdb.src");
    ASSERT_TRUE(loaded.application) << loaded.error;
    EXPECT_TRUE(loaded.application->Diagnostics().empty());
    TranslationRequest request;
    request.outputPathText = (*dir / "out").string();
    fs::create_directories(*dir / "out");
    request.templateDirectory = testing::SourceDir() / "support";
    DescribeSource(loaded.source, request);
    request.forms = loaded.application->Documents(Container::Forms);
    request.modules = loaded.application->Documents(Container::Modules);
    ASSERT_EQ(static_cast<int>(request.forms.size()), counts.forms);

    // Yes to reducing labels on each crowded form; nothing else is asked.
    testing::ScriptedUi ui;
    ui.answers.assign(static_cast<size_t>(counts.formsOver254), Answer::Yes);
    Session session(*loaded.application, testing::FreshSupportDatabase(*dir), ui);
    const ConversionResult result = StartTranslation(session, request, DefaultConversionSteps());
    EXPECT_EQ(result.outcome, Outcome::Done) << result.message;
    EXPECT_EQ(result.formsConverted, counts.forms);
    EXPECT_EQ(result.modulesConverted, counts.modules);
    EXPECT_EQ(static_cast<int>(ui.messages.size()), counts.formsOver254);
    for (const Message& message : ui.messages)
        EXPECT_NE(message.text.find("Visual Basic has a limit of 254 controls"), std::string::npos)
            << message.text;

    // The crowded forms' labels became control arrays; every form file is closed.
    int reduced = 0;
    for (const auto& entry : fs::directory_iterator(*dir / "out")) {
        if (entry.path().extension() != ".frm")
            continue;
        const std::string form = ReadFile(entry.path());
        reduced += form.find("Index = ") != std::string::npos;
        EXPECT_NE(form.find("\r\nEnd\r\n"), std::string::npos) << entry.path();
    }
    EXPECT_GE(reduced, counts.formsOver254);
}

}  // namespace
}  // namespace velorin
