#include "data/Filters.h"
#include "data/Catalogue.h"
#include "status/ConditionRow.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

TEST(DeedFilter, ZeroFieldsMatchAnythingAndSetFieldsMustBeEqual) {
    Deed deed;
    deed.itemCode = Deed::makeItemCode(2, 3, 4, 5);
    deed.orderCode = Deed::makeOrderCode(2, 3);
    Deed filter;
    EXPECT_TRUE(passesDeedFilter(filter, deed));

    const int fields[6][6] = {{2, 0, 0, 0, 0, 0}, {0, 3, 0, 0, 0, 0}, {0, 0, 4, 0, 0, 0},
                              {0, 0, 0, 5, 0, 0}, {0, 0, 0, 0, 2, 0}, {0, 0, 0, 0, 0, 3}};
    for (const auto& f : fields) {
        filter.itemCode = Deed::makeItemCode(f[0], f[1], f[2], f[3]);
        filter.orderCode = Deed::makeOrderCode(f[4], f[5]);
        EXPECT_TRUE(passesDeedFilter(filter, deed));
        // The same field one off fails.
        filter.itemCode =
            Deed::makeItemCode(f[0] ? 1 : 0, f[1] ? 1 : 0, f[2] ? 1 : 0, f[3] ? 1 : 0);
        filter.orderCode = Deed::makeOrderCode(f[4] ? 1 : 0, f[5] ? 1 : 0);
        EXPECT_FALSE(passesDeedFilter(filter, deed));
    }
}

TEST(ConditionFilter, ThresholdKeepsRowsWithFewerRemaining) {
    ConditionRow row;
    row.firstKey = Deed::makeItemCode(2, 3, 0, 4);
    row.secondKey = Deed::makeOrderCode(2, 1);
    row.required = 7;
    ConditionRow filter;
    for (int filled = 0; filled <= 8; ++filled) {
        row.filled = static_cast<std::uint8_t>(filled);
        const int remaining = 7 - filled;
        filter.filled = 1; // " 0 枚"
        EXPECT_EQ(passesConditionFilter(filter, row), remaining <= 0) << filled;
        filter.filled = 4; // " 3 枚以下"
        EXPECT_EQ(passesConditionFilter(filter, row), remaining <= 3) << filled;
        filter.filled = 0;
        EXPECT_TRUE(passesConditionFilter(filter, row));
    }
    row.filled = 0;
    filter.firstKey = Deed::makeItemCode(0, 3, 0, 4);
    filter.secondKey = Deed::makeOrderCode(2, 0);
    EXPECT_TRUE(passesConditionFilter(filter, row));
    filter.firstKey = Deed::makeItemCode(0, 3, 0, 5);
    EXPECT_FALSE(passesConditionFilter(filter, row));
    filter.firstKey = Deed::makeItemCode(1, 0, 0, 0);
    EXPECT_FALSE(passesConditionFilter(filter, row));
    filter.firstKey = 0;
    filter.secondKey = Deed::makeOrderCode(0, 2);
    EXPECT_FALSE(passesConditionFilter(filter, row));
}

TEST(TreeNode, GroupNodesHoldEveryCategoryAndCategoryNodesOnlyTheirOwn) {
    Catalogue catalogue;
    catalogue.buildDefault();
    const CatalogueEntry* group = catalogue.findEntry(makeKey(2, 0, 0));
    const CatalogueEntry* category = catalogue.findEntry(makeKey(2, 3, 0));
    EXPECT_TRUE(isInNode(group, 2, 1));
    EXPECT_TRUE(isInNode(group, 2, 3));
    EXPECT_FALSE(isInNode(group, 1, 3));
    EXPECT_TRUE(isInNode(category, 2, 3));
    EXPECT_FALSE(isInNode(category, 2, 1));
    EXPECT_FALSE(isInNode(category, 3, 3));
    EXPECT_FALSE(isInNode(nullptr, 2, 3));
}

} // namespace
} // namespace tessary
