// The rows of the deed list: pointers to deeds the document owns, with every cell text computed
// when it is asked for, so that a list of a million deeds opens and scrolls at once.
#pragma once

#include "views/RecordListModel.h"

namespace tessary {

class Catalogue;
struct Deed;

class DeedListModel : public RecordListModel<Deed> {
    Q_OBJECT
public:
    static constexpr int kColumnCount = 7;

    explicit DeedListModel(QObject* parent = nullptr);

    // The catalogue the names are taken from (the document's, so customised names show).
    void setCatalogue(const Catalogue* catalogue) { catalogue_ = catalogue; }

    const Deed* deedAt(int row) const { return recordAt(row); }

    // The texts of one row have changed (its deed was edited in place).
    void refreshRow(int row);

    // The text of one cell of a deed, as the list shows it.
    QString cellText(const Deed& deed, int column) const;
    static Qt::Alignment columnAlignment(int column);

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const Catalogue* catalogue_ = nullptr;

public:
    // --- rows changed in place by the edit commands ---------------------------------------------
    // Adds a row for `deed` at the end and returns its index.
    int appendRow(const Deed* deed);
    // Removes the row `row` (nothing when there is no such row).
    void removeRowAt(int row);
};

} // namespace tessary
