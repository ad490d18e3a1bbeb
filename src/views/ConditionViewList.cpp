// The display-filter and item-order commands of the order-status list.
#include "views/ConditionView.h"

namespace tessary {

bool CConditionView::updateListCommand(fw::CCmdUI& ui) {
    (void)ui;
    return false;
}

bool CConditionView::runListCommand(int id) {
    (void)id;
    return false;
}

} // namespace tessary
