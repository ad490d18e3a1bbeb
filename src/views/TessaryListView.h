// The common base of the list views that fill a pane of the main window (the deed list, the
// order-status list, the type list), and the drawing they share with the dialogs' owner-drawn
// list. Every row is drawn by the list itself: 18 pixels high, cell texts on one line ending in
// an ellipsis when they do not fit, and in the deed and order-status lists an image at the left of
// the first column, the material's colour behind the material column and the selection shown on
// the first column only.
#pragma once

#include "framework/View.h"
#include "widgets/ListDraw.h"
#include "widgets/RowPaintedTreeView.h"

#include <vector>

namespace tessary {

class CTessaryDoc;

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
