#include "dialogs/DownloadDialog.h"

#include "framework/Prompt.h"
#include "framework/Text.h"
#include "platform/ProfileFile.h"
#include "resources/DownloadTexts.h"
#include "resources/Fonts.h"
#include "resources/Messages.h"
#include "resources/SettingsKeys.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace tessary {

namespace {
// Wide enough for a long address to be read without scrolling much.
constexpr int kEditWidth = 360;
} // namespace

CDownloadDialog::CDownloadDialog(QWidget* parent, ProfileFile& settings, fw::CPrompt& prompt)
    : QDialog(parent), settings_(settings), prompt_(prompt) {
    setFont(res::dialogFont());
    setWindowTitle(msg::downloadTitle());
    address_ = fw::fromCp932(settings::read(settings_, settings::kPreviousDownLoadURL));

    auto* label = new QLabel(msg::downloadUrlLabel(), this);
    urlEdit_ = new QLineEdit(this);
    urlEdit_->setMinimumWidth(kEditWidth);
    saveBox_ = new QCheckBox(msg::downloadSaveUrl(), this);
    runButton_ = new QPushButton(msg::downloadRun(), this);
    cancelButton_ = new QPushButton(msg::cancel(), this);
    runButton_->setDefault(true);
    runButton_->setAutoDefault(true);
    cancelButton_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(runButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(8);
    layout->addWidget(label, 0, 0);
    layout->addWidget(urlEdit_, 0, 1);
    layout->addWidget(saveBox_, 1, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Top to bottom, as the controls are laid out.
    setTabOrder(urlEdit_, saveBox_);
    setTabOrder(saveBox_, runButton_);
    setTabOrder(runButton_, cancelButton_);

    connect(runButton_, &QPushButton::clicked, this, &CDownloadDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &CDownloadDialog::reject);
}

void CDownloadDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    urlEdit_->setText(address_);
    saveBox_->setChecked(true);
    urlEdit_->setFocus(Qt::OtherFocusReason);
    urlEdit_->selectAll();
}

void CDownloadDialog::accept() {
    const QString typed = urlEdit_->text();
    if (typed.isEmpty()) {
        prompt_.warn(this, msg::downloadNoUrl());
        urlEdit_->setFocus(Qt::OtherFocusReason);
        return;
    }
    address_ = typed;
    if (saveBox_->isChecked()) {
        settings::write(settings_, settings::kPreviousDownLoadURL, fw::toCp932(address_));
    }
    QDialog::accept();
}

} // namespace tessary
