#include "data/Catalogue.h"
#include "data/Deed.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

// CP932 bytes of the Japanese names the tests look at.
const std::string kWeaponsGroup =
    "\x92\x62\x96\xe8\x81\x69\x95\x90\x8a\xed\x81\x6a"; // 鍛冶（武器）
const std::string kLarge = "\x91\xe5\x8c\xfb";          // 大口
const std::string kStandard = "\x95\x57\x8f\x80";       // 標準

std::vector<std::string> texts(const std::vector<ComboChoice>& choices) {
    std::vector<std::string> out;
    for (const auto& c : choices) {
        out.push_back(c.text);
    }
    return out;
}

class BuiltinCatalogue : public ::testing::Test {
protected:
    void SetUp() override { catalogue.buildDefault(); }
    Catalogue catalogue;
};

TEST_F(BuiltinCatalogue, HasEveryEntryOnceInAscendingKeyOrder) {
    const auto& entries = catalogue.entries();
    ASSERT_EQ(entries.size(), 169u);
    for (std::size_t i = 1; i < entries.size(); ++i) {
        EXPECT_LT(entries[i - 1].key, entries[i].key) << "at " << i;
    }
    // Every entry is found by its own key, and byte 0 is never used.
    for (const auto& e : entries) {
        EXPECT_EQ(catalogue.findEntry(e.key), &e);
        EXPECT_EQ(e.key & 0xFFu, 0u);
        EXPECT_TRUE(e.defaultName.empty());
    }
    EXPECT_EQ(entries.front().name, kWeaponsGroup);
    EXPECT_EQ(entries[36].key, makeKey(1, 121, 1)); // the weapons group's one material
    EXPECT_EQ(entries.back().key, makeKey(122, 3, 0));
    EXPECT_EQ(catalogue.findEntry(makeKey(1, 6, 0)), nullptr);
    EXPECT_EQ(catalogue.findEntry(0), nullptr);
}

TEST_F(BuiltinCatalogue, NamesColoursPartCountsAndImages) {
    EXPECT_EQ(catalogue.nameOf(kNameType, 4, 5, 1, 0, 0, 0), "leather skirt " + kLarge);
    EXPECT_EQ(catalogue.nameOf(kNameMaterial, 2, 0, 0, 9, 0, 0), "valorite ingots");
    EXPECT_EQ(catalogue.nameOf(kNameQuality, 0, 0, 0, 0, 2, 0), "exceptional");
    EXPECT_EQ(catalogue.nameOf(kNameQuality, 0, 0, 0, 0, 1, 0), kStandard);
    EXPECT_EQ(catalogue.nameOf(kNameQuantity, 0, 0, 0, 0, 0, 3), "20");
    EXPECT_EQ(catalogue.nameOf(kNameGroup, 5, 0, 0, 0, 0, 0), "");
    EXPECT_EQ(catalogue.nameOf(kNameMaterial, 1, 0, 0, 2, 0, 0), "");
    EXPECT_EQ(catalogue.nameOf(static_cast<NameKind>(6), 1, 1, 1, 1, 1, 1), "");
    EXPECT_EQ(catalogue.nameOf(kNameType, 1, 3, 7, 0, 0, 0), "katana");
    EXPECT_EQ(catalogue.nameOf(kNameType, 4, 1, 5, 0, 0, 0), "thigh boots");

    EXPECT_EQ(catalogue.colorOf(kNameMaterial, 2, 0, 0, 9, 0, 0), 145u + 162u * 256 + 186u * 65536);
    EXPECT_EQ(catalogue.colorOf(kNameMaterial, 3, 0, 0, 1, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(catalogue.colorOf(kNameMaterial, 1, 0, 0, 2, 0, 0), 0u);
    EXPECT_EQ(catalogue.colorOf(kNameGroup, 1, 0, 0, 0, 0, 0), 0u);

    EXPECT_EQ(catalogue.partCountOf(2, 2, 1), 3);
    EXPECT_EQ(catalogue.partCountOf(2, 2, 3), 1);
    EXPECT_EQ(catalogue.partCountOf(2, 4, 1), 0);
    EXPECT_EQ(catalogue.partCountOf(1, 1, 1), 2);
    EXPECT_EQ(catalogue.partCountOf(3, 9, 1), 5);

    // Each group's image, and the one image shared by its categories and types.
    const int groupIcons[] = {1, 8, 13, 24};
    const int categoryIcons[] = {7, 12, 23, 30};
    for (int g = 1; g <= 4; ++g) {
        EXPECT_EQ(catalogue.iconIndexOf(g, 0, 0), groupIcons[g - 1]);
        EXPECT_EQ(catalogue.iconIndexOf(g, 1, 0), categoryIcons[g - 1]);
        EXPECT_EQ(catalogue.iconIndexOf(g, 2, 3), categoryIcons[g - 1]);
    }
    EXPECT_EQ(catalogue.iconIndexOf(5, 1, 1), 0);

    Deed deed;
    deed.itemCode = Deed::makeItemCode(4, 4, 3, 3);
    deed.orderCode = Deed::makeOrderCode(2, 1);
    EXPECT_EQ(catalogue.nameOf(kNameType, deed), "leather gorget");
    EXPECT_EQ(catalogue.nameOf(kNameMaterial, deed), "horned leather");
    EXPECT_EQ(catalogue.nameOf(kNameQuantity, deed), "10");
    EXPECT_EQ(catalogue.partCountOf(deed), 1);
}

TEST_F(BuiltinCatalogue, FillsTheDropDownChoices) {
    std::vector<ComboChoice> choices;

    EXPECT_EQ(catalogue.fillCombo(choices, kComboGroups), 4);
    EXPECT_EQ(choices.front(), (ComboChoice{" " + kWeaponsGroup, 1}));
    EXPECT_EQ(choices.back().data, 4);

    EXPECT_EQ(catalogue.fillCombo(choices, kComboCategories, 3), 9);
    EXPECT_EQ(choices[8], (ComboChoice{" feathered hat", 9}));

    // The first cloth set offers all its types; the later ones lose their closing footwear.
    EXPECT_EQ(catalogue.fillCombo(choices, kComboTypes, 3, 1), 5);
    EXPECT_EQ(choices.size(), 5u);
    EXPECT_EQ(catalogue.fillCombo(choices, kComboTypes, 3, 2), 5);
    EXPECT_EQ(texts(choices), (std::vector<std::string>{" straw hat " + kLarge, " straw hat",
                                                        " tunic", " long pants"}));
    EXPECT_EQ(choices[3].data, 4);
    EXPECT_EQ(catalogue.fillCombo(choices, kComboTypes, 3, 9), 6);
    EXPECT_EQ(choices.size(), 5u);
    EXPECT_EQ(choices.back().text, " short pants");
    EXPECT_EQ(catalogue.fillCombo(choices, kComboTypes, 4, 1), 5);
    EXPECT_EQ(choices.back(), (ComboChoice{" thigh boots", 5}));

    EXPECT_EQ(catalogue.fillCombo(choices, kComboMaterials, 4), 4);
    EXPECT_EQ(choices[1], (ComboChoice{" spined leather", 2}));
    EXPECT_EQ(catalogue.fillCombo(choices, kComboMaterials, 1), 1);

    EXPECT_EQ(catalogue.fillCombo(choices, kComboQualities), 2);
    EXPECT_EQ(choices[0], (ComboChoice{" " + kStandard, 1}));

    // Quantities times the part count of the chosen type.
    EXPECT_EQ(catalogue.fillCombo(choices, kComboQuantities, 1, 1, 1), 3);
    EXPECT_EQ(texts(choices), (std::vector<std::string>{" 20", " 30", " 40"}));
    catalogue.fillCombo(choices, kComboQuantities, 1, 3, 1);
    EXPECT_EQ(texts(choices), (std::vector<std::string>{" 60", " 90", " 120"}));
    EXPECT_EQ(choices[2].data, 3);
    catalogue.fillCombo(choices, kComboQuantities, 1, 3, 4);
    EXPECT_EQ(texts(choices), (std::vector<std::string>{" 10", " 15", " 20"}));

    EXPECT_EQ(catalogue.fillCombo(choices, kComboCombineCounts, 3), 21);
    EXPECT_EQ(choices.front(), (ComboChoice{" 0", 0}));
    EXPECT_EQ(choices.back(), (ComboChoice{" 20", 20}));
    EXPECT_EQ(catalogue.fillCombo(choices, kComboCombineCounts, 1), 11);
}

TEST(EmptyCatalogue, EveryLookupYieldsBlanks) {
    Catalogue catalogue;
    std::vector<ComboChoice> choices{{"stale", 1}};
    EXPECT_EQ(catalogue.findEntry(makeKey(1, 0, 0)), nullptr);
    EXPECT_EQ(catalogue.nameOf(kNameGroup, 1, 0, 0, 0, 0, 0), "");
    EXPECT_EQ(catalogue.colorOf(kNameMaterial, 2, 0, 0, 1, 0, 0), 0u);
    EXPECT_EQ(catalogue.partCountOf(1, 1, 1), 0);
    EXPECT_EQ(catalogue.iconIndexOf(1, 1, 1), 0);
    for (int kind = kComboGroups; kind <= kComboQuantities; ++kind) {
        EXPECT_EQ(catalogue.fillCombo(choices, static_cast<ComboKind>(kind), 3, 2, 1), 0) << kind;
        EXPECT_TRUE(choices.empty()) << kind;
    }
    // No quantity name reads as 0, so only the choice " 0" remains.
    EXPECT_EQ(catalogue.fillCombo(choices, kComboCombineCounts, 3), 1);
    EXPECT_EQ(choices.front().text, " 0");
}

TEST(CustomCatalogue, QuantityNamesAreReadAsLeadingNumbers) {
    Catalogue catalogue;
    catalogue.buildDefault();
    catalogue.entries().back().name = " -5 pieces";
    std::vector<ComboChoice> choices;
    EXPECT_EQ(catalogue.quantityNumber(3), -5);
    EXPECT_EQ(catalogue.fillCombo(choices, kComboCombineCounts, 3), 0);
    EXPECT_TRUE(choices.empty());
    // A huge quantity offers no more combine counts than a deed can hold.
    catalogue.entries().back().name = "2000000000";
    EXPECT_EQ(catalogue.fillCombo(choices, kComboCombineCounts, 3), 65536);
    EXPECT_EQ(choices.back(), (ComboChoice{" 65535", 65535}));
    catalogue.entries().back().name = "many";
    EXPECT_EQ(catalogue.quantityNumber(3), 0);
    catalogue.fillCombo(choices, kComboQuantities, 1, 3, 1);
    EXPECT_EQ(choices.back().text, " 0");
}

} // namespace
} // namespace tessary
