// The item-order dialog (並べ替え項目 / 簡易テキストの項目順序): the user puts the items of a
// list in an order of their choice with ▲ and ▼, and 確定 stores that order in the settings file.
// Mode 1 orders the deed list's sort items, mode 2 the order-status list's, mode 3 the items of
// the simple text.
#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tessary {

class ProfileFile;

class CItemOrderDialog : public QDialog {
    Q_OBJECT
public:
    // `mode` is one of ItemOrderMode (1 to 3); the order is read from `settings` at once.
    CItemOrderDialog(QWidget* parent, ProfileFile& settings, int mode);

    int mode() const { return mode_; }

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
    int mode_;
    QListWidget* list_ = nullptr;
    QPushButton* upButton_ = nullptr;
    QPushButton* downButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace tessary
