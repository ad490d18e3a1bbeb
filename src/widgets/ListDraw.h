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

// How a list draws its rows.
enum class DrawMode {
    None,    // nothing is drawn
    Records, // the main window's record lists: cell colours and the image from the model,
             // the selection shown on the first column only
    Detail,  // the detail list of a dialog: as Records, but the selection is not shown
    Plain,   // plain rows: the selection shown over the whole row, no colours or images
};

// Data roles the list models offer beside the display text and alignment. The drawing reads
// these and Qt::BackgroundRole (a cell's colour, QColor) and Qt::ForegroundRole (a cell's text
// colour, QColor), never the records themselves, and knows nothing of a list's columns.
enum ListRole : int {
    kRecordRole = Qt::UserRole + 1, // the record a row shows (a typed pointer)
    kImageRole,                     // int, first column: the row's image in the image strip
    kRowBackgroundRole,             // QColor, first column: the colour of the whole row
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

// Rows drawn from the model's roles (DrawMode Records, and Detail without `showSelection`): the
// row in its row colour (else the window colour); each cell in its colour, the first one in the
// selection colours when selected and `showSelection`; every text, in its cell's text colour,
// the first after the image indent; the image at the row's left when the first column is wide
// enough for it (blended with the highlight while selected, current and focused); the focus
// frame when the row is current and the list focused.
void drawModelRow(QPainter& painter, const QTreeView& view, const QRect& row,
                  const QModelIndex& index, const RowState& state, bool showSelection);

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
