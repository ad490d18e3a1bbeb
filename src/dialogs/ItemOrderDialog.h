// The item-order dialog (並べ替え項目 / 簡易テキストの項目順序): the user puts the items of a
// list in an order of their choice with ▲ and ▼, and 確定 stores that order in the settings file.
// One mode orders the deed list's sort items, one the order-status list's, one the items of the
// simple text.
#pragma once

#include "data/ItemOrder.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tessary {

class ProfileFile;

class CItemOrderDialog : public QDialog {
    Q_OBJECT
public:
    // The order of `mode` is read from `settings` at once.
    CItemOrderDialog(QWidget* parent, ProfileFile& settings, ItemOrderMode mode);

    ItemOrderMode mode() const { return mode_; }

    // Writes the order of the rows, then closes with 確定.
    void accept() override;

private:
    // Fills the list from the stored order and selects the first row.
    void initialise();
    // Moves the selected row one place up (-1) or down (+1).
    void moveSelected(int step);
    // ▲ is enabled when a row other than the first is selected, ▼ when one other than the last.
    void updateArrows();

    ProfileFile& settings_;
    ItemOrderMode mode_;
    QListWidget* list_ = nullptr;
    QPushButton* upButton_ = nullptr;
    QPushButton* downButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace tessary
