// The simple text of the deed list on the clipboard, and the detail dialog of the order-status
// list, both reached through their commands as the user reaches them.
#include "GuiTestSupport.h"

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "data/DeedFile.h"
#include "dialogs/ConditionDetailDialog.h"
#include "framework/CommandRouter.h"
#include "resources/CommandIds.h"
#include "views/CategoryView.h"
#include "views/ConditionView.h"
#include "views/DeedView.h"
#include "widgets/OwnerDrawListCtrl.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

namespace tessary {
namespace {

using test::ScriptedPrompt;
using test::TempDir;

Deed deed(int group, int category, int type, int material, int quality, int quantity,
          std::uint16_t combined = 0) {
    Deed d;
    d.itemCode = Deed::makeItemCode(group, category, type, material);
    d.orderCode = Deed::makeOrderCode(quality, quantity);
    d.combined = combined;
    return d;
}

// What a detail dialog showed when it came up.
struct ShownDetail {
    QString title;
    std::vector<QString> fields;
    QStringList columns;
    std::vector<int> columnWidths;
    bool headerClickable = true;
    DrawMode drawMode = DrawMode::None;
    std::vector<QStringList> lines;
    std::vector<std::uint32_t> itemData;
};

// The program started in a temporary working folder.
class DetailAndText : public test::ProgramTest {
protected:
    void start(std::initializer_list<Deed> deeds) {
        dir.write("Tessary.dat", test::numberedDeedFileOf(deeds));
        startProgram();
    }
    static void selectRow(QTreeView& view, int row) {
        const QModelIndex index = view.model()->index(row, 0);
        view.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    }
    // Selects the deed list row of the deed with registration number `serial`.
    void selectDeed(std::uint32_t serial) {
        CDeedView* view = frame->deedView();
        for (std::size_t i = 0; i < view->rows().size(); ++i) {
            if (view->rows()[i]->serialNumber == serial) {
                selectRow(*view, static_cast<int>(i));
                return;
            }
        }
        FAIL() << "deed " << serial << " not listed";
    }
    // Selects the order-status row of a large order.
    void selectOrder(int group, int category, int material, int quality, int quantity) {
        CConditionView* view = frame->conditionView();
        const std::uint32_t first = Deed::makeItemCode(group, category, 0, material);
        const std::uint32_t second = Deed::makeOrderCode(quality, quantity);
        for (std::size_t i = 0; i < view->rows().size(); ++i) {
            if (view->rows()[i]->firstKey == first && view->rows()[i]->secondKey == second) {
                selectRow(*view, static_cast<int>(i));
                return;
            }
        }
        FAIL() << "order not listed";
    }

    // Runs `trigger`; every detail dialog it opens is recorded and then closed by `close`.
    std::vector<ShownDetail>
    captureDetails(const std::function<void()>& trigger,
                   const std::function<void(CConditionDetailDialog&)>& close) {
        std::vector<ShownDetail> shown;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<CConditionDetailDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            ShownDetail s;
            s.title = dialog->windowTitle();
            for (int f = 0; f < CConditionDetailDialog::kFieldCount; ++f) {
                s.fields.push_back(
                    dialog->fieldText(static_cast<CConditionDetailDialog::Field>(f)));
            }
            COwnerDrawListCtrl* list = dialog->deedList();
            for (int c = 0; c < list->columnCount(); ++c) {
                s.columns << list->model()->headerData(c, Qt::Horizontal).toString();
                s.columnWidths.push_back(list->header()->sectionSize(c));
            }
            s.headerClickable = list->header()->sectionsClickable();
            s.drawMode = list->drawMode();
            for (int r = 0; r < list->rowCount(); ++r) {
                s.lines.push_back({list->text(r, 0), list->text(r, 1)});
                s.itemData.push_back(list->itemData(r));
            }
            shown.push_back(std::move(s));
            // A further selected row opens the next dialog once this one is closed.
            timer.start();
            close(*dialog);
        });
        timer.start();
        trigger();
        timer.stop();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        return shown;
    }
    std::vector<ShownDetail> runDetail(const std::function<void(CConditionDetailDialog&)>& close) {
        return captureDetails([this] { EXPECT_TRUE(run(cmd::Detail)); }, close);
    }

    static void pressEnterInList(CConditionDetailDialog& dialog) {
        QTest::keyClick(dialog.deedList(), Qt::Key_Return);
    }
    static void pressEscape(CConditionDetailDialog& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
    }
    static void clickClose(CConditionDetailDialog& dialog) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("終了")) {
                EXPECT_TRUE(button->isDefault());
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no 終了 button";
        dialog.reject();
    }
};

// ---------------------------------------------------------------------------------------------
// Simple text

TEST_F(DetailAndText, SimpleTextPutsTheSelectedDeedOnTheClipboardInTheStoredOrder) {
    // katana: cutlass set, type 7; iron ingots, exceptional, 20.
    start({deed(1, 2, 3, 1, 1, 1), deed(1, 3, 7, 1, 2, 3)});
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));

    // Nothing selected: the command is unavailable and leaves the clipboard alone.
    EXPECT_FALSE(enabled(cmd::SimpleText));
    EXPECT_FALSE(run(cmd::SimpleText));
    EXPECT_EQ(clipboard->text(), QStringLiteral("before"));

    selectDeed(2);
    EXPECT_TRUE(enabled(cmd::SimpleText));
    ASSERT_TRUE(run(cmd::SimpleText));
    EXPECT_EQ(clipboard->text(), QStringLiteral("katana/iron ingots/exceptional/20"));

    // The order is read from the settings each time.
    doc().settings().writeString("Settings", "SimpleTextOrder", "03020100");
    ASSERT_TRUE(run(cmd::SimpleText));
    EXPECT_EQ(clipboard->text(), QStringLiteral("20/exceptional/iron ingots/katana"));

    // Another deed, and the Japanese quality name arrives as text, not as CP932 bytes.
    selectDeed(1);
    ASSERT_TRUE(run(cmd::SimpleText));
    EXPECT_EQ(clipboard->text(), QStringLiteral("10/標準/iron ingots/maul"));

    // An order naming no piece gives the empty text, which still replaces the clipboard.
    doc().settings().writeString("Settings", "SimpleTextOrder", "04059999");
    ASSERT_TRUE(run(cmd::SimpleText));
    EXPECT_EQ(clipboard->text(), QString());

    // Without a tree node the command does nothing.
    clipboard->setText(QStringLiteral("kept"));
    doc().data().setSelectedEntry(nullptr);
    EXPECT_TRUE(frame->deedView()->onCommand(cmd::SimpleText));
    EXPECT_EQ(clipboard->text(), QStringLiteral("kept"));
}

TEST_F(DetailAndText, SimpleTextReadsAStoredOrderAtStartAndIgnoresOneOfTheWrongLength) {
    dir.write("Tessary.ini", "[Settings]\r\nSimpleTextOrder=03020100\r\n");
    start({deed(1, 3, 7, 1, 2, 3)});
    selectDeed(1);
    ASSERT_TRUE(run(cmd::SimpleText));
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("20/exceptional/iron ingots/katana"));

    doc().settings().writeString("Settings", "SimpleTextOrder", "030201");
    ASSERT_TRUE(run(cmd::SimpleText));
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("katana/iron ingots/exceptional/20"));
}

// ---------------------------------------------------------------------------------------------
// Which list offers which command

TEST_F(DetailAndText, EachCommandBelongsToItsOwnListAndNeedsASelectedRow) {
    start({deed(1, 2, 1, 1, 2, 3)});
    selectDeed(1);
    EXPECT_TRUE(enabled(cmd::SimpleText));
    EXPECT_FALSE(enabled(cmd::Detail));

    ASSERT_TRUE(run(cmd::ShowConditionList));
    EXPECT_FALSE(enabled(cmd::Detail));
    EXPECT_FALSE(enabled(cmd::SimpleText));
    selectOrder(1, 2, 1, 2, 3);
    EXPECT_TRUE(enabled(cmd::Detail));
    EXPECT_FALSE(enabled(cmd::SimpleText));

    // Double-clicking a row opens nothing; without a tree node the command opens nothing.
    frame->show();
    CConditionView* view = frame->conditionView();
    const auto none = captureDetails(
        [&] {
            const QRect cell = view->visualRect(view->model()->index(0, 0));
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
            EXPECT_EQ(view->currentIndex().row(), 0);
            doc().data().setSelectedEntry(nullptr);
            EXPECT_TRUE(view->onCommand(cmd::Detail));
        },
        clickClose);
    EXPECT_TRUE(none.empty());
}

// ---------------------------------------------------------------------------------------------
// Detail dialog

TEST_F(DetailAndText, DetailOfALargeDeedListsItsCombinedSlots) {
    // mace 大口 with mace (bit 15) and war mace (bit 13) combined; another order's deed besides.
    start({deed(1, 2, 1, 1, 2, 3, 0xA000), deed(1, 2, 3, 1, 1, 3)});
    ASSERT_TRUE(run(cmd::ShowConditionList));
    selectOrder(1, 2, 1, 2, 3);
    const auto shown = runDetail(pressEnterInList);
    ASSERT_EQ(shown.size(), 1u);
    const ShownDetail& d = shown[0];

    EXPECT_EQ(d.title, QStringLiteral("受注状況の詳細"));
    EXPECT_EQ(d.fields,
              (std::vector<QString>{QStringLiteral(" 鍛冶（武器）"), QStringLiteral(" mace"),
                                    QStringLiteral(" iron ingots"), QStringLiteral(" exceptional"),
                                    QStringLiteral(" 20"), QStringLiteral("7 "),
                                    QStringLiteral("3 "), QStringLiteral("4 ")}));
    EXPECT_EQ(d.columns, (QStringList{QStringLiteral("種類"), QStringLiteral("材料")}));
    EXPECT_EQ(d.columnWidths, (std::vector<int>{143, 116}));
    EXPECT_FALSE(d.headerClickable);
    EXPECT_EQ(d.drawMode, DrawMode::Detail);

    ASSERT_EQ(d.lines.size(), 3u);
    EXPECT_EQ(d.lines[0],
              (QStringList{QStringLiteral(" mace 大口"), QStringLiteral(" iron ingots")}));
    EXPECT_EQ(d.lines[1], (QStringList{QStringLiteral(" mace"), QStringLiteral(" iron ingots")}));
    EXPECT_EQ(d.lines[2],
              (QStringList{QStringLiteral(" war mace"), QStringLiteral(" iron ingots")}));
    // Slot, material, image, highlight: all three lines highlighted.
    EXPECT_EQ(d.itemData, (std::vector<std::uint32_t>{0x01010701u, 0x02010701u, 0x04010701u}));
}

TEST_F(DetailAndText, DetailOfAClothOrderShowsTheLeatherFootwearThatFillsIt) {
    // straw hat 大口 (cloth set 2) with its boots combined (bit 12), and a separate pair of
    // spined leather boots (leather footwear set, type 4) of the same quality and quantity.
    start({deed(4, 1, 4, 2, 1, 2), deed(3, 2, 1, 1, 1, 2, 0x1000), deed(4, 1, 4, 2, 2, 2)});
    ASSERT_TRUE(run(cmd::ShowConditionList));
    chooseNode(3, 2);
    selectOrder(3, 2, 1, 1, 2);
    const auto shown = runDetail(pressEscape);
    ASSERT_EQ(shown.size(), 1u);
    const ShownDetail& d = shown[0];
    EXPECT_EQ(d.fields[5], QStringLiteral("5 "));
    EXPECT_EQ(d.fields[6], QStringLiteral("2 "));
    EXPECT_EQ(d.fields[7], QStringLiteral("3 "));
    ASSERT_EQ(d.lines.size(), 3u);
    EXPECT_EQ(d.lines[0],
              (QStringList{QStringLiteral(" straw hat 大口"), QStringLiteral(" cloth")}));
    // The combined boots: highlighted, no material of their own.
    EXPECT_EQ(d.lines[1], (QStringList{QStringLiteral(" boots"), QStringLiteral(" -")}));
    EXPECT_EQ(d.itemData[1], 0x05011701u);
    // The leather boots: a normal line at slot 5 with the leather's name and image.
    EXPECT_EQ(d.lines[2],
              (QStringList{QStringLiteral(" boots"), QStringLiteral(" spined leather")}));
    EXPECT_EQ(d.itemData[2], 0x05021E00u);
}

TEST_F(DetailAndText, DetailOfAnEmptyOrderShowsNoLines) {
    start({deed(1, 3, 7, 1, 2, 3)});
    ASSERT_TRUE(run(cmd::ShowConditionList));
    selectOrder(1, 2, 1, 1, 1);
    const auto shown = runDetail(clickClose);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].lines.empty());
    EXPECT_EQ(shown[0].fields[1], QStringLiteral(" mace"));
    EXPECT_EQ(shown[0].fields[5], QStringLiteral("7 "));
    EXPECT_EQ(shown[0].fields[6], QStringLiteral("0 "));
    EXPECT_EQ(shown[0].fields[7], QStringLiteral("7 "));
}

} // namespace
} // namespace tessary
