// The item-order dialog as the user meets it through 項目指定 in both lists and the simple
// text's item order: the rows it shows for a stored order, the arrow buttons, what lands in the
// settings file, how the lists sort afterwards, and how its list is drawn.
#include "GuiTestSupport.h"

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "data/DeedFile.h"
#include "dialogs/ItemOrderDialog.h"
#include "framework/CommandRouter.h"
#include "resources/CommandIds.h"
#include "views/ConditionView.h"
#include "views/DeedView.h"

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tessary {
namespace {

using test::ScriptedPrompt;
using test::TempDir;

using test::ModalAnswer;

QPushButton* button(QDialog& dialog, const QString& text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
        if (b->text() == text) {
            return b;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

void press(QDialog& dialog, const QString& text) {
    if (QPushButton* b = button(dialog, text)) {
        b->click();
    }
}

const QString kUp = QStringLiteral("▲");
const QString kDown = QStringLiteral("▼");

QStringList rowLabels(const QListWidget& list) {
    QStringList labels;
    for (int row = 0; row < list.count(); ++row) {
        labels << list.item(row)->text();
    }
    return labels;
}

int selectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.first());
}

// Whether ▲ and ▼ can be pressed.
std::pair<bool, bool> arrows(QDialog& dialog) {
    QPushButton* up = button(dialog, kUp);
    QPushButton* down = button(dialog, kDown);
    return {up != nullptr && up->isEnabled(), down != nullptr && down->isEnabled()};
}

Deed deed(int group, int category, int type, int quality, std::uint32_t serial) {
    Deed d;
    d.itemCode = Deed::makeItemCode(group, category, type, 1);
    d.orderCode = Deed::makeOrderCode(quality, 1);
    d.serialNumber = serial;
    return d;
}

const QStringList kDeedItems{QStringLiteral(" 種類"),    QStringLiteral(" 材料"),
                             QStringLiteral(" 品質"),    QStringLiteral(" 数量"),
                             QStringLiteral(" 結合数"),  QStringLiteral(" 備考"),
                             QStringLiteral(" 登録番号")};

class ItemOrderProgram : public test::ProgramTest {
protected:
    // Starts the program on a deed file and, when given, a settings value of section "Settings".
    void start(const std::vector<Deed>& deeds, const std::string& key = {},
               const std::string& value = {}) {
        if (!key.empty()) {
            ProfileFile settings(dir.file("Tessary.ini"));
            ASSERT_TRUE(settings.writeString("Settings", key, value));
        }
        startProgram(deeds);
    }
    // The value stored on disk, read afresh from the file.
    std::string stored(const std::string& key) {
        return ProfileFile(dir.file("Tessary.ini")).readString("Settings", key, "<none>");
    }
    std::vector<std::uint32_t> deedRows() {
        std::vector<std::uint32_t> out;
        for (const Deed* d : frame->deedView()->rows()) {
            out.push_back(d->serialNumber);
        }
        return out;
    }
};

using Serials = std::vector<std::uint32_t>;

TEST_F(ItemOrderProgram, MovingTheSerialNumberToTheTopStoresAndSortsByIt) {
    // In category order the rows are 2, 3, 1; in registration order 1, 2, 3.
    start({deed(1, 3, 2, 1, 1), deed(1, 1, 2, 1, 2), deed(1, 2, 3, 1, 3)});
    ASSERT_EQ(deedRows(), (Serials{2, 3, 1}));
    ASSERT_TRUE(frame->router().isEnabled(cmd::SortItemOrder));

    ModalAnswer answer([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("ディード一覧の並べ替え項目"));
        auto* list = d.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(rowLabels(*list), kDeedItems);
        EXPECT_EQ(selectedRow(*list), 0);
        EXPECT_EQ(arrows(d), std::make_pair(false, true));

        // The last row can only go up; once up, it can go down again.
        list->setCurrentRow(6);
        EXPECT_EQ(arrows(d), std::make_pair(true, false));
        button(d, kUp)->setFocus(Qt::MouseFocusReason);
        press(d, kUp);
        EXPECT_EQ(selectedRow(*list), 5);
        EXPECT_EQ(list->item(5)->text(), QStringLiteral(" 登録番号"));
        EXPECT_EQ(list->item(6)->text(), QStringLiteral(" 備考"));
        EXPECT_EQ(arrows(d), std::make_pair(true, true));
        // Moving puts the focus back on the list.
        EXPECT_EQ(d.focusWidget(), list);
        for (int i = 0; i < 5; ++i) {
            press(d, kUp);
        }
        EXPECT_EQ(selectedRow(*list), 0);
        EXPECT_EQ(arrows(d), std::make_pair(false, true));
        EXPECT_EQ(
            rowLabels(*list),
            (QStringList{QStringLiteral(" 登録番号"), QStringLiteral(" 種類"),
                         QStringLiteral(" 材料"), QStringLiteral(" 品質"), QStringLiteral(" 数量"),
                         QStringLiteral(" 結合数"), QStringLiteral(" 備考")}));
        // With no row selected neither arrow can be pressed.
        list->clearSelection();
        EXPECT_EQ(arrows(d), std::make_pair(false, false));
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Return);
    });
    ASSERT_TRUE(run(cmd::SortItemOrder));
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(stored("DeedViewSortItem"), "06000102030405");
    EXPECT_NE(dir.read("Tessary.ini").find("DeedViewSortItem=06000102030405\r\n"),
              std::string::npos);
    EXPECT_EQ(deedRows(), (Serials{1, 2, 3}));
    EXPECT_EQ(frame->paneText(2), QStringLiteral("指定項目順"));

    // Every 確定 sorts ascending again, never reversing the direction.
    for (int round = 0; round < 2; ++round) {
        ModalAnswer again([](QDialog& d) { press(d, QStringLiteral("確定")); });
        ASSERT_TRUE(run(cmd::SortItemOrder));
        ASSERT_TRUE(again.answered());
        EXPECT_EQ(deedRows(), (Serials{1, 2, 3})) << round;
    }

    // 取消 stores nothing and leaves the list alone, even after rows were moved.
    ASSERT_TRUE(run(cmd::SortType));
    ASSERT_EQ(deedRows(), (Serials{2, 3, 1}));
    ModalAnswer cancelled([](QDialog& d) {
        auto* list = d.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        list->setCurrentRow(1);
        press(d, kUp);
        QTest::keyClick(list, Qt::Key_Escape);
    });
    ASSERT_TRUE(run(cmd::SortItemOrder));
    ASSERT_TRUE(cancelled.answered());
    EXPECT_EQ(stored("DeedViewSortItem"), "06000102030405");
    EXPECT_EQ(deedRows(), (Serials{2, 3, 1}));
}

TEST_F(ItemOrderProgram, OrderStatusOrderKeepsRepeatsAndStopsAtAnUnknownItem) {
    start({}, "ConditionViewSortItem", "0000010203");
    ASSERT_TRUE(run(cmd::ShowConditionList));

    ModalAnswer repeated([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("受注状況一覧の並べ替え項目"));
        auto* list = d.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(rowLabels(*list),
                  (QStringList{QStringLiteral(" カテゴリ"), QStringLiteral(" カテゴリ"),
                               QStringLiteral(" 材料"), QStringLiteral(" 品質"),
                               QStringLiteral(" 数量")}));
        press(d, QStringLiteral("確定"));
    });
    ASSERT_TRUE(run(cmd::SortItemOrder));
    ASSERT_TRUE(repeated.answered());
    EXPECT_EQ(stored("ConditionViewSortItem"), "0000010203");
    EXPECT_EQ(frame->paneText(2), QStringLiteral("指定項目順"));

    // An item number the list does not have ends the rows; 確定 stores the rows shown, with
    // ▼ moving the first row down.
    ProfileFile(dir.file("Tessary.ini"))
        .writeString("Settings", "ConditionViewSortItem", "0401090203");
    ModalAnswer truncated([](QDialog& d) {
        auto* list = d.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(rowLabels(*list),
                  (QStringList{QStringLiteral(" 残数"), QStringLiteral(" 材料")}));
        press(d, kDown);
        EXPECT_EQ(selectedRow(*list), 1);
        EXPECT_EQ(arrows(d), std::make_pair(true, false));
        press(d, QStringLiteral("確定"));
    });
    ASSERT_TRUE(run(cmd::SortItemOrder));
    ASSERT_TRUE(truncated.answered());
    EXPECT_EQ(stored("ConditionViewSortItem"), "0104");
}

TEST_F(ItemOrderProgram, SimpleTextOrderOfTheWrongLengthShowsTheDefault) {
    start({}, "SimpleTextOrder", "000102");
    ASSERT_TRUE(frame->router().isEnabled(cmd::SimpleTextOrder));

    ModalAnswer answer([this](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("簡易テキストの項目順序"));
        EXPECT_EQ(d.parentWidget(), frame);
        auto* list = d.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(rowLabels(*list),
                  (QStringList{QStringLiteral(" 種類"), QStringLiteral(" 材料"),
                               QStringLiteral(" 品質"), QStringLiteral(" 数量")}));
        press(d, QStringLiteral("取消"));
    });
    ASSERT_TRUE(run(cmd::SimpleTextOrder));
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(stored("SimpleTextOrder"), "000102");

    ModalAnswer confirmed([](QDialog& d) {
        auto* list = d.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        list->setCurrentRow(3);
        press(d, kUp);
        press(d, kUp);
        press(d, QStringLiteral("確定"));
    });
    ASSERT_TRUE(run(cmd::SimpleTextOrder));
    ASSERT_TRUE(confirmed.answered());
    EXPECT_EQ(stored("SimpleTextOrder"), "00030102");
}

TEST_F(ItemOrderProgram, TheListDrawsItsRowsAndTheFocusRectangle) {
    start({});
    ModalAnswer answer([](QDialog& d) {
        auto* list = d.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        for (int row = 0; row < list->count(); ++row) {
            EXPECT_EQ(list->visualItemRect(list->item(row)),
                      QRect(0, 18 * row, list->viewport()->width(), 18))
                << row;
        }
        list->setCurrentRow(2);
        QApplication::setActiveWindow(&d);
        list->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(list->hasFocus());
        const QPalette colours = list->palette();
        const QColor highlight = colours.color(QPalette::Active, QPalette::Highlight);
        const QColor window = colours.color(QPalette::Active, QPalette::Base);
        const QColor highlightText = colours.color(QPalette::Active, QPalette::HighlightedText);
        ASSERT_NE(highlight, window);

        // Counts, along the top edge of a row, the pixels of `colour`.
        const auto edge = [](const QImage& image, int row, const QColor& colour) {
            int count = 0;
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixelColor(x, 18 * row) == colour ? 1 : 0;
            }
            return count;
        };
        const QImage focused = list->viewport()->grab().toImage();
        const int width = focused.width();
        // The selected row in the highlight colour, with a dotted frame; the others plain.
        EXPECT_EQ(focused.pixelColor(width - 4, 18 * 2 + 3), highlight);
        EXPECT_EQ(focused.pixelColor(width - 4, 18 * 1 + 3), window);
        EXPECT_EQ(focused.pixelColor(width - 4, 18 * 3 + 3), window);
        EXPECT_GT(edge(focused, 2, highlightText), width / 4);
        EXPECT_GT(edge(focused, 2, highlight), width / 4);
        EXPECT_EQ(edge(focused, 1, window), width);

        // Without the focus the frame goes; the selection stays.
        QPushButton* ok = button(d, QStringLiteral("確定"));
        ASSERT_NE(ok, nullptr);
        ok->setFocus(Qt::OtherFocusReason);
        ASSERT_FALSE(list->hasFocus());
        const QImage unfocused = list->viewport()->grab().toImage();
        EXPECT_EQ(edge(unfocused, 2, highlight), width);
        EXPECT_EQ(unfocused.pixelColor(width - 4, 18 * 2 + 3), highlight);
        press(d, QStringLiteral("取消"));
    });
    ASSERT_TRUE(run(cmd::SortItemOrder));
    ASSERT_TRUE(answer.answered());
}

} // namespace
} // namespace tessary
