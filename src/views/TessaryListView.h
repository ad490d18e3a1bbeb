// The common base of the list views that fill a pane of the main window (the deed list, the
// order-status list, the type list): a view of the document whose rows are drawn from its model
// (see COwnerDrawnView), with clickable column titles and a context menu.
#pragma once

#include "framework/View.h"
#include "resources/SettingsKeys.h"
#include "widgets/OwnerDrawnView.h"

#include <span>
#include <vector>

namespace tessary {

class CTessaryDoc;

// A sort command of a list's menus and the sort item it chooses.
struct SortCommand {
    int command;
    int sortItem;
};

class CTessaryListView : public COwnerDrawnView, public fw::CView {
    Q_OBJECT
public:
    // `doc` is the document the view shows; the caller attaches the view to it. The rows are
    // drawn in `drawMode` (Records or Plain) from the model's roles. The widths of the
    // `columnCount` columns are kept in `columnsKey`; `sortCommands` are the sort commands the
    // list answers (the table must outlive the view).
    CTessaryListView(DrawMode drawMode, CTessaryDoc* doc, QWidget* parent,
                     const settings::TextKey& columnsKey, int columnCount,
                     std::span<const SortCommand> sortCommands);
    // Saves the column widths (see saveColumnWidths).
    ~CTessaryListView() override;

    QWidget* widget() override { return this; }

    // The number of rows shown (for the status bar).
    int rowCount() const;

    // Writes the column widths to the settings, once they were laid out; at most once, and the
    // destructor does it otherwise.
    void saveColumnWidths();

    // Sorts by `sortItem`; choosing the current item again with `toggle` reverses the direction.
    virtual void sortBy(int sortItem, bool toggle) = 0;

    // The sort commands of the table are enabled and sort; others go to the list's own handlers.
    bool onUpdateCommand(fw::CCmdUI& ui) final;
    bool onCommand(int id) final;

    // The current width of every column, in column order.
    std::vector<int> columnWidths() const;
    void applyColumnWidths(const std::vector<int>& widths);

signals:
    // A right click in the list: the main frame shows popup `popupIndex` of the context menus
    // ("Deed" 0, "Condition" 1) at `globalPos`.
    void contextMenuRequested(int popupIndex, QPoint globalPos);

protected:
    CTessaryDoc* doc() const { return doc_; }

    // The names changed or the contents were renewed: the tree selects again, which lists this
    // view's rows anew through the selection hint.
    void askForReselect();

    // The list's other commands.
    virtual bool onUpdateListCommand(fw::CCmdUI& ui) = 0;
    virtual bool onListCommand(int id) = 0;

    // Until the first initial update has laid out the columns.
    bool columnsPending() const { return columnsPending_; }
    // At the first call, gives the columns their stored widths (else the defaults).
    void layOutColumns();

    // The context popup of this list; -1 for none.
    virtual int popupIndex() const { return -1; }

    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CTessaryDoc* doc_;
    const settings::TextKey& columnsKey_;
    int columnCount_;
    std::span<const SortCommand> sortCommands_;
    bool columnsPending_ = true;
    bool widthsSaved_ = false;
};

} // namespace tessary
