// Every module and form module of the real application converts, each
// analysis row stands marked in the output, and no marked line lacks a row: a
// statement, block or branch commented out whole is recorded by its line.
// Skips without ../shared.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "code/module_conversion.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "session/host/database_loader.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::ScriptedUi;
using testing::TempDir;
namespace fs = std::filesystem;

constexpr std::string_view kMarker = "'VLRN ";

// The text a marker stands before on a line, without a continuation; empty
// for a line without a marker.
std::string MarkedText(std::string_view line) {
    line = TrimWhitespace(line);
    size_t at = line.starts_with(kMarker) ? 0 : line.find(std::string("\t") + std::string(kMarker));
    if (at == std::string_view::npos)
        return {};
    std::string_view text = line.substr(at + (at == 0 ? 0 : 1) + kMarker.size());
    // A line commented out after its translation: the translated code.
    text = text.substr(0, text.find(std::string("\t") + std::string(kMarker)));
    if (text.ends_with(" _"))
        text.remove_suffix(2);
    return std::string(TrimWhitespace(text));
}

// Whether a recorded line begins with the marked text (a continued statement
// is recorded whole).
bool Recorded(const std::vector<std::string>& records, const std::string& marked) {
    for (const std::string& record : records) {
        if (!marked.empty() && record.starts_with(marked))
            return true;
    }
    return false;
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
    for (const std::string& form : app.Documents(Container::Forms)) {
        session.project.convertedFormNames.push_back(form);
        session.names.formVbNames[form] = session.names.projectNames.Claim(MakeVBName(form));
    }

    session.supportDb.BeginGroup();
    std::vector<std::pair<std::string, std::string>> outputs;  // module name, converted code
    for (const std::string& name : app.Documents(Container::Modules)) {
        const std::string f = MakeFileName(name);
        outputs.emplace_back(
            f, ConvertCodeFile(session, f, ExportModuleText(session, name, false)).Joined());
    }
    for (const std::string& name : app.Documents(Container::Forms)) {
        const std::string f = MakeFileName(name);
        // A form's code as the driver assembles it after its design section.
        CodeText code;
        code.Append("DIM OpenArgsF as string");
        code.Append(ExportModuleText(session, name, true));
        FormFacts form;
        form.designLines = 3;
        outputs.emplace_back(f, ConvertCodeFile(session, f, code, &form).Joined());
    }
    session.supportDb.CommitGroup();
    session.supportDb.Close();

    sqlite3* db = nullptr;
    sqlite3_open((dir / "vlrn.db").c_str(), &db);
    sqlite3_stmt* rows = nullptr;
    sqlite3_prepare_v2(db, "SELECT CodeLine FROM tblReportOutput WHERE ModuleName = ?1", -1, &rows,
                       nullptr);
    size_t totalMarkers = 0;
    for (const auto& [module, text] : outputs) {
        ASSERT_FALSE(text.empty()) << module;
        std::vector<std::string> records;
        sqlite3_bind_text(rows, 1, module.c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(rows) == SQLITE_ROW)
            records.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(rows, 0)));
        sqlite3_reset(rows);
        std::vector<std::string> marked;
        for (const std::string& line : SplitLines(text))
            marked.push_back(MarkedText(line));
        // Each run of marked lines (comments and blank lines inside a run do
        // not end it) holds a recorded one.
        const std::vector<std::string> lines = SplitLines(text);
        auto quiet = [&](size_t k) {
            const std::string_view t = TrimWhitespace(lines[k]);
            return marked[k].empty() && (t.empty() || t.starts_with("'"));
        };
        for (size_t i = 0; i < marked.size();) {
            if (marked[i].empty()) {
                ++i;
                continue;
            }
            bool any = false;
            size_t end = i;
            for (; end < marked.size() && (!marked[end].empty() || quiet(end)); ++end)
                any = any || Recorded(records, marked[end]);
            EXPECT_TRUE(any) << module << ": " << marked[i];
            totalMarkers += end - i;
            i = end;
        }
        // Each recorded line stands marked, as the translated code or as the
        // old text after it.
        for (const std::string& record : records) {
            bool found = false;
            for (size_t k = 0; k < lines.size() && !found; ++k) {
                const size_t note = lines[k].find(std::string("\t") + std::string(kMarker));
                found = (!marked[k].empty() && record.starts_with(marked[k])) ||
                        (note != std::string::npos &&
                         record.starts_with(MarkedText(lines[k].substr(note + 1))));
            }
            EXPECT_TRUE(found) << module << ": " << record;
        }
    }
    sqlite3_finalize(rows);
    sqlite3_close(db);
    EXPECT_GT(totalMarkers, 100u);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace velorin
