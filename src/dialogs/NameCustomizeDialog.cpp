#include "dialogs/NameCustomizeDialog.h"

#include "framework/Prompt.h"
#include "framework/Text.h"
#include "resources/Fonts.h"
#include "resources/NamingTexts.h"
#include "widgets/OwnerDrawListCtrl.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace tessary {
namespace {

constexpr int kNameColumnWidth = 134;
constexpr int kInitialColumnWidth = 134;
constexpr int kOwnerColumnWidth = 132;
// Rows the names list shows without scrolling.
constexpr int kVisibleRows = 14;

} // namespace

CNameCustomizeDialog::CNameCustomizeDialog(QWidget* parent, fw::CPrompt& prompt,
                                           const Catalogue& current)
    : QDialog(parent), prompt_(prompt), working_(buildNamingCopy(current)) {
    setFont(res::dialogFont());
    setWindowTitle(msg::namingTitle());

    auto* kindLabel = new QLabel(msg::namingKindLabel(), this);
    kindBox_ = new QComboBox(this);
    kindBox_->addItems(msg::namingKinds());
    kindBox_->setMinimumWidth(kindBox_->sizeHint().width() + 24);
    kindLabel->setBuddy(kindBox_);

    list_ = new COwnerDrawListCtrl(this);
    list_->setDrawMode(DrawMode::Plain);
    const int listWidth = kNameColumnWidth + kInitialColumnWidth + kOwnerColumnWidth +
                          list_->verticalScrollBar()->sizeHint().width() + 2 * list_->frameWidth();
    list_->setMinimumSize(listWidth, 18 * kVisibleRows + list_->fontMetrics().height() + 12);

    editButton_ = new QPushButton(msg::namingEditButton(), this);
    resetButton_ = new QPushButton(msg::namingResetButton(), this);
    saveButton_ = new QPushButton(msg::namingSaveButton(), this);
    cancelButton_ = new QPushButton(msg::namingCancelButton(), this);
    editButton_->setDefault(true);
    saveButton_->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->addWidget(kindLabel);
    top->addWidget(kindBox_);
    top->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(editButton_);
    buttons->addWidget(resetButton_);
    buttons->addStretch(1);
    buttons->addWidget(saveButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    setTabOrder(kindBox_, list_);
    setTabOrder(list_, editButton_);
    setTabOrder(editButton_, resetButton_);
    setTabOrder(resetButton_, saveButton_);
    setTabOrder(saveButton_, cancelButton_);

    connect(kindBox_, &QComboBox::currentIndexChanged, this, [this] { fillList(); });
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateEditButton(); });
    connect(list_, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { startEdit(index.row()); });
    // The editor stays over its row only while the list does not scroll.
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { endEdit(true); });
    connect(list_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { endEdit(true); });
    connect(editButton_, &QPushButton::clicked, this, &CNameCustomizeDialog::editSelected);
    connect(resetButton_, &QPushButton::clicked, this, &CNameCustomizeDialog::resetNames);
    connect(saveButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    list_->installEventFilter(this);

    fillList();
}

CNameCustomizeDialog::~CNameCustomizeDialog() = default;

int CNameCustomizeDialog::exec() {
    if (!working_) {
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void CNameCustomizeDialog::chooseKind(NamingKind kind) {
    kindBox_->setCurrentIndex(static_cast<int>(kind));
}

NamingKind CNameCustomizeDialog::kind() const {
    return static_cast<NamingKind>(std::clamp(kindBox_->currentIndex(), 0, kNamingKindCount - 1));
}

void CNameCustomizeDialog::fillList() {
    endEdit(false);
    list_->resetColumns();
    const NamingKind shown = kind();
    list_->addColumn(msg::namingNameColumn(), kNameColumnWidth);
    list_->addColumn(msg::namingInitialColumn(), kInitialColumnWidth);
    if (namingColumnCount(shown) == 3) {
        list_->addColumn(shown == NamingKind::Type ? msg::namingCategoryColumn()
                                                   : msg::namingGroupColumn(),
                         kOwnerColumnWidth);
    }
    if (working_) {
        for (const NamingRow& row : namingRows(*working_, shown)) {
            QStringList texts;
            for (int c = 0; c < namingColumnCount(shown); ++c) {
                texts.append(fw::fromCp932(row.texts[static_cast<std::size_t>(c)]));
            }
            list_->addRow(texts, static_cast<std::uint32_t>(row.entry));
        }
    }
    updateEditButton();
}

int CNameCustomizeDialog::selectedRow() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CNameCustomizeDialog::updateEditButton() {
    editButton_->setEnabled(selectedRow() >= 0);
}

void CNameCustomizeDialog::editSelected() {
    const int row = selectedRow();
    if (row >= 0) {
        startEdit(row);
    }
}

void CNameCustomizeDialog::startEdit(int row) {
    if (editor_ != nullptr || !working_ || row < 0 || row >= list_->rowCount()) {
        return;
    }
    list_->setFocus();
    const CatalogueEntry& entry = working_->entries()[list_->itemData(row)];
    const QModelIndex cell = list_->model()->index(row, 0);
    QItemSelectionModel* selection = list_->selectionModel();
    editRow_ = row;
    editRowSelected_ = selection->isRowSelected(row, {});
    editRowCurrent_ = list_->currentRow() == row;
    // The row's own text and state stay out of sight while the editor covers it.
    list_->setText(row, 0, QString());
    selection->clear();

    editor_ = new QLineEdit(list_->viewport());
    editor_->setFont(list_->font());
    editor_->setText(fw::fromCp932(entry.name));
    editor_->selectAll();
    QRect area = list_->visualRect(cell);
    const int height = std::max(area.height(), editor_->sizeHint().height());
    area.setTop(area.center().y() - height / 2);
    area.setHeight(height);
    area.setWidth(std::max(area.width(), 80));
    editor_->setGeometry(area);
    editor_->installEventFilter(this);
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
    updateEditButton();
}

void CNameCustomizeDialog::endEdit(bool commit) {
    if (editor_ == nullptr) {
        return;
    }
    // Taken out first: hiding the editor moves the focus, which must not end the edit again.
    QLineEdit* editor = editor_;
    editor_ = nullptr;
    const int row = editRow_;
    editRow_ = -1;
    const QString typed = editor->text();
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
    if (!working_ || row < 0 || row >= list_->rowCount()) {
        return;
    }

    CatalogueEntry& entry = working_->entries()[list_->itemData(row)];
    NameCheck check = NameCheck::Ok;
    if (commit) {
        const NameCheckResult result = checkNewName(typed.toUtf8().toStdString());
        check = result.check;
        if (check == NameCheck::Ok) {
            entry.name = result.name;
            saveButton_->setEnabled(true);
        }
    }
    // Whatever happened, the row shows the name in force and its state comes back.
    list_->setText(row, 0, fw::fromCp932(namingCellText(entry)));
    QItemSelectionModel* selection = list_->selectionModel();
    const QModelIndex cell = list_->model()->index(row, 0);
    if (editRowCurrent_) {
        selection->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
    }
    if (editRowSelected_) {
        selection->select(cell, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    updateEditButton();

    switch (check) {
    case NameCheck::Ok:
        break;
    case NameCheck::Empty:
        prompt_.warn(this, msg::nameEmpty());
        break;
    case NameCheck::TooLong:
        prompt_.warn(this, msg::nameTooLong());
        break;
    case NameCheck::Unrepresentable:
        prompt_.warn(this, msg::nameUnusable());
        break;
    }
}

void CNameCustomizeDialog::resetNames() {
    endEdit(false);
    if (!working_ || !prompt_.confirm(this, msg::namesResetQuestion())) {
        return;
    }
    tessary::resetNames(*working_);
    fillList();
    saveButton_->setEnabled(true);
}

bool CNameCustomizeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (editor_ != nullptr && watched == editor_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                // Enter takes the name and Escape drops it; neither reaches the dialog's buttons.
                endEdit(key != Qt::Key_Escape);
                list_->setFocus();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut &&
                   static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            // Clicking elsewhere takes the name, as a desktop list's label editing does.
            endEdit(true);
        }
    } else if (watched == list_ && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
        editSelected();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tessary
