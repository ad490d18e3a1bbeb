// Texts of the name customisation dialog and the type list window.
#pragma once

#include <QString>
#include <QStringList>

namespace tessary::msg {

inline QString namingTitle() {
    return QStringLiteral("名称のカスタマイズ");
}
inline QString namingKindLabel() {
    return QStringLiteral("項目");
}
// The item kinds, in the order of the drop-down list.
inline QStringList namingKinds() {
    return {QStringLiteral(" グループ"), QStringLiteral(" カテゴリ"), QStringLiteral(" 種類"),
            QStringLiteral(" 材料"), QStringLiteral(" 品質")};
}
inline QString namingNameColumn() {
    return QStringLiteral("名称");
}
inline QString namingInitialColumn() {
    return QStringLiteral("初期名称");
}
inline QString namingGroupColumn() {
    return QStringLiteral("グループ");
}
inline QString namingCategoryColumn() {
    return QStringLiteral("カテゴリ");
}
inline QString namingEditButton() {
    return QStringLiteral("編集");
}
inline QString namingResetButton() {
    return QStringLiteral("初期化");
}
inline QString namingSaveButton() {
    return QStringLiteral("保存");
}
inline QString namingCancelButton() {
    return QStringLiteral("取消");
}
inline QString nameEmpty() {
    return QStringLiteral("名称が入力されていません。");
}
inline QString nameTooLong() {
    return QStringLiteral("名称は 40 バイトを超えて入力することはできません。");
}
inline QString nameUnusable() {
    return QStringLiteral("名称に使用できない文字が含まれています。\n"
                          "Shift_JIS で表せない文字や制御文字は使用できません。");
}
inline QString namesResetQuestion() {
    return QStringLiteral("名称を初期化してもよろしいですか？");
}
inline QString namesNotWritten(const QString& path) {
    return QStringLiteral("名称を %1 に保存できませんでした。\n"
                          "変更した名称は、次回の起動時には元に戻ります。")
        .arg(path);
}

inline QString typeListTitle() {
    return QStringLiteral("種類一覧");
}
inline QStringList typeListColumns() {
    return {QStringLiteral("種類"), QStringLiteral("カテゴリ"), QStringLiteral("グループ")};
}

} // namespace tessary::msg
