// The deed entry dialog and the deed list's edit commands: what the dialog offers and refuses,
// what reaches the document, the list, the settings file and the deed file, and the one-step undo.
#include "GuiTestSupport.h"

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "data/DeedFile.h"
#include "dialogs/DeedEntryDialog.h"
#include "framework/CmdUI.h"
#include "framework/CommandRouter.h"
#include "framework/InputMethod.h"
#include "framework/Text.h"
#include "resources/CommandIds.h"
#include "views/DeedView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace tessary::test {
namespace {

using test::makeDeed;

using Script = std::function<void(CDeedEntryDialog&)>;

// Runs `run` (a command that may open the entry dialog); the dialog it opens is handed to
// `script` from a zero-delay timer. A dialog the script leaves open is cancelled, and a timer
// whose command opened nothing dies with this call. Returns whether a dialog was shown.
bool withEntryDialog(const std::function<void()>& run, const Script& script) {
    bool shown = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<CDeedEntryDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        shown = true;
        script(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    timer.start(0);
    run();
    return shown;
}

bool withEntryDialog(CDeedView& view, int command, const Script& script) {
    return withEntryDialog([&] { view.onCommand(command); }, script);
}

QComboBox* list(QWidget& dialog, const char* name) {
    auto* found = dialog.findChild<QComboBox*>(QString::fromLatin1(name));
    if (found == nullptr) {
        throw std::runtime_error(name);
    }
    return found;
}

QCheckBox* checkBox(QWidget& dialog, int i) {
    return dialog.findChild<QCheckBox*>(QStringLiteral("combineCheck%1").arg(i));
}

QLineEdit* commentEdit(QWidget& dialog) {
    return list(dialog, "commentBox")->lineEdit();
}

QStringList itemTexts(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i) {
        texts << box->itemText(i);
    }
    return texts;
}

// Captions of the visible check boxes.
QStringList visibleCaptions(QWidget& dialog) {
    QStringList captions;
    for (int i = 0; i < CDeedEntryDialog::kCheckBoxCount; ++i) {
        if (checkBox(dialog, i)->isVisible()) {
            captions << checkBox(dialog, i)->text();
        }
    }
    return captions;
}

void press(QWidget& dialog, const char* button) {
    dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

std::vector<std::uint32_t> serials(const CDeedView& view) {
    std::vector<std::uint32_t> out;
    for (const Deed* deed : view.rows()) {
        out.push_back(deed->serialNumber);
    }
    return out;
}

int selectedRow(const CDeedView& view) {
    const QModelIndexList rows = view.selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

// Types `text` into `edit` one key at a time, as a keyboard or an input method delivers it.
void typeText(QWidget* edit, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &release);
    }
}

// A deed list over a document on a temporary folder.
class DeedEntry : public ::testing::Test {
protected:
    // Opens a deed file holding `deeds`: an unmodified document with nothing to undo.
    void loadDeeds(std::initializer_list<Deed> deeds) {
        fx.dir.write("deeds.dat", deedFileOf(deeds));
        ASSERT_TRUE(fx.doc->data().openDocument(fx.dir.file("deeds.dat")).ok());
    }
    void openList(int group, int category = 0) {
        fx.selectNode(group, category);
        view = std::make_unique<CDeedView>(fx.doc.get());
        view->attachTo(fx.doc.get());
        view->onInitialUpdate();
        view->onUpdate(nullptr, kHintSelectionChanged);
    }
    bool enabled(int id) {
        fw::CCmdUI ui(id);
        return view->onUpdateCommand(ui) && ui.enabled();
    }
    QString undoText() {
        fw::CCmdUI ui(cmd::Undo);
        view->onUpdateCommand(ui);
        return ui.text().value_or(QString());
    }
    void selectRow(int row) {
        view->selectionModel()->setCurrentIndex(view->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
    }
    QString cell(int row, int column) {
        return view->model()->index(row, column).data().toString();
    }
    const Deed& lastDeed() { return *fx.doc->data().deeds().back(); }

    DocFixture fx;
    std::unique_ptr<CDeedView> view;
};

// ---------------------------------------------------------------------------------------------
// What the dialog offers

TEST_F(DeedEntry, RegisterUnderACategoryNodeOffersTheSetAndAppendsTheSelectedRow) {
    fx.addDeed(1, 2, 3, 1, 1, 1);
    fx.addDeed(1, 2, 4, 1, 1, 1);
    openList(1, 2); // mace: a large order of six small deeds
    view->sortBy(6, false);
    view->sortBy(6, true); // registration number, descending: a new deed would sort first
    ASSERT_EQ(serials(*view), (std::vector<std::uint32_t>{2, 1}));

    const bool shown = withEntryDialog(*view, cmd::Register, [&](CDeedEntryDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("新規ディードの登録"));
        EXPECT_EQ(d.font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
        EXPECT_FALSE(list(d, "groupList")->isEnabled());
        EXPECT_EQ(list(d, "groupList")->currentText(), QStringLiteral(" 鍛冶（武器）"));
        EXPECT_FALSE(list(d, "categoryList")->isEnabled());
        EXPECT_EQ(list(d, "categoryList")->currentText(), QStringLiteral(" mace"));
        EXPECT_EQ(list(d, "typeList")->currentText(), QStringLiteral(" mace 大口"));
        EXPECT_EQ(list(d, "typeList")->count(), 7);
        // The group has a single material: chosen, and nothing else to choose.
        EXPECT_EQ(list(d, "materialList")->currentText(), QStringLiteral(" iron ingots"));
        EXPECT_FALSE(list(d, "materialList")->isEnabled());
        EXPECT_EQ(list(d, "qualityList")->currentText(), QStringLiteral(" 標準"));
        // The large deed asks for six parts of each quantity.
        EXPECT_EQ(
            itemTexts(list(d, "quantityList")),
            (QStringList{QStringLiteral(" 60"), QStringLiteral(" 90"), QStringLiteral(" 120")}));
        EXPECT_EQ(visibleCaptions(d),
                  (QStringList{QStringLiteral("mace"), QStringLiteral("maul"),
                               QStringLiteral("war mace"), QStringLiteral("war hammer"),
                               QStringLiteral("hammer pick"), QStringLiteral("war axe")}));
        EXPECT_FALSE(d.findChild<QLabel*>(QStringLiteral("combineCountLabel"))->isVisible());
        EXPECT_FALSE(list(d, "combineCountList")->isVisible());
        EXPECT_TRUE(commentEdit(d)->text().isEmpty());

        list(d, "qualityList")->setCurrentIndex(1);
        list(d, "quantityList")->setCurrentIndex(2);
        checkBox(d, 0)->setChecked(true);
        checkBox(d, 2)->setChecked(true);
        // Enter in any field presses 確定.
        QTest::keyClick(list(d, "typeList"), Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    ASSERT_TRUE(shown);

    ASSERT_EQ(fx.doc->data().deeds().size(), 3u);
    const Deed& added = lastDeed();
    EXPECT_EQ(added.itemCode, Deed::makeItemCode(1, 2, 1, 1));
    EXPECT_EQ(added.orderCode, Deed::makeOrderCode(2, 3));
    EXPECT_EQ(added.combined, 0xA000); // bits 15 and 13
    EXPECT_EQ(added.serialNumber, 3u);
    EXPECT_EQ(added.iconIndex, 7);
    // Appended at the end whatever the sort order, selected and current.
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{2, 1, 3}));
    EXPECT_EQ(selectedRow(*view), 2);
    EXPECT_EQ(view->currentIndex().row(), 2);
    EXPECT_EQ(cell(2, 3), QStringLiteral(" 120 "));
    EXPECT_EQ(cell(2, 4), QStringLiteral(" 40 "));

    // Reopened for update, exactly those boxes come back checked; 取消 (Escape) changes nothing.
    ASSERT_TRUE(withEntryDialog(*view, cmd::Update, [&](CDeedEntryDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("既存ディードの更新"));
        EXPECT_EQ(list(d, "qualityList")->currentText(), QStringLiteral(" exceptional"));
        EXPECT_EQ(list(d, "quantityList")->currentText(), QStringLiteral(" 120"));
        std::vector<bool> checked;
        for (int i = 0; i < CDeedEntryDialog::kCheckBoxCount; ++i) {
            checked.push_back(checkBox(d, i)->isChecked());
        }
        EXPECT_EQ(checked, (std::vector<bool>{true, false, true, false, false, false}));
        checkBox(d, 5)->setChecked(true);
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    }));
    EXPECT_EQ(lastDeed().combined, 0xA000);
    EXPECT_EQ(fx.doc->data().lastEdit(), kEditRegister);
}

TEST_F(DeedEntry, RegisterUnderAGroupNodeRefillsEveryDependentList) {
    openList(2); // armour: three categories, nine materials
    ASSERT_TRUE(withEntryDialog(*view, cmd::Register, [&](CDeedEntryDialog& d) {
        QComboBox* category = list(d, "categoryList");
        EXPECT_TRUE(category->isEnabled());
        EXPECT_EQ(category->currentText(), QStringLiteral(" Ringmail"));
        EXPECT_TRUE(list(d, "materialList")->isEnabled());
        EXPECT_EQ(list(d, "materialList")->count(), 9);
        // Ringmail: four parts.
        EXPECT_EQ(visibleCaptions(d).size(), 4);
        EXPECT_EQ(list(d, "quantityList")->itemText(0), QStringLiteral(" 40"));

        list(d, "materialList")->setCurrentIndex(3);
        checkBox(d, 1)->setChecked(true);
        category->setCurrentIndex(2); // Platemail: everything below starts again
        EXPECT_EQ(list(d, "typeList")->currentText(), QStringLiteral(" Platemail 大口"));
        EXPECT_EQ(list(d, "materialList")->currentIndex(), 0);
        EXPECT_EQ(visibleCaptions(d).size(), 6);
        EXPECT_FALSE(checkBox(d, 1)->isChecked());
        // A quantity change of a large deed clears its boxes.
        checkBox(d, 4)->setChecked(true);
        list(d, "quantityList")->setCurrentIndex(1);
        EXPECT_FALSE(checkBox(d, 4)->isChecked());

        // A small deed: no boxes, the combine count instead.
        list(d, "typeList")->setCurrentIndex(2);
        EXPECT_EQ(list(d, "typeList")->currentText(), QStringLiteral(" platemail gloves"));
        EXPECT_TRUE(visibleCaptions(d).isEmpty());
        EXPECT_TRUE(d.findChild<QLabel*>(QStringLiteral("combineCountLabel"))->isVisible());
        EXPECT_TRUE(list(d, "combineCountList")->isVisible());
        EXPECT_EQ(
            itemTexts(list(d, "quantityList")),
            (QStringList{QStringLiteral(" 10"), QStringLiteral(" 15"), QStringLiteral(" 20")}));
        list(d, "quantityList")->setCurrentIndex(1); // "15"
        QComboBox* combine = list(d, "combineCountList");
        ASSERT_EQ(combine->count(), 16);
        EXPECT_EQ(combine->itemText(0), QStringLiteral(" 0"));
        EXPECT_EQ(combine->itemText(15), QStringLiteral(" 15"));
        EXPECT_EQ(combine->currentIndex(), 0);
        combine->setCurrentIndex(7);
        list(d, "materialList")->setCurrentIndex(8);
        typeText(commentEdit(d), QStringLiteral("鉄 ok"));
        press(d, "acceptButton");
    }));
    const Deed& added = lastDeed();
    EXPECT_EQ(added.itemCode, Deed::makeItemCode(2, 3, 3, 9));
    EXPECT_EQ(added.orderCode, Deed::makeOrderCode(1, 2));
    EXPECT_EQ(added.combined, 7);
    EXPECT_EQ(added.comment, "\x93\x53 ok");
    EXPECT_EQ(added.materialColor, 145u + 162u * 256u + 186u * 65536u);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(selectedRow(*view), 0);

    // A deed the display condition hides is registered but gets no row.
    Deed deedFilter = fx.doc->data().deedFilter();
    deedFilter.orderCode = Deed::makeOrderCode(2, 0);
    fx.doc->data().setDeedFilter(deedFilter);
    ASSERT_TRUE(withEntryDialog(*view, cmd::Register,
                                [](CDeedEntryDialog& d) { press(d, "acceptButton"); }));
    EXPECT_EQ(fx.doc->data().deeds().size(), 2u);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(selectedRow(*view), 0);
}

TEST_F(DeedEntry, MissingChoicesAreRefusedInOrderWithTheFocusOnTheirList) {
    openList(2);
    const auto refusedWith = [&](CDeedEntryDialog& d, const QString& text, const char* focus) {
        const std::size_t before = fx.prompt.shown.size();
        const std::size_t deeds = fx.doc->data().deeds().size();
        press(d, "acceptButton");
        ASSERT_EQ(fx.prompt.shown.size(), before + 1);
        const ScriptedPrompt::Shown& shown = fx.prompt.shown.back();
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.icon, fw::MsgIcon::Exclamation);
        EXPECT_EQ(shown.buttons, fw::MsgButtons::Ok);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), list(d, focus)) << focus;
        EXPECT_EQ(fx.doc->data().deeds().size(), deeds);
    };
    ASSERT_TRUE(withEntryDialog(*view, cmd::Register, [&](CDeedEntryDialog& d) {
        list(d, "categoryList")->setCurrentIndex(-1);
        list(d, "qualityList")->setCurrentIndex(-1);
        refusedWith(d, QStringLiteral("カテゴリが選択されていません。"), "categoryList");

        list(d, "categoryList")->setCurrentIndex(1);
        list(d, "typeList")->setCurrentIndex(-1);
        refusedWith(d, QStringLiteral("種類が選択されていません。"), "typeList");

        list(d, "typeList")->setCurrentIndex(1);
        list(d, "materialList")->setCurrentIndex(-1);
        refusedWith(d, QStringLiteral("材料が選択されていません。"), "materialList");

        list(d, "materialList")->setCurrentIndex(0);
        refusedWith(d, QStringLiteral("品質が選択されていません。"), "qualityList");

        list(d, "qualityList")->setCurrentIndex(0);
        list(d, "quantityList")->setCurrentIndex(-1);
        refusedWith(d, QStringLiteral("数量が選択されていません。"), "quantityList");

        list(d, "quantityList")->setCurrentIndex(0);
        list(d, "combineCountList")->setCurrentIndex(-1);
        refusedWith(d, QStringLiteral("結合数が選択されていません。"), "combineCountList");

        list(d, "combineCountList")->setCurrentIndex(3);
        press(d, "acceptButton");
        EXPECT_FALSE(d.isVisible());
    }));
    ASSERT_EQ(fx.doc->data().deeds().size(), 1u);
    EXPECT_EQ(lastDeed().itemCode, Deed::makeItemCode(2, 2, 2, 1));
    EXPECT_EQ(lastDeed().combined, 3);

    // A group whose categories were all removed from the catalogue offers none.
    auto& entries = fx.doc->catalogue().entries();
    std::erase_if(entries, [](const CatalogueEntry& e) {
        return e.byte3() == 3 && e.byte2() >= 1 && e.byte2() <= kMaxGroupOrCategory;
    });
    fx.selectNode(3);
    view->onUpdate(nullptr, kHintSelectionChanged);
    ASSERT_TRUE(withEntryDialog(*view, cmd::Register, [&](CDeedEntryDialog& d) {
        EXPECT_EQ(list(d, "categoryList")->count(), 0);
        EXPECT_EQ(list(d, "typeList")->count(), 0);
        refusedWith(d, QStringLiteral("カテゴリが選択されていません。"), "categoryList");
    }));
    EXPECT_EQ(fx.doc->data().deeds().size(), 1u);

    // A deed read with a material its group lacks: the single-material list opens for a choice.
    Deed* odd = fx.addDeed(1, 2, 3, 5, 1, 1);
    fx.selectNode(1, 2);
    view->onUpdate(nullptr, kHintSelectionChanged);
    selectRow(0);
    ASSERT_TRUE(withEntryDialog(*view, cmd::Update, [&](CDeedEntryDialog& d) {
        QComboBox* material = list(d, "materialList");
        EXPECT_EQ(material->currentIndex(), -1);
        EXPECT_TRUE(material->isEnabled());
        refusedWith(d, QStringLiteral("材料が選択されていません。"), "materialList");
        material->setCurrentIndex(0);
        press(d, "acceptButton");
    }));
    EXPECT_EQ(odd->material(), 1);
}

// ---------------------------------------------------------------------------------------------
// Delete, copy and undo in the list

TEST_F(DeedEntry, DeleteAsksFirstThenSelectsTheRowThatTookThePlace) {
    fx.addDeed(1, 1, 2, 1, 1, 1);
    fx.addDeed(1, 1, 3, 1, 1, 1);
    fx.addDeed(1, 2, 2, 1, 1, 1);
    fx.addDeed(2, 1, 2, 1, 1, 1); // another group: never listed here
    openList(1);
    ASSERT_EQ(serials(*view), (std::vector<std::uint32_t>{1, 2, 3}));
    for (int id : {cmd::Update, cmd::Delete, cmd::Copy}) {
        EXPECT_FALSE(enabled(id)) << id;
    }
    EXPECT_TRUE(enabled(cmd::Register));

    selectRow(2);
    EXPECT_TRUE(enabled(cmd::Delete));
    fx.prompt.answers.push_back(fw::MsgAnswer::No);
    view->onCommand(cmd::Delete);
    ASSERT_EQ(fx.prompt.shown.size(), 1u);
    EXPECT_EQ(fx.prompt.shown[0].text,
              QStringLiteral("選択されているディードを削除してもよろしいですか？"));
    EXPECT_EQ(fx.prompt.shown[0].icon, fw::MsgIcon::Question);
    EXPECT_EQ(fx.prompt.shown[0].buttons, fw::MsgButtons::YesNo);
    EXPECT_EQ(fx.prompt.shown[0].defaultAnswer, fw::MsgAnswer::No);
    EXPECT_EQ(fx.doc->data().deeds().size(), 4u);
    EXPECT_EQ(view->rowCount(), 3);

    // The last row: the new last row is selected.
    fx.prompt.answers.push_back(fw::MsgAnswer::Yes);
    view->onCommand(cmd::Delete);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(selectedRow(*view), 1);
    EXPECT_EQ(fx.doc->data().deeds().size(), 3u);

    // The first row: the row that moved up is selected.
    selectRow(0);
    fx.prompt.answers.push_back(fw::MsgAnswer::Yes);
    view->onCommand(cmd::Delete);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{2}));
    EXPECT_EQ(selectedRow(*view), 0);

    // The only row: nothing is left to select.
    fx.prompt.answers.push_back(fw::MsgAnswer::Yes);
    view->onCommand(cmd::Delete);
    EXPECT_EQ(view->rowCount(), 0);
    EXPECT_EQ(selectedRow(*view), -1);
    EXPECT_FALSE(enabled(cmd::Delete));
    ASSERT_EQ(fx.doc->data().deeds().size(), 1u);
    EXPECT_EQ(lastDeed().serialNumber, 4u);
}

TEST_F(DeedEntry, UndoOfEachEditMirrorsTheListAndLabelsTheCommand) {
    loadDeeds({makeDeed(1, 1, 2, 1, 1, 1, 1, "one"), makeDeed(1, 1, 3, 1, 1, 2, 2, "two"),
               makeDeed(1, 1, 2, 1, 2, 3, 3, "three")});
    openList(1, 1);
    view->sortBy(6, false);
    ASSERT_EQ(serials(*view), (std::vector<std::uint32_t>{1, 2, 3}));
    // Freshly read: nothing to undo.
    EXPECT_FALSE(enabled(cmd::Undo));
    EXPECT_EQ(undoText(), QStringLiteral("元に戻す(&U)\tCtrl+Z"));

    // Copy, then sort so the copy is no longer last; undo finds its row all the same.
    selectRow(1);
    view->onCommand(cmd::Copy);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{1, 2, 3, 4}));
    EXPECT_EQ(selectedRow(*view), 3);
    EXPECT_EQ(lastDeed().comment, "two");
    EXPECT_EQ(lastDeed().itemCode, fx.doc->data().deeds()[1]->itemCode);
    EXPECT_EQ(undoText(), QStringLiteral("元に戻す(&U) - 複写"));
    view->sortBy(6, true);
    ASSERT_EQ(serials(*view), (std::vector<std::uint32_t>{4, 3, 2, 1}));
    ASSERT_TRUE(enabled(cmd::Undo));
    view->onCommand(cmd::Undo);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{3, 2, 1}));
    EXPECT_EQ(fx.doc->data().deeds().size(), 3u);
    EXPECT_FALSE(enabled(cmd::Undo));
    EXPECT_EQ(undoText(), QStringLiteral("元に戻す(&U)\tCtrl+Z"));

    // Register, undo.
    ASSERT_TRUE(withEntryDialog(*view, cmd::Register,
                                [](CDeedEntryDialog& d) { press(d, "acceptButton"); }));
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{3, 2, 1, 4}));
    EXPECT_EQ(undoText(), QStringLiteral("元に戻す(&U) - 登録"));
    view->onCommand(cmd::Undo);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{3, 2, 1}));

    // Update a comment and quality, undo: the row shows the old values again.
    selectRow(1); // number 2
    ASSERT_TRUE(withEntryDialog(*view, cmd::Update, [](CDeedEntryDialog& d) {
        list(d, "qualityList")->setCurrentIndex(1);
        commentEdit(d)->selectAll();
        QTest::keyClicks(commentEdit(d), QStringLiteral("changed"));
        press(d, "acceptButton");
    }));
    EXPECT_EQ(cell(1, 5), QStringLiteral(" changed"));
    EXPECT_EQ(cell(1, 2), QStringLiteral(" exceptional"));
    EXPECT_EQ(selectedRow(*view), 1);
    EXPECT_EQ(undoText(), QStringLiteral("元に戻す(&U) - 更新"));
    view->onCommand(cmd::Undo);
    EXPECT_EQ(cell(1, 5), QStringLiteral(" two"));
    EXPECT_EQ(cell(1, 2), QStringLiteral(" 標準"));
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{3, 2, 1}));

    // Delete, undo: the deed comes back at the end with its number, its row is not selected.
    selectRow(1);
    fx.prompt.answers.push_back(fw::MsgAnswer::Yes);
    view->onCommand(cmd::Delete);
    EXPECT_EQ(undoText(), QStringLiteral("元に戻す(&U) - 削除"));
    ASSERT_EQ(selectedRow(*view), 1);
    view->onCommand(cmd::Undo);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{3, 1, 2}));
    EXPECT_EQ(selectedRow(*view), 1);
    EXPECT_EQ(lastDeed().serialNumber, 2u);
    EXPECT_EQ(lastDeed().comment, "two");
    EXPECT_FALSE(enabled(cmd::Undo));

    // A restored deed that the display condition hides gets no row.
    selectRow(1); // number 1, of standard quality
    Deed deedFilter = fx.doc->data().deedFilter();
    deedFilter.orderCode = Deed::makeOrderCode(2, 0); // exceptional only
    fx.doc->data().setDeedFilter(deedFilter);
    fx.prompt.answers.push_back(fw::MsgAnswer::Yes);
    view->onCommand(cmd::Delete);
    view->onCommand(cmd::Undo);
    EXPECT_EQ(serials(*view), (std::vector<std::uint32_t>{3, 2}));
    EXPECT_EQ(fx.doc->data().deeds().size(), 3u);
}

TEST_F(DeedEntry, UndoOfARegistrationRemovesOnlyTheRegisteredRow) {
    // A file in which two deeds share a number: deleting the second lowers the counter, so the
    // next registration hands the same number out a third time.
    loadDeeds({makeDeed(1, 1, 2, 1, 1, 1, 1), makeDeed(1, 1, 2, 1, 1, 1, 2),
               makeDeed(1, 1, 2, 1, 1, 1, 2)});
    openList(1);
    ASSERT_EQ(view->rowCount(), 3);
    selectRow(2);
    fx.prompt.answers.push_back(fw::MsgAnswer::Yes);
    view->onCommand(cmd::Delete);
    ASSERT_TRUE(withEntryDialog(*view, cmd::Register,
                                [](CDeedEntryDialog& d) { press(d, "acceptButton"); }));
    ASSERT_EQ(serials(*view), (std::vector<std::uint32_t>{1, 2, 2}));

    view->onCommand(cmd::Undo);
    // The deed that kept number 2 keeps its row.
    ASSERT_EQ(view->rowCount(), 2);
    EXPECT_EQ(view->rows()[1], fx.doc->data().deeds()[1].get());
    EXPECT_EQ(cell(1, 6), QStringLiteral(" 2 "));
}

// ---------------------------------------------------------------------------------------------
// The comment field

TEST_F(DeedEntry, AcceptedCommentMovesToTheFrontOfTheHistory) {
    const std::string a = "\x82\xa0"; // "あ"
    fx.settings.writeString("Settings", "CommentValue001", a);
    fx.settings.writeString("Settings", "CommentValue002", "X");
    fx.settings.writeString("Settings", "CommentValue003", "B");
    openList(1, 1);
    ASSERT_TRUE(withEntryDialog(*view, cmd::Register, [&](CDeedEntryDialog& d) {
        QComboBox* comment = list(d, "commentBox");
        EXPECT_EQ(itemTexts(comment),
                  (QStringList{QStringLiteral("あ"), QStringLiteral("X"), QStringLiteral("B")}));
        EXPECT_TRUE(comment->currentText().isEmpty());
        comment->setCurrentIndex(1);
        EXPECT_EQ(commentEdit(d)->text(), QStringLiteral("X"));
        press(d, "acceptButton");
    }));
    EXPECT_EQ(lastDeed().comment, "X");
    ProfileFile reread(fx.dir.file("Tessary.ini"));
    EXPECT_EQ(reread.readString("Settings", "CommentValue001", ""), "X");
    EXPECT_EQ(reread.readString("Settings", "CommentValue002", ""), a);
    EXPECT_EQ(reread.readString("Settings", "CommentValue003", ""), "B");
    EXPECT_EQ(reread.readString("Settings", "CommentValue004", "none"), "none");
    EXPECT_NE(fx.dir.read("Tessary.ini").find("CommentValue001=X\r\nCommentValue002=\x82\xa0\r\n"),
              std::string::npos);

    // An empty comment leaves the history as it is.
    ASSERT_TRUE(withEntryDialog(*view, cmd::Register,
                                [](CDeedEntryDialog& d) { press(d, "acceptButton"); }));
    EXPECT_EQ(lastDeed().comment, "");
    EXPECT_EQ(ProfileFile(fx.dir.file("Tessary.ini")).readString("Settings", "CommentValue001", ""),
              "X");
}

TEST_F(DeedEntry, ALongOrUndecodableCommentIsKeptByteForByteUnlessEdited) {
    // 44 bytes, with a lead byte followed by a blank and three bytes CP932 does not define.
    const std::string odd = std::string(38, 'x') + "\x81 \xfd\xfe\xff!";
    ASSERT_EQ(odd.size(), 44u);
    Deed* deed = fx.addDeed(1, 1, 2, 1, 1, 1, 0, odd);
    openList(1, 1);
    selectRow(0);
    ASSERT_TRUE(withEntryDialog(*view, cmd::Update, [&](CDeedEntryDialog& d) {
        QLineEdit* edit = commentEdit(d);
        EXPECT_EQ(edit->text(), fw::fromCp932(odd));
        // Over the limit: typing adds nothing, and the whole comment stays.
        edit->setCursorPosition(0);
        QTest::keyClicks(edit, QStringLiteral("ab"));
        EXPECT_EQ(edit->text(), fw::fromCp932(odd));
        press(d, "acceptButton");
    }));
    EXPECT_EQ(deed->comment, odd);
    EXPECT_EQ(fx.doc->data().lastEdit(), kEditUpdate);
    ASSERT_TRUE(fx.doc->data().saveDocument(fx.dir.file("out.dat")).ok());
    EXPECT_NE(fx.dir.read("out.dat").find(odd), std::string::npos);
    // The history holds the same bytes, and choosing them again keeps them whole.
    EXPECT_EQ(ProfileFile(fx.dir.file("Tessary.ini")).readString("Settings", "CommentValue001", ""),
              odd);
    ASSERT_TRUE(withEntryDialog(*view, cmd::Register, [](CDeedEntryDialog& d) {
        list(d, "commentBox")->setCurrentIndex(0);
        press(d, "acceptButton");
    }));
    EXPECT_EQ(lastDeed().comment, odd);

    // Edited, the comment is what the field shows.
    selectRow(0);
    ASSERT_TRUE(withEntryDialog(*view, cmd::Update, [](CDeedEntryDialog& d) {
        QLineEdit* edit = commentEdit(d);
        edit->setCursorPosition(0);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Backspace);
        press(d, "acceptButton");
    }));
    EXPECT_EQ(deed->comment.substr(0, 37), std::string(37, 'x'));
    EXPECT_EQ(deed->comment.back(), '?');
}

TEST_F(DeedEntry, TypingAndPastingStopAtFortyBytesOnOneLine) {
    openList(1, 1);
    ASSERT_TRUE(withEntryDialog(*view, cmd::Register, [](CDeedEntryDialog& d) {
        QLineEdit* edit = commentEdit(d);
        QTest::keyClicks(edit, QString(45, QLatin1Char('a')));
        EXPECT_EQ(edit->text(), QString(40, QLatin1Char('a')));
        // A refused key leaves the caret where it was.
        edit->setCursorPosition(5);
        QTest::keyClick(edit, Qt::Key_A);
        EXPECT_EQ(edit->text(), QString(40, QLatin1Char('a')));
        EXPECT_EQ(edit->cursorPosition(), 5);
        // Japanese counts two bytes a character and is never cut in half.
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("a"));
        typeText(edit, QString(25, QChar(0x9244))); // 鉄
        EXPECT_EQ(edit->text(), QStringLiteral("a") + QString(19, QChar(0x9244)));

        // A pasted line break becomes a blank, other control characters go, and the paste is
        // cut to what fits.
        edit->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("one\r\ntwo\nthree\tfour\x01!"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->text(), QStringLiteral("one two three four!"));
        QGuiApplication::clipboard()->setText(QStringLiteral("\n") + QString(30, QChar(0x9244)));
        edit->paste();
        EXPECT_EQ(edit->text(),
                  QStringLiteral("one two three four! ") + QString(10, QChar(0x9244)));
        press(d, "acceptButton");
    }));
    const std::string& comment = lastDeed().comment;
    EXPECT_EQ(comment.size(), 40u);
    EXPECT_EQ(comment.find_first_of("\r\n\t\x01"), std::string::npos);
    EXPECT_EQ(comment.substr(0, 20), "one two three four! ");
}

// An input method that records what it is asked.
class FakeInputMethod : public fw::CInputMethod {
public:
    bool isOpen(QWidget* widget) override {
        calls.push_back(QStringLiteral("isOpen"));
        widgets.push_back(widget);
        return open;
    }
    void setOpen(QWidget* widget, bool on) override {
        calls.push_back(on ? QStringLiteral("open") : QStringLiteral("close"));
        widgets.push_back(widget);
        open = on;
    }
    bool open = false;
    QStringList calls;
    std::vector<QWidget*> widgets;
};

TEST_F(DeedEntry, CommentFieldOpensTheInputMethodAndRestoresItsState) {
    FakeInputMethod fake;
    fw::CInputMethod::setCurrent(&fake);
    struct Restore {
        ~Restore() { fw::CInputMethod::setCurrent(nullptr); }
    } restore;
    openList(1, 1);
    ASSERT_TRUE(withEntryDialog(*view, cmd::Register, [&](CDeedEntryDialog& d) {
        QApplication::setActiveWindow(&d);
        ASSERT_TRUE(d.isActiveWindow());
        list(d, "typeList")->setFocus(Qt::TabFocusReason);
        fake.calls.clear();
        fake.widgets.clear();

        // Closed before: opened on entry, closed again on leaving.
        list(d, "commentBox")->setFocus(Qt::TabFocusReason);
        list(d, "qualityList")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(fake.calls, (QStringList{QStringLiteral("isOpen"), QStringLiteral("open"),
                                           QStringLiteral("isOpen"), QStringLiteral("close")}));
        for (QWidget* widget : fake.widgets) {
            EXPECT_EQ(widget, list(d, "commentBox"));
        }

        // Open before: left open.
        fake.open = true;
        fake.calls.clear();
        list(d, "commentBox")->setFocus(Qt::TabFocusReason);
        list(d, "qualityList")->setFocus(Qt::TabFocusReason);
        EXPECT_FALSE(fake.calls.contains(QStringLiteral("open")));
        EXPECT_FALSE(fake.calls.contains(QStringLiteral("close")));
        EXPECT_TRUE(fake.open);

        // Tab walks the fields in the order they stand, past the disabled ones.
        QWidget* walked = list(d, "typeList");
        walked->setFocus(Qt::TabFocusReason);
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(walked, Qt::Key_Tab);
            walked = QApplication::focusWidget();
            order << walked->objectName();
        }
        EXPECT_EQ(order, (QStringList{QStringLiteral("qualityList"), QStringLiteral("quantityList"),
                                      QStringLiteral("commentBox"), QStringLiteral("combineCheck0"),
                                      QStringLiteral("combineCheck1")}));
    }));
}

// ---------------------------------------------------------------------------------------------
// The whole program: keys, menu state and what lands on disk

TEST(DeedEntryProgram, InsertRegistersAndClosingSavesTheDeedAndTheHistory) {
    TempDir dir;
    ScriptedPrompt prompt;
    auto app = std::make_unique<CTessaryApp>(prompt, dir.path(), dir.path());
    ASSERT_TRUE(app->start());
    CMainFrame* frame = app->mainFrame();
    fw::CCommandRouter& router = frame->router();
    QAction* undo = router.action(cmd::Undo);
    router.refreshAction(undo);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("元に戻す(&U)\tCtrl+Z"));

    // The first group is selected at start; Insert opens the dialog.
    frame->show();
    QApplication::setActiveWindow(frame);
    frame->deedView()->setFocus();
    ASSERT_TRUE(withEntryDialog([&] { QTest::keyClick(frame->deedView(), Qt::Key_Insert); },
                                [](CDeedEntryDialog& d) {
                                    list(d, "typeList")->setCurrentIndex(1);
                                    list(d, "combineCountList")->setCurrentIndex(4);
                                    QTest::keyClicks(commentEdit(d), QStringLiteral("saved"));
                                    QTest::keyClick(commentEdit(d), Qt::Key_Return);
                                }));
    ASSERT_EQ(app->document()->data().deeds().size(), 1u);
    EXPECT_EQ(frame->deedView()->rowCount(), 1);
    EXPECT_EQ(frame->paneText(1), QStringLiteral(" 1 / 1 枚 "));
    router.refreshAction(undo);
    EXPECT_TRUE(undo->isEnabled());
    // The label replaces the whole item, so the menu shows no key beside it.
    EXPECT_EQ(undo->text(), QStringLiteral("元に戻す(&U) - 登録\t"));
    EXPECT_TRUE(router.isEnabled(cmd::Copy));

    QCloseEvent close;
    QApplication::sendEvent(frame, &close);
    ASSERT_TRUE(close.isAccepted());
    app.reset();
    DeedDocument reread;
    reread.catalogue().buildDefault();
    ASSERT_TRUE(reread.openDocument(dir.file("Tessary.dat")).ok());
    ASSERT_EQ(reread.deeds().size(), 1u);
    const Deed& saved = *reread.deeds()[0];
    EXPECT_EQ(saved.itemCode, Deed::makeItemCode(1, 1, 2, 1));
    EXPECT_EQ(saved.orderCode, Deed::makeOrderCode(1, 1));
    EXPECT_EQ(saved.combined, 4);
    EXPECT_EQ(saved.serialNumber, 1u);
    EXPECT_EQ(saved.comment, "saved");
    EXPECT_EQ(ProfileFile(dir.file("Tessary.ini")).readString("Settings", "CommentValue001", ""),
              "saved");
}

} // namespace
} // namespace tessary::test
