#include "exchange/SimpleText.h"

#include "data/Catalogue.h"
#include "data/Deed.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

using namespace std::string_literals;

class SimpleText : public ::testing::Test {
protected:
    void SetUp() override { catalogue.buildDefault(); }

    static Deed deed(int group, int category, int type, int material, int quality, int quantity) {
        Deed d;
        d.itemCode = Deed::makeItemCode(group, category, type, material);
        d.orderCode = Deed::makeOrderCode(quality, quantity);
        return d;
    }
    CatalogueEntry& entry(std::uint32_t key) {
        for (CatalogueEntry& e : catalogue.entries()) {
            if (e.key == key) {
                return e;
            }
        }
        throw std::logic_error("no such entry");
    }

    Catalogue catalogue;
    // katana (cutlass set, type 7), iron ingots, exceptional, 20.
    const Deed katana = deed(1, 3, 7, 1, 2, 3);
};

TEST_F(SimpleText, NamesInTheChosenOrderJoinedBySlashes) {
    EXPECT_EQ(buildSimpleText(katana, catalogue, "00010203"), "katana/iron ingots/exceptional/20");
    EXPECT_EQ(buildSimpleText(katana, catalogue, "03020100"), "20/exceptional/iron ingots/katana");
    EXPECT_EQ(buildSimpleText(katana, catalogue, "00000000"), "katana/katana/katana/katana");
    EXPECT_EQ(buildSimpleText(katana, catalogue, "0301"), "katana/iron ingots/exceptional/20");
}

TEST_F(SimpleText, StoredOrderOfTheWrongLengthFallsBackToTheDefault) {
    EXPECT_EQ(effectiveSimpleTextOrder(""), "00010203");
    EXPECT_EQ(effectiveSimpleTextOrder("0302010"), "00010203");
    EXPECT_EQ(effectiveSimpleTextOrder("030201000"), "00010203");
    EXPECT_EQ(effectiveSimpleTextOrder("03020100"), "03020100");
    EXPECT_EQ(buildSimpleText(katana, catalogue, "030201000"), "katana/iron ingots/exceptional/20");
}

TEST_F(SimpleText, NumbersOutsideZeroToThreeAddNothing) {
    EXPECT_EQ(buildSimpleText(katana, catalogue, "04059942"), "");
    EXPECT_EQ(buildSimpleText(katana, catalogue, "-1990304"), "20");
    EXPECT_EQ(buildSimpleText(katana, catalogue, "01990002"), "iron ingots/katana/exceptional");
}

TEST_F(SimpleText, CustomisedAndEmptyNamesAreUsedAsTheyStand) {
    entry(makeKey(1, 3, 7)).name = "my blade";
    entry(makeKey(kQualityBlock, 2, 0)).name.clear();
    EXPECT_EQ(buildSimpleText(katana, catalogue, "00010203"), "my blade/iron ingots//20");
    // The empty piece at the end still leaves its separator.
    EXPECT_EQ(buildSimpleText(katana, catalogue, "00010302"), "my blade/iron ingots/20/");
}

TEST_F(SimpleText, LargeDeedShowsTheQuantityNameAndCp932Names) {
    // cutlass 大口, 標準, 20: the quantity is not multiplied by the six parts of the set.
    const Deed large = deed(1, 3, 1, 1, 1, 3);
    EXPECT_EQ(buildSimpleText(large, catalogue, "00010203"),
              "cutlass \x91\xe5\x8c\xfb/iron ingots/\x95\x57\x8f\x80/20"s);
}

} // namespace
} // namespace tessary
