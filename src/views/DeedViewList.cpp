// The display-filter and item-order commands of the deed list.
#include "views/DeedView.h"

namespace tessary {

bool CDeedView::updateListCommand(fw::CCmdUI& ui) {
    (void)ui;
    return false;
}

bool CDeedView::runListCommand(int id) {
    (void)id;
    return false;
}

} // namespace tessary
