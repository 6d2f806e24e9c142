#include "terminal_ui.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <string>

#include "common/ansi_text.h"
#include "session/string_table.h"

namespace velorin {

std::string TerminalText(std::string_view ansi) {
    std::string text(ansi);
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        // Below 32, DEL, and the five bytes that stand for C1 controls.
        const bool control = (u < 0x20 && c != '\n' && c != '\r' && c != '\t') || u == 0x7F ||
                             u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D;
        if (control)
            c = '?';
    }
    return AnsiToUtf8(text);
}

namespace {

// 75 seconds as "1:15".
std::string MinutesAndSeconds(long seconds) {
    const long rest = seconds % 60;
    return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

}  // namespace

TerminalUi::TerminalUi(bool assumeYes, bool interactive, bool showProgress, Verbosity verbosity)
    : assumeYes_(assumeYes),
      interactive_(interactive),
      showProgress_(showProgress && verbosity != Verbosity::Quiet),
      verbosity_(verbosity),
      start_(std::chrono::steady_clock::now()) {}

std::optional<Answer> TerminalUi::AnswerWithoutAsking(const Message& message) const {
    const bool question =
        message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoHelp;
    if (!question)
        return Answer::Ok;
    if (assumeYes_)
        return Answer::Yes;
    if (!interactive_)
        return Answer::No;
    return std::nullopt;
}

Answer TerminalUi::Show(const Message& message) {
    ClearBar();
    std::string text = TerminalText(message.text);
    bool question = message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoHelp;
    if (!question) {
        std::cerr << text << "\n";
        DrawBar();
        return Answer::Ok;
    }
    Answer answer = Answer::No;
    if (assumeYes_) {
        if (verbosity_ != Verbosity::Quiet)
            std::cerr << text << " [yes, from --yes]\n";
        answer = Answer::Yes;
    } else if (!interactive_) {
        std::cerr << text << " [no: not asked without a terminal; --yes answers yes]\n";
    } else {
        const bool yesByDefault = !message.secondButtonDefault;
        std::cerr << text << (yesByDefault ? " [Y/n] " : " [y/N] ") << std::flush;
        std::string reply;
        if (std::getline(std::cin, reply)) {
            std::string_view r = reply;
            while (!r.empty() && r.front() == ' ')
                r.remove_prefix(1);
            if (r.empty())
                answer = yesByDefault ? Answer::Yes : Answer::No;
            else
                answer = (r[0] == 'y' || r[0] == 'Y') ? Answer::Yes : Answer::No;
        }
    }
    DrawBar();
    return answer;
}

void TerminalUi::Warn(const std::string& text) {
    ++warnings_;
    if (verbosity_ == Verbosity::Quiet)
        return;
    ClearBar();
    std::cerr << "warning: " << TerminalText(text) << "\n";
    DrawBar();
}

void TerminalUi::PlanObjects(int forms, int modules) {
    forms_ = forms;
    modules_ = modules;
    formsBegun_ = 0;
    modulesBegun_ = 0;
}

void TerminalUi::BeginObject(bool isForm, const std::string& name, const std::string& file) {
    ++(isForm ? formsBegun_ : modulesBegun_);
    workingOnForm_ = isForm;
    currentDone_ = false;
    if (verbosity_ == Verbosity::Verbose) {
        ClearBar();
        std::cerr << (isForm ? "form " : "module ") << TerminalText(name) << " -> "
                  << TerminalText(file) << "\n";
    }
    DrawBar();
}

bool TerminalUi::StopForUncompiledCode(const Message&, const std::string& where) {
    Warn(
        "the application's code cannot have been compiled in Access: its procedures do not "
        "balance at " +
        where +
        ". It is converted as it is; compiling it in Access first gives a more "
        "accurate conversion.");
    return false;
}

void TerminalUi::StartProgress(int maximum) {
    maximum_ = maximum;
    value_ = 0;
    // The estimate goes by the conversion's pace, not the time spent loading
    // or answering questions.
    progressStart_ = std::chrono::steady_clock::now();
    DrawBar();
}

void TerminalUi::SetProgress(int value) {
    currentDone_ = currentDone_ || value > value_;
    value_ = value;
    DrawBar();
}

void TerminalUi::UpdateTime() {
    DrawBar();
}

void TerminalUi::EndProgress() {
    if (barShown_)
        std::cerr << "\n";
    barShown_ = false;
    maximum_ = 0;
}

void TerminalUi::DrawBar() {
    if (!showProgress_ || maximum_ <= 0)
        return;
    constexpr int kWidth = 30;
    int filled = maximum_ > 0 ? value_ * kWidth / maximum_ : 0;
    const auto now = std::chrono::steady_clock::now();
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    const double working = std::chrono::duration<double>(now - progressStart_).count();
    // The forms and modules finished: the one being converted is not yet.
    const int formsDone = formsBegun_ - (workingOnForm_ && !currentDone_ ? 1 : 0);
    const int modulesDone = modulesBegun_ - (!workingOnForm_ && !currentDone_ ? 1 : 0);
    std::string line = "\r[" + std::string(static_cast<size_t>(filled), '#') +
                       std::string(static_cast<size_t>(kWidth - filled), ' ') + "] ";
    if (forms_ > 0)
        line +=
            "forms " + std::to_string(std::max(formsDone, 0)) + "/" + std::to_string(forms_) + "  ";
    if (modules_ > 0)
        line += "modules " + std::to_string(std::max(modulesDone, 0)) + "/" +
                std::to_string(modules_) + "  ";
    line += MinutesAndSeconds(std::lround(elapsed)) + " elapsed";
    // The rest, at the pace so far, once there is a pace to go by.
    if (value_ > 0 && value_ < maximum_ && working >= 1.0)
        line += ", about " +
                MinutesAndSeconds(std::lround(working * (maximum_ - value_) / value_)) + " left";
    std::cerr << line << "\x1b[K" << std::flush;
    barShown_ = true;
}

void TerminalUi::ClearBar() {
    if (barShown_)
        std::cerr << "\r\x1b[K" << std::flush;
    barShown_ = false;
}

}  // namespace velorin
