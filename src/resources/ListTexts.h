// Texts of the two lists of the main window and of the dialogs that choose their rows and order:
// column titles, the names of the sort items, the status panes, the display-condition, item-order
// and order-detail dialogs.
#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace tessary::msg {

// --- sort items
// ----------------------------------------------------------------------------------- The items
// each list sorts by, in item-number order: item n is also column n of the list, and the item-order
// dialog lists the same names. Sort item 99 is the user's item order.

inline const QStringList& deedSortItems() {
    static const QStringList names{
        QStringLiteral("種類"),     QStringLiteral("材料"),   QStringLiteral("品質"),
        QStringLiteral("数量"),     QStringLiteral("結合数"), QStringLiteral("備考"),
        QStringLiteral("登録番号"),
    };
    return names;
}
inline const QStringList& conditionSortItems() {
    static const QStringList names{
        QStringLiteral("カテゴリ"), QStringLiteral("材料"), QStringLiteral("品質"),
        QStringLiteral("数量"),     QStringLiteral("残数"),
    };
    return names;
}
// The pieces of the simple text, in item-number order.
inline const QStringList& simpleTextItems() {
    static const QStringList names{QStringLiteral("種類"), QStringLiteral("材料"),
                                   QStringLiteral("品質"), QStringLiteral("数量")};
    return names;
}

// The status pane's name of sort item `item` of a list whose items are `items`: "種類順" and so
// on, "指定項目順" for the item order, nothing for any other number.
inline QString sortPaneName(const QStringList& items, int item) {
    if (item == 99) {
        return QStringLiteral("指定項目順");
    }
    if (item < 0 || item >= items.size()) {
        return {};
    }
    return items[item] + QStringLiteral("順");
}

// --- lists
// ----------------------------------------------------------------------------------------

// Column titles of the deed list: its sort items.
inline QStringList deedColumnTitles() {
    return deedSortItems();
}
// Column titles of the order-status list: its sort items, then the large deed and the six small
// slots.
inline QStringList conditionColumnTitles() {
    return conditionSortItems() + QStringList{QStringLiteral("大口"),  QStringLiteral("小口1"),
                                              QStringLiteral("小口2"), QStringLiteral("小口3"),
                                              QStringLiteral("小口4"), QStringLiteral("小口5"),
                                              QStringLiteral("小口6")};
}
// The text of the large deed's slot in every order-status row.
inline QString largeDeedSlot() {
    return QStringLiteral(" 大口");
}

// Status pane 1 of the deed list: deeds shown and deeds held.
inline QString deedCountPane(qulonglong shown, qulonglong held) {
    return QStringLiteral(" %1 / %2 枚 ").arg(shown).arg(held);
}
// The text pane 1 is sized for.
inline QString deedCountPaneSizing() {
    return QStringLiteral(" 000000 / 000000 枚 ");
}

// --- display-condition dialog
// ---------------------------------------------------------------------

inline QString deedFilterTitle() {
    return QStringLiteral("ディード一覧の表示条件設定");
}
inline QString conditionFilterTitle() {
    return QStringLiteral("受注状況一覧の表示条件設定");
}
inline QString allCategories() {
    return QStringLiteral(" < すべてのカテゴリ >");
}
inline QString allTypes() {
    return QStringLiteral(" < すべての種類 >");
}
inline QString allMaterials() {
    return QStringLiteral(" < すべての材料 >");
}
inline QString allQualities() {
    return QStringLiteral(" < すべての品質 >");
}
inline QString allQuantities() {
    return QStringLiteral(" < すべての数量 >");
}
// The remaining-count list, in item data order (data n + 1 keeps rows with n or fewer deeds
// remaining, data 1 those with none).
inline QStringList remainingChoices() {
    return {QStringLiteral(" < すべての残数 >"), QStringLiteral(" 0 枚"),
            QStringLiteral(" 1 枚以下"),         QStringLiteral(" 2 枚以下"),
            QStringLiteral(" 3 枚以下"),         QStringLiteral(" 4 枚以下"),
            QStringLiteral(" 5 枚以下"),         QStringLiteral(" 6 枚以下")};
}
// Row labels, top to bottom.
inline QStringList deedFilterLabels() {
    return {QStringLiteral("カテゴリ"), QStringLiteral("種類"), QStringLiteral("材料"),
            QStringLiteral("品質"), QStringLiteral("数量")};
}
inline QStringList conditionFilterLabels() {
    return conditionSortItems();
}
inline QString filterClear() {
    return QStringLiteral("クリア");
}

// --- item-order dialog
// ----------------------------------------------------------------------------

inline QString deedSortOrderTitle() {
    return QStringLiteral("ディード一覧の並べ替え項目");
}
inline QString conditionSortOrderTitle() {
    return QStringLiteral("受注状況一覧の並べ替え項目");
}
inline QString simpleTextOrderTitle() {
    return QStringLiteral("簡易テキストの項目順序");
}
// A row of the item list: the item's name after one blank.
inline QString itemOrderLabel(const QString& item) {
    return QLatin1Char(' ') + item;
}
inline QString moveUp() {
    return QStringLiteral("▲");
}
inline QString moveDown() {
    return QStringLiteral("▼");
}

// --- order-status detail dialog
// -------------------------------------------------------------------

inline QString detailTitle() {
    return QStringLiteral("受注状況の詳細");
}
// Labels of the value fields, in the order they are shown.
inline const std::array<QString, 8>& detailFieldLabels() {
    static const std::array<QString, 8> labels{
        QStringLiteral("グループ"),
        QStringLiteral("カテゴリ"),
        QStringLiteral("材料"),
        QStringLiteral("品質"),
        QStringLiteral("数量"),
        QStringLiteral("完成に必要な枚数"),
        QStringLiteral("受注 / 結合した枚数"),
        QStringLiteral("完成までの残枚数"),
    };
    return labels;
}
inline QString detailDeedList() {
    return QStringLiteral("ディードリスト");
}
inline QString detailTypeColumn() {
    return QStringLiteral("種類");
}
inline QString detailMaterialColumn() {
    return QStringLiteral("材料");
}
inline QString detailClose() {
    return QStringLiteral("終了");
}

} // namespace tessary::msg
