// The missing deeds (未受注のディード): every combination of item type, material, quality and
// quantity within a tree node's category scope and the deed filter that no row of the deed list
// shows. They are made up for the export and never enter the document.
#pragma once

#include "data/Deed.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tessary {

class Catalogue;
struct CatalogueEntry;

// Above this many combinations nothing is built: a hand-edited catalogue could otherwise ask
// for billions of deeds.
inline constexpr std::uint64_t kMaxMissingCombinations = 1'000'000;

struct MissingDeeds {
    enum class Scope {
        NoNode,  // no tree node: nothing to look at
        TooMany, // more than kMaxMissingCombinations combinations: nothing built
        Built,
    };
    Scope scope = Scope::NoNode;
    // N: the combinations counted within the scope (also when there are too many).
    std::uint64_t combinations = 0;
    // The missing ones (M of them), sorted ascending by the deed list's sort key.
    std::vector<Deed> deeds;
};

// Builds the missing deeds of `node` (a group or category entry, or nullptr). The category scope
// is the node's category, else the filter's; the filter's type, material, quality and quantity
// narrow the rest, and its group is not consulted. `rows` are the deeds the list shows; a
// combination counts as held when some row has both of its key words. The result is sorted
// with the list's sort item and order string (a negative item sorts as item 0).
MissingDeeds buildMissingDeeds(const Catalogue& catalogue, const CatalogueEntry* node,
                               const Deed& deedFilter, const std::vector<const Deed*>& rows,
                               int sortItem, std::string_view sortOrder);

// Sorts `deeds` ascending by sortKey with the in-place quicksort whose order of deeds with equal
// keys the export has always produced: middle pivot, both ends closing in, right part put aside
// on a stack, left part carried on. Keys are built once.
void sortMissingDeeds(std::vector<Deed>& deeds, int sortItem, std::string_view sortOrder);

// The missing-deeds check box as the dialog opens.
struct MissingOptionState {
    bool enabled = true;
    bool checked = false;
};
// None missing, no node or too many combinations: disabled and unchecked. Every combination
// missing (also none counted at all): disabled and checked, as only missing deeds can be written.
MissingOptionState missingOptionAtOpening(const MissingDeeds& missing);

} // namespace tessary
