// Tessary: keeps the bulk order deeds of "Tessary.dat" in the working folder.
#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "framework/Prompt.h"
#include "platform/WorkingFolder.h"
#include "resources/Fonts.h"
#include "resources/Messages.h"
#include "resources/QtTranslation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QPixmap>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const tessary::StartOptions options =
        tessary::parseStartOptions(std::vector<std::string>(argv + 1, argv + argc));
    switch (options.action) {
    case tessary::StartOptions::Action::Version:
        std::puts("Tessary 2.0");
        return 0;
    case tessary::StartOptions::Action::Help:
        std::puts("Usage: tessary [--folder DIR | --data-folder]\n"
                  "Keeps the bulk order deeds of \"Tessary.dat\" in the working folder (created\n"
                  "when missing); the settings live in \"Tessary.ini\" beside it. The program\n"
                  "takes no file on its command line: start it in the folder of your deeds.\n"
                  "\n"
                  "  --folder DIR    run in DIR instead of the current folder (made when missing)\n"
                  "  --data-folder   run in your own data folder, $XDG_DATA_HOME/tessary, else\n"
                  "                  ~/.local/share/tessary (made when missing); the desktop menu\n"
                  "                  starts the program this way\n"
                  "  --version       print the version and end\n"
                  "  --help          print this text and end");
        return 0;
    case tessary::StartOptions::Action::Invalid:
        std::fprintf(stderr, "tessary: %s\n", options.error.c_str());
        return 2;
    case tessary::StartOptions::Action::Run:
        break;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessary"));
    // Matches the installed desktop entry, so the desktop shows its icon for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSARY_APP_ID));
    tessary::res::installApplicationFont();
    tessary::fw::CQtPrompt prompt(tessary::msg::appTitle());

    // The folder named on the command line, or the user's data folder, becomes the working
    // folder; a desktop launch has no terminal, so a folder that cannot be used is said in a
    // message box.
    std::string folder = options.folder;
    int error = 0;
    if (options.dataFolder) {
        folder = tessary::userDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        if (folder.empty()) {
            folder = "~/.local/share/tessary";
            error = ENOENT;
        }
    }
    if (!folder.empty() && error == 0) {
        error = tessary::enterWorkingFolder(folder);
    }
    if (error != 0) {
        std::fprintf(stderr, "tessary: cannot work in the folder %s: %s\n", folder.c_str(),
                     std::strerror(error));
        tessary::res::installQtTranslation();
        prompt.message(
            nullptr,
            tessary::msg::workingFolderUnusable(QFile::decodeName(folder.c_str()),
                                                QString::fromLocal8Bit(std::strerror(error))),
            tessary::fw::MsgButtons::Ok, tessary::fw::MsgIcon::Stop, tessary::fw::MsgAnswer::Ok);
        return 1;
    }

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
