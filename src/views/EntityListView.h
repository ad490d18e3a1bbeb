// The list of the type list window (種類一覧): every item type of the catalogue with the names of
// its category and group, as currently named, kept in ascending order of the type name. Only a
// change of names refills it; the deed file's contents do not matter to it.
#pragma once

#include "views/TessaryListView.h"

namespace tessary {

class CEntityListModel;

class CEntityListView : public CTessaryListView {
    Q_OBJECT
public:
    // `doc` must outlive the view; the caller attaches the view to it.
    explicit CEntityListView(CTessaryDoc* doc, QWidget* parent = nullptr);
    ~CEntityListView() override;

    // Reads the column widths and fills the list (once, when the window opens).
    void onInitialUpdate() override;
    // Names changed: the rows are filled again (the columns stay). Every other hint is ignored.
    void onUpdate(fw::CView* sender, int hint) override;

    // The list does not sort.
    void sortBy(int /*sortItem*/, bool /*toggle*/) override {}

    // The text of a cell, as shown.
    QString text(int row, int column) const;

protected:
    bool onUpdateListCommand(fw::CCmdUI& /*ui*/) override { return false; }
    bool onListCommand(int /*id*/) override { return false; }

private:
    void fill();

    CEntityListModel* model_;
};

} // namespace tessary
