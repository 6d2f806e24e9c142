// "Conversion Analysis": the reports of the support database to print.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace velorin {

class ReportsWindow : public QDialog {
    Q_OBJECT
  public:
    // `reports` are the report titles in the support database's order.
    explicit ReportsWindow(const QStringList& reports, QWidget* parent = nullptr);

    bool Cancelled() const { return cancelled_; }
    // The rows chosen, in list order.
    QList<int> SelectedRows() const;

  private:
    QListWidget* list_;
    bool cancelled_ = false;
};

}  // namespace velorin
