#include "views/DeedView.h"

#include "data/DeedSortKey.h"
#include "data/Filters.h"
#include "document/TessaryDoc.h"
#include "framework/WaitCursor.h"
#include "platform/ProfileFile.h"
#include "resources/CommandIds.h"
#include "views/DeedListModel.h"
#include "widgets/ColumnWidths.h"

#include <QItemSelectionModel>

namespace tessary {
namespace {

// The sort commands of the deed list, in sort item order (種類順 to 登録番号順).
constexpr int kFirstSortCommand = cmd::SortType;
constexpr int kLastSortCommand = cmd::SortSerial;

} // namespace

CDeedView::CDeedView(CTessaryDoc* doc, QWidget* parent)
    : CTessaryListView(kDrawDeeds, doc, parent), model_(new DeedListModel(this)) {
    model_->setCatalogue(&doc->catalogue());
    setModel(model_);
}

CDeedView::~CDeedView() {
    if (!columnsPending_) {
        writeColumnWidths(doc()->settings(), settings::kDeedViewColumns, columnWidths());
    }
}

void CDeedView::onInitialUpdate() {
    DeedDocument& data = doc()->data();
    if (columnsPending_) {
        fw::CWaitCursor wait;
        model_->clear();
        applyColumnWidths(readColumnWidths(doc()->settings(), settings::kDeedViewColumns,
                                           DeedListModel::kColumnCount));
        columnsPending_ = false;
    }
    data.clearDeedFilter();
    if (data.rebuildPending()) {
        // The contents were replaced: the rows point to deeds that are gone. The tree selects
        // again, and its selection rebuilds the list.
        model_->clear();
        askForReselect();
    }
}

void CDeedView::onUpdate(fw::CView* sender, int hint) {
    (void)sender;
    switch (hint) {
    case kHintSelectionChanged:
    case kHintFilterChanged:
    case kHintListSwitched:
    case kHintAppended:
    case kHintDownloaded:
        rebuild();
        break;
    case kHintNamesChanged:
        model_->clear();
        askForReselect();
        break;
    default:
        break;
    }
}

void CDeedView::rebuild() {
    fw::CWaitCursor wait;
    model_->clear();
    const DeedDocument& data = doc()->data();
    const CatalogueEntry* node = data.selectedEntry();
    if (node == nullptr) {
        return;
    }
    std::vector<const Deed*> rows;
    for (const auto& deed : data.deeds()) {
        if (isInNode(node, deed->group(), deed->category()) &&
            passesDeedFilter(data.deedFilter(), *deed)) {
            rows.push_back(deed.get());
        }
    }
    sortInto(rows, data.deedSort().sortItem, false);
    model_->setRows(std::move(rows));
}

void CDeedView::sortInto(std::vector<const Deed*>& rows, int sortItem, bool toggle) {
    if (sortItem < 0) {
        sortDeeds(rows, -1, false, {});
        return;
    }
    const ProfileFile& profile = doc()->settings();
    const SortState& state = doc()->data().chooseDeedSort(sortItem, toggle, [&profile] {
        return settings::read(profile, settings::kDeedViewSortItem);
    });
    sortDeeds(rows, state.sortItem, state.sortDescending, state.sortOrder);
}

void CDeedView::sort(int sortItem, bool toggle) {
    fw::CWaitCursor wait;
    model_->reorder([this, sortItem, toggle](std::vector<const Deed*>& rows) {
        sortInto(rows, sortItem, toggle);
    });
}

void CDeedView::onColumnClicked(int column) {
    sort(column, true);
}

bool CDeedView::onUpdateCommand(fw::CCmdUI& ui) {
    if (ui.id() >= kFirstSortCommand && ui.id() <= kLastSortCommand) {
        ui.enable(true);
        return true;
    }
    return updateEditCommand(ui) || updateListCommand(ui) || updateTextCommand(ui);
}

bool CDeedView::onCommand(int id) {
    if (id >= kFirstSortCommand && id <= kLastSortCommand) {
        sort(id - kFirstSortCommand, true);
        return true;
    }
    return runEditCommand(id) || runListCommand(id) || runTextCommand(id);
}

int CDeedView::rowCount() const {
    return model_->rowCount();
}

const std::vector<const Deed*>& CDeedView::rows() const {
    return model_->rows();
}

const Deed* CDeedView::selectedDeed() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? nullptr : model_->deedAt(selected.first().row());
}

void CDeedView::clearRows() {
    model_->clear();
}

} // namespace tessary
