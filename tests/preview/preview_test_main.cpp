// The preview tests paint with Qt: fonts need a GUI application, which runs on
// the offscreen platform so that no display is needed.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include <cstdio>

#include "preview/preview_fonts.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (!velorin::LoadPreviewFont()) {
        fprintf(stderr, "DejaVu Sans is missing: install fonts-dejavu-core\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
