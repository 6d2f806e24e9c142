#include "help_book.h"

#include <QDialog>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace velorin {

QString HelpBook::PageFor(int context) {
    switch (context) {
        case 29:  // the database is not compiled
            return "compile.html";
        case 301:  // more than 254 controls on a form
            return "control-limit.html";
        default:
            return "index.html";
    }
}

void HelpBook::Show(QWidget* parent, int context) const {
    auto* window = new QDialog(parent);
    window->setObjectName("helpWindow");
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle("Velorin Help");
    auto* browser = new QTextBrowser(window);
    browser->setObjectName("helpBrowser");
    browser->setSearchPaths({folder_});
    browser->setOpenLinks(true);
    browser->setSource(QUrl(PageFor(context)));
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(browser);
    window->resize(640, 520);
    window->show();
}

}  // namespace velorin
