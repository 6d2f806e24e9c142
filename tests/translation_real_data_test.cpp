// Every module and form module of the real application converts, and each
// marker in the output has its analysis row. Skips without ../shared.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "code/module_conversion.h"
#include "common/names.h"
#include "session/host/database_loader.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::ScriptedUi;
using testing::TempDir;
namespace fs = std::filesystem;

size_t CountMarkers(const std::string& text) {
    size_t count = 0;
    for (size_t at = text.find("'VLRN "); at != std::string::npos; at = text.find("'VLRN ", at + 1))
        ++count;
    return count;
}

TEST(BigRiversTranslation, MarkersMatchTheirAnalysisRows) {
    fs::path data = testing::SharedData();
    if (data.empty())
        GTEST_SKIP() << "../shared/data is absent";
    LoadedDatabase loaded = LoadDatabase(data / "big_rivers_app" / "source");
    ASSERT_TRUE(loaded.application);
    AccessApplication& app = *loaded.application;
    TempDir dir;
    ScriptedUi ui;
    Session session(app, testing::FreshSupportDatabase(dir), ui);
    for (const std::string& form : app.Documents(Container::Forms))
        session.convertedFormNames.push_back(form);

    session.supportDb.BeginGroup();
    std::vector<std::pair<std::string, std::string>> outputs;  // module name, converted code
    for (const std::string& name : app.Documents(Container::Modules)) {
        const std::string f = MakeFileName(name);
        outputs.emplace_back(
            f, ConvertCodeFile(session, f, ExportModuleText(session, name, false), false).Joined());
    }
    for (const std::string& name : app.Documents(Container::Forms)) {
        const std::string f = MakeFileName(name);
        // A form's code as the driver assembles it after its design section.
        CodeText code;
        code.Append("DIM OpenArgsF as string");
        code.Append(ExportModuleText(session, name, true));
        outputs.emplace_back(f, ConvertCodeFile(session, f, code, true, 3).Joined());
    }
    session.supportDb.CommitGroup();
    session.supportDb.Close();

    sqlite3* db = nullptr;
    sqlite3_open((dir / "vlrn.db").c_str(), &db);
    sqlite3_stmt* rows = nullptr;
    sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM tblReportOutput WHERE ModuleName = ?1", -1, &rows,
                       nullptr);
    size_t totalMarkers = 0;
    for (const auto& [module, text] : outputs) {
        ASSERT_FALSE(text.empty()) << module;
        size_t markers = CountMarkers(text);
        // A moved window keeps a hint with a second marker in front.
        size_t moveSizes = 0;
        for (size_t at = text.find("'me.move new left"); at != std::string::npos;
             at = text.find("'me.move new left", at + 1))
            ++moveSizes;
        sqlite3_bind_text(rows, 1, module.c_str(), -1, SQLITE_TRANSIENT);
        ASSERT_EQ(sqlite3_step(rows), SQLITE_ROW);
        EXPECT_EQ(markers - moveSizes, static_cast<size_t>(sqlite3_column_int(rows, 0))) << module;
        sqlite3_reset(rows);
        totalMarkers += markers;
    }
    sqlite3_finalize(rows);
    sqlite3_close(db);
    EXPECT_GT(totalMarkers, 100u);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace velorin
