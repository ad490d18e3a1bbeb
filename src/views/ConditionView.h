// The order-status list (受注状況一覧): one row per possible large order of the category-tree
// node, narrowed by the order-status filter, showing how many of its slots are still open and
// which are filled. Sorts by five items or by the user's item order; the sort state belongs to
// the document.
#pragma once

#include "views/TessaryListView.h"

#include <vector>

namespace tessary {

class ConditionListModel;
struct ConditionRow;

class CConditionView : public CTessaryListView {
    Q_OBJECT
public:
    // `doc` must outlive the view; the caller attaches the view to it.
    explicit CConditionView(CTessaryDoc* doc, QWidget* parent = nullptr);
    // Saves the column widths.
    ~CConditionView() override;

    void onInitialUpdate() override;
    void onUpdate(fw::CView* sender, int hint) override;

    // Sorts the rows by `sortItem` (0 category, 1 material, 2 quality, 3 quantity, 4 remaining,
    // 99 item order); choosing the current item again with `toggle` reverses the direction. Items
    // from 5 (other than 99) are ignored; a negative item sorts in category order, ascending,
    // without changing the document's sort state.
    void sortRows(int sortItem, bool toggle);
    void sortBy(int sortItem, bool toggle) override { sortRows(sortItem, toggle); }

    // The order-status rows shown, in list order.
    const std::vector<const ConditionRow*>& rows() const;
    // Forgets every row (before the document's order-status rows are rebuilt under the list).
    void clearRows();
    void onContentsReleasing() override { clearRows(); }

    ConditionListModel* listModel() const { return model_; }

protected:
    bool onUpdateListCommand(fw::CCmdUI& ui) override;
    bool onListCommand(int id) override;
    int popupIndex() const override { return 1; }

private:
    // --- display filter and item order commands (ConditionViewList.cpp) ------------------------
    bool updateListCommand(fw::CCmdUI& ui);
    bool runListCommand(int id);
    // --- end of display filter and item order commands -----------------------------------------

    // --- detail command (ConditionViewDetail.cpp) ----------------------------------------------
    bool updateDetailCommand(fw::CCmdUI& ui);
    bool runDetailCommand(int id);
    // --- end of detail command -----------------------------------------------------------------

    // Lists the rows of the tree node that pass the order-status filter, then sorts them.
    void relist();
    // Counts the document's deeds into fresh order-status rows.
    void buildRows();

    ConditionListModel* model_;
};

} // namespace tessary
