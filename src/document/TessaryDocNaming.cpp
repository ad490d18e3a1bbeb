// Putting new catalogue names in force in the desktop document.
#include "document/TessaryDoc.h"

#include "content/ApplyNames.h"
#include "data/NameCustomization.h"
#include "framework/Text.h"
#include "framework/WaitCursor.h"
#include "platform/ProfileFile.h"
#include "resources/CommandIds.h"
#include "resources/NamingTexts.h"

namespace tessary {

void CTessaryDoc::applyNames(const Catalogue& working) {
    bool written = false;
    {
        fw::CWaitCursor wait;
        written = applyRenamedCatalogue(data_, renamedCatalogue(working), settings_);
        updateAllViews(nullptr, kHintNamesChanged);
    }
    if (!written) {
        prompt().warn(dialogParent(), msg::namesNotWritten(fw::fromPath(settings_.path())));
    }
}

} // namespace tessary
