#include "data/NameCustomization.h"
#include "content/ApplyNames.h"
#include "content/DeedDocument.h"
#include "data/CataloguePersistence.h"
#include "platform/ProfileFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

using test::TempDir;

const std::string kArmourGroup = "\x92\x62\x96\xe8\x81\x69\x96\x68\x8b\xef\x81\x6a"; // 鍛冶（防具）
const std::string kExcellent = "\x97\x44\x8f\x47";                                   // 優秀

std::string repeat(std::string_view piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

CatalogueEntry& entryOf(Catalogue& catalogue, std::uint32_t key) {
    for (CatalogueEntry& e : catalogue.entries()) {
        if (e.key == key) {
            return e;
        }
    }
    throw std::runtime_error("no such entry");
}

TEST(NamingCopy, TakesTheNamesInForceOverTheBuiltInNumbers) {
    Catalogue current;
    current.buildDefault();
    entryOf(current, makeKey(kQualityBlock, 2, 0)).name = kExcellent;
    // A hand-edited settings file: another colour, and an entry the built-in table lacks.
    entryOf(current, makeKey(2, kMaterialBlock, 9)).color = 0x123456;
    current.entries().push_back({makeKey(125, 1, 0), 0, 0, 0, "extra", ""});

    const std::optional<Catalogue> working = buildNamingCopy(current);
    ASSERT_TRUE(working.has_value());
    ASSERT_EQ(working->size(), 169u);
    const CatalogueEntry* quality = working->findEntry(makeKey(kQualityBlock, 2, 0));
    EXPECT_EQ(quality->name, kExcellent);
    EXPECT_EQ(quality->defaultName, "exceptional");
    EXPECT_EQ(working->findEntry(makeKey(2, kMaterialBlock, 9))->color,
              145u + 162u * 256u + 186u * 65536u);
    EXPECT_EQ(working->findEntry(makeKey(125, 1, 0)), nullptr);

    // A catalogue lacking any built-in key (or empty after a broken settings file) gives none.
    Catalogue lacking;
    lacking.buildDefault();
    lacking.entries().erase(lacking.entries().begin() + 100);
    EXPECT_FALSE(buildNamingCopy(lacking).has_value());
    EXPECT_FALSE(buildNamingCopy(Catalogue{}).has_value());
}

TEST(NamingRows, ListEachKindWithTheInitialNameOfItsOwner) {
    Catalogue current;
    current.buildDefault();
    entryOf(current, makeKey(1, 1, 0)).name = "renamed set";
    Catalogue working = *buildNamingCopy(current);

    const int expectedCounts[kNamingKindCount] = {4, 22, 123, 15, 2};
    for (int k = 0; k < kNamingKindCount; ++k) {
        const auto kind = static_cast<NamingKind>(k);
        const std::vector<NamingRow> rows = namingRows(working, kind);
        EXPECT_EQ(static_cast<int>(rows.size()), expectedCounts[k]) << k;
        for (const NamingRow& row : rows) {
            for (int c = 0; c < namingColumnCount(kind); ++c) {
                EXPECT_EQ(row.texts[static_cast<std::size_t>(c)].substr(0, 1), " ") << k;
            }
            EXPECT_NE(working.entries()[row.entry].byte3(), kQuantityBlock);
        }
    }

    // A type shows its category's initial name, even when the category was renamed.
    const auto types = namingRows(working, NamingKind::Type);
    EXPECT_EQ(types[0].texts[0], " bardiche \x91\xe5\x8c\xfb");
    EXPECT_EQ(types[2].texts[0], " halberd");
    EXPECT_EQ(types[2].texts[2], " bardiche");
    const auto categories = namingRows(working, NamingKind::Category);
    EXPECT_EQ(categories[0].texts[0], " renamed set");
    EXPECT_EQ(categories[0].texts[1], " bardiche");
    const auto materials = namingRows(working, NamingKind::Material);
    EXPECT_EQ(materials[9].texts[0], " valorite ingots");
    EXPECT_EQ(materials[9].texts[2], " " + kArmourGroup);
    const auto qualities = namingRows(working, NamingKind::Quality);
    EXPECT_EQ(working.entries()[qualities[1].entry].key, makeKey(kQualityBlock, 2, 0));
    EXPECT_TRUE(qualities[1].texts[2].empty());

    // Reset brings back every initial name, also of kinds not listed.
    resetNames(working);
    EXPECT_EQ(working.findEntry(makeKey(1, 1, 0))->name, "bardiche");
    EXPECT_EQ(namingRows(working, NamingKind::Category)[0].texts[0], " bardiche");
}

TEST(NewName, IsTrimmedAndCountedInCp932Bytes) {
    const NameCheckResult trimmed = checkNewName("  exceptional ");
    EXPECT_EQ(trimmed.check, NameCheck::Ok);
    EXPECT_EQ(trimmed.name, "exceptional");
    // Ideographic and no-break spaces around a name go too; inner blanks stay.
    const NameCheckResult wide = checkNewName("\xE3\x80\x80\xE5\x84\xAA \xE7\xA7\x80\xC2\xA0\t");
    EXPECT_EQ(wide.check, NameCheck::Ok);
    EXPECT_EQ(wide.name, "\x97\x44 \x8f\x47");

    EXPECT_EQ(checkNewName("").check, NameCheck::Empty);
    EXPECT_EQ(checkNewName("   \xE3\x80\x80 ").check, NameCheck::Empty);

    // 20 double-byte characters are 40 bytes (60 in UTF-8); one more byte is too many.
    const std::string hiragana = "\xE3\x81\x82"; // あ
    const NameCheckResult forty = checkNewName(repeat(hiragana, 20));
    EXPECT_EQ(forty.check, NameCheck::Ok);
    EXPECT_EQ(forty.name, repeat("\x82\xa0", 20));
    EXPECT_EQ(checkNewName(repeat(hiragana, 20) + "a").check, NameCheck::TooLong);
    EXPECT_EQ(checkNewName(repeat("a", 41)).check, NameCheck::TooLong);
    // Half-width katakana take one byte each in CP932 (three in UTF-8).
    EXPECT_EQ(checkNewName(repeat("\xEF\xBD\xB1", 40)).check, NameCheck::Ok);

    // Characters CP932 cannot hold, control characters and broken UTF-8 are refused, not
    // stored as question marks.
    EXPECT_EQ(checkNewName("caf\xC3\xA9").check, NameCheck::Unrepresentable);
    EXPECT_EQ(checkNewName("\xF0\x9F\x98\x80 sword").check, NameCheck::Unrepresentable);
    EXPECT_EQ(checkNewName("two\nlines").check, NameCheck::Unrepresentable);
    EXPECT_EQ(checkNewName("bad \xE3\x81").check, NameCheck::Unrepresentable);
    EXPECT_EQ(checkNewName(repeat("\xC3\xA9", 30)).check, NameCheck::Unrepresentable);
    EXPECT_EQ(checkNewName("what?").name, "what?");
}

TEST(RenamedCatalogue, IsPutInForceAndWrittenWithTheBuiltInNumbers) {
    TempDir dir;
    ProfileFile settings(dir.file("Tessary.ini"));
    DeedDocument doc;
    loadCatalogue(settings, doc.catalogue());
    // A hand-edited colour of valorite, which the renamed catalogue replaces by the built-in one.
    entryOf(doc.catalogue(), makeKey(2, kMaterialBlock, 9)).color = 0x010203;
    auto deed = std::make_unique<Deed>();
    deed->itemCode = Deed::makeItemCode(2, 3, 4, 9);
    deed->orderCode = Deed::makeOrderCode(2, 1);
    const Deed* registered = doc.registerDeed(std::move(deed));
    EXPECT_EQ(registered->materialColor, 0x010203u);
    doc.setSelectedEntry(doc.catalogue().findEntry(makeKey(2, 3, 0)));
    doc.setRebuildPending(false);
    const std::string deedFileBefore = doc.writeDocument();

    Catalogue working = *buildNamingCopy(doc.catalogue());
    const NameCheckResult typed = checkNewName(" \xE5\x84\xAA\xE7\xA7\x80 ");
    ASSERT_EQ(typed.check, NameCheck::Ok);
    entryOf(working, makeKey(kQualityBlock, 2, 0)).name = typed.name;
    ASSERT_TRUE(applyRenamedCatalogue(doc, renamedCatalogue(working), settings));

    EXPECT_EQ(doc.catalogue().size(), 169u);
    EXPECT_EQ(doc.catalogue().nameOf(kNameQuality, *registered), kExcellent);
    EXPECT_EQ(registered->materialColor, 145u + 162u * 256u + 186u * 65536u);
    ASSERT_NE(doc.selectedEntry(), nullptr);
    EXPECT_EQ(doc.selectedEntry(), doc.catalogue().findEntry(makeKey(2, 3, 0)));
    EXPECT_TRUE(doc.rebuildPending());
    EXPECT_TRUE(doc.catalogue().entries()[0].defaultName.empty());
    EXPECT_EQ(doc.writeDocument(), deedFileBefore);

    EXPECT_EQ(settings.readInt("ConstantValues", "Count", 0), 169);
    EXPECT_EQ(settings.readString("ConstantValues", "Value0166", ""),
              "121002000000000000000000" + kExcellent);
    EXPECT_EQ(settings.readString("ConstantValues", "Value0066", ""),
              "002121009000000145162186valorite ingots");
    // The next start reads the new name.
    Catalogue next;
    loadCatalogue(settings, next);
    EXPECT_EQ(next.nameOf(kNameQuality, 0, 0, 0, 0, 2, 0), kExcellent);
}

} // namespace
} // namespace tessary
