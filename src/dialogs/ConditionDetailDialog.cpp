#include "dialogs/ConditionDetailDialog.h"

#include "data/Catalogue.h"
#include "data/Deed.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "resources/Fonts.h"
#include "resources/ListTexts.h"
#include "status/ConditionDetail.h"
#include "widgets/ListDraw.h"
#include "widgets/OwnerDrawListCtrl.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace tessary {
namespace {

// Label texts of the value fields, in field order.
const std::array<QString, CConditionDetailDialog::kFieldCount>& fieldLabels() {
    return msg::detailFieldLabels();
}

constexpr int kTypeColumnWidth = 143;
constexpr int kMaterialColumnWidth = 116;
// Rows the deed list shows without scrolling.
constexpr int kVisibleListRows = 9;

// A sunken static box with its text vertically centred.
QLabel* sunkenBox(const QString& text, Qt::Alignment alignment, QWidget* parent) {
    auto* box = new QLabel(text, parent);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(1);
    box->setAlignment(alignment | Qt::AlignVCenter);
    box->setTextFormat(Qt::PlainText);
    box->setMargin(1);
    const int height = std::max(box->fontMetrics().height() + 8, listdraw::kRowHeight + 4);
    box->setFixedHeight(height);
    return box;
}

} // namespace

CConditionDetailDialog::CConditionDetailDialog(QWidget* parent, const Catalogue& catalogue,
                                               const std::vector<std::unique_ptr<Deed>>& deeds)
    : QDialog(parent), catalogue_(catalogue), deeds_(deeds) {
    setFont(res::dialogFont());
    setWindowTitle(msg::detailTitle());

    // Names: label and a wide field; counts: a wider label and a narrow field, so the numbers
    // stand in one right-aligned column.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    const auto& labels = fieldLabels();
    int countLabelWidth = 0;
    for (int field = kRequired; field <= kRemaining; ++field) {
        countLabelWidth =
            std::max(countLabelWidth,
                     fontMetrics().horizontalAdvance(labels[static_cast<std::size_t>(field)]));
    }
    countLabelWidth += 20;
    for (int field = 0; field < kFieldCount; ++field) {
        const bool count = field >= kRequired;
        QLabel* label = sunkenBox(labels[static_cast<std::size_t>(field)], Qt::AlignHCenter, this);
        QLabel* value = sunkenBox(QString(), count ? Qt::AlignRight : Qt::AlignLeft, this);
        values_[static_cast<std::size_t>(field)] = value;
        if (count) {
            label->setFixedWidth(countLabelWidth);
            grid->addWidget(label, field, 0, 1, 2);
            grid->addWidget(value, field, 2);
        } else {
            grid->addWidget(label, field, 0);
            grid->addWidget(value, field, 1, 1, 2);
        }
    }
    // The name labels fill the first column; the wider count labels reach into the second.
    const int nameLabelWidth = fontMetrics().horizontalAdvance(labels[kCategory]) + 28;
    grid->setColumnMinimumWidth(0, nameLabelWidth);
    grid->setColumnStretch(2, 1);

    auto* listTitle = sunkenBox(msg::detailDeedList(), Qt::AlignHCenter, this);

    list_ = new COwnerDrawListCtrl(this);
    list_->setObjectName(QStringLiteral("deedList"));
    list_->header()->setSectionsClickable(false);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const int listWidth = kTypeColumnWidth + kMaterialColumnWidth + 2 * list_->frameWidth() +
                          list_->verticalScrollBar()->sizeHint().width();
    list_->setFixedWidth(listWidth);
    list_->setMinimumHeight(list_->header()->sizeHint().height() +
                            kVisibleListRows * listdraw::kRowHeight + 2 * list_->frameWidth());

    closeButton_ = new QPushButton(msg::detailClose(), this);
    closeButton_->setDefault(true);
    closeButton_->setAutoDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(3);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(listTitle);
    layout->addWidget(list_, 1);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CConditionDetailDialog::~CConditionDetailDialog() = default;

QString CConditionDetailDialog::fieldText(Field field) const {
    return field >= 0 && field < kFieldCount ? values_[static_cast<std::size_t>(field)]->text()
                                             : QString();
}

void CConditionDetailDialog::showEvent(QShowEvent* event) {
    if (!filled_) {
        filled_ = true;
        fill();
        closeButton_->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
}

void CConditionDetailDialog::fill() {
    fw::CWaitCursor wait;
    list_->resetColumns();
    list_->setDrawMode(DrawMode::Detail);
    list_->addColumn(msg::detailTypeColumn(), kTypeColumnWidth);
    list_->addColumn(msg::detailMaterialColumn(), kMaterialColumnWidth);
    if (row_ == nullptr) {
        return;
    }
    const ConditionDetailValues values = conditionDetailValues(catalogue_, *row_);
    const std::array<const std::string*, kFieldCount> texts{
        &values.group,    &values.category, &values.material, &values.quality,
        &values.quantity, &values.required, &values.filled,   &values.remaining,
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        values_[i]->setText(fw::fromCp932(*texts[i]));
    }
    fillList();
    list_->sortRows(detailLineLess);
}

void CConditionDetailDialog::fillList() {
    fw::CWaitCursor wait;
    list_->deleteAllRows();
    for (const ConditionDetailLine& line : conditionDetailLines(catalogue_, deeds_, *row_)) {
        list_->addRow({fw::fromCp932(line.typeText), fw::fromCp932(line.materialText)},
                      line.itemData());
    }
}

} // namespace tessary
