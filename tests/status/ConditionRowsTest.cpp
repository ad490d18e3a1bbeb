#include "status/ConditionRows.h"
#include "content/DeedDocument.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

class ConditionRows : public ::testing::Test {
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
        const ConditionRow* r =
            doc.findConditionRow(Deed::makeItemCode(group, category, 0, material),
                                 Deed::makeOrderCode(quality, quantity));
        EXPECT_NE(r, nullptr);
        static const ConditionRow none;
        return r ? *r : none;
    }
    static std::array<int, 7> counts(const ConditionRow& r) {
        std::array<int, 7> out{};
        for (std::size_t i = 0; i < 7; ++i) {
            out[i] = r.typeCounts[i];
        }
        return out;
    }
    DeedDocument doc;
};

TEST_F(ConditionRows, OneRowPerPossibleLargeOrderInKeyOrder) {
    EXPECT_EQ(doc.buildConditionRows(), 366);
    const auto& rows = doc.conditionRows();
    ASSERT_EQ(rows.size(), 366u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const bool ascending =
            rows[i - 1].firstKey < rows[i].firstKey ||
            (rows[i - 1].firstKey == rows[i].firstKey && rows[i - 1].secondKey < rows[i].secondKey);
        EXPECT_TRUE(ascending) << i;
    }
    int perGroup[5] = {};
    for (const ConditionRow& r : rows) {
        ++perGroup[r.group()];
        EXPECT_EQ(r.filled, 0);
        EXPECT_EQ(r.remaining(), r.required);
        EXPECT_EQ(r.required, doc.catalogue().partCountOf(r.group(), r.category(), 1) + 1);
        EXPECT_EQ(r.iconIndex, doc.catalogue().iconIndexOf(r.group(), r.category(), 0));
        EXPECT_EQ(r.materialColor, colorOf(doc.catalogue(), kNameMaterial, r));
        EXPECT_EQ(doc.findConditionRow(r.firstKey, r.secondKey), &r);
    }
    EXPECT_EQ(perGroup[1], 30);
    EXPECT_EQ(perGroup[2], 162);
    EXPECT_EQ(perGroup[3], 54);
    EXPECT_EQ(perGroup[4], 120);
    // Material outermost, quantity innermost.
    EXPECT_EQ(rows[0].firstKey, Deed::makeItemCode(1, 1, 0, 1));
    EXPECT_EQ(rows[1].secondKey, Deed::makeOrderCode(1, 2));
    EXPECT_EQ(rows[3].secondKey, Deed::makeOrderCode(2, 1));
    EXPECT_EQ(row(2, 3, 4, 2, 3).required, 7);
    EXPECT_EQ(doc.findConditionRow(Deed::makeItemCode(1, 1, 0, 2), Deed::makeOrderCode(1, 1)),
              nullptr);
}

TEST_F(ConditionRows, CountsSmallDeedsCombinedBitsAndSlotsOnce) {
    add(2, 3, 4, 4, 2, 3);
    add(2, 3, 4, 4, 2, 3);                           // the same type again: counter 2, one slot
    add(2, 3, 1, 4, 2, 3, 0x8000 | 0x0400 | 0x0001); // large: slots of types 2 and 7; bit 0 ignored
    add(2, 3, 2, 5, 2, 3);                           // other material: another row
    doc.buildConditionRows();
    const ConditionRow& r = row(2, 3, 4, 2, 3);
    EXPECT_EQ(counts(r), (std::array<int, 7>{1, 1, 0, 2, 0, 0, 1}));
    EXPECT_EQ(r.filled, 4);
    EXPECT_EQ(r.remaining(), 3);
    EXPECT_EQ(row(2, 3, 5, 2, 3).filled, 1);
}

TEST_F(ConditionRows, LargeDeedBitsBeyondTheSetOverfillTheOrder) {
    add(1, 1, 1, 1, 1, 1, 0xFC00); // bardiche has two small types, all six bits set
    doc.buildConditionRows();
    const ConditionRow& r = row(1, 1, 1, 1, 1);
    EXPECT_EQ(r.required, 3);
    EXPECT_EQ(r.filled, 7);
    EXPECT_EQ(r.remaining(), -4);
    EXPECT_EQ(r.sortKey(0, ""), "001001001001-04003");
}

TEST_F(ConditionRows, DeedsOutsideTheCatalogueCountNowhere) {
    add(1, 1, 2, 2, 1, 1); // the weapons group has one material
    add(2, 1, 2, 1, 3, 1); // quality 3
    add(2, 1, 2, 1, 1, 4); // quantity 4
    add(2, 4, 2, 1, 1, 1); // category 4
    add(2, 1, 9, 1, 1, 1); // type 9: found row, but no counter
    doc.buildConditionRows();
    for (const ConditionRow& r : doc.conditionRows()) {
        EXPECT_EQ(r.filled, 0) << r.firstKey << " " << r.secondKey;
    }
}

TEST_F(ConditionRows, LeatherFootwearAlsoFillsTheClothOrders) {
    add(4, 1, 3, 2, 2, 1); // shoes, spined leather, exceptional, 10
    add(4, 1, 5, 1, 1, 2); // thigh boots, standard, 15
    add(4, 1, 2, 1, 2, 1); // sandals
    add(4, 1, 1, 1, 2, 1); // the leather large deed itself crosses nothing
    doc.buildConditionRows();
    EXPECT_EQ(counts(row(4, 1, 2, 2, 1)), (std::array<int, 7>{0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(row(3, 6, 1, 2, 1).typeCounts[4], 1);
    EXPECT_EQ(row(3, 7, 1, 2, 1).typeCounts[4], 1);
    EXPECT_EQ(row(3, 6, 1, 1, 1).filled, 0); // other quality
    EXPECT_EQ(row(3, 6, 1, 2, 2).filled, 0); // other quantity
    EXPECT_EQ(row(3, 4, 1, 1, 2).typeCounts[4], 1);
    EXPECT_EQ(row(3, 9, 1, 1, 2).typeCounts[5], 1);
    EXPECT_EQ(row(3, 9, 1, 1, 2).typeCounts[4], 0);
    EXPECT_EQ(row(3, 5, 1, 2, 1).typeCounts[4], 1);
    EXPECT_EQ(row(3, 8, 1, 2, 1).typeCounts[4], 1);
    int crossed = 0;
    for (const ConditionRow& r : doc.conditionRows()) {
        if (r.group() == 3) {
            crossed += r.filled;
        }
    }
    EXPECT_EQ(crossed, 6);

    // Boots cross into categories 2 and 3.
    add(4, 1, 4, 3, 1, 3);
    doc.buildConditionRows();
    EXPECT_EQ(row(3, 2, 1, 1, 3).typeCounts[4], 1);
    EXPECT_EQ(row(3, 3, 1, 1, 3).typeCounts[4], 1);
}

TEST_F(ConditionRows, ManyDeedsOfOneTypeNeverEmptyTheSlot) {
    for (int i = 0; i < 300; ++i) {
        add(2, 1, 3, 1, 1, 1);
    }
    doc.buildConditionRows();
    EXPECT_EQ(row(2, 1, 1, 1, 1).typeCounts[2], 255);
    EXPECT_EQ(row(2, 1, 1, 1, 1).filled, 1);
}

TEST(ConditionRowKey, SortKeysOfEveryItem) {
    ConditionRow r;
    r.firstKey = Deed::makeItemCode(2, 3, 0, 4);
    r.secondKey = Deed::makeOrderCode(2, 3);
    r.required = 7;
    r.filled = 2;
    EXPECT_EQ(r.sortKey(0, ""), "003004002003005007");
    EXPECT_EQ(r.sortKey(-1, "x"), "003004002003005007");
    EXPECT_EQ(r.sortKey(1, ""), "004003002003005007");
    EXPECT_EQ(r.sortKey(2, ""), "002003004003005007");
    EXPECT_EQ(r.sortKey(3, ""), "003003004002005007");
    EXPECT_EQ(r.sortKey(4, ""), "005007003004002003");
    EXPECT_EQ(r.sortKey(5, ""), "");
    EXPECT_EQ(r.sortKey(99, "0403020100"), "005003002004003");
    EXPECT_EQ(r.sortKey(99, "0904070102"), "005005004002");
    EXPECT_EQ(r.sortKey(99, "040302010"), "");
    EXPECT_EQ(r.sortKey(99, "04030201000"), "");

    ConditionRow copy = r;
    EXPECT_EQ(copy.sortKey(4, ""), r.sortKey(4, ""));
    EXPECT_EQ(copy.countType(8), 0);
    EXPECT_EQ(copy.countType(0), 0);
    EXPECT_EQ(copy.countType(7), 1);
    EXPECT_EQ(copy.countType(7), 2);
    EXPECT_EQ(copy.updateFilled(), 1);
}

} // namespace
} // namespace tessary
