// Texts of the deed entry dialog and of the deed list's edit commands.
#pragma once

#include <QString>

namespace tessary::msg {

// Titles of the deed entry dialog.
inline QString entryRegisterTitle() {
    return QStringLiteral("新規ディードの登録");
}
inline QString entryUpdateTitle() {
    return QStringLiteral("既存ディードの更新");
}

// Labels of the deed entry dialog.
inline QString entryGroupLabel() {
    return QStringLiteral("グループ");
}
inline QString entryCategoryLabel() {
    return QStringLiteral("カテゴリ");
}
inline QString entryTypeLabel() {
    return QStringLiteral("種類");
}
inline QString entryMaterialLabel() {
    return QStringLiteral("材料");
}
inline QString entryQualityLabel() {
    return QStringLiteral("品質");
}
inline QString entryQuantityLabel() {
    return QStringLiteral("数量");
}
inline QString entryCommentLabel() {
    return QStringLiteral("備考");
}
inline QString entryCombineFrame() {
    return QStringLiteral(" 結合状況 ");
}
inline QString entryCombineCountLabel() {
    return QStringLiteral("結合数");
}

// Refused entries, in the order they are checked.
inline QString noCategorySelected() {
    return QStringLiteral("カテゴリが選択されていません。");
}
inline QString noTypeSelected() {
    return QStringLiteral("種類が選択されていません。");
}
inline QString noMaterialSelected() {
    return QStringLiteral("材料が選択されていません。");
}
inline QString noQualitySelected() {
    return QStringLiteral("品質が選択されていません。");
}
inline QString noQuantitySelected() {
    return QStringLiteral("数量が選択されていません。");
}
inline QString noCombineCountSelected() {
    return QStringLiteral("結合数が選択されていません。");
}

// The question before a deletion.
inline QString confirmDelete() {
    return QStringLiteral("選択されているディードを削除してもよろしいですか？");
}

// The undo command's menu text after each kind of edit, and with nothing to undo.
inline QString undoRegister() {
    return QStringLiteral("元に戻す(&U) - 登録");
}
inline QString undoUpdate() {
    return QStringLiteral("元に戻す(&U) - 更新");
}
inline QString undoDelete() {
    return QStringLiteral("元に戻す(&U) - 削除");
}
inline QString undoCopy() {
    return QStringLiteral("元に戻す(&U) - 複写");
}
inline QString undoNothing() {
    return QStringLiteral("元に戻す(&U)\tCtrl+Z");
}

} // namespace tessary::msg
