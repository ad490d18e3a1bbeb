// The rows of a list that shows records the document owns: one pointer per row, never a copy,
// so a list of a million records opens at once. The cell texts are the derived model's.
#pragma once

#include <QAbstractTableModel>

#include <functional>
#include <unordered_map>
#include <vector>

namespace tessary {

template <class Record>
class RecordListModel : public QAbstractTableModel {
public:
    using RecordType = Record;
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces every row.
    void setRows(std::vector<const Record*>&& rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    void clear() { setRows({}); }
    const std::vector<const Record*>& rows() const { return rows_; }

    // The record of a row, or nullptr when there is no such row.
    const Record* recordAt(int row) const {
        if (row < 0 || row >= static_cast<int>(rows_.size())) {
            return nullptr;
        }
        return rows_[static_cast<std::size_t>(row)];
    }

    // Lets `reorder` put the same rows in a new order; the selected and current rows follow
    // their records, not their positions.
    void reorder(const std::function<void(std::vector<const Record*>&)>& reorder) {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const QModelIndexList before = persistentIndexList();
        std::vector<const Record*> held;
        held.reserve(static_cast<std::size_t>(before.size()));
        std::unordered_map<const Record*, int> newRow;
        for (const QModelIndex& index : before) {
            held.push_back(recordAt(index.row()));
            newRow.emplace(held.back(), -1);
        }
        reorder(rows_);
        if (!newRow.empty()) {
            for (std::size_t i = 0; i < rows_.size(); ++i) {
                const auto found = newRow.find(rows_[i]);
                if (found != newRow.end()) {
                    found->second = static_cast<int>(i);
                }
            }
        }
        QModelIndexList after;
        after.reserve(before.size());
        for (qsizetype i = 0; i < before.size(); ++i) {
            const int row = newRow[held[static_cast<std::size_t>(i)]];
            after.append(row < 0 ? QModelIndex() : index(row, before[i].column()));
        }
        changePersistentIndexList(before, after);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }

protected:
    std::vector<const Record*> rows_;
};

} // namespace tessary
