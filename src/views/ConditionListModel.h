// The rows of the order-status list: pointers to the document's order-status rows, with every
// cell text computed when it is asked for.
#pragma once

#include "views/RecordListModel.h"

namespace tessary {

class Catalogue;
struct ConditionRow;

class ConditionListModel : public RecordListModel<ConditionRow> {
    Q_OBJECT
public:
    static constexpr int kColumnCount = 12;
    // Columns 5 to 11 stand for the slots of item types 1 (the large deed) to 7.
    static constexpr int kFirstSlotColumn = 5;

    explicit ConditionListModel(QObject* parent = nullptr);

    // The catalogue the names are taken from (the document's, so customised names show).
    void setCatalogue(const Catalogue* catalogue) { catalogue_ = catalogue; }

    const ConditionRow* conditionRowAt(int row) const { return recordAt(row); }

    // The text of one cell of a row, as the list shows it.
    QString cellText(const ConditionRow& row, int column) const;
    static Qt::Alignment columnAlignment(int column);

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const Catalogue* catalogue_ = nullptr;
};

} // namespace tessary
