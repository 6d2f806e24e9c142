#include "gui_user_interface.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "common/ansi_text.h"
#include "help_book.h"

namespace velorin {
namespace {

QMessageBox::Icon BoxIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The window keeps answering while the driver works.
void KeepResponsive() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

Answer ShowMessageBox(QWidget* parent, const HelpBook& help, const Message& message) {
    // A box over a window not shown yet (the start-up checks) would sit where
    // that window has not been placed: without it Qt centres it on the screen.
    QWidget* over = parent != nullptr && parent->isVisible() ? parent : nullptr;
    for (;;) {
        QMessageBox box(BoxIcon(message.icon), "Velorin",
                        QString::fromStdString(AnsiToUtf8(message.text)), QMessageBox::NoButton,
                        over);
        const bool question =
            message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoHelp;
        QPushButton* first = box.addButton(question ? QMessageBox::Yes : QMessageBox::Ok);
        QPushButton* second = question ? box.addButton(QMessageBox::No) : nullptr;
        QPushButton* helpButton = nullptr;
        if (message.buttons == Buttons::OkHelp || message.buttons == Buttons::YesNoHelp)
            helpButton = box.addButton(QMessageBox::Help);
        box.setDefaultButton(message.secondButtonDefault && second != nullptr ? second : first);
        box.exec();
        if (helpButton != nullptr && box.clickedButton() == helpButton) {
            help.Show(parent, message.helpContext != 0 ? message.helpContext : 0);
            continue;
        }
        if (!question)
            return Answer::Ok;
        return box.clickedButton() == first ? Answer::Yes : Answer::No;
    }
}

void GuiUserInterface::Warn(const std::string& text) {
    warnings_.append(QString::fromStdString(AnsiToUtf8(text)));
    KeepResponsive();
}

void GuiUserInterface::StartProgress(int maximum) {
    progress_ = std::make_unique<ProgressWindow>(parent_);
    progress_->SetMaximum(maximum);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        progress_->adjustSize();
        progress_->move(area.center() - progress_->rect().center());
    }
    progress_->show();
    KeepResponsive();
}

void GuiUserInterface::SetProgress(int value) {
    if (progress_)
        progress_->SetValue(value);
    KeepResponsive();
}

void GuiUserInterface::UpdateTime() {
    if (progress_)
        progress_->UpdateTime();
    KeepResponsive();
}

void GuiUserInterface::EndProgress() {
    if (progress_)
        progress_->hide();
    KeepResponsive();
}

bool GuiUserInterface::StopForUncompiledCode(const Message& question, const std::string& where) {
    Message ask = question;
    ask.text += "\n\nThe first procedure that is not closed: " + where;
    if (ask_(ask) != Answer::Yes)
        return false;
    Message explain;
    explain.text =
        "Nothing has been converted and no file has been changed. Compile the database in "
        "Access (Debug, Compile All Modules), export it again and convert the new export; "
        "Access itself does not run on this machine.";
    explain.icon = Icon::Information;
    ask_(explain);
    return true;
}

}  // namespace velorin
