#include "views/DeedView.h"

#include "data/DeedSortKey.h"
#include "data/ItemOrder.h"
#include "views/RecordListViewImpl.h"

#include <QItemSelectionModel>

namespace tessary {

// What the deed list lists: the document's deeds, narrowed by the deed filter, sorted by the
// seven columns (0 to 6) or the item order (99).
struct DeedRecords {
    static constexpr auto kRecords = &DeedDocument::deeds;
    static constexpr auto kFilter = &DeedDocument::deedFilter;
    static constexpr auto kSetFilter = &DeedDocument::setDeedFilter;
    static constexpr auto kClearFilter = &DeedDocument::clearDeedFilter;
    static constexpr auto kIsFilterSet = &DeedDocument::isDeedFilterSet;
    static constexpr auto kPasses = &passesDeedFilter;
    static constexpr auto kSetDialogFilter = &CFilterDialog::setDeedFilter;
    static constexpr auto kDialogFilter = &CFilterDialog::deedFilter;
    static constexpr CFilterDialog::Mode kFilterMode = CFilterDialog::Mode::DeedList;
    static constexpr auto kSortState = &DeedDocument::deedSort;
    static constexpr auto kChooseSort = &DeedDocument::chooseDeedSort;
    static constexpr const settings::TextKey& kOrderKey = settings::kDeedViewSortItem;
    static constexpr ItemOrderMode kItemOrder = kItemOrderDeedSort;

    static bool sortsBy(int /*sortItem*/) { return true; }
    static void appendSortKey(std::string& out, const Deed& deed, int sortItem,
                              std::string_view order) {
        tessary::appendSortKey(out, deed, sortItem, order);
    }
};

template class CRecordListView<DeedListModel, DeedRecords>;

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
