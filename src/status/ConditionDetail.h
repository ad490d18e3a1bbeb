// What the order-status detail dialog shows for one order-status row: the row's names and
// counts, and one line per deed that makes up its filled slots (a large deed's combined small
// deeds and the leather footwear that fills a cloth order's footwear slot included).
#pragma once

#include "data/Catalogue.h"
#include "data/Deed.h"
#include "status/ConditionRow.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tessary {

// The value fields of the dialog, as shown: names with a leading space, counts as "%d ".
struct ConditionDetailValues {
    std::string group;
    std::string category;
    std::string material;
    std::string quality;
    std::string quantity;
    std::string required;
    std::string filled;
    std::string remaining;
};

ConditionDetailValues conditionDetailValues(const Catalogue& catalogue, const ConditionRow& row);

// One line of the dialog's deed list.
struct ConditionDetailLine {
    int slot = 0;     // the type (1 the large deed, 2 to 7 the small ones) the line stands for
    int material = 0; // the deed's material number
    int iconIndex = 0;
    bool highlight = false;   // a large deed with combined parts, or a part combined into one
    std::string typeText;     // " " and the type's name
    std::string materialText; // " " and the material's name, or " -"

    // The list's item data: slot in bits 24-31, material 16-23, image 8-15, highlight 0-7.
    std::uint32_t itemData() const {
        return ((static_cast<std::uint32_t>(slot) & 0xFFu) << 24) |
               ((static_cast<std::uint32_t>(material) & 0xFFu) << 16) |
               ((static_cast<std::uint32_t>(iconIndex) & 0xFFu) << 8) | (highlight ? 1u : 0u);
    }
};

// The lines of `row`, in the order the document's deeds give them (not yet sorted).
std::vector<ConditionDetailLine>
conditionDetailLines(const Catalogue& catalogue, const std::vector<std::unique_ptr<Deed>>& deeds,
                     const ConditionRow& row);

// The order of the dialog's list: by slot, then material (the upper 16 bits of the item data).
inline bool detailLineLess(std::uint32_t a, std::uint32_t b) {
    return (a >> 16) < (b >> 16);
}

} // namespace tessary
