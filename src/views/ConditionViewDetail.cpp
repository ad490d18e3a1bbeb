// The detail command of the order-status list: the detail dialog for each selected row.
#include "views/ConditionView.h"

#include "dialogs/ConditionDetailDialog.h"
#include "document/TessaryDoc.h"
#include "framework/CmdUI.h"
#include "resources/CommandIds.h"
#include "views/ConditionListModel.h"

#include <QItemSelectionModel>

namespace tessary {

bool CConditionView::updateDetailCommand(fw::CCmdUI& ui) {
    if (ui.id() != cmd::Detail) {
        return false;
    }
    const QItemSelectionModel* selection = selectionModel();
    ui.enable(selection != nullptr && !selection->selectedRows().isEmpty());
    return true;
}

bool CConditionView::runDetailCommand(int id) {
    if (id != cmd::Detail) {
        return false;
    }
    if (doc()->selectedEntry() == nullptr) {
        return true;
    }
    // The row count is read afresh for every row, so the walk stays inside the list whatever
    // happens while a dialog runs. The busy cursor is left to the dialog's own filling, so the
    // dialog is not shown under it.
    for (int index = 0; index < model_->rowCount(); ++index) {
        const QItemSelectionModel* selection = selectionModel();
        if (selection == nullptr || !selection->isRowSelected(index, QModelIndex())) {
            continue;
        }
        CConditionDetailDialog dialog(this, doc()->catalogue(), doc()->data().deeds());
        dialog.setRow(rows()[static_cast<std::size_t>(index)]);
        dialog.exec();
    }
    return true;
}

} // namespace tessary
