// The deed entry dialog (dialog 133): registers a new deed or updates an existing one. Its lists
// offer only the catalogue values that fit together: the categories of the tree node's group, the
// types of the chosen category, the materials of the group, the quantities of the chosen type and,
// for a large deed, one check box per small deed of its order (for a small deed, the combine
// count). The comment field offers the comment history and keeps the comment's CP932 bytes.
#pragma once

#include "data/Catalogue.h"
#include "data/Deed.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tessary {

namespace fw {
class CInputMethod;
}

class CTessaryDoc;
class CCommentValidator;
struct CatalogueEntry;

class CDeedEntryDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCheckBoxCount = 6;

    // `node` is the current tree node, a group or a category entry (not null). With `preset` the
    // dialog opens on a copy of that deed (update); without it on an empty deed (register).
    // `inputMethod` switches the comment field's input method; nullptr takes the current one.
    CDeedEntryDialog(QWidget* parent, CTessaryDoc& doc, const CatalogueEntry* node,
                     const Deed* preset = nullptr, fw::CInputMethod* inputMethod = nullptr);
    ~CDeedEntryDialog() override;

    // After 確定: the deed as entered. Its registration number is the preset deed's (0 for a
    // new deed).
    const Deed& deed() const { return deed_; }

    // Checks the lists (the first missing choice is reported and gets the focus), builds the
    // deed, records the comment in the history and closes the dialog.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // Fills every list for the node and, for an update, selects the deed's values.
    void fillOnOpening();
    // The dependent lists: category → types and materials → quantities → combine controls.
    void categoryChanged();
    void typeChanged();
    void quantityChanged();

    // Empties `list` and fills it with the catalogue's choices of `kind`, without reporting a
    // change; selects the preset deed's `presetValue` while opening on a deed, else the first.
    void fill(QComboBox* list, ComboKind kind, int a, int b, int c, int presetValue = 0);
    static int selectedData(const QComboBox* list);
    void showCheckBoxes(bool large);

    // Refuses the entry with `text` and puts the focus on `list`.
    void refuse(QComboBox* list, const QString& text);
    // The comment as it will be stored: the original bytes while the shown text is unedited.
    std::string commentBytes() const;
    void commentChosen(int index);
    void saveCommentHistory(const std::string& comment);

    CTessaryDoc& doc_;
    const CatalogueEntry* node_;
    int group_;
    int nodeCategory_;
    fw::CInputMethod* inputMethod_;
    Deed deed_;
    // While the dialog opens on an existing deed: each list selects that deed's value.
    bool preset_ = false;
    // Whether the comment field's input method was open when the field got the focus.
    bool inputMethodWasOpen_ = false;

    // The stored bytes of the comment shown, and the text they were shown as.
    std::string commentOriginal_;
    QString commentShown_;

    QComboBox* groupList_ = nullptr;
    QComboBox* categoryList_ = nullptr;
    QComboBox* typeList_ = nullptr;
    QComboBox* materialList_ = nullptr;
    QComboBox* qualityList_ = nullptr;
    QComboBox* quantityList_ = nullptr;
    QComboBox* commentBox_ = nullptr;
    CCommentValidator* commentValidator_ = nullptr;
    QGroupBox* combineFrame_ = nullptr;
    QWidget* checkPanel_ = nullptr;
    std::array<QCheckBox*, kCheckBoxCount> checkBoxes_{};
    QWidget* countPanel_ = nullptr;
    QLabel* combineCountLabel_ = nullptr;
    QComboBox* combineCountList_ = nullptr;
    QPushButton* acceptButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace tessary
