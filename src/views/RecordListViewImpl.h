// The member definitions of CRecordListView, included by the one source file of each list kind,
// which builds the template for its kind there.
#pragma once

#include "views/RecordListView.h"

#include "data/DeedSortKey.h"
#include "data/Filters.h"
#include "data/RowSort.h"
#include "dialogs/FilterDialog.h"
#include "dialogs/ItemOrderDialog.h"
#include "document/TessaryDoc.h"
#include "framework/CmdUI.h"
#include "framework/WaitCursor.h"
#include "platform/ProfileFile.h"
#include "resources/CommandIds.h"

#include <memory>
#include <string>

namespace tessary {
namespace record_list {

// The document holds some records by pointer and some by value.
template <class Record>
const Record& recordOf(const std::unique_ptr<Record>& held) {
    return *held;
}
template <class Record>
const Record& recordOf(const Record& held) {
    return held;
}

} // namespace record_list

template <class Model, class Kind>
CRecordListView<Model, Kind>::CRecordListView(CTessaryDoc* doc, QWidget* parent,
                                              const settings::TextKey& columnsKey,
                                              std::span<const SortCommand> sortCommands)
    : CTessaryListView(DrawMode::Records, doc, parent, columnsKey, Model::kColumnCount,
                       sortCommands),
      model_(new Model(this)) {
    model_->setCatalogue(&doc->catalogue());
    setModel(model_);
}

template <class Model, class Kind>
void CRecordListView<Model, Kind>::onInitialUpdate() {
    if (columnsPending()) {
        model_->clear();
        layOutColumns();
    }
    recount();
    DeedDocument& data = doc()->data();
    (data.*Kind::kClearFilter)();
    if (data.rebuildPending()) {
        // The contents were replaced: the rows point to records that are gone. The tree selects
        // again, and its selection lists the rows anew.
        model_->clear();
        askForReselect();
    }
}

template <class Model, class Kind>
void CRecordListView<Model, Kind>::onUpdate(fw::CView* /*sender*/, int value) {
    switch (static_cast<UpdateHint>(value)) {
    case kHintAppended:
    case kHintDownloaded:
        recount();
        relist();
        break;
    case kHintSelectionChanged:
    case kHintFilterChanged:
    case kHintListSwitched:
        relist();
        break;
    case kHintNamesChanged:
        model_->clear();
        askForReselect();
        break;
    case kHintReselect:
        break;
    }
}

template <class Model, class Kind>
void CRecordListView<Model, Kind>::relist() {
    fw::CWaitCursor wait;
    model_->clear();
    const DeedDocument& data = doc()->data();
    const CatalogueEntry* node = data.selectedEntry();
    if (node == nullptr) {
        return;
    }
    std::vector<const Record*> rows;
    for (const auto& held : (data.*Kind::kRecords)()) {
        const Record& record = record_list::recordOf(held);
        if (isInNode(node, record.group(), record.category()) &&
            Kind::kPasses((data.*Kind::kFilter)(), record)) {
            rows.push_back(&record);
        }
    }
    sortInto(rows, (data.*Kind::kSortState)().sortItem, false);
    model_->setRows(std::move(rows));
}

template <class Model, class Kind>
void CRecordListView<Model, Kind>::sortInto(std::vector<const Record*>& rows, int sortItem,
                                            bool toggle) {
    int item = -1;
    bool descending = false;
    std::string order;
    if (sortItem >= 0) {
        const ProfileFile& profile = doc()->settings();
        const SortState& state = (doc()->data().*Kind::kChooseSort)(
            sortItem, toggle, [&profile] { return settings::read(profile, Kind::kOrderKey); });
        item = state.sortItem;
        descending = state.sortDescending;
        order = state.sortOrder;
    }
    sortRowsByKey(
        rows,
        [item, &order](const Record* record, std::string& out) {
            Kind::appendSortKey(out, *record, item, order);
        },
        descending);
}

template <class Model, class Kind>
void CRecordListView<Model, Kind>::sortBy(int sortItem, bool toggle) {
    if (!Kind::sortsBy(sortItem)) {
        return;
    }
    fw::CWaitCursor wait;
    model_->reorder([this, sortItem, toggle](std::vector<const Record*>& rows) {
        sortInto(rows, sortItem, toggle);
    });
}

template <class Model, class Kind>
bool CRecordListView<Model, Kind>::updateFilterCommand(fw::CCmdUI& ui) {
    switch (ui.id()) {
    case cmd::FilterSet:
    case cmd::SortItemOrder:
        ui.enable(true);
        return true;
    case cmd::FilterClear:
        ui.enable((doc()->data().*Kind::kIsFilterSet)());
        return true;
    default:
        return false;
    }
}

template <class Model, class Kind>
bool CRecordListView<Model, Kind>::editFilter() {
    DeedDocument& data = doc()->data();
    CFilterDialog dialog(this, doc()->catalogue(), data.selectedEntry(), Kind::kFilterMode);
    (dialog.*Kind::kSetDialogFilter)((data.*Kind::kFilter)());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    (data.*Kind::kSetFilter)((dialog.*Kind::kDialogFilter)());
    return true;
}

template <class Model, class Kind>
bool CRecordListView<Model, Kind>::runFilterCommand(int id) {
    DeedDocument& data = doc()->data();
    switch (id) {
    case cmd::FilterSet:
        // The filter narrows the rows of a tree node; without one there is nothing to narrow.
        if (data.selectedEntry() != nullptr && editFilter()) {
            fw::CWaitCursor wait;
            doc()->updateAllViews(nullptr, kHintFilterChanged);
        }
        return true;
    case cmd::FilterClear:
        (data.*Kind::kClearFilter)();
        doc()->updateAllViews(nullptr, kHintFilterChanged);
        return true;
    case cmd::SortItemOrder: {
        CItemOrderDialog dialog(this, doc()->settings(), Kind::kItemOrder);
        if (dialog.exec() == QDialog::Accepted) {
            sortBy(kSortByItemOrder, true);
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace tessary
