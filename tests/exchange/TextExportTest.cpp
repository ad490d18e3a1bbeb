#include "exchange/TextExport.h"

#include "data/Catalogue.h"
#include "data/Deed.h"
#include "exchange/MissingDeeds.h"
#include "platform/AtomicFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>

namespace tessary {
namespace {

using namespace std::string_literals;
using Item = ExportItem;

Deed makeDeed(int group, int category, int type, int material, int quality, int quantity,
              std::uint16_t combined = 0, std::uint32_t serial = 0, std::string comment = {}) {
    Deed d;
    d.itemCode = Deed::makeItemCode(group, category, type, material);
    d.orderCode = Deed::makeOrderCode(quality, quantity);
    d.combined = combined;
    d.serialNumber = serial;
    d.comment = std::move(comment);
    return d;
}

class TextExport : public ::testing::Test {
protected:
    void SetUp() override { catalogue.buildDefault(); }

    CatalogueEntry& entry(std::uint32_t key) {
        for (CatalogueEntry& e : catalogue.entries()) {
            if (e.key == key) {
                return e;
            }
        }
        throw std::logic_error("no such entry");
    }

    std::string line(const Deed& deed, const ExportOptions& options, std::uint64_t number = 1) {
        return ExportLineBuilder(catalogue, options).line(deed, number);
    }

    static ExportOptions withItems(std::vector<Item> items) {
        ExportOptions options;
        options.items = std::move(items);
        return options;
    }

    // The items checked at every opening, in their starting order.
    static ExportOptions defaults() {
        ExportOptions options;
        for (const ExportItemRow& row : kDefaultExportItems) {
            if (row.checked) {
                options.items.push_back(row.item);
            }
        }
        return options;
    }

    Catalogue catalogue;
    // katana (cutlass set, type 7), iron ingots, exceptional, 20; 7 combined.
    const Deed katana = makeDeed(1, 3, 7, 1, 2, 3, 7, 31, "for Bob");
    // A large deed of the six-part mace set, 20 each, three parts (types 2 to 4) combined.
    const Deed maceLarge = makeDeed(1, 2, 1, 1, 1, 3, 0xE000, 5);
};

TEST_F(TextExport, DefaultItemsGiveNumberAndNamesAndQuantity) {
    EXPECT_EQ(line(katana, defaults()), "1. katana / iron ingots / exceptional / 20");
    EXPECT_EQ(line(katana, defaults(), 12), "12. katana / iron ingots / exceptional / 20");

    // Every item in the table's order, comment and registration number included.
    ExportOptions all =
        withItems({Item::Number, Item::Group, Item::Category, Item::Type, Item::Material,
                   Item::Quality, Item::Quantity, Item::Combined, Item::Comment, Item::Serial});
    all.period = false;
    all.delimiter = ",";
    EXPECT_EQ(line(katana, all, 3),
              "3 \x92\x62\x96\xe8\x81\x69\x95\x90\x8a\xed\x81\x6a,cutlass,katana,iron ingots,"
              "exceptional,20,7,for Bob,31");

    // The user's order, with the number kept first.
    EXPECT_EQ(line(katana, withItems({Item::Number, Item::Quality, Item::Serial, Item::Type})),
              "1. exceptional / 31 / katana");
}

TEST_F(TextExport, NumberAloneAndTheTrailingDelimiter) {
    ExportOptions options = withItems({Item::Number});
    EXPECT_EQ(line(katana, options, 7), "7. ");
    options.period = false;
    EXPECT_EQ(line(katana, options, 7), "7 ");
    // The number is followed by a space, never by the delimiter; a one-space delimiter is then
    // the text's end and goes.
    options.delimiter = " ";
    EXPECT_EQ(line(katana, options, 7), "7");
    options.period = true;
    EXPECT_EQ(line(katana, options, 7), "7.");

    // Only one trailing delimiter is removed, even when the comment ends with another.
    ExportOptions commented = withItems({Item::Type, Item::Comment});
    Deed slashed = katana;
    slashed.comment = "sell / ";
    EXPECT_EQ(line(slashed, commented), "katana / sell / ");
    // A line that ends in the middle of an item is left alone.
    slashed.comment = "a /";
    EXPECT_EQ(line(slashed, commented), "katana / a /");
}

TEST_F(TextExport, EmptyDelimiterRunsTheItemsTogether) {
    ExportOptions options = defaults();
    options.delimiter.clear();
    EXPECT_EQ(line(katana, options), "1. katanairon ingotsexceptional20");
    options.items = {Item::Type, Item::Comment};
    Deed blank = katana;
    blank.comment.clear();
    EXPECT_EQ(line(blank, options), "katana");
}

TEST_F(TextExport, QuantityCombinedAndFractionOfSmallAndLargeDeeds) {
    ExportOptions options = withItems({Item::Quantity, Item::Combined});
    EXPECT_EQ(line(katana, options), "20 / 7");
    // Six parts of 20, three combined: 120 in all, 60 so far.
    EXPECT_EQ(line(maceLarge, options), "120 / 60");

    options.fractionChecked = true;
    EXPECT_TRUE(options.fraction());
    EXPECT_EQ(line(katana, options), "( 7 / 20 )");
    EXPECT_EQ(line(maceLarge, options), "( 60 / 120 )");

    // The box alone does nothing while 結合数 is not listed.
    options.items = {Item::Quantity};
    EXPECT_FALSE(options.fraction());
    EXPECT_EQ(line(maceLarge, options), "120");

    // A two-part set: bits below 10 never count as combined parts.
    const Deed bardicheLarge = makeDeed(1, 1, 1, 1, 1, 1, 0x83FF);
    EXPECT_EQ(line(bardicheLarge, withItems({Item::Quantity, Item::Combined})), "20 / 10");
}

TEST_F(TextExport, RenamedNamesAreWrittenAndANonNumericQuantityCountsZero) {
    entry(makeKey(1, 3, 7)).name = "my blade";
    entry(makeKey(kQuantityBlock, 3, 0)).name = "many";
    ExportOptions options = withItems({Item::Type, Item::Quantity, Item::Combined});
    EXPECT_EQ(line(katana, options), "my blade / 0 / 7");
    EXPECT_EQ(line(maceLarge, options), "mace \x91\xe5\x8c\xfb / 0 / 0");
    options.fractionChecked = true;
    const Deed fresh = makeDeed(1, 3, 7, 1, 2, 3);
    EXPECT_EQ(line(fresh, options), "my blade / ( 0 / 0 )");

    // A name the catalogue lacks is empty; a quantity name with a number in front counts it.
    entry(makeKey(kQuantityBlock, 3, 0)).name = " 40 pieces";
    const Deed unknownMaterial = makeDeed(1, 3, 7, 5, 2, 3);
    EXPECT_EQ(line(unknownMaterial, withItems({Item::Type, Item::Material, Item::Quantity})),
              "my blade /  / 40");
}

TEST_F(TextExport, MissingModeAndFractionLeaveItemsOut) {
    ExportOptions options = withItems(
        {Item::Number, Item::Type, Item::Quantity, Item::Combined, Item::Comment, Item::Serial});
    EXPECT_EQ(line(katana, options), "1. katana / 20 / 7 / for Bob / 31");
    options.missing = true;
    EXPECT_EQ(line(katana, options), "1. katana / 20");
    EXPECT_FALSE(options.writes(Item::Combined));
    EXPECT_FALSE(options.writes(Item::Comment));
    EXPECT_FALSE(options.writes(Item::Serial));

    options.missing = false;
    options.fractionChecked = true;
    EXPECT_EQ(line(katana, options), "1. katana / ( 7 / 20 ) / for Bob / 31");
}

TEST_F(TextExport, FileHoldsEveryRowInListOrderWithCrLf) {
    const Deed a = makeDeed(1, 3, 7, 1, 2, 3);
    const Deed b = makeDeed(1, 3, 2, 1, 1, 1);
    const Deed c = makeDeed(1, 2, 1, 1, 1, 2);
    // The list's order as shown, not a sorted one.
    const std::vector<const Deed*> rows = {&a, &c, &b};
    ExportOptions options = withItems({Item::Number, Item::Type});
    const ExportLineBuilder builder(catalogue, options);
    EXPECT_EQ(buildExportText(builder, rows),
              "1. katana\r\n2. mace \x91\xe5\x8c\xfb\r\n3. cutlass\r\n");
    EXPECT_EQ(buildExportText(builder, std::vector<const Deed*>{}), "");

    // The missing deeds in their sorted order, or last first when the list is descending,
    // numbered from 1 either way.
    MissingDeeds missing;
    missing.scope = MissingDeeds::Scope::Built;
    missing.deeds = {b, a};
    missing.combinations = 2;
    EXPECT_EQ(buildExportText(builder, missing, false), "1. cutlass\r\n2. katana\r\n");
    EXPECT_EQ(buildExportText(builder, missing, true), "1. katana\r\n2. cutlass\r\n");
}

TEST_F(TextExport, FileBytesInBothEncodings) {
    // 標準 quality, a comment of CP932 text, one that ends with a lone lead byte, and one
    // with a byte CP932 does not use.
    const Deed a = makeDeed(4, 1, 2, 1, 1, 1, 3, 9, "\x82\xa0");
    const Deed b = makeDeed(4, 1, 2, 2, 1, 2, 0, 10, "x\x82");
    const Deed c = makeDeed(4, 1, 3, 1, 2, 1, 0, 11, "\xff");
    const std::vector<const Deed*> rows = {&a, &b, &c};
    ExportOptions options = withItems({Item::Number, Item::Quality, Item::Comment});
    options.delimiter = "\x81\x5e"; // ／

    const std::string cp932 = buildExportText(ExportLineBuilder(catalogue, options), rows);
    EXPECT_EQ(cp932, "1. \x95\x57\x8f\x80\x81\x5e\x82\xa0\r\n"
                     "2. \x95\x57\x8f\x80\x81\x5ex\x82\r\n"
                     "3. exceptional\x81\x5e\xff\r\n");

    options.encoding = ExportEncoding::Utf8;
    const std::string utf8 = buildExportText(ExportLineBuilder(catalogue, options), rows);
    EXPECT_EQ(utf8, "1. \xe6\xa8\x99\xe6\xba\x96\xef\xbc\x8f\xe3\x81\x82\r\n"
                    "2. \xe6\xa8\x99\xe6\xba\x96\xef\xbc\x8fx\xef\xbf\xbd\r\n"
                    "3. exceptional\xef\xbc\x8f\xef\xbf\xbd\r\n");

    test::TempDir folder;
    const std::string path = folder.file("out.txt");
    ASSERT_EQ(writeExportFile(path, cp932).status, ExportWriteStatus::Written);
    EXPECT_EQ(folder.read("out.txt"), cp932);
    ASSERT_EQ(writeExportFile(path, utf8).status, ExportWriteStatus::Written);
    EXPECT_EQ(folder.read("out.txt"), utf8);
    EXPECT_EQ(folder.names(), std::set<std::string>{"out.txt"});
}

TEST(ExportFile, PlacesItCannotWriteAreRefusedAndTouched) {
    test::TempDir folder;
    namespace fs = std::filesystem;

    // A folder, a path in a missing folder, an empty name.
    fs::create_directory(folder.file("sub"));
    EXPECT_EQ(writeExportFile(folder.file("sub"), "x").status, ExportWriteStatus::CannotOpen);
    EXPECT_EQ(writeExportFile(folder.file("sub") + "/", "x").status, ExportWriteStatus::CannotOpen);
    const ExportWriteResult missing = writeExportFile(folder.file("gone/out.txt"), "x");
    EXPECT_EQ(missing.status, ExportWriteStatus::CannotOpen);
    EXPECT_FALSE(missing.reason.empty());
    EXPECT_EQ(writeExportFile("", "x").status, ExportWriteStatus::CannotOpen);

    // A read-only file keeps its content.
    folder.write("locked.txt", "keep me");
    ASSERT_EQ(chmod(folder.file("locked.txt").c_str(), 0444), 0);
    EXPECT_EQ(writeExportFile(folder.file("locked.txt"), "x").status,
              ExportWriteStatus::CannotOpen);
    EXPECT_EQ(folder.read("locked.txt"), "keep me");

    // A device is never replaced by a file.
    EXPECT_EQ(writeExportFile("/dev/null", "x").status, ExportWriteStatus::CannotOpen);

    EXPECT_EQ(folder.names(), (std::set<std::string>{"sub", "locked.txt"}));
    EXPECT_TRUE(fs::is_empty(folder.file("sub")));
}

TEST(ExportFile, AWriteThatFailsKeepsTheEarlierFile) {
    test::TempDir folder;
    folder.write("out.txt", "the earlier export");

    // Files may grow to 64 bytes only; writing past that fails with EFBIG instead of a signal.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const ExportWriteResult result =
        writeExportFile(folder.file("out.txt"), std::string(1000, 'n'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_EQ(result.status, ExportWriteStatus::WriteFailed);
    EXPECT_NE(result.reason.find(std::strerror(EFBIG)), std::string::npos) << result.reason;
    EXPECT_EQ(folder.read("out.txt"), "the earlier export");
    EXPECT_EQ(folder.names(), std::set<std::string>{"out.txt"});
}

} // namespace
} // namespace tessary
