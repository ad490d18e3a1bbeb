// The program as a user meets it: started in a working folder, its window, menus, panes, the
// document cycle and what lands on disk.
#include "GuiTestSupport.h"

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "data/DeedFile.h"
#include "framework/CommandRouter.h"
#include "resources/CommandIds.h"
#include "views/CategoryView.h"
#include "views/ConditionView.h"
#include "views/DeedView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace tessary {
namespace {

using namespace std::string_literals;
using test::deedFileOf;
using test::makeDeed;
using test::ScriptedPrompt;
using test::TempDir;

// The program started in a temporary working folder.
class Program : public test::ProgramTest {
protected:
    void start() { startProgram(); }
    // Closes the window as the user does; true when it closed.
    bool closeWindow() {
        QCloseEvent event;
        QApplication::sendEvent(frame, &event);
        return event.isAccepted();
    }
};

TEST_F(Program, FirstStartCreatesAnEmptyDeedFileAndTheCatalogueSettings) {
    start();
    EXPECT_EQ(dir.read("Tessary.dat"), "\x00\x00\x00\x00"s);
    const std::string ini = dir.read("Tessary.ini");
    EXPECT_NE(ini.find("[ConstantValues]\r\nCount=169\r\n"), std::string::npos);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("テサリー 【 ディード一覧 】"));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_EQ(frame->frameGeometry(), QRect(10, 10, 590, 390));
}

TEST_F(Program, ASecondInstanceIsRefusedWhileTheFirstRuns) {
    start();
    ScriptedPrompt secondPrompt;
    {
        CTessaryApp second(secondPrompt, dir.path(), dir.path());
        EXPECT_FALSE(second.start());
        EXPECT_EQ(second.mainFrame(), nullptr);
    }
    ASSERT_EQ(secondPrompt.shown.size(), 1u);
    EXPECT_EQ(secondPrompt.shown[0].icon, fw::MsgIcon::Stop);
    EXPECT_TRUE(secondPrompt.shown[0].text.startsWith(
        QStringLiteral("テサリー は起動中です。\n\n【 説明 】\n")));
    EXPECT_EQ(secondPrompt.shown[0].text.count(QLatin1Char('\n')), 6);

    ASSERT_TRUE(closeWindow());
    app.reset();
    ScriptedPrompt thirdPrompt;
    CTessaryApp third(thirdPrompt, dir.path(), dir.path());
    EXPECT_TRUE(third.start());
    EXPECT_TRUE(thirdPrompt.shown.empty());
}

TEST_F(Program, AMarkerThatCannotBeMadeIsNotTakenForASecondInstance) {
    // A link planted under the marker's name, in a folder shared with other users.
    const std::string marker = dir.file("TESSARY BY KORVANEL.PLIX 2002.lock");
    std::filesystem::create_symlink(dir.file("elsewhere"), marker);
    CTessaryApp refused(prompt, dir.path(), dir.path());
    EXPECT_FALSE(refused.start());
    EXPECT_EQ(refused.mainFrame(), nullptr);
    ASSERT_EQ(prompt.shown.size(), 1u);
    const QString text = prompt.shown[0].text;
    EXPECT_EQ(prompt.shown[0].icon, fw::MsgIcon::Stop);
    EXPECT_FALSE(text.contains(QStringLiteral("起動中")));
    EXPECT_FALSE(text.contains(QStringLiteral("再起動")));
    EXPECT_TRUE(text.contains(QString::fromStdString(marker))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromLocal8Bit(std::strerror(ELOOP)))) << text.toStdString();
    // Nothing else was done: no settings file, no deed file, nothing where the link points.
    EXPECT_FALSE(dir.exists("Tessary.ini"));
    EXPECT_FALSE(dir.exists("Tessary.dat"));
    EXPECT_FALSE(dir.exists("elsewhere"));
}

TEST_F(Program, TitlePanesAndMenuStatesFollowTheShownList) {
    dir.write("Tessary.dat",
              deedFileOf({makeDeed(1, 3, 7, 1, 2, 3, 1, "a"), makeDeed(2, 1, 2, 3, 1, 1, 2),
                          makeDeed(1, 2, 3, 1, 1, 2, 3)}));
    start();
    ASSERT_NE(frame->deedView(), nullptr);
    // The first group is selected at start: two of the three deeds.
    EXPECT_EQ(frame->paneText(1), QStringLiteral(" 2 / 3 枚 "));
    EXPECT_EQ(frame->paneText(2), QString());
    EXPECT_EQ(frame->paneText(3), QString());
    EXPECT_TRUE(enabled(cmd::SortType));
    EXPECT_TRUE(enabled(cmd::SortCombined));
    EXPECT_FALSE(enabled(cmd::SortCategory));
    EXPECT_FALSE(enabled(cmd::SortRemaining));
    EXPECT_FALSE(enabled(cmd::FileSave));
    EXPECT_TRUE(enabled(cmd::FileSaveAs));
    EXPECT_TRUE(enabled(cmd::ShowDeedList));

    ASSERT_TRUE(run(cmd::SortSerial));
    EXPECT_EQ(frame->paneText(2), QStringLiteral("登録番号順"));

    ASSERT_TRUE(run(cmd::ShowConditionList));
    ASSERT_NE(frame->conditionView(), nullptr);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("テサリー 【 受注状況一覧 】"));
    EXPECT_EQ(frame->paneText(1), QString());
    EXPECT_EQ(frame->paneText(2), QString());
    EXPECT_TRUE(enabled(cmd::SortCategory));
    EXPECT_TRUE(enabled(cmd::SortRemaining));
    EXPECT_FALSE(enabled(cmd::SortType));
    EXPECT_FALSE(enabled(cmd::SortCombined));
    EXPECT_FALSE(enabled(cmd::Export));
    ASSERT_TRUE(run(cmd::SortRemaining));
    EXPECT_EQ(frame->paneText(2), QStringLiteral("残数順"));

    // The radio marks of the two lists, as the menu shows them.
    QMenu* viewMenu = frame->menuBar()->actions().at(2)->menu();
    frame->router().refreshMenu(viewMenu);
    EXPECT_TRUE(frame->router().action(cmd::ShowConditionList)->isChecked());
    EXPECT_FALSE(frame->router().action(cmd::ShowDeedList)->isChecked());
    EXPECT_NE(frame->router().action(cmd::ShowConditionList)->actionGroup(), nullptr);

    // Back to the deed list: a new view, the sort state kept by the document.
    ASSERT_TRUE(run(cmd::ShowDeedList));
    ASSERT_NE(frame->deedView(), nullptr);
    EXPECT_EQ(frame->paneText(2), QStringLiteral("登録番号順"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("テサリー 【 ディード一覧 】"));
}

TEST_F(Program, ShowingTheShownListAgainChangesNothing) {
    start();
    CTessaryListView* before = frame->listView();
    ASSERT_TRUE(run(cmd::ShowDeedList));
    EXPECT_EQ(frame->listView(), before);
}

TEST_F(Program, AppendLoadRenumbersAndKeepsThePathAndTitle) {
    dir.write("Tessary.dat", deedFileOf({makeDeed(1, 1, 2, 1, 1, 1, 10)}));
    dir.write("other.dat", deedFileOf({makeDeed(1, 1, 3, 1, 1, 1, 1), makeDeed(1, 2, 2, 1, 1, 1, 2),
                                       makeDeed(1, 2, 3, 1, 1, 1, 3)}));
    start();
    prompt.paths.push_back(QString::fromStdString(dir.file("other.dat")));
    ASSERT_TRUE(run(cmd::AppendLoad));
    ASSERT_EQ(prompt.fileDialogs.size(), 1u);
    EXPECT_EQ(prompt.fileDialogs[0].title, QStringLiteral("追加読み込み"));
    std::vector<std::uint32_t> serials;
    for (const auto& d : doc().data().deeds()) {
        serials.push_back(d->serialNumber);
    }
    EXPECT_EQ(serials, (std::vector<std::uint32_t>{10, 11, 12, 13}));
    EXPECT_EQ(doc().pathName(), QString::fromStdString(dir.folderPath()));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("テサリー 【 ディード一覧 】"));
    EXPECT_TRUE(enabled(cmd::FileSave));
    EXPECT_EQ(frame->paneText(1), QStringLiteral(" 4 / 4 枚 "));

    // A file read whole renews the lists as an open does: the display condition goes.
    Deed deedFilter = doc().data().deedFilter();
    deedFilter.orderCode = Deed::makeOrderCode(2, 0);
    doc().data().setDeedFilter(deedFilter);
    doc().updateAllViews(nullptr, kHintFilterChanged);
    EXPECT_EQ(frame->paneText(3), QStringLiteral("表示条件あり"));
    EXPECT_EQ(frame->paneText(1), QStringLiteral(" 0 / 4 枚 "));
    prompt.paths.push_back(QString::fromStdString(dir.file("other.dat")));
    ASSERT_TRUE(run(cmd::AppendLoad));
    EXPECT_EQ(frame->paneText(3), QString());
    EXPECT_EQ(frame->paneText(1), QStringLiteral(" 7 / 7 枚 "));
}

TEST_F(Program, ClosingSavesTheDefaultFileSilentlyButAsksForAChosenFile) {
    start();
    doc().data().registerDeed(std::make_unique<Deed>(makeDeed(1, 1, 2, 1, 1, 1, 0)));
    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(dir.read("Tessary.dat").size(), 4u + 15u);
    app.reset();

    // A chosen file asks; Cancel keeps the window open, No closes without saving.
    dir.write("chosen.dat", deedFileOf({makeDeed(1, 1, 2, 1, 1, 1, 1)}));
    start();
    ASSERT_TRUE(app->openDocumentFile(QString::fromStdString(dir.file("chosen.dat"))));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("テサリー - chosen.dat 【 ディード一覧 】"));
    doc().data().registerDeed(std::make_unique<Deed>(makeDeed(1, 1, 3, 1, 1, 1, 0)));
    prompt.answers.push_back(fw::MsgAnswer::Cancel);
    EXPECT_FALSE(closeWindow());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("chosen.dat への変更を保存しますか?"));
    prompt.answers.push_back(fw::MsgAnswer::No);
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(dir.read("chosen.dat").size(), 4u + 15u);
}

TEST_F(Program, NewSavesTheDefaultFileFirstAndGivesAnUntitledDocument) {
    start();
    EXPECT_FALSE(enabled(cmd::FileSave));
    doc().data().registerDeed(std::make_unique<Deed>(makeDeed(1, 1, 2, 1, 1, 1, 0)));
    EXPECT_TRUE(enabled(cmd::FileSave));
    ASSERT_TRUE(run(cmd::FileNew));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(dir.read("Tessary.dat").size(), 4u + 15u);
    EXPECT_TRUE(doc().data().deeds().empty());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("テサリー - 無題 【 ディード一覧 】"));
    EXPECT_EQ(frame->paneText(1), QStringLiteral(" 0 / 0 枚 "));

    // An untitled document asks before it is abandoned; Yes asks for a name and saves there.
    doc().data().registerDeed(std::make_unique<Deed>(makeDeed(1, 1, 3, 1, 1, 1, 0)));
    prompt.answers.push_back(fw::MsgAnswer::Yes);
    prompt.paths.push_back(QString::fromStdString(dir.file("named.dat")));
    EXPECT_TRUE(closeWindow());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("無題 への変更を保存しますか?"));
    ASSERT_EQ(prompt.fileDialogs.size(), 1u);
    EXPECT_EQ(prompt.fileDialogs[0].title, QStringLiteral("名前を付けて保存"));
    EXPECT_TRUE(prompt.fileDialogs[0].confirmOverwrite);
    EXPECT_EQ(dir.read("named.dat").size(), 4u + 15u);
    EXPECT_EQ(dir.read("Tessary.dat").size(), 4u + 15u);
}

TEST_F(Program, ACorruptDefaultFileEndsTheProgramAndIsLeftAlone) {
    const std::string corrupt = "\x03\x00\x00\x00\x01\x02"s;
    dir.write("Tessary.dat", corrupt);
    app = std::make_unique<CTessaryApp>(prompt, dir.path(), dir.path());
    EXPECT_FALSE(app->start());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("予期しないﾌｧｲﾙ形式です。"));
    app.reset();
    EXPECT_EQ(dir.read("Tessary.dat"), corrupt);
}

TEST_F(Program, AnOpenThatFailsPartWayLeavesANewEmptyDocument) {
    dir.write("Tessary.dat", deedFileOf({makeDeed(1, 1, 2, 1, 1, 1, 1)}));
    std::string broken = deedFileOf({makeDeed(1, 1, 2, 1, 1, 1, 1), makeDeed(1, 1, 3, 1, 1, 1, 2)});
    broken.pop_back();
    dir.write("broken.dat", broken);
    start();
    EXPECT_EQ(frame->deedView()->rowCount(), 1);
    EXPECT_FALSE(app->openDocumentFile(QString::fromStdString(dir.file("broken.dat"))));
    EXPECT_TRUE(doc().data().deeds().empty());
    EXPECT_EQ(frame->deedView()->rowCount(), 0);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("テサリー - 無題 【 ディード一覧 】"));
    EXPECT_FALSE(doc().isModified());
    EXPECT_EQ(dir.read("broken.dat"), broken);

    // A file that cannot be opened at all leaves the document as it was: its deeds, its title,
    // and the changes still to be saved, shown again in the list.
    doc().data().registerDeed(std::make_unique<Deed>(makeDeed(1, 1, 2, 1, 1, 1)));
    ASSERT_TRUE(doc().isModified());
    prompt.answers.push_back(fw::MsgAnswer::No); // do not save the untitled document
    EXPECT_FALSE(app->openDocumentFile(QString::fromStdString(dir.file("missing.dat"))));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("テサリー - 無題 【 ディード一覧 】"));
    EXPECT_EQ(doc().data().deeds().size(), 1u);
    EXPECT_TRUE(doc().isModified());
    EXPECT_EQ(frame->deedView()->rowCount(), 1);
}

TEST_F(Program, TabMovesTheFocusBetweenTreeAndList) {
    start();
    frame->show();
    QApplication::setActiveWindow(frame);
    frame->categoryView()->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QTest::keyClick(frame->categoryView(), Qt::Key_Tab);
    EXPECT_TRUE(frame->listView()->hasFocus());
    QTest::keyClick(frame->listView(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(frame->categoryView()->hasFocus());

    // The focus stays in the list when the list is switched.
    frame->listView()->setFocus();
    ASSERT_TRUE(run(cmd::ShowConditionList));
    EXPECT_TRUE(frame->listView()->hasFocus());
}

} // namespace
} // namespace tessary
