// The desktop's side of the driver's user interface: message boxes (or a
// stand-in that answers them), the progress window, and the warnings kept
// for the end of the conversion.
#pragma once

#include <QStringList>
#include <functional>
#include <memory>

#include "progress_window.h"
#include "session/user_interface.h"

class QWidget;

namespace velorin {

class HelpBook;

using AskFunction = std::function<Answer(const Message&)>;

// A message box for `message`; its Help button opens the help book at the
// message's help context and shows the message again.
Answer ShowMessageBox(QWidget* parent, const HelpBook& help, const Message& message);

class GuiUserInterface : public UserInterface {
  public:
    GuiUserInterface(AskFunction ask, QWidget* parent) : ask_(std::move(ask)), parent_(parent) {}

    Answer Show(const Message& message) override { return ask_(message); }
    void Warn(const std::string& text) override;
    void StartProgress(int maximum) override;
    void SetProgress(int value) override;
    void UpdateTime() override;
    void EndProgress() override;
    // Asks; on Yes explains that the application must be compiled in Access,
    // which this machine does not have, and stops before anything is changed.
    bool StopForUncompiledCode(const Message& question, const std::string& where) override;

    const QStringList& Warnings() const { return warnings_; }
    ProgressWindow* Progress() const { return progress_.get(); }

  private:
    AskFunction ask_;
    QWidget* parent_;
    std::unique_ptr<ProgressWindow> progress_;
    QStringList warnings_;
};

}  // namespace velorin
