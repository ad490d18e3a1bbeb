#include "content/ApplyNames.h"

#include "content/DeedDocument.h"
#include "data/CataloguePersistence.h"

namespace tessary {

bool applyRenamedCatalogue(DeedDocument& doc, Catalogue renamed, ProfileFile& settings) {
    // The selection points into the old entries, which are about to be freed.
    const CatalogueEntry* selected = doc.selectedEntry();
    const std::uint32_t selectedKey = selected != nullptr ? selected->key : 0;
    doc.catalogue() = std::move(renamed);
    doc.setSelectedEntry(selectedKey != 0 ? doc.catalogue().findEntry(selectedKey) : nullptr);
    // A hand-edited settings file may have given other images or colours than the built-in ones
    // the renamed catalogue holds: the deeds show the ones now in force.
    for (const auto& deed : doc.deeds()) {
        doc.fillDerived(*deed);
    }
    doc.setRebuildPending(true);
    return saveCatalogue(settings, doc.catalogue());
}

} // namespace tessary
