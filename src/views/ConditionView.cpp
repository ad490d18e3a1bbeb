#include "views/ConditionView.h"

#include "data/DeedSortKey.h"
#include "data/ItemOrder.h"
#include "resources/Messages.h"
#include "status/ConditionRows.h"
#include "views/RecordListViewImpl.h"

namespace tessary {

// What the order-status list lists: the document's order-status rows, narrowed by the
// order-status filter, sorted by category, material, quality, quantity or remaining count (0 to 4)
// or the item order (99).
struct ConditionRecords {
    static constexpr auto kRecords = &DeedDocument::conditionRows;
    static constexpr auto kFilter = &DeedDocument::conditionFilter;
    static constexpr auto kSetFilter = &DeedDocument::setConditionFilter;
    static constexpr auto kClearFilter = &DeedDocument::clearConditionFilter;
    static constexpr auto kIsFilterSet = &DeedDocument::isConditionFilterSet;
    static constexpr auto kPasses = &passesConditionFilter;
    static constexpr auto kSetDialogFilter = &CFilterDialog::setConditionFilter;
    static constexpr auto kDialogFilter = &CFilterDialog::conditionFilter;
    static constexpr CFilterDialog::Mode kFilterMode = CFilterDialog::Mode::ConditionList;
    static constexpr auto kSortState = &DeedDocument::conditionSort;
    static constexpr auto kChooseSort = &DeedDocument::chooseConditionSort;
    static constexpr const settings::TextKey& kOrderKey = settings::kConditionViewSortItem;
    static constexpr ItemOrderMode kItemOrder = kItemOrderConditionSort;

    // Sort items from this one up (the slot columns) sort nothing, except the item order 99.
    static constexpr int kFirstIgnoredSortItem = 5;
    static bool sortsBy(int sortItem) {
        return sortItem < kFirstIgnoredSortItem || sortItem == kSortByItemOrder;
    }
    static void appendSortKey(std::string& out, const ConditionRow& row, int sortItem,
                              std::string_view order) {
        row.appendSortKey(out, sortItem, order);
    }
};

template class CRecordListView<ConditionListModel, ConditionRecords>;

namespace {

// The sort commands of the order-status list (カテゴリ順 to 残数順).
constexpr SortCommand kSortCommands[] = {
    {cmd::SortCategory, 0}, {cmd::SortMaterial, 1},  {cmd::SortQuality, 2},
    {cmd::SortQuantity, 3}, {cmd::SortRemaining, 4},
};

} // namespace

CConditionView::CConditionView(CTessaryDoc* doc, QWidget* parent)
    : CRecordListView(doc, parent, settings::kConditionViewColumns, kSortCommands) {}

CConditionView::~CConditionView() = default;

void CConditionView::recount() {
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

bool CConditionView::onUpdateListCommand(fw::CCmdUI& ui) {
    return updateFilterCommand(ui) || updateDetailCommand(ui);
}

bool CConditionView::onListCommand(int id) {
    return runFilterCommand(id) || runDetailCommand(id);
}

} // namespace tessary
