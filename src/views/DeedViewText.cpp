// The text commands of the deed list: the simple text (the selected deed's names, in the user's
// item order, put on the clipboard as plain text) and the export of the shown or missing deeds to
// a text file.
#include "views/DeedView.h"

#include "dialogs/ExportDialog.h"
#include "document/TessaryDoc.h"
#include "exchange/SimpleText.h"
#include "framework/CmdUI.h"
#include "framework/Text.h"
#include "platform/ProfileFile.h"
#include "resources/CommandIds.h"
#include "resources/SettingsKeys.h"

#include <QClipboard>
#include <QGuiApplication>

#include <string>

namespace tessary {

bool CDeedView::updateTextCommand(fw::CCmdUI& ui) {
    if (ui.id() == cmd::Export) {
        ui.enable(true);
        return true;
    }
    if (ui.id() != cmd::SimpleText) {
        return false;
    }
    ui.enable(selectedDeed() != nullptr);
    return true;
}

bool CDeedView::runTextCommand(int id) {
    if (id == cmd::Export) {
        exportCommand();
        return true;
    }
    if (id != cmd::SimpleText) {
        return false;
    }
    if (doc()->selectedEntry() == nullptr) {
        return true;
    }
    const std::string order = settings::read(doc()->settings(), settings::kSimpleTextOrder);
    const Deed* deed = selectedDeed();
    if (deed == nullptr) {
        return true;
    }
    // The text is built in CP932 and converted for the clipboard; an empty text still replaces
    // what the clipboard held.
    const std::string text = buildSimpleText(*deed, doc()->catalogue(), order);
    QGuiApplication::clipboard()->setText(fw::fromCp932(text));
    return true;
}

void CDeedView::exportCommand() {
    const DeedDocument& data = doc()->data();
    CExportDialog::Source source;
    source.catalogue = &data.catalogue();
    source.rows = &rows();
    source.node = data.selectedEntry();
    source.deedFilter = data.deedFilter();
    source.sortItem = data.deedSort().sortItem;
    source.sortDescending = data.deedSort().sortDescending;
    source.sortOrder = data.deedSort().sortOrder;
    CExportDialog dialog(this, doc()->prompt(), std::move(source));
    dialog.exec();
}

} // namespace tessary
