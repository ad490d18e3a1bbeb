#include "views/EntityListFrame.h"

#include "document/TessaryDoc.h"
#include "framework/CommandRouter.h"
#include "framework/WaitCursor.h"
#include "framework/WindowPlacement.h"
#include "platform/ProfileFile.h"
#include "resources/Images.h"
#include "resources/MenuTable.h"
#include "resources/NamingTexts.h"
#include "resources/SettingsKeys.h"
#include "views/EntityListView.h"

#include <QCloseEvent>

namespace tessary {

CEntityListFrame::CEntityListFrame(CTessaryDoc& doc, fw::CCommandTarget* application)
    : QMainWindow(nullptr), doc_(doc), application_(application) {
    setAttribute(Qt::WA_DeleteOnClose, true);
    setWindowIcon(images::appIcon());
    setWindowTitle(msg::typeListTitle());

    view_ = new CEntityListView(&doc_, this);
    setCentralWidget(view_);
    view_->attachTo(&doc_);

    // The keys of the main window work here too; the commands go to the type list, the
    // document, this window and the application, so only the list commands find no handler.
    router_ = new fw::CCommandRouter(
        [this] {
            return std::vector<fw::CCommandTarget*>{view_, &doc_, this, application_};
        },
        this);
    res::registerCommands(*router_);
}

CEntityListFrame::~CEntityListFrame() {
    saveLayout();
}

void CEntityListFrame::open() {
    fw::CWaitCursor wait;
    view_->onInitialUpdate();
    const std::string stored = settings::read(doc_.settings(), settings::kEntityListPos);
    fw::placeWindow(*this, parsePlacementText(stored, settings::kEntityListPosWrongLength));
    view_->setFocus();
}

void CEntityListFrame::activate() {
    showNormal();
    raise();
    activateWindow();
}

void CEntityListFrame::saveLayout() {
    if (layoutSaved_) {
        return;
    }
    layoutSaved_ = true;
    settings::write(doc_.settings(), settings::kEntityListPos,
                    formatPlacementText(fw::windowPlacement(*this)));
    view_->saveColumnWidths();
    // A closed window takes no more hints and no more commands of the main window.
    view_->attachTo(nullptr);
}

void CEntityListFrame::closeEvent(QCloseEvent* event) {
    saveLayout();
    event->accept();
}

} // namespace tessary
