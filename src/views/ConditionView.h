// The order-status list (受注状況一覧): one row per possible large order of the category-tree
// node, narrowed by the order-status filter, showing how many of its slots are still open and
// which are filled. Sorts by five items or by the user's item order; the sort state belongs to
// the document.
#pragma once

#include "data/ItemOrder.h"
#include "views/ConditionListModel.h"
#include "views/RecordListView.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

class DeedDocument;
struct ConditionRow;
struct SortState;

// What the order-status list lists: the document's order-status rows, narrowed by the
// order-status filter, sorted by category, material, quality, quantity or remaining count (0 to 4)
// or the item order (99). The slot columns sort nothing.
struct ConditionRecords {
    using Record = ConditionRow;
    using Model = ConditionListModel;
    static constexpr ItemOrderMode kItemOrder = kItemOrderConditionSort;
    static constexpr const settings::TextKey& kOrderKey = settings::kConditionViewSortItem;

    static const std::vector<ConditionRow>& records(const DeedDocument& data);
    static bool passesFilter(const DeedDocument& data, const ConditionRow& row);
    static bool isFilterSet(const DeedDocument& data);
    static void clearFilter(DeedDocument& data);
    // Runs the display-filter dialog on the selected node; stores the filter when it is accepted.
    static bool editFilter(QWidget* parent, CTessaryDoc& doc);

    static bool sortsBy(int sortItem);
    static const SortState& sortState(const DeedDocument& data);
    static const SortState& chooseSort(DeedDocument& data, int sortItem, bool toggle,
                                       const std::function<std::string()>& loadOrder);
    static void appendSortKey(std::string& out, const ConditionRow& row, int sortItem,
                              std::string_view order);
};

class CConditionView : public CRecordListView<ConditionRecords> {
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

extern template class CRecordListView<ConditionRecords>;

} // namespace tessary
