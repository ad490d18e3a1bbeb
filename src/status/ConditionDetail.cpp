#include "status/ConditionDetail.h"

#include <algorithm>

namespace tessary {
namespace {

constexpr int kClothGroup = 3;
constexpr int kLeatherGroup = 4;
constexpr int kLeatherFootwearCategory = 1;
constexpr int kLargeType = 1;
constexpr int kLastSlot = 7;
constexpr int kFootwearSlot = 5;
// The cloth set whose footwear (thigh boots) closes it at slot 6 rather than slot 5.
constexpr int kSixSmallTypesClothCategory = 9;

std::string spaced(const std::string& name) {
    return " " + name;
}

std::string counted(int value) {
    return std::to_string(value) + " ";
}

// The bit of a large deed's `combined` that marks slot 2 (bit 15) to slot 7 (bit 10) as combined.
std::uint16_t combinedBit(int slot) {
    return static_cast<std::uint16_t>(1u << (17 - slot));
}

// The slot of a cloth order that a leather footwear deed fills, so that the material shown for
// it is the leather's, not the cloth's: slot 5 of the sets 2 to 8, slot 6 of set 9.
bool isClothFootwearSlot(int category, int slot) {
    if (category >= 2 && category <= 8) {
        return slot == kFootwearSlot;
    }
    return category == kSixSmallTypesClothCategory && slot == kFootwearSlot + 1;
}

// The slot a small leather footwear deed of `type` fills in the cloth order of `category`, or 0.
int leatherFootwearSlot(int type, int category) {
    const bool fillsSlot5 = (type == 2 && (category == 5 || category == 8)) ||
                            (type == 3 && (category == 6 || category == 7)) ||
                            (type == 4 && (category == 2 || category == 3)) ||
                            (type == 5 && category == 4);
    if (fillsSlot5) {
        return kFootwearSlot;
    }
    if (type == 5 && category == kSixSmallTypesClothCategory) {
        return kFootwearSlot + 1;
    }
    return 0;
}

// A line that shows the deed itself.
ConditionDetailLine deedLine(const Catalogue& catalogue, const Deed& deed, int slot,
                             bool highlight) {
    ConditionDetailLine line;
    line.slot = slot;
    line.material = deed.material();
    line.iconIndex = deed.iconIndex;
    line.highlight = highlight;
    line.typeText = spaced(catalogue.nameOf(kNameType, deed));
    line.materialText = spaced(catalogue.nameOf(kNameMaterial, deed));
    return line;
}

} // namespace

ConditionDetailValues conditionDetailValues(const Catalogue& catalogue, const ConditionRow& row) {
    ConditionDetailValues values;
    values.group = spaced(nameOf(catalogue, kNameGroup, row));
    values.category = spaced(nameOf(catalogue, kNameCategory, row));
    values.material = spaced(nameOf(catalogue, kNameMaterial, row));
    values.quality = spaced(nameOf(catalogue, kNameQuality, row));
    values.quantity = spaced(nameOf(catalogue, kNameQuantity, row));
    values.required = counted(row.required);
    values.filled = counted(row.filled);
    values.remaining = counted(row.remaining());
    return values;
}

std::vector<ConditionDetailLine>
conditionDetailLines(const Catalogue& catalogue, const std::vector<std::unique_ptr<Deed>>& deeds,
                     const ConditionRow& row) {
    std::vector<ConditionDetailLine> lines;
    const bool clothWithFootwear = row.group() == kClothGroup && row.category() >= 2;
    for (const auto& deedPtr : deeds) {
        const Deed& deed = *deedPtr;
        if ((deed.itemCode & 0xFFFF00FFu) == row.firstKey && deed.orderCode == row.secondKey) {
            const bool large = deed.type() == kLargeType;
            lines.push_back(
                deedLine(catalogue, deed, deed.type(), large && deed.combinedCount() > 0));
            if (large) {
                // Each small deed combined into the large one is shown at its own slot.
                for (int slot = 2; slot <= kLastSlot; ++slot) {
                    if ((deed.combined & combinedBit(slot)) == 0) {
                        continue;
                    }
                    ConditionDetailLine line;
                    line.slot = slot;
                    line.material = deed.material();
                    line.iconIndex = catalogue.iconIndexOf(deed.group(), deed.category(), slot);
                    line.highlight = true;
                    line.typeText = spaced(
                        catalogue.nameOf(kNameType, deed.group(), deed.category(), slot, 0, 0, 0));
                    line.materialText =
                        deed.group() == kClothGroup && isClothFootwearSlot(deed.category(), slot)
                            ? std::string(" -")
                            : spaced(catalogue.nameOf(kNameMaterial, deed));
                    lines.push_back(std::move(line));
                }
            }
        }
        // Leather footwear of the same quality and quantity fills the cloth order's footwear
        // slot, whatever its material.
        if (clothWithFootwear && deed.group() == kLeatherGroup &&
            deed.category() == kLeatherFootwearCategory && deed.type() >= 2 &&
            deed.orderCode == row.secondKey) {
            const int slot = leatherFootwearSlot(deed.type(), row.category());
            if (slot != 0) {
                lines.push_back(deedLine(catalogue, deed, slot, false));
            }
        }
    }
    return lines;
}

} // namespace tessary
