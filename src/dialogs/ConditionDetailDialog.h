// The order-status detail dialog (受注状況の詳細): one order-status row in full, with the names
// of its group, category, material, quality and quantity, how many slots the large order needs,
// how many are filled and how many remain, and the deeds that fill its slots. It only shows;
// nothing is changed anywhere.
#pragma once

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QShowEvent;

namespace tessary {

class COwnerDrawListCtrl;
class Catalogue;
struct Deed;
struct ConditionRow;

class CConditionDetailDialog : public QDialog {
    Q_OBJECT
public:
    // The value fields, in the order they are shown.
    enum Field : int {
        kGroup,
        kCategory,
        kMaterial,
        kQuality,
        kQuantity,
        kRequired,
        kFilled,
        kRemaining,
        kFieldCount
    };

    // `catalogue` gives the names and images, `deeds` the deeds of the order; both must outlive
    // the dialog.
    CConditionDetailDialog(QWidget* parent, const Catalogue& catalogue,
                           const std::vector<std::unique_ptr<Deed>>& deeds);
    ~CConditionDetailDialog() override;

    // The row to show; set it before the dialog runs. The row must outlive the dialog.
    void setRow(const ConditionRow* row) { row_ = row; }
    const ConditionRow* row() const { return row_; }

    QString fieldText(Field field) const;
    COwnerDrawListCtrl* deedList() const { return list_; }

protected:
    // The fields and the list are filled when the dialog is first shown.
    void showEvent(QShowEvent* event) override;

private:
    void fill();
    void fillList();

    const Catalogue& catalogue_;
    const std::vector<std::unique_ptr<Deed>>& deeds_;
    const ConditionRow* row_ = nullptr;
    bool filled_ = false;

    std::array<QLabel*, kFieldCount> values_{};
    COwnerDrawListCtrl* list_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace tessary
