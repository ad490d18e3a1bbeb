// The simple-text command of the deed list.
#include "views/DeedView.h"

namespace tessary {

bool CDeedView::updateTextCommand(fw::CCmdUI& ui) {
    (void)ui;
    return false;
}

bool CDeedView::runTextCommand(int id) {
    (void)id;
    return false;
}

} // namespace tessary
