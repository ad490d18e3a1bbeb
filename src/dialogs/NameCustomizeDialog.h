// The name customisation dialog (名称のカスタマイズ): the user gives groups, categories, item
// types, materials and qualities new display names, editing them in place in the names list, or
// sets every name back to its initial (built-in) name. The dialog works on its own working copy;
// the caller puts that copy in force only when the dialog ends with 保存.
#pragma once

#include "data/NameCustomization.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tessary {

namespace fw {
class CPrompt;
}
class COwnerDrawListCtrl;

class CNameCustomizeDialog : public QDialog {
    Q_OBJECT
public:
    // `current` is the catalogue in force; the dialog copies what it needs from it.
    CNameCustomizeDialog(QWidget* parent, fw::CPrompt& prompt, const Catalogue& current);
    ~CNameCustomizeDialog() override;

    // Ends at once as cancelled, without showing anything, when the catalogue in force lacks a
    // built-in entry (an empty or broken catalogue cannot be renamed).
    int exec() override;

    // The working copy (built-in numbers, initial names and the names chosen); nothing when the
    // catalogue in force lacks a built-in entry.
    const std::optional<Catalogue>& workingCopy() const { return working_; }

    // Chooses the item kind whose names the list shows.
    void chooseKind(NamingKind kind);
    NamingKind kind() const;

    // 編集: starts editing the name of the selected row.
    void editSelected();
    // The in-place editor while a name is being edited, else nullptr.
    QLineEdit* nameEditor() const { return editor_; }
    // Ends the edit: with `commit` the typed text is checked and taken; otherwise it is dropped.
    void endEdit(bool commit);

    QComboBox* kindBox() const { return kindBox_; }
    COwnerDrawListCtrl* nameList() const { return list_; }
    QPushButton* editButton() const { return editButton_; }
    QPushButton* resetButton() const { return resetButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillList();
    void resetNames();
    void updateEditButton();
    // The row shown selected, or -1.
    int selectedRow() const;
    void startEdit(int row);

    fw::CPrompt& prompt_;
    std::optional<Catalogue> working_;

    QComboBox* kindBox_ = nullptr;
    COwnerDrawListCtrl* list_ = nullptr;
    QPushButton* editButton_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

    // The edit in progress: the editor over column 0 of `editRow_`, and whether that row was
    // selected and current when it began.
    QLineEdit* editor_ = nullptr;
    int editRow_ = -1;
    bool editRowSelected_ = false;
    bool editRowCurrent_ = false;
};

} // namespace tessary
