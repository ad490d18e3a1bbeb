// Qt's own texts, which the program does not write itself, appear in Japanese once the program
// has started, whatever the user's locale (the tests run under C.UTF-8).
#include "GuiTestSupport.h"

#include "app/MainFrame.h"
#include "app/TessaryApp.h"
#include "resources/Messages.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace tessary {
namespace {

using test::ModalAnswer;
using test::ScriptedPrompt;
using test::TempDir;

class QtTexts : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<CTessaryApp>(scripted, dir.path(), dir.path());
        ASSERT_TRUE(app->start());
    }

    TempDir dir;
    ScriptedPrompt scripted;
    std::unique_ptr<CTessaryApp> app;
    // The prompt the program shows the user: real message boxes and file dialogs.
    fw::CQtPrompt real{msg::appTitle()};
};

TEST_F(QtTexts, MessageBoxButtonsAreJapanese) {
    QStringList texts;
    QString defaultText;
    ModalAnswer answer([&](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons()) {
            texts << button->text();
        }
        defaultText = box->defaultButton() != nullptr ? box->defaultButton()->text() : QString();
        box->button(QMessageBox::Cancel)->click();
    });
    const fw::MsgAnswer result =
        real.message(app->mainFrame(), QStringLiteral("保存しますか?"), fw::MsgButtons::YesNoCancel,
                     fw::MsgIcon::Question, fw::MsgAnswer::No);
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(result, fw::MsgAnswer::Cancel);
    texts.sort();
    EXPECT_EQ(texts.join(u','), QStringLiteral("いいえ(&N),はい(&Y),キャンセル"));
    EXPECT_EQ(defaultText, QStringLiteral("いいえ(&N)"));
}

TEST_F(QtTexts, FileDialogsAndEditMenusAreJapanese) {
    QStringList buttons;
    ModalAnswer answer([&](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        ASSERT_NE(files, nullptr);
        for (auto* box : files->findChildren<QDialogButtonBox*>()) {
            for (QAbstractButton* button : box->buttons()) {
                buttons << button->text();
            }
        }
        files->reject();
    });
    fw::FileDialogSpec spec;
    spec.title = QStringLiteral("開く");
    EXPECT_TRUE(real.openFileName(app->mainFrame(), spec).isEmpty());
    ASSERT_TRUE(answer.answered());
    EXPECT_TRUE(buttons.contains(QStringLiteral("開く(&O)"))) << buttons.join(u',').toStdString();
    EXPECT_TRUE(buttons.contains(QStringLiteral("キャンセル"))) << buttons.join(u',').toStdString();

    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList actions;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            actions << action->text().section(u'\t', 0, 0);
        }
    }
    EXPECT_EQ(actions.value(0), QStringLiteral("元に戻す(&U)"));
    EXPECT_TRUE(actions.contains(QStringLiteral("貼り付け(&P)")));
}

} // namespace
} // namespace tessary
