#include "app/MainFrame.h"

#include "app/TessaryApp.h"
#include "data/ItemOrder.h"
#include "dialogs/ItemOrderDialog.h"
#include "document/TessaryDoc.h"
#include "framework/CommandRouter.h"
#include "framework/WaitCursor.h"
#include "framework/WindowPlacement.h"
#include "platform/PlacementText.h"
#include "platform/ProfileFile.h"
#include "resources/CommandIds.h"
#include "resources/Images.h"
#include "resources/ListTexts.h"
#include "resources/MenuTable.h"
#include "resources/Messages.h"
#include "resources/SettingsKeys.h"
#include "views/CategoryView.h"
#include "views/ConditionView.h"
#include "views/DeedView.h"
#include "views/EntityListFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace tessary {

namespace {

// A status pane as wide as its sizing text.
QLabel* makePane(QWidget* parent, const QString& sizingText) {
    auto* label = new QLabel(parent);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(sizingText) + 8);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

CMainFrame::CMainFrame(CTessaryApp& app, CTessaryDoc& doc) : app_(app), doc_(doc) {
    fw::CWaitCursor wait;
    setWindowIcon(images::appIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);
    doc_.setDialogParent(this);

    router_ = new fw::CCommandRouter([this] { return commandChain(); }, this);
    res::registerCommands(*router_);
    res::buildMenuBar(menuBar(), *router_);
    connect(router_, &fw::CCommandRouter::commandExecuted, this, [this] { refreshStatusPanes(); });

    // Pane 0 shows the prompt of the highlighted menu item, otherwise "レディ".
    panes_[0] = new QLabel(msg::ready(), this);
    statusBar()->addWidget(panes_[0], 1);
    panes_[1] = makePane(this, msg::deedCountPaneSizing());
    panes_[2] = makePane(this, msg::sortPaneName(msg::deedSortItems(), kSortBySerial));
    panes_[3] = makePane(this, msg::filterSet());
    for (int i = 1; i < 4; ++i) {
        statusBar()->addPermanentWidget(panes_[i]);
    }

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setChildrenCollapsible(false);
    setCentralWidget(splitter_);
    const int treeWidth =
        std::max(0, settings::read(doc_.settings(), settings::kCategoryViewWidth));
    tree_ = new CCategoryView(&doc_, splitter_);
    splitter_->addWidget(tree_);
    attachList(new CDeedView(&doc_, splitter_));
    splitter_->setSizes({treeWidth, std::max(1, width() - treeWidth)});
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);

    tree_->attachTo(&doc_);
    list_->attachTo(&doc_);

    doc_.titleChanged = [this] { updateTitle(); };
    doc_.viewsChanged = [this] { updateTitle(); };
    qApp->installEventFilter(this);

    // The panes follow the document while the program is idle, too.
    auto* idle = new QTimer(this);
    connect(idle, &QTimer::timeout, this, [this] { refreshStatusPanes(); });
    idle->start(250);
    updateTitle();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    doc_.titleChanged = nullptr;
    doc_.viewsChanged = nullptr;
    if (!layoutSaved_) {
        saveLayout();
    }
    // The type list window keeps its place and widths like on any other close.
    delete typeList_.data();
    // The list views save their column widths as they go.
    delete list_;
    list_ = nullptr;
    delete tree_;
    tree_ = nullptr;
    doc_.setDialogParent(nullptr);
}

CDeedView* CMainFrame::deedView() const {
    return dynamic_cast<CDeedView*>(list_);
}

CConditionView* CMainFrame::conditionView() const {
    return dynamic_cast<CConditionView*>(list_);
}

std::vector<fw::CCommandTarget*> CMainFrame::commandChain() {
    std::vector<fw::CCommandTarget*> chain;
    for (fw::CView* view : doc_.views()) {
        chain.push_back(view);
    }
    chain.push_back(&doc_);
    chain.push_back(this);
    chain.push_back(&app_);
    return chain;
}

void CMainFrame::attachList(CTessaryListView* list) {
    list_ = list;
    splitter_->insertWidget(1, list_);
    connect(list_, &CTessaryListView::contextMenuRequested, this, &CMainFrame::trackPopup);
}

void CMainFrame::initialUpdateViews() {
    tree_->onInitialUpdate();
    list_->onInitialUpdate();
    updateTitle();
    refreshStatusPanes();
}

template <class View>
void CMainFrame::switchList() {
    if (dynamic_cast<View*>(list_) != nullptr) {
        return;
    }
    fw::CWaitCursor wait;
    const bool listHadFocus = list_->hasFocus();
    const QList<int> sizes = splitter_->sizes();
    CTessaryListView* old = list_;
    list_ = nullptr;
    delete old;
    attachList(new View(&doc_, splitter_));
    list_->attachTo(&doc_);
    list_->onInitialUpdate();
    splitter_->setSizes(sizes);
    doc_.updateAllViews(nullptr, kHintListSwitched);
    if (listHadFocus) {
        list_->setFocus();
    }
    updateTitle();
    refreshStatusPanes();
}

void CMainFrame::showTypeList() {
    if (CEntityListFrame* open = typeListFrame()) {
        open->activate();
        return;
    }
    fw::CWaitCursor wait;
    typeList_ = new CEntityListFrame(doc_, &app_);
    typeList_->open();
}

CEntityListFrame* CMainFrame::typeListFrame() const {
    // A closed window waits for its deletion; it no longer counts.
    return typeList_ != nullptr && typeList_->isVisible() ? typeList_.data() : nullptr;
}

void CMainFrame::showDeedList() {
    switchList<CDeedView>();
}
void CMainFrame::showConditionList() {
    switchList<CConditionView>();
}

void CMainFrame::updateTitle() {
    QString title = msg::appTitle();
    if (!doc_.title().isEmpty()) {
        title += QStringLiteral(" - ") + doc_.title();
    }
    if (deedView() != nullptr) {
        title += msg::deedListTitle();
    } else if (conditionView() != nullptr) {
        title += msg::conditionListTitle();
    }
    setWindowTitle(title);
}

QString CMainFrame::paneText(int pane) const {
    const DeedDocument& data = doc_.data();
    if (deedView() != nullptr) {
        switch (pane) {
        case 1:
            return msg::deedCountPane(static_cast<qulonglong>(deedView()->rowCount()),
                                      static_cast<qulonglong>(data.deeds().size()));
        case 2:
            return msg::sortPaneName(msg::deedSortItems(), data.deedSort().sortItem);
        case 3:
            return data.isDeedFilterSet() ? msg::filterSet() : QString();
        default:
            return {};
        }
    }
    if (conditionView() != nullptr) {
        switch (pane) {
        case 2:
            return msg::sortPaneName(msg::conditionSortItems(), data.conditionSort().sortItem);
        case 3:
            return data.isConditionFilterSet() ? msg::filterSet() : QString();
        default:
            return {};
        }
    }
    return {};
}

void CMainFrame::refreshStatusPanes() {
    for (int pane = 1; pane < 4; ++pane) {
        const QString text = paneText(pane);
        if (panes_[pane]->text() != text) {
            panes_[pane]->setText(text);
        }
    }
}

void CMainFrame::restorePlacement(const std::string& stored) {
    fw::placeWindow(*this, parsePlacementText(stored, settings::kMainWindowPos.defaultValue));
}

std::string CMainFrame::placementValue() const {
    return formatPlacementText(fw::windowPlacement(*this));
}

void CMainFrame::saveLayout() {
    fw::CWaitCursor wait;
    ProfileFile& profile = doc_.settings();
    settings::write(profile, settings::kCategoryViewWidth,
                    tree_ != nullptr ? tree_->width() : settings::kCategoryViewWidth.defaultValue);
    settings::write(profile, settings::kMainWindowPos, placementValue());
    layoutSaved_ = true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!doc_.saveModified()) {
        event->ignore();
        return;
    }
    saveLayout();
    if (typeList_ != nullptr) {
        typeList_->close();
    }
    event->accept();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            QApplication::activeModalWidget() == nullptr) {
            QWidget* focus = QApplication::focusWidget();
            if (focus != nullptr && isAncestorOf(focus) && focus->window() == this) {
                // Tab (with or without Shift) moves between the tree and the list, and nothing
                // else sees it.
                const auto within = [focus](QWidget* w) {
                    return w != nullptr && (focus == w || w->isAncestorOf(focus));
                };
                if (within(tree_)) {
                    list_->setFocus(Qt::TabFocusReason);
                } else if (within(list_)) {
                    tree_->setFocus(Qt::TabFocusReason);
                }
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::trackPopup(int popup, const QPoint& globalPos) {
    QMenu* menu = res::buildPopup(popup, *router_, this);
    menu->exec(globalPos);
    delete menu;
}

bool CMainFrame::onUpdateCommand(fw::CCmdUI& ui) {
    switch (ui.id()) {
    case cmd::ShowDeedList:
        ui.setRadio(deedView() != nullptr);
        return true;
    case cmd::ShowConditionList:
        ui.setRadio(conditionView() != nullptr);
        return true;
    case cmd::ViewStatusBar:
        ui.setCheck(statusBar()->isVisible());
        return true;
    case cmd::AppExit:
        return true;
    case cmd::SimpleTextOrder:
        ui.enable(true);
        return true;
    default:
        return false;
    }
}

bool CMainFrame::onCommand(int id) {
    switch (id) {
    case cmd::ShowDeedList:
        showDeedList();
        return true;
    case cmd::ShowConditionList:
        showConditionList();
        return true;
    case cmd::ViewStatusBar:
        statusBar()->setVisible(!statusBar()->isVisible());
        return true;
    case cmd::AppExit:
        close();
        return true;
    case cmd::SimpleTextOrder: {
        // The next simple text reads the stored order; nothing else changes.
        CItemOrderDialog dialog(this, doc_.settings(), kItemOrderSimpleText);
        dialog.exec();
        return true;
    }
    default:
        return false;
    }
}

} // namespace tessary
