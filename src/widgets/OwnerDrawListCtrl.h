// The list placed in dialogs (the order-status detail, the name customisation): rows of texts
// with a 32-bit item data each, drawn by the list itself in one of two modes.
//   DrawMode::Detail: bits 0-7 of the item data non-zero paint the whole row light red, bits
//          8-15 choose the image drawn at the left of column 0; the selection is not shown.
//   DrawMode::Plain: the selected row in the highlight colour.
// DrawMode::None (the mode after construction) draws nothing.
#pragma once

#include "widgets/OwnerDrawnView.h"

#include <QStringList>

#include <cstdint>
#include <functional>

namespace tessary {

class COwnerDrawListModel;

class COwnerDrawListCtrl : public COwnerDrawnView {
    Q_OBJECT
public:
    explicit COwnerDrawListCtrl(QWidget* parent = nullptr);
    ~COwnerDrawListCtrl() override;

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

private:
    COwnerDrawListModel* model_;
};

} // namespace tessary
