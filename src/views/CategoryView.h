// The category tree in the left pane: the catalogue's groups (the crafts) at the root with their
// categories (the large-order sets) beneath them. Its selection is the document's selectedEntry,
// which decides what the right-hand lists show; each group remembers in the settings whether its
// node was expanded.
#pragma once

#include "framework/View.h"

#include <QItemSelectionModel>
#include <QPersistentModelIndex>
#include <QTreeWidget>

namespace tessary {

class CTessaryDoc;
struct CatalogueEntry;

class CCategoryView : public QTreeWidget, public fw::CView {
    Q_OBJECT
public:
    // Does not attach itself: the frame attaches the view, then runs its initial update.
    explicit CCategoryView(CTessaryDoc* doc, QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void onInitialUpdate() override;
    void onUpdate(fw::CView* sender, int hint) override;

    // True until the first initial update has built the tree.
    bool treePending() const { return treePending_; }
    // The catalogue entry of the selected item, or nullptr when nothing is selected.
    const CatalogueEntry* currentEntry() const;
    // The catalogue entry an item of this tree stands for.
    static const CatalogueEntry* entryOf(const QTreeWidgetItem* item);

    // Rebuilds all items from the catalogue, restoring each group's remembered expansion.
    void buildTree();
    // Selects the first expanded group (else the first group) and reports the selection, even
    // when that item was selected already.
    void selectAgain();

protected:
    // A selection can move to another node but never vanish: Ctrl+click and Ctrl+Space on the
    // selected node, which would deselect it, do nothing.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void keyboardSearch(const QString& search) override;
    // Dotted connecting lines and plus/minus boxes, drawn the same under every style.
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;

private:
    void onSelectionChanged();
    void onExpandedChanged(QTreeWidgetItem* item, bool expanded);

    CTessaryDoc* doc_;
    bool treePending_ = true;
    // The node selected last, put back should anything else take the selection away.
    QPersistentModelIndex lastSelected_;
};

} // namespace tessary
