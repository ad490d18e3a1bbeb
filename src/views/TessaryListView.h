// The common base of the list views that fill a pane of the main window (the deed list, the
// order-status list, the type list), and the drawing they share with the dialogs' owner-drawn
// list. Every row is drawn by the list itself: 18 pixels high, cell texts on one line ending in
// an ellipsis when they do not fit, and in the deed and order-status lists an image at the left of
// the first column, the material's colour behind the material column and the selection shown on
// the first column only.
#pragma once

#include "framework/View.h"
#include "views/RowPaintedTreeView.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStyledItemDelegate>

#include <cstdint>
#include <vector>

class QFontMetrics;
class QPainter;

namespace tessary {

class CTessaryDoc;

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

class CTessaryListView : public RowPaintedTreeView, public fw::CView {
    Q_OBJECT
public:
    // Drawing modes: deed rows, order-status rows, plain rows.
    enum DrawMode : int { kDrawDeeds = 1, kDrawConditions = 2, kDrawPlain = 3 };

    // `doc` is the document the view shows; the caller attaches the view to it.
    CTessaryListView(int drawMode, CTessaryDoc* doc, QWidget* parent);
    ~CTessaryListView() override;

    QWidget* widget() override { return this; }
    int drawMode() const { return drawMode_; }

    // The current width of every column, in column order.
    std::vector<int> columnWidths() const;
    void applyColumnWidths(const std::vector<int>& widths);

signals:
    // A right click in the list: the main frame shows popup `popupIndex` of the context menus
    // ("Deed" 0, "Condition" 1) at `globalPos`.
    void contextMenuRequested(int popupIndex, QPoint globalPos);

protected:
    CTessaryDoc* doc() const { return doc_; }

    // The names changed or the contents were renewed: the tree selects again, which lists this
    // view's rows anew through the selection hint.
    void askForReselect();

    // A click on the header of `column`.
    virtual void onColumnClicked(int column) { (void)column; }
    // The context popup of this list; -1 for none.
    virtual int popupIndex() const { return -1; }

    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Deed rows and order-status rows.
    void drawRecordRow(QPainter& painter, const QRect& row, const QModelIndex& index,
                       const listdraw::RowState& state) const;

    int drawMode_;
    CTessaryDoc* doc_;
};

} // namespace tessary
