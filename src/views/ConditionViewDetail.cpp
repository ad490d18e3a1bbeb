// The detail command of the order-status list.
#include "views/ConditionView.h"

namespace tessary {

bool CConditionView::updateDetailCommand(fw::CCmdUI& ui) {
    (void)ui;
    return false;
}

bool CConditionView::runDetailCommand(int id) {
    (void)id;
    return false;
}

} // namespace tessary
