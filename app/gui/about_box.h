// "About": the program, its version and the translation credit.
#pragma once

#include <QDialog>

namespace velorin {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);
    // The credit line: empty while the table holds its "[...]" placeholder.
    static QString TranslationCredit(const QString& text);
};

}  // namespace velorin
