// The tool commands the document handles.
#include "app/TessaryDoc.h"

namespace tessary {

bool CTessaryDoc::updateToolCommand(fw::CCmdUI& ui) {
    (void)ui;
    return false;
}

bool CTessaryDoc::runToolCommand(int id) {
    (void)id;
    return false;
}

} // namespace tessary
