// A catalogue read from the settings file may describe far more large orders than any real one.
#include "content/DeedDocument.h"
#include "data/CataloguePersistence.h"
#include "platform/ProfileFile.h"
#include "status/ConditionRows.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

CatalogueEntry entry(unsigned b3, unsigned b2, unsigned b1) {
    CatalogueEntry e;
    e.key = makeKey(b3, b2, b1);
    e.name = "n";
    return e;
}

// One group of `categories` categories and 125 materials, `qualities` qualities and
// `quantities` quantities: categories x 125 x qualities x quantities rows.
Catalogue catalogueOf(unsigned categories, unsigned qualities, unsigned quantities) {
    Catalogue catalogue;
    auto& entries = catalogue.entries();
    entries.push_back(entry(1, 0, 0));
    for (unsigned c = 1; c <= categories; ++c) {
        entries.push_back(entry(1, c, 0));
    }
    entries.push_back(entry(1, 121, 125));
    entries.push_back(entry(121, qualities, 0));
    entries.push_back(entry(122, quantities, 0));
    return catalogue;
}

TEST(ConditionRowsBound, AFourLineSettingsFileGivesNoRowsInsteadOfExhaustingMemory) {
    test::TempDir dir;
    // Every value is within what loading accepts: group 120 with category 120, material 125,
    // quality 125 and quantity 125.
    dir.write("Tessary.ini", "[ConstantValues]\r\nCount=4\r\n"
                             "Value0001=120120000000000000000000c\r\n"
                             "Value0002=120121125000000000000000m\r\n"
                             "Value0003=121125000000000000000000q\r\n"
                             "Value0004=122125000000000000000000n\r\n");
    ProfileFile settings(dir.file("Tessary.ini"));
    DeedDocument doc;
    loadCatalogue(settings, doc.catalogue());
    ASSERT_EQ(doc.catalogue().size(), 4u);
    EXPECT_EQ(countConditionRows(doc.catalogue()), 120ull * 125 * 125 * 125);
    EXPECT_TRUE(catalogueTooLargeForOrderStatus(doc.catalogue()));

    auto deed = std::make_unique<Deed>();
    deed->itemCode = Deed::makeItemCode(120, 120, 1, 125);
    deed->orderCode = Deed::makeOrderCode(125, 125);
    doc.registerDeed(std::move(deed));
    EXPECT_EQ(doc.buildConditionRows(), 0);
    EXPECT_TRUE(doc.conditionRows().empty());
    // The deeds are untouched; only the order status is left out.
    EXPECT_EQ(doc.deeds().size(), 1u);
    EXPECT_EQ(
        doc.findConditionRow(Deed::makeItemCode(120, 120, 0, 125), Deed::makeOrderCode(125, 125)),
        nullptr);
}

TEST(ConditionRowsBound, CountsExactlyAndBuildsUpToTheBound) {
    Catalogue builtin;
    builtin.buildDefault();
    EXPECT_EQ(countConditionRows(builtin), 366u);
    EXPECT_FALSE(catalogueTooLargeForOrderStatus(builtin));
    EXPECT_FALSE(catalogueTooLargeForOrderStatus(Catalogue{}));

    const std::vector<std::unique_ptr<Deed>> noDeeds;
    std::vector<ConditionRow> rows;
    const Catalogue atBound = catalogueOf(8, 10, 10);
    EXPECT_EQ(countConditionRows(atBound), kMaxConditionRows);
    EXPECT_FALSE(catalogueTooLargeForOrderStatus(atBound));
    EXPECT_EQ(buildConditionRows(atBound, noDeeds, rows), 100'000);
    EXPECT_EQ(rows.size(), 100'000u);
    EXPECT_EQ(rows.back().firstKey, Deed::makeItemCode(1, 8, 0, 125));
    EXPECT_EQ(rows.back().secondKey, Deed::makeOrderCode(10, 10));

    // One quantity more is beyond the bound: the rows of an earlier build are gone too.
    const Catalogue overBound = catalogueOf(8, 10, 11);
    EXPECT_EQ(countConditionRows(overBound), 110'000u);
    EXPECT_TRUE(catalogueTooLargeForOrderStatus(overBound));
    EXPECT_EQ(buildConditionRows(overBound, noDeeds, rows), 0);
    EXPECT_TRUE(rows.empty());
}

} // namespace
} // namespace tessary
