// The order-status list (受注状況一覧): one row per possible large order of the category-tree
// node, narrowed by the order-status filter, showing how many of its slots are still open and
// which are filled. Sorts by five items or by the user's item order; the sort state belongs to
// the document.
#pragma once

#include "views/ConditionListModel.h"
#include "views/RecordListView.h"

namespace tessary {

struct ConditionRecords;

class CConditionView : public CRecordListView<ConditionListModel, ConditionRecords> {
    Q_OBJECT
public:
    // `doc` must outlive the view; the caller attaches the view to it.
    explicit CConditionView(CTessaryDoc* doc, QWidget* parent = nullptr);
    // Saves the column widths.
    ~CConditionView() override;

protected:
    bool onUpdateListCommand(fw::CCmdUI& ui) override;
    bool onListCommand(int id) override;
    int popupIndex() const override { return 1; }

private:
    // --- detail command (ConditionViewDetail.cpp) ----------------------------------------------
    bool updateDetailCommand(fw::CCmdUI& ui);
    bool runDetailCommand(int id);
    // --- end of detail command -----------------------------------------------------------------

    // Counts the document's deeds into fresh order-status rows.
    void recount() override;
};

extern template class CRecordListView<ConditionListModel, ConditionRecords>;

} // namespace tessary
