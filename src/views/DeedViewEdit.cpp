// The edit commands of the deed list: register, update, delete, copy and undo. Each changes the
// document through its edit operations (which record the one-step undo) and then mirrors the
// change in the list in place: no rebuild, no re-sort.
#include "views/DeedView.h"

#include "data/Filters.h"
#include "dialogs/DeedEntryDialog.h"
#include "document/TessaryDoc.h"
#include "resources/CommandIds.h"
#include "resources/DeedEditTexts.h"
#include "views/DeedListModel.h"

#include <QItemSelectionModel>

#include <algorithm>
#include <memory>

namespace tessary {
namespace {

QString undoText(EditKind lastEdit) {
    switch (lastEdit) {
    case kEditRegister:
        return msg::undoRegister();
    case kEditUpdate:
        return msg::undoUpdate();
    case kEditDelete:
        return msg::undoDelete();
    case kEditCopy:
        return msg::undoCopy();
    default:
        return msg::undoNothing();
    }
}

} // namespace

bool CDeedView::updateEditCommand(fw::CCmdUI& ui) {
    switch (ui.id()) {
    case cmd::Register:
        ui.enable(true);
        return true;
    case cmd::Update:
    case cmd::Delete:
    case cmd::Copy:
        ui.enable(selectedRow() >= 0);
        return true;
    case cmd::Undo: {
        const EditKind lastEdit = doc()->data().lastEdit();
        ui.enable(lastEdit != kEditNone);
        ui.setText(undoText(lastEdit));
        return true;
    }
    default:
        return false;
    }
}

bool CDeedView::runEditCommand(int id) {
    switch (id) {
    case cmd::Register:
        registerCommand();
        return true;
    case cmd::Update:
        updateCommand();
        return true;
    case cmd::Delete:
        deleteCommand();
        return true;
    case cmd::Copy:
        copyCommand();
        return true;
    case cmd::Undo:
        undoCommand();
        return true;
    default:
        return false;
    }
}

int CDeedView::selectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void CDeedView::selectAndShowRow(int row) {
    const QModelIndex index = model_->index(row, 0);
    if (!index.isValid()) {
        return;
    }
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

void CDeedView::registerCommand() {
    DeedDocument& data = doc()->data();
    const CatalogueEntry* node = data.selectedEntry();
    if (node == nullptr) {
        return;
    }
    CDeedEntryDialog dialog(this, *doc(), node);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const Deed* added = data.registerDeed(std::make_unique<Deed>(dialog.deed()));
    // The dialog kept the node's group (and category), so only the filter is asked.
    if (passesDeedFilter(data.deedFilter(), *added)) {
        selectAndShowRow(model_->appendRow(added));
    }
}

void CDeedView::updateCommand() {
    DeedDocument& data = doc()->data();
    const CatalogueEntry* node = data.selectedEntry();
    const int row = selectedRow();
    if (node == nullptr || row < 0) {
        return;
    }
    CDeedEntryDialog dialog(this, *doc(), node, model_->deedAt(row));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::uint32_t serial = dialog.deed().serialNumber;
    data.updateDeed(dialog.deed());
    // Every deed with the number took the new values; the rows stay where they are even when
    // they no longer match the node or the filter, until the next rebuild.
    const std::vector<const Deed*>& rows = model_->rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i]->serialNumber == serial) {
            model_->refreshRow(static_cast<int>(i));
        }
    }
    scrollTo(model_->index(row, 0));
}

void CDeedView::deleteCommand() {
    DeedDocument& data = doc()->data();
    const int row = selectedRow();
    if (data.selectedEntry() == nullptr || row < 0) {
        return;
    }
    if (!doc()->prompt().confirm(this, msg::confirmDelete())) {
        return;
    }
    const Deed* deed = model_->deedAt(row);
    // The row goes before its deed, so the list never holds a deed that is gone.
    model_->removeRowAt(row);
    data.deleteDeed(deed);
    if (model_->rowCount() == 0) {
        selectionModel()->clear();
        return;
    }
    selectAndShowRow(std::min(row, model_->rowCount() - 1));
}

void CDeedView::copyCommand() {
    DeedDocument& data = doc()->data();
    const int row = selectedRow();
    if (data.selectedEntry() == nullptr || row < 0) {
        return;
    }
    const Deed* added = data.copyDeed(std::make_unique<Deed>(*model_->deedAt(row)));
    selectAndShowRow(model_->appendRow(added));
}

void CDeedView::undoCommand() {
    DeedDocument& data = doc()->data();
    const EditKind kind = data.lastEdit();
    if (kind == kEditNone) {
        return;
    }
    const Deed saved = data.lastEditSnapshot();
    const bool inNode = isInNode(data.selectedEntry(), saved.group(), saved.category());

    switch (kind) {
    case kEditRegister:
    case kEditCopy: {
        // Undo frees the deed that was added last. Its rows go first, while the deed still
        // exists: found by the deed itself, they are right however the list is sorted or
        // filtered, and no other deed's row is touched.
        const Deed* added = data.deeds().empty() ? nullptr : data.deeds().back().get();
        int removedAt = -1;
        for (int row = model_->rowCount() - 1; row >= 0; --row) {
            if (added != nullptr && model_->deedAt(row) == added) {
                model_->removeRowAt(row);
                removedAt = row;
            }
        }
        data.undoLastEdit();
        if (removedAt >= 0 && model_->rowCount() > 0) {
            scrollTo(model_->index(std::min(removedAt, model_->rowCount() - 1), 0));
        }
        break;
    }
    case kEditUpdate: {
        data.undoLastEdit();
        int first = -1;
        const std::vector<const Deed*>& rows = model_->rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i]->serialNumber == saved.serialNumber) {
                model_->refreshRow(static_cast<int>(i));
                if (first < 0) {
                    first = static_cast<int>(i);
                }
            }
        }
        if (inNode && first >= 0) {
            scrollTo(model_->index(first, 0));
        }
        break;
    }
    case kEditDelete: {
        const UndoResult undone = data.undoLastEdit();
        if (undone.restored != nullptr && inNode &&
            passesDeedFilter(data.deedFilter(), *undone.restored)) {
            scrollTo(model_->index(model_->appendRow(undone.restored), 0));
        }
        break;
    }
    default:
        break;
    }
}

} // namespace tessary
