#include "exchange/MissingDeeds.h"

#include "data/Catalogue.h"
#include "data/CatalogueEntry.h"
#include "data/DeedSortKey.h"
#include "platform/Cp932.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <unordered_set>
#include <utility>

namespace tessary {
namespace {

// The highest numbers the catalogue in force offers for one group.
struct Limits {
    int categories = 0;
    int materials = 0;
    int qualities = 0;
    int quantities = 0;
    // Highest type of each category byte 1 to 120 (index 0 unused).
    std::array<int, kMaxGroupOrCategory + 1> types{};
};

Limits limitsOf(const Catalogue& catalogue, int group) {
    Limits limits;
    for (const CatalogueEntry& e : catalogue.entries()) {
        const int category = e.category();
        if (e.group() == group) {
            if (category <= kMaxGroupOrCategory) {
                limits.categories = std::max(limits.categories, category);
                limits.types[static_cast<std::size_t>(category)] =
                    std::max(limits.types[static_cast<std::size_t>(category)], int{e.type()});
            } else if (category == kMaterialBlock) {
                limits.materials = std::max(limits.materials, int{e.material()});
            }
        } else if (e.group() == kQualityBlock) {
            limits.qualities = std::max(limits.qualities, int{e.quality()});
        } else if (e.group() == kQuantityBlock) {
            limits.quantities = std::max(limits.quantities, int{e.quantity()});
        }
    }
    return limits;
}

// The values one nesting level runs through: 1 to `limit`, or only the filter's value when the
// filter has one (none at all when that value lies beyond the limit).
struct Range {
    int first;
    int last;
    std::uint64_t count() const { return last >= first ? std::uint64_t(last - first + 1) : 0; }
};

Range rangeOf(int limit, int filterValue) {
    if (filterValue == 0) {
        return {1, limit};
    }
    return filterValue <= limit ? Range{filterValue, filterValue} : Range{1, 0};
}

std::uint64_t pairKey(std::uint32_t itemCode, std::uint32_t orderCode) {
    return (std::uint64_t{itemCode} << 32) | orderCode;
}

} // namespace

MissingDeeds buildMissingDeeds(const Catalogue& catalogue, const CatalogueEntry* node,
                               const Deed& deedFilter, const std::vector<const Deed*>& rows,
                               int sortItem, std::string_view sortOrder) {
    MissingDeeds result;
    if (node == nullptr) {
        return result;
    }
    const int group = node->group();
    const int nodeCategory = node->category();
    const Limits limits = limitsOf(catalogue, group);

    // The categories in scope: the node's, else the filter's, else every one of the group.
    const int scopeCategory = nodeCategory != 0 ? nodeCategory : deedFilter.category();
    const Range categories = rangeOf(limits.categories, scopeCategory);
    const Range materials = rangeOf(limits.materials, deedFilter.material());
    const Range qualities = rangeOf(limits.qualities, deedFilter.quality());
    const Range quantities = rangeOf(limits.quantities, deedFilter.quantity());

    // Count first, so an absurd catalogue is refused before anything is allocated.
    const std::uint64_t perType = materials.count() * qualities.count() * quantities.count();
    std::uint64_t combinations = 0;
    for (int c = categories.first; c <= categories.last; ++c) {
        const Range types = rangeOf(limits.types[static_cast<std::size_t>(c)], deedFilter.type());
        combinations += types.count() * perType;
    }
    result.combinations = combinations;
    if (combinations > kMaxMissingCombinations) {
        result.scope = MissingDeeds::Scope::TooMany;
        return result;
    }
    result.scope = MissingDeeds::Scope::Built;

    // The key pairs the list shows, each looked up once per combination.
    std::unordered_set<std::uint64_t> shown;
    shown.reserve(std::min<std::size_t>(rows.size(), combinations + 1));
    for (const Deed* row : rows) {
        shown.insert(pairKey(row->itemCode, row->orderCode));
    }

    for (int c = categories.first; c <= categories.last; ++c) {
        const Range types = rangeOf(limits.types[static_cast<std::size_t>(c)], deedFilter.type());
        for (int t = types.first; t <= types.last; ++t) {
            for (int m = materials.first; m <= materials.last; ++m) {
                const std::uint32_t itemCode = Deed::makeItemCode(group, c, t, m);
                for (int q = qualities.first; q <= qualities.last; ++q) {
                    for (int n = quantities.first; n <= quantities.last; ++n) {
                        const std::uint32_t orderCode = Deed::makeOrderCode(q, n);
                        if (shown.contains(pairKey(itemCode, orderCode))) {
                            continue;
                        }
                        Deed& deed = result.deeds.emplace_back();
                        deed.itemCode = itemCode;
                        deed.orderCode = orderCode;
                    }
                }
            }
        }
    }
    sortMissingDeeds(result.deeds, sortItem, sortOrder);
    return result;
}

void sortMissingDeeds(std::vector<Deed>& deeds, int sortItem, std::string_view sortOrder) {
    const std::size_t count = deeds.size();
    if (count < 2) {
        return;
    }
    // Each deed's key once, in a form whose byte order is the CP932 order of the key texts.
    std::string arena;
    std::vector<std::pair<std::size_t, std::size_t>> spans(count);
    std::string raw;
    for (std::size_t i = 0; i < count; ++i) {
        raw.clear();
        appendSortKey(raw, deeds[i], sortItem, sortOrder);
        const std::size_t offset = arena.size();
        appendCp932CollationKey(arena, raw);
        spans[i] = {offset, arena.size() - offset};
    }
    // The sort moves positions in `order`; the deeds are put in place at the end.
    std::vector<std::size_t> order(count);
    for (std::size_t i = 0; i < count; ++i) {
        order[i] = i;
    }
    const char* base = arena.data();
    const auto compare = [&](std::size_t a, std::size_t b) {
        const auto [ao, al] = spans[a];
        const auto [bo, bl] = spans[b];
        if (const int c = std::memcmp(base + ao, base + bo, std::min(al, bl))) {
            return c;
        }
        return al == bl ? 0 : (al < bl ? -1 : 1);
    };

    // Signed positions: j may step to one below the range's start.
    using Pos = std::ptrdiff_t;
    std::vector<std::pair<Pos, Pos>> stack;
    stack.emplace_back(0, static_cast<Pos>(count) - 1);
    while (!stack.empty()) {
        auto [lo, hi] = stack.back();
        stack.pop_back();
        while (lo < hi) {
            const std::size_t pivot = order[static_cast<std::size_t>(lo + (hi - lo) / 2)];
            Pos i = lo;
            Pos j = hi;
            do {
                while (i <= j && compare(order[static_cast<std::size_t>(i)], pivot) < 0) {
                    ++i;
                }
                while (i <= j && compare(order[static_cast<std::size_t>(j)], pivot) > 0) {
                    --j;
                }
                if (i <= j) {
                    std::swap(order[static_cast<std::size_t>(i)],
                              order[static_cast<std::size_t>(j)]);
                    ++i;
                    --j;
                }
            } while (i <= j);
            if (i < hi) {
                stack.emplace_back(i, hi);
            }
            hi = j;
        }
    }

    std::vector<Deed> sorted;
    sorted.reserve(count);
    for (std::size_t index : order) {
        sorted.push_back(std::move(deeds[index]));
    }
    deeds.swap(sorted);
}

MissingOptionState missingOptionAtOpening(const MissingDeeds& missing) {
    if (missing.scope != MissingDeeds::Scope::Built) {
        return {false, false};
    }
    MissingOptionState state;
    if (missing.deeds.empty()) {
        state = {false, false};
    }
    if (missing.deeds.size() == missing.combinations) {
        state = {false, true};
    }
    return state;
}

} // namespace tessary
