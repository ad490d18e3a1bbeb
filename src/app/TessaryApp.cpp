#include "app/TessaryApp.h"

#include "app/MainFrame.h"
#include "dialogs/DownloadCommand.h"
#include "dialogs/NameCustomizeDialog.h"
#include "document/TessaryDoc.h"
#include "framework/Prompt.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "platform/AtomicFile.h"
#include "platform/ProfileFile.h"
#include "resources/CommandIds.h"
#include "resources/Images.h"
#include "resources/Messages.h"
#include "resources/QtTranslation.h"
#include "resources/SettingsKeys.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cstring>

namespace tessary {

CTessaryApp::CTessaryApp(fw::CPrompt& prompt, std::string workingFolder, std::string markerFolder)
    : prompt_(prompt), folder_(std::move(workingFolder)),
      marker_(std::move(markerFolder), folder_) {
    if (folder_.empty() || folder_.back() != '/') {
        folder_ += '/';
    }
}

CTessaryApp::~CTessaryApp() {
    // The window goes before the document it shows.
    frame_.reset();
    doc_.reset();
}

bool CTessaryApp::start() {
    // Qt's own texts (standard buttons, file dialogs, context menus) in Japanese like the rest.
    if (!res::installQtTranslation()) {
        qWarning("Qt's Japanese translation (qtbase_ja.qm) is not installed; standard buttons and "
                 "dialogs stay in English");
    }
    switch (marker_.tryAcquire()) {
    case SingleInstanceLock::Outcome::Acquired:
        break;
    case SingleInstanceLock::Outcome::HeldElsewhere:
        prompt_.message(nullptr, msg::alreadyRunning(), fw::MsgButtons::Ok, fw::MsgIcon::Stop,
                        fw::MsgAnswer::Ok);
        return false;
    case SingleInstanceLock::Outcome::Failed:
        // Restarting the computer would not help here: say what could not be made, and why.
        prompt_.message(
            nullptr,
            msg::markerNotCreated(fw::fromPath(marker_.lockPath()),
                                  QString::fromLocal8Bit(std::strerror(marker_.error()))),
            fw::MsgButtons::Ok, fw::MsgIcon::Stop, fw::MsgAnswer::Ok);
        return false;
    }
    // No other instance works in this folder now, so no save of another is under way: the
    // temporary files there are what an interrupted save left behind.
    removeLeftoverTemporaryFiles(folder_);
    settings_ = std::make_unique<ProfileFile>(folder_ + settings::kFileName);
    doc_ = std::make_unique<CTessaryDoc>(prompt_, *settings_);

    // The working folder's default file, created when missing. A file that cannot be read ends
    // the program without writing anything to it.
    const QString folder = fw::fromPath(folder_);
    if (doc_->openFile(folder) != LoadEffect::Replaced) {
        return false;
    }

    frame_ = std::make_unique<CMainFrame>(*this, *doc_);
    doc_->initialUpdateFrame = [this] { frame_->initialUpdateViews(); };
    doc_->runDownload = [this] { CDownloadCommand(*doc_, frame_.get()).run(); };
    frame_->initialUpdateViews();
    frame_->restorePlacement(settings::read(*settings_, settings::kMainWindowPos));
    return true;
}

bool CTessaryApp::newDocument() {
    if (!doc_->saveModified()) {
        return false;
    }
    doc_->onNewDocument();
    frame_->initialUpdateViews();
    return true;
}

bool CTessaryApp::openDocumentFile(const QString& path) {
    // The file that is open already is not read again.
    if (doc_->isOpenFile(path)) {
        return true;
    }
    if (!doc_->saveModified()) {
        return false;
    }
    const LoadEffect effect = doc_->openFile(path);
    if (effect != LoadEffect::Untouched) {
        // New contents (or a new, empty document): the views start afresh, so no row points at
        // a deed that is gone.
        frame_->initialUpdateViews();
    }
    return effect == LoadEffect::Replaced;
}

void CTessaryApp::fileOpen() {
    fw::FileDialogSpec spec;
    spec.title = msg::openTitle();
    spec.filter = msg::deedFileFilter();
    const QString path = prompt_.openFileName(frame_.get(), spec);
    if (!path.isEmpty()) {
        openDocumentFile(path);
    }
}

void CTessaryApp::showAbout() {
    QDialog dialog(frame_.get());
    dialog.setWindowTitle(msg::aboutTitle());
    auto* icon = new QLabel(&dialog);
    icon->setPixmap(images::appIcon().pixmap(32, 32));
    auto* text = new QLabel(msg::aboutText(), &dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(row);
    layout->addWidget(buttons);
    dialog.exec();
}

void CTessaryApp::customizeNames() {
    // Over the window the command came from: the main window or the type list window.
    QWidget* parent =
        QApplication::activeWindow() != nullptr ? QApplication::activeWindow() : frame_.get();
    CNameCustomizeDialog dialog(parent, prompt_, doc_->catalogue());
    if (dialog.exec() == QDialog::Accepted && dialog.workingCopy()) {
        doc_->applyNames(*dialog.workingCopy());
    }
}

bool CTessaryApp::onUpdateCommand(fw::CCmdUI& ui) {
    switch (ui.id()) {
    case cmd::FileNew:
    case cmd::FileOpen:
    case cmd::About:
    case cmd::ShowTypeList:
    case cmd::CustomizeNames:
        return true;
    default:
        return false;
    }
}

bool CTessaryApp::onCommand(int id) {
    switch (id) {
    case cmd::FileNew:
        newDocument();
        return true;
    case cmd::FileOpen:
        fileOpen();
        return true;
    case cmd::About:
        showAbout();
        return true;
    case cmd::ShowTypeList:
        frame_->showTypeList();
        return true;
    case cmd::CustomizeNames:
        customizeNames();
        return true;
    default:
        return false;
    }
}

} // namespace tessary
