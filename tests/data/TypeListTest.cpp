#include "data/TypeList.h"
#include "platform/Cp932.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessary {
namespace {

const std::string kWeaponGroup = "\x92\x62\x96\xe8\x81\x69\x95\x90\x8a\xed\x81\x6a"; // 鍛冶（武器）
const std::string kLarge = "\x91\xe5\x8c\xfb";                                       // 大口

std::vector<std::string> column(const std::vector<TypeListRow>& rows, std::size_t c) {
    std::vector<std::string> out;
    for (const TypeListRow& row : rows) {
        out.push_back(row.texts[c]);
    }
    return out;
}

TEST(TypeList, ListsEveryTypeInCp932OrderWithItsCategoryAndGroup) {
    Catalogue catalogue;
    catalogue.buildDefault();
    const std::vector<TypeListRow> rows = typeListRows(catalogue);
    ASSERT_EQ(rows.size(), 123u); // every type of the 22 sets, large deeds included

    for (const TypeListRow& row : rows) {
        for (const std::string& text : row.texts) {
            ASSERT_GE(text.size(), 2u);
            EXPECT_EQ(text[0], ' ');
        }
    }
    const auto types = column(rows, 0);
    EXPECT_TRUE(std::is_sorted(types.begin(), types.end(), [](const auto& a, const auto& b) {
        return compareCp932(a, b) < 0;
    }));
    // Byte order, not a locale's: capitals come before every lower-case name.
    EXPECT_EQ(types.front(), " Chainmail " + kLarge);
    EXPECT_EQ(types.back(), " wizard's hat " + kLarge);

    const auto halberd = std::find(types.begin(), types.end(), " halberd") - types.begin();
    EXPECT_EQ(rows[static_cast<std::size_t>(halberd)].texts[1], " bardiche");
    EXPECT_EQ(rows[static_cast<std::size_t>(halberd)].texts[2], " " + kWeaponGroup);

    // Equal type names keep the catalogue's order: the cloth sets' boots, then the leather one.
    std::vector<std::string> bootsSets;
    for (const TypeListRow& row : rows) {
        if (row.texts[0] == " boots") {
            bootsSets.push_back(row.texts[1]);
        }
    }
    EXPECT_EQ(bootsSets, (std::vector<std::string>{" straw hat", " wizard's hat", " sandals"}));
}

TEST(TypeList, AnUnusualCatalogueShowsWhatItHolds) {
    EXPECT_TRUE(typeListRows(Catalogue{}).empty());

    // Types with no group or category entry before them, a type under category 0, materials,
    // qualities and an entry beyond the quantity block.
    Catalogue odd;
    odd.entries() = {
        {makeKey(5, 2, 1), 1, 0, 0, "orphan", ""},
        {makeKey(6, 0, 4), 0, 0, 0, "no set", ""},
        {makeKey(6, 3, 0), 0, 0, 0, "set", ""},
        {makeKey(6, 3, 1), 0, 0, 0, "", ""},
        {makeKey(6, kMaterialBlock, 1), 0, 0, 0, "ore", ""},
        {makeKey(kQualityBlock, 1, 0), 0, 0, 0, "fine", ""},
        {makeKey(125, 1, 7), 0, 0, 0, "beyond", ""},
    };
    const std::vector<TypeListRow> rows = typeListRows(odd);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].texts, (std::array<std::string, 3>{" ", " set", " "}));
    EXPECT_EQ(rows[1].texts, (std::array<std::string, 3>{" orphan", " ", " "}));
}

} // namespace
} // namespace tessary
