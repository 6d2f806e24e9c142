#include "about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui_texts.h"

namespace velorin {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(PlainCaption(107));
    auto* title = new QLabel("<b>Velorin " VELORIN_VERSION "</b>", this);
    auto* purpose = new QLabel(
        "Converts an Access 97 database application into a Visual Basic 4 or 5 project.", this);
    purpose->setWordWrap(true);
    auto* credit = new QLabel(TranslationCredit(Caption(201)), this);
    credit->setObjectName("lblTranslation");
    auto* ok = new QPushButton(Caption(229), this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(purpose);
    layout->addWidget(credit);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

QString AboutBox::TranslationCredit(const QString& text) {
    return text.startsWith('[') ? QString() : text;
}

}  // namespace velorin
