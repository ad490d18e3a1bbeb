// The deed list, the order-status list and the dialogs' owner-drawn list: what rows they show,
// how they sort, where their column widths go, and how their rows are painted.
#include "GuiTestSupport.h"

#include "data/DeedSortKey.h"
#include "framework/CmdUI.h"
#include "framework/View.h"
#include "resources/CommandIds.h"
#include "views/ConditionView.h"
#include "views/DeedView.h"
#include "views/TessaryListView.h"
#include "widgets/ColumnWidths.h"
#include "widgets/OwnerDrawListCtrl.h"
#include "widgets/OwnerDrawnView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QImage>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace tessary::test {
namespace {

// Creates a list view the way the main frame does and lets the tree's selection fill it.
template <class View>
std::unique_ptr<View> openView(DocFixture& fx) {
    auto view = std::make_unique<View>(fx.doc.get());
    view->attachTo(fx.doc.get());
    view->onInitialUpdate();
    view->onUpdate(nullptr, kHintSelectionChanged);
    return view;
}

QStringList rowTexts(const QAbstractItemModel& model, int row) {
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column) {
        texts << model.index(row, column).data().toString();
    }
    return texts;
}

QStringList headerTitles(const QAbstractItemModel& model) {
    QStringList titles;
    for (int column = 0; column < model.columnCount(); ++column) {
        titles << model.headerData(column, Qt::Horizontal).toString();
    }
    return titles;
}

std::vector<std::uint32_t> serials(const CDeedView& view) {
    std::vector<std::uint32_t> out;
    for (const Deed* deed : view.rows()) {
        out.push_back(deed->serialNumber);
    }
    return out;
}

std::vector<int> remainings(const CConditionView& view) {
    std::vector<int> out;
    for (const ConditionRow* row : view.rows()) {
        out.push_back(row->remaining());
    }
    return out;
}

// A view that records the hints the document sends it.
class HintRecorder : public fw::CView {
public:
    QWidget* widget() override { return &widget_; }
    void onUpdate(fw::CView* sender, int hint) override { hints.push_back({sender, hint}); }
    std::vector<std::pair<fw::CView*, int>> hints;

private:
    QWidget widget_;
};

// Shows a list on the offscreen screen, lays out its rows and paints its viewport.
QImage paintList(QTreeView& view) {
    if (!view.isVisible()) {
        view.resize(800, 240);
        view.show();
    }
    view.doItemsLayout();
    return view.viewport()->grab().toImage();
}

void giveFocus(QWidget& widget) {
    QApplication::setActiveWindow(widget.window());
    widget.setFocus(Qt::OtherFocusReason);
}

// The horizontal extent of `column` in viewport coordinates and the top of `row`.
QRect cellRect(const QTreeView& view, int row, int column) {
    const QRect rowArea = view.visualRect(view.model()->index(row, 0));
    return QRect(view.header()->sectionViewportPosition(column), rowArea.top(),
                 view.header()->sectionSize(column), rowArea.height());
}

// A pixel near the top right corner of a cell, clear of its (short, centred) text.
QColor cellCorner(const QImage& image, const QRect& cell) {
    return image.pixelColor(cell.right() - 2, cell.top() + 1);
}

// The darkest grey level in a cell: black text shows near 0, silver text on grey stays high.
int darkestLevel(const QImage& image, const QRect& cell) {
    int darkest = 255;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            darkest = std::min({darkest, c.red(), c.green(), c.blue()});
        }
    }
    return darkest;
}

QColor paletteColor(const QWidget& widget, QPalette::ColorRole role) {
    return widget.palette().color(QPalette::Active, role);
}

// ---------------------------------------------------------------------------------------------
// Deed list

TEST(DeedList, RowTextsShowNamesQuantitiesAndCombinedCounts) {
    DocFixture fx;
    // mace: a large order of six small types; quantity 3 is "20"; three parts combined.
    fx.addDeed(1, 2, 1, 1, 1, 3, 0xE000, "note");
    fx.addDeed(1, 2, 3, 1, 2, 2, 7);
    fx.selectNode(1, 2);
    auto view = openView<CDeedView>(fx);
    const QAbstractItemModel& model = *view->model();

    EXPECT_EQ(headerTitles(model),
              (QStringList{QStringLiteral("種類"), QStringLiteral("材料"), QStringLiteral("品質"),
                           QStringLiteral("数量"), QStringLiteral("結合数"), QStringLiteral("備考"),
                           QStringLiteral("登録番号")}));
    ASSERT_EQ(view->rowCount(), 2);
    EXPECT_EQ(rowTexts(model, 0),
              (QStringList{QStringLiteral(" mace 大口"), QStringLiteral(" iron ingots"),
                           QStringLiteral(" 標準"), QStringLiteral(" 120 "), QStringLiteral(" 60 "),
                           QStringLiteral(" note"), QStringLiteral(" 1 ")}));
    // A small deed shows its own quantity and its combined count as they are.
    EXPECT_EQ(rowTexts(model, 1),
              (QStringList{QStringLiteral(" maul"), QStringLiteral(" iron ingots"),
                           QStringLiteral(" exceptional"), QStringLiteral(" 15 "),
                           QStringLiteral(" 7 "), QStringLiteral(" "), QStringLiteral(" 2 ")}));
    // Numbers stand at the right of their columns, names at the left.
    for (int column : {3, 4, 6}) {
        EXPECT_TRUE(Qt::Alignment(model.index(0, column).data(Qt::TextAlignmentRole).toInt()) &
                    Qt::AlignRight)
            << column;
    }
    EXPECT_TRUE(Qt::Alignment(model.index(0, 5).data(Qt::TextAlignmentRole).toInt()) &
                Qt::AlignLeft);
}

TEST(DeedList, ListsTheDeedsOfTheTreeNodeThatPassTheFilter) {
    DocFixture fx;
    fx.addDeed(1, 2, 1, 1, 1, 3);
    fx.addDeed(1, 2, 3, 1, 1, 1);
    fx.addDeed(1, 1, 2, 1, 1, 1);
    fx.addDeed(2, 1, 2, 3, 1, 1);

    // No node chosen: nothing listed.
    auto view = openView<CDeedView>(fx);
    EXPECT_EQ(view->rowCount(), 0);

    fx.selectNode(1);
    view->onUpdate(nullptr, kHintSelectionChanged);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{3, 1, 2}));

    fx.selectNode(1, 2);
    view->onUpdate(nullptr, kHintSelectionChanged);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{1, 2}));

    // The filter narrows the list on its own hint.
    Deed deedFilter = fx.doc->data().deedFilter();
    deedFilter.itemCode = Deed::makeItemCode(1, 2, 3, 0);
    fx.doc->data().setDeedFilter(deedFilter);
    view->onUpdate(nullptr, kHintFilterChanged);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{2}));

    // Switching lists (a new initial update) clears the filter.
    view->onInitialUpdate();
    EXPECT_FALSE(fx.doc->data().isDeedFilterSet());
    view->onUpdate(nullptr, kHintListSwitched);
    EXPECT_EQ(view->rowCount(), 2);

    // Appended deeds show up on the append hint; hint 1 changes nothing.
    fx.addDeed(1, 2, 4, 1, 1, 1);
    view->onUpdate(nullptr, kHintReselect);
    EXPECT_EQ(view->rowCount(), 2);
    view->onUpdate(nullptr, kHintAppended);
    EXPECT_EQ(view->rowCount(), 3);
}

TEST(DeedList, NewContentsAndRenamedEntriesAskTheTreeToSelectAgain) {
    DocFixture fx;
    fx.addDeed(1, 2, 1, 1, 1, 3);
    fx.selectNode(1, 2);
    HintRecorder tree;
    tree.attachTo(fx.doc.get());
    CDeedView view(fx.doc.get());
    view.attachTo(fx.doc.get());

    fx.doc->data().setRebuildPending(true);
    view.onInitialUpdate();
    EXPECT_FALSE(fx.doc->data().rebuildPending());
    ASSERT_EQ(tree.hints.size(), 1u);
    EXPECT_EQ(tree.hints[0], (std::pair<fw::CView*, int>{&view, kHintReselect}));

    view.onUpdate(nullptr, kHintSelectionChanged);
    ASSERT_EQ(view.rowCount(), 1);
    fx.doc->data().setRebuildPending(true);
    view.onUpdate(nullptr, kHintNamesChanged);
    EXPECT_EQ(view.rowCount(), 0);
    EXPECT_FALSE(fx.doc->data().rebuildPending());
    ASSERT_EQ(tree.hints.size(), 2u);
    EXPECT_EQ(tree.hints[1], (std::pair<fw::CView*, int>{&view, kHintReselect}));
    tree.attachTo(nullptr);
}

TEST(DeedList, SortCommandsToggleDirectionAndKeepTheSelection) {
    DocFixture fx;
    // Three deeds of one category in materials 3, 1, 2 (serials 1, 2, 3); one of category 1.
    fx.addDeed(2, 3, 2, 3, 1, 1);
    fx.addDeed(2, 3, 2, 1, 1, 1);
    fx.addDeed(2, 3, 2, 2, 1, 1);
    fx.addDeed(2, 1, 3, 3, 1, 1);
    fx.selectNode(2);
    auto view = openView<CDeedView>(fx);

    // Before any sort: category order, ascending, and no sort item chosen.
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{4, 2, 3, 1}));
    EXPECT_EQ(fx.doc->data().deedSort().sortItem, -1);

    // Every sort command of the list is handled and enabled; the later ones are not.
    for (int id = cmd::SortType; id <= cmd::SortSerial; ++id) {
        fw::CCmdUI ui(id);
        EXPECT_TRUE(view->onUpdateCommand(ui)) << id;
        EXPECT_TRUE(ui.enabled()) << id;
    }
    for (int id : {int(cmd::SortCategory), int(cmd::SortRemaining)}) {
        fw::CCmdUI ui(id);
        EXPECT_FALSE(view->onUpdateCommand(ui)) << id;
    }

    // Select the deed of serial 1, then sort by material twice.
    const int row = 3;
    view->selectionModel()->setCurrentIndex(view->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect |
                                                QItemSelectionModel::Rows);
    ASSERT_EQ(view->selectedDeed()->serialNumber, 1u);

    ASSERT_TRUE(view->onCommand(cmd::SortMaterial));
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{2, 3, 4, 1}));
    EXPECT_FALSE(fx.doc->data().deedSort().sortDescending);
    ASSERT_TRUE(view->onCommand(cmd::SortMaterial));
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{1, 4, 3, 2}));
    EXPECT_EQ(fx.doc->data().deedSort().sortItem, kSortByMaterial);
    EXPECT_TRUE(fx.doc->data().deedSort().sortDescending);
    ASSERT_NE(view->selectedDeed(), nullptr);
    EXPECT_EQ(view->selectedDeed()->serialNumber, 1u);
    EXPECT_EQ(view->currentIndex().row(), 0);

    // A rebuild keeps the item and its direction.
    view->onUpdate(nullptr, kHintFilterChanged);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{1, 4, 3, 2}));
}

TEST(DeedList, ItemOrderReadsTheStoredOrderAndAlwaysAscends) {
    DocFixture fx;
    fx.addDeed(2, 3, 2, 3, 1, 1);
    fx.addDeed(2, 3, 2, 1, 1, 1);
    fx.addDeed(2, 3, 2, 2, 1, 1);
    fx.selectNode(2, 3);
    // Registration number first.
    fx.settings.writeString("Settings", "DeedViewSortItem", "06000102030405");
    auto view = openView<CDeedView>(fx);

    view->sortBy(kSortByItemOrder, true);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{1, 2, 3}));
    view->sortBy(kSortByItemOrder, true);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_FALSE(fx.doc->data().deedSort().sortDescending);

    // The order is read again on every choice and on every rebuild: material first.
    fx.settings.writeString("Settings", "DeedViewSortItem", "01000203040506");
    view->onUpdate(nullptr, kHintSelectionChanged);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{2, 3, 1}));

    // A stored order of the wrong length makes every key empty: the rows keep their order.
    fx.settings.writeString("Settings", "DeedViewSortItem", "0100");
    view->sortBy(kSortByItemOrder, true);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{2, 3, 1}));
}

TEST(DeedList, ColumnHeaderClickSortsByThatColumn) {
    DocFixture fx;
    fx.addDeed(2, 3, 2, 3, 1, 1);
    fx.addDeed(2, 3, 2, 1, 1, 1);
    fx.selectNode(2, 3);
    auto view = openView<CDeedView>(fx);
    paintList(*view);

    QHeaderView* header = view->header();
    const QPoint onMaterial(header->sectionViewportPosition(1) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onMaterial);
    EXPECT_EQ(fx.doc->data().deedSort().sortItem, kSortByMaterial);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{2, 1}));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onMaterial);
    EXPECT_TRUE(fx.doc->data().deedSort().sortDescending);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{1, 2}));
}

TEST(DeedList, RightClickAsksForTheDeedPopup) {
    DocFixture fx;
    fx.addDeed(2, 3, 2, 3, 1, 1);
    fx.selectNode(2, 3);
    auto deeds = openView<CDeedView>(fx);
    QSignalSpy deedSpy(deeds.get(), &CTessaryListView::contextMenuRequested);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 5), QPoint(320, 205));
    QApplication::sendEvent(deeds->viewport(), &click);
    ASSERT_EQ(deedSpy.count(), 1);
    EXPECT_EQ(deedSpy[0][0].toInt(), 0);
    EXPECT_EQ(deedSpy[0][1].toPoint(), QPoint(320, 205));

    auto conditions = openView<CConditionView>(fx);
    QSignalSpy conditionSpy(conditions.get(), &CTessaryListView::contextMenuRequested);
    QApplication::sendEvent(conditions->viewport(), &click);
    ASSERT_EQ(conditionSpy.count(), 1);
    EXPECT_EQ(conditionSpy[0][0].toInt(), 1);
}

// ---------------------------------------------------------------------------------------------
// Column widths

TEST(ColumnWidths, TextOfFourDigitsPerColumnWithDefaultForTheWrongLength) {
    EXPECT_EQ(parseColumnWidths("013601160079", 3, "000100020003"),
              (std::vector<int>{136, 116, 79}));
    // One character short or long: the default.
    EXPECT_EQ(parseColumnWidths("01360116007", 3, "000100020003"), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(parseColumnWidths("0136011600790", 3, "000100020003"), (std::vector<int>{1, 2, 3}));
    // Pieces are read as leading decimal numbers.
    EXPECT_EQ(parseColumnWidths("12x4x000  70", 3, "000100020003"), (std::vector<int>{12, 0, 70}));
    EXPECT_EQ(formatColumnWidths({136, 7, 0, 12345}), "01360007000012345");
}

TEST(ColumnWidths, ViewsReadTheirWidthsAndWriteThemWhenDestroyed) {
    DocFixture fx;
    {
        auto view = openView<CDeedView>(fx);
        EXPECT_EQ(view->columnWidths(), (std::vector<int>{136, 116, 79, 48, 48, 100, 60}));
        view->header()->resizeSection(2, 90);
    }
    EXPECT_EQ(fx.settings.readString("Layout", "DeedViewColumns", ""),
              "0136011600900048004801000060");
    {
        auto view = openView<CDeedView>(fx);
        EXPECT_EQ(view->columnWidths()[2], 90);
        // A column wider than four digits is saved with five ...
        view->header()->resizeSection(0, 10000);
    }
    EXPECT_EQ(fx.settings.readString("Layout", "DeedViewColumns", "").size(), 29u);
    {
        // ... and the next view falls back to the default widths.
        auto view = openView<CDeedView>(fx);
        EXPECT_EQ(view->columnWidths(), (std::vector<int>{136, 116, 79, 48, 48, 100, 60}));
    }

    // The order-status list: 44 characters are ignored; its own key gets its widths.
    fx.settings.writeString("Layout", "ConditionViewColumns",
                            "01080116007900480036003601260126012601260126");
    {
        auto view = openView<CConditionView>(fx);
        EXPECT_EQ(view->columnWidths(),
                  (std::vector<int>{108, 116, 79, 48, 36, 36, 126, 126, 126, 126, 126, 126}));
        view->header()->resizeSection(11, 7);
    }
    EXPECT_EQ(fx.settings.readString("Layout", "ConditionViewColumns", ""),
              "010801160079004800360036012601260126012601260007");
}

// ---------------------------------------------------------------------------------------------
// Order-status list

class ConditionList : public ::testing::Test {
protected:
    // mace (group 1, category 2): a large order of seven slots in iron, 2 qualities, 3 quantities.
    void SetUp() override { fx.selectNode(1, 2); }

    const ConditionRow* listed(int quality, int quantity, const CConditionView& view) const {
        for (const ConditionRow* row : view.rows()) {
            if (row->quality() == quality && row->quantity() == quantity) {
                return row;
            }
        }
        return nullptr;
    }
    int rowOf(const ConditionRow* row, const CConditionView& view) const {
        const auto& rows = view.rows();
        return static_cast<int>(std::find(rows.begin(), rows.end(), row) - rows.begin());
    }

    DocFixture fx;
};

TEST_F(ConditionList, RowTextsShowNamesRemainingAndSlots) {
    fx.addDeed(1, 2, 1, 1, 1, 1);
    fx.addDeed(1, 2, 3, 1, 1, 1);
    auto view = openView<CConditionView>(fx);
    const QAbstractItemModel& model = *view->model();

    EXPECT_EQ(
        headerTitles(model),
        (QStringList{QStringLiteral("カテゴリ"), QStringLiteral("材料"), QStringLiteral("品質"),
                     QStringLiteral("数量"), QStringLiteral("残数"), QStringLiteral("大口"),
                     QStringLiteral("小口1"), QStringLiteral("小口2"), QStringLiteral("小口3"),
                     QStringLiteral("小口4"), QStringLiteral("小口5"), QStringLiteral("小口6")}));
    ASSERT_EQ(view->rowCount(), 6);
    const int held = rowOf(listed(1, 1, *view), *view);
    EXPECT_EQ(
        rowTexts(model, held),
        (QStringList{QStringLiteral(" mace"), QStringLiteral(" iron ingots"),
                     QStringLiteral(" 標準"), QStringLiteral(" 10 "), QStringLiteral(" 5 / 7 "),
                     QStringLiteral(" 大口"), QStringLiteral(" mace"), QStringLiteral(" maul"),
                     QStringLiteral(" war mace"), QStringLiteral(" war hammer"),
                     QStringLiteral(" hammer pick"), QStringLiteral(" war axe")}));
    EXPECT_EQ(model.index(rowOf(listed(2, 3, *view), *view), 4).data().toString(),
              QStringLiteral(" 7 / 7 "));

    // bardiche has two small types: the slots it lacks show a single blank.
    fx.selectNode(1, 1);
    view->onUpdate(nullptr, kHintSelectionChanged);
    ASSERT_GT(view->rowCount(), 0);
    const QStringList bardiche = rowTexts(model, 0);
    EXPECT_EQ(bardiche[4], QStringLiteral(" 3 / 3 "));
    EXPECT_EQ(bardiche[7], QStringLiteral(" halberd"));
    EXPECT_EQ(bardiche[8], QStringLiteral(" "));
    EXPECT_EQ(bardiche[11], QStringLiteral(" "));
}

TEST_F(ConditionList, AppendedDeedsAreCountedAtOnceOtherHintsOnlyRelist) {
    auto view = openView<CConditionView>(fx);
    EXPECT_EQ(listed(1, 1, *view)->remaining(), 7);

    fx.addDeed(1, 2, 1, 1, 1, 1);
    view->onUpdate(nullptr, kHintSelectionChanged);
    EXPECT_EQ(listed(1, 1, *view)->remaining(), 7);
    view->onUpdate(nullptr, kHintAppended);
    EXPECT_EQ(listed(1, 1, *view)->remaining(), 6);
    fx.addDeed(1, 2, 2, 1, 1, 1);
    view->onUpdate(nullptr, kHintDownloaded);
    EXPECT_EQ(listed(1, 1, *view)->remaining(), 5);

    // A group lists the rows of all its categories; no node lists nothing.
    fx.selectNode(1);
    view->onUpdate(nullptr, kHintSelectionChanged);
    EXPECT_EQ(view->rowCount(), 30);
    fx.doc->data().setSelectedEntry(nullptr);
    view->onUpdate(nullptr, kHintSelectionChanged);
    EXPECT_EQ(view->rowCount(), 0);
}

TEST_F(ConditionList, FilterThresholdListsRowsWithFewerOpenSlots) {
    // bardiche: three slots; the iron standard 10 order complete, the 15 one missing one.
    for (int type = 1; type <= 3; ++type) {
        fx.addDeed(1, 1, type, 1, 1, 1);
    }
    fx.addDeed(1, 1, 1, 1, 1, 2);
    fx.addDeed(1, 1, 2, 1, 1, 2);
    fx.selectNode(1);
    auto view = openView<CConditionView>(fx);

    ConditionRow conditionFilter = fx.doc->data().conditionFilter();
    conditionFilter.filled = 1;
    fx.doc->data().setConditionFilter(conditionFilter);
    view->onUpdate(nullptr, kHintFilterChanged);
    EXPECT_EQ(remainings(*view), (std::vector<int>{0}));
    conditionFilter.filled = 2;
    fx.doc->data().setConditionFilter(conditionFilter);
    view->onUpdate(nullptr, kHintFilterChanged);
    EXPECT_EQ(remainings(*view), (std::vector<int>{0, 1}));

    // A new initial update (switching to this list) clears the filter.
    view->onInitialUpdate();
    view->onUpdate(nullptr, kHintListSwitched);
    EXPECT_EQ(view->rowCount(), 30);
}

TEST_F(ConditionList, SortingByRemainingTogglesSlotColumnsSortNothing) {
    fx.addDeed(1, 2, 1, 1, 1, 1);
    fx.addDeed(1, 2, 3, 1, 1, 1);
    fx.addDeed(1, 2, 3, 1, 2, 3);
    auto view = openView<CConditionView>(fx);
    // Before any sort: category order (then material, quality, quantity), ascending.
    EXPECT_EQ(remainings(*view), (std::vector<int>{5, 7, 7, 7, 7, 6}));
    EXPECT_EQ(fx.doc->data().conditionSort().sortItem, -1);

    // Sort commands of this list are handled; the deed list's own ones are not.
    for (int id : {int(cmd::SortCategory), int(cmd::SortMaterial), int(cmd::SortQuality),
                   int(cmd::SortQuantity), int(cmd::SortRemaining)}) {
        fw::CCmdUI ui(id);
        EXPECT_TRUE(view->onUpdateCommand(ui)) << id;
        EXPECT_TRUE(ui.enabled()) << id;
    }
    for (int id : {int(cmd::SortType), int(cmd::SortCombined), int(cmd::SortComment),
                   int(cmd::SortSerial)}) {
        fw::CCmdUI ui(id);
        EXPECT_FALSE(view->onUpdateCommand(ui)) << id;
    }

    // Narrow columns, so that every column header can be clicked.
    QHeaderView* header = view->header();
    for (int column = 0; column < header->count(); ++column) {
        header->resizeSection(column, 60);
    }
    paintList(*view);
    const auto clickColumn = [header](int column) {
        ASSERT_LT(header->sectionViewportPosition(column) + 5, header->width());
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    };
    clickColumn(4);
    EXPECT_EQ(remainings(*view), (std::vector<int>{5, 6, 7, 7, 7, 7}));
    clickColumn(4);
    EXPECT_EQ(remainings(*view), (std::vector<int>{7, 7, 7, 7, 6, 5}));
    EXPECT_EQ(fx.doc->data().conditionSort().sortItem, 4);
    EXPECT_TRUE(fx.doc->data().conditionSort().sortDescending);

    // 大口 and every 小口 column: no change of order or state.
    const std::vector<const ConditionRow*> before = view->rows();
    for (int column = 5; column <= 11; ++column) {
        clickColumn(column);
    }
    EXPECT_EQ(view->rows(), before);
    EXPECT_EQ(fx.doc->data().conditionSort().sortItem, 4);
    EXPECT_TRUE(fx.doc->data().conditionSort().sortDescending);

    // The menu's command on the current item flips the direction like a second click.
    ASSERT_TRUE(view->onCommand(cmd::SortRemaining));
    EXPECT_EQ(remainings(*view), (std::vector<int>{5, 6, 7, 7, 7, 7}));

    // The item order comes from the settings and always ascends.
    fx.settings.writeString("Settings", "ConditionViewSortItem", "0400010203");
    view->sortBy(kSortByItemOrder, true);
    view->sortBy(kSortByItemOrder, true);
    EXPECT_EQ(remainings(*view), (std::vector<int>{5, 6, 7, 7, 7, 7}));
    EXPECT_EQ(fx.doc->data().conditionSort().sortOrder, "0400010203");
    EXPECT_FALSE(fx.doc->data().conditionSort().sortDescending);
}

// ---------------------------------------------------------------------------------------------
// Painting

TEST(ListPainting, CellTextThatDoesNotFitIsLeftAlignedWithAnEllipsis) {
    const QFontMetrics metrics(QApplication::font());
    const QString text = QStringLiteral(" 123456789 ");
    const int width = metrics.horizontalAdvance(text);

    const listdraw::CellTextLayout fits =
        listdraw::layoutCellText(metrics, width + 10, text, Qt::AlignRight);
    EXPECT_EQ(fits.text, text);
    EXPECT_EQ(fits.alignment, Qt::AlignRight);

    const listdraw::CellTextLayout cut =
        listdraw::layoutCellText(metrics, width / 2, text, Qt::AlignRight);
    EXPECT_EQ(cut.alignment, Qt::AlignLeft);
    EXPECT_TRUE(cut.text.endsWith(QChar(0x2026))) << cut.text.toStdString();
    EXPECT_LE(metrics.horizontalAdvance(cut.text), width / 2);
}

TEST(ListPainting, DeedRowsShowSwatchImageSelectionAndFocusFrame) {
    DocFixture fx;
    fx.addDeed(2, 3, 2, 4, 1, 1); // copper ingots (170, 153, 104)
    fx.addDeed(2, 3, 3, 4, 1, 1);
    fx.selectNode(2, 3);
    auto view = openView<CDeedView>(fx);
    QImage image = paintList(*view);

    EXPECT_EQ(view->visualRect(view->model()->index(0, 0)).height(), listdraw::kRowHeight);
    const QColor base = paletteColor(*view, QPalette::Base);
    EXPECT_EQ(cellCorner(image, cellRect(*view, 0, 1)), QColor(170, 153, 104));
    EXPECT_EQ(cellCorner(image, cellRect(*view, 0, 2)), base);

    // The image sits at (1, 1) of the row: some pixel of it differs from the window colour.
    const QRect firstCell = cellRect(*view, 0, 0);
    const auto imageShown = [&](const QImage& painted) {
        for (int y = 1; y <= 16; ++y) {
            for (int x = 1; x <= 16; ++x) {
                if (painted.pixelColor(firstCell.left() + x, firstCell.top() + y) != base) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(imageShown(image));

    // Selected while the list has no focus: the first cell only, in the inactive colour, no frame.
    view->selectionModel()->setCurrentIndex(view->model()->index(0, 0),
                                            QItemSelectionModel::ClearAndSelect |
                                                QItemSelectionModel::Rows);
    ASSERT_FALSE(view->hasFocus());
    image = paintList(*view);
    const int rightEdge = view->viewport()->width() - 1;
    EXPECT_EQ(cellCorner(image, cellRect(*view, 0, 0)), paletteColor(*view, QPalette::Button));
    EXPECT_EQ(cellCorner(image, cellRect(*view, 0, 2)), base);
    EXPECT_EQ(image.pixelColor(rightEdge, firstCell.top() + 5), base);

    // With the focus: the highlight colour and a frame reaching the right edge of the list.
    giveFocus(*view);
    ASSERT_TRUE(view->hasFocus());
    image = paintList(*view);
    EXPECT_EQ(cellCorner(image, cellRect(*view, 0, 0)), paletteColor(*view, QPalette::Highlight));
    EXPECT_EQ(image.pixelColor(rightEdge, firstCell.top() + 5),
              paletteColor(*view, QPalette::Text));
    EXPECT_EQ(image.pixelColor(rightEdge, cellRect(*view, 1, 0).top() + 5), base);

    // A first column narrower than 18 pixels shows no image.
    view->header()->resizeSection(0, 17);
    view->selectionModel()->clearSelection();
    view->clearFocus();
    image = paintList(*view);
    EXPECT_FALSE(imageShown(image));
}

TEST_F(ConditionList, SlotColumnsShowTheStatusColourAndGreyEmptySlots) {
    // iron standard 10: six of seven held (remaining 1); standard 15: one held; 20: none.
    for (int type = 1; type <= 6; ++type) {
        fx.addDeed(1, 2, type, 1, 1, 1);
    }
    fx.addDeed(1, 2, 3, 1, 1, 2);
    // exceptional 10: complete.
    for (int type = 1; type <= 7; ++type) {
        fx.addDeed(1, 2, type, 1, 2, 1);
    }
    auto view = openView<CConditionView>(fx);
    const QImage image = paintList(*view);

    const auto slotColour = [&](int quality, int quantity) {
        return cellCorner(image,
                          cellRect(*view, rowOf(listed(quality, quantity, *view), *view), 5));
    };
    EXPECT_EQ(slotColour(1, 1), QColor(255, 128, 128));
    EXPECT_EQ(slotColour(1, 2), QColor(255, 255, 128));
    EXPECT_EQ(slotColour(1, 3), QColor(128, 128, 128));
    EXPECT_EQ(slotColour(2, 1), QColor(128, 128, 255));
    // The material swatch (iron ingots) and plain columns.
    EXPECT_EQ(cellCorner(image, cellRect(*view, 0, 1)), QColor(195, 203, 203));
    EXPECT_EQ(cellCorner(image, cellRect(*view, 0, 4)), paletteColor(*view, QPalette::Base));

    // Standard 15 holds only a maul (type 3, column 7): its text is dark, the others silver.
    const int row = rowOf(listed(1, 2, *view), *view);
    EXPECT_LT(darkestLevel(image, cellRect(*view, row, 7)), 100);
    EXPECT_GE(darkestLevel(image, cellRect(*view, row, 6)), 128);
    EXPECT_GE(darkestLevel(image, cellRect(*view, row, 5)), 128);
}

// ---------------------------------------------------------------------------------------------
// The dialogs' owner-drawn list

TEST(OwnerDrawList, RowsKeepTextsAndItemDataAndColumnsReset) {
    COwnerDrawListCtrl list;
    list.addColumn(QStringLiteral("名前"), 120);
    list.addColumn(QStringLiteral("数"), 40, Qt::AlignRight);
    const int first = list.addRow({QStringLiteral(" a"), QStringLiteral(" 1 ")}, 0x00030001u);
    const int second = list.addRow({QStringLiteral(" b")}, 0x00010000u);
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.text(second, 1), QString());
    list.setText(second, 1, QStringLiteral(" 2 "));
    EXPECT_EQ(list.text(second, 1), QStringLiteral(" 2 "));
    EXPECT_EQ(list.itemData(first), 0x00030001u);
    EXPECT_EQ(list.header()->sectionSize(0), 120);

    // Sorting by the dialog's bits 16-31 of the item data.
    list.sortRows([](std::uint32_t a, std::uint32_t b) { return (a >> 16) < (b >> 16); });
    EXPECT_EQ(list.text(0, 0), QStringLiteral(" b"));
    EXPECT_EQ(list.text(1, 0), QStringLiteral(" a"));

    list.resetColumns();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.columnCount(), 0);
}

TEST(OwnerDrawList, DetailRowsPaintHighlightWholeRowAndNoSelection) {
    COwnerDrawListCtrl list;
    list.setDrawMode(DrawMode::Detail);
    list.addColumn(QStringLiteral("種類"), 150);
    list.addColumn(QStringLiteral("数"), 50, Qt::AlignRight);
    list.addRow({QStringLiteral(" a"), QStringLiteral(" 1 ")},
                COwnerDrawListCtrl::packDetail(true, 7));
    list.addRow({QStringLiteral(" b"), QStringLiteral(" 2 ")},
                COwnerDrawListCtrl::packDetail(false, 7));
    list.setCurrentRow(1);
    QImage image = paintList(list);

    const QColor base = paletteColor(list, QPalette::Base);
    const int right = list.viewport()->width() - 3;
    EXPECT_EQ(cellCorner(image, cellRect(list, 0, 1)), QColor(255, 128, 128));
    // The light red reaches the right edge of the list, beyond the last column.
    EXPECT_EQ(image.pixelColor(right, cellRect(list, 0, 0).top() + 2), QColor(255, 128, 128));
    // The selected row is not shown as selected.
    ASSERT_TRUE(list.selectionModel()->isRowSelected(1, {}));
    EXPECT_EQ(cellCorner(image, cellRect(list, 1, 0)), base);

    // Plain rows show the selection over the whole row; without drawing mode nothing is drawn.
    list.setDrawMode(DrawMode::Plain);
    image = paintList(list);
    EXPECT_EQ(image.pixelColor(right, cellRect(list, 1, 0).top() + 2),
              paletteColor(list, QPalette::Button));
    EXPECT_EQ(image.pixelColor(right, cellRect(list, 0, 0).top() + 2), base);
    list.setDrawMode(DrawMode::None);
    image = paintList(list);
    EXPECT_EQ(darkestLevel(image, cellRect(list, 0, 0)), base.red());
}

// Any list whose model gives colours and an image through its roles is drawn with them, whatever
// its columns: the drawing knows no column of its own.
TEST(OwnerDrawnRows, CellColoursAndTheImageComeFromTheModel) {
    QStandardItemModel model(2, 4);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 4; ++column) {
            model.setData(model.index(row, column), QStringLiteral(" x "));
        }
    }
    model.setData(model.index(0, 3), QColor(10, 200, 30), Qt::BackgroundRole);
    model.setData(model.index(1, 2), QColor(250, 0, 250), Qt::ForegroundRole);
    model.setData(model.index(1, 2), QStringLiteral("MMMM"));
    model.setData(model.index(0, 0), 7, kImageRole);
    model.setData(model.index(1, 0), QColor(1, 2, 3), kRowBackgroundRole);

    COwnerDrawnView view;
    view.setModel(&model);
    view.setDrawMode(DrawMode::Records);
    for (int column = 0; column < 4; ++column) {
        view.header()->resizeSection(column, 60);
    }
    const QImage image = paintList(view);
    const QColor base = paletteColor(view, QPalette::Base);
    EXPECT_EQ(cellCorner(image, cellRect(view, 0, 3)), QColor(10, 200, 30));
    EXPECT_EQ(cellCorner(image, cellRect(view, 0, 2)), base);
    // The row colour fills the whole row; cells without a colour of their own show it.
    EXPECT_EQ(cellCorner(image, cellRect(view, 1, 3)), QColor(1, 2, 3));
    // The text of the coloured cell is drawn in its colour.
    const QRect textCell = cellRect(view, 1, 2);
    bool magenta = false;
    for (int y = textCell.top(); y <= textCell.bottom(); ++y) {
        for (int x = textCell.left(); x <= textCell.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            magenta = magenta || (c.red() > 200 && c.green() < 60 && c.blue() > 200);
        }
    }
    EXPECT_TRUE(magenta);
    // Only the row whose model gives an image shows one.
    const auto imageAt = [&](int row) {
        const QRect cell = cellRect(view, row, 0);
        const QColor background = cellCorner(image, cell);
        for (int y = 1; y <= 16; ++y) {
            for (int x = 1; x <= 16; ++x) {
                if (image.pixelColor(cell.left() + x, cell.top() + y) != background) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(imageAt(0));
    EXPECT_FALSE(imageAt(1));
}

} // namespace
} // namespace tessary::test
