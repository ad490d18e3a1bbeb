#include "views/TessaryListView.h"

#include "document/TessaryDoc.h"
#include "resources/CommandIds.h"
#include "resources/Images.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace tessary {

CTessaryListView::CTessaryListView(int drawMode, CTessaryDoc* doc, QWidget* parent)
    : RowPaintedTreeView(parent), drawMode_(drawMode), doc_(doc) {
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
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(false);
    columns->setMinimumSectionSize(0);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    // A right click on the column titles shows no menu.
    columns->setContextMenuPolicy(Qt::PreventContextMenu);
    connect(columns, &QHeaderView::sectionClicked, this,
            [this](int column) { onColumnClicked(column); });
}

CTessaryListView::~CTessaryListView() = default;

std::vector<int> CTessaryListView::columnWidths() const {
    std::vector<int> widths;
    const QHeaderView* columns = header();
    widths.reserve(static_cast<std::size_t>(columns->count()));
    for (int i = 0; i < columns->count(); ++i) {
        widths.push_back(columns->sectionSize(i));
    }
    return widths;
}

void CTessaryListView::applyColumnWidths(const std::vector<int>& widths) {
    QHeaderView* columns = header();
    for (int i = 0; i < columns->count() && i < static_cast<int>(widths.size()); ++i) {
        columns->resizeSection(i, std::max(widths[static_cast<std::size_t>(i)], 0));
    }
}

void CTessaryListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    if (drawMode_ != kDrawDeeds && drawMode_ != kDrawConditions && drawMode_ != kDrawPlain) {
        return;
    }
    painter->save();
    painter->setFont(font());
    const QRect row = listdraw::rowRect(*this, option.rect);
    const listdraw::RowState state = listdraw::rowState(*this, index);
    if (drawMode_ == kDrawPlain) {
        listdraw::drawPlainRow(*painter, *this, row, index, state);
    } else {
        drawRecordRow(*painter, row, index, state);
    }
    painter->restore();
}

void CTessaryListView::drawRecordRow(QPainter& painter, const QRect& row, const QModelIndex& index,
                                     const listdraw::RowState& state) const {
    const QPalette& colours = palette();
    const QColor window = colours.color(QPalette::Active, QPalette::Base);
    const QColor windowText = colours.color(QPalette::Active, QPalette::Text);
    const QColor highlight = colours.color(QPalette::Active, QPalette::Highlight);
    painter.fillRect(row, window);

    const QColor swatch = listdraw::fromColorRef(index.data(kMaterialColorRole).toUInt());
    QColor status;
    if (drawMode_ == kDrawConditions) {
        status = listdraw::statusColor(index.data(kRemainingRole).toInt(),
                                       index.data(kFilledRole).toInt());
    }

    const QHeaderView* columns = header();
    const int columnCount = index.model()->columnCount(index.parent());
    int x = row.left();
    for (int column = 0; column < columnCount; ++column) {
        const int width = columns->sectionSize(column);
        const QRect cell(x, row.top(), width, row.height());
        x += width;
        const QModelIndex cellIndex = index.siblingAtColumn(column);

        QColor text = windowText;
        if (column == 0 && state.selected) {
            if (state.focused && state.current) {
                painter.fillRect(cell, highlight);
                text = colours.color(QPalette::Active, QPalette::HighlightedText);
            } else {
                painter.fillRect(cell, colours.color(QPalette::Active, QPalette::Button));
            }
        } else if (column == 1) {
            painter.fillRect(cell, swatch);
        } else if (drawMode_ == kDrawConditions && column >= 5) {
            painter.fillRect(cell, status);
            if (column <= 11 && cellIndex.data(kSlotCountRole).toInt() == 0) {
                text = listdraw::emptySlotTextColor();
            }
        }

        QRect textRect = cell;
        if (column == 0) {
            textRect.setLeft(textRect.left() + listdraw::kImageIndent);
        }
        painter.setPen(text);
        listdraw::drawCellText(painter, textRect, cellIndex.data().toString(),
                               Qt::Alignment(cellIndex.data(Qt::TextAlignmentRole).toInt()));

        if (column == 0 && width >= listdraw::kImageIndent) {
            listdraw::drawImage(painter, row.topLeft() + QPoint(1, 1),
                                index.data(kIconIndexRole).toInt(),
                                state.selected && state.current && state.focused, highlight);
        }
    }

    if (state.focused && state.current) {
        listdraw::drawFrame(painter, row, windowText);
    }
}

void CTessaryListView::contextMenuEvent(QContextMenuEvent* event) {
    const int popup = popupIndex();
    if (popup < 0) {
        QTreeView::contextMenuEvent(event);
        return;
    }
    QPoint at = event->globalPos();
    if (event->reason() != QContextMenuEvent::Mouse) {
        // From the keyboard: below the current row, or at the list's corner without one.
        const QRect current = visualRect(currentIndex());
        at = viewport()->mapToGlobal(current.isValid() ? current.bottomLeft() : QPoint(0, 0));
    }
    event->accept();
    emit contextMenuRequested(popup, at);
}

void CTessaryListView::askForReselect() {
    doc_->data().setRebuildPending(false);
    doc_->updateAllViews(this, kHintReselect);
}

} // namespace tessary
