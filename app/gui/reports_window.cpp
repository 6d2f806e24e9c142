#include "reports_window.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui_texts.h"

namespace velorin {

ReportsWindow::ReportsWindow(const QStringList& reports, QWidget* parent) : QDialog(parent) {
    setObjectName("frmReports");
    setWindowTitle(Caption(233));
    auto* intro = new QLabel(Caption(232), this);
    intro->setObjectName("Label1_0");
    intro->setWordWrap(true);
    auto* heading = new QLabel(Caption(231), this);
    heading->setObjectName("Label1_1");
    list_ = new QListWidget(this);
    list_->setObjectName("lstReports");
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    list_->addItems(reports);
    heading->setBuddy(list_);

    auto* ok = new QPushButton(Caption(229), this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(Caption(230), this);
    cancel->setObjectName("cmdCancel");
    auto* selectAll = new QPushButton(Caption(224), this);
    selectAll->setObjectName("cmdSelForms");
    connect(ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        cancelled_ = true;
        reject();
    });
    connect(selectAll, &QPushButton::clicked, list_, &QListWidget::selectAll);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(selectAll);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(heading);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(460, 320);
}

QList<int> ReportsWindow::SelectedRows() const {
    QList<int> rows;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->isSelected())
            rows.append(row);
    }
    return rows;
}

}  // namespace velorin
