// A report list that draws its rows itself, in one of the drawing modes, from its model's roles:
// single selection of whole rows, rows of 18 pixels, no sorting by Qt. A row's look depends on
// the focus, the current row and the selection, so any change of those repaints the rows.
#pragma once

#include "widgets/ListDraw.h"

#include <QTreeView>

namespace tessary {

class COwnerDrawnView : public QTreeView {
public:
    explicit COwnerDrawnView(QWidget* parent = nullptr);

    DrawMode drawMode() const { return drawMode_; }
    void setDrawMode(DrawMode mode);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    DrawMode drawMode_ = DrawMode::None;
};

} // namespace tessary
