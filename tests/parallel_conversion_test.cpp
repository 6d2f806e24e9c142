// Work spread over threads gives what one thread gives: every item done once,
// and a conversion on several threads writes the same project, the same
// project check and the same analysis rows as one on a single thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "common/parallel_work.h"
#include "common/string_helpers.h"
#include "common/work_ahead.h"
#include "driver/conversion_driver.h"
#include "forms/convert_form.h"
#include "synthetic_application.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;

TEST(ParallelWork, EveryItemIsDoneOnceOnAtMostTheThreadsAsked) {
    for (const size_t count : {size_t{0}, size_t{1}, size_t{7}, size_t{500}}) {
        for (const int jobs : {1, 3, 8}) {
            std::vector<std::atomic<int>> done(count);
            std::mutex guard;
            std::set<std::thread::id> threads;
            ForEachInParallel(count, jobs, [&](size_t i) {
                ++done[i];
                const std::lock_guard<std::mutex> lock(guard);
                threads.insert(std::this_thread::get_id());
            });
            for (size_t i = 0; i < count; ++i) {
                ASSERT_EQ(done[i].load(), 1) << "item " << i << " of " << count << ", " << jobs;
            }
            EXPECT_LE(threads.size(), static_cast<size_t>(jobs));
            if (jobs == 1 && count > 0) {
                EXPECT_EQ(*threads.begin(), std::this_thread::get_id());
            }
        }
    }
    EXPECT_GE(DefaultJobCount(), 1);
}

TEST(ParallelWork, AnItemsExceptionReachesTheCallerAfterEveryThreadReturned) {
    for (const int jobs : {1, 4}) {
        std::atomic<int> running{0};
        std::atomic<int> done{0};
        EXPECT_THROW(ForEachInParallel(200, jobs,
                                       [&](size_t i) {
                                           ++running;
                                           if (i == 7) {
                                               --running;
                                               throw std::runtime_error("item 7");
                                           }
                                           ++done;
                                           --running;
                                       }),
                     std::runtime_error)
            << jobs << " jobs";
        EXPECT_EQ(running.load(), 0) << "a thread still ran after the call returned";
        if (jobs == 1) {
            EXPECT_EQ(done.load(), 7) << "one thread stops at the item that threw";
        }
    }
}

// Every file the conversion wrote under `root`, by its path there.
std::map<std::string, std::string> FilesUnder(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).string()] = testing::ReadFile(entry.path());
    }
    return files;
}

struct Converted {
    std::map<std::string, std::string> files;
    std::vector<std::vector<std::string>> findings;
    std::vector<std::vector<std::string>> maps;
    std::vector<std::vector<std::string>> stats;
};

Converted ConvertWithJobs(const fs::path& input, int jobs, const testing::TempDir& dir) {
    const fs::path out = dir / ("jobs" + std::to_string(jobs));
    const fs::path db = dir / ("jobs" + std::to_string(jobs) + ".db");
    fs::copy_file(testing::FreshSupportDatabase(dir), db);
    const testing::ProgramRun run = testing::RunProgram(
        VELORIN_PROGRAM,
        "convert " + testing::ShellQuoted(input) + " -o " + testing::ShellQuoted(out) +
            " --yes --jobs " + std::to_string(jobs) + " --support-db " + testing::ShellQuoted(db),
        dir);
    EXPECT_TRUE(run.status == 0 || run.status == 3) << run.err;
    Converted converted;
    converted.files = FilesUnder(out);
    converted.findings = testing::Rows(db, "SELECT * FROM tblReportOutput ORDER BY rowid");
    converted.maps = testing::Rows(db, "SELECT * FROM tblCodeMap ORDER BY rowid");
    converted.stats = testing::Rows(db, "SELECT * FROM tblStats ORDER BY rowid");
    return converted;
}

TEST(ParallelConversion, TheTinyApplicationConvertsTheSameOnOneThreadAndOnFour) {
    testing::TempDir dir;
    bench::WriteApplication(dir / "Synthetic.mdb.src", *bench::SizeNamed("tiny"));
    const Converted serial = ConvertWithJobs(dir / "Synthetic.mdb.src", 1, dir);
    const Converted parallel = ConvertWithJobs(dir / "Synthetic.mdb.src", 4, dir);

    // Enough to compare: the project, its check's log and analysis rows.
    ASSERT_GT(serial.files.size(), 24u);
    ASSERT_TRUE(serial.files.count("velorin.log")) << "the check found nothing to order";
    ASSERT_FALSE(serial.findings.empty());
    ASSERT_FALSE(serial.maps.empty());

    ASSERT_EQ(serial.files.size(), parallel.files.size());
    for (const auto& [name, content] : serial.files) {
        const auto other = parallel.files.find(name);
        ASSERT_NE(other, parallel.files.end()) << name << " is missing on four threads";
        EXPECT_TRUE(content == other->second) << name << " differs on four threads";
    }
    EXPECT_EQ(serial.findings, parallel.findings);
    EXPECT_EQ(serial.maps, parallel.maps);
    EXPECT_EQ(serial.stats, parallel.stats);
}

TEST(WorkAhead, ItemsAreTakenInOrderAndWorkersStayWithinTheWindow) {
    for (const int workers : {0, 1, 3}) {
        const size_t count = 60;
        const size_t window = 4;
        // Raised before each Take to what it makes it, so never behind the
        // count the workers go by.
        std::atomic<size_t> taken{0};
        std::atomic<size_t> farthest{0};
        std::vector<std::atomic<int>> done(count);
        WorkAhead work(count, workers, window, [&](size_t i, int worker) {
            EXPECT_LT(worker, std::max(workers, 1));
            size_t ahead = i + 1 - taken.load();
            for (size_t seen = farthest.load(); ahead > seen;)
                farthest.compare_exchange_weak(seen, ahead);
            ++done[i];
        });
        for (size_t i = 0; i < count; ++i) {
            taken = i + 1;
            work.Take(i);
            ASSERT_EQ(done[i].load(), 1) << "item " << i << " taken before it was done";
        }
        for (size_t i = 0; i < count; ++i)
            EXPECT_EQ(done[i].load(), 1) << "item " << i;
        EXPECT_LE(farthest.load(), window) << workers << " workers";
    }
}

TEST(WorkAhead, HoldWaitsForTheRunningItemsAndStartsNoMore) {
    std::atomic<int> running{0};
    std::atomic<int> startedWhileHeld{0};
    std::atomic<bool> held{false};
    WorkAhead work(40, 3, 8, [&](size_t, int) {
        if (held)
            ++startedWhileHeld;
        ++running;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        --running;
    });
    work.Take(0);
    work.Hold();
    held = true;
    EXPECT_EQ(running.load(), 0) << "Hold returned while an item ran";
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    held = false;
    work.Release();
    EXPECT_EQ(startedWhileHeld.load(), 0);
    for (size_t i = 1; i < 40; ++i)
        work.Take(i);
}

TEST(WorkAhead, AnItemsExceptionIsThrownWhereItIsTaken) {
    WorkAhead work(5, 2, 2, [](size_t i, int) {
        if (i == 2)
            throw std::runtime_error("item 2");
    });
    work.Take(0);
    work.Take(1);
    EXPECT_THROW(work.Take(2), std::runtime_error);
    work.Take(3);
}

struct ConversionChoices {
    bool releaseControls = false;
    bool answersWithoutAsking = false;
    std::string supportSql;  // run on the support database first
};

// An application whose forms change the project as they are converted: two
// parents whose link queries want one name, custom controls whose libraries
// the project lists in the order first met, and a form with too many
// controls, which asks the user. Plain forms lie between them, so that with
// several threads the later forms are converted before the earlier ones are
// written.
class FormsInTheirTurn : public ::testing::Test {
  protected:
    using Block = testing::FormTextBlock;

    static Block Label(int n) {
        return {"Label",
                {"Name =\"lbl" + std::to_string(n) + "\"",
                 "Caption =\"L" + std::to_string(n) + "\"", "Left =" + std::to_string(n % 20 * 300),
                 "Top =" + std::to_string(n / 20 * 300), "Width =250", "Height =240"},
                {}};
    }
    static Block Custom(const std::string& name, const std::string& accessClass) {
        return {"CustomControl",
                {"Name =\"" + name + "\"", "Class =\"" + accessClass + "\"", "Width =1000",
                 "Height =1000"},
                {}};
    }
    static Block Subform(const std::string& source) {
        return {"Subform",
                {"Name =\"sfrLines\"", "SourceObject =\"" + source + "\"",
                 "LinkChildFields =\"OrderID\"", "LinkMasterFields =\"OrderID\"", "Top =500",
                 "Width =3000", "Height =1000"},
                {}};
    }
    static std::unique_ptr<AccessForm> Form(const std::string& name,
                                            std::vector<std::string> properties,
                                            std::vector<Block> detail) {
        return testing::FormFromBlocks(
            name, std::move(properties),
            {Block{"Section", {"Height =9000", "Name =\"Detail\""}, std::move(detail)}});
    }

    // A user interface that answers every question yes, as --yes does,
    // and says so before it is asked.
    // It also keeps warnings and messages in one list, in the order given.
    class AnsweringUi : public testing::ScriptedUi {
      public:
        std::optional<Answer> AnswerWithoutAsking(const Message& message) const override {
            return message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoHelp
                       ? Answer::Yes
                       : Answer::Ok;
        }
        Answer Show(const Message& message) override {
            told.push_back("message: " + message.text);
            return ScriptedUi::Show(message);
        }
        void Warn(const std::string& text) override {
            told.push_back("warning: " + text);
            ScriptedUi::Warn(text);
        }
        std::vector<std::string> told;
    };

    struct Run {
        Outcome outcome = Outcome::Invalid;
        std::vector<std::string> told;           // with an AnsweringUi
        std::map<std::string, int> conversions;  // of each form
        size_t controlsLeft = 0;
        std::map<std::string, std::string> files;
        std::vector<std::vector<std::string>> rows;
        std::vector<std::string> warnings;
        std::vector<std::string> questions;
    };

    Run Convert(int jobs, ConversionChoices options = {}) {
        AccessApplication app;
        app.AddTableDef({"Orders", {{"OrderID", dao::kLong}}});
        app.AddTableDef({"Lines", {{"OrderID", dao::kLong}, {"Qty", dao::kLong}}});
        app.AddForm(Form("Lines A", {"RecordSource =\"SELECT * FROM Lines WHERE Qty > 1;\""}, {}));
        app.AddForm(Form("Lines B", {"RecordSource =\"SELECT * FROM Lines WHERE Qty < 9;\""}, {}));
        std::vector<std::string> forms;
        auto add = [&](std::unique_ptr<AccessForm> form) {
            forms.push_back(form->Name());
            app.AddForm(std::move(form));
        };
        auto plain = [&](int n) { add(Form("Plain " + std::to_string(n), {}, {Label(n)})); };
        plain(1);
        add(Form("Order Form", {"RecordSource =\"Orders\""}, {Subform("Lines A")}));
        plain(2);
        plain(3);
        add(Form("Order_Form", {"RecordSource =\"Orders\""}, {Subform("Lines B")}));
        add(Form("Tree", {}, {Custom("ocxTree", "COMCTL.TreeCtrl.1")}));
        plain(4);
        add(Form("Calendar", {}, {Custom("ocxCal", "MSACAL.MSACALCtrl.7")}));
        add(Form("Broken", {}, {Subform("No Such Form")}));
        std::vector<Block> labels;
        for (int n = 0; n < 260; ++n)
            labels.push_back(Label(n));
        add(Form("Crowded", {}, labels));
        for (int n = 5; n < 12; ++n)
            plain(n);

        const testing::TempDir dir;
        fs::create_directories(dir / "out");
        AnsweringUi answering;
        testing::ScriptedUi scripted;
        testing::ScriptedUi& ui = options.answersWithoutAsking ? answering : scripted;
        ui.answers = {Answer::Yes};
        const fs::path supportDb = testing::FreshSupportDatabase(dir);
        if (!options.supportSql.empty())
            testing::Rows(supportDb, options.supportSql);
        Session session(app, supportDb, ui);
        TranslationRequest request;
        request.outputPathText = (dir / "out").string();
        request.databasePath = dir / "Orders.mdb";
        request.templateDirectory = testing::SourceDir() / "support";
        request.forms = forms;
        request.options.jobs = jobs;
        request.releaseControlsAfterForms = options.releaseControls;
        ConversionSteps steps = DefaultConversionSteps();
        Run run;
        std::mutex counting;
        steps.convertForm = [&](Session& on, FormOutput& output, const std::string& file,
                                const std::string& name) {
            {
                const std::lock_guard<std::mutex> lock(counting);
                ++run.conversions[name];
            }
            return ConvertForm(on, output, file, name);
        };
        run.outcome = StartTranslation(session, request, steps).outcome;
        for (const std::string& told : answering.told)
            run.told.push_back(ReplaceAll(told, dir.Path().string(), "DIR"));
        for (const std::string& name : app.Documents(Container::Forms))
            run.controlsLeft += app.OpenForm(name)->Controls().size();
        run.files = FilesUnder(dir / "out");
        for (const char* query :
             {"SELECT * FROM tblReportOutput ORDER BY rowid",
              "SELECT * FROM tblStats ORDER BY rowid", "SELECT * FROM tblCodeMap ORDER BY rowid"}) {
            for (std::vector<std::string>& row : testing::Rows(dir / "vlrn.db", query))
                run.rows.push_back(std::move(row));
        }
        for (const std::string& warning : ui.warnings)
            run.warnings.push_back(ReplaceAll(warning, dir.Path().string(), "DIR"));
        for (const Message& message : ui.messages)
            run.questions.push_back(message.text);
        return run;
    }
};

TEST_F(FormsInTheirTurn, SeveralThreadsWriteWhatOneWrites) {
    const Run serial = Convert(1);
    const Run parallel = Convert(3);
    ASSERT_EQ(serial.outcome, Outcome::Done);
    ASSERT_EQ(parallel.outcome, Outcome::Done);

    // What the forms changed of the project, as one thread makes it.
    const std::string& support = serial.files.at("VlrnConversionCode.bas");
    EXPECT_NE(support.find("CreateLinkQuery \"qrydatOrder_Form1\", \"SELECT * FROM Lines WHERE "
                           "Qty > 1;\""),
              std::string::npos)
        << support;
    EXPECT_NE(support.find("CreateLinkQuery \"qrydatOrder_Form1_2\", \"SELECT * FROM Lines "
                           "WHERE Qty < 9;\""),
              std::string::npos)
        << support;
    const std::string& project = serial.files.at("Orders.vbp");
    ASSERT_NE(project.find("; COMCTL32.OCX"), std::string::npos) << project;
    EXPECT_LT(project.find("; COMCTL32.OCX"), project.find("; MSCAL.OCX")) << project;
    ASSERT_EQ(serial.questions.size(), 1u);
    EXPECT_NE(serial.questions[0].find("Crowded"), std::string::npos);

    // Several threads: the same files, rows, warnings and one question.
    ASSERT_EQ(serial.files.size(), parallel.files.size());
    for (const auto& [name, content] : serial.files) {
        const auto other = parallel.files.find(name);
        ASSERT_NE(other, parallel.files.end()) << name;
        EXPECT_TRUE(content == other->second) << name << " differs on three threads";
    }
    EXPECT_EQ(serial.rows, parallel.rows);
    EXPECT_EQ(serial.warnings, parallel.warnings);
    EXPECT_EQ(serial.questions, parallel.questions);

    // The forms that changed the project and the one that asked were
    // converted again in their turn; the others once.
    for (const auto& [name, times] : parallel.conversions) {
        const bool again = name == "Order Form" || name == "Order_Form" || name == "Crowded";
        EXPECT_EQ(times, again ? 2 : 1) << name;
    }
}

// A question the user interface answers by itself (--yes) is answered ahead
// and shown in the form's turn: the form is converted once.
TEST_F(FormsInTheirTurn, AQuestionAnsweredWithoutTheUserNeedsNoSecondConversion) {
    const Run serial = Convert(1, {false, true, {}});
    const Run parallel = Convert(3, {false, true, {}});
    ASSERT_EQ(serial.questions.size(), 1u);
    EXPECT_EQ(serial.told, parallel.told);
    EXPECT_EQ(serial.questions, parallel.questions);
    EXPECT_EQ(serial.warnings, parallel.warnings);
    EXPECT_EQ(serial.files, parallel.files);
    EXPECT_EQ(serial.rows, parallel.rows);
    EXPECT_EQ(parallel.conversions.at("Crowded"), 1);
}

// A support database that fails under the conversion: the same outcome,
// files, rows and messages on three threads as on one, and a failure told
// where it stands among the form's warnings.
TEST_F(FormsInTheirTurn, AFailingSupportDatabaseFailsAlikeOnOneThreadAndOnThree) {
    const std::string failingStats =
        "CREATE TRIGGER failStats BEFORE UPDATE ON tblStats WHEN NEW.ModuleName = 'Broken' "
        "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END";
    const std::string noMapping = "DROP TABLE CustomControlMapping";
    for (const std::string& sql : {failingStats, noMapping}) {
        const Run serial = Convert(1, {false, true, sql});
        const Run parallel = Convert(3, {false, true, sql});
        EXPECT_EQ(serial.outcome, Outcome::Failed) << sql;
        EXPECT_EQ(parallel.outcome, serial.outcome) << sql;
        EXPECT_EQ(serial.told, parallel.told) << sql;
        EXPECT_EQ(serial.files, parallel.files) << sql;
        EXPECT_EQ(serial.rows, parallel.rows) << sql;
    }
    // The form's warning comes before the failure of its row.
    const Run failed = Convert(3, {false, true, failingStats});
    const auto warned =
        std::find_if(failed.told.begin(), failed.told.end(), [](const std::string& t) {
            return t.rfind("warning: ", 0) == 0 && t.find("No Such Form") != std::string::npos;
        });
    const auto failure = std::find_if(
        failed.told.begin(), failed.told.end(),
        [](const std::string& t) { return t.find("the disk is full") != std::string::npos; });
    ASSERT_NE(warned, failed.told.end());
    ASSERT_NE(failure, failed.told.end());
    EXPECT_LT(warned, failure);
}

// A run that converts once lets the forms' controls go after the last form:
// nothing written after it may have needed them.
TEST_F(FormsInTheirTurn, ControlsLetGoAfterTheFormsChangeNothingWritten) {
    const Run kept = Convert(1);
    const Run released = Convert(1, {true, false, {}});
    EXPECT_GT(kept.controlsLeft, 260u);
    EXPECT_EQ(released.controlsLeft, 0u);
    EXPECT_EQ(kept.files, released.files);
    EXPECT_EQ(kept.rows, released.rows);
    EXPECT_EQ(kept.warnings, released.warnings);
}

}  // namespace
}  // namespace velorin
