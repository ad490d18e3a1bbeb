// The deed list (ディード一覧): the right-hand pane of the main window listing, one row per deed,
// the deeds of the category-tree node that pass the deed filter, sorted by one of seven sort items
// or by the user's item order. The sort state belongs to the document.
#pragma once

#include "views/DeedListModel.h"
#include "views/RecordListView.h"

namespace tessary {

struct Deed;
struct DeedRecords;

class CDeedView : public CRecordListView<DeedListModel, DeedRecords> {
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

extern template class CRecordListView<DeedListModel, DeedRecords>;

} // namespace tessary
