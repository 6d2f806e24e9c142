// The user interface of the command line: messages on standard error,
// questions asked on the terminal (or answered by --yes), a progress bar.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "session/user_interface.h"

namespace velorin {

// Windows-1252 text as the terminal may print it: control characters (which
// object names from a hostile export can hold) show as "?", line ends stay.
std::string TerminalText(std::string_view ansi);

// How much the command line says while it converts.
enum class Verbosity {
    Quiet,    // errors and questions only
    Normal,   // warnings and the summary, a progress bar on a terminal
    Verbose,  // also each form and module as it is converted
};

class TerminalUi : public UserInterface {
  public:
    TerminalUi(bool assumeYes, bool interactive, bool showProgress,
               Verbosity verbosity = Verbosity::Normal);

    Answer Show(const Message& message) override;
    std::optional<Answer> AnswerWithoutAsking(const Message& message) const override;
    void Warn(const std::string& text) override;
    void StartProgress(int maximum) override;
    void SetProgress(int value) override;
    void UpdateTime() override;
    void EndProgress() override;
    void PlanObjects(int forms, int modules) override;
    void BeginObject(bool isForm, const std::string& name, const std::string& file) override;
    // A command line is not stopped by code that was not compiled: it warns,
    // naming where, and goes on.
    bool StopForUncompiledCode(const Message& question, const std::string& where) override;

    int Warnings() const { return warnings_; }

  private:
    void DrawBar();
    void ClearBar();

    bool assumeYes_;
    bool interactive_;
    bool showProgress_;
    Verbosity verbosity_;
    int forms_ = 0;
    int modules_ = 0;
    int formsBegun_ = 0;
    int modulesBegun_ = 0;
    bool workingOnForm_ = false;
    bool currentDone_ = true;  // the object begun last is finished
    std::chrono::steady_clock::time_point progressStart_;
    bool barShown_ = false;
    int maximum_ = 0;
    int value_ = 0;
    int warnings_ = 0;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace velorin
