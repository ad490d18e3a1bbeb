// The display filters as the user meets them: the filter dialog of each list opened through its
// command and filled from a timer, what the lists then show, the clear command, the status pane,
// and the tree selection that drops both filters.
#include "GuiTestSupport.h"

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "data/DeedFile.h"
#include "dialogs/FilterDialog.h"
#include "framework/CommandRouter.h"
#include "resources/CommandIds.h"
#include "views/CategoryView.h"
#include "views/ConditionView.h"
#include "views/DeedView.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace tessary {
namespace {

using test::makeDeed;
using test::ScriptedPrompt;
using test::TempDir;

using test::ModalAnswer;

// The drop-down list of the row labelled `label`.
QComboBox* listOf(QDialog& dialog, const QString& label) {
    for (QLabel* l : dialog.findChildren<QLabel*>()) {
        if (l->text() == label) {
            return qobject_cast<QComboBox*>(l->buddy());
        }
    }
    ADD_FAILURE() << "no row " << label.toStdString();
    return nullptr;
}

QStringList labelTexts(QDialog& dialog) {
    QStringList texts;
    for (QLabel* l : dialog.findChildren<QLabel*>()) {
        texts << l->text();
    }
    return texts;
}

QStringList entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->itemText(i);
    }
    return texts;
}

// Chooses an entry as the user does; the dialog reacts to the change of selection.
void choose(QComboBox* list, const QString& text) {
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    list->setCurrentIndex(index);
}

void press(QDialog& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

// A key as the focused control receives it.
void key(QDialog& dialog, Qt::Key k) {
    QWidget* target = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
    QTest::keyClick(target, k);
}

const QString kAllCategories = QStringLiteral(" < すべてのカテゴリ >");
const QString kAllTypes = QStringLiteral(" < すべての種類 >");
const QString kAllMaterials = QStringLiteral(" < すべての材料 >");
const QString kAllQualities = QStringLiteral(" < すべての品質 >");
const QString kAllQuantities = QStringLiteral(" < すべての数量 >");
const QString kFilterSet = QStringLiteral("表示条件あり");

// The program started in a temporary working folder on a deed file of the test's choosing.
class FilterProgram : public test::ProgramTest {
protected:
    void start(const std::vector<Deed>& deeds) { startProgram(deeds); }

    // Selects a group (category 0) or category node of the tree as the user does.
    void selectNode(int group, int category = 0) {
        chooseNode(group, category);
        const CatalogueEntry* entry = data().selectedEntry();
        ASSERT_TRUE(entry != nullptr && entry->key == makeKey(group, category, 0));
    }

    std::vector<std::uint32_t> deedRows() {
        std::vector<std::uint32_t> out;
        for (const Deed* d : frame->deedView()->rows()) {
            out.push_back(d->serialNumber);
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    std::vector<int> remainings() {
        std::vector<int> out;
        for (const ConditionRow* row : frame->conditionView()->rows()) {
            out.push_back(row->remaining());
        }
        std::sort(out.begin(), out.end());
        return out;
    }
};

using Serials = std::vector<std::uint32_t>;

TEST_F(FilterProgram, ACategoryNodeFixesTheCategoryAndOneMaterialIsNeverTested) {
    // mace (group 1, category 2): maul and war mace; a bardiche outside the node. The weapon
    // smiths' group has iron only.
    start({makeDeed(1, 2, 3, 1, 1, 1, 1), makeDeed(1, 2, 4, 1, 1, 1, 2),
           makeDeed(1, 1, 2, 1, 1, 1, 3)});
    selectNode(1, 2);
    ASSERT_EQ(deedRows(), (Serials{1, 2}));
    EXPECT_FALSE(enabled(cmd::FilterClear));
    EXPECT_TRUE(enabled(cmd::FilterSet));

    ModalAnswer answer([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("ディード一覧の表示条件設定"));
        EXPECT_EQ(labelTexts(d), (QStringList{QStringLiteral("カテゴリ"), QStringLiteral("種類"),
                                              QStringLiteral("材料"), QStringLiteral("品質"),
                                              QStringLiteral("数量")}));
        QComboBox* category = listOf(d, QStringLiteral("カテゴリ"));
        QComboBox* type = listOf(d, QStringLiteral("種類"));
        QComboBox* material = listOf(d, QStringLiteral("材料"));
        QComboBox* quantity = listOf(d, QStringLiteral("数量"));
        ASSERT_TRUE(category && type && material && quantity);
        // The node already narrows the category: shown, but not to be changed.
        EXPECT_EQ(category->currentText(), QStringLiteral(" mace"));
        EXPECT_FALSE(category->isEnabled());
        EXPECT_EQ(entries(category).first(), kAllCategories);
        // The node's types, the catch-all first and chosen.
        EXPECT_TRUE(type->isEnabled());
        EXPECT_EQ(entries(type),
                  (QStringList{kAllTypes, QStringLiteral(" mace 大口"), QStringLiteral(" mace"),
                               QStringLiteral(" maul"), QStringLiteral(" war mace"),
                               QStringLiteral(" war hammer"), QStringLiteral(" hammer pick"),
                               QStringLiteral(" war axe")}));
        EXPECT_EQ(type->currentIndex(), 0);
        // One material: shown alone, disabled, standing for every material.
        EXPECT_EQ(entries(material), (QStringList{QStringLiteral(" iron ingots")}));
        EXPECT_FALSE(material->isEnabled());
        EXPECT_EQ(material->currentData().toInt(), 0);
        EXPECT_EQ(entries(quantity), (QStringList{kAllQuantities, QStringLiteral(" 10"),
                                                  QStringLiteral(" 15"), QStringLiteral(" 20")}));
        choose(type, QStringLiteral(" maul"));
        press(d, QStringLiteral("確定"));
    });
    ASSERT_TRUE(run(cmd::FilterSet));
    ASSERT_TRUE(answer.answered());

    // The category and the material are not part of the filter; the type is.
    EXPECT_EQ(data().deedFilter().itemCode, Deed::makeItemCode(0, 0, 3, 0));
    EXPECT_EQ(data().deedFilter().orderCode, 0u);
    EXPECT_EQ(deedRows(), (Serials{1}));
    EXPECT_EQ(frame->paneText(3), kFilterSet);
    EXPECT_TRUE(enabled(cmd::FilterClear));

    // The clear command shows everything again and disables itself.
    ASSERT_TRUE(run(cmd::FilterClear));
    EXPECT_FALSE(data().isDeedFilterSet());
    EXPECT_EQ(deedRows(), (Serials{1, 2}));
    EXPECT_EQ(frame->paneText(3), QString());
    EXPECT_FALSE(enabled(cmd::FilterClear));

    // Without a tree node the command opens nothing.
    data().setSelectedEntry(nullptr);
    ModalAnswer none([](QDialog& d) { d.reject(); });
    EXPECT_TRUE(run(cmd::FilterSet));
    QCoreApplication::processEvents();
    EXPECT_FALSE(none.answered());
}

TEST_F(FilterProgram, TypesAndQuantitiesFollowTheChosenCategoryAndType) {
    // Platemail (group 2, category 3) is a six-part order; gold ingots are material 6.
    start({makeDeed(2, 3, 1, 6, 2, 2, 1), makeDeed(2, 3, 1, 6, 2, 3, 2),
           makeDeed(2, 3, 2, 6, 2, 2, 3), makeDeed(2, 3, 1, 5, 2, 2, 4),
           makeDeed(2, 1, 2, 6, 2, 2, 5)});
    selectNode(2);
    ASSERT_EQ(deedRows(), (Serials{1, 2, 3, 4, 5}));

    const QStringList plain{kAllQuantities, QStringLiteral(" 10"), QStringLiteral(" 15"),
                            QStringLiteral(" 20")};
    const QStringList sixParts{kAllQuantities, QStringLiteral(" 60"), QStringLiteral(" 90"),
                               QStringLiteral(" 120")};
    ModalAnswer answer([&](QDialog& d) {
        QComboBox* category = listOf(d, QStringLiteral("カテゴリ"));
        QComboBox* type = listOf(d, QStringLiteral("種類"));
        QComboBox* material = listOf(d, QStringLiteral("材料"));
        QComboBox* quality = listOf(d, QStringLiteral("品質"));
        QComboBox* quantity = listOf(d, QStringLiteral("数量"));
        ASSERT_TRUE(category && type && material && quality && quantity);
        // Every category: no type to choose, plain quantities.
        EXPECT_TRUE(category->isEnabled());
        EXPECT_EQ(category->currentText(), kAllCategories);
        EXPECT_EQ(entries(type), QStringList{QString()});
        EXPECT_FALSE(type->isEnabled());
        EXPECT_EQ(entries(quantity), plain);
        EXPECT_TRUE(material->isEnabled());
        EXPECT_EQ(material->count(), 10);
        EXPECT_EQ(material->currentText(), kAllMaterials);
        EXPECT_EQ(entries(quality), (QStringList{kAllQualities, QStringLiteral(" 標準"),
                                                 QStringLiteral(" exceptional")}));

        choose(category, QStringLiteral(" Platemail"));
        EXPECT_TRUE(type->isEnabled());
        EXPECT_EQ(type->currentText(), kAllTypes);
        EXPECT_EQ(entries(quantity), plain);
        // The large deed counts every part of the order.
        choose(type, QStringLiteral(" Platemail 大口"));
        EXPECT_EQ(entries(quantity), sixParts);
        choose(type, kAllTypes);
        EXPECT_EQ(entries(quantity), plain);
        // Back to every category: the type list empties and locks again.
        choose(type, QStringLiteral(" Platemail 大口"));
        choose(category, kAllCategories);
        EXPECT_EQ(entries(type), QStringList{QString()});
        EXPECT_FALSE(type->isEnabled());
        EXPECT_EQ(entries(quantity), plain);

        choose(category, QStringLiteral(" Platemail"));
        choose(type, QStringLiteral(" Platemail 大口"));
        choose(quantity, QStringLiteral(" 90"));
        choose(material, QStringLiteral(" gold ingots"));
        choose(quality, QStringLiteral(" exceptional"));
        key(d, Qt::Key_Return);
    });
    ASSERT_TRUE(run(cmd::FilterSet));
    ASSERT_TRUE(answer.answered());
    // The quantity is stored as its index, whatever number the list showed.
    EXPECT_EQ(data().deedFilter().itemCode, Deed::makeItemCode(0, 3, 1, 6));
    EXPECT_EQ(data().deedFilter().orderCode, Deed::makeOrderCode(2, 2));
    EXPECT_EQ(deedRows(), (Serials{1}));

    // Opening again shows the stored choices; クリア empties them but keeps the dialog open, and
    // 取消 (Escape) leaves the document's filter as it was.
    ModalAnswer reopened([&](QDialog& d) {
        QComboBox* category = listOf(d, QStringLiteral("カテゴリ"));
        QComboBox* type = listOf(d, QStringLiteral("種類"));
        QComboBox* material = listOf(d, QStringLiteral("材料"));
        QComboBox* quantity = listOf(d, QStringLiteral("数量"));
        ASSERT_TRUE(category && type && material && quantity);
        EXPECT_EQ(category->currentText(), QStringLiteral(" Platemail"));
        EXPECT_EQ(type->currentText(), QStringLiteral(" Platemail 大口"));
        EXPECT_EQ(entries(quantity), sixParts);
        EXPECT_EQ(quantity->currentText(), QStringLiteral(" 90"));
        EXPECT_EQ(material->currentText(), QStringLiteral(" gold ingots"));
        // Another category starts from every type, not from the stored one.
        choose(category, QStringLiteral(" Chainmail"));
        EXPECT_EQ(type->currentText(), kAllTypes);
        EXPECT_EQ(entries(quantity), plain);
        EXPECT_EQ(quantity->currentText(), kAllQuantities);

        press(d, QStringLiteral("クリア"));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(category->currentText(), kAllCategories);
        EXPECT_FALSE(type->isEnabled());
        EXPECT_EQ(entries(quantity), plain);
        EXPECT_EQ(quantity->currentText(), kAllQuantities);
        EXPECT_EQ(material->currentText(), kAllMaterials);
        key(d, Qt::Key_Escape);
    });
    ASSERT_TRUE(run(cmd::FilterSet));
    ASSERT_TRUE(reopened.answered());
    EXPECT_EQ(data().deedFilter().itemCode, Deed::makeItemCode(0, 3, 1, 6));
    EXPECT_EQ(deedRows(), (Serials{1}));

    // クリア then 確定 stores the empty filter.
    ModalAnswer cleared([](QDialog& d) {
        press(d, QStringLiteral("クリア"));
        press(d, QStringLiteral("確定"));
    });
    ASSERT_TRUE(run(cmd::FilterSet));
    ASSERT_TRUE(cleared.answered());
    EXPECT_FALSE(data().isDeedFilterSet());
    EXPECT_EQ(deedRows(), (Serials{1, 2, 3, 4, 5}));
    EXPECT_EQ(frame->paneText(3), QString());
    EXPECT_FALSE(enabled(cmd::FilterClear));
}

TEST_F(FilterProgram, TheRemainingCountKeepsOrdersWithThatManyOrFewerMissing) {
    // mace orders need seven deeds. Standard quality: quantity 10 complete, 15 with three
    // missing, 20 with four missing; the three exceptional orders hold nothing.
    std::vector<Deed> deeds;
    std::uint32_t serial = 0;
    const auto add = [&](int quantity, int types) {
        for (int type = 1; type <= types; ++type) {
            deeds.push_back(makeDeed(1, 2, type, 1, 1, quantity, ++serial));
        }
    };
    add(1, 7);
    add(2, 4);
    add(3, 3);
    start(deeds);
    ASSERT_TRUE(run(cmd::ShowConditionList));
    selectNode(1, 2);
    ASSERT_EQ(remainings(), (std::vector<int>{0, 3, 4, 7, 7, 7}));
    EXPECT_FALSE(enabled(cmd::FilterClear));

    ModalAnswer answer([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("受注状況一覧の表示条件設定"));
        EXPECT_EQ(labelTexts(d), (QStringList{QStringLiteral("カテゴリ"), QStringLiteral("材料"),
                                              QStringLiteral("品質"), QStringLiteral("数量"),
                                              QStringLiteral("残数")}));
        QComboBox* category = listOf(d, QStringLiteral("カテゴリ"));
        QComboBox* material = listOf(d, QStringLiteral("材料"));
        QComboBox* quantity = listOf(d, QStringLiteral("数量"));
        QComboBox* remaining = listOf(d, QStringLiteral("残数"));
        ASSERT_TRUE(category && material && quantity && remaining);
        EXPECT_FALSE(category->isEnabled());
        EXPECT_FALSE(material->isEnabled());
        // Orders are counted in deeds of the plain quantity.
        EXPECT_EQ(entries(quantity), (QStringList{kAllQuantities, QStringLiteral(" 10"),
                                                  QStringLiteral(" 15"), QStringLiteral(" 20")}));
        EXPECT_EQ(entries(remaining),
                  (QStringList{QStringLiteral(" < すべての残数 >"), QStringLiteral(" 0 枚"),
                               QStringLiteral(" 1 枚以下"), QStringLiteral(" 2 枚以下"),
                               QStringLiteral(" 3 枚以下"), QStringLiteral(" 4 枚以下"),
                               QStringLiteral(" 5 枚以下"), QStringLiteral(" 6 枚以下")}));
        EXPECT_EQ(remaining->currentIndex(), 0);
        choose(remaining, QStringLiteral(" 0 枚"));
        press(d, QStringLiteral("確定"));
    });
    ASSERT_TRUE(run(cmd::FilterSet));
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(remainings(), (std::vector<int>{0}));
    EXPECT_EQ(data().conditionFilter().firstKey, 0u);
    EXPECT_EQ(frame->paneText(3), kFilterSet);
    EXPECT_TRUE(enabled(cmd::FilterClear));

    ModalAnswer threeOrFewer([](QDialog& d) {
        QComboBox* remaining = listOf(d, QStringLiteral("残数"));
        ASSERT_NE(remaining, nullptr);
        EXPECT_EQ(remaining->currentText(), QStringLiteral(" 0 枚"));
        choose(remaining, QStringLiteral(" 3 枚以下"));
        press(d, QStringLiteral("確定"));
    });
    ASSERT_TRUE(run(cmd::FilterSet));
    ASSERT_TRUE(threeOrFewer.answered());
    EXPECT_EQ(remainings(), (std::vector<int>{0, 3}));

    // Quality and quantity narrow the rows as well.
    ModalAnswer byQuantity([](QDialog& d) {
        QComboBox* quantity = listOf(d, QStringLiteral("数量"));
        QComboBox* remaining = listOf(d, QStringLiteral("残数"));
        ASSERT_TRUE(quantity && remaining);
        choose(remaining, QStringLiteral(" < すべての残数 >"));
        choose(quantity, QStringLiteral(" 20"));
        choose(listOf(d, QStringLiteral("品質")), QStringLiteral(" 標準"));
        press(d, QStringLiteral("確定"));
    });
    ASSERT_TRUE(run(cmd::FilterSet));
    ASSERT_TRUE(byQuantity.answered());
    EXPECT_EQ(remainings(), (std::vector<int>{4}));

    ASSERT_TRUE(run(cmd::FilterClear));
    EXPECT_EQ(remainings(), (std::vector<int>{0, 3, 4, 7, 7, 7}));
    EXPECT_EQ(frame->paneText(3), QString());
    EXPECT_FALSE(enabled(cmd::FilterClear));
}

TEST_F(FilterProgram, AnotherTreeNodeDropsBothFilters) {
    start({makeDeed(2, 3, 1, 6, 2, 2, 1), makeDeed(2, 3, 2, 5, 1, 1, 2),
           makeDeed(2, 1, 2, 6, 1, 1, 3)});
    selectNode(2);
    ModalAnswer deedFilter([](QDialog& d) {
        choose(listOf(d, QStringLiteral("材料")), QStringLiteral(" gold ingots"));
        press(d, QStringLiteral("確定"));
    });
    ASSERT_TRUE(run(cmd::FilterSet));
    ASSERT_TRUE(deedFilter.answered());
    ASSERT_EQ(deedRows(), (Serials{1, 3}));

    // The order-status list has a filter of its own.
    ASSERT_TRUE(run(cmd::ShowConditionList));
    EXPECT_EQ(frame->paneText(3), QString());
    const std::size_t allRows = frame->conditionView()->rows().size();
    ModalAnswer conditionFilter([](QDialog& d) {
        choose(listOf(d, QStringLiteral("品質")), QStringLiteral(" exceptional"));
        press(d, QStringLiteral("確定"));
    });
    ASSERT_TRUE(run(cmd::FilterSet));
    ASSERT_TRUE(conditionFilter.answered());
    ASSERT_EQ(frame->conditionView()->rows().size(), allRows / 2);
    ASSERT_TRUE(data().isDeedFilterSet());
    EXPECT_EQ(frame->paneText(3), kFilterSet);

    selectNode(2, 3);
    EXPECT_FALSE(data().isDeedFilterSet());
    EXPECT_FALSE(data().isConditionFilterSet());
    EXPECT_EQ(frame->paneText(3), QString());
    EXPECT_FALSE(enabled(cmd::FilterClear));
    // Platemail: nine materials, two qualities, three quantities.
    EXPECT_EQ(frame->conditionView()->rows().size(), 9u * 2u * 3u);
    ASSERT_TRUE(run(cmd::ShowDeedList));
    EXPECT_EQ(deedRows(), (Serials{1, 2}));
    EXPECT_EQ(frame->paneText(3), QString());
}

} // namespace
} // namespace tessary
