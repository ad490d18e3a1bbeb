// The name customisation dialog, reached through its command as the user reaches it, and what a
// rename changes in the rest of the program.
#include "GuiTestSupport.h"

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "dialogs/ConditionDetailDialog.h"
#include "dialogs/ExportDialog.h"
#include "dialogs/NameCustomizeDialog.h"
#include "framework/CommandRouter.h"
#include "framework/Text.h"
#include "resources/CommandIds.h"
#include "views/CategoryView.h"
#include "views/ConditionView.h"
#include "views/DeedView.h"
#include "widgets/OwnerDrawListCtrl.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
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

const QString kEmpty = QStringLiteral("名称が入力されていません。");
const QString kTooLong = QStringLiteral("名称は 40 バイトを超えて入力することはできません。");
const QString kResetQuestion = QStringLiteral("名称を初期化してもよろしいですか？");

CNameCustomizeDialog& naming(QDialog& dialog) {
    auto* d = qobject_cast<CNameCustomizeDialog*>(&dialog);
    if (d == nullptr) {
        throw std::runtime_error("not the naming dialog");
    }
    return *d;
}

int rowOf(COwnerDrawListCtrl* list, const QString& text) {
    for (int r = 0; r < list->rowCount(); ++r) {
        if (list->text(r, 0) == text) {
            return r;
        }
    }
    return -1;
}

void selectRow(QTreeView* view, int row) {
    view->selectionModel()->setCurrentIndex(view->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect |
                                                QItemSelectionModel::Rows);
}

// Selects the row showing `name` (with its leading space), presses 編集, types `typed` over the
// name and presses Enter, as the user does.
void rename(CNameCustomizeDialog& d, NamingKind kind, const QString& name, const QString& typed) {
    d.chooseKind(kind);
    const int row = rowOf(d.nameList(), name);
    ASSERT_GE(row, 0) << name.toStdString();
    selectRow(d.nameList(), row);
    ASSERT_TRUE(d.editButton()->isEnabled());
    d.editButton()->click();
    ASSERT_NE(d.nameEditor(), nullptr);
    EXPECT_EQ(d.nameEditor()->text(), name.mid(1));
    EXPECT_EQ(d.nameList()->text(row, 0), QString()); // blanked while the editor covers it
    // Typed or pasted over the selected name (the test keyboard knows only ASCII keys).
    d.nameEditor()->insert(typed);
    QTest::keyClick(d.nameEditor(), Qt::Key_Return);
    EXPECT_EQ(d.nameEditor(), nullptr);
    EXPECT_TRUE(d.isVisible()); // Enter in the editor does not press a button
}

class Naming : public test::ProgramTest {
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
    // Runs the naming command; `fill` works the dialog and must close it.
    bool customize(const std::function<void(CNameCustomizeDialog&)>& fill) {
        ModalAnswer answer([&](QDialog& d) { fill(naming(d)); });
        EXPECT_TRUE(run(cmd::CustomizeNames));
        return answer.answered();
    }
    QStringList shownMessages() const {
        QStringList texts;
        for (const auto& m : prompt.shown) {
            texts << m.text;
        }
        return texts;
    }
};

TEST_F(Naming, RenamingAQualityShowsEverywhereAtOnceAndSurvivesARestart) {
    start({test::makeDeed(1, 2, 3, 1, 2, 3, 1), test::makeDeed(1, 2, 1, 1, 1, 1, 2)});
    const std::string deedFileBefore = dir.read("Tessary.dat");
    EXPECT_TRUE(frame->router().isEnabled(cmd::CustomizeNames));

    ASSERT_TRUE(customize([](CNameCustomizeDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("名称のカスタマイズ"));
        EXPECT_FALSE(d.saveButton()->isEnabled());
        rename(d, NamingKind::Quality, QStringLiteral(" exceptional"), QStringLiteral("  優秀 "));
        EXPECT_EQ(d.nameList()->text(1, 0), QStringLiteral(" 優秀"));
        EXPECT_EQ(d.nameList()->text(1, 1), QStringLiteral(" exceptional"));
        EXPECT_TRUE(d.nameList()->selectionModel()->isRowSelected(1, {}));
        ASSERT_TRUE(d.saveButton()->isEnabled());
        d.saveButton()->click();
    }));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(doc().catalogue().nameOf(kNameQuality, 0, 0, 0, 0, 2, 0),
              fw::toCp932(QStringLiteral("優秀")));
    EXPECT_FALSE(doc().isModified());

    // The deed list refilled with the new name.
    CDeedView* list = frame->deedView();
    ASSERT_EQ(list->rowCount(), 2);
    int renamedRow = -1;
    for (int r = 0; r < 2; ++r) {
        if (list->rows()[static_cast<std::size_t>(r)]->serialNumber == 1) {
            renamedRow = r;
        }
    }
    ASSERT_GE(renamedRow, 0);
    EXPECT_EQ(list->model()->index(renamedRow, 2).data().toString(), QStringLiteral(" 優秀"));

    // The simple text reads the new name.
    selectRow(list, renamedRow);
    ASSERT_TRUE(run(cmd::SimpleText));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("優秀")));

    // So does the export of the shown deeds.
    {
        ModalAnswer answer([this](QDialog& d) {
            auto* exportDialog = qobject_cast<CExportDialog*>(&d);
            ASSERT_NE(exportDialog, nullptr);
            exportDialog->fileNameEdit()->setText(QString::fromStdString(dir.file("deeds.txt")));
            exportDialog->runButton()->click();
        });
        ASSERT_TRUE(run(cmd::Export));
        ASSERT_TRUE(answer.answered());
    }
    EXPECT_NE(dir.read("deeds.txt").find(" / \x97\x44\x8f\x47 / "), std::string::npos)
        << dir.read("deeds.txt");

    // So does the detail dialog of the order-status list.
    frame->showConditionList();
    CConditionView* orders = frame->conditionView();
    int orderRow = -1;
    for (std::size_t i = 0; i < orders->rows().size(); ++i) {
        if (orders->rows()[i]->firstKey == Deed::makeItemCode(1, 2, 0, 1) &&
            orders->rows()[i]->secondKey == Deed::makeOrderCode(2, 3)) {
            orderRow = static_cast<int>(i);
        }
    }
    ASSERT_GE(orderRow, 0);
    selectRow(orders, orderRow);
    QString detailQuality;
    {
        ModalAnswer answer([&](QDialog& d) {
            auto* detail = qobject_cast<CConditionDetailDialog*>(&d);
            ASSERT_NE(detail, nullptr);
            detailQuality = detail->fieldText(CConditionDetailDialog::kQuality);
            d.reject();
        });
        ASSERT_TRUE(run(cmd::Detail));
    }
    EXPECT_TRUE(detailQuality.contains(QStringLiteral("優秀")));

    // The deed file is left as it was; the next start reads the new name from the settings.
    stop();
    EXPECT_EQ(dir.read("Tessary.dat"), deedFileBefore);
    start();
    EXPECT_EQ(doc().catalogue().nameOf(kNameQuality, 0, 0, 0, 0, 2, 0),
              fw::toCp932(QStringLiteral("優秀")));
    ASSERT_TRUE(customize([](CNameCustomizeDialog& d) {
        d.chooseKind(NamingKind::Quality);
        EXPECT_EQ(d.nameList()->text(1, 0), QStringLiteral(" 優秀"));
        d.cancelButton()->click();
    }));
}

TEST_F(Naming, RefusedNamesKeepTheDialogOpenAndTheNameUnchanged) {
    start();
    ASSERT_TRUE(customize([this](CNameCustomizeDialog& d) {
        // The list of each kind, with its columns.
        EXPECT_EQ(d.kindBox()->count(), 5);
        EXPECT_EQ(d.kindBox()->itemText(2), QStringLiteral(" 種類"));
        EXPECT_EQ(d.nameList()->rowCount(), 4);
        EXPECT_EQ(d.nameList()->columnCount(), 2);
        d.chooseKind(NamingKind::Type);
        EXPECT_EQ(d.nameList()->rowCount(), 123);
        EXPECT_EQ(d.nameList()->model()->headerData(2, Qt::Horizontal).toString(),
                  QStringLiteral("カテゴリ"));
        EXPECT_EQ(d.nameList()->header()->sectionSize(0), 134);
        EXPECT_EQ(d.nameList()->drawMode(), DrawMode::Plain);
        EXPECT_FALSE(d.editButton()->isEnabled()); // nothing selected
        EXPECT_TRUE(d.editButton()->isDefault());

        const QString halberd = QStringLiteral(" halberd");
        rename(d, NamingKind::Type, halberd, QStringLiteral("   "));
        rename(d, NamingKind::Type, halberd, QString(20, QChar(0x3042)) + QLatin1Char('x'));
        rename(d, NamingKind::Type, halberd, QStringLiteral("café"));
        EXPECT_EQ(shownMessages(), (QStringList{kEmpty, kTooLong, shownMessages().value(2)}));
        ASSERT_EQ(prompt.shown.size(), 3u);
        EXPECT_TRUE(prompt.shown[2].text.contains(QStringLiteral("使用できない文字")));
        for (const auto& m : prompt.shown) {
            EXPECT_EQ(m.icon, fw::MsgIcon::Exclamation);
        }
        const int row = rowOf(d.nameList(), halberd);
        EXPECT_GE(row, 0);
        EXPECT_TRUE(d.nameList()->selectionModel()->isRowSelected(row, {}));
        EXPECT_FALSE(d.saveButton()->isEnabled());

        // Escape drops the edit without a word and leaves the dialog open.
        d.editButton()->click();
        ASSERT_NE(d.nameEditor(), nullptr);
        QTest::keyClicks(d.nameEditor(), QStringLiteral("dropped"));
        QTest::keyClick(d.nameEditor(), Qt::Key_Escape);
        EXPECT_EQ(d.nameEditor(), nullptr);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.nameList()->text(row, 0), halberd);
        EXPECT_EQ(prompt.shown.size(), 3u);

        // F2 edits too; twenty double-byte characters (40 bytes) are taken.
        QTest::keyClick(d.nameList(), Qt::Key_F2);
        ASSERT_NE(d.nameEditor(), nullptr);
        d.nameEditor()->setText(QString(20, QChar(0x3042)));
        QTest::keyClick(d.nameEditor(), Qt::Key_Enter);
        EXPECT_EQ(d.nameList()->text(row, 0), QLatin1Char(' ') + QString(20, QChar(0x3042)));
        EXPECT_TRUE(d.saveButton()->isEnabled());
        d.cancelButton()->click();
    }));
    // 取消 keeps the catalogue in force.
    EXPECT_EQ(doc().catalogue().nameOf(kNameType, 1, 1, 3, 0, 0, 0), "halberd");
}

TEST_F(Naming, ResetAsksFirstAndCancelAfterwardsChangesNothing) {
    start();
    ASSERT_TRUE(customize([](CNameCustomizeDialog& d) {
        rename(d, NamingKind::Group, d.nameList()->text(0, 0), QStringLiteral("Weapons"));
        rename(d, NamingKind::Material, QStringLiteral(" cloth"), QStringLiteral("linen"));
        d.saveButton()->click();
    }));
    const std::string settingsBefore = dir.read("Tessary.ini");

    ASSERT_TRUE(customize([this](CNameCustomizeDialog& d) {
        EXPECT_EQ(d.nameList()->text(0, 0), QStringLiteral(" Weapons"));
        // No is the default answer and changes nothing.
        d.resetButton()->click();
        ASSERT_EQ(prompt.shown.size(), 1u);
        EXPECT_EQ(prompt.shown[0].text, kResetQuestion);
        EXPECT_EQ(prompt.shown[0].buttons, fw::MsgButtons::YesNo);
        EXPECT_EQ(prompt.shown[0].defaultAnswer, fw::MsgAnswer::No);
        EXPECT_EQ(d.nameList()->text(0, 0), QStringLiteral(" Weapons"));
        EXPECT_FALSE(d.saveButton()->isEnabled());
        // Yes resets every kind, the hidden ones too.
        prompt.answers.push_back(fw::MsgAnswer::Yes);
        d.resetButton()->click();
        EXPECT_EQ(d.nameList()->text(0, 0), d.nameList()->text(0, 1));
        d.chooseKind(NamingKind::Material);
        EXPECT_GE(rowOf(d.nameList(), QStringLiteral(" cloth")), 0);
        EXPECT_TRUE(d.saveButton()->isEnabled());
        QTest::keyClick(&d, Qt::Key_Escape);
    }));
    EXPECT_EQ(doc().catalogue().nameOf(kNameGroup, 1, 0, 0, 0, 0, 0), "Weapons");
    EXPECT_EQ(doc().catalogue().nameOf(kNameMaterial, 3, 0, 0, 1, 0, 0), "linen");
    EXPECT_EQ(dir.read("Tessary.ini"), settingsBefore);
}

TEST_F(Naming, ABrokenCatalogueClosesTheDialogAtOnce) {
    {
        ProfileFile settings(dir.file("Tessary.ini"));
        settings.writeInt("ConstantValues", "Count", 2);
        settings.writeString("ConstantValues", "Value0001", "001000000000001000000000a");
        settings.writeString("ConstantValues", "Value0002", "000000000000001000000000b");
    }
    start({test::makeDeed(1, 2, 3, 1, 2, 3, 1)});
    EXPECT_TRUE(doc().catalogue().empty());
    EXPECT_FALSE(customize([](CNameCustomizeDialog& d) { d.saveButton()->click(); }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_TRUE(doc().catalogue().empty());
    EXPECT_EQ(ProfileFile(dir.file("Tessary.ini")).readInt("ConstantValues", "Count", 0), 2);
}

} // namespace
} // namespace tessary
