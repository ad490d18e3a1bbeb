// The simple-text command of the deed list: the selected deed's names, in the user's item order,
// put on the clipboard as plain text.
#include "views/DeedView.h"

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
    if (ui.id() != cmd::SimpleText) {
        return false;
    }
    ui.enable(selectedDeed() != nullptr);
    return true;
}

bool CDeedView::runTextCommand(int id) {
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

} // namespace tessary
