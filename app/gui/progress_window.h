// "Conversion Progress": a bar over the forms and modules and the time elapsed.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <functional>

class QLabel;
class QProgressBar;

namespace velorin {

class ProgressWindow : public QDialog {
    Q_OBJECT
  public:
    // `clock` gives the seconds since the window opened; by default a monotonic
    // timer, so that a conversion across midnight shows the right time.
    explicit ProgressWindow(QWidget* parent = nullptr, std::function<double()> clock = {});

    void SetMaximum(int maximum);
    void SetValue(int value);
    void UpdateTime();

    QString TimeText() const;
    int Value() const;
    int Maximum() const;

  private:
    QLabel* converting_;
    QLabel* time_;
    QProgressBar* bar_;
    QElapsedTimer timer_;
    std::function<double()> clock_;
};

}  // namespace velorin
