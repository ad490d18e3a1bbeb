#include "views/ConditionView.h"

#include "data/RowSort.h"

#include "data/DeedSortKey.h"
#include "data/Filters.h"
#include "document/TessaryDoc.h"
#include "framework/WaitCursor.h"
#include "platform/ProfileFile.h"
#include "resources/CommandIds.h"
#include "resources/Messages.h"
#include "status/ConditionRows.h"
#include "views/ConditionListModel.h"
#include "widgets/ColumnWidths.h"

namespace tessary {
namespace {

// Sort items from this one up (the slot columns) sort nothing, except the item order 99.
constexpr int kFirstIgnoredSortItem = 5;

// The sort commands of the order-status list (カテゴリ順 to 残数順).
constexpr SortCommand kSortCommands[] = {
    {cmd::SortCategory, 0}, {cmd::SortMaterial, 1},  {cmd::SortQuality, 2},
    {cmd::SortQuantity, 3}, {cmd::SortRemaining, 4},
};

} // namespace

CConditionView::CConditionView(CTessaryDoc* doc, QWidget* parent)
    : CTessaryListView(DrawMode::Records, doc, parent, settings::kConditionViewColumns,
                       ConditionListModel::kColumnCount, kSortCommands),
      model_(new ConditionListModel(this)) {
    model_->setCatalogue(&doc->catalogue());
    setModel(model_);
}

CConditionView::~CConditionView() = default;

void CConditionView::onInitialUpdate() {
    layOutColumns();
    buildRows();
    DeedDocument& data = doc()->data();
    data.clearConditionFilter();
    if (data.rebuildPending()) {
        // The contents were replaced: the tree selects again, and its selection re-lists us.
        askForReselect();
    }
}

void CConditionView::buildRows() {
    fw::CWaitCursor wait;
    // The rows the list points to are about to be replaced.
    model_->clear();
    DeedDocument& data = doc()->data();
    data.buildConditionRows();
    // A catalogue too large to walk gives no rows; the user learns why once.
    if (!doc()->toldCatalogueTooLarge && catalogueTooLargeForOrderStatus(data.catalogue())) {
        doc()->toldCatalogueTooLarge = true;
        doc()->prompt().warn(this, msg::catalogueTooLargeForOrderStatus());
    }
}

void CConditionView::onUpdate(fw::CView* /*sender*/, int hint) {
    switch (hint) {
    case kHintAppended:
    case kHintDownloaded:
        // The deeds changed: count them again before listing.
        buildRows();
        relist();
        break;
    case kHintSelectionChanged:
    case kHintFilterChanged:
    case kHintListSwitched:
        relist();
        break;
    case kHintNamesChanged:
        model_->clear();
        askForReselect();
        break;
    default:
        break;
    }
}

void CConditionView::relist() {
    fw::CWaitCursor wait;
    model_->clear();
    const DeedDocument& data = doc()->data();
    if (data.selectedEntry() == nullptr) {
        return;
    }
    std::vector<const ConditionRow*> rows;
    for (const ConditionRow& row : data.conditionRows()) {
        if (isInNode(data.selectedEntry(), row.group(), row.category()) &&
            passesConditionFilter(data.conditionFilter(), row)) {
            rows.push_back(&row);
        }
    }
    model_->setRows(std::move(rows));
    sortRows(data.conditionSort().sortItem, false);
}

void CConditionView::sortRows(int sortItem, bool toggle) {
    if (sortItem >= kFirstIgnoredSortItem && sortItem != kSortByItemOrder) {
        return;
    }
    fw::CWaitCursor wait;
    int item = -1;
    bool descending = false;
    std::string order;
    if (sortItem >= 0) {
        const ProfileFile& profile = doc()->settings();
        const SortState& state = doc()->data().chooseConditionSort(sortItem, toggle, [&profile] {
            return settings::read(profile, settings::kConditionViewSortItem);
        });
        item = state.sortItem;
        descending = state.sortDescending;
        order = state.sortOrder;
    }
    model_->reorder([item, descending, &order](std::vector<const ConditionRow*>& rows) {
        sortRowsByKey(
            rows,
            [item, &order](const ConditionRow* row, std::string& out) {
                row->appendSortKey(out, item, order);
            },
            descending);
    });
}

bool CConditionView::onUpdateListCommand(fw::CCmdUI& ui) {
    return updateListCommand(ui) || updateDetailCommand(ui);
}

bool CConditionView::onListCommand(int id) {
    return runListCommand(id) || runDetailCommand(id);
}

const std::vector<const ConditionRow*>& CConditionView::rows() const {
    return model_->rows();
}

void CConditionView::clearRows() {
    model_->clear();
}

} // namespace tessary
