#include "exchange/MissingDeeds.h"

#include "data/Catalogue.h"
#include "data/DeedSortKey.h"
#include "resources/SettingsKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace tessary {
namespace {

// The built-in catalogue as its tables read: item types (the large deed included) of each
// category, and materials, of each group; 2 qualities and 3 quantities everywhere.
const std::vector<std::vector<int>> kTypesPerCategory = {
    {3, 7, 7, 7, 6}, {5, 4, 7}, {5, 5, 5, 5, 5, 5, 5, 5, 6}, {5, 6, 6, 7, 7}};
const int kMaterials[] = {1, 9, 1, 4};
constexpr int kGrades = 2 * 3;

Deed makeDeed(int group, int category, int type, int material, int quality, int quantity) {
    Deed d;
    d.itemCode = Deed::makeItemCode(group, category, type, material);
    d.orderCode = Deed::makeOrderCode(quality, quantity);
    return d;
}

Deed filterOf(int group, int category, int type, int material, int quality, int quantity) {
    return makeDeed(group, category, type, material, quality, quantity);
}

std::pair<std::uint32_t, std::uint32_t> keysOf(const Deed& d) {
    return {d.itemCode, d.orderCode};
}

class MissingDeedsTest : public ::testing::Test {
protected:
    void SetUp() override { catalogue.buildDefault(); }

    const CatalogueEntry* node(int group, int category = 0) const {
        return catalogue.findEntry(makeKey(group, category, 0));
    }
    MissingDeeds build(const CatalogueEntry* at, const Deed& filter = {},
                       const std::vector<const Deed*>& rows = {}, int sortItem = 0) const {
        return buildMissingDeeds(catalogue, at, filter, rows, sortItem,
                                 settings::kDeedViewSortItem.defaultValue);
    }

    Catalogue catalogue;
};

TEST_F(MissingDeedsTest, EveryCombinationOfEveryNodeWhenNothingIsHeld) {
    for (int g = 1; g <= 4; ++g) {
        std::uint64_t groupTotal = 0;
        const auto& types = kTypesPerCategory[static_cast<std::size_t>(g - 1)];
        for (int c = 1; c <= static_cast<int>(types.size()); ++c) {
            const std::uint64_t n =
                std::uint64_t(types[static_cast<std::size_t>(c - 1)]) * kMaterials[g - 1] * kGrades;
            groupTotal += n;
            const MissingDeeds missing = build(node(g, c));
            EXPECT_EQ(missing.scope, MissingDeeds::Scope::Built);
            EXPECT_EQ(missing.combinations, n) << g << "/" << c;
            ASSERT_EQ(missing.deeds.size(), n) << g << "/" << c;
            std::set<std::pair<std::uint32_t, std::uint32_t>> distinct;
            for (const Deed& d : missing.deeds) {
                EXPECT_EQ(d.group(), g);
                EXPECT_EQ(d.category(), c);
                EXPECT_EQ(d.combined, 0);
                EXPECT_EQ(d.serialNumber, 0u);
                EXPECT_TRUE(d.comment.empty());
                distinct.insert(keysOf(d));
            }
            EXPECT_EQ(distinct.size(), n);
            // Every combination missing: only missing deeds can be written.
            const MissingOptionState state = missingOptionAtOpening(missing);
            EXPECT_FALSE(state.enabled);
            EXPECT_TRUE(state.checked);
        }
        const MissingDeeds whole = build(node(g));
        EXPECT_EQ(whole.combinations, groupTotal) << g;
        EXPECT_EQ(whole.deeds.size(), groupTotal) << g;
    }
}

TEST_F(MissingDeedsTest, DeedsTheListShowsAreNotMissing) {
    // Chainmail: 4 types x 9 materials x 6 grades = 216 combinations.
    const Deed held[] = {makeDeed(2, 2, 1, 1, 1, 1), makeDeed(2, 2, 3, 9, 2, 3),
                         makeDeed(2, 2, 3, 9, 2, 3), makeDeed(2, 2, 4, 5, 1, 2),
                         makeDeed(2, 3, 2, 1, 1, 1)};
    std::vector<const Deed*> rows;
    for (const Deed& d : held) {
        rows.push_back(&d);
    }
    const MissingDeeds missing = build(node(2, 2), {}, rows);
    EXPECT_EQ(missing.combinations, 216u);
    ASSERT_EQ(missing.deeds.size(), 213u);
    for (const Deed& d : missing.deeds) {
        for (const Deed& h : held) {
            EXPECT_NE(keysOf(d), keysOf(h));
        }
    }
    MissingOptionState state = missingOptionAtOpening(missing);
    EXPECT_TRUE(state.enabled);
    EXPECT_FALSE(state.checked);

    // A deed with a combine count and a comment holds its combination all the same.
    Deed worn = makeDeed(2, 2, 2, 2, 2, 2);
    worn.combined = 9;
    worn.comment = "half done";
    worn.serialNumber = 77;
    rows.push_back(&worn);
    EXPECT_EQ(build(node(2, 2), {}, rows).deeds.size(), 212u);

    // Every combination held: nothing is missing and the option cannot be chosen.
    std::vector<Deed> all;
    for (int t = 1; t <= 4; ++t) {
        for (int m = 1; m <= 9; ++m) {
            for (int q = 1; q <= 2; ++q) {
                for (int n = 1; n <= 3; ++n) {
                    all.push_back(makeDeed(2, 2, t, m, q, n));
                }
            }
        }
    }
    std::vector<const Deed*> allRows;
    for (const Deed& d : all) {
        allRows.push_back(&d);
    }
    const MissingDeeds none = build(node(2, 2), {}, allRows);
    EXPECT_EQ(none.combinations, 216u);
    EXPECT_TRUE(none.deeds.empty());
    state = missingOptionAtOpening(none);
    EXPECT_FALSE(state.enabled);
    EXPECT_FALSE(state.checked);
}

TEST_F(MissingDeedsTest, TheFilterNarrowsAndItsGroupIsIgnored) {
    // Group node: the filter's category is the scope; 裁縫（革） studded gorget, 6 types.
    MissingDeeds missing = build(node(4), filterOf(0, 2, 0, 0, 0, 0));
    EXPECT_EQ(missing.combinations, 6u * 4 * kGrades);
    // Type, material, quality and quantity each pick one value.
    missing = build(node(4), filterOf(0, 2, 3, 0, 2, 0));
    EXPECT_EQ(missing.combinations, 4u * 3);
    for (const Deed& d : missing.deeds) {
        EXPECT_EQ(d.category(), 2);
        EXPECT_EQ(d.type(), 3);
        EXPECT_EQ(d.quality(), 2);
    }
    missing = build(node(4), filterOf(0, 0, 0, 3, 0, 1));
    EXPECT_EQ(missing.combinations, 31u * 2);
    for (const Deed& d : missing.deeds) {
        EXPECT_EQ(d.material(), 3);
        EXPECT_EQ(d.quantity(), 1);
    }

    // The filter's group never moves the scope away from the node's group.
    missing = build(node(4, 1), filterOf(1, 0, 0, 0, 0, 0));
    EXPECT_EQ(missing.combinations, 5u * 4 * kGrades);
    EXPECT_EQ(missing.deeds.front().group(), 4);
    // A category node keeps its category whatever the filter says.
    missing = build(node(4, 1), filterOf(0, 3, 0, 0, 0, 0));
    EXPECT_EQ(missing.combinations, 5u * 4 * kGrades);
    EXPECT_EQ(missing.deeds.front().category(), 1);

    // A filter value the catalogue lacks leaves nothing: N and M are both 0, and the box ends
    // checked and disabled.
    missing = build(node(1, 1), filterOf(0, 0, 4, 0, 0, 0));
    EXPECT_EQ(missing.combinations, 0u);
    EXPECT_TRUE(missing.deeds.empty());
    const MissingOptionState state = missingOptionAtOpening(missing);
    EXPECT_FALSE(state.enabled);
    EXPECT_TRUE(state.checked);
}

TEST_F(MissingDeedsTest, OrderedByTheListsSortKey) {
    const Deed held = makeDeed(2, 1, 1, 1, 1, 1);
    const std::vector<const Deed*> rows = {&held};
    for (int item : {-1, 0, 1, 2, 3, 4, 5, 6}) {
        const MissingDeeds missing = build(node(2), {}, rows, item);
        // These keys are all different, so any correct sort gives the same order.
        std::vector<const Deed*> expected;
        for (const Deed& d : missing.deeds) {
            expected.push_back(&d);
        }
        sortDeeds(expected, item, false, settings::kDeedViewSortItem.defaultValue);
        std::vector<const Deed*> actual;
        for (const Deed& d : missing.deeds) {
            actual.push_back(&d);
        }
        EXPECT_EQ(actual, expected) << "sort item " << item;
    }
    // 材料順 puts the first material first, 数量順 the small deeds before the large ones.
    MissingDeeds missing = build(node(2, 1), {}, {}, 1);
    EXPECT_EQ(missing.deeds[5 * kGrades - 1].material(), 1);
    EXPECT_EQ(missing.deeds[5 * kGrades].material(), 2);
    missing = build(node(2, 1), {}, {}, 3);
    EXPECT_FALSE(missing.deeds[4 * 9 * kGrades - 1].isLarge());
    EXPECT_TRUE(missing.deeds[4 * 9 * kGrades].isLarge());
}

TEST_F(MissingDeedsTest, EqualKeysComeOutInTheQuicksortsOrder) {
    // Sort item 99 over the category alone: deeds of one category have equal keys. The
    // expected orders are worked out by hand from the quicksort; a stable sort would keep them.
    const std::string byCategory = "00000000000000";
    const auto types = [](const std::vector<Deed>& deeds) {
        std::vector<std::pair<int, int>> out;
        for (const Deed& d : deeds) {
            out.emplace_back(d.category(), d.type());
        }
        return out;
    };
    std::vector<Deed> three = {makeDeed(1, 2, 1, 1, 1, 1), makeDeed(1, 2, 2, 1, 1, 1),
                               makeDeed(1, 2, 3, 1, 1, 1)};
    sortMissingDeeds(three, kSortByItemOrder, byCategory);
    EXPECT_EQ(types(three), (std::vector<std::pair<int, int>>{{2, 3}, {2, 2}, {2, 1}}));

    std::vector<Deed> four = {makeDeed(1, 2, 1, 1, 1, 1), makeDeed(1, 2, 2, 1, 1, 1),
                              makeDeed(1, 2, 3, 1, 1, 1), makeDeed(1, 2, 4, 1, 1, 1)};
    sortMissingDeeds(four, kSortByItemOrder, byCategory);
    EXPECT_EQ(types(four), (std::vector<std::pair<int, int>>{{2, 3}, {2, 4}, {2, 1}, {2, 2}}));

    std::vector<Deed> mixed = {makeDeed(1, 2, 1, 1, 1, 1), makeDeed(1, 1, 1, 1, 1, 1),
                               makeDeed(1, 2, 2, 1, 1, 1), makeDeed(1, 1, 2, 1, 1, 1)};
    sortMissingDeeds(mixed, kSortByItemOrder, byCategory);
    EXPECT_EQ(types(mixed), (std::vector<std::pair<int, int>>{{1, 2}, {1, 1}, {2, 1}, {2, 2}}));
}

TEST_F(MissingDeedsTest, NoNodeAndAbsurdCataloguesBuildNothing) {
    MissingDeeds missing = build(nullptr);
    EXPECT_EQ(missing.scope, MissingDeeds::Scope::NoNode);
    EXPECT_TRUE(missing.deeds.empty());
    MissingOptionState state = missingOptionAtOpening(missing);
    EXPECT_FALSE(state.enabled);
    EXPECT_FALSE(state.checked);

    // A hand-edited catalogue: 255 types in bardiche, 255 materials, qualities and quantities.
    std::vector<CatalogueEntry>& entries = catalogue.entries();
    for (int i = 4; i <= 255; ++i) {
        entries.push_back({makeKey(1, 1, static_cast<unsigned>(i)), 1, 7, 0, "t", {}});
    }
    for (int i = 2; i <= 255; ++i) {
        entries.push_back({makeKey(1, kMaterialBlock, static_cast<unsigned>(i)), 0, 0, 0, "m", {}});
        entries.push_back({makeKey(kQualityBlock, static_cast<unsigned>(i), 0), 0, 0, 0, "q", {}});
        entries.push_back({makeKey(kQuantityBlock, static_cast<unsigned>(i), 0), 0, 0, 0, "n", {}});
    }
    std::sort(entries.begin(), entries.end(),
              [](const CatalogueEntry& a, const CatalogueEntry& b) { return a.key < b.key; });
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const auto& a, const auto& b) { return a.key == b.key; }),
                  entries.end());

    missing = build(node(1));
    EXPECT_EQ(missing.scope, MissingDeeds::Scope::TooMany);
    EXPECT_EQ(missing.combinations, std::uint64_t(255 + 7 + 7 + 7 + 6) * 255 * 255 * 255);
    EXPECT_TRUE(missing.deeds.empty());
    state = missingOptionAtOpening(missing);
    EXPECT_FALSE(state.enabled);
    EXPECT_FALSE(state.checked);

    // Narrowed by the filter to a size that is fine, it is built.
    missing = build(node(1, 1), filterOf(0, 0, 200, 0, 7, 0));
    EXPECT_EQ(missing.scope, MissingDeeds::Scope::Built);
    EXPECT_EQ(missing.combinations, 255u * 255);
    EXPECT_EQ(missing.deeds.size(), 255u * 255);

    // A catalogue without qualities has no combinations at all.
    Catalogue bare;
    bare.buildDefault();
    std::erase_if(bare.entries(),
                  [](const CatalogueEntry& e) { return e.byte3() == kQualityBlock; });
    missing =
        buildMissingDeeds(bare, node(3, 2), {}, {}, 0, settings::kDeedViewSortItem.defaultValue);
    EXPECT_EQ(missing.scope, MissingDeeds::Scope::Built);
    EXPECT_EQ(missing.combinations, 0u);
    EXPECT_TRUE(missing.deeds.empty());
}

} // namespace
} // namespace tessary
