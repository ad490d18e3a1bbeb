#include "status/ConditionRows.h"

#include <algorithm>
#include <array>

namespace tessary {
namespace {

constexpr int kClothGroup = 3;
constexpr int kLeatherGroup = 4;
constexpr int kLeatherFootwearCategory = 1;

// Where a small leather footwear deed (leather group, sandals set) also counts: the cloth set
// (category) and the slot (type) that stands for the same footwear there.
struct FootwearSlot {
    int category;
    std::uint8_t type;
};
struct FootwearCrossing {
    int deedType;
    std::array<FootwearSlot, 2> slots;
    int slotCount;
};
constexpr std::array<FootwearCrossing, 4> kFootwearCrossings{{
    {2, {{{5, 5}, {8, 5}}}, 2}, // sandals
    {3, {{{6, 5}, {7, 5}}}, 2}, // shoes
    {4, {{{2, 5}, {3, 5}}}, 2}, // boots
    {5, {{{4, 5}, {9, 6}}}, 2}, // thigh boots
}};

// The ranges the rows walk: groups 1 to `groups`; in group g categories 1 to categories[g] and
// materials 1 to materials[g]; qualities and quantities shared by every group.
struct CatalogueLimits {
    int groups = 0;
    int qualities = 0;
    int quantities = 0;
    std::array<int, kMaxGroupOrCategory + 1> categories{};
    std::array<int, kMaxGroupOrCategory + 1> materials{};

    explicit CatalogueLimits(const Catalogue& catalogue) {
        for (const CatalogueEntry& e : catalogue.entries()) {
            const int group = e.group();
            if (group <= kMaxGroupOrCategory) {
                groups = std::max(groups, group);
                auto& category = categories[static_cast<std::size_t>(group)];
                auto& material = materials[static_cast<std::size_t>(group)];
                if (e.category() <= kMaxGroupOrCategory) {
                    category = std::max(category, int{e.category()});
                } else if (e.category() == kMaterialBlock) {
                    material = std::max(material, int{e.material()});
                }
            } else if (group == kQualityBlock) {
                qualities = std::max(qualities, int{e.quality()});
            } else if (group == kQuantityBlock) {
                quantities = std::max(quantities, int{e.quantity()});
            }
        }
    }

    std::uint64_t rowCount() const {
        std::uint64_t perGroupKind = 0;
        for (int g = 1; g <= groups; ++g) {
            perGroupKind += static_cast<std::uint64_t>(categories[static_cast<std::size_t>(g)]) *
                            static_cast<std::uint64_t>(materials[static_cast<std::size_t>(g)]);
        }
        return perGroupKind * static_cast<std::uint64_t>(qualities) *
               static_cast<std::uint64_t>(quantities);
    }
};

} // namespace

std::uint64_t countConditionRows(const Catalogue& catalogue) {
    return CatalogueLimits(catalogue).rowCount();
}

bool catalogueTooLargeForOrderStatus(const Catalogue& catalogue) {
    return countConditionRows(catalogue) > kMaxConditionRows;
}

const ConditionRow* findConditionRow(const std::vector<ConditionRow>& rows, std::uint32_t firstKey,
                                     std::uint32_t secondKey) {
    std::size_t low = 0;
    std::size_t high = rows.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const ConditionRow& row = rows[middle];
        if (row.firstKey == firstKey && row.secondKey == secondKey) {
            return &row;
        }
        if (row.firstKey < firstKey || (row.firstKey == firstKey && row.secondKey < secondKey)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return nullptr;
}

int buildConditionRows(const Catalogue& catalogue, const std::vector<std::unique_ptr<Deed>>& deeds,
                       std::vector<ConditionRow>& rows) {
    rows.clear();
    const CatalogueLimits limits(catalogue);
    const std::uint64_t rowCount = limits.rowCount();
    if (rowCount > kMaxConditionRows) {
        rows.shrink_to_fit();
        return 0;
    }
    rows.reserve(static_cast<std::size_t>(rowCount));
    const int qualityLimit = limits.qualities;
    const int quantityLimit = limits.quantities;

    for (int g = 1; g <= limits.groups; ++g) {
        const int categoryLimit = limits.categories[static_cast<std::size_t>(g)];
        const int materialLimit = limits.materials[static_cast<std::size_t>(g)];
        for (int c = 1; c <= categoryLimit; ++c) {
            ConditionRow row;
            row.required = static_cast<std::uint8_t>(catalogue.partCountOf(g, c, 1) + 1);
            row.iconIndex = static_cast<std::uint8_t>(catalogue.iconIndexOf(g, c, 0));
            for (int m = 1; m <= materialLimit; ++m) {
                row.firstKey = Deed::makeItemCode(g, c, 0, m);
                row.materialColor = catalogue.colorOf(kNameMaterial, g, 0, 0, m, 0, 0);
                for (int q = 1; q <= qualityLimit; ++q) {
                    for (int n = 1; n <= quantityLimit; ++n) {
                        row.secondKey = Deed::makeOrderCode(q, n);
                        rows.push_back(row);
                    }
                }
            }
        }
    }

    // The cloth rows of each quality and quantity, for the footwear cross-count.
    std::vector<ConditionRow*> clothRows;
    for (ConditionRow& row : rows) {
        if (row.group() == kClothGroup) {
            clothRows.push_back(&row);
        }
    }

    // Deeds repeat a few thousand pairs of row keys at most: each pair's row is searched once,
    // then taken from a small table by the pair.
    struct FoundRow {
        std::uint32_t firstKey = 0;
        std::uint32_t secondKey = 0;
        ConditionRow* row = nullptr;
        bool used = false;
    };
    std::vector<FoundRow> found(4096);
    for (const auto& deedPtr : deeds) {
        const Deed& deed = *deedPtr;
        const std::uint32_t firstKey = deed.itemCode & 0xFFFF00FFu;
        FoundRow& slot = found[(firstKey * 2654435761u + deed.orderCode * 40503u) >> 20];
        if (!slot.used || slot.firstKey != firstKey || slot.secondKey != deed.orderCode) {
            slot = {firstKey, deed.orderCode,
                    const_cast<ConditionRow*>(findConditionRow(rows, firstKey, deed.orderCode)),
                    true};
        }
        ConditionRow* const row = slot.row;
        if (row == nullptr) {
            continue;
        }
        const auto type = static_cast<std::uint8_t>(deed.type());
        row->countType(type);
        if (type == 1) {
            for (int s = 1; s <= 6; ++s) {
                if (deed.combined & (1u << (16 - s))) {
                    row->countType(static_cast<std::uint8_t>(s + 1));
                }
            }
        }
        if (deed.group() == kLeatherGroup && deed.category() == kLeatherFootwearCategory &&
            type >= 2) {
            for (const FootwearCrossing& crossing : kFootwearCrossings) {
                if (crossing.deedType != type) {
                    continue;
                }
                for (ConditionRow* cloth : clothRows) {
                    if (cloth->secondKey != deed.orderCode) {
                        continue;
                    }
                    for (int i = 0; i < crossing.slotCount; ++i) {
                        if (cloth->category() ==
                            crossing.slots[static_cast<std::size_t>(i)].category) {
                            cloth->countType(crossing.slots[static_cast<std::size_t>(i)].type);
                        }
                    }
                }
            }
        }
    }

    for (ConditionRow& row : rows) {
        row.updateFilled();
    }
    return static_cast<int>(rows.size());
}

} // namespace tessary
