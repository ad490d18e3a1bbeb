#include "dialogs/ExportDialog.h"

#include "data/Catalogue.h"
#include "dialogs/ExportItemList.h"
#include "framework/Prompt.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "platform/Cp932.h"
#include "resources/ExportTexts.h"
#include "resources/Fonts.h"
#include "resources/Messages.h"
#include "widgets/ListDraw.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessary {
namespace {

using listdraw::kRowHeight;
constexpr int kFileNameLimit = 260;
constexpr int kDelimiterLimit = 20;
constexpr int kListWidth = 120;
constexpr int kSampleWidth = 460;

constexpr int code(ExportItem item) {
    return static_cast<int>(item);
}

} // namespace

CExportDialog::CExportDialog(QWidget* parent, fw::CPrompt& prompt, Source source)
    : QDialog(parent), prompt_(prompt), source_(std::move(source)) {
    fw::CWaitCursor wait;
    setFont(res::dialogFont());
    setWindowTitle(msg::exportTitle());
    buildControls();

    static const std::vector<const Deed*> kNoRows;
    if (source_.rows == nullptr) {
        source_.rows = &kNoRows;
    }
    if (source_.catalogue != nullptr) {
        missing_ = buildMissingDeeds(*source_.catalogue, source_.node, source_.deedFilter,
                                     *source_.rows, source_.sortItem, source_.sortOrder);
    }

    fillItemList();
    fileName_->setMaxLength(kFileNameLimit);
    delimiter_->setMaxLength(kDelimiterLimit);
    {
        const QSignalBlocker blocker(delimiter_);
        delimiter_->setText(QString::fromUtf8(kDefaultExportDelimiter));
    }
    fileName_->clear();
    missingBox_->setChecked(false);
    periodBox_->setChecked(true);
    fractionBox_->setChecked(false);
    utf8Box_->setChecked(false);

    const MissingOptionState missingState = missingOptionAtOpening(missing_);
    missingBox_->setEnabled(missingState.enabled);
    missingBox_->setChecked(missingState.checked);

    updateControls();
    chooseSample();

    connect(list_, &QListWidget::itemSelectionChanged, this, &CExportDialog::updateControls);
    connect(list_, &CExportItemList::checkToggled, this, &CExportDialog::updateControls);
    connect(upButton_, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(downButton_, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(browseButton_, &QPushButton::clicked, this, &CExportDialog::browse);
    connect(delimiter_, &QLineEdit::textChanged, this, &CExportDialog::refreshSample);
    connect(missingBox_, &QCheckBox::clicked, this, &CExportDialog::chooseSample);
    connect(periodBox_, &QCheckBox::clicked, this, &CExportDialog::refreshSample);
    connect(fractionBox_, &QCheckBox::clicked, this, &CExportDialog::refreshSample);
    connect(runButton_, &QPushButton::clicked, this, &CExportDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &CExportDialog::reject);

    list_->setFocus(Qt::OtherFocusReason);
}

CExportDialog::~CExportDialog() = default;

void CExportDialog::buildControls() {
    list_ = new CExportItemList(this);
    list_->setFixedSize(kListWidth, kExportItemCount * kRowHeight + 2 * list_->frameWidth());
    upButton_ = new QPushButton(msg::moveUp(), this);
    downButton_ = new QPushButton(msg::moveDown(), this);
    for (QPushButton* arrow : {upButton_, downButton_}) {
        arrow->setFixedWidth(28);
        arrow->setAutoDefault(false);
    }
    fileName_ = new QLineEdit(this);
    browseButton_ = new QPushButton(msg::exportBrowse(), this);
    browseButton_->setAutoDefault(false);
    delimiter_ = new QLineEdit(this);
    delimiter_->setFixedWidth(120);
    missingBox_ = new QCheckBox(msg::exportMissingOption(), this);
    periodBox_ = new QCheckBox(msg::exportPeriodOption(), this);
    fractionBox_ = new QCheckBox(msg::exportFractionOption(), this);
    utf8Box_ = new QCheckBox(msg::exportUtf8Option(), this);
    sample1_ = new QLabel(this);
    sample2_ = new QLabel(this);
    for (QLabel* line : {sample1_, sample2_}) {
        line->setTextFormat(Qt::PlainText);
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        line->setMinimumWidth(kSampleWidth);
    }
    runButton_ = new QPushButton(msg::exportRun(), this);
    cancelButton_ = new QPushButton(msg::cancel(), this);
    runButton_->setDefault(true);
    cancelButton_->setAutoDefault(false);

    auto* arrows = new QVBoxLayout;
    arrows->addWidget(upButton_);
    arrows->addWidget(downButton_);
    arrows->addStretch(1);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileName_, 1);
    fileRow->addWidget(browseButton_);

    auto* options = new QGroupBox(msg::exportOptionsGroup(), this);
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(missingBox_);
    optionsLayout->addWidget(periodBox_);
    optionsLayout->addWidget(fractionBox_);
    optionsLayout->addWidget(utf8Box_);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(msg::exportFileNameLabel(), this));
    right->addLayout(fileRow);
    right->addSpacing(4);
    right->addWidget(new QLabel(msg::exportDelimiterLabel(), this));
    right->addWidget(delimiter_, 0, Qt::AlignLeft);
    right->addSpacing(4);
    right->addWidget(options);
    right->addStretch(1);

    auto* top = new QGridLayout;
    top->setHorizontalSpacing(8);
    top->addWidget(new QLabel(msg::exportItemsLabel(), this), 0, 0);
    top->addWidget(list_, 1, 0);
    top->addLayout(arrows, 1, 1);
    top->addLayout(right, 0, 2, 2, 1);
    top->setColumnStretch(2, 1);
    top->setColumnMinimumWidth(1, 28);
    top->addItem(new QSpacerItem(8, 0), 1, 2);

    auto* sampleFrame = new QGroupBox(this);
    auto* sampleLayout = new QVBoxLayout(sampleFrame);
    sampleLayout->addWidget(sample1_);
    sampleLayout->addWidget(sample2_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(runButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(msg::exportSampleLabel(), this));
    layout->addWidget(sampleFrame);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The focus follows the controls from the top.
    const QList<QWidget*> chain = {list_,         upButton_,  downButton_, fileName_,
                                   browseButton_, delimiter_, missingBox_, periodBox_,
                                   fractionBox_,  utf8Box_,   runButton_,  cancelButton_};
    for (qsizetype i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
}

void CExportDialog::fillItemList() {
    const QStringList labels = msg::exportItemLabels();
    list_->clear();
    for (const ExportItemRow& row : kDefaultExportItems) {
        list_->insertRow(-1, labels.value(code(row.item)), code(row.item),
                         row.checked ? CExportItemList::Checked : CExportItemList::Unchecked);
    }
    list_->setCurrentRow(0);
}

ExportOptions CExportDialog::collectOptions() const {
    ExportOptions options;
    options.items.clear();
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->checkState(row) == CExportItemList::Checked) {
            options.items.push_back(static_cast<ExportItem>(list_->code(row)));
        }
    }
    options.delimiter = utf8ToCp932(delimiter_->text().toStdString());
    options.period = periodBox_->isChecked();
    options.fractionChecked = fractionBox_->isChecked();
    options.missing = missingBox_->isChecked();
    options.encoding = utf8Box_->isChecked() ? ExportEncoding::Utf8 : ExportEncoding::Cp932;
    return options;
}

void CExportDialog::updateControls() {
    const int selected = list_->selectedRow();
    upButton_->setEnabled(selected >= 2);
    downButton_->setEnabled(selected >= 1 && selected < list_->count() - 1);

    bool numberChecked = false;
    bool quantityChecked = false;
    bool combinedChecked = false;
    for (int row = 0; row < list_->count(); ++row) {
        const bool checked = list_->checkState(row) == CExportItemList::Checked;
        switch (static_cast<ExportItem>(list_->code(row))) {
        case ExportItem::Number:
            numberChecked = checked;
            break;
        case ExportItem::Quantity:
            quantityChecked = checked;
            break;
        case ExportItem::Combined:
            combinedChecked = checked;
            break;
        default:
            break;
        }
    }
    if (!numberChecked) {
        periodBox_->setChecked(false);
    }
    periodBox_->setEnabled(numberChecked);
    if (!quantityChecked || !combinedChecked) {
        fractionBox_->setChecked(false);
    }
    fractionBox_->setEnabled(quantityChecked && combinedChecked);
    list_->viewport()->update();
    refreshSample();
}

void CExportDialog::chooseSample() {
    fw::CWaitCursor wait;
    const bool missing = missingBox_->isChecked();
    sample_ = chooseExportSample(*source_.rows, missing_, missing, source_.sortDescending);
    // 結合数, 備考 and 登録番号 are not written for the missing deeds.
    list_->setGreyCodes(missing ? QList<int>{code(ExportItem::Combined), code(ExportItem::Comment),
                                             code(ExportItem::Serial)}
                                : QList<int>{});
    refreshSample();
}

void CExportDialog::refreshSample() {
    fw::CWaitCursor wait;
    QString first;
    QString second;
    ExportOptions options = collectOptions();
    if (!options.items.empty() && source_.catalogue != nullptr) {
        if (sample_.first == nullptr) {
            first = msg::exportNoDeedToShow();
        } else {
            // Shown on screen, so built in UTF-8 whatever the file will hold.
            options.encoding = ExportEncoding::Utf8;
            const ExportLineBuilder builder(*source_.catalogue, options);
            first = QString::fromStdString(builder.line(*sample_.first, 1));
            if (sample_.second != nullptr) {
                second = QString::fromStdString(builder.line(*sample_.second, 2));
            }
        }
    }
    if (missing_.scope == MissingDeeds::Scope::TooMany) {
        // Digits grouped by commas, whatever the user's locale.
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::DefaultNumberOptions);
        second = msg::exportTooManyCombinations(
            c.toString(static_cast<qulonglong>(missing_.combinations)),
            c.toString(static_cast<qulonglong>(kMaxMissingCombinations)));
    }
    sample1_->setText(first);
    sample2_->setText(second);
}

void CExportDialog::moveSelected(int step) {
    list_->setFocus(Qt::OtherFocusReason);
    const int row = list_->selectedRow();
    const int target = row + step;
    // 連番 stays first: nothing moves into or out of row 0.
    if (row >= 1 && target >= 1 && target < list_->count()) {
        const QString label = list_->label(row);
        const int itemCode = list_->code(row);
        const int check = list_->checkState(row);
        {
            const QSignalBlocker blocker(list_);
            delete list_->takeItem(row);
            list_->insertRow(target, label, itemCode, check);
        }
        list_->setCurrentRow(target);
    }
    updateControls();
}

void CExportDialog::browse() {
    fileName_->setFocus(Qt::OtherFocusReason);
    fw::FileDialogSpec spec;
    spec.title = msg::exportTitle();
    spec.filter = msg::exportFileFilter();
    spec.defaultExtension = msg::exportDefaultExtension();
    spec.confirmOverwrite = true;
    const QString chosen = prompt_.saveFileName(this, spec);
    if (!chosen.isEmpty()) {
        fileName_->setText(chosen);
    }
}

void CExportDialog::accept() {
    const ExportOptions options = collectOptions();
    if (options.items.empty()) {
        prompt_.warn(this, msg::exportNoItemChosen());
        list_->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString fileName = fileName_->text();
    if (fileName.isEmpty()) {
        prompt_.warn(this, msg::exportNoFileName());
        fileName_->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The delimiter and the file name must be text the export's code page can hold.
    if (!utf8ToCp932Exact(delimiter_->text().toStdString())) {
        prompt_.warn(this, msg::exportDelimiterNotCp932());
        delimiter_->setFocus(Qt::OtherFocusReason);
        delimiter_->selectAll();
        return;
    }
    if (!utf8ToCp932Exact(fileName.toStdString())) {
        prompt_.warn(this, msg::exportFileNameNotCp932());
        fileName_->setFocus(Qt::OtherFocusReason);
        fileName_->selectAll();
        return;
    }

    ExportWriteResult result;
    {
        fw::CWaitCursor wait;
        const ExportLineBuilder builder(*source_.catalogue, options);
        const std::string text = options.missing
                                     ? buildExportText(builder, missing_, source_.sortDescending)
                                     : buildExportText(builder, *source_.rows);
        result = writeExportFile(fw::toPath(fileName), text);
    }
    switch (result.status) {
    case ExportWriteStatus::CannotOpen:
        prompt_.warn(this, msg::exportCannotOpen());
        fileName_->setFocus(Qt::OtherFocusReason);
        fileName_->selectAll();
        return;
    case ExportWriteStatus::WriteFailed:
        prompt_.warn(this, msg::saveFailed(fileName, QString::fromStdString(result.reason)));
        return;
    case ExportWriteStatus::Written:
        break;
    }
    prompt_.inform(this, msg::exportDone());
    QDialog::accept();
}

} // namespace tessary
