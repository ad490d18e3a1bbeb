// The deed list (ディード一覧): the right-hand pane of the main window listing, one row per deed,
// the deeds of the category-tree node that pass the deed filter, sorted by one of seven sort items
// or by the user's item order. The sort state belongs to the document.
#pragma once

#include "data/ItemOrder.h"
#include "views/DeedListModel.h"
#include "views/RecordListView.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

class DeedDocument;
struct Deed;
struct SortState;

// What the deed list lists: the document's deeds, narrowed by the deed filter, sorted by the
// seven columns (0 to 6) or the item order (99).
struct DeedRecords {
    using Record = Deed;
    using Model = DeedListModel;
    static constexpr ItemOrderMode kItemOrder = kItemOrderDeedSort;
    static constexpr const settings::TextKey& kOrderKey = settings::kDeedViewSortItem;

    static const std::vector<std::unique_ptr<Deed>>& records(const DeedDocument& data);
    static bool passesFilter(const DeedDocument& data, const Deed& deed);
    static bool isFilterSet(const DeedDocument& data);
    static void clearFilter(DeedDocument& data);
    // Runs the display-filter dialog on the selected node; stores the filter when it is accepted.
    static bool editFilter(QWidget* parent, CTessaryDoc& doc);

    static bool sortsBy(int /*sortItem*/) { return true; }
    static const SortState& sortState(const DeedDocument& data);
    static const SortState& chooseSort(DeedDocument& data, int sortItem, bool toggle,
                                       const std::function<std::string()>& loadOrder);
    static void appendSortKey(std::string& out, const Deed& deed, int sortItem,
                              std::string_view order);
};

class CDeedView : public CRecordListView<DeedRecords> {
    Q_OBJECT
public:
    // `doc` must outlive the view; the caller attaches the view to it.
    explicit CDeedView(CTessaryDoc* doc, QWidget* parent = nullptr);
    // Saves the column widths.
    ~CDeedView() override;

    // The deed of the selected row, or nullptr.
    const Deed* selectedDeed() const;

protected:
    bool onUpdateListCommand(fw::CCmdUI& ui) override;
    bool onListCommand(int id) override;
    int popupIndex() const override { return 0; }

private:
    // --- edit commands: register, update, delete, copy, undo (DeedViewEdit.cpp) ---------------
    bool updateEditCommand(fw::CCmdUI& ui);
    bool runEditCommand(int id);
    void registerCommand();
    void updateCommand();
    void deleteCommand();
    void copyCommand();
    void undoCommand();
    // The index of the selected row, or -1.
    int selectedRow() const;
    // Selects `row`, gives it the focus state and scrolls it into view.
    void selectAndShowRow(int row);
    // --- end of edit commands ------------------------------------------------------------------

    // --- simple text and export commands (DeedViewText.cpp) ------------------------------------
    bool updateTextCommand(fw::CCmdUI& ui);
    bool runTextCommand(int id);
    // Opens the export dialog on the rows as the list shows them.
    void exportCommand();
    // --- end of simple text and export commands ------------------------------------------------
};

extern template class CRecordListView<DeedRecords>;

} // namespace tessary
