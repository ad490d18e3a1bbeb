// The drawing every owner-drawn list shares (the main window's lists and the dialogs' list):
// 18-pixel rows, cell texts on one line ending in an ellipsis when they do not fit, images from
// the image strip, swatches, status colours and the focus frame; and the data roles the list
// models offer for it.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStyledItemDelegate>

#include <cstdint>

class QFontMetrics;
class QPainter;
class QTreeView;

namespace tessary {

// Data roles the list models offer beside the display text and alignment. The drawing reads
// only these, never the records themselves.
enum ListRole : int {
    kRecordRole = Qt::UserRole + 1, // the record a row shows (a typed pointer)
    kIconIndexRole,                 // int: the row's image in the image strip
    kMaterialColorRole,             // uint: the material's swatch colour, 0x00BBGGRR
    kRemainingRole,                 // int: order-status rows, deeds still missing
    kFilledRole,                    // int: order-status rows, slots that hold a deed
    kSlotCountRole,                 // int: order-status slot columns, the slot's counter
    kItemDataRole,                  // uint: the owner-drawn list's packed item data
};

// The look all lists share.
namespace listdraw {

inline constexpr int kRowHeight = 18;
// Column 0 leaves room for the 16x16 image before its text.
inline constexpr int kImageIndent = 18;

// How one cell's text is shown: the text cut with an ellipsis to the cell and its alignment.
struct CellTextLayout {
    QString text;
    Qt::Alignment alignment;
};

// A text wider than its cell is shown left-aligned (and cut with an ellipsis at its end);
// otherwise with the column's alignment (right, centre, else left).
CellTextLayout layoutCellText(const QFontMetrics& metrics, int cellWidth, const QString& text,
                              Qt::Alignment columnAlignment);
// Draws a cell's text on one line, vertically centred, within the cell. Empty texts draw nothing.
void drawCellText(QPainter& painter, const QRect& cell, const QString& text,
                  Qt::Alignment columnAlignment);

// A colour stored as 0x00BBGGRR.
QColor fromColorRef(std::uint32_t colorRef);

// The colour of an order-status row's slot columns: complete, one missing, some held, none held.
QColor statusColor(int remaining, int filled);

// The text colour of an empty slot.
QColor emptySlotTextColor();

// The state one row is drawn in.
struct RowState {
    bool selected = false;
    bool current = false; // the row has the focus state
    bool focused = false; // the list has the keyboard focus
};
RowState rowState(const QTreeView& view, const QModelIndex& index);

// The row's rectangle: from the first column's left edge to the end of the last column, reaching
// at least the right edge of the viewport. `rowArea` gives the row's top and height.
QRect rowRect(const QTreeView& view, const QRect& rowArea);

// Plain rows: the whole row in the window colour, or when selected in the highlight colour (row
// current and list focused) or the inactive-border colour; every cell's text; the focus
// rectangle when the row is current and the list focused.
void drawPlainRow(QPainter& painter, const QTreeView& view, const QRect& row,
                  const QModelIndex& index, const RowState& state);

// Image `iconIndex` at `topLeft`, optionally blended half and half with `blendColor`.
void drawImage(QPainter& painter, QPoint topLeft, int iconIndex, bool blend,
               const QColor& blendColor);

// A one-pixel frame just inside `rect`.
void drawFrame(QPainter& painter, const QRect& rect, const QColor& color);

// Gives every row the height of the lists.
class CFixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace listdraw

} // namespace tessary
