// The type list window: opened from the ツール menu's command, kept to one window, placed and
// sized from the settings, refilled by a rename, and working the document's keys.
#include "GuiTestSupport.h"

#include "platform/DecimalText.h"

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "dialogs/NameCustomizeDialog.h"
#include "framework/CommandRouter.h"
#include "resources/CommandIds.h"
#include "views/EntityListFrame.h"
#include "views/EntityListView.h"
#include "widgets/OwnerDrawListCtrl.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tessary {
namespace {

using test::ModalAnswer;
using test::ScriptedPrompt;
using test::TempDir;

class TypeListWindow : public test::ProgramTest {
protected:
    void start(std::initializer_list<Deed> deeds = {}) {
        if (!dir.exists("Tessary.dat")) {
            dir.write("Tessary.dat", test::deedFileOf(deeds));
        }
        startProgram();
    }
    void stop() {
        QCloseEvent close;
        QApplication::sendEvent(frame, &close);
        ASSERT_TRUE(close.isAccepted());
        app.reset();
        frame = nullptr;
    }
    void storeLayout(const char* key, const std::string& value) {
        ProfileFile(dir.file("Tessary.ini")).writeString("Layout", key, value);
    }
    std::string storedLayout(const char* key) {
        return ProfileFile(dir.file("Tessary.ini")).readString("Layout", key, "(missing)");
    }
    CEntityListFrame* openTypeList() {
        EXPECT_TRUE(frame->router().execute(cmd::ShowTypeList));
        return frame->typeListFrame();
    }
    // Opens the window, notes its normal rectangle, closes it.
    QRect openedRect() {
        CEntityListFrame* window = openTypeList();
        if (window == nullptr) {
            ADD_FAILURE() << "no window";
            return {};
        }
        // The stored rectangle is the outer one, frame included.
        const QRect rect = window->frameGeometry();
        window->close();
        return rect;
    }
    static QStringList column(const CEntityListView* view, int c) {
        QStringList texts;
        for (int r = 0; r < view->rowCount(); ++r) {
            texts << view->text(r, c);
        }
        return texts;
    }
};

TEST_F(TypeListWindow, ListsEveryTypeSortedInOneWindowWithoutAMenu) {
    start();
    ASSERT_TRUE(frame->router().isEnabled(cmd::ShowTypeList));
    CEntityListFrame* window = openTypeList();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("種類一覧"));
    EXPECT_EQ(window->menuWidget(), nullptr);
    EXPECT_EQ(window->parentWidget(), nullptr); // a top-level window of its own
    EXPECT_TRUE(window->isVisible());

    const CEntityListView* view = window->view();
    ASSERT_EQ(view->rowCount(), 123);
    EXPECT_EQ(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("種類"));
    EXPECT_EQ(view->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("グループ"));
    EXPECT_EQ(view->drawMode(), DrawMode::Plain);
    const QStringList types = column(view, 0);
    EXPECT_EQ(types.first(), QStringLiteral(" Chainmail 大口"));
    EXPECT_EQ(view->text(0, 2), QStringLiteral(" 鍛冶（防具）"));

    // A click on a column title does not sort.
    QHeaderView* header = view->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
    EXPECT_EQ(column(view, 0), types);

    // The command brings the one window back in its normal size, from minimised or maximised.
    window->showMinimized();
    EXPECT_EQ(openTypeList(), window);
    EXPECT_FALSE(window->isMinimized());
    window->showMaximized();
    EXPECT_EQ(openTypeList(), window);
    EXPECT_FALSE(window->isMaximized());
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        windows += qobject_cast<CEntityListFrame*>(top) != nullptr && top->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(windows, 1);

    // Closed, the next command makes a new one.
    window->close();
    EXPECT_EQ(frame->typeListFrame(), nullptr);
    EXPECT_NE(openTypeList(), nullptr);
}

TEST_F(TypeListWindow, PlaceAndColumnWidthsComeFromTheSettingsAndGoBackOnClose) {
    start();
    // No stored place, then stored places of the wrong length.
    EXPECT_EQ(openedRect(), QRect(30, 30, 570, 370));
    storeLayout("EntityListPos", "0003000300600040");
    EXPECT_EQ(openedRect(), QRect(30, 30, 600, 400));
    storeLayout("EntityListPos", "000300030060004000");
    EXPECT_EQ(openedRect(), QRect(30, 30, 600, 400));

    // Maximised, with its normal rectangle kept.
    storeLayout("EntityListPos", "10040005003400250");
    CEntityListFrame* window = openTypeList();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isMaximized());
    window->close();
    EXPECT_EQ(storedLayout("EntityListPos"), "10040005003400250");

    storeLayout("EntityListPos", "00100011005000350");
    storeLayout("EntityListViewColumns", "009001200045");
    window = openTypeList();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->view()->columnWidths(), (std::vector<int>{90, 120, 45}));
    window->move(140, 120);
    window->resize(400, 240);
    const QRect outer = window->frameGeometry();
    window->view()->header()->resizeSection(1, 10000);
    // The program ends with the window open: both are written as on any close.
    stop();
    std::string expected = "001400120";
    appendZeroPadded(expected, 140 + outer.width(), 4);
    appendZeroPadded(expected, 120 + outer.height(), 4);
    EXPECT_EQ(storedLayout("EntityListPos"), expected);
    EXPECT_EQ(storedLayout("EntityListViewColumns"), "0090100000045");

    // Five digits make the value too long: every column falls back to 150.
    start();
    window = openTypeList();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->view()->columnWidths(), (std::vector<int>{150, 150, 150}));

    // A place off every screen opens on the primary screen.
    window->close();
    storeLayout("EntityListPos", "09000900099999999");
    window = openTypeList();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(
        QGuiApplication::primaryScreen()->availableGeometry().intersects(window->geometry()));
}

TEST_F(TypeListWindow, ARenameRefillsAndResortsTheOpenListAndNothingElseDoes) {
    start({test::makeDeed(1, 2, 3, 1, 2, 3, 1)});
    CEntityListFrame* window = openTypeList();
    ASSERT_NE(window, nullptr);
    const QStringList before = column(window->view(), 0);

    // Edits and a new document leave the list alone.
    prompt.answers.push_back(fw::MsgAnswer::No);
    ASSERT_TRUE(frame->router().execute(cmd::FileNew));
    EXPECT_EQ(column(window->view(), 0), before);

    ModalAnswer answer([](QDialog& dialog) {
        auto& d = dynamic_cast<CNameCustomizeDialog&>(dialog);
        d.chooseKind(NamingKind::Type);
        COwnerDrawListCtrl* list = d.nameList();
        for (int r = 0; r < list->rowCount(); ++r) {
            if (list->text(r, 0) == QStringLiteral(" halberd")) {
                list->selectionModel()->setCurrentIndex(list->model()->index(r, 0),
                                                        QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
            }
        }
        d.editSelected();
        ASSERT_NE(d.nameEditor(), nullptr);
        d.nameEditor()->setText(QStringLiteral("Aardvark pole"));
        d.endEdit(true);
        d.chooseKind(NamingKind::Category);
        list->selectionModel()->setCurrentIndex(list->model()->index(0, 0),
                                                QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
        d.editSelected();
        d.nameEditor()->setText(QStringLiteral("poles"));
        d.endEdit(true);
        d.saveButton()->click();
    });
    ASSERT_TRUE(frame->router().execute(cmd::CustomizeNames));
    ASSERT_TRUE(answer.answered());
    const CEntityListView* view = window->view();
    ASSERT_EQ(view->rowCount(), 123);
    EXPECT_EQ(view->text(0, 0), QStringLiteral(" Aardvark pole"));
    EXPECT_EQ(view->text(0, 1), QStringLiteral(" poles"));
    EXPECT_FALSE(column(view, 0).contains(QStringLiteral(" halberd")));
}

TEST_F(TypeListWindow, TheDocumentsKeysWorkThereAndTheListCommandsDoNot) {
    start({test::makeDeed(1, 2, 3, 1, 2, 3, 1)});
    CEntityListFrame* window = openTypeList();
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    window->view()->setFocus();
    fw::CCommandRouter& router = window->router();
    EXPECT_TRUE(router.isEnabled(cmd::FileNew));
    EXPECT_TRUE(router.isEnabled(cmd::FileOpen));
    EXPECT_TRUE(router.isEnabled(cmd::CustomizeNames));
    EXPECT_FALSE(router.isEnabled(cmd::Register));
    EXPECT_FALSE(router.isEnabled(cmd::Delete));
    EXPECT_FALSE(router.isEnabled(cmd::SortType));

    // Ctrl+S saves the modified document; Insert and Ctrl+D do nothing here.
    CTessaryDoc& doc = *app->document();
    doc.data().registerDeed(std::make_unique<Deed>(test::makeDeed(4, 1, 2, 1, 1, 1)));
    ASSERT_TRUE(doc.isModified());
    QTest::keyClick(window->view(), Qt::Key_Insert);
    QTest::keyClick(window->view(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(doc.data().deeds().size(), 2u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::keyClick(window->view(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(doc.isModified());
    DeedDocument reread;
    reread.catalogue().buildDefault();
    ASSERT_TRUE(reread.openDocument(dir.file("Tessary.dat")).ok());
    EXPECT_EQ(reread.deeds().size(), 2u);

    // The type list command from the window itself keeps the one window.
    QTest::keyClick(window->view(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(doc.data().deeds().empty());
    EXPECT_TRUE(router.execute(cmd::ShowTypeList));
    EXPECT_EQ(frame->typeListFrame(), window);
}

} // namespace
} // namespace tessary
