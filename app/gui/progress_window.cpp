#include "progress_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "gui_texts.h"
#include "session/string_table.h"

namespace velorin {

ProgressWindow::ProgressWindow(QWidget* parent, std::function<double()> clock)
    : QDialog(parent), clock_(std::move(clock)) {
    setObjectName("Progress");
    setWindowTitle(Caption(226));
    converting_ = new QLabel(Caption(227), this);
    converting_->setObjectName("lblConvert");
    time_ = new QLabel(this);
    time_->setObjectName("lblTime");
    bar_ = new QProgressBar(this);
    bar_->setObjectName("prog1");
    bar_->setMinimumWidth(360);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(converting_);
    layout->addWidget(bar_);
    layout->addWidget(time_);
    timer_.start();
    if (!clock_)
        clock_ = [this] { return static_cast<double>(timer_.elapsed()) / 1000.0; };
    UpdateTime();
}

void ProgressWindow::SetMaximum(int maximum) {
    bar_->setMaximum(maximum > 0 ? maximum : 1);
}

void ProgressWindow::SetValue(int value) {
    bar_->setValue(std::min(value, bar_->maximum()));
}

void ProgressWindow::UpdateTime() {
    time_->setText(QString::fromStdString(ElapsedTimeText(std::lround(clock_()))));
}

QString ProgressWindow::TimeText() const {
    return time_->text();
}
int ProgressWindow::Value() const {
    return bar_->value();
}
int ProgressWindow::Maximum() const {
    return bar_->maximum();
}

}  // namespace velorin
