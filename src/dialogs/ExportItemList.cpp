#include "dialogs/ExportItemList.h"

#include "resources/Images.h"
#include "widgets/ListDraw.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tessary {
namespace {

using listdraw::kRowHeight;
constexpr int kCodeRole = Qt::UserRole;
constexpr int kCheckRole = Qt::UserRole + 1;
// The text of the rows that the options leave out.
const QColor kGreyText(192, 192, 192);

// Paints every row: the highlight colours for the selected row, the window colours for the
// others; the check-box cell of the row's state 1 pixel in from the left, centred in the row;
// the label after it on one line, vertically centred; a focus frame round the selected row while
// the list has the keyboard focus.
class ExportItemDelegate : public listdraw::CFixedRowDelegate {
public:
    explicit ExportItemDelegate(CExportItemList* list)
        : listdraw::CFixedRowDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPalette colours = list_->palette();
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QRect row = option.rect;
        painter->save();
        painter->fillRect(
            row, colours.color(QPalette::Active, selected ? QPalette::Highlight : QPalette::Base));

        const int cellWidth = list_->cellWidth();
        const int cellHeight = list_->cellHeight();
        const int state = std::clamp(index.data(kCheckRole).toInt(), 0, 2);
        painter->drawPixmap(QPoint(row.left() + 1, row.top() + (kRowHeight - cellHeight) / 2),
                            list_->checkBoxStrip(),
                            QRect(state * cellWidth, 0, cellWidth, cellHeight));

        QColor text =
            colours.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text);
        if (list_->isGrey(index.data(kCodeRole).toInt())) {
            text = kGreyText;
        }
        painter->setPen(text);
        painter->setFont(option.font);
        const QRect label(row.left() + cellWidth + 2, row.top(),
                          row.right() - row.left() - cellWidth - 1, row.height());
        painter->drawText(label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());

        if (selected && list_->hasFocus()) {
            QPen pen(colours.color(QPalette::Active, QPalette::HighlightedText));
            pen.setStyle(Qt::DotLine);
            pen.setWidth(0);
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(row.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

private:
    CExportItemList* list_;
};

} // namespace

CExportItemList::CExportItemList(QWidget* parent)
    : QListWidget(parent), strip_(images::checkBoxStrip()) {
    setItemDelegate(new ExportItemDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CExportItemList::insertRow(int row, const QString& label, int code, int checkState) {
    auto* item = new QListWidgetItem(label);
    item->setData(kCodeRole, code);
    item->setData(kCheckRole, checkState);
    if (row < 0 || row > count()) {
        addItem(item);
    } else {
        insertItem(row, item);
    }
}

QString CExportItemList::label(int row) const {
    const QListWidgetItem* it = item(row);
    return it != nullptr ? it->text() : QString();
}

int CExportItemList::code(int row) const {
    const QListWidgetItem* it = item(row);
    return it != nullptr ? it->data(kCodeRole).toInt() : -1;
}

int CExportItemList::checkState(int row) const {
    const QListWidgetItem* it = item(row);
    return it != nullptr ? it->data(kCheckRole).toInt() : Unchecked;
}

void CExportItemList::setCheckState(int row, int state) {
    if (QListWidgetItem* it = item(row)) {
        it->setData(kCheckRole, state);
    }
}

int CExportItemList::selectedRow() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void CExportItemList::setGreyCodes(QList<int> codes) {
    greyCodes_ = std::move(codes);
    viewport()->update();
}

QRect CExportItemList::checkBoxRect(int row) const {
    const QRect rowRect = visualItemRect(item(row));
    return {rowRect.left() + 1, rowRect.top() + (kRowHeight - cellHeight()) / 2, cellWidth(),
            cellHeight()};
}

void CExportItemList::toggle(int row) {
    if (item(row) == nullptr) {
        return;
    }
    setCheckState(row, checkState(row) == Checked ? Unchecked : Checked);
    emit checkToggled(row);
}

void CExportItemList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint at = event->position().toPoint();
    const QListWidgetItem* hit = itemAt(at);
    if (hit == nullptr) {
        return;
    }
    const int hitRow = row(hit);
    // The whole height of the row counts, as far right as the check box reaches.
    const QRect box = checkBoxRect(hitRow);
    if (at.x() >= visualItemRect(hit).left() && at.x() < box.right() + 2) {
        toggle(hitRow);
    }
}

void CExportItemList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        toggle(selectedRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void CExportItemList::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    viewport()->update();
}

void CExportItemList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

} // namespace tessary
