#include "offscreen_qt.h"

#include <cstdlib>
#include <iostream>

namespace velorin {
namespace {

void DropQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::cerr << "velorin: " << text.toStdString() << "\n";
        std::abort();
    }
}

}  // namespace

OffscreenQt::OffscreenQt() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler(DropQtMessages);
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

}  // namespace velorin
