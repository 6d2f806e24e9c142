// A conversion killed part-way, in a child process: the support database
// stays whole, holds each form's rows completely or not at all, and the next
// conversion starts cleanly and ends as an uninterrupted one does.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <thread>

#include "driver/conversion_driver.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;
using testing::ReadFile;
using testing::Rows;
using testing::ScriptedUi;
using testing::TempDir;
namespace fs = std::filesystem;

constexpr int kForms = 12;

// Forms with a few controls and code that gives analysis rows.
void AddForms(AccessApplication& app) {
    for (int f = 1; f <= kForms; ++f) {
        std::string text =
            CrLf({"Begin Form", "    Width =6000", "    Begin", "        Begin Section",
                  "            Height =3000", "            Begin"});
        for (int c = 1; c <= 20; ++c) {
            text += CrLf({"                Begin TextBox",
                          "                    Name =\"Field" + std::to_string(c) + "\"",
                          "                    Top =" + std::to_string(c * 100),
                          "                End"});
        }
        text += CrLf({"            End", "        End", "    End", "End", "CodeBehindForm",
                      "Option Compare Database", "Private Sub Form_Load()", "    DoCmd.Maximize",
                      "    Me.AllowEdits = False", "    x = Forms!Orders!Total", "End Sub"});
        auto form = std::make_unique<AccessForm>();
        const std::string name = (f < 10 ? "Form0" : "Form") + std::to_string(f);
        BuildAccessForm(*ReadObjectText(text).text, name, name, *form);
        app.AddForm(std::move(form));
    }
    app.AddModule(
        {"Utilities", {"Option Explicit", "Sub A()", "    DoCmd.Hourglass True", "End Sub"}});
    app.FinishLoading();
}

// Kills its own process at the nth UpdateTime. The driver calls it inside
// each form's group of writes, after the form's statistics, and again after
// the group: odd calls fall inside a group.
class KillingUi : public ScriptedUi {
  public:
    explicit KillingUi(int killAt) : killAt_(killAt) {}
    void UpdateTime() override {
        if (++calls_ == killAt_)
            raise(SIGKILL);
    }

  private:
    int killAt_;
    int calls_ = 0;
};

struct Conversion {
    AccessApplication app;
    TranslationRequest request;

    Conversion(const fs::path& out) {
        AddForms(app);
        request.outputPathText = out.string();
        request.forms = app.Documents(Container::Forms);
        request.modules = {"Utilities"};
        request.databasePath = out.parent_path() / "Sales.mdb";
        request.templateDirectory = testing::SourceDir() / "support";
    }
    // Every question answered yes.
    ConversionResult Run(const fs::path& supportDb, ScriptedUi& ui) {
        ui.answers.assign(4, Answer::Yes);
        Session session(app, supportDb, ui);
        return StartTranslation(session, request, DefaultConversionSteps());
    }
};

// Runs a conversion in a child process, killed at the nth UpdateTime (or, with
// killAt 0, by the parent after `delay`). True when the child died by SIGKILL.
bool ConvertInKilledChild(const fs::path& out, const fs::path& supportDb, int killAt,
                          std::chrono::milliseconds delay = {}) {
    pid_t child = fork();
    if (child == 0) {
        Conversion conversion(out);
        KillingUi ui(killAt);
        conversion.Run(supportDb, ui);
        _exit(0);
    }
    if (killAt == 0) {
        std::this_thread::sleep_for(delay);
        kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

using Table = std::vector<std::vector<std::string>>;

// Checks the database a killed conversion left; returns the forms it holds.
int CheckKilledDatabase(const fs::path& supportDb) {
    EXPECT_TRUE(fs::is_regular_file(supportDb));
    EXPECT_EQ(Rows(supportDb, "PRAGMA integrity_check"), (Table{{"ok"}}));
    // A form's row carries its control count and its code counts, written at
    // two moments of its group: both or neither.
    for (const auto& row :
         Rows(supportDb, "SELECT ModuleName, CtlCount, TotalLines FROM tblStats")) {
        if (row[0].starts_with("Form")) {
            EXPECT_EQ(row[1], "20") << row[0];
            EXPECT_NE(row[2], "0") << row[0];
        }
    }
    // Every finding belongs to a module whose statistics were written.
    EXPECT_EQ(Rows(supportDb,
                   "SELECT COUNT(*) FROM tblReportOutput WHERE ModuleName NOT IN "
                   "(SELECT ModuleName FROM tblStats)"),
              (Table{{"0"}}));
    const Table forms =
        Rows(supportDb, "SELECT COUNT(*) FROM tblStats WHERE ModuleName LIKE 'Form%'");
    return forms.empty() ? -1 : std::stoi(forms[0][0]);
}

std::string DumpAnalysis(const fs::path& supportDb) {
    std::string text;
    for (const char* sql : {"SELECT * FROM tblStats ORDER BY ModuleName",
                            "SELECT ModuleName, ReasonID, CodeLine, LineNumber, TranslatedLine, "
                            "Routine FROM tblReportOutput ORDER BY ID"}) {
        for (const auto& row : Rows(supportDb, sql)) {
            for (const std::string& value : row)
                text += value + "|";
            text += "\n";
        }
    }
    return text;
}

// The files of an output directory; the directory's own path, which Sub Main
// names, reads as <out>.
std::map<std::string, std::string> Files(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::string content = ReadFile(entry.path());
        for (size_t at; (at = content.find(dir.string())) != std::string::npos;)
            content.replace(at, dir.string().size(), "<out>");
        files[entry.path().filename().string()] = content;
    }
    return files;
}

class InterruptedConversionTest : public ::testing::Test {
  protected:
    InterruptedConversionTest() {
        // What an uninterrupted conversion gives.
        fs::path referenceDb = testing::FreshSupportDatabase(referenceDir);
        Conversion conversion(referenceDir / "out");
        ScriptedUi ui;
        EXPECT_EQ(conversion.Run(referenceDb, ui).outcome, Outcome::Done);
        referenceAnalysis = DumpAnalysis(referenceDb);
        referenceFiles = Files(referenceDir / "out");
    }
    // A new conversion over what the killed one left ends as the reference does.
    void ConvertAgain() {
        Conversion conversion(dir / "out");
        ScriptedUi ui;
        const ConversionResult result = conversion.Run(supportDb, ui);
        ASSERT_EQ(result.outcome, Outcome::Done) << result.message;
        EXPECT_EQ(DumpAnalysis(supportDb), referenceAnalysis);
        EXPECT_EQ(Files(dir / "out"), referenceFiles);
    }

    TempDir referenceDir;
    std::string referenceAnalysis;
    std::map<std::string, std::string> referenceFiles;
    TempDir dir;
    fs::path supportDb = testing::FreshSupportDatabase(dir);
};

TEST_F(InterruptedConversionTest, KilledInsideAFormsGroupOfWrites) {
    // Killed in the fourth form's group, after its statistics row was written.
    ASSERT_TRUE(ConvertInKilledChild(dir / "out", supportDb, 7));
    EXPECT_EQ(CheckKilledDatabase(supportDb), 3);
    // Files of the finished forms may stay; a project file may not.
    EXPECT_TRUE(fs::exists(dir / "out" / "Form03.frm"));
    EXPECT_FALSE(fs::exists(dir / "out" / "Form04.frm"));
    EXPECT_FALSE(fs::exists(dir / "out" / "Sales.vbp"));
    ConvertAgain();
}

TEST_F(InterruptedConversionTest, KilledAtAnyMoment) {
    // The whole conversion takes some hundred milliseconds; kills spread over it.
    for (int delay : {1, 15, 40, 80, 150, 250}) {
        SCOPED_TRACE("killed after " + std::to_string(delay) + " ms");
        const bool killed =
            ConvertInKilledChild(dir / "out", supportDb, 0, std::chrono::milliseconds(delay));
        const int forms = CheckKilledDatabase(supportDb);
        EXPECT_LE(forms, kForms);
        if (killed) {
            EXPECT_FALSE(fs::exists(dir / "out" / "Sales.vbp") && forms < kForms);
        }
    }
    ConvertAgain();
}

// Stops its process at the nth UpdateTime: says so on one pipe and waits for
// a byte on the other.
class PausingUi : public ScriptedUi {
  public:
    PausingUi(int pauseAt, int paused, int resume)
        : pauseAt_(pauseAt), paused_(paused), resume_(resume) {}
    void UpdateTime() override {
        char byte = 'p';
        if (++calls_ == pauseAt_ && write(paused_, &byte, 1) == 1)
            (void)!read(resume_, &byte, 1);
    }

  private:
    int pauseAt_;
    int paused_;
    int resume_;
    int calls_ = 0;
};

TEST_F(InterruptedConversionTest, ASecondConversionOnTheSameDatabaseIsRefused) {
    int paused[2];
    int resume[2];
    ASSERT_EQ(pipe(paused), 0);
    ASSERT_EQ(pipe(resume), 0);
    pid_t child = fork();
    if (child == 0) {
        // Paused between the first and the second form.
        Conversion conversion(dir / "out");
        PausingUi ui(2, paused[1], resume[0]);
        _exit(conversion.Run(supportDb, ui).outcome == Outcome::Done ? 0 : 1);
    }
    char byte = 0;
    ASSERT_EQ(read(paused[0], &byte, 1), 1);

    fs::create_directories(dir / "second" / "out");
    Conversion second(dir / "second" / "out");
    ScriptedUi ui;
    const ConversionResult refused = second.Run(supportDb, ui);
    ASSERT_EQ(write(resume[1], &byte, 1), 1);
    int status = 0;
    waitpid(child, &status, 0);
    for (int fd : {paused[0], paused[1], resume[0], resume[1]})
        close(fd);

    EXPECT_EQ(refused.outcome, Outcome::Failed);
    EXPECT_NE(refused.message.find(supportDb.string() + " is locked"), std::string::npos)
        << refused.message;
    EXPECT_TRUE(fs::is_empty(dir / "second" / "out"));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    // The rows are the first conversion's, as if it had run alone.
    EXPECT_EQ(DumpAnalysis(supportDb), referenceAnalysis);
}

}  // namespace
}  // namespace velorin
