#include "views/ConditionView.h"

#include "data/DeedSortKey.h"
#include "dialogs/FilterDialog.h"
#include "resources/Messages.h"
#include "status/ConditionRows.h"
#include "views/RecordListViewImpl.h"

namespace tessary {

template class CRecordListView<ConditionRecords>;

namespace {

// Sort items from this one up (the slot columns) sort nothing, except the item order 99.
constexpr int kFirstIgnoredSortItem = 5;

// The sort commands of the order-status list (カテゴリ順 to 残数順).
constexpr SortCommand kSortCommands[] = {
    {cmd::SortCategory, 0}, {cmd::SortMaterial, 1},  {cmd::SortQuality, 2},
    {cmd::SortQuantity, 3}, {cmd::SortRemaining, 4},
};

} // namespace

const std::vector<ConditionRow>& ConditionRecords::records(const DeedDocument& data) {
    return data.conditionRows();
}

bool ConditionRecords::passesFilter(const DeedDocument& data, const ConditionRow& row) {
    return passesConditionFilter(data.conditionFilter(), row);
}

bool ConditionRecords::isFilterSet(const DeedDocument& data) {
    return data.isConditionFilterSet();
}

void ConditionRecords::clearFilter(DeedDocument& data) {
    data.clearConditionFilter();
}

bool ConditionRecords::editFilter(QWidget* parent, CTessaryDoc& doc) {
    DeedDocument& data = doc.data();
    CFilterDialog dialog(parent, doc.catalogue(), data.selectedEntry(),
                         CFilterDialog::Mode::ConditionList);
    dialog.setConditionFilter(data.conditionFilter());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    data.setConditionFilter(dialog.conditionFilter());
    return true;
}

bool ConditionRecords::sortsBy(int sortItem) {
    return sortItem < kFirstIgnoredSortItem || sortItem == kSortByItemOrder;
}

const SortState& ConditionRecords::sortState(const DeedDocument& data) {
    return data.conditionSort();
}

const SortState& ConditionRecords::chooseSort(DeedDocument& data, int sortItem, bool toggle,
                                              const std::function<std::string()>& loadOrder) {
    return data.chooseConditionSort(sortItem, toggle, loadOrder);
}

void ConditionRecords::appendSortKey(std::string& out, const ConditionRow& row, int sortItem,
                                     std::string_view order) {
    row.appendSortKey(out, sortItem, order);
}

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
