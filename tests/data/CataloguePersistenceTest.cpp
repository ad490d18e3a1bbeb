#include "data/CataloguePersistence.h"
#include "platform/ProfileFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

using namespace std::string_literals;
using test::TempDir;

const std::string kValue0001 =
    "001000000000001000000000\x92\x62\x96\xe8\x81\x69\x95\x90\x8a\xed\x81\x6a"s;
const std::string kValue0002 = "001001000000007000000000bardiche";
const std::string kValue0037 = "001121001000000195203203iron ingots";
const std::string kValue0169 = "12200300000000000000000020";

TEST(CatalogueSettingsForm, WritesAndReadsTheFixedWidthFields) {
    Catalogue catalogue;
    catalogue.buildDefault();
    const auto& e = catalogue.entries();
    EXPECT_EQ(toProfileString(e[0]), kValue0001);
    EXPECT_EQ(toProfileString(e[1]), kValue0002);
    EXPECT_EQ(toProfileString(e[36]), kValue0037);
    EXPECT_EQ(toProfileString(e[168]), kValue0169);

    for (const CatalogueEntry& original : e) {
        const auto read = fromProfileString(toProfileString(original));
        ASSERT_TRUE(read.has_value()) << original.key;
        EXPECT_EQ(read->key, original.key);
        EXPECT_EQ(read->partCount, original.partCount);
        EXPECT_EQ(read->iconIndex, original.iconIndex);
        EXPECT_EQ(read->color, original.color);
        EXPECT_EQ(read->name, original.name);
    }

    // Fields keep their low 8 bits; key bytes above 125 fail.
    const auto wrapped = fromProfileString("300001002258001255256257x");
    ASSERT_TRUE(wrapped.has_value());
    EXPECT_EQ(wrapped->key, makeKey(44, 1, 2));
    EXPECT_EQ(wrapped->partCount, 2);
    EXPECT_EQ(wrapped->color, 0x0100FFu);
    EXPECT_FALSE(fromProfileString("126000000000000000000000x").has_value());
    EXPECT_FALSE(fromProfileString("001000126000000000000000x").has_value());
    EXPECT_FALSE(fromProfileString("001000000000000000000000").has_value()); // no name
    EXPECT_FALSE(fromProfileString("").has_value());
    const auto junk = fromProfileString("abcdefghijklmnopqrstuvwxname");
    ASSERT_TRUE(junk.has_value());
    EXPECT_EQ(junk->key, 0u);
    EXPECT_EQ(junk->name, "name");
}

TEST(CataloguePersistence, FirstStartWritesTheBuiltInTableAndTheNextStartReadsIt) {
    TempDir dir;
    ProfileFile settings(dir.file("Tessary.ini"));
    Catalogue first;
    loadCatalogue(settings, first);
    ASSERT_EQ(first.size(), 169u);
    EXPECT_EQ(settings.readInt("ConstantValues", "Count", 0), 169);
    EXPECT_EQ(settings.readString("ConstantValues", "Value0001", ""), kValue0001);
    EXPECT_EQ(settings.readString("ConstantValues", "Value0037", ""), kValue0037);
    EXPECT_EQ(settings.readString("ConstantValues", "Value0169", ""), kValue0169);
    const std::string text = dir.read("Tessary.ini");
    EXPECT_NE(text.find("[ConstantValues]\r\nCount=169\r\nValue0001=" + kValue0001 + "\r\n"),
              std::string::npos);

    // A customised name is what the next start shows.
    settings.writeString("ConstantValues", "Value0002", "001001000000007000000000Bardiche!");
    Catalogue second;
    loadCatalogue(settings, second);
    ASSERT_EQ(second.size(), 169u);
    EXPECT_EQ(second.nameOf(kNameCategory, 1, 1, 0, 0, 0, 0), "Bardiche!");
    EXPECT_EQ(second.entries()[1].iconIndex, 7);
}

TEST(CataloguePersistence, ABrokenTableLeavesTheCatalogueEmptyAndTheFileAlone) {
    TempDir dir;
    const auto loadWith = [&dir](const std::string& ini) {
        dir.write("Tessary.ini", ini);
        ProfileFile settings(dir.file("Tessary.ini"));
        Catalogue catalogue;
        catalogue.buildDefault();
        loadCatalogue(settings, catalogue);
        EXPECT_EQ(dir.read("Tessary.ini"), ini);
        return catalogue.size();
    };
    const std::string head = "[ConstantValues]\r\nCount=2\r\n";
    EXPECT_EQ(loadWith(head + "Value0001=" + kValue0001 + "\r\nValue0002=" + kValue0002 + "\r\n"),
              2u);
    // Out of order, repeated, missing, malformed.
    EXPECT_EQ(loadWith(head + "Value0001=" + kValue0002 + "\r\nValue0002=" + kValue0001 + "\r\n"),
              0u);
    EXPECT_EQ(loadWith(head + "Value0001=" + kValue0002 + "\r\nValue0002=" + kValue0002 + "\r\n"),
              0u);
    EXPECT_EQ(loadWith(head + "Value0001=" + kValue0001 + "\r\n"), 0u);
    EXPECT_EQ(loadWith(head + "Value0001=" + kValue0001 + "\r\nValue0002=002\r\n"), 0u);
    EXPECT_EQ(loadWith("[ConstantValues]\r\nCount=-3\r\n"), 0u);
    // A huge count stops at the first missing value.
    EXPECT_EQ(loadWith("[ConstantValues]\r\nCount=2000000000\r\nValue0001=" + kValue0001 + "\r\n"),
              0u);
}

TEST(CataloguePersistence, ACountOfZeroRestoresTheBuiltInTable) {
    TempDir dir;
    dir.write("Tessary.ini", "[ConstantValues]\r\nCount=0\r\nValue0001=junk\r\n");
    ProfileFile settings(dir.file("Tessary.ini"));
    Catalogue catalogue;
    loadCatalogue(settings, catalogue);
    EXPECT_EQ(catalogue.size(), 169u);
    EXPECT_EQ(settings.readString("ConstantValues", "Value0001", ""), kValue0001);

    // Values beyond a shorter table stay in the file, unread.
    catalogue.entries().resize(3);
    ASSERT_TRUE(saveCatalogue(settings, catalogue));
    EXPECT_EQ(settings.readInt("ConstantValues", "Count", 0), 3);
    EXPECT_EQ(settings.readString("ConstantValues", "Value0169", ""), kValue0169);
    Catalogue shorter;
    loadCatalogue(settings, shorter);
    EXPECT_EQ(shorter.size(), 3u);
}

} // namespace
} // namespace tessary
