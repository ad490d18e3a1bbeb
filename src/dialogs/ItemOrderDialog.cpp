#include "dialogs/ItemOrderDialog.h"

#include "platform/ProfileFile.h"
#include "resources/Fonts.h"
#include "resources/ListTexts.h"
#include "resources/Messages.h"
#include "widgets/ListDraw.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <vector>

namespace tessary {
namespace {

// Every row of the list is this high, whatever the font asks for.
// The list shows the longest set of items (the deed list's seven) without scrolling.
constexpr int kVisibleRows = 7;
constexpr int kListWidth = 150;

QString titleOf(ItemOrderMode mode) {
    switch (mode) {
    case kItemOrderDeedSort:
        return msg::deedSortOrderTitle();
    case kItemOrderConditionSort:
        return msg::conditionSortOrderTitle();
    case kItemOrderSimpleText:
        return msg::simpleTextOrderTitle();
    default:
        return {};
    }
}

// The row labels of a mode, by item number.
QStringList labelsOf(ItemOrderMode mode) {
    QStringList labels;
    const QStringList* items = nullptr;
    switch (mode) {
    case kItemOrderDeedSort:
        items = &msg::deedSortItems();
        break;
    case kItemOrderConditionSort:
        items = &msg::conditionSortItems();
        break;
    case kItemOrderSimpleText:
        items = &msg::simpleTextItems();
        break;
    default:
        return labels;
    }
    for (const QString& item : *items) {
        labels.append(msg::itemOrderLabel(item));
    }
    return labels;
}

// Draws every row itself: the selected row in the highlight colours, the others in the window
// colours, each label on one line, vertically centred at the row's left; a dotted focus
// rectangle around the selected row while the list has the keyboard focus.
class ItemOrderDelegate : public listdraw::CFixedRowDelegate {
public:
    using listdraw::CFixedRowDelegate::CFixedRowDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QWidget* list = option.widget;
        const QPalette colours = list != nullptr ? list->palette() : option.palette;
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->save();
        painter->fillRect(
            option.rect,
            colours.color(QPalette::Active, selected ? QPalette::Highlight : QPalette::Base));
        painter->setPen(
            colours.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        if (selected && list != nullptr && list->hasFocus()) {
            QPen pen(colours.color(QPalette::Active, QPalette::HighlightedText));
            pen.setStyle(Qt::DotLine);
            pen.setWidth(0);
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }
};

// The list of the dialog: repaints its rows when it gains or loses the focus, since the focus
// rectangle depends on it.
class ItemOrderList : public QListWidget {
public:
    explicit ItemOrderList(QWidget* parent) : QListWidget(parent) {
        setItemDelegate(new ItemOrderDelegate(this));
        setUniformItemSizes(true);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

protected:
    void focusInEvent(QFocusEvent* event) override {
        QListWidget::focusInEvent(event);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        QListWidget::focusOutEvent(event);
        viewport()->update();
    }
};

} // namespace

CItemOrderDialog::CItemOrderDialog(QWidget* parent, ProfileFile& settings, ItemOrderMode mode)
    : QDialog(parent), settings_(settings), mode_(mode) {
    setFont(res::dialogFont());

    list_ = new ItemOrderList(this);
    list_->setFixedSize(kListWidth, kVisibleRows * listdraw::kRowHeight + 2 * list_->frameWidth());

    upButton_ = new QPushButton(msg::moveUp(), this);
    downButton_ = new QPushButton(msg::moveDown(), this);
    okButton_ = new QPushButton(msg::accept(), this);
    cancelButton_ = new QPushButton(msg::cancel(), this);
    okButton_->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(upButton_);
    buttons->addWidget(downButton_);
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(list_, upButton_);
    setTabOrder(upButton_, downButton_);
    setTabOrder(downButton_, okButton_);
    setTabOrder(okButton_, cancelButton_);

    connect(upButton_, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(downButton_, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(okButton_, &QPushButton::clicked, this, &CItemOrderDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &CItemOrderDialog::reject);
    connect(list_, &QListWidget::itemSelectionChanged, this, &CItemOrderDialog::updateArrows);

    initialise();
    list_->setFocus(Qt::OtherFocusReason);
}

void CItemOrderDialog::initialise() {
    list_->clear();
    setWindowTitle(titleOf(mode_));
    const ItemOrderInfo* info = itemOrderInfo(mode_);
    if (info != nullptr) {
        const std::string stored = settings::read(settings_, info->key);
        const QStringList labels = labelsOf(mode_);
        for (int item : parseItemOrder(stored, info->itemCount, info->key.defaultValue)) {
            auto* row = new QListWidgetItem(labels.value(item));
            row->setData(Qt::UserRole, item);
            list_->addItem(row);
        }
    }
    if (list_->count() > 0) {
        list_->setCurrentRow(0);
    }
    updateArrows();
}

void CItemOrderDialog::updateArrows() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    const int row = selected.isEmpty() ? -1 : list_->row(selected.first());
    upButton_->setEnabled(row > 0);
    downButton_->setEnabled(row >= 0 && row < list_->count() - 1);
}

void CItemOrderDialog::moveSelected(int step) {
    list_->setFocus(Qt::OtherFocusReason);
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (!selected.isEmpty()) {
        const int row = list_->row(selected.first());
        const int target = row + step;
        if (target >= 0 && target < list_->count()) {
            // The row keeps its label and item number.
            QListWidgetItem* item = list_->takeItem(row);
            list_->insertItem(target, item);
            list_->setCurrentItem(item);
            item->setSelected(true);
        }
    }
    updateArrows();
}

void CItemOrderDialog::accept() {
    if (const ItemOrderInfo* info = itemOrderInfo(mode_)) {
        std::vector<int> items;
        items.reserve(static_cast<std::size_t>(list_->count()));
        for (int row = 0; row < list_->count(); ++row) {
            items.push_back(list_->item(row)->data(Qt::UserRole).toInt());
        }
        settings::write(settings_, info->key, formatItemOrder(items));
    }
    QDialog::accept();
}

} // namespace tessary
