// Shared test fixtures: temporary directories, a scripted user interface and
// a fresh support database per test.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/output_directory.h"
#include "session/host/access_form.h"
#include "session/session.h"
#include "session/user_interface.h"

namespace velorin::testing {

// One "Begin <head> ... End" block of Access's form text, with the blocks it
// holds, indented as Access writes them.
struct FormTextBlock {
    std::string head;
    std::vector<std::string> properties;
    std::vector<FormTextBlock> children;

    void Write(std::string& out, int depth) const;
};

// The form `name` built from "Begin Form", `properties` and `children` (its
// sections), as the export reader builds it.
std::unique_ptr<AccessForm> FormFromBlocks(const std::string& name,
                                           std::vector<std::string> properties,
                                           std::vector<FormTextBlock> children);

// A directory removed with everything in it when the test ends.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);
// The file as it is on disk once `out` has written back what it holds.
std::string ReadWritten(OutputDirectory& out, const std::filesystem::path& path);
// Lines joined with CR LF, each line ending in CR LF.
std::string CrLf(std::initializer_list<std::string_view> lines);

// Generated code as one line per statement: lines continued with " _" joined
// again, a string broken off with "\" & _" joined back into one literal.
std::string JoinContinuedLines(const std::string& text);

// Records every message; answers questions from a script (No when it runs out).
class ScriptedUi : public UserInterface {
  public:
    Answer Show(const Message& message) override;
    void Warn(const std::string& text) override { warnings.push_back(text); }
    void StartProgress(int max) override { maximum = max; }
    void SetProgress(int value) override { progress = value; }
    void UpdateTime() override { ++timeUpdates; }
    void EndProgress() override { ended = true; }

    std::deque<Answer> answers;
    std::vector<Message> messages;
    std::vector<std::string> warnings;
    int maximum = -1;
    int progress = 0;
    int timeUpdates = 0;
    bool ended = false;
};

// A copy of the built support database in a temporary directory.
std::filesystem::path FreshSupportDatabase(const TempDir& dir);
// The rows a query of the SQLite database at `db` returns, NULL as "NULL".
std::vector<std::vector<std::string>> Rows(const std::filesystem::path& db, const std::string& sql);

std::filesystem::path SourceDir();
// ../shared/data beside the checkout, or empty when it is absent.
std::filesystem::path SharedData();

// Changes the settings the next conversion in `session` works with, as the
// driver does when a conversion starts.
template <class Change>
void ChangeSettings(Session& session, Change change) {
    ConversionSettings settings = session.Settings();
    change(settings);
    session.CaptureSettings(std::move(settings));
}

// What a run of a program printed, and how it ended (-1: killed).
struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs `program` with `arguments` (quoted for the shell, see ShellQuoted)
// without a terminal, standard input empty, the user's data folder in `dir`.
ProgramRun RunProgram(const std::string& program, const std::string& arguments, const TempDir& dir);

// A path in single quotes, for a shell command.
std::string ShellQuoted(const std::filesystem::path& path);

}  // namespace velorin::testing
