// The rows of the order-status list: pointers to the document's order-status rows, with every
// cell text computed when it is asked for.
#pragma once

#include <QAbstractTableModel>

#include <functional>
#include <vector>

namespace tessary {

class Catalogue;
struct ConditionRow;

class ConditionListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumnCount = 12;
    // Columns 5 to 11 stand for the slots of item types 1 (the large deed) to 7.
    static constexpr int kFirstSlotColumn = 5;

    explicit ConditionListModel(QObject* parent = nullptr);

    // The catalogue the names are taken from (the document's, so customised names show).
    void setCatalogue(const Catalogue* catalogue) { catalogue_ = catalogue; }

    // Replaces every row.
    void setRows(std::vector<const ConditionRow*>&& rows);
    void clear() { setRows({}); }
    const std::vector<const ConditionRow*>& rows() const { return rows_; }
    const ConditionRow* conditionRowAt(int row) const;

    // Lets `reorder` put the same rows in a new order; selected and current rows follow them.
    void reorder(const std::function<void(std::vector<const ConditionRow*>&)>& reorder);

    // The text of one cell of a row, as the list shows it.
    QString cellText(const ConditionRow& row, int column) const;
    static Qt::Alignment columnAlignment(int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const Catalogue* catalogue_ = nullptr;
    std::vector<const ConditionRow*> rows_;
};

} // namespace tessary
