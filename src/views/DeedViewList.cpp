// The display-filter and item-order commands of the deed list.
#include "views/DeedView.h"

#include "data/DeedSortKey.h"
#include "data/ItemOrder.h"
#include "dialogs/FilterDialog.h"
#include "dialogs/ItemOrderDialog.h"
#include "document/TessaryDoc.h"
#include "framework/WaitCursor.h"
#include "resources/CommandIds.h"

namespace tessary {

bool CDeedView::updateListCommand(fw::CCmdUI& ui) {
    switch (ui.id()) {
    case cmd::FilterSet:
    case cmd::SortItemOrder:
        ui.enable(true);
        return true;
    case cmd::FilterClear:
        ui.enable(doc()->data().isDeedFilterSet());
        return true;
    default:
        return false;
    }
}

bool CDeedView::runListCommand(int id) {
    DeedDocument& data = doc()->data();
    switch (id) {
    case cmd::FilterSet: {
        // The filter narrows the deeds of a tree node; without one there is nothing to narrow.
        if (data.selectedEntry() == nullptr) {
            return true;
        }
        CFilterDialog dialog(this, doc()->catalogue(), data.selectedEntry(),
                             CFilterDialog::kDeedList);
        dialog.setDeedFilter(data.deedFilter());
        if (dialog.exec() == QDialog::Accepted) {
            fw::CWaitCursor wait;
            data.setDeedFilter(dialog.deedFilter());
            doc()->updateAllViews(nullptr, kHintFilterChanged);
        }
        return true;
    }
    case cmd::FilterClear:
        data.clearDeedFilter();
        doc()->updateAllViews(nullptr, kHintFilterChanged);
        return true;
    case cmd::SortItemOrder: {
        CItemOrderDialog dialog(this, doc()->settings(), kItemOrderDeedSort);
        if (dialog.exec() == QDialog::Accepted) {
            sort(kSortByItemOrder, true);
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace tessary
