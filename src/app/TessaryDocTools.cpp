// The tool commands the document handles.
#include "app/TessaryDoc.h"

#include "data/ItemOrder.h"
#include "dialogs/ItemOrderDialog.h"
#include "resources/CommandIds.h"

namespace tessary {

bool CTessaryDoc::updateToolCommand(fw::CCmdUI& ui) {
    if (ui.id() == cmd::SimpleTextOrder) {
        ui.enable(true);
        return true;
    }
    return false;
}

bool CTessaryDoc::runToolCommand(int id) {
    if (id == cmd::SimpleTextOrder) {
        // The next simple text reads the stored order; nothing else changes.
        CItemOrderDialog dialog(dialogParent(), settings_, kItemOrderSimpleText);
        dialog.exec();
        return true;
    }
    return false;
}

} // namespace tessary
