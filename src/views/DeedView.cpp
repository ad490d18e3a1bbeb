#include "views/DeedView.h"

#include "data/DeedSortKey.h"
#include "dialogs/FilterDialog.h"
#include "views/RecordListViewImpl.h"

#include <QItemSelectionModel>

namespace tessary {

template class CRecordListView<DeedRecords>;

namespace {

// The sort commands of the deed list (種類順 to 登録番号順).
constexpr SortCommand kSortCommands[] = {
    {cmd::SortType, kSortByType},         {cmd::SortMaterial, kSortByMaterial},
    {cmd::SortQuality, kSortByQuality},   {cmd::SortQuantity, kSortByQuantity},
    {cmd::SortCombined, kSortByCombined}, {cmd::SortComment, kSortByComment},
    {cmd::SortSerial, kSortBySerial},
};

} // namespace

const std::vector<std::unique_ptr<Deed>>& DeedRecords::records(const DeedDocument& data) {
    return data.deeds();
}

bool DeedRecords::passesFilter(const DeedDocument& data, const Deed& deed) {
    return passesDeedFilter(data.deedFilter(), deed);
}

bool DeedRecords::isFilterSet(const DeedDocument& data) {
    return data.isDeedFilterSet();
}

void DeedRecords::clearFilter(DeedDocument& data) {
    data.clearDeedFilter();
}

bool DeedRecords::editFilter(QWidget* parent, CTessaryDoc& doc) {
    DeedDocument& data = doc.data();
    CFilterDialog dialog(parent, doc.catalogue(), data.selectedEntry(),
                         CFilterDialog::Mode::DeedList);
    dialog.setDeedFilter(data.deedFilter());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    data.setDeedFilter(dialog.deedFilter());
    return true;
}

const SortState& DeedRecords::sortState(const DeedDocument& data) {
    return data.deedSort();
}

const SortState& DeedRecords::chooseSort(DeedDocument& data, int sortItem, bool toggle,
                                         const std::function<std::string()>& loadOrder) {
    return data.chooseDeedSort(sortItem, toggle, loadOrder);
}

void DeedRecords::appendSortKey(std::string& out, const Deed& deed, int sortItem,
                                std::string_view order) {
    tessary::appendSortKey(out, deed, sortItem, order);
}

CDeedView::CDeedView(CTessaryDoc* doc, QWidget* parent)
    : CRecordListView(doc, parent, settings::kDeedViewColumns, kSortCommands) {}

CDeedView::~CDeedView() = default;

bool CDeedView::onUpdateListCommand(fw::CCmdUI& ui) {
    return updateEditCommand(ui) || updateFilterCommand(ui) || updateTextCommand(ui);
}

bool CDeedView::onListCommand(int id) {
    return runEditCommand(id) || runFilterCommand(id) || runTextCommand(id);
}

const Deed* CDeedView::selectedDeed() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? nullptr : model_->deedAt(selected.first().row());
}

} // namespace tessary
