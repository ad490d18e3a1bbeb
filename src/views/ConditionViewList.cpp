// The display-filter and item-order commands of the order-status list.
#include "views/ConditionView.h"

#include "data/DeedSortKey.h"
#include "data/ItemOrder.h"
#include "dialogs/FilterDialog.h"
#include "dialogs/ItemOrderDialog.h"
#include "document/TessaryDoc.h"
#include "framework/WaitCursor.h"
#include "resources/CommandIds.h"

namespace tessary {

bool CConditionView::updateListCommand(fw::CCmdUI& ui) {
    switch (ui.id()) {
    case cmd::FilterSet:
    case cmd::SortItemOrder:
        ui.enable(true);
        return true;
    case cmd::FilterClear:
        ui.enable(doc()->data().isConditionFilterSet());
        return true;
    default:
        return false;
    }
}

bool CConditionView::runListCommand(int id) {
    DeedDocument& data = doc()->data();
    switch (id) {
    case cmd::FilterSet: {
        // The filter narrows the rows of a tree node; without one there is nothing to narrow.
        if (data.selectedEntry() == nullptr) {
            return true;
        }
        CFilterDialog dialog(this, doc()->catalogue(), data.selectedEntry(),
                             CFilterDialog::kConditionList);
        dialog.setConditionFilter(data.conditionFilter());
        if (dialog.exec() == QDialog::Accepted) {
            fw::CWaitCursor wait;
            data.setConditionFilter(dialog.conditionFilter());
            doc()->updateAllViews(nullptr, kHintFilterChanged);
        }
        return true;
    }
    case cmd::FilterClear:
        data.clearConditionFilter();
        doc()->updateAllViews(nullptr, kHintFilterChanged);
        return true;
    case cmd::SortItemOrder: {
        CItemOrderDialog dialog(this, doc()->settings(), kItemOrderConditionSort);
        if (dialog.exec() == QDialog::Accepted) {
            sortRows(kSortByItemOrder, true);
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace tessary
