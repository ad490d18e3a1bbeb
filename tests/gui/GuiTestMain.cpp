// Runs the GUI tests on an offscreen QApplication with fixed fonts and locale.
#include "resources/Fonts.h"

#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANG", "C.UTF-8");
    QApplication app(argc, argv);
    tessary::res::installApplicationFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
