// The category tree: what it shows, which node it selects, what a selection does to the
// document, and how it remembers expanded groups; and the image strip it draws from.
#include "GuiTestSupport.h"

#include "framework/Text.h"
#include "framework/View.h"
#include "resources/CommandIds.h"
#include "resources/Images.h"
#include "views/CategoryView.h"

#include <QIcon>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace tessary::test {
namespace {

// A view that records every hint the document broadcasts to it, with the tree node selected at
// that moment.
class RecordingView : public fw::CView {
public:
    explicit RecordingView(const DeedDocument& data) : data_(data) {}

    QWidget* widget() override { return &widget_; }
    void onUpdate(fw::CView* sender, int hint) override {
        hints.push_back({sender, hint, data_.selectedEntry()});
    }

    struct Hint {
        fw::CView* sender;
        int hint;
        const CatalogueEntry* selected;
    };
    std::vector<Hint> hints;

    int count(int hint) const {
        int n = 0;
        for (const Hint& h : hints) {
            n += h.hint == hint ? 1 : 0;
        }
        return n;
    }
    const Hint* last(int hint) const {
        for (auto it = hints.rbegin(); it != hints.rend(); ++it) {
            if (it->hint == hint) {
                return &*it;
            }
        }
        return nullptr;
    }

private:
    const DeedDocument& data_;
    QWidget widget_;
};

class CategoryViewTest : public ::testing::Test {
protected:
    // Creates the tree as the frame does: attached first, then its initial update; a recording
    // view is attached after it, like the right-hand list.
    CCategoryView& openTree() {
        tree = std::make_unique<CCategoryView>(doc(), nullptr);
        tree->attachTo(doc());
        tree->onInitialUpdate();
        recorder = std::make_unique<RecordingView>(doc()->data());
        recorder->attachTo(doc());
        return *tree;
    }

    CTessaryDoc* doc() { return f.doc.get(); }
    const CatalogueEntry* entry(int group, int category = 0) {
        return doc()->catalogue().findEntry(makeKey(group, category, 0));
    }
    QString text(int top, int child = -1) {
        QTreeWidgetItem* item = tree->topLevelItem(top);
        return child < 0 ? item->text(0) : item->child(child)->text(0);
    }
    std::string expandSetting(int group) {
        char key[32];
        std::snprintf(key, sizeof key, "GroupExpand%03d", group);
        return f.settings.readString("Settings", key, "(none)");
    }
    void setFilters() {
        Deed deedFilter;
        deedFilter.itemCode = Deed::makeItemCode(1, 2, 3, 1);
        deedFilter.orderCode = Deed::makeOrderCode(2, 3);
        doc()->data().setDeedFilter(deedFilter);
        ConditionRow conditionFilter;
        conditionFilter.firstKey = 0x02010001;
        conditionFilter.secondKey = 0x02030000;
        conditionFilter.filled = 2;
        doc()->data().setConditionFilter(conditionFilter);
    }

    DocFixture f;
    std::unique_ptr<CCategoryView> tree;
    std::unique_ptr<RecordingView> recorder;
};

TEST_F(CategoryViewTest, FirstRunShowsEveryGroupExpandedAndSelectsTheFirst) {
    CCategoryView& view = openTree();
    EXPECT_FALSE(view.treePending());

    // Four groups at the root, their categories beneath them, in catalogue order, each name
    // between two spaces and each item pointing at its own catalogue entry.
    ASSERT_EQ(view.topLevelItemCount(), 4);
    const int categories[] = {5, 3, 9, 5};
    for (int g = 0; g < 4; ++g) {
        QTreeWidgetItem* group = view.topLevelItem(g);
        EXPECT_TRUE(group->isExpanded()) << g;
        EXPECT_EQ(CCategoryView::entryOf(group), entry(g + 1));
        ASSERT_EQ(group->childCount(), categories[g]);
        for (int c = 0; c < group->childCount(); ++c) {
            EXPECT_EQ(CCategoryView::entryOf(group->child(c)), entry(g + 1, c + 1));
            EXPECT_EQ(group->child(c)->childCount(), 0);
        }
    }
    EXPECT_EQ(text(0), QStringLiteral(" 鍛冶（武器） "));
    EXPECT_EQ(text(3), QStringLiteral(" 裁縫（革） "));
    EXPECT_EQ(text(0, 0), QStringLiteral(" bardiche "));
    EXPECT_EQ(text(2, 8), QStringLiteral(" feathered hat "));

    // Group and category items show the images the catalogue names.
    auto iconImage = [&](QTreeWidgetItem* item) {
        return item->icon(0).pixmap(images::kImageSize).toImage();
    };
    EXPECT_EQ(iconImage(view.topLevelItem(1)), images::image(8).toImage());
    EXPECT_EQ(iconImage(view.topLevelItem(1)->child(0)), images::image(12).toImage());
    EXPECT_EQ(iconImage(view.topLevelItem(3)->child(4)), images::image(30).toImage());

    // Rows are 18 pixels high and the header is hidden.
    view.resize(240, 400);
    view.show();
    EXPECT_TRUE(view.isHeaderHidden());
    EXPECT_EQ(view.visualItemRect(view.topLevelItem(0)).height(), 18);
    EXPECT_EQ(view.visualItemRect(view.topLevelItem(0)->child(1)).height(), 18);
    EXPECT_FALSE(view.grab().isNull());

    // Building the tree wrote no expansion state.
    EXPECT_EQ(expandSetting(1), "(none)");

    // Hint 1 selects the first group and tells the other views once, as its sender.
    doc()->data().setRebuildPending(false);
    doc()->updateAllViews(nullptr, kHintReselect);
    EXPECT_EQ(doc()->data().selectedEntry(), entry(1));
    EXPECT_EQ(view.currentEntry(), entry(1));
    ASSERT_EQ(recorder->count(kHintSelectionChanged), 1);
    EXPECT_EQ(recorder->last(kHintSelectionChanged)->sender, &view);
    EXPECT_EQ(recorder->last(kHintSelectionChanged)->selected, entry(1));
}

TEST_F(CategoryViewTest, HintOneSelectsTheFirstExpandedGroup) {
    // A user who collapsed every group but the third.
    f.settings.writeInt("Settings", "GroupExpand001", 0);
    f.settings.writeInt("Settings", "GroupExpand002", 0);
    f.settings.writeInt("Settings", "GroupExpand004", 0);
    CCategoryView& view = openTree();
    EXPECT_FALSE(view.topLevelItem(0)->isExpanded());
    EXPECT_FALSE(view.topLevelItem(1)->isExpanded());
    EXPECT_TRUE(view.topLevelItem(2)->isExpanded());
    EXPECT_FALSE(view.topLevelItem(3)->isExpanded());
    EXPECT_EQ(expandSetting(3), "(none)");

    doc()->data().setRebuildPending(false);
    doc()->updateAllViews(nullptr, kHintReselect);
    EXPECT_EQ(doc()->data().selectedEntry(), entry(3));
    EXPECT_EQ(view.currentEntry(), entry(3));

    // With every group collapsed the first group is selected.
    view.topLevelItem(2)->setExpanded(false);
    doc()->updateAllViews(nullptr, kHintReselect);
    EXPECT_EQ(doc()->data().selectedEntry(), entry(1));
    EXPECT_EQ(recorder->count(kHintSelectionChanged), 2);
}

TEST_F(CategoryViewTest, SelectingANodeSetsTheEntryAndClearsBothFilters) {
    CCategoryView& view = openTree();
    doc()->data().setRebuildPending(false);

    // The user picks a category.
    setFilters();
    view.setCurrentItem(view.topLevelItem(1)->child(2));
    EXPECT_EQ(doc()->data().selectedEntry(), entry(2, 3));
    EXPECT_FALSE(doc()->data().isDeedFilterSet());
    EXPECT_FALSE(doc()->data().isConditionFilterSet());
    ASSERT_EQ(recorder->count(kHintSelectionChanged), 1);
    EXPECT_EQ(recorder->last(kHintSelectionChanged)->selected, entry(2, 3));

    // Hint 1 moves the selection to the first group, and selecting that same group again
    // still clears the filters and re-lists.
    for (int round = 0; round < 2; ++round) {
        setFilters();
        doc()->updateAllViews(nullptr, kHintReselect);
        EXPECT_EQ(doc()->data().selectedEntry(), entry(1)) << round;
        EXPECT_FALSE(doc()->data().isDeedFilterSet()) << round;
        EXPECT_FALSE(doc()->data().isConditionFilterSet()) << round;
        EXPECT_EQ(recorder->count(kHintSelectionChanged), 2 + round);
    }
    EXPECT_EQ(view.selectedItems().size(), 1);
}

TEST_F(CategoryViewTest, NoSelectionHintWhileTheListsAreRebuilding) {
    CCategoryView& view = openTree();
    ASSERT_TRUE(doc()->data().rebuildPending());
    setFilters();

    doc()->updateAllViews(nullptr, kHintReselect);
    view.setCurrentItem(view.topLevelItem(3)->child(0));

    // The selection and the filters follow, but the lists hear nothing until they are ready.
    EXPECT_EQ(doc()->data().selectedEntry(), entry(4, 1));
    EXPECT_FALSE(doc()->data().isDeedFilterSet());
    EXPECT_EQ(recorder->count(kHintSelectionChanged), 0);
}

TEST_F(CategoryViewTest, ExpandingAndCollapsingIsRememberedAcrossRuns) {
    CCategoryView& view = openTree();
    view.collapseItem(view.topLevelItem(1));
    EXPECT_EQ(expandSetting(2), "0");
    view.topLevelItem(3)->setExpanded(false);
    EXPECT_EQ(expandSetting(4), "0");
    view.expandItem(view.topLevelItem(1));
    EXPECT_EQ(expandSetting(2), "1");
    EXPECT_EQ(expandSetting(1), "(none)");

    // The next run's tree comes up as the user left it.
    recorder.reset();
    tree.reset();
    CCategoryView& next = openTree();
    EXPECT_TRUE(next.topLevelItem(1)->isExpanded());
    EXPECT_FALSE(next.topLevelItem(3)->isExpanded());
}

TEST_F(CategoryViewTest, CollapsingTheGroupOfTheSelectedCategorySelectsTheGroup) {
    CCategoryView& view = openTree();
    doc()->data().setRebuildPending(false);
    view.setCurrentItem(view.topLevelItem(1)->child(2));
    ASSERT_EQ(doc()->selectedEntry(), entry(2, 3));
    setFilters();
    view.collapseItem(view.topLevelItem(1));
    EXPECT_EQ(doc()->selectedEntry(), entry(2));
    EXPECT_FALSE(doc()->data().isDeedFilterSet());
    // Collapsing another group leaves the selection alone.
    view.collapseItem(view.topLevelItem(0));
    EXPECT_EQ(doc()->selectedEntry(), entry(2));
}

TEST_F(CategoryViewTest, TheSelectionMovesButNeverVanishes) {
    CCategoryView& view = openTree();
    doc()->data().setRebuildPending(false);
    view.resize(300, 600);
    view.show();
    doc()->updateAllViews(nullptr, kHintReselect);
    QTreeWidgetItem* group = view.topLevelItem(0);
    ASSERT_TRUE(group->isSelected());
    const int relisted = recorder->count(kHintSelectionChanged);
    const auto click = [&](QTreeWidgetItem* item, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers,
                          view.visualItemRect(item).center());
    };

    // Ctrl+click and Ctrl+Space on the selected node would deselect it in a plain tree.
    click(group, Qt::ControlModifier);
    EXPECT_TRUE(group->isSelected());
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(group->isSelected());
    // A click on the empty space below the last node, and a selection cleared by the program.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(20, view.viewport()->height() - 5));
    view.clearSelection();
    EXPECT_TRUE(group->isSelected());
    EXPECT_EQ(view.selectedItems().size(), 1);
    EXPECT_EQ(doc()->selectedEntry(), entry(1));
    // Nothing changed, so the lists were not listed again.
    EXPECT_EQ(recorder->count(kHintSelectionChanged), relisted);

    // The selection still moves, with a click or with Ctrl+click.
    click(view.topLevelItem(1)->child(2), Qt::NoModifier);
    EXPECT_EQ(doc()->selectedEntry(), entry(2, 3));
    click(group, Qt::ControlModifier);
    EXPECT_EQ(doc()->selectedEntry(), entry(1));
    EXPECT_EQ(view.selectedItems().size(), 1);
    EXPECT_EQ(recorder->count(kHintSelectionChanged), relisted + 2);
}

TEST_F(CategoryViewTest, CustomisedNamesShowAfterHintSeven) {
    f.settings.writeInt("Settings", "GroupExpand002", 0);
    CCategoryView& view = openTree();
    doc()->data().setRebuildPending(false);
    doc()->updateAllViews(nullptr, kHintReselect);

    // The naming dialog replaces the whole catalogue with renamed entries.
    std::vector<CatalogueEntry> renamed = doc()->catalogue().entries();
    for (CatalogueEntry& e : renamed) {
        if (e.key == makeKey(2, 3, 0)) {
            e.name = fw::toCp932(QStringLiteral("プレート　メイル"));
        }
    }
    doc()->catalogue().entries() = std::move(renamed);
    doc()->data().setRebuildPending(true);
    doc()->updateAllViews(nullptr, kHintNamesChanged);

    EXPECT_EQ(text(1, 2), QStringLiteral(" プレート　メイル "));
    EXPECT_EQ(text(1, 1), QStringLiteral(" Chainmail "));
    // The items point into the new catalogue, and nothing points into the old one.
    EXPECT_EQ(CCategoryView::entryOf(view.topLevelItem(1)->child(2)), entry(2, 3));
    EXPECT_EQ(doc()->data().selectedEntry(), nullptr);
    // Expansion survives the rebuild, and the rebuild wrote nothing.
    EXPECT_FALSE(view.topLevelItem(1)->isExpanded());
    EXPECT_TRUE(view.topLevelItem(0)->isExpanded());
    EXPECT_EQ(expandSetting(2), "0");

    // The lists ask for the selection again once they are ready.
    doc()->data().setRebuildPending(false);
    doc()->updateAllViews(nullptr, kHintReselect);
    EXPECT_EQ(doc()->data().selectedEntry(), entry(1));
}

TEST(ImagesTest, StripHoldsThirtyOneDistinctCatalogueImages) {
    for (int i = 0; i < images::kImageCount; ++i) {
        EXPECT_EQ(images::image(i).size(), QSize(16, 16)) << i;
    }
    EXPECT_TRUE(images::image(-1).isNull());
    EXPECT_TRUE(images::image(images::kImageCount).isNull());

    // The images the catalogue uses are drawn (not blank) and no two are alike.
    const int used[] = {1, 7, 8, 12, 13, 23, 24, 30};
    std::vector<QImage> drawn;
    for (const int i : used) {
        const QImage img = images::image(i).toImage();
        int opaque = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                opaque += qAlpha(img.pixel(x, y)) > 128 ? 1 : 0;
            }
        }
        EXPECT_GT(opaque, 40) << i;
        // The background stays transparent: the corners of a picture are not all painted.
        const int corners = qAlpha(img.pixel(0, 0)) + qAlpha(img.pixel(15, 0)) +
                            qAlpha(img.pixel(0, 15)) + qAlpha(img.pixel(15, 15));
        EXPECT_LT(corners, 4 * 255) << i;
        drawn.push_back(img);
    }
    for (std::size_t a = 0; a < drawn.size(); ++a) {
        for (std::size_t b = a + 1; b < drawn.size(); ++b) {
            EXPECT_NE(drawn[a], drawn[b]) << used[a] << " and " << used[b];
        }
    }

    const QList<QSize> sizes = images::appIcon().availableSizes();
    for (const int s : {16, 32, 48, 64}) {
        EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
    }
}

} // namespace
} // namespace tessary::test
