#include "widgets/OwnerDrawnView.h"

#include <QHeaderView>
#include <QPainter>

namespace tessary {

COwnerDrawnView::COwnerDrawnView(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    // Moving the current row repaints the whole width of both rows (the focus frame spans it).
    setAllColumnsShowFocus(true);
    setItemDelegate(new listdraw::CFixedRowDelegate(this));

    QHeaderView* columns = header();
    columns->setSectionsMovable(false);
    columns->setStretchLastSection(false);
    columns->setSortIndicatorShown(false);
    columns->setMinimumSectionSize(0);
    columns->setSectionResizeMode(QHeaderView::Interactive);
}

void COwnerDrawnView::setDrawMode(DrawMode mode) {
    drawMode_ = mode;
    viewport()->update();
}

void COwnerDrawnView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    if (drawMode_ == DrawMode::None) {
        return;
    }
    painter->save();
    painter->setFont(font());
    const QRect row = listdraw::rowRect(*this, option.rect);
    const listdraw::RowState state = listdraw::rowState(*this, index);
    if (drawMode_ == DrawMode::Plain) {
        listdraw::drawPlainRow(*painter, *this, row, index, state);
    } else {
        listdraw::drawModelRow(*painter, *this, row, index, state, drawMode_ == DrawMode::Records);
    }
    painter->restore();
}

void COwnerDrawnView::focusInEvent(QFocusEvent* event) {
    QTreeView::focusInEvent(event);
    viewport()->update();
}

void COwnerDrawnView::focusOutEvent(QFocusEvent* event) {
    QTreeView::focusOutEvent(event);
    viewport()->update();
}

void COwnerDrawnView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeView::currentChanged(current, previous);
    viewport()->update();
}

void COwnerDrawnView::selectionChanged(const QItemSelection& selected,
                                       const QItemSelection& deselected) {
    QTreeView::selectionChanged(selected, deselected);
    viewport()->update();
}

} // namespace tessary
