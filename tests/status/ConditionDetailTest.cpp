#include "status/ConditionDetail.h"

#include "content/DeedDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessary {
namespace {

class ConditionDetail : public ::testing::Test {
protected:
    void SetUp() override { doc.catalogue().buildDefault(); }

    void add(int group, int category, int type, int material, int quality, int quantity,
             std::uint16_t combined = 0) {
        auto d = std::make_unique<Deed>();
        d->itemCode = Deed::makeItemCode(group, category, type, material);
        d->orderCode = Deed::makeOrderCode(quality, quantity);
        d->combined = combined;
        doc.registerDeed(std::move(d));
    }
    const ConditionRow& row(int group, int category, int material, int quality, int quantity) {
        doc.buildConditionRows();
        const ConditionRow* r =
            doc.findConditionRow(Deed::makeItemCode(group, category, 0, material),
                                 Deed::makeOrderCode(quality, quantity));
        if (r == nullptr) {
            throw std::logic_error("no such row");
        }
        return *r;
    }
    std::vector<ConditionDetailLine> sortedLines(const ConditionRow& r) {
        auto lines = conditionDetailLines(doc.catalogue(), doc.deeds(), r);
        // Stably by item data, as the detail dialog's list orders its rows.
        std::stable_sort(lines.begin(), lines.end(),
                         [](const ConditionDetailLine& a, const ConditionDetailLine& b) {
                             return detailLineLess(a.itemData(), b.itemData());
                         });
        return lines;
    }
    static std::vector<int> slots(const std::vector<ConditionDetailLine>& lines) {
        std::vector<int> out;
        for (const auto& line : lines) {
            out.push_back(line.slot);
        }
        return out;
    }

    DeedDocument doc;
};

TEST_F(ConditionDetail, ValuesShowNamesWithALeadingSpaceAndCountsWithATrailingOne) {
    // mace set: six small types, so seven slots and nothing held.
    const ConditionDetailValues empty = conditionDetailValues(doc.catalogue(), row(1, 2, 1, 2, 3));
    EXPECT_EQ(empty.category, " mace");
    EXPECT_EQ(empty.material, " iron ingots");
    EXPECT_EQ(empty.quality, " exceptional");
    EXPECT_EQ(empty.quantity, " 20");
    EXPECT_EQ(empty.group, " \x92\x62\x96\xe8\x81\x69\x95\x90\x8a\xed\x81\x6a"); // 鍛冶（武器）
    EXPECT_EQ(empty.required, "7 ");
    EXPECT_EQ(empty.filled, "0 ");
    EXPECT_EQ(empty.remaining, "7 ");
    EXPECT_TRUE(conditionDetailLines(doc.catalogue(), doc.deeds(), row(1, 2, 1, 2, 3)).empty());

    // More combined slots than the bardiche set has: the remaining count goes negative.
    add(1, 1, 1, 1, 1, 1, 0xFC00);
    const ConditionDetailValues over = conditionDetailValues(doc.catalogue(), row(1, 1, 1, 1, 1));
    EXPECT_EQ(over.required, "3 ");
    EXPECT_EQ(over.filled, "7 ");
    EXPECT_EQ(over.remaining, "-4 ");
}

TEST_F(ConditionDetail, LargeDeedListsEachCombinedSlotHighlighted) {
    // The image of slot 4 differs from the deed's own, so the line must take the slot's image.
    for (CatalogueEntry& e : doc.catalogue().entries()) {
        if (e.key == makeKey(1, 2, 4)) {
            e.iconIndex = 5;
        }
    }
    add(1, 2, 3, 1, 2, 3);         // maul, held separately
    add(1, 2, 1, 1, 2, 3, 0xA000); // mace 大口 with mace (bit 15) and war mace (bit 13)
    add(1, 2, 3, 1, 2, 3);         // a second maul
    add(1, 2, 1, 1, 1, 3, 0x8000); // another order (quality): not listed
    add(1, 2, 2, 1, 2, 2);         // another order (quantity): not listed
    const auto lines = sortedLines(row(1, 2, 1, 2, 3));
    ASSERT_EQ(slots(lines), (std::vector<int>{1, 2, 3, 3, 4}));

    EXPECT_TRUE(lines[0].highlight);
    EXPECT_EQ(lines[0].iconIndex, 7);
    EXPECT_EQ(lines[0].materialText, " iron ingots");
    EXPECT_TRUE(lines[1].highlight);
    EXPECT_EQ(lines[1].typeText, " mace");
    EXPECT_EQ(lines[1].materialText, " iron ingots");
    EXPECT_FALSE(lines[2].highlight);
    EXPECT_EQ(lines[2].typeText, " maul");
    EXPECT_FALSE(lines[3].highlight);
    EXPECT_TRUE(lines[4].highlight);
    EXPECT_EQ(lines[4].typeText, " war mace");
    EXPECT_EQ(lines[4].iconIndex, 5);
    EXPECT_EQ(lines[4].itemData(), 0x04010501u);

    // A large deed with nothing combined is a plain line; bits below 10 are no slots.
    add(1, 2, 1, 1, 1, 1, 0x03FF);
    const auto plain = sortedLines(row(1, 2, 1, 1, 1));
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_FALSE(plain[0].highlight);
    EXPECT_EQ(plain[0].itemData(), 0x01010700u);
}

TEST_F(ConditionDetail, CombinedClothFootwearShowsADashForItsMaterial) {
    add(3, 2, 1, 1, 1, 1, 0x1000); // straw hat 大口 with its boots (slot 5)
    add(3, 1, 1, 1, 1, 1, 0x1000); // tricorne hat 大口 with its tall straw hat (slot 5)
    add(3, 9, 1, 1, 1, 1, 0x1800); // feathered hat 大口: short pants (5) and thigh boots (6)
    const auto straw = sortedLines(row(3, 2, 1, 1, 1));
    ASSERT_EQ(slots(straw), (std::vector<int>{1, 5}));
    EXPECT_EQ(straw[1].typeText, " boots");
    EXPECT_EQ(straw[1].materialText, " -");

    const auto tricorne = sortedLines(row(3, 1, 1, 1, 1));
    ASSERT_EQ(slots(tricorne), (std::vector<int>{1, 5}));
    EXPECT_EQ(tricorne[1].typeText, " tall straw hat");
    EXPECT_EQ(tricorne[1].materialText, " cloth");

    const auto feathered = sortedLines(row(3, 9, 1, 1, 1));
    ASSERT_EQ(slots(feathered), (std::vector<int>{1, 5, 6}));
    EXPECT_EQ(feathered[1].materialText, " cloth");
    EXPECT_EQ(feathered[2].typeText, " thigh boots");
    EXPECT_EQ(feathered[2].materialText, " -");
}

TEST_F(ConditionDetail, LeatherFootwearIsListedInTheClothOrdersItCompletes) {
    add(4, 1, 4, 2, 2, 1); // boots, spined leather, exceptional, 10
    add(4, 1, 4, 2, 2, 2); // boots of another quantity: not in the quantity 1 rows
    add(4, 1, 1, 2, 2, 1); // the leather large deed fills no cloth slot

    for (int category : {2, 3}) {
        const auto lines = sortedLines(row(3, category, 1, 2, 1));
        ASSERT_EQ(lines.size(), 1u) << category;
        EXPECT_EQ(lines[0].slot, 5);
        EXPECT_FALSE(lines[0].highlight);
        EXPECT_EQ(lines[0].typeText, " boots");
        EXPECT_EQ(lines[0].materialText, " spined leather");
        EXPECT_EQ(lines[0].iconIndex, 30); // the leather deed's own image
        EXPECT_EQ(lines[0].material, 2);
    }
    for (int category : {1, 4, 5, 6, 7, 8, 9}) {
        EXPECT_TRUE(sortedLines(row(3, category, 1, 2, 1)).empty()) << category;
    }
}

TEST_F(ConditionDetail, LinesSortBySlotThenMaterialKeepingTheirOrderOtherwise) {
    add(4, 1, 4, 3, 1, 1);         // boots, horned leather
    add(4, 1, 4, 1, 1, 1);         // boots, normal leather
    add(3, 2, 1, 1, 1, 1, 0x1000); // straw hat 大口 with its boots combined
    const auto lines = sortedLines(row(3, 2, 1, 1, 1));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].slot, 1);
    EXPECT_EQ(lines[1].materialText, " normal leather");
    EXPECT_EQ(lines[2].materialText, " -");
    EXPECT_EQ(lines[3].materialText, " horned leather");
}

// Every deed the order-status counting puts into a slot shows up as one line at that slot.
TEST_F(ConditionDetail, LinesPerSlotMatchTheRowsCounters) {
    const int types[] = {1, 2, 3, 4, 5, 6, 7};
    int n = 0;
    for (int group = 1; group <= 4; ++group) {
        for (int category = 1; category <= 9; ++category) {
            for (int type : types) {
                const int quality = 1 + (n % 2);
                const int quantity = 1 + (n % 3);
                const auto combined = static_cast<std::uint16_t>((n * 0x2C00) & 0xFC00);
                add(group, category, type, 1 + (n % 2), quality, quantity, combined);
                ++n;
            }
        }
    }
    // Footwear of every kind in every quality and quantity.
    for (int type = 2; type <= 5; ++type) {
        for (int quality = 1; quality <= 2; ++quality) {
            for (int quantity = 1; quantity <= 3; ++quantity) {
                add(4, 1, type, 1 + type % 4, quality, quantity);
            }
        }
    }
    doc.buildConditionRows();
    int listed = 0;
    for (const ConditionRow& r : doc.conditionRows()) {
        std::array<int, 7> perSlot{};
        for (const auto& line : conditionDetailLines(doc.catalogue(), doc.deeds(), r)) {
            ASSERT_GE(line.slot, 1);
            ASSERT_LE(line.slot, 7);
            ++perSlot[static_cast<std::size_t>(line.slot - 1)];
            ++listed;
        }
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(perSlot[i], r.typeCounts[i]) << r.firstKey << " " << r.secondKey << " " << i;
        }
    }
    EXPECT_GT(listed, 100);
}

} // namespace
} // namespace tessary
