// Where the main window opens and what it leaves in the settings file: the outer rectangle,
// frame and title bar included, and the width of the tree.
#include "GuiTestSupport.h"

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "views/CategoryView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QSplitter>

#include <gtest/gtest.h>

namespace tessary {
namespace {

using test::ScriptedPrompt;
using test::TempDir;

class Placement : public ::testing::Test {
protected:
    // Starts the program with these "Layout" values (an empty one is left out).
    void start(const std::string& position, const std::string& treeWidth = {}) {
        {
            ProfileFile settings(dir.file("Tessary.ini"));
            if (!position.empty()) {
                settings.writeString("Layout", "MainWindowPos", position);
            }
            if (!treeWidth.empty()) {
                settings.writeString("Layout", "CategoryViewWidth", treeWidth);
            }
        }
        app = std::make_unique<CTessaryApp>(prompt, dir.path(), dir.path());
        ASSERT_TRUE(app->start());
        frame = app->mainFrame();
    }
    // Closes the window as the user does and ends the program.
    void quit() {
        QCloseEvent event;
        QApplication::sendEvent(frame, &event);
        ASSERT_TRUE(event.isAccepted());
        app.reset();
        frame = nullptr;
    }
    std::string saved(const char* key) {
        return ProfileFile(dir.file("Tessary.ini")).readString("Layout", key, "(none)");
    }

    TempDir dir;
    ScriptedPrompt prompt;
    std::unique_ptr<CTessaryApp> app;
    CMainFrame* frame = nullptr;
};

TEST_F(Placement, TheStoredRectangleIsTheOuterOneAndComesBackUnchanged) {
    // Each of the four fields lands on its own edge of the frame, not of the inner area.
    start("00020003008000600");
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_EQ(frame->frameGeometry(), QRect(QPoint(20, 30), QPoint(799, 599)));
    EXPECT_TRUE(frame->frameGeometry().contains(frame->geometry()));
    quit();
    EXPECT_EQ(saved("MainWindowPos"), "00020003008000600");

    // A window pushed a little past the screen's top left corner keeps its negative edges.
    start("0-008-00806000400");
    EXPECT_EQ(frame->frameGeometry(), QRect(QPoint(-8, -8), QPoint(599, 399)));
    quit();
    EXPECT_EQ(saved("MainWindowPos"), "0-008-00806000400");

    // Moved and resized by the user: the new frame is what is stored.
    start("00020003008000600");
    frame->move(40, 50);
    frame->resize(frame->width() + 100, frame->height() + 20);
    const QRect moved = frame->frameGeometry();
    quit();
    EXPECT_EQ(saved("MainWindowPos"), "0004000500" + std::to_string(moved.right() + 1) + "0" +
                                          std::to_string(moved.bottom() + 1));
}

TEST_F(Placement, AMaximisedWindowKeepsTheRectangleItReturnsTo) {
    start("10020003008000600");
    EXPECT_TRUE(frame->isMaximized());
    quit();
    // Stored again exactly, however many times the program starts maximised.
    EXPECT_EQ(saved("MainWindowPos"), "10020003008000600");

    start("10020003008000600");
    frame->showNormal();
    EXPECT_EQ(frame->frameGeometry(), QRect(QPoint(20, 30), QPoint(799, 599)));
    quit();
    EXPECT_EQ(saved("MainWindowPos"), "00020003008000600");
}

TEST_F(Placement, AValueOfTheWrongLengthOrOffEveryScreenStillGivesAReachableWindow) {
    // 16 characters: the default, 10, 10 with an outer size of 590 x 390.
    start("0002000300800060");
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_EQ(frame->frameGeometry(), QRect(10, 10, 590, 390));
    quit();

    start("09000900099999999");
    EXPECT_TRUE(
        QGuiApplication::primaryScreen()->availableGeometry().intersects(frame->frameGeometry()));
    quit();

    // A rectangle too small to use grows to one that is.
    start("00100010001100011");
    EXPECT_GE(frame->frameGeometry().width(), 160);
    EXPECT_GE(frame->frameGeometry().height(), 120);
}

TEST_F(Placement, TheTreeWidthIsRestoredAndSaved) {
    start({});
    EXPECT_EQ(frame->categoryView()->width(), 200);
    quit();
    EXPECT_EQ(saved("CategoryViewWidth"), "200");

    start("00000000008000600", "260");
    EXPECT_EQ(frame->categoryView()->width(), 260);
    // The user drags the splitter bar.
    auto* splitter = qobject_cast<QSplitter*>(frame->centralWidget());
    ASSERT_NE(splitter, nullptr);
    splitter->setSizes({310, splitter->width() - 310 - splitter->handleWidth()});
    EXPECT_EQ(frame->categoryView()->width(), 310);
    quit();
    EXPECT_EQ(saved("CategoryViewWidth"), "310");
}

} // namespace
} // namespace tessary
