#include "dialogs/DeedEntryDialog.h"

#include "data/CommentHistory.h"
#include "document/TessaryDoc.h"
#include "framework/InputMethod.h"
#include "framework/Text.h"
#include "platform/Cp932.h"
#include "resources/DeedEditTexts.h"
#include "resources/Fonts.h"
#include "resources/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <iterator>
#include <utility>

namespace tessary {

// Keeps what is typed or pasted into the comment field within the typing limit, counted in CP932
// bytes, and on one line. Only the inserted part is cut (at a character boundary), so a longer
// comment read from a file stays whole and can still be shortened. Text the dialog sets itself
// and the entries of the history list are taken as they are.
class CCommentValidator : public QValidator {
public:
    explicit CCommentValidator(QComboBox* box) : QValidator(box), box_(box) {}

    // Runs `set` (which changes the field's text) with its text taken as it is.
    template <class Set>
    void trusted(Set&& set) {
        trusted_ = true;
        set();
        trusted_ = false;
        committed_ = box_->currentText();
    }

    State validate(QString& input, int& pos) const override {
        if (input == committed_ || trusted_ || isListEntry(input)) {
            committed_ = input;
            return Acceptable;
        }
        // The text before the change and the new text share a start and an end; what lies
        // between them in the new text was typed or pasted.
        const QString& before = committed_;
        const qsizetype shorter = std::min(before.size(), input.size());
        // The caret stands right after the inserted text, which settles where a run of equal
        // characters was added.
        const qsizetype caret = std::clamp<qsizetype>(pos, 0, input.size());
        qsizetype tail = 0;
        while (tail < shorter && tail < input.size() - caret &&
               before[before.size() - 1 - tail] == input[input.size() - 1 - tail]) {
            ++tail;
        }
        qsizetype head = 0;
        while (head < shorter - tail && before[head] == input[head]) {
            ++head;
        }
        // Never split a surrogate pair between the kept and the inserted part.
        if (head > 0 && input[head - 1].isHighSurrogate()) {
            --head;
        }
        if (tail > 0 && input[input.size() - tail].isLowSurrogate()) {
            --tail;
        }
        const QString inserted = input.mid(head, input.size() - head - tail);
        if (inserted.isEmpty()) {
            committed_ = input;
            return Acceptable;
        }
        const std::size_t keptBytes = fw::toCp932(input.left(head) + input.right(tail)).size();
        const std::size_t room =
            keptBytes >= kCommentTypingLimit ? 0 : kCommentTypingLimit - keptBytes;
        const QByteArray utf8 = inserted.toUtf8();
        std::string cp932 = utf8ToCp932(singleLineText(
            std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))));
        cp932.resize(cp932PrefixWithin(cp932, room));
        const QString fitted = fw::fromCp932(cp932);
        if (fitted != inserted) {
            input = input.left(head) + fitted + input.right(tail);
            pos = static_cast<int>(head + fitted.size());
        }
        committed_ = input;
        return Acceptable;
    }

private:
    bool isListEntry(const QString& text) const {
        for (int i = 0; i < box_->count(); ++i) {
            if (box_->itemText(i) == text) {
                return true;
            }
        }
        return false;
    }

    QComboBox* box_;
    bool trusted_ = false;
    // The field's text as last let through.
    mutable QString committed_;
};

namespace {

QComboBox* newList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setMinimumWidth(190);
    list->setMaxVisibleItems(12);
    return list;
}

} // namespace

CDeedEntryDialog::CDeedEntryDialog(QWidget* parent, CTessaryDoc& doc, const CatalogueEntry* node,
                                   const Deed* preset, fw::CInputMethod* inputMethod)
    : QDialog(parent), doc_(doc), node_(node), group_(node != nullptr ? node->group() : 0),
      nodeCategory_(node != nullptr ? node->category() : 0),
      inputMethod_(inputMethod != nullptr ? inputMethod : &fw::CInputMethod::current()) {
    if (preset != nullptr) {
        deed_ = *preset;
    }
    buildControls();
    fillOnOpening();
}

CDeedEntryDialog::~CDeedEntryDialog() = default;

void CDeedEntryDialog::buildControls() {
    setObjectName(QStringLiteral("DeedEntryDialog"));
    setFont(res::dialogFont());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    groupList_ = newList(this, "groupList");
    categoryList_ = newList(this, "categoryList");
    typeList_ = newList(this, "typeList");
    materialList_ = newList(this, "materialList");
    qualityList_ = newList(this, "qualityList");
    quantityList_ = newList(this, "quantityList");

    commentBox_ = newList(this, "commentBox");
    commentBox_->setEditable(true);
    // The list is the history: typing adds nothing to it and completes nothing from it.
    commentBox_->setInsertPolicy(QComboBox::NoInsert);
    commentBox_->setCompleter(nullptr);
    commentValidator_ = new CCommentValidator(commentBox_);
    commentBox_->setValidator(commentValidator_);
    commentBox_->installEventFilter(this);

    combineFrame_ = new QGroupBox(msg::entryCombineFrame(), this);
    combineFrame_->setObjectName(QStringLiteral("combineFrame"));
    combineFrame_->setMinimumWidth(200);

    checkPanel_ = new QWidget(combineFrame_);
    auto* checkLayout = new QVBoxLayout(checkPanel_);
    checkLayout->setContentsMargins(0, 0, 0, 0);
    checkLayout->setSpacing(4);
    for (int i = 0; i < kCheckBoxCount; ++i) {
        auto* box = new QCheckBox(checkPanel_);
        box->setObjectName(QStringLiteral("combineCheck%1").arg(i));
        checkLayout->addWidget(box);
        checkBoxes_[static_cast<std::size_t>(i)] = box;
    }
    checkLayout->addStretch(1);

    countPanel_ = new QWidget(combineFrame_);
    auto* countLayout = new QHBoxLayout(countPanel_);
    countLayout->setContentsMargins(0, 0, 0, 0);
    combineCountLabel_ = new QLabel(msg::entryCombineCountLabel(), countPanel_);
    combineCountLabel_->setObjectName(QStringLiteral("combineCountLabel"));
    combineCountList_ = new QComboBox(countPanel_);
    combineCountList_->setObjectName(QStringLiteral("combineCountList"));
    combineCountList_->setMinimumWidth(80);
    combineCountList_->setMaxVisibleItems(12);
    combineCountLabel_->setBuddy(combineCountList_);
    countLayout->addWidget(combineCountLabel_);
    countLayout->addWidget(combineCountList_);
    countLayout->addStretch(1);

    // The check boxes and the combine count take the same place; one of them is shown.
    auto* frameLayout = new QGridLayout(combineFrame_);
    frameLayout->setContentsMargins(12, 8, 12, 8);
    frameLayout->addWidget(checkPanel_, 0, 0, Qt::AlignTop);
    frameLayout->addWidget(countPanel_, 0, 0, Qt::AlignTop);

    acceptButton_ = new QPushButton(msg::accept(), this);
    acceptButton_->setObjectName(QStringLiteral("acceptButton"));
    acceptButton_->setDefault(true);
    acceptButton_->setMinimumWidth(80);
    cancelButton_ = new QPushButton(msg::cancel(), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setMinimumWidth(80);
    connect(acceptButton_, &QPushButton::clicked, this, &CDeedEntryDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &CDeedEntryDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->setContentsMargins(14, 14, 14, 12);
    const std::pair<QString, QComboBox*> rows[] = {
        {msg::entryGroupLabel(), groupList_},     {msg::entryCategoryLabel(), categoryList_},
        {msg::entryTypeLabel(), typeList_},       {msg::entryMaterialLabel(), materialList_},
        {msg::entryQualityLabel(), qualityList_}, {msg::entryQuantityLabel(), quantityList_},
        {msg::entryCommentLabel(), commentBox_}};
    int row = 0;
    for (const auto& [text, list] : rows) {
        auto* label = new QLabel(text, this);
        label->setBuddy(list);
        grid->addWidget(label, row, 0);
        if (list == commentBox_) {
            grid->addWidget(list, row, 1, 1, 2);
        } else {
            grid->addWidget(list, row, 1);
        }
        ++row;
    }
    grid->addWidget(combineFrame_, 0, 2, 6, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(acceptButton_);
    buttons->addWidget(cancelButton_);
    grid->addItem(new QSpacerItem(0, 4), row++, 0);
    grid->addLayout(buttons, row, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    // The dialog keeps the size its controls need; it is not resized by hand.
    grid->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* order[] = {groupList_,     categoryList_,     typeList_,      materialList_,
                        qualityList_,   quantityList_,     commentBox_,    checkBoxes_[0],
                        checkBoxes_[1], checkBoxes_[2],    checkBoxes_[3], checkBoxes_[4],
                        checkBoxes_[5], combineCountList_, acceptButton_,  cancelButton_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(categoryList_, &QComboBox::currentIndexChanged, this, [this] { categoryChanged(); });
    connect(typeList_, &QComboBox::currentIndexChanged, this, [this] { typeChanged(); });
    connect(quantityList_, &QComboBox::currentIndexChanged, this, [this] { quantityChanged(); });
    connect(commentBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { commentChosen(index); });
}

void CDeedEntryDialog::fillOnOpening() {
    preset_ = deed_.serialNumber != 0;
    setWindowTitle(preset_ ? msg::entryUpdateTitle() : msg::entryRegisterTitle());

    fill(groupList_, kComboGroups, 0, 0, 0);
    {
        const QSignalBlocker blocker(groupList_);
        groupList_->setCurrentIndex(groupList_->findData(group_));
    }
    groupList_->setEnabled(false);

    fill(categoryList_, kComboCategories, group_, 0, 0);
    if (nodeCategory_ != 0 || preset_) {
        const QSignalBlocker blocker(categoryList_);
        categoryList_->setCurrentIndex(
            categoryList_->findData(preset_ ? deed_.category() : nodeCategory_));
    }
    categoryList_->setEnabled(nodeCategory_ == 0);
    categoryChanged();

    fill(qualityList_, kComboQualities, 0, 0, 0, deed_.quality());

    {
        const QSignalBlocker blocker(commentBox_);
        for (const std::string& value : readCommentHistory(doc_.settings())) {
            commentBox_->addItem(fw::fromCp932(value),
                                 QByteArray(value.data(), static_cast<qsizetype>(value.size())));
        }
    }
    commentValidator_->trusted([this] {
        const QSignalBlocker blocker(commentBox_);
        commentBox_->setCurrentIndex(-1);
        commentBox_->setEditText(preset_ ? fw::fromCp932(deed_.comment) : QString());
    });
    commentOriginal_ = preset_ ? deed_.comment : std::string();
    commentShown_ = commentBox_->currentText();

    preset_ = false;
}

void CDeedEntryDialog::fill(QComboBox* list, ComboKind kind, int a, int b, int c, int presetValue) {
    std::vector<ComboChoice> choices;
    doc_.catalogue().fillCombo(choices, kind, a, b, c);
    const QSignalBlocker blocker(list);
    list->clear();
    for (const ComboChoice& choice : choices) {
        list->addItem(fw::fromCp932(choice.text), choice.data);
    }
    if (preset_) {
        list->setCurrentIndex(list->findData(presetValue));
    } else {
        list->setCurrentIndex(list->count() > 0 ? 0 : -1);
    }
}

int CDeedEntryDialog::selectedData(const QComboBox* list) {
    return list->currentIndex() < 0 ? 0 : list->currentData().toInt();
}

void CDeedEntryDialog::categoryChanged() {
    const int category = selectedData(categoryList_);
    fill(typeList_, kComboTypes, group_, category, 0, deed_.type());
    fill(materialList_, kComboMaterials, group_, 0, 0, deed_.material());
    // A single material needs no choice; but when a deed read from a file names a material the
    // group does not have, the list stays open so the refused entry can be put right.
    materialList_->setEnabled(materialList_->count() > 1 ||
                              (materialList_->count() == 1 && materialList_->currentIndex() < 0));
    typeChanged();
}

void CDeedEntryDialog::typeChanged() {
    const int category = selectedData(categoryList_);
    const int type = selectedData(typeList_);
    if (type == 0) {
        // No type: no quantities to offer.
        const QSignalBlocker blocker(quantityList_);
        quantityList_->clear();
    } else {
        fill(quantityList_, kComboQuantities, group_, category, type, deed_.quantity());
    }
    const bool large = type == 1;
    showCheckBoxes(large);
    if (!large) {
        quantityChanged();
        return;
    }
    {
        const QSignalBlocker blocker(combineCountList_);
        combineCountList_->setCurrentIndex(-1);
    }
    const Catalogue& catalogue = doc_.catalogue();
    const int parts = catalogue.partCountOf(group_, category, 1);
    for (int i = 0; i < kCheckBoxCount; ++i) {
        QCheckBox* box = checkBoxes_[static_cast<std::size_t>(i)];
        if (i < parts) {
            box->setText(
                fw::fromCp932(catalogue.nameOf(kNameType, group_, category, i + 2, 0, 0, 0)));
            box->setVisible(true);
        } else {
            box->setVisible(false);
            box->setText(QString());
        }
        box->setChecked(preset_ && (deed_.combined & (1u << (15 - i))) != 0);
    }
}

void CDeedEntryDialog::quantityChanged() {
    if (selectedData(typeList_) == 1) {
        for (QCheckBox* box : checkBoxes_) {
            box->setChecked(false);
        }
        return;
    }
    const int quantity = selectedData(quantityList_);
    if (quantity == 0) {
        const QSignalBlocker blocker(combineCountList_);
        combineCountList_->clear();
        return;
    }
    fill(combineCountList_, kComboCombineCounts, quantity, 0, 0, deed_.combined);
}

void CDeedEntryDialog::showCheckBoxes(bool large) {
    combineCountLabel_->setVisible(!large);
    combineCountList_->setVisible(!large);
    countPanel_->setVisible(!large);
    checkPanel_->setVisible(large);
    if (!large) {
        for (QCheckBox* box : checkBoxes_) {
            box->setVisible(false);
            box->setText(QString());
            box->setChecked(false);
        }
    }
}

void CDeedEntryDialog::refuse(QComboBox* list, const QString& text) {
    doc_.prompt().warn(this, text);
    list->setFocus(Qt::OtherFocusReason);
}

void CDeedEntryDialog::accept() {
    if (nodeCategory_ == 0 && categoryList_->currentIndex() < 0) {
        return refuse(categoryList_, msg::noCategorySelected());
    }
    if (typeList_->currentIndex() < 0) {
        return refuse(typeList_, msg::noTypeSelected());
    }
    if (materialList_->currentIndex() < 0) {
        return refuse(materialList_, msg::noMaterialSelected());
    }
    if (qualityList_->currentIndex() < 0) {
        return refuse(qualityList_, msg::noQualitySelected());
    }
    if (quantityList_->currentIndex() < 0) {
        return refuse(quantityList_, msg::noQuantitySelected());
    }
    const int type = selectedData(typeList_);
    if (type > 1 && combineCountList_->currentIndex() < 0) {
        return refuse(combineCountList_, msg::noCombineCountSelected());
    }

    const int category =
        categoryList_->currentIndex() >= 0 ? selectedData(categoryList_) : nodeCategory_;
    deed_.itemCode = Deed::makeItemCode(group_, category, type, selectedData(materialList_));
    deed_.orderCode = Deed::makeOrderCode(selectedData(qualityList_), selectedData(quantityList_));
    if (type == 1) {
        unsigned combined = 0;
        for (int i = 0; i < kCheckBoxCount; ++i) {
            if (checkBoxes_[static_cast<std::size_t>(i)]->isChecked()) {
                combined |= 1u << (15 - i);
            }
        }
        deed_.combined = static_cast<std::uint16_t>(combined);
    } else {
        deed_.combined = static_cast<std::uint16_t>(selectedData(combineCountList_));
    }
    deed_.comment = commentBytes();
    doc_.data().fillDerived(deed_);
    saveCommentHistory(deed_.comment);
    QDialog::accept();
}

std::string CDeedEntryDialog::commentBytes() const {
    const QString text = commentBox_->currentText();
    if (text == commentShown_) {
        // Unedited: the bytes as they were read, even when they are longer than the typing
        // limit or not valid CP932.
        return commentOriginal_;
    }
    const QByteArray utf8 = text.toUtf8();
    return utf8ToCp932(
        singleLineText(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))));
}

void CDeedEntryDialog::commentChosen(int index) {
    if (index < 0) {
        return;
    }
    // A history entry keeps its stored bytes while it is not edited.
    const QByteArray bytes = commentBox_->itemData(index).toByteArray();
    commentOriginal_.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    commentShown_ = commentBox_->itemText(index);
}

void CDeedEntryDialog::saveCommentHistory(const std::string& comment) {
    std::vector<std::string> shown;
    shown.reserve(static_cast<std::size_t>(commentBox_->count()));
    for (int i = 0; i < commentBox_->count(); ++i) {
        const QByteArray bytes = commentBox_->itemData(i).toByteArray();
        shown.emplace_back(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    // A settings file that cannot be written loses only the history, never the entry.
    writeCommentHistory(doc_.settings(), commentHistoryWrites(comment, shown));
}

bool CDeedEntryDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == commentBox_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // The drop-down list of the field takes the focus only for a moment.
        const bool popup = static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
        if (!popup && event->type() == QEvent::FocusIn) {
            inputMethodWasOpen_ = inputMethod_->isOpen(commentBox_);
            if (!inputMethodWasOpen_) {
                inputMethod_->setOpen(commentBox_, true);
            }
        } else if (!popup && inputMethod_->isOpen(commentBox_) && !inputMethodWasOpen_) {
            inputMethod_->setOpen(commentBox_, false);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tessary
