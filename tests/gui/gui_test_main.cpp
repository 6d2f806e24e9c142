// Runs the window tests on the offscreen platform, without a display.
#include <QApplication>
#include <QTest>

#include "main_window_test.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    velorin::MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
