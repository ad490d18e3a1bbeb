#include "data/Catalogue.h"

#include "data/Deed.h"
#include "platform/DecimalText.h"

#include <algorithm>

namespace tessary {

const CatalogueEntry* Catalogue::findEntry(std::uint32_t key) const {
    std::size_t low = 0;
    std::size_t high = entries_.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const std::uint32_t probed = entries_[middle].key;
        if (probed == key) {
            return &entries_[middle];
        }
        if (probed < key) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return nullptr;
}

std::uint32_t Catalogue::keyFor(NameKind kind, int group, int category, int type, int material,
                                int quality, int quantity) {
    switch (kind) {
    case kNameGroup:
        return makeKey(group, 0, 0);
    case kNameCategory:
        return makeKey(group, category, 0);
    case kNameType:
        return makeKey(group, category, type);
    case kNameMaterial:
        return makeKey(group, kMaterialBlock, material);
    case kNameQuality:
        return makeKey(kQualityBlock, quality, 0);
    case kNameQuantity:
        return makeKey(kQuantityBlock, quantity, 0);
    default:
        return 0;
    }
}

std::string Catalogue::nameOf(NameKind kind, int group, int category, int type, int material,
                              int quality, int quantity) const {
    const CatalogueEntry* e =
        findEntry(keyFor(kind, group, category, type, material, quality, quantity));
    return e ? e->name : std::string();
}

std::string Catalogue::nameOf(NameKind kind, const Deed& d) const {
    return nameOf(kind, d.group(), d.category(), d.type(), d.material(), d.quality(), d.quantity());
}

std::uint32_t Catalogue::colorOf(NameKind kind, int group, int category, int type, int material,
                                 int quality, int quantity) const {
    const CatalogueEntry* e =
        findEntry(keyFor(kind, group, category, type, material, quality, quantity));
    return e ? e->color : 0;
}

std::uint32_t Catalogue::colorOf(NameKind kind, const Deed& d) const {
    return colorOf(kind, d.group(), d.category(), d.type(), d.material(), d.quality(),
                   d.quantity());
}

int Catalogue::partCountOf(int group, int category, int type) const {
    const CatalogueEntry* e = findEntry(makeKey(group, category, type));
    return e ? e->partCount : 0;
}

int Catalogue::partCountOf(const Deed& d) const {
    return partCountOf(d.group(), d.category(), d.type());
}

int Catalogue::iconIndexOf(int group, int category, int type) const {
    const CatalogueEntry* e = findEntry(makeKey(group, category, type));
    return e ? e->iconIndex : 0;
}

int Catalogue::quantityNumber(int quantity) const {
    return parseLeadingInt(nameOf(kNameQuantity, 0, 0, 0, 0, 0, quantity));
}

int Catalogue::fillCombo(std::vector<ComboChoice>& choices, ComboKind kind, int a, int b,
                         int c) const {
    choices.clear();
    const auto add = [&choices](const std::string& text, int data) {
        choices.push_back(ComboChoice{" " + text, data});
    };

    if (kind == kComboCombineCounts) {
        // A deed's combine count is 16 bits: a renamed quantity may read as a larger number,
        // but no more choices than a deed can hold are offered.
        const int n = std::min(quantityNumber(a), kMaxCombineCount);
        if (n < 0) {
            return 0;
        }
        choices.reserve(static_cast<std::size_t>(n) + 1);
        for (int i = 0; i <= n; ++i) {
            add(std::to_string(i), i);
        }
        return n + 1;
    }

    int multiplier = 0;
    const std::uint32_t typeKey = makeKey(a, b, c);
    for (const CatalogueEntry& e : entries_) {
        switch (kind) {
        case kComboGroups:
            if (e.group() <= kMaxGroupOrCategory && e.category() == 0 && e.type() == 0) {
                add(e.name, e.group());
            }
            break;
        case kComboCategories:
            if (e.group() == a && e.category() >= 1 && e.category() <= kMaxGroupOrCategory &&
                e.type() == 0) {
                add(e.name, e.category());
            }
            break;
        case kComboTypes:
            if (e.group() == a && e.category() == b && e.type() >= 1) {
                add(e.name, e.type());
            }
            break;
        case kComboMaterials:
            if (e.group() == a && e.category() == kMaterialBlock && e.material() >= 1) {
                add(e.name, e.material());
            }
            break;
        case kComboQualities:
            if (e.group() == kQualityBlock && e.quality() >= 1) {
                add(e.name, e.quality());
            }
            break;
        case kComboQuantities:
            if (e.key == typeKey) {
                multiplier = e.partCount;
            }
            if (e.group() == kQuantityBlock && e.quantity() >= 1) {
                add(std::to_string(static_cast<long long>(parseLeadingInt(e.name)) * multiplier),
                    e.quantity());
            }
            break;
        default:
            break;
        }
    }
    const int count = static_cast<int>(choices.size());
    // The footwear that closes each cloth set from the second on is registered as a small deed
    // of the leather sandals set, so it is not offered here.
    if (kind == kComboTypes && a == 3 && b >= 2 && !choices.empty()) {
        choices.pop_back();
    }
    return count;
}

} // namespace tessary
