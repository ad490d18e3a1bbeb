// Runs the GUI tests on an offscreen QApplication with fixed fonts and locale.
#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANG", "C.UTF-8");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
