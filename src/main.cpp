// Tessary: keeps the bulk order deeds of "Tessary.dat" in the working folder.
#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "framework/Prompt.h"
#include "resources/Fonts.h"
#include "resources/Messages.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("Tessary 2.0");
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::puts(
                "Usage: tessary\n"
                "Keeps the bulk order deeds of \"Tessary.dat\" in the working folder (created\n"
                "when missing); the settings live in \"Tessary.ini\" beside it. The program\n"
                "takes no file on its command line: start it in the folder of your deeds.");
            return 0;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessary"));
    tessary::res::installApplicationFont();

    tessary::fw::CQtPrompt prompt(tessary::msg::appTitle());
    tessary::CTessaryApp app(prompt, QDir::currentPath().toStdString());
    if (!app.start()) {
        return 1;
    }

    // For the pictures of the README: grab the window to a PNG after start-up and end.
    const QString shot = qEnvironmentVariable("TESSARY_SCREENSHOT");
    if (!shot.isEmpty()) {
        QTimer::singleShot(0, [&app, shot] {
            tessary::CMainFrame* frame = app.mainFrame();
            if (qEnvironmentVariable("TESSARY_SCREENSHOT_LIST") == QStringLiteral("conditions")) {
                frame->showConditionList();
            }
            frame->refreshStatusPanes();
            frame->grab().save(shot);
            frame->close();
        });
    }
    return QApplication::exec();
}
