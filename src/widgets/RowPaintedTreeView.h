// A report list that paints its rows itself: a row's look depends on the focus, the current row
// and the selection, so any change of those repaints the rows.
#pragma once

#include <QTreeView>

namespace tessary {

class RowPaintedTreeView : public QTreeView {
public:
    using QTreeView::QTreeView;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QTreeView::focusInEvent(event);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        QTreeView::focusOutEvent(event);
        viewport()->update();
    }
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
        QTreeView::currentChanged(current, previous);
        viewport()->update();
    }
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override {
        QTreeView::selectionChanged(selected, deselected);
        viewport()->update();
    }
};

} // namespace tessary
