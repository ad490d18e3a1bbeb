// Limits of the stored forms that a wrong comparison would let through: the key fields of a
// catalogue value, and a NUL byte inside a comment.
#include "data/CataloguePersistence.h"
#include "data/DeedSortKey.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessary {
namespace {

using namespace std::string_literals;

TEST(CatalogueValueFields, EachKeyFieldStopsAt125) {
    // Group, category (or block), item type (or index): 125 is the last value accepted.
    EXPECT_TRUE(fromProfileString("125125125000000000000000x").has_value());
    EXPECT_FALSE(fromProfileString("126125125000000000000000x").has_value());
    EXPECT_FALSE(fromProfileString("125126125000000000000000x").has_value());
    EXPECT_FALSE(fromProfileString("125125126000000000000000x").has_value());
    EXPECT_FALSE(fromProfileString("001999001000000000000000x").has_value());
    // The fields after the key take any three digits (the low eight bits are kept).
    const auto e = fromProfileString("001002003999999999999999x");
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->key, makeKey(1, 2, 3));
}

Deed deedWithComment(std::string comment, std::uint32_t serial) {
    Deed d;
    d.itemCode = Deed::makeItemCode(1, 1, 2, 1);
    d.orderCode = Deed::makeOrderCode(1, 1);
    d.serialNumber = serial;
    d.comment = std::move(comment);
    return d;
}

TEST(CommentSortKey, StopsAtTheFirstNulByte) {
    const Deed plain = deedWithComment("ab", 1);
    const Deed hidden = deedWithComment("ab\0zz"s, 1);
    EXPECT_EQ(sortKey(hidden, kSortByComment, ""), sortKey(plain, kSortByComment, ""));
    EXPECT_EQ(sortKey(hidden, kSortByComment, "").substr(0, 40), "ab" + std::string(38, ' '));

    // What follows the NUL does not move the deed: "ab\0zz" sorts before "ab!" and keeps its
    // place among equal keys.
    const Deed after = deedWithComment("ab!", 2);
    const Deed hiddenLow = deedWithComment("ab\0\x01"s, 1);
    std::vector<const Deed*> rows = {&after, &hidden, &hiddenLow};
    sortDeeds(rows, kSortByComment, false, "");
    EXPECT_EQ(rows, (std::vector<const Deed*>{&hidden, &hiddenLow, &after}));
    rows = {&after, &hiddenLow, &hidden};
    sortDeeds(rows, kSortByComment, false, "");
    EXPECT_EQ(rows, (std::vector<const Deed*>{&hiddenLow, &hidden, &after}));
}

} // namespace
} // namespace tessary
