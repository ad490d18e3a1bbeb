// Reading and writing the item orders kept in the settings file.
#include "data/ItemOrder.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

using Items = std::vector<int>;

TEST(ItemOrder, AValueOfTheWrongLengthShowsTheDefaultOrder) {
    // The simple text has four items: eight digits.
    EXPECT_EQ(parseItemOrder("000102", 4, "00010203"), (Items{0, 1, 2, 3}));
    EXPECT_EQ(parseItemOrder("0302010000", 4, "00010203"), (Items{0, 1, 2, 3}));
    EXPECT_EQ(parseItemOrder("", 4, "00010203"), (Items{0, 1, 2, 3}));
    EXPECT_EQ(parseItemOrder("03020100", 4, "00010203"), (Items{3, 2, 1, 0}));
}

TEST(ItemOrder, ANumberOutOfRangeEndsTheListThere) {
    EXPECT_EQ(parseItemOrder("06050700010203", 7, "00010203040506"), (Items{6, 5}));
    EXPECT_EQ(parseItemOrder("0001-102", 4, "00010203"), (Items{0, 1}));
    // The first number already out of range: no rows at all.
    EXPECT_EQ(parseItemOrder("0500010203", 5, "0001020304"), Items{});
}

TEST(ItemOrder, RepeatedNumbersAreKeptAndWrittenBackUnchanged) {
    const Items items = parseItemOrder("0000010203", 5, "0001020304");
    EXPECT_EQ(items, (Items{0, 0, 1, 2, 3}));
    EXPECT_EQ(formatItemOrder(items), "0000010203");
}

TEST(ItemOrder, EachItemIsWrittenAsTwoDigits) {
    EXPECT_EQ(formatItemOrder({6, 0, 1, 2, 3, 4, 5}), "06000102030405");
    EXPECT_EQ(formatItemOrder({}), "");
}

TEST(ItemOrder, EachModesDefaultShowsEveryItemOnce) {
    for (ItemOrderMode mode : {kItemOrderDeedSort, kItemOrderConditionSort, kItemOrderSimpleText}) {
        const ItemOrderInfo* info = itemOrderInfo(mode);
        ASSERT_NE(info, nullptr) << mode;
        // The default shows every item once, in number order.
        Items expected;
        for (int i = 0; i < info->itemCount; ++i) {
            expected.push_back(i);
        }
        EXPECT_EQ(parseItemOrder("", info->itemCount, info->key.defaultValue), expected) << mode;
    }
    EXPECT_EQ(itemOrderInfo(static_cast<ItemOrderMode>(0)), nullptr);
    EXPECT_EQ(itemOrderInfo(static_cast<ItemOrderMode>(4)), nullptr);
}

} // namespace
} // namespace tessary
