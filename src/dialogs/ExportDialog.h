// The export dialog (エクスポート): writes the deeds the list shows, or the deeds missing from the
// tree node, to a text file with the items, order, delimiter and number style the user picks.
// It builds the missing deeds as it opens and never changes the document.
#pragma once

#include "data/Deed.h"
#include "exchange/MissingDeeds.h"
#include "exchange/TextExport.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessary {

class Catalogue;
struct CatalogueEntry;
namespace fw {
class CPrompt;
}

class CExportItemList;

class CExportDialog : public QDialog {
    Q_OBJECT
public:
    // What the export reads; everything must outlive the dialog.
    struct Source {
        const Catalogue* catalogue = nullptr;
        // The deeds the list shows, in its display order.
        const std::vector<const Deed*>* rows = nullptr;
        // The tree node (a group or category entry), or nullptr.
        const CatalogueEntry* node = nullptr;
        Deed deedFilter;
        // The deed list's sort state.
        int sortItem = -1;
        bool sortDescending = false;
        std::string sortOrder;
    };

    // Builds the missing deeds and sets every control to its starting state, under the busy
    // cursor.
    CExportDialog(QWidget* parent, fw::CPrompt& prompt, Source source);
    ~CExportDialog() override;

    // 実行: checks the choices, writes the file and closes; on a refusal or a failure the dialog
    // stays open with its state.
    void accept() override;

    // The options as the controls hold them (the delimiter converted to CP932, '?' for what it
    // cannot hold).
    ExportOptions collectOptions() const;
    const MissingDeeds& missingDeeds() const { return missing_; }

    // The controls, for the tests.
    CExportItemList* itemList() const { return list_; }
    QPushButton* upButton() const { return upButton_; }
    QPushButton* downButton() const { return downButton_; }
    QLineEdit* fileNameEdit() const { return fileName_; }
    QPushButton* browseButton() const { return browseButton_; }
    QLineEdit* delimiterEdit() const { return delimiter_; }
    QCheckBox* missingBox() const { return missingBox_; }
    QCheckBox* periodBox() const { return periodBox_; }
    QCheckBox* fractionBox() const { return fractionBox_; }
    QCheckBox* utf8Box() const { return utf8Box_; }
    QLabel* sampleLine1() const { return sample1_; }
    QLabel* sampleLine2() const { return sample2_; }
    QPushButton* runButton() const { return runButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

private:
    void buildControls();
    void fillItemList();
    // ▲ ▼ from the selected row, the period and fraction boxes from the checked rows, then the
    // sample.
    void updateControls();
    // The first two deeds of the chosen source, then the sample lines.
    void chooseSample();
    void refreshSample();
    // Moves the selected row one place up (-1) or down (+1).
    void moveSelected(int step);
    void browse();

    fw::CPrompt& prompt_;
    Source source_;
    MissingDeeds missing_;
    ExportSample sample_;

    CExportItemList* list_ = nullptr;
    QPushButton* upButton_ = nullptr;
    QPushButton* downButton_ = nullptr;
    QLineEdit* fileName_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QLineEdit* delimiter_ = nullptr;
    QCheckBox* missingBox_ = nullptr;
    QCheckBox* periodBox_ = nullptr;
    QCheckBox* fractionBox_ = nullptr;
    QCheckBox* utf8Box_ = nullptr;
    QLabel* sample1_ = nullptr;
    QLabel* sample2_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace tessary
