// The edit commands of the deed list: register, update, delete, copy and undo.
#include "views/DeedView.h"

namespace tessary {

bool CDeedView::updateEditCommand(fw::CCmdUI& ui) {
    (void)ui;
    return false;
}

bool CDeedView::runEditCommand(int id) {
    (void)id;
    return false;
}

} // namespace tessary
