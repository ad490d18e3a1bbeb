// The menus as the user sees them: every item of the menu bar and the context menus, in order,
// with their separators and submenus.
#include "framework/CommandRouter.h"
#include "resources/CommandIds.h"
#include "resources/MenuTable.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace tessary {
namespace {

// "-" for a separator, "[title" ... "]" around a submenu, else the item's text.
QStringList layout(const QMenu* menu) {
    QStringList out;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            out << QStringLiteral("-");
        } else if (action->menu() != nullptr) {
            out << QLatin1Char('[') + action->text();
            out << layout(action->menu());
            out << QStringLiteral("]");
        } else {
            out << action->text();
        }
    }
    return out;
}

class Menus : public ::testing::Test {
protected:
    QMainWindow window;
    // No command target: every command is unhandled.
    fw::CCommandRouter router{[] { return std::vector<fw::CCommandTarget*>(); }, &window};
    void SetUp() override { res::registerCommands(router); }
};

TEST_F(Menus, TheMenuBarHoldsEveryCommandInOrder) {
    res::buildMenuBar(window.menuBar(), router);
    const QList<QAction*> top = window.menuBar()->actions();
    ASSERT_EQ(top.size(), 5);
    QStringList titles;
    for (const QAction* a : top) {
        titles << a->text();
    }
    EXPECT_EQ(titles, (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                                   QStringLiteral("表示(&V)"), QStringLiteral("ツール(&T)"),
                                   QStringLiteral("ヘルプ(&H)")}));
    EXPECT_EQ(layout(top[0]->menu()),
              (QStringList{QStringLiteral("新規作成(&N)..."), QStringLiteral("開く(&O)..."),
                           QStringLiteral("追加読み込み(&R)..."), QStringLiteral("上書き保存(&S)"),
                           QStringLiteral("名前を付けて保存(&A)..."), QStringLiteral("-"),
                           QStringLiteral("エクスポート(E)..."), QStringLiteral("-"),
                           QStringLiteral("[インターネット(&I)"),
                           QStringLiteral("ダウンロード(&D)..."), QStringLiteral("]"),
                           QStringLiteral("-"), QStringLiteral("アプリケーションの終了(&X)")}));
    EXPECT_EQ(
        layout(top[1]->menu()),
        (QStringList{QStringLiteral("元に戻す(&U)"), QStringLiteral("-"),
                     QStringLiteral("登録(&E)..."), QStringLiteral("更新(&M)..."),
                     QStringLiteral("削除(&D)"), QStringLiteral("-"), QStringLiteral("複写(&C)"),
                     QStringLiteral("-"), QStringLiteral("簡易テキスト(&T)"), QStringLiteral("-"),
                     QStringLiteral("詳細表示(&A)...")}));
    EXPECT_EQ(layout(top[2]->menu()), (QStringList{QStringLiteral("ステータスバー(&S)"),
                                                   QStringLiteral("-"),
                                                   QStringLiteral("ディード一覧(&D)"),
                                                   QStringLiteral("受注状況一覧(&N)"),
                                                   QStringLiteral("-"),
                                                   QStringLiteral("[並べ替え(&R)"),
                                                   QStringLiteral("カテゴリ順(&C)"),
                                                   QStringLiteral("種類順(&E)"),
                                                   QStringLiteral("材料順(&M)"),
                                                   QStringLiteral("品質順(&Q)"),
                                                   QStringLiteral("数量順(&T)"),
                                                   QStringLiteral("結合数順(&B)"),
                                                   QStringLiteral("備考順(&O)"),
                                                   QStringLiteral("登録番号順(&S)"),
                                                   QStringLiteral("残数順(&R)"),
                                                   QStringLiteral("-"),
                                                   QStringLiteral("項目指定(&Z)..."),
                                                   QStringLiteral("]"),
                                                   QStringLiteral("-"),
                                                   QStringLiteral("表示条件設定(&T)..."),
                                                   QStringLiteral("表示条件クリア(&L)")}));
    EXPECT_EQ(layout(top[3]->menu()), (QStringList{QStringLiteral("簡易テキストの項目順序(&T)..."),
                                                   QStringLiteral("種類一覧の表示(&E)"),
                                                   QStringLiteral("名称のカスタマイズ(&C)...")}));
    EXPECT_EQ(layout(top[4]->menu()), (QStringList{QStringLiteral("バージョン情報(&A)...")}));

    // The keys of the accelerator table, Insert and Delete included.
    const auto keys = [this](int id) { return router.action(id)->shortcuts(); };
    EXPECT_EQ(keys(cmd::Register), (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_E),
                                                        QKeySequence(Qt::Key_Insert)}));
    EXPECT_EQ(keys(cmd::Delete), (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_D),
                                                      QKeySequence(Qt::Key_Delete)}));
    for (const auto& [id, key] : std::vector<std::pair<int, Qt::Key>>{{cmd::Detail, Qt::Key_A},
                                                                      {cmd::Copy, Qt::Key_C},
                                                                      {cmd::Update, Qt::Key_M},
                                                                      {cmd::FileNew, Qt::Key_N},
                                                                      {cmd::FileOpen, Qt::Key_O},
                                                                      {cmd::FileSave, Qt::Key_S},
                                                                      {cmd::SimpleText, Qt::Key_T},
                                                                      {cmd::Undo, Qt::Key_Z}}) {
        EXPECT_EQ(keys(id), (QList<QKeySequence>{QKeySequence(Qt::CTRL | key)})) << id;
    }
    EXPECT_EQ(router.action(cmd::ShowDeedList)->statusTip(),
              QStringLiteral("ディードの一覧を表示します。"));
}

TEST_F(Menus, TheContextMenusOfBothLists) {
    std::unique_ptr<QMenu> deed(res::buildPopup(res::kPopupDeed, router, &window));
    EXPECT_EQ(
        layout(deed.get()),
        (QStringList{QStringLiteral("登録(&E)..."), QStringLiteral("更新(&M)..."),
                     QStringLiteral("削除(&D)"), QStringLiteral("複写(&C)"),
                     QStringLiteral("簡易テキスト(&T)"), QStringLiteral("受注状況一覧(&N)"),
                     QStringLiteral("[並べ替え(&R)"), QStringLiteral("種類順(&E)"),
                     QStringLiteral("材料順(&M)"), QStringLiteral("品質順(&Q)"),
                     QStringLiteral("数量順(&T)"), QStringLiteral("結合数順(&B)"),
                     QStringLiteral("備考順(&O)"), QStringLiteral("登録番号順(&S)"),
                     QStringLiteral("-"), QStringLiteral("項目指定(&Z)..."), QStringLiteral("]"),
                     QStringLiteral("表示条件設定(&T)..."), QStringLiteral("表示条件クリア(&L)")}));
    std::unique_ptr<QMenu> condition(res::buildPopup(res::kPopupCondition, router, &window));
    EXPECT_EQ(layout(condition.get()),
              (QStringList{
                  QStringLiteral("詳細表示(&A)..."), QStringLiteral("-"),
                  QStringLiteral("ディード一覧(&D)"), QStringLiteral("-"),
                  QStringLiteral("[並べ替え(&R)"), QStringLiteral("カテゴリ順(&C)"),
                  QStringLiteral("材料順(&M)"), QStringLiteral("品質順(&Q)"),
                  QStringLiteral("数量順(&T)"), QStringLiteral("残数順(&R)"), QStringLiteral("-"),
                  QStringLiteral("項目指定(&Z)..."), QStringLiteral("]"), QStringLiteral("-"),
                  QStringLiteral("表示条件設定(&T)..."), QStringLiteral("表示条件クリア(&L)")}));
    // Nobody handles a command here, so every item shows disabled when the menu opens.
    router.refreshMenu(condition.get());
    EXPECT_FALSE(router.action(cmd::Detail)->isEnabled());
}

} // namespace
} // namespace tessary
