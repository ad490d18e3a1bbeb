// The list placed in dialogs (the order-status detail, the name customisation): rows of texts
// with a 32-bit item data each, drawn by the list itself in one of two modes.
//   mode 1 (detail rows): bits 0-7 of the item data non-zero paint the whole row light red, bits
//          8-15 choose the image drawn at the left of column 0; the selection is not shown.
//   mode 2 (plain rows): the selected row in the highlight colour.
// Any other mode draws nothing.
#pragma once

#include "widgets/RowPaintedTreeView.h"

#include <QStringList>

#include <cstdint>
#include <functional>

namespace tessary {

class COwnerDrawListModel;

class COwnerDrawListCtrl : public RowPaintedTreeView {
    Q_OBJECT
public:
    enum DrawMode : int { kDrawNone = 0, kDrawDetail = 1, kDrawPlain = 2 };

    explicit COwnerDrawListCtrl(QWidget* parent = nullptr);
    ~COwnerDrawListCtrl() override;

    int drawMode() const { return drawMode_; }
    void setDrawMode(int mode);

    // Deletes every row and every column.
    void resetColumns();
    // Appends a column; returns its index.
    int addColumn(const QString& title, int width, Qt::Alignment alignment = Qt::AlignLeft);
    int columnCount() const;

    // Appends a row (missing texts are empty); returns its index.
    int addRow(const QStringList& texts, std::uint32_t itemData = 0);
    void deleteAllRows();
    int rowCount() const;

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    std::uint32_t itemData(int row) const;
    void setItemData(int row, std::uint32_t itemData);

    // Orders the rows stably by `less` on their item data.
    void sortRows(const std::function<bool(std::uint32_t, std::uint32_t)>& less);

    // The current row (the one with the focus state), or -1.
    int currentRow() const;
    void setCurrentRow(int row);

    // Item data of detail rows.
    static std::uint32_t packDetail(bool highlight, int iconIndex, std::uint16_t userBits = 0) {
        return (highlight ? 1u : 0u) | ((static_cast<std::uint32_t>(iconIndex) & 0xFFu) << 8) |
               (static_cast<std::uint32_t>(userBits) << 16);
    }

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    void drawDetailRow(QPainter& painter, const QRect& row, const QModelIndex& index,
                       bool current) const;

    COwnerDrawListModel* model_;
    int drawMode_ = kDrawNone;
};

} // namespace tessary
