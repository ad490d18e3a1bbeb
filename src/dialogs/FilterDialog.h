// The display-filter dialog (表示条件設定): narrows the deed list by category, type, material,
// quality and quantity, or the order-status list by category, material, quality, quantity and
// remaining count. It edits a working copy of the list's filter; the caller stores that copy in
// the document only when the dialog ends with 確定.
#pragma once

#include "data/Deed.h"
#include "status/ConditionRow.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace tessary {

class Catalogue;
struct CatalogueEntry;

class CFilterDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { DeedList, ConditionList };

    // `node` is the tree node the list shows (a group or a category entry); the views pass the
    // selected node only. Set the working filter of the mode before running the dialog.
    CFilterDialog(QWidget* parent, const Catalogue& catalogue, const CatalogueEntry* node,
                  Mode mode);

    // The working filter of the deed list mode: only its item and order codes count.
    void setDeedFilter(const Deed& filter);
    const Deed& deedFilter() const { return deedFilter_; }
    // The working filter of the order-status mode: its two key words and the remaining-count
    // threshold in `filled`.
    void setConditionFilter(const ConditionRow& filter);
    const ConditionRow& conditionFilter() const { return conditionFilter_; }

    // Builds the working filter from the lists, then closes with 確定.
    void accept() override;

protected:
    // The lists are filled from the working filter when the dialog is first shown.
    void showEvent(QShowEvent* event) override;

private:
    // One row of the dialog: its label and its drop-down list.
    struct Row {
        QLabel* label = nullptr;
        QComboBox* list = nullptr;
    };

    // The opening steps of the mode: every list filled and a selection taken from the working
    // filter (while `opening_` is set) or the first entry.
    void fillAll();
    void fillCategories(QComboBox* list, int wanted);
    // Deed list mode: the types of the chosen category, then the quantities of the chosen type.
    void fillTypes();
    void fillDeedQuantities();
    void fillMaterials(QComboBox* list, int wanted);
    void fillQualities(QComboBox* list, int wanted);
    void fillQuantities(QComboBox* list, int category, int type, int wanted);
    void fillRemaining(QComboBox* list, int wanted);

    // クリア: every field of the working filter to 0, the lists filled again.
    void clearFilter();
    // The item data of the selected entry; 0 when nothing is selected.
    static int selectedData(const QComboBox* list);
    // The item data of the selected entry of a list that may be disabled: 0 when it is.
    static int enabledData(const QComboBox* list);

    const Catalogue& catalogue_;
    const CatalogueEntry* node_;
    Mode mode_;
    int group_;
    Deed deedFilter_;
    ConditionRow conditionFilter_;
    // Set only while the lists are filled from the working filter.
    bool opening_ = false;
    bool filled_ = false;

    std::array<Row, 5> rows_;
    QPushButton* clearButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace tessary
