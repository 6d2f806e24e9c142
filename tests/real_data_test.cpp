// The real Access database and the real application export beside the
// checkout; these tests skip when they are absent.
#include <gtest/gtest.h>

#include <set>

#include <chrono>

#include "common/string_helpers.h"
#include "session/host/database_loader.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;

// Skips when ../shared/data is absent.
class Northwind : public ::testing::Test {
  protected:
    void SetUp() override {
        if (data.empty())
            GTEST_SKIP() << "../shared/data is absent";
    }
    const fs::path data = testing::SharedData();
};

TEST_F(Northwind, ListsContainerDocumentsInOrder) {
    LoadedDatabase loaded = LoadDatabase(data / "nwind.mdb");
    ASSERT_TRUE(loaded.application) << loaded.error;
    const AccessApplication& app = *loaded.application;
    const auto& forms = app.Documents(Container::Forms);
    ASSERT_EQ(forms.size(), 21u);
    EXPECT_EQ(forms.front(), "Categories");
    EXPECT_EQ(forms.back(), "Suppliers");
    EXPECT_TRUE(std::is_sorted(forms.begin(), forms.end(), ILess()));
    EXPECT_EQ(
        app.Documents(Container::Modules),
        (std::vector<std::string>{"Northwind Help Function", "Startup", "Utility Functions"}));
    EXPECT_EQ(app.Documents(Container::Scripts).size(), 7u);  // MSysDb is no macro
    EXPECT_EQ(app.Documents(Container::Reports).size(), 13u);
    // Designs are not readable from the file itself.
    EXPECT_EQ(app.OpenForm("Categories"), nullptr);
}

// One zeroed page of a real database crashes libmdb, another keeps it reading
// for ever; either is an error naming what happened, and the program goes on.
TEST_F(Northwind, ADamagedFileIsAnErrorNotACrashOrAHang) {
    const std::string bytes = testing::ReadFile(data / "nwind.mdb");
    ASSERT_EQ(bytes[20], '\0') << "Access 97 pages of 2 KB";
    testing::TempDir dir;
    auto zeroed = [&](size_t page) {
        std::string copy = bytes;
        copy.replace(page * 2048, 2048, std::string(2048, '\0'));
        const fs::path file = dir / ("page" + std::to_string(page) + ".mdb");
        testing::WriteFile(file, copy);
        return file;
    };
    MdbReadLimits limits;
    limits.seconds = 3;
    const LoadedDatabase crashed = LoadDatabase(zeroed(12), limits);
    EXPECT_FALSE(crashed.application);
    EXPECT_NE(crashed.error.find("the file is damaged: reading it stopped the reader"),
              std::string::npos)
        << crashed.error;
    const auto start = std::chrono::steady_clock::now();
    const LoadedDatabase endless = LoadDatabase(zeroed(736), limits);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_FALSE(endless.application);
    EXPECT_NE(endless.error.find("took longer than 3 seconds"), std::string::npos) << endless.error;
    // The reader's answer holds what the file holds, whatever bytes names have.
    const LoadedDatabase whole = LoadDatabase(data / "nwind.mdb");
    ASSERT_TRUE(whole.application) << whole.error;
    AccessApplication copy;
    ASSERT_TRUE(DecodeMdbContents(EncodeMdbContents(*whole.application), copy));
    EXPECT_EQ(EncodeMdbContents(copy), EncodeMdbContents(*whole.application));
    EXPECT_EQ(copy.QueryDefs().size(), 22u);
}

TEST(MdbContents, OddNamesTravelAndBrokenAnswersAreRefused) {
    AccessApplication app;
    app.AddTableDef({"T:1\r\n\"x\"", {{"12:ab", dao::kText}, {std::string("\0z", 2), 4}}});
    app.AddQueryDef({"Q", "SELECT 1;\r\n", dao::kQuerySelect, {}});
    app.AddDocument(Container::Reports, "R 7:");
    app.SetDatabaseProperty("StartupForm", "Main:Menu");
    const std::string bytes = EncodeMdbContents(app);
    AccessApplication copy;
    ASSERT_TRUE(DecodeMdbContents(bytes, copy));
    EXPECT_EQ(EncodeMdbContents(copy), bytes);
    EXPECT_EQ(copy.TableDefs()[0].fields[1].name, std::string("\0z", 2));
    EXPECT_EQ(copy.DatabaseProperty("StartupForm"), "Main:Menu");
    for (const std::string& broken :
         {bytes.substr(0, bytes.size() - 1), std::string("1:T99999999999:x"), std::string("1:Z"),
          std::string("1:D1:9")}) {
        AccessApplication none;
        EXPECT_FALSE(DecodeMdbContents(broken, none)) << broken;
        EXPECT_TRUE(none.TableDefs().empty()) << "a cut answer adds nothing";
    }
}

TEST_F(Northwind, TablesAndQueriesWithTheirTypes) {
    LoadedDatabase loaded = LoadDatabase(data / "nwind.mdb");
    ASSERT_TRUE(loaded.application);
    const AccessApplication& app = *loaded.application;
    const TableDef* details = app.FindTableDef("Order Details");
    ASSERT_NE(details, nullptr);
    ASSERT_EQ(details->fields.size(), 5u);
    EXPECT_EQ(details->fields[2].name, "UnitPrice");
    EXPECT_EQ(details->fields[2].type, dao::kCurrency);
    EXPECT_EQ(details->fields[3].type, dao::kInteger);
    EXPECT_EQ(details->fields[4].type, dao::kSingle);
    EXPECT_EQ(app.FindTableDef("MSysObjects"), nullptr);
    EXPECT_EQ(app.QueryDefs().size(), 22u);
    EXPECT_EQ(app.FindQueryDef("Customers and Suppliers by City")->type, dao::kQuerySetOperation);
    EXPECT_EQ(app.FindQueryDef("Quarterly Orders by Product")->type, dao::kQueryCrosstab);
    const QueryDef* top = app.FindQueryDef("Ten Most Expensive Products");
    EXPECT_EQ(top->sql,
              "SELECT DISTINCTROW TOP 10 Products.ProductName AS TenMostExpensiveProducts, "
              "Products.UnitPrice\r\n"
              "FROM Products\r\nORDER BY Products.UnitPrice DESC;");
}

TEST(BigRivers, EveryObjectLoadsWithoutAnError) {
    const fs::path data = testing::SharedData();
    if (data.empty())
        GTEST_SKIP() << "../shared/data is absent";
    fs::path source = data / "big_rivers_app" / "source";
    LoadedDatabase loaded = LoadDatabase(source);
    ASSERT_TRUE(loaded.application) << loaded.error;
    const AccessApplication& app = *loaded.application;
    // Only notes of characters Windows-1252 cannot hold (button captions
    // that are pictures: an emoji, one "?" each); nothing is skipped.
    for (const LoadDiagnostic& d : app.Diagnostics()) {
        EXPECT_FALSE(d.skipped) << d.path << ":" << d.line << " " << d.message;
        const std::string_view message = d.message;
        const size_t count = message.find_first_not_of("0123456789");
        EXPECT_TRUE(
            count > 0 && count != std::string_view::npos &&
            (message.substr(count) == " characters that Windows-1252 cannot hold became \"?\"" ||
             message.substr(count) == " character that Windows-1252 cannot hold became \"?\""))
            << d.path << ": " << d.message;
        // CommentList's one delete button shows one picture character.
        if (fs::path(d.path).filename() == "CommentList.bas") {
            EXPECT_EQ(d.message, "1 character that Windows-1252 cannot hold became \"?\"");
        }
    }
    size_t formFiles = 0;
    for (const auto& entry : fs::directory_iterator(source / "forms"))
        formFiles += entry.path().extension() == ".bas";
    EXPECT_EQ(app.Documents(Container::Forms).size(), formFiles);
    for (const std::string& name : app.Documents(Container::Forms)) {
        const AccessForm* form = app.OpenForm(name);
        ASSERT_NE(form, nullptr) << name;
        EXPECT_TRUE(form->HasSection(0)) << name;
    }
    EXPECT_EQ(app.Documents(Container::Modules).size(), 2u);
    EXPECT_GE(app.Documents(Container::Reports).size(), 1u);
    EXPECT_EQ(app.QueryDefs().size(), 19u);
    EXPECT_GE(app.TableDefs().size(), 10u);
    // A query kept in the export's design format.
    EXPECT_NE(app.FindQueryDef("UsysTempQuery")->sql.find("tsys_Db_Templates"), std::string::npos);
}

// Runs the command line on real data; returns its exit status.
int Convert(const fs::path& database, const fs::path& out, std::string& errors) {
    testing::TempDir dir;
    const testing::ProgramRun run = testing::RunProgram(
        VELORIN_PROGRAM,
        "convert " + testing::ShellQuoted(database) + " -o " + testing::ShellQuoted(out) +
            " --yes --support-db " + testing::ShellQuoted(testing::FreshSupportDatabase(dir)),
        dir);
    errors = run.err;
    return run.status;
}

TEST(BigRivers, EveryFormAndModuleConverts) {
    const fs::path data = testing::SharedData();
    if (data.empty())
        GTEST_SKIP() << "../shared/data is absent";
    testing::TempDir out;
    std::string errors;
    // The export lacks the class modules and some event procedures its forms
    // call: the project check lays those calls at the application's door.
    // Nothing it finds is the conversion's.
    ASSERT_EQ(Convert(data / "big_rivers_app" / "source", out / "vb", errors), 3) << errors;
    size_t forms = 0;
    for (const auto& entry : fs::directory_iterator(out / "vb"))
        forms += entry.path().extension() == ".frm";
    EXPECT_EQ(forms, 86u);
    const std::string applications = " [the application's own fault, not the conversion's]";
    size_t callsTheExportLacks = 0;
    for (const std::string& problem : SplitLines(testing::ReadFile(out / "vb" / "velorin.log"))) {
        EXPECT_TRUE(problem.ends_with(applications)) << problem;
        callsTheExportLacks += problem.find("which the application never had") != std::string::npos;
    }
    EXPECT_GT(callsTheExportLacks, 100u);
    // Its code calls a library database (references.csv) that is not in the export.
    EXPECT_NE(errors.find("warning: the application refers to the library "
                          "C:\\Projects\\Git\\LIBRARIES\\framework\\framework.accdb"),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find("warning: 21 reports of the application are not converted"),
              std::string::npos);
    for (const std::string& line : SplitLines(errors)) {
        // The export comes without its database, which the user is told, and
        // some captions hold characters Windows-1252 cannot.
        if (line.find("warning") != std::string::npos &&
            line.find("so the project has no database") == std::string::npos &&
            line.find("that Windows-1252 cannot hold became") == std::string::npos &&
            line.find("refers to the library") == std::string::npos &&
            line.find("reports of the application are not converted") == std::string::npos) {
            EXPECT_NE(line.find("warning: project check: "), std::string::npos) << line;
        }
    }
}

TEST_F(Northwind, ADatabaseWithoutItsExportIsRefusedClearly) {
    testing::TempDir out;
    std::string errors;
    EXPECT_EQ(Convert(data / "nwind.mdb", out / "vb", errors), 1);
    EXPECT_NE(errors.find("design cannot be read"), std::string::npos) << errors;
    EXPECT_NE(errors.find("no form or module could be converted"), std::string::npos) << errors;
    EXPECT_FALSE(fs::exists(out / "vb" / "nwind.vbp"));
}

}  // namespace
}  // namespace velorin
