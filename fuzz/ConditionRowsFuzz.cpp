// Feeds arbitrary bytes as the settings file to the chain it drives: the catalogue is loaded from
// it, a few deeds of that catalogue are made, and the order-status rows are built and counted.
// However large a catalogue the file describes, the build must stay within the bound (the run
// sets a memory limit that an unbounded build exceeds), and the rows must be the ones counted,
// in ascending key order, each found by bisection.
#include "FuzzScratch.h"
#include "content/DeedDocument.h"
#include "data/CataloguePersistence.h"
#include "platform/AtomicFile.h"
#include "platform/ProfileFile.h"
#include "status/ConditionRows.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessary;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string& path = fuzzing::scratchFile("Tessary.ini");
    fuzzing::check(replaceFileAtomically(path, input), "settings file written");
    ProfileFile settings(path);
    DeedDocument doc;
    loadCatalogue(settings, doc.catalogue());

    // Deeds of the catalogue's own item types, large ones with every small type combined.
    const Catalogue& catalogue = doc.catalogue();
    int made = 0;
    for (const CatalogueEntry& e : catalogue.entries()) {
        if (made == 64) {
            break;
        }
        if (e.byte3() > kMaxGroupOrCategory || e.byte2() > kMaxGroupOrCategory || e.byte1() == 0) {
            continue;
        }
        auto deed = std::make_unique<Deed>();
        deed->itemCode = e.key | 1u;
        deed->orderCode = Deed::makeOrderCode(1, 1);
        deed->combined = e.byte1() == 1 ? 0xFC00 : 3;
        doc.registerDeed(std::move(deed));
        ++made;
    }

    const std::uint64_t counted = countConditionRows(catalogue);
    const int built = doc.buildConditionRows();
    const auto& rows = doc.conditionRows();
    fuzzing::check(static_cast<std::size_t>(built) == rows.size(),
                   "the count returned is the rows built");
    if (counted > kMaxConditionRows) {
        fuzzing::check(catalogueTooLargeForOrderStatus(catalogue),
                       "a catalogue beyond the bound is too large");
        fuzzing::check(rows.empty(), "no rows beyond the bound");
        return 0;
    }
    fuzzing::check(rows.size() == counted, "the rows built are the rows counted");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ConditionRow& r = rows[i];
        if (i > 0) {
            const ConditionRow& p = rows[i - 1];
            fuzzing::check(p.firstKey < r.firstKey ||
                               (p.firstKey == r.firstKey && p.secondKey < r.secondKey),
                           "rows ascend");
        }
        fuzzing::check(doc.findConditionRow(r.firstKey, r.secondKey) == &r,
                       "each row found by bisection");
        fuzzing::check(r.remaining() == static_cast<int>(r.required) - static_cast<int>(r.filled),
                       "remaining");
    }
    return 0;
}
