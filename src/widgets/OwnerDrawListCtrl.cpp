#include "widgets/OwnerDrawListCtrl.h"

#include "framework/WaitCursor.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHeaderView>

#include <algorithm>
#include <vector>

namespace tessary {

// Columns (title and alignment) and rows (texts and item data) of the dialog list.
class COwnerDrawListModel : public QAbstractTableModel {
public:
    struct Column {
        QString title;
        Qt::Alignment alignment;
    };
    struct Row {
        QStringList texts;
        std::uint32_t itemData = 0;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void reset() {
        beginResetModel();
        rows_.clear();
        columns_.clear();
        endResetModel();
    }
    int addColumn(const QString& title, Qt::Alignment alignment) {
        const int column = static_cast<int>(columns_.size());
        beginInsertColumns({}, column, column);
        columns_.push_back({title, alignment});
        endInsertColumns();
        return column;
    }
    int addRow(const QStringList& texts, std::uint32_t itemData) {
        const int row = static_cast<int>(rows_.size());
        beginInsertRows({}, row, row);
        rows_.push_back({texts, itemData});
        endInsertRows();
        return row;
    }
    void clearRows() {
        beginResetModel();
        rows_.clear();
        endResetModel();
    }
    bool hasRow(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }
    Row& rowAt(int row) { return rows_[static_cast<std::size_t>(row)]; }
    const Row& rowAt(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    void rowChanged(int row) {
        emit dataChanged(index(row, 0), index(row, std::max(columnCount() - 1, 0)));
    }

    void sortRows(const std::function<bool(std::uint32_t, std::uint32_t)>& less) {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        std::vector<int> order(rows_.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            order[i] = static_cast<int>(i);
        }
        std::stable_sort(order.begin(), order.end(), [this, &less](int a, int b) {
            return less(rowAt(a).itemData, rowAt(b).itemData);
        });
        std::vector<int> newRow(order.size());
        std::vector<Row> sorted;
        sorted.reserve(rows_.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            newRow[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
            sorted.push_back(std::move(rows_[static_cast<std::size_t>(order[i])]));
        }
        rows_.swap(sorted);
        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        for (const QModelIndex& old : before) {
            after.append(index(newRow[static_cast<std::size_t>(old.row())], old.column()));
        }
        changePersistentIndexList(before, after);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(columns_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || !hasRow(index.row()) || index.column() >= columnCount()) {
            return {};
        }
        const Row& row = rowAt(index.row());
        switch (role) {
        case Qt::DisplayRole:
            return index.column() < row.texts.size() ? row.texts[index.column()] : QString();
        case Qt::TextAlignmentRole:
            return static_cast<int>(columns_[static_cast<std::size_t>(index.column())].alignment);
        case kItemDataRole:
            return static_cast<uint>(row.itemData);
        case kRowBackgroundRole:
            // Detail rows: bits 0-7 mark the row.
            return (row.itemData & 0xFFu) != 0 ? QVariant(QColor(255, 128, 128)) : QVariant();
        case kImageRole:
            // Detail rows: bits 8-15 choose the image.
            return index.column() == 0 ? QVariant(static_cast<int>((row.itemData >> 8) & 0xFFu))
                                       : QVariant();
        default:
            return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
            return {};
        }
        const Column& column = columns_[static_cast<std::size_t>(section)];
        if (role == Qt::DisplayRole) {
            return column.title;
        }
        if (role == Qt::TextAlignmentRole) {
            return static_cast<int>(column.alignment | Qt::AlignVCenter);
        }
        return {};
    }

private:
    std::vector<Column> columns_;
    std::vector<Row> rows_;
};

COwnerDrawListCtrl::COwnerDrawListCtrl(QWidget* parent)
    : COwnerDrawnView(parent), model_(new COwnerDrawListModel(this)) {
    setModel(model_);
}

COwnerDrawListCtrl::~COwnerDrawListCtrl() = default;

void COwnerDrawListCtrl::resetColumns() {
    fw::CWaitCursor wait;
    model_->reset();
}

int COwnerDrawListCtrl::addColumn(const QString& title, int width, Qt::Alignment alignment) {
    const int column = model_->addColumn(title, alignment);
    header()->resizeSection(column, std::max(width, 0));
    return column;
}

int COwnerDrawListCtrl::columnCount() const {
    return model_->columnCount();
}

int COwnerDrawListCtrl::addRow(const QStringList& texts, std::uint32_t itemData) {
    return model_->addRow(texts, itemData);
}

void COwnerDrawListCtrl::deleteAllRows() {
    model_->clearRows();
}

int COwnerDrawListCtrl::rowCount() const {
    return model_->rowCount();
}

QString COwnerDrawListCtrl::text(int row, int column) const {
    return model_->data(model_->index(row, column), Qt::DisplayRole).toString();
}

void COwnerDrawListCtrl::setText(int row, int column, const QString& text) {
    if (!model_->hasRow(row) || column < 0 || column >= model_->columnCount()) {
        return;
    }
    QStringList& texts = model_->rowAt(row).texts;
    while (texts.size() <= column) {
        texts.append(QString());
    }
    texts[column] = text;
    model_->rowChanged(row);
}

std::uint32_t COwnerDrawListCtrl::itemData(int row) const {
    return model_->hasRow(row) ? model_->rowAt(row).itemData : 0;
}

void COwnerDrawListCtrl::sortRows(const std::function<bool(std::uint32_t, std::uint32_t)>& less) {
    model_->sortRows(less);
}

int COwnerDrawListCtrl::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void COwnerDrawListCtrl::setCurrentRow(int row) {
    if (model_->hasRow(row)) {
        setCurrentIndex(model_->index(row, 0));
    }
}

} // namespace tessary
