// The deed list (ディード一覧): the right-hand pane of the main window listing, one row per deed,
// the deeds of the category-tree node that pass the deed filter, sorted by one of seven sort items
// or by the user's item order. The sort state belongs to the document.
#pragma once

#include "views/TessaryListView.h"

#include <vector>

namespace tessary {

class DeedListModel;
struct Deed;

class CDeedView : public CTessaryListView {
    Q_OBJECT
public:
    // `doc` must outlive the view; the caller attaches the view to it.
    explicit CDeedView(CTessaryDoc* doc, QWidget* parent = nullptr);
    // Saves the column widths.
    ~CDeedView() override;

    void onInitialUpdate() override;
    void onUpdate(fw::CView* sender, int hint) override;

    // Sorts the rows by `sortItem` (0 to 6, or 99 for the item order); choosing the current item
    // again with `toggle` reverses the direction. A negative item sorts as item 0, ascending,
    // without changing the document's sort state.
    void sort(int sortItem, bool toggle);
    void sortBy(int sortItem, bool toggle) override { sort(sortItem, toggle); }

    // The deeds shown, in list order.
    const std::vector<const Deed*>& rows() const;
    // The deed of the selected row, or nullptr.
    const Deed* selectedDeed() const;
    // Forgets every row (before the document's deeds go away under the list).
    void clearRows();
    void onContentsReleasing() override { clearRows(); }

    DeedListModel* listModel() const { return model_; }

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

    // --- display filter and item order commands (DeedViewList.cpp) -----------------------------
    bool updateListCommand(fw::CCmdUI& ui);
    bool runListCommand(int id);
    // --- end of display filter and item order commands -----------------------------------------

    // --- simple text and export commands (DeedViewText.cpp) ------------------------------------
    bool updateTextCommand(fw::CCmdUI& ui);
    bool runTextCommand(int id);
    // Opens the export dialog on the rows as the list shows them.
    void exportCommand();
    // --- end of simple text and export commands ------------------------------------------------

    // Lists the deeds of the tree node that pass the deed filter, then sorts them.
    void rebuild();
    // Chooses the sort item in the document's state and sorts `rows` accordingly.
    void sortInto(std::vector<const Deed*>& rows, int sortItem, bool toggle);

    DeedListModel* model_;
};

} // namespace tessary
