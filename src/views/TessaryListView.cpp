#include "views/TessaryListView.h"

#include "document/TessaryDoc.h"
#include "framework/CmdUI.h"
#include "framework/WaitCursor.h"
#include "resources/CommandIds.h"
#include "widgets/ColumnWidths.h"

#include <QContextMenuEvent>
#include <QHeaderView>

#include <algorithm>

namespace tessary {

CTessaryListView::CTessaryListView(DrawMode drawMode, CTessaryDoc* doc, QWidget* parent,
                                   const settings::TextKey& columnsKey, int columnCount,
                                   std::span<const SortCommand> sortCommands)
    : COwnerDrawnView(parent), doc_(doc), columnsKey_(columnsKey), columnCount_(columnCount),
      sortCommands_(sortCommands) {
    setDrawMode(drawMode);
    QHeaderView* columns = header();
    columns->setSectionsClickable(true);
    // A right click on the column titles shows no menu.
    columns->setContextMenuPolicy(Qt::PreventContextMenu);
    connect(columns, &QHeaderView::sectionClicked, this,
            [this](int column) { sortBy(column, true); });
}

CTessaryListView::~CTessaryListView() {
    saveColumnWidths();
}

void CTessaryListView::saveColumnWidths() {
    if (columnsPending_ || widthsSaved_) {
        return;
    }
    writeColumnWidths(doc_->settings(), columnsKey_, columnWidths());
    widthsSaved_ = true;
}

void CTessaryListView::layOutColumns() {
    if (!columnsPending_) {
        return;
    }
    fw::CWaitCursor wait;
    applyColumnWidths(
        readColumnWidths(doc_->settings(), columnsKey_, static_cast<std::size_t>(columnCount_)));
    columnsPending_ = false;
}

int CTessaryListView::rowCount() const {
    return model() != nullptr ? model()->rowCount() : 0;
}

bool CTessaryListView::onUpdateCommand(fw::CCmdUI& ui) {
    for (const SortCommand& sort : sortCommands_) {
        if (sort.command == ui.id()) {
            ui.enable(true);
            return true;
        }
    }
    return onUpdateListCommand(ui);
}

bool CTessaryListView::onCommand(int id) {
    for (const SortCommand& sort : sortCommands_) {
        if (sort.command == id) {
            sortBy(sort.sortItem, true);
            return true;
        }
    }
    return onListCommand(id);
}

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
