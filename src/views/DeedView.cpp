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

// The sort commands of the deed list (種類順 to 登録番号順).
constexpr SortCommand kSortCommands[] = {
    {cmd::SortType, kSortByType},         {cmd::SortMaterial, kSortByMaterial},
    {cmd::SortQuality, kSortByQuality},   {cmd::SortQuantity, kSortByQuantity},
    {cmd::SortCombined, kSortByCombined}, {cmd::SortComment, kSortByComment},
    {cmd::SortSerial, kSortBySerial},
};

} // namespace

CDeedView::CDeedView(CTessaryDoc* doc, QWidget* parent)
    : CTessaryListView(DrawMode::Records, doc, parent, settings::kDeedViewColumns,
                       DeedListModel::kColumnCount, kSortCommands),
      model_(new DeedListModel(this)) {
    model_->setCatalogue(&doc->catalogue());
    setModel(model_);
}

CDeedView::~CDeedView() = default;

void CDeedView::onInitialUpdate() {
    DeedDocument& data = doc()->data();
    if (columnsPending()) {
        model_->clear();
        layOutColumns();
    }
    data.clearDeedFilter();
    if (data.rebuildPending()) {
        // The contents were replaced: the rows point to deeds that are gone. The tree selects
        // again, and its selection rebuilds the list.
        model_->clear();
        askForReselect();
    }
}

void CDeedView::onUpdate(fw::CView* /*sender*/, int hint) {
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

bool CDeedView::onUpdateListCommand(fw::CCmdUI& ui) {
    return updateEditCommand(ui) || updateListCommand(ui) || updateTextCommand(ui);
}

bool CDeedView::onListCommand(int id) {
    return runEditCommand(id) || runListCommand(id) || runTextCommand(id);
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
