#include "resources/MenuTable.h"

#include "framework/CommandRouter.h"
#include "resources/CommandIds.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace tessary::res {

namespace {

struct CommandText {
    int id;
    const char16_t* text;
    const char16_t* prompt;
    QKeyCombination key;      // the key shown in the menu (none: no key)
    QKeyCombination otherKey; // a further key that runs it
};

constexpr QKeyCombination kNoKey{};
constexpr QKeyCombination ctrl(Qt::Key key) {
    return QKeyCombination(Qt::ControlModifier, key);
}

const CommandText kCommands[] = {
    {cmd::FileNew, u"新規作成(&N)...", u"新規にディードファイルを作成します。", ctrl(Qt::Key_N),
     kNoKey},
    {cmd::FileOpen, u"開く(&O)...", u"既存のディードファイルを開きます。", ctrl(Qt::Key_O), kNoKey},
    {cmd::AppendLoad, u"追加読み込み(&R)...",
     u"編集中のディードファイルに別のディードファイルを追加します。", kNoKey, kNoKey},
    {cmd::FileSave, u"上書き保存(&S)", u"編集中のディードファイルを上書きして保存します。",
     ctrl(Qt::Key_S), kNoKey},
    {cmd::FileSaveAs, u"名前を付けて保存(&A)...",
     u"編集中のディードファイルを新しい名前で保存します。", kNoKey, kNoKey},
    {cmd::Export, u"エクスポート(E)...", u"ディード情報をテキストファイルへ出力します。", kNoKey,
     kNoKey},
    {cmd::Download, u"ダウンロード(&D)...",
     u"インターネット上のディードファイルをダウンロードします。", kNoKey, kNoKey},
    {cmd::AppExit, u"アプリケーションの終了(&X)",
     u"アプリケーションを終了し、ディードファイルを保存します。", kNoKey, kNoKey},
    {cmd::Undo, u"元に戻す(&U)", u"直前に行った編集を元に戻します。", ctrl(Qt::Key_Z), kNoKey},
    {cmd::Register, u"登録(&E)...", u"新規にディード情報を登録します。", ctrl(Qt::Key_E),
     QKeyCombination(Qt::Key_Insert)},
    {cmd::Update, u"更新(&M)...", u"既存のディード情報を更新します。", ctrl(Qt::Key_M), kNoKey},
    {cmd::Delete, u"削除(&D)", u"既存のディード情報を削除します。", ctrl(Qt::Key_D),
     QKeyCombination(Qt::Key_Delete)},
    {cmd::Copy, u"複写(&C)", u"選択されたディード情報を複写します。", ctrl(Qt::Key_C), kNoKey},
    {cmd::SimpleText, u"簡易テキスト(&T)",
     u"選択されたディード情報のテキストをクリップボードへコピーします。", ctrl(Qt::Key_T), kNoKey},
    {cmd::Detail, u"詳細表示(&A)...", u"ディードの受注状況の詳細を表示します。", ctrl(Qt::Key_A),
     kNoKey},
    {cmd::ViewStatusBar, u"ステータスバー(&S)", u"ステータスバーの表示/非表示を切り替えます。",
     kNoKey, kNoKey},
    {cmd::ShowDeedList, u"ディード一覧(&D)", u"ディードの一覧を表示します。", kNoKey, kNoKey},
    {cmd::ShowConditionList, u"受注状況一覧(&N)", u"受注状況の一覧を表示します。", kNoKey, kNoKey},
    {cmd::SortCategory, u"カテゴリ順(&C)", u"一覧をカテゴリ順に並べ替えます。", kNoKey, kNoKey},
    {cmd::SortType, u"種類順(&E)", u"一覧を種類順に並べ替えます。", kNoKey, kNoKey},
    {cmd::SortMaterial, u"材料順(&M)", u"一覧を材料順に並べ替えます。", kNoKey, kNoKey},
    {cmd::SortQuality, u"品質順(&Q)", u"一覧を品質順に並べ替えます。", kNoKey, kNoKey},
    {cmd::SortQuantity, u"数量順(&T)", u"一覧を数量順に並べ替えます。", kNoKey, kNoKey},
    {cmd::SortCombined, u"結合数順(&B)", u"一覧を結合数順に並べ替えます。", kNoKey, kNoKey},
    {cmd::SortComment, u"備考順(&O)", u"一覧を備考順に並べ替えます。", kNoKey, kNoKey},
    {cmd::SortSerial, u"登録番号順(&S)", u"一覧を登録番号順に並べ替えます。", kNoKey, kNoKey},
    {cmd::SortRemaining, u"残数順(&R)", u"一覧を残数順に並べ替えます。", kNoKey, kNoKey},
    {cmd::SortItemOrder, u"項目指定(&Z)...", u"一覧を指定した項目順に並べ替えます。", kNoKey,
     kNoKey},
    {cmd::FilterSet, u"表示条件設定(&T)...", u"一覧の表示条件を設定します。", kNoKey, kNoKey},
    {cmd::FilterClear, u"表示条件クリア(&L)", u"一覧の表示条件をクリアします。", kNoKey, kNoKey},
    {cmd::SimpleTextOrder, u"簡易テキストの項目順序(&T)...",
     u"簡易テキストで出力する項目の順序を設定します。", kNoKey, kNoKey},
    {cmd::ShowTypeList, u"種類一覧の表示(&E)", u"種類の一覧を表示します。", kNoKey, kNoKey},
    {cmd::CustomizeNames, u"名称のカスタマイズ(&C)...", u"ディード情報の名称をカスタマイズします。",
     kNoKey, kNoKey},
    {cmd::About, u"バージョン情報(&A)...", u"プログラムの情報および著作権を表示します。", kNoKey,
     kNoKey},
};

// A menu layout: a command id, a separator (0), a submenu opening (-1, with its title) or its
// end (-2).
constexpr int kSeparator = 0;
constexpr int kSubmenu = -1;
constexpr int kEnd = -2;
struct MenuItem {
    int id;
    const char16_t* title = nullptr;
};

void addItems(QMenu* menu, const MenuItem* items, std::size_t count, std::size_t& i,
              fw::CCommandRouter& router) {
    while (i < count) {
        const MenuItem& item = items[i++];
        if (item.id == kEnd) {
            return;
        }
        if (item.id == kSeparator) {
            menu->addSeparator();
        } else if (item.id == kSubmenu) {
            QMenu* sub = menu->addMenu(QString::fromUtf16(item.title));
            router.watchMenu(sub);
            addItems(sub, items, count, i, router);
        } else if (QAction* action = router.action(item.id)) {
            menu->addAction(action);
        }
    }
}

template <std::size_t N>
void fill(QMenu* menu, const MenuItem (&items)[N], fw::CCommandRouter& router) {
    std::size_t i = 0;
    router.watchMenu(menu);
    addItems(menu, items, N, i, router);
}

const MenuItem kFileMenu[] = {
    {cmd::FileNew},
    {cmd::FileOpen},
    {cmd::AppendLoad},
    {cmd::FileSave},
    {cmd::FileSaveAs},
    {kSeparator},
    {cmd::Export},
    {kSeparator},
    {kSubmenu, u"インターネット(&I)"},
    {cmd::Download},
    {kEnd},
    {kSeparator},
    {cmd::AppExit},
};

const MenuItem kEditMenu[] = {
    {cmd::Undo}, {kSeparator}, {cmd::Register},   {cmd::Update}, {cmd::Delete}, {kSeparator},
    {cmd::Copy}, {kSeparator}, {cmd::SimpleText}, {kSeparator},  {cmd::Detail},
};

const MenuItem kViewMenu[] = {
    {cmd::ViewStatusBar}, {kSeparator},
    {cmd::ShowDeedList},  {cmd::ShowConditionList},
    {kSeparator},         {kSubmenu, u"並べ替え(&R)"},
    {cmd::SortCategory},  {cmd::SortType},
    {cmd::SortMaterial},  {cmd::SortQuality},
    {cmd::SortQuantity},  {cmd::SortCombined},
    {cmd::SortComment},   {cmd::SortSerial},
    {cmd::SortRemaining}, {kSeparator},
    {cmd::SortItemOrder}, {kEnd},
    {kSeparator},         {cmd::FilterSet},
    {cmd::FilterClear},
};

const MenuItem kToolMenu[] = {
    {cmd::SimpleTextOrder},
    {cmd::ShowTypeList},
    {cmd::CustomizeNames},
};

const MenuItem kHelpMenu[] = {
    {cmd::About},
};

const MenuItem kDeedPopup[] = {
    {cmd::Register},
    {cmd::Update},
    {cmd::Delete},
    {cmd::Copy},
    {cmd::SimpleText},
    {cmd::ShowConditionList},
    {kSubmenu, u"並べ替え(&R)"},
    {cmd::SortType},
    {cmd::SortMaterial},
    {cmd::SortQuality},
    {cmd::SortQuantity},
    {cmd::SortCombined},
    {cmd::SortComment},
    {cmd::SortSerial},
    {kSeparator},
    {cmd::SortItemOrder},
    {kEnd},
    {cmd::FilterSet},
    {cmd::FilterClear},
};

const MenuItem kConditionPopup[] = {
    {cmd::Detail},
    {kSeparator},
    {cmd::ShowDeedList},
    {kSeparator},
    {kSubmenu, u"並べ替え(&R)"},
    {cmd::SortCategory},
    {cmd::SortMaterial},
    {cmd::SortQuality},
    {cmd::SortQuantity},
    {cmd::SortRemaining},
    {kSeparator},
    {cmd::SortItemOrder},
    {kEnd},
    {kSeparator},
    {cmd::FilterSet},
    {cmd::FilterClear},
};

} // namespace

void registerCommands(fw::CCommandRouter& router) {
    for (const CommandText& c : kCommands) {
        QList<QKeySequence> keys;
        if (c.key != kNoKey) {
            keys << QKeySequence(c.key);
        }
        if (c.otherKey != kNoKey) {
            keys << QKeySequence(c.otherKey);
        }
        router.addCommand(c.id, QString::fromUtf16(c.text), QString::fromUtf16(c.prompt), keys);
    }
}

void buildMenuBar(QMenuBar* bar, fw::CCommandRouter& router) {
    fill(bar->addMenu(QStringLiteral("ファイル(&F)")), kFileMenu, router);
    fill(bar->addMenu(QStringLiteral("編集(&E)")), kEditMenu, router);
    fill(bar->addMenu(QStringLiteral("表示(&V)")), kViewMenu, router);
    fill(bar->addMenu(QStringLiteral("ツール(&T)")), kToolMenu, router);
    fill(bar->addMenu(QStringLiteral("ヘルプ(&H)")), kHelpMenu, router);
}

QMenu* buildPopup(int popup, fw::CCommandRouter& router, QWidget* parent) {
    auto* menu = new QMenu(parent);
    if (popup == kPopupDeed) {
        fill(menu, kDeedPopup, router);
    } else {
        fill(menu, kConditionPopup, router);
    }
    return menu;
}

} // namespace tessary::res
