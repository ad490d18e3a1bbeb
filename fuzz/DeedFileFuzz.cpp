// Feeds arbitrary bytes to the deed file reader: it must never crash, never read past the input,
// and whatever it accepts must write back into a file that reads to the same deeds.
#include "FuzzScratch.h"
#include "content/DeedDocument.h"
#include "platform/AtomicFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tessary::DeedDocument doc;
    doc.catalogue().buildDefault();
    doc.readDocument(bytes);

    const std::string written = doc.writeDocument();
    tessary::DeedDocument again;
    again.catalogue().buildDefault();
    if (!again.readDocument(written).ok() || again.deeds().size() != doc.deeds().size()) {
        std::abort();
    }
    for (std::size_t i = 0; i < doc.deeds().size(); ++i) {
        if (!again.deeds()[i]->sameStoredFields(*doc.deeds()[i])) {
            std::abort();
        }
    }
    if (again.writeDocument() != written) {
        std::abort();
    }

    // The same bytes appended to a document (as a file, the way append-load reads them)
    // renumber every deed they hold.
    if (!tessary::replaceFileAtomically(fuzzing::scratchFile("appended.dat"), bytes)) {
        std::abort();
    }
    const std::uint32_t before = again.serialCounter();
    const std::size_t count = again.deeds().size();
    again.appendDocument(fuzzing::scratchFile("appended.dat"), std::string());
    for (std::size_t i = count; i < again.deeds().size(); ++i) {
        if (again.deeds()[i]->serialNumber !=
            static_cast<std::uint32_t>(before + (i - count) + 1)) {
            std::abort();
        }
    }
    return 0;
}
