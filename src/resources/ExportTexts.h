// Texts of the export dialog.
#pragma once

#include "resources/ListTexts.h"

#include <QString>
#include <QStringList>

namespace tessary::msg {

inline QString exportTitle() {
    return QStringLiteral("エクスポート");
}
inline QString exportItemsLabel() {
    return QStringLiteral("出力項目");
}
inline QString exportFileNameLabel() {
    return QStringLiteral("ファイル名");
}
inline QString exportBrowse() {
    return QStringLiteral("参照...");
}
inline QString exportDelimiterLabel() {
    return QStringLiteral("区切り文字");
}
inline QString exportOptionsGroup() {
    return QStringLiteral(" オプション設定 ");
}
inline QString exportMissingOption() {
    return QStringLiteral(" 選択されたカテゴリで未受注のディードを出力する");
}
inline QString exportPeriodOption() {
    return QStringLiteral(" 連番にピリオドを付加する");
}
inline QString exportFractionOption() {
    return QStringLiteral(" 結合数と数量は \"( 0 / 0 )\" で表示する");
}
inline QString exportUtf8Option() {
    return QStringLiteral(" UTF-8 で出力する");
}
inline QString exportSampleLabel() {
    return QStringLiteral("出力サンプル");
}
inline QString exportRun() {
    return QStringLiteral("実行");
}

// The labels of the output items, by item code: 連番, then the names the lists and the order
// detail already use, each after one blank.
inline QStringList exportItemLabels() {
    const QStringList& deedItems = deedSortItems();
    QStringList labels{QStringLiteral(" 連番"), itemOrderLabel(detailFieldLabels()[0]),
                       itemOrderLabel(conditionSortItems()[0])};
    for (const QString& item : deedItems) {
        labels << itemOrderLabel(item);
    }
    return labels;
}

inline QString exportNoDeedToShow() {
    return QStringLiteral("表示するディードがありません");
}
// In the second sample line when the missing deeds cannot be built.
inline QString exportTooManyCombinations(const QString& count, const QString& limit) {
    return QStringLiteral(
               "組み合わせが多すぎるため未受注のディードは出力できません（%1 通り、上限 %2 通り）")
        .arg(count, limit);
}

inline QString exportFileFilter() {
    return QStringLiteral("ﾃｷｽﾄ ﾌｧｲﾙ (*.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*||");
}
inline QString exportDefaultExtension() {
    return QStringLiteral("txt");
}

inline QString exportNoItemChosen() {
    return QStringLiteral("出力項目がひとつも選択されていません。");
}
inline QString exportNoFileName() {
    return QStringLiteral("ファイル名を指定してください。");
}
inline QString exportCannotOpen() {
    return QStringLiteral("出力先のファイルを開くことができませんでした。");
}
inline QString exportDone() {
    return QStringLiteral("ディード情報をエクスポートしました。");
}
inline QString exportDelimiterNotCp932() {
    return QStringLiteral("区切り文字に、シフトJIS (CP932) で表せない文字が含まれています。");
}
inline QString exportFileNameNotCp932() {
    return QStringLiteral("ファイル名に、シフトJIS (CP932) で表せない文字が含まれています。");
}

} // namespace tessary::msg
