#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "session/support_database.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;
namespace fs = std::filesystem;

using testing::ProgramRun;

class CliTest : public ::testing::Test {
  protected:
    CliTest() {
        fs::path src = dir / "Shop.mdb.src";
        WriteFile(src / "modules" / "basMain.bas",
                  CrLf({"Attribute VB_Name = \"basMain\"", "Sub Main2()", "End Sub"}));
        WriteFile(src / "forms" / "Customers.bas",
                  CrLf({"Begin Form", "    Begin", "        Begin Section", "        End",
                        "    End", "End"}));
        WriteFile(src / "macros" / "AutoExec.bas",
                  CrLf({"Version =196611", "Begin", "    Action =\"Beep\"", "End"}));
        database = src.string();
    }
    // Runs the program without a terminal: questions are answered No.
    // The user's folders are the test's own.
    ProgramRun Velorin(const std::string& arguments) {
        return testing::RunProgram(VELORIN_PROGRAM, arguments, dir);
    }
    std::string Quote(const fs::path& path) { return testing::ShellQuoted(path); }
    // Converts the export into `out`, every question answered yes, recording
    // in the test's support database.
    ProgramRun Convert(const fs::path& out, const std::string& more = {}) {
        return Velorin("convert " + Quote(database) + " -o " + Quote(out) + " --yes --support-db " +
                       Quote(support) + more);
    }

    // Runs the program on a pseudo-terminal, as a user at a terminal does: once
    // the terminal shows `waitFor`, `input` is typed. `out` is all the
    // terminal showed, standard output and error together.
    ProgramRun VelorinOnTerminal(const std::vector<std::string>& arguments,
                                 const std::string& waitFor = {}, const std::string& input = {}) {
        ProgramRun run;
        std::vector<std::string> words{VELORIN_PROGRAM};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        int master = -1;
        const pid_t child = forkpty(&master, nullptr, nullptr, nullptr);
        if (child == 0) {
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        if (child < 0)
            return run;
        bool typed = waitFor.empty() && input.empty();
        if (waitFor.empty() && !input.empty()) {
            (void)!::write(master, input.data(), input.size());
            typed = true;
        }
        char buffer[4096];
        while (true) {
            pollfd fd{master, POLLIN, 0};
            if (::poll(&fd, 1, 20000) <= 0)
                break;
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n <= 0)
                break;  // EIO: the program closed the terminal
            run.out.append(buffer, static_cast<size_t>(n));
            if (!typed && run.out.find(waitFor) != std::string::npos) {
                (void)!::write(master, input.data(), input.size());
                typed = true;
            }
        }
        ::close(master);
        int raw = 0;
        ::waitpid(child, &raw, 0);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return run;
    }

    TempDir dir;
    std::string database;
    fs::path support = testing::FreshSupportDatabase(dir);
};

TEST_F(CliTest, OnATerminalAProgressBarCountsTheObjectsAndQuietAndVerboseSayLessAndMore) {
    auto convert = [&](const std::string& out, const std::string& option) {
        std::vector<std::string> words{
            "convert",      database,        "-o", (dir / out).string(), "--yes",
            "--support-db", support.string()};
        if (!option.empty())
            words.push_back(option);
        return VelorinOnTerminal(words);
    };
    const ProgramRun normal = convert("normal", "");
    EXPECT_EQ(normal.status, 0) << normal.out;
    // "] forms 1/1  modules 1/1  M:SS elapsed", however long it took.
    const std::string counts = "] forms 1/1  modules 1/1  ";
    const size_t bar = normal.out.find(counts);
    ASSERT_NE(bar, std::string::npos) << normal.out;
    const std::string time = normal.out.substr(bar + counts.size(), 20);
    const size_t colon = time.find(':');
    EXPECT_TRUE(colon != std::string::npos && colon > 0 &&
                time.substr(0, colon).find_first_not_of("0123456789") == std::string::npos &&
                time.substr(colon + 3, 8) == " elapsed")
        << normal.out;
    EXPECT_NE(normal.out.find(" elapsed"), std::string::npos);
    EXPECT_NE(normal.out.find("Converted 1 form(s) and 1 module(s)"), std::string::npos);
    EXPECT_NE(normal.out.find("warning: there is no Shop.mdb"), std::string::npos);

    const ProgramRun quiet = convert("quiet", "--quiet");
    EXPECT_EQ(quiet.status, 0) << quiet.out;
    EXPECT_EQ(quiet.out, "") << "nothing failed and nothing was asked";
    EXPECT_TRUE(fs::exists(dir / "quiet" / "Shop.vbp"));

    const ProgramRun verbose = convert("verbose", "--verbose");
    EXPECT_EQ(verbose.status, 0) << verbose.out;
    EXPECT_NE(verbose.out.find("form Customers -> Customers.frm"), std::string::npos)
        << verbose.out;
    EXPECT_NE(verbose.out.find("module basMain -> basMain.bas"), std::string::npos);

    // Without a terminal: messages only, no bar drawn over itself.
    const ProgramRun piped = Convert(dir / "piped");
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.err.find('\r'), std::string::npos) << piped.err;
    EXPECT_EQ(piped.err.find("forms 1/1"), std::string::npos) << piped.err;
    EXPECT_EQ(Velorin("convert " + Quote(database) + " -q -v").status, 2);
}

TEST_F(CliTest, APasswordComesFromTheEnvironmentOrTheTerminalWithoutBeingShown) {
    ::unsetenv("VELORIN_PASSWORD");
    // The generated Sub Main opens the workspace with the password.
    auto subMain = [&](const fs::path& out) { return ReadFile(out / "VlrnConversionCode.bas"); };
    ProgramRun fromEnvironment = Convert(dir / "env");
    EXPECT_EQ(fromEnvironment.status, 0) << fromEnvironment.err;
    EXPECT_NE(subMain(dir / "env").find("CreateWorkspace(\"Shop\", \"Admin\", \"\")"),
              std::string::npos);
    ::setenv("VELORIN_PASSWORD", "s3cret \"x\"", 1);
    fromEnvironment = Convert(dir / "env2");
    ::unsetenv("VELORIN_PASSWORD");
    EXPECT_EQ(fromEnvironment.status, 0) << fromEnvironment.err;
    EXPECT_NE(
        subMain(dir / "env2").find("CreateWorkspace(\"Shop\", \"Admin\", \"s3cret \"\"x\"\"\")"),
        std::string::npos)
        << subMain(dir / "env2");

    // Asked on the terminal: typed, never shown.
    ProgramRun asked =
        VelorinOnTerminal({"convert", database, "-o", (dir / "tty").string(), "--yes",
                           "--support-db", support.string(), "--ask-password"},
                          "Workgroup password: ", "t0ps3cret\n");
    EXPECT_EQ(asked.status, 0) << asked.out;
    EXPECT_EQ(asked.out.find("t0ps3cret"), std::string::npos) << asked.out;
    EXPECT_NE(subMain(dir / "tty").find("CreateWorkspace(\"Shop\", \"Admin\", \"t0ps3cret\")"),
              std::string::npos);
    // Without a terminal there is nobody to ask: a new session has none.
    const std::string command = "setsid -w '" + std::string(VELORIN_PROGRAM) + "' convert " +
                                Quote(database) + " -o " + Quote(dir / "none") +
                                " --ask-password </dev/null >/dev/null 2>'" +
                                (dir / "stderr").string() + "'";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
    EXPECT_NE(ReadFile(dir / "stderr").find("--ask-password needs a terminal"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "none"));
}

TEST_F(CliTest, HelpAndUsage) {
    ProgramRun help = Velorin("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("convert"), std::string::npos);
    EXPECT_NE(help.out.find("list"), std::string::npos);
    ProgramRun convertHelp = Velorin("convert --help");
    EXPECT_EQ(convertHelp.status, 0);
    EXPECT_NE(convertHelp.out.find("--list-type"), std::string::npos);
    EXPECT_EQ(Velorin("").status, 2);
    EXPECT_EQ(Velorin("convert").status, 2);
    EXPECT_EQ(Velorin("convert " + Quote(database) + " --list-type 4").status, 2);
    EXPECT_EQ(Velorin("convert " + Quote(database) + " --vb4 --vb5").status, 2);
}

TEST_F(CliTest, ConvertsWithYes) {
    fs::path out = dir / "Shop-VB";
    ProgramRun run = Convert(out);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find((out / "Shop.vbp").string()), std::string::npos);
    std::string vbp = ReadFile(out / "Shop.vbp");
    EXPECT_NE(vbp.find("Form=Customers.frm\r\nModule=basMain; basMain.bas\r\n"), std::string::npos);
    EXPECT_NE(vbp.find("Startup=\"Sub Main\""), std::string::npos);
    EXPECT_TRUE(fs::exists(out / "basMain.bas"));
}

TEST_F(CliTest, CodeThatWasNotCompiledIsAWarningThatNamesItsPlaceAndTheConversionGoesOn) {
    WriteFile(dir / "Shop.mdb.src" / "modules" / "basBroken.bas",
              CrLf({"Attribute VB_Name = \"basBroken\"", "Option Explicit", "",
                    "Public Function Total() As Long", "Total = 1"}));
    // With --yes, as in a script: every question goes ahead.
    fs::path out = dir / "Shop-VB";
    ProgramRun run = Convert(out);
    // Converted; the project check finds the application's own open function.
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_NE(run.err.find("warning: the application's code cannot have been compiled"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("module basBroken, line 3 of its code: Public Function Total() As Long"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("close Velorin"), std::string::npos) << "asked instead of warned";
    EXPECT_TRUE(fs::exists(out / "Shop.vbp"));
    EXPECT_TRUE(fs::exists(out / "basBroken.bas"));
    // Without --yes and without a terminal the warning alone does not stop it
    // either; the folder it would have to create is the question answered No.
    fs::path existing = dir / "Existing";
    fs::create_directory(existing);
    ProgramRun quiet = Velorin("convert " + Quote(database) + " -o " + Quote(existing) +
                               " --support-db " + Quote(support));
    EXPECT_EQ(quiet.status, 3) << quiet.err;
    EXPECT_TRUE(fs::exists(existing / "Shop.vbp"));
}

TEST_F(CliTest, WithoutATerminalQuestionsAreAnsweredNo) {
    fs::path out = dir / "not-yet";
    ProgramRun run = Velorin("convert " + Quote(database) + " -o " + Quote(out) + " --support-db " +
                             Quote(support));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Do you want to create it?"), std::string::npos);
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliTest, BadInputGivesAClearMessageAndWritesNothing) {
    fs::path out = dir / "out";
    ProgramRun missing =
        Velorin("convert " + Quote(dir / "nowhere.mdb") + " -o " + Quote(out) + " --yes");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Invalid database file selected."), std::string::npos);
    EXPECT_NE(missing.err.find("does not exist"), std::string::npos);
    EXPECT_FALSE(fs::exists(out));

    ProgramRun noOutput = Velorin("convert " + Quote(database));
    EXPECT_EQ(noOutput.status, 2);
    EXPECT_NE(noOutput.err.find("The output path must be specified."), std::string::npos);

    ProgramRun unknownForm =
        Velorin("convert " + Quote(database) + " -o " + Quote(out) + " --form Nope --yes");
    EXPECT_EQ(unknownForm.status, 2);
    EXPECT_NE(unknownForm.err.find("no form named Nope"), std::string::npos);
    EXPECT_FALSE(fs::exists(out));

    ProgramRun noSupport = Velorin("convert " + Quote(database) + " -o " + Quote(out) +
                                   " --yes --support-db " + Quote(dir / "none.db"));
    EXPECT_EQ(noSupport.status, 1);
    EXPECT_NE(noSupport.err.find("Required file vlrn.db not found."), std::string::npos);
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliTest, ASupportDatabaseThatCannotServeIsNamedAndLeftAsItWas) {
    const fs::path out = dir / "out";
    WriteFile(dir / "empty.db", "");
    WriteFile(dir / "text.db", std::string(3000, 't'));
    const std::pair<fs::path, std::string> cases[] = {
        {dir / "empty.db", "is empty, not an SQLite database"},
        {dir / "text.db", "is not an SQLite database"}};
    for (const auto& [file, says] : cases) {
        const auto time = fs::last_write_time(file);
        const std::string bytes = ReadFile(file);
        ProgramRun run = Velorin("convert " + Quote(database) + " -o " + Quote(out) +
                                 " --yes --support-db " + Quote(file));
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(file.string() + " " + says), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("not found"), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(file), bytes);
        EXPECT_EQ(fs::last_write_time(file), time);
        EXPECT_FALSE(fs::exists(out));
    }

    // Another process converting with it holds its lock.
    {
        SupportDatabase running(support);
        ASSERT_TRUE(running.Open());
        ProgramRun locked = Convert(out);
        EXPECT_EQ(locked.status, 1);
        EXPECT_NE(locked.err.find(support.string() + " is locked"), std::string::npos)
            << locked.err;
        EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_EQ(Convert(out).status, 0);
}

TEST_F(CliTest, AWorkgroupFileMustBeAJetDatabase) {
    const fs::path out = dir / "out";
    WriteFile(dir / "garbage.mdw", std::string(4096, 'g'));
    const std::pair<fs::path, std::string> cases[] = {
        {dir / "absent.mdw", "does not exist"},
        {dir / "garbage.mdw", "is not an Access workgroup file"},
        {dir.Path(), "is not a file"}};
    for (const auto& [file, says] : cases) {
        ProgramRun run = Convert(out, " --workgroup " + Quote(file));
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("the workgroup file " + file.string() + " " + says),
                  std::string::npos)
            << run.err;
        EXPECT_FALSE(fs::exists(out));
    }
    if (testing::SharedData().empty())
        GTEST_SKIP() << "../shared/data is absent";
    // Access's own databases are Jet files, as workgroup files are.
    ProgramRun jet = Convert(out, " --workgroup " + Quote(testing::SharedData() / "nwind.mdb"));
    EXPECT_EQ(jet.status, 0) << jet.err;
}

TEST_F(CliTest, AProgramWithoutItsTemplatesRefusesAndNamesTheMissingFile) {
    // A copy of the program in a folder of its own, without the templates.
    const fs::path bare = dir / "bare";
    fs::create_directories(bare);
    fs::copy_file(VELORIN_PROGRAM, bare / "velorin");
    fs::permissions(bare / "velorin", fs::perms::owner_all);
    const fs::path out = dir / "out";
    fs::create_directories(out);
    const std::string command = Quote(bare / "velorin") + " convert " + Quote(database) + " -o " +
                                Quote(out) + " --yes --support-db " + Quote(support) +
                                " </dev/null 2>" + Quote(dir / "stderr") + " >/dev/null";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    const std::string err = ReadFile(dir / "stderr");
    EXPECT_NE(err.find("VlrnConversionCode.bas"), std::string::npos) << err;
    EXPECT_NE(err.find(bare.string()), std::string::npos) << err;
    EXPECT_TRUE(fs::is_empty(out));
}

TEST_F(CliTest, ControlCharactersOfNamesNeverReachTheTerminal) {
    // A form whose file name holds an escape sequence, and a second one with
    // the same file name once converted.
    const fs::path forms = fs::path(database) / "forms";
    fs::copy_file(forms / "Customers.bas", forms / "Evil\x1b[2J.bas");
    fs::copy_file(forms / "Customers.bas", forms / "Evil_[2J.bas");
    ProgramRun run = Convert(dir / "out");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("form Evil_[2J: Evil_[2J.frm is taken by form Evil?[2J; written as "
                           "Evil_[2J_2.frm"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(Velorin("list " + Quote(database)).out.find('\x1b'), std::string::npos);
}

TEST_F(CliTest, ListsTheContainers) {
    ProgramRun run = Velorin("list " + Quote(database));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Forms:\n  Customers  (form, forms/Customers.bas)\nModules:\n  basMain  (standard "
              "module, modules/basMain.bas)\nMacros:\n  AutoExec  (macro, macros/AutoExec.bas)\n"
              "Reports:\n");
}

}  // namespace
}  // namespace velorin
