// What the deed list and the order-status list do alike: they list the records of the document
// that belong to the tree node and pass the list's display filter, sort them by the list's sort
// state (kept in the document), answer the same update hints, and run the same display-filter
// and item-order commands. `Model` holds the rows; `Kind` says which records, filter and sort
// state of the document the list uses. Both lists define their kind in their own source file,
// which includes the member definitions (RecordListViewImpl.h) and builds the template there.
#pragma once

#include "views/TessaryListView.h"

#include <vector>

namespace tessary {

template <class Model, class Kind>
class CRecordListView : public CTessaryListView {
public:
    using Record = typename Model::RecordType;

    // `doc` must outlive the view; the caller attaches the view to it.
    CRecordListView(CTessaryDoc* doc, QWidget* parent, const settings::TextKey& columnsKey,
                    std::span<const SortCommand> sortCommands);

    void onInitialUpdate() override;
    void onUpdate(fw::CView* sender, int hint) override;
    void onContentsReleasing() override { clearRows(); }

    // Sorts the rows by `sortItem` (a column, or 99 for the item order); choosing the current
    // item again with `toggle` reverses the direction. Items the list cannot sort by are ignored;
    // a negative item sorts by the first column, ascending, without changing the sort state.
    void sortBy(int sortItem, bool toggle) override;

    // The records shown, in list order.
    const std::vector<const Record*>& rows() const { return model_->rows(); }
    // Forgets every row (before the records go away under the list).
    void clearRows() { model_->clear(); }

    Model* listModel() const { return model_; }

protected:
    // The document's records changed as a whole (a file appended or downloaded, or the view
    // first shown): a list that derives its records from the deeds derives them again.
    virtual void recount() {}

    // The display-filter and item-order commands.
    bool updateFilterCommand(fw::CCmdUI& ui);
    bool runFilterCommand(int id);

    Model* model_;

private:
    // Lists the records of the tree node that pass the filter, then sorts them.
    void relist();
    // Runs the display-filter dialog on the selected node; true when it stored a new filter.
    bool editFilter();
    // Applies a sort command to the list's sort state and sorts `rows` accordingly.
    void sortInto(std::vector<const Record*>& rows, int sortItem, bool toggle);
};

} // namespace tessary
