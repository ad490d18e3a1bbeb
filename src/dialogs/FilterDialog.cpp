#include "dialogs/FilterDialog.h"

#include "data/Catalogue.h"
#include "data/CatalogueEntry.h"
#include "framework/Text.h"
#include "resources/Fonts.h"
#include "resources/ListTexts.h"
#include "resources/Messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <vector>

namespace tessary {
namespace {

QString titleOf(CFilterDialog::Mode mode) {
    return mode == CFilterDialog::Mode::ConditionList ? msg::conditionFilterTitle()
                                                      : msg::deedFilterTitle();
}

// Row labels of each mode, top to bottom.
QStringList labelsOf(CFilterDialog::Mode mode) {
    return mode == CFilterDialog::Mode::ConditionList ? msg::conditionFilterLabels()
                                                      : msg::deedFilterLabels();
}

// Rows of each mode.
enum DeedRow : int { kDeedCategory, kDeedType, kDeedMaterial, kDeedQuality, kDeedQuantity };
enum ConditionRowIndex : int {
    kCondCategory,
    kCondMaterial,
    kCondQuality,
    kCondQuantity,
    kCondRemaining
};

// The list used for the quantities when no category or type is chosen: small deeds, whose
// quantities are shown as they are.
constexpr int kPlainCategory = 1;
constexpr int kPlainType = 2;

// Room for the longest names of the catalogue (a set's name with " 大口").
constexpr int kListCharacters = 26;

// Empties `list` and fills it with the catalogue's choices, `catchAll` first when given.
void fillList(QComboBox* list, const std::vector<ComboChoice>& choices,
              const QString& catchAll = QString()) {
    list->clear();
    if (!catchAll.isNull()) {
        list->addItem(catchAll, 0);
    }
    for (const ComboChoice& choice : choices) {
        list->addItem(fw::fromCp932(choice.text), choice.data);
    }
}

// Selects the entry whose item data is `data`, else the first entry.
void selectData(QComboBox* list, int data) {
    const int index = list->findData(data);
    list->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace

CFilterDialog::CFilterDialog(QWidget* parent, const Catalogue& catalogue,
                             const CatalogueEntry* node, Mode mode)
    : QDialog(parent), catalogue_(catalogue), node_(node), mode_(mode),
      group_(node != nullptr ? node->group() : 0) {
    setFont(res::dialogFont());
    setWindowTitle(titleOf(mode_));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    const QStringList labels = labelsOf(mode_);
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        Row& row = rows_[static_cast<std::size_t>(i)];
        row.list = new QComboBox(this);
        row.list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        row.list->setMinimumContentsLength(kListCharacters);
        row.list->setMaxVisibleItems(16);
        row.label = new QLabel(labels.at(i), this);
        row.label->setBuddy(row.list);
        grid->addWidget(row.label, i, 0, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(row.list, i, 1);
    }
    grid->setColumnStretch(1, 1);

    clearButton_ = new QPushButton(msg::filterClear(), this);
    okButton_ = new QPushButton(msg::accept(), this);
    cancelButton_ = new QPushButton(msg::cancel(), this);
    okButton_->setDefault(true);
    connect(clearButton_, &QPushButton::clicked, this, &CFilterDialog::clearFilter);
    connect(okButton_, &QPushButton::clicked, this, &CFilterDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &CFilterDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clearButton_);
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(14);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Top to bottom through the lists, then the buttons from left to right.
    QWidget* previous = rows_[0].list;
    for (std::size_t i = 1; i < rows_.size(); ++i) {
        setTabOrder(previous, rows_[i].list);
        previous = rows_[i].list;
    }
    setTabOrder(previous, clearButton_);
    setTabOrder(clearButton_, okButton_);
    setTabOrder(okButton_, cancelButton_);

    if (mode_ == Mode::DeedList) {
        // A new category offers its types; a new type shows its quantities.
        connect(rows_[kDeedCategory].list, &QComboBox::currentIndexChanged, this,
                [this] { fillTypes(); });
        connect(rows_[kDeedType].list, &QComboBox::currentIndexChanged, this,
                [this] { fillDeedQuantities(); });
    }
}

void CFilterDialog::setDeedFilter(const Deed& filter) {
    deedFilter_ = filter;
}

void CFilterDialog::setConditionFilter(const ConditionRow& filter) {
    conditionFilter_ = filter;
}

void CFilterDialog::showEvent(QShowEvent* event) {
    if (!filled_) {
        filled_ = true;
        opening_ = true;
        fillAll();
        opening_ = false;
        rows_[0].list->setFocus(Qt::OtherFocusReason);
        if (!rows_[0].list->isEnabled()) {
            focusNextChild();
        }
    }
    QDialog::showEvent(event);
}

void CFilterDialog::fillAll() {
    if (mode_ == Mode::DeedList) {
        fillCategories(rows_[kDeedCategory].list, deedFilter_.category());
        fillTypes();
        fillMaterials(rows_[kDeedMaterial].list, deedFilter_.material());
        fillQualities(rows_[kDeedQuality].list, deedFilter_.quality());
        return;
    }
    const ConditionRow& f = conditionFilter_;
    fillCategories(rows_[kCondCategory].list, f.category());
    fillMaterials(rows_[kCondMaterial].list, f.material());
    fillQualities(rows_[kCondQuality].list, f.quality());
    fillQuantities(rows_[kCondQuantity].list, kPlainCategory, kPlainType, f.quantity());
    fillRemaining(rows_[kCondRemaining].list, f.filled);
}

void CFilterDialog::fillCategories(QComboBox* list, int wanted) {
    const QSignalBlocker blocker(list);
    std::vector<ComboChoice> choices;
    catalogue_.fillCombo(choices, kComboCategories, group_);
    fillList(list, choices, msg::allCategories());
    // A category node already narrows the list to its category.
    const bool categoryNode = node_ != nullptr && node_->category() != 0;
    selectData(list, categoryNode ? node_->category() : wanted);
    list->setEnabled(!categoryNode);
}

void CFilterDialog::fillTypes() {
    QComboBox* list = rows_[kDeedType].list;
    {
        const QSignalBlocker blocker(list);
        list->clear();
        const int category = selectedData(rows_[kDeedCategory].list);
        if (category != 0) {
            std::vector<ComboChoice> choices;
            catalogue_.fillCombo(choices, kComboTypes, group_, category);
            fillList(list, choices, msg::allTypes());
            list->setEnabled(true);
            selectData(list, opening_ ? deedFilter_.type() : 0);
        } else {
            // Every category: a type means nothing without its category.
            list->addItem(QString(), 0);
            list->setCurrentIndex(0);
            list->setEnabled(false);
        }
    }
    fillDeedQuantities();
}

void CFilterDialog::fillDeedQuantities() {
    int category = selectedData(rows_[kDeedCategory].list);
    int type = selectedData(rows_[kDeedType].list);
    if (category == 0 || type == 0) {
        category = kPlainCategory;
        type = kPlainType;
    }
    fillQuantities(rows_[kDeedQuantity].list, category, type,
                   opening_ ? deedFilter_.quantity() : 0);
}

void CFilterDialog::fillMaterials(QComboBox* list, int wanted) {
    const QSignalBlocker blocker(list);
    std::vector<ComboChoice> choices;
    catalogue_.fillCombo(choices, kComboMaterials, group_);
    if (choices.size() < 2) {
        // A group with one material is never narrowed by material: the list only shows it.
        if (choices.empty()) {
            choices.push_back(ComboChoice{});
        }
        choices.front().data = 0;
        fillList(list, choices);
        list->setCurrentIndex(0);
        list->setEnabled(false);
        return;
    }
    fillList(list, choices, msg::allMaterials());
    selectData(list, wanted);
    list->setEnabled(true);
}

void CFilterDialog::fillQualities(QComboBox* list, int wanted) {
    const QSignalBlocker blocker(list);
    std::vector<ComboChoice> choices;
    catalogue_.fillCombo(choices, kComboQualities);
    fillList(list, choices, msg::allQualities());
    selectData(list, wanted);
}

void CFilterDialog::fillQuantities(QComboBox* list, int category, int type, int wanted) {
    const QSignalBlocker blocker(list);
    std::vector<ComboChoice> choices;
    catalogue_.fillCombo(choices, kComboQuantities, group_, category, type);
    fillList(list, choices, msg::allQuantities());
    selectData(list, wanted);
}

void CFilterDialog::fillRemaining(QComboBox* list, int wanted) {
    const QSignalBlocker blocker(list);
    list->clear();
    const QStringList texts = msg::remainingChoices();
    for (int i = 0; i < texts.size(); ++i) {
        list->addItem(texts.at(i), i);
    }
    selectData(list, wanted);
}

void CFilterDialog::clearFilter() {
    deedFilter_.itemCode = 0;
    deedFilter_.orderCode = 0;
    conditionFilter_.firstKey = 0;
    conditionFilter_.secondKey = 0;
    conditionFilter_.filled = 0;
    opening_ = false;
    fillAll();
}

void CFilterDialog::accept() {
    if (mode_ == Mode::DeedList) {
        deedFilter_.itemCode = Deed::makeItemCode(0, enabledData(rows_[kDeedCategory].list),
                                                  selectedData(rows_[kDeedType].list),
                                                  enabledData(rows_[kDeedMaterial].list));
        deedFilter_.orderCode = Deed::makeOrderCode(selectedData(rows_[kDeedQuality].list),
                                                    selectedData(rows_[kDeedQuantity].list));
    } else {
        const auto byte = [](int value) { return static_cast<std::uint32_t>(value) & 0xFFu; };
        conditionFilter_.firstKey = (byte(enabledData(rows_[kCondCategory].list)) << 16) |
                                    byte(enabledData(rows_[kCondMaterial].list));
        conditionFilter_.secondKey = (byte(selectedData(rows_[kCondQuality].list)) << 24) |
                                     (byte(selectedData(rows_[kCondQuantity].list)) << 16);
        conditionFilter_.filled =
            static_cast<std::uint8_t>(selectedData(rows_[kCondRemaining].list));
    }
    QDialog::accept();
}

int CFilterDialog::selectedData(const QComboBox* list) {
    return list->currentIndex() >= 0 ? list->currentData().toInt() : 0;
}

int CFilterDialog::enabledData(const QComboBox* list) {
    return list->isEnabledTo(list->parentWidget()) ? selectedData(list) : 0;
}

} // namespace tessary
