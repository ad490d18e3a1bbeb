#include "views/CategoryView.h"

#include "document/TessaryDoc.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "platform/ProfileFile.h"
#include "resources/CommandIds.h"
#include "resources/Images.h"
#include "resources/SettingsKeys.h"
#include "widgets/ListDraw.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <cstdio>

namespace tessary {

namespace {

bool isGroupEntry(const CatalogueEntry& e) {
    return e.group() <= kMaxGroupOrCategory && e.category() == 0 && e.type() == 0;
}

bool isCategoryEntry(const CatalogueEntry& e) {
    return e.group() <= kMaxGroupOrCategory && e.category() != 0 && e.type() == 0;
}

// The tree shows an entry's image unchanged when the item is selected, so the selected-state
// pixmap is the normal one (the style would otherwise tint it).
QIcon entryIcon(int iconIndex) {
    const QPixmap& pixmap = images::image(iconIndex);
    QIcon icon;
    if (!pixmap.isNull()) {
        icon.addPixmap(pixmap, QIcon::Normal);
        icon.addPixmap(pixmap, QIcon::Selected);
    }
    return icon;
}

QTreeWidgetItem* makeItem(const CatalogueEntry& entry) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, QLatin1Char(' ') + fw::fromCp932(entry.name) + QLatin1Char(' '));
    item->setIcon(0, entryIcon(entry.iconIndex));
    item->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&entry)));
    return item;
}

} // namespace

CCategoryView::CCategoryView(CTessaryDoc* doc, QWidget* parent) : QTreeWidget(parent), doc_(doc) {
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setDragEnabled(false);
    setAcceptDrops(false);
    setItemDelegate(new listdraw::CFixedRowDelegate(this));

    connect(this, &QTreeWidget::itemSelectionChanged, this, &CCategoryView::onSelectionChanged);
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { onExpandedChanged(item, true); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { onExpandedChanged(item, false); });
}

const CatalogueEntry* CCategoryView::entryOf(const QTreeWidgetItem* item) {
    if (item == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<const CatalogueEntry*>(item->data(0, Qt::UserRole).value<quintptr>());
}

const CatalogueEntry* CCategoryView::currentEntry() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : entryOf(selected.first());
}

void CCategoryView::onInitialUpdate() {
    if (!treePending_) {
        return;
    }
    fw::CWaitCursor wait;
    setIconSize(QSize(images::kImageSize, images::kImageSize));
    buildTree();
    treePending_ = false;
}

void CCategoryView::onUpdate(fw::CView* /*sender*/, int value) {
    switch (static_cast<UpdateHint>(value)) {
    case kHintReselect:
        selectAgain();
        break;
    case kHintNamesChanged:
        buildTree();
        break;
    default:
        break;
    }
}

void CCategoryView::buildTree() {
    fw::CWaitCursor wait;
    // Building neither reports selections nor writes expansion states.
    const QSignalBlocker blocker(this);
    setUpdatesEnabled(false);
    clear();

    const ProfileFile& profile = doc_->settings();
    QTreeWidgetItem* group = nullptr;
    bool groupExpand = false;
    for (const CatalogueEntry& entry : doc_->catalogue().entries()) {
        if (isGroupEntry(entry)) {
            if (group != nullptr && groupExpand) {
                group->setExpanded(true);
            }
            group = makeItem(entry);
            addTopLevelItem(group);
            groupExpand = settings::read(profile, settings::kGroupExpand, entry.group()) != 0;
        } else if (isCategoryEntry(entry) && group != nullptr) {
            group->addChild(makeItem(entry));
        }
    }
    if (group != nullptr && groupExpand) {
        group->setExpanded(true);
    }

    // The items the selection pointed at are gone; the lists ask for a new selection (hint 1).
    doc_->data().setSelectedEntry(nullptr);
    setUpdatesEnabled(true);
}

void CCategoryView::selectAgain() {
    QTreeWidgetItem* target = nullptr;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (topLevelItem(i)->isExpanded()) {
            target = topLevelItem(i);
            break;
        }
    }
    if (target == nullptr && topLevelItemCount() > 0) {
        target = topLevelItem(0);
    }
    if (target == nullptr) {
        return;
    }
    {
        // Clearing and selecting report once, below, even when the item stays the same.
        const QSignalBlocker blocker(this);
        clearSelection();
        setCurrentItem(target);
        target->setSelected(true);
    }
    scrollToItem(target);
    onSelectionChanged();
}

QItemSelectionModel::SelectionFlags CCategoryView::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    const QItemSelectionModel::SelectionFlags command = QTreeWidget::selectionCommand(index, event);
    // A click beside every node would clear the selection too.
    const bool deselects =
        !index.isValid() || command.testFlag(QItemSelectionModel::Deselect) ||
        (command.testFlag(QItemSelectionModel::Toggle) && selectionModel()->isSelected(index)) ||
        (command.testFlag(QItemSelectionModel::Clear) &&
         !command.testFlag(QItemSelectionModel::Select));
    return deselects ? QItemSelectionModel::NoUpdate : command;
}

void CCategoryView::keyboardSearch(const QString& search) {
    // Every node's text begins with a space, so the space bar would jump from node to node as a
    // search for " ". It only confirms the selection.
    if (search.trimmed().isEmpty()) {
        return;
    }
    QTreeWidget::keyboardSearch(search);
}

void CCategoryView::onSelectionChanged() {
    if (selectedItems().isEmpty() && lastSelected_.isValid()) {
        // Nothing may leave the tree without a node, or both lists go empty and 登録 has no
        // category to register in: the last node is selected again, and nothing has changed.
        const QSignalBlocker blocker(this);
        setCurrentIndex(lastSelected_);
        selectionModel()->select(lastSelected_, QItemSelectionModel::ClearAndSelect);
        return;
    }
    const QList<QModelIndex> selected = selectionModel()->selectedIndexes();
    lastSelected_ =
        selected.isEmpty() ? QPersistentModelIndex() : QPersistentModelIndex(selected.first());
    DeedDocument& data = doc_->data();
    data.setSelectedEntry(currentEntry());
    data.clearDeedFilter();
    data.clearConditionFilter();
    if (!data.rebuildPending()) {
        doc_->updateAllViews(this, kHintSelectionChanged);
    }
}

void CCategoryView::onExpandedChanged(QTreeWidgetItem* item, bool expanded) {
    const CatalogueEntry* entry = entryOf(item);
    if (entry == nullptr) {
        return;
    }
    settings::write(doc_->settings(), settings::kGroupExpand, entry->group(), expanded ? 1 : 0);
    // A category hidden by collapsing its group cannot stay the selection: the group takes it,
    // as the user sees it.
    if (!expanded && currentItem() != nullptr && currentItem()->parent() == item) {
        setCurrentItem(item);
    }
}

void CCategoryView::drawBranches(QPainter* painter, const QRect& rect,
                                 const QModelIndex& index) const {
    const int indent = indentation();
    if (indent <= 0 || !index.isValid()) {
        return;
    }
    const QAbstractItemModel* m = index.model();
    int level = 0;
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent()) {
        ++level;
    }

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(palette().color(QPalette::Mid));
    // One-pixel dotted lines on a checkerboard, so dots line up from row to row.
    auto vline = [&](int x, int y1, int y2) {
        for (int y = y1; y <= y2; ++y) {
            if (((x + y) & 1) == 0) {
                painter->drawPoint(x, y);
            }
        }
    };
    auto hline = [&](int x1, int x2, int y) {
        for (int x = x1; x <= x2; ++x) {
            if (((x + y) & 1) == 0) {
                painter->drawPoint(x, y);
            }
        }
    };
    auto hasNextSibling = [&](const QModelIndex& i) {
        return i.row() + 1 < m->rowCount(i.parent());
    };

    // The item's own cell is the rightmost; each ancestor's cell lies to its left.
    const int top = rect.top();
    const int bottom = rect.bottom();
    const int midY = top + rect.height() / 2;
    const int cellLeft = rect.right() + 1 - indent;
    const int midX = cellLeft + indent / 2;
    if (index.row() > 0 || level > 0) {
        vline(midX, top, midY);
    }
    if (hasNextSibling(index)) {
        vline(midX, midY, bottom);
    }
    hline(midX, cellLeft + indent - 1, midY);
    QModelIndex ancestor = index.parent();
    for (int l = 1; l <= level; ++l, ancestor = ancestor.parent()) {
        if (hasNextSibling(ancestor)) {
            vline(cellLeft - l * indent + indent / 2, top, bottom);
        }
    }

    // The plus/minus box of an item with children.
    if (m->rowCount(index) > 0) {
        const QRect box(midX - 4, midY - 4, 8, 8);
        painter->setBrush(palette().color(QPalette::Base));
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawRect(box);
        painter->setPen(palette().color(QPalette::Text));
        painter->drawLine(midX - 2, midY, midX + 2, midY);
        if (!isExpanded(index)) {
            painter->drawLine(midX, midY - 2, midX, midY + 2);
        }
    }
    painter->restore();
}

} // namespace tessary
