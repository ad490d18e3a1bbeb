#include "content/DeedDocument.h"
#include "data/DeedSortKey.h"
#include "data/RowSort.h"
#include "platform/Cp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tessary {
namespace {

using namespace std::string_literals;

Deed makeDeed(int category, int type, int material, int quality, int quantity,
              std::uint16_t combined, std::uint32_t serial, std::string comment = {}) {
    Deed d;
    d.itemCode = Deed::makeItemCode(2, category, type, material);
    d.orderCode = Deed::makeOrderCode(quality, quantity);
    d.combined = combined;
    d.serialNumber = serial;
    d.comment = std::move(comment);
    return d;
}

const std::string kBlank40(40, ' ');

TEST(DeedSortKey, LaysOutTheFieldsOfEverySortItem) {
    // A large deed: quantity key 256 + 3, combine key = 2 bits set.
    const Deed large = makeDeed(3, 1, 4, 2, 3, 0xA000, 12, "note");
    const std::string comment = "note" + std::string(36, ' ');
    EXPECT_EQ(sortKey(large, 0, ""), "003001004002"
                                     "00259"
                                     "00000002" +
                                         comment + "00000012");
    EXPECT_EQ(sortKey(large, -1, "junk"), sortKey(large, 0, ""));
    EXPECT_EQ(sortKey(large, 1, ""), "004003001002"
                                     "00259"
                                     "00000002" +
                                         comment + "00000012");
    EXPECT_EQ(sortKey(large, 2, ""), "002003001004"
                                     "00259"
                                     "00000002" +
                                         comment + "00000012");
    EXPECT_EQ(sortKey(large, 3, ""), "00259"
                                     "003001004002"
                                     "00000002" +
                                         comment + "00000012");
    EXPECT_EQ(sortKey(large, 4, ""), "00000002"
                                     "003001004002"
                                     "00259" +
                                         comment + "00000012");
    EXPECT_EQ(sortKey(large, 5, ""), comment + "003001004002"
                                               "00259"
                                               "00000002"
                                               "00000012");
    EXPECT_EQ(sortKey(large, 6, ""), "00000012"
                                     "003001004002"
                                     "00259"
                                     "00000002" +
                                         comment);
    EXPECT_EQ(sortKey(large, 7, ""), "");
    EXPECT_EQ(sortKey(large, 98, ""), "");

    // A small deed: combine key 2^20 + combined, no 256 on the quantity.
    const Deed small = makeDeed(3, 5, 4, 2, 1, 7, 99999999);
    EXPECT_EQ(sortKey(small, 4, ""), "01048583"
                                     "003005004002"
                                     "00001" +
                                         kBlank40 + "99999999");

    // A comment of 40 bytes or more is used whole.
    const Deed longComment = makeDeed(1, 2, 1, 1, 1, 0, 1, std::string(45, 'x'));
    EXPECT_EQ(sortKey(longComment, 5, "").substr(0, 46), std::string(45, 'x') + "0");
}

TEST(DeedSortKey, ItemOrderFollowsTheOrderString) {
    const Deed d = makeDeed(3, 5, 4, 2, 1, 7, 12, "c");
    const std::string comment = "c" + std::string(39, ' ');
    EXPECT_EQ(sortKey(d, 99, "00010203040506"), "003"
                                                "004"
                                                "002"
                                                "00001"
                                                "01048583" +
                                                    comment + "00000012");
    EXPECT_EQ(sortKey(d, 99, "06050403020100"), "00000012" + comment +
                                                    "01048583"
                                                    "00001"
                                                    "002"
                                                    "004"
                                                    "003");
    // Unknown numbers repeat the piece before them; nothing when first.
    // "xx" reads as 0, the category.
    EXPECT_EQ(sortKey(d, 99, "09010907xx0699"), "004004004"
                                                "003"
                                                "00000012"
                                                "00000012");
    EXPECT_EQ(sortKey(d, 99, "-1-1-1-1-1-100"), "003");
    // Only an order string of exactly 14 characters makes a key.
    EXPECT_EQ(sortKey(d, 99, "0001020304050"), "");
    EXPECT_EQ(sortKey(d, 99, "000102030405060"), "");
    EXPECT_EQ(sortKey(d, 99, ""), "");
}

std::vector<std::uint32_t> sortedSerials(std::vector<Deed>& deeds, int item, bool descending,
                                         std::string_view order = "") {
    std::vector<const Deed*> rows;
    for (const Deed& d : deeds) {
        rows.push_back(&d);
    }
    sortDeeds(rows, item, descending, order);
    std::vector<std::uint32_t> out;
    for (const Deed* d : rows) {
        out.push_back(d->serialNumber);
    }
    return out;
}

TEST(DeedSort, OrdersByTheLeadingFieldsAndReverses) {
    std::vector<Deed> deeds{
        makeDeed(2, 3, 1, 1, 3, 0, 1),      // small, quantity 3
        makeDeed(2, 1, 1, 1, 1, 0xFC00, 2), // large, quantity 1, 6 combined
        makeDeed(1, 4, 9, 2, 2, 3, 3),      // small, quantity 2
        makeDeed(1, 1, 2, 1, 1, 0, 4),      // large, nothing combined
    };
    EXPECT_EQ(sortedSerials(deeds, 0, false), (std::vector<std::uint32_t>{4, 3, 2, 1}));
    EXPECT_EQ(sortedSerials(deeds, 0, true), (std::vector<std::uint32_t>{1, 2, 3, 4}));
    EXPECT_EQ(sortedSerials(deeds, 1, false), (std::vector<std::uint32_t>{2, 1, 4, 3}));
    // Every small deed comes before every large deed by quantity ...
    EXPECT_EQ(sortedSerials(deeds, 3, false), (std::vector<std::uint32_t>{3, 1, 4, 2}));
    // ... and every large deed before every small deed by combine count.
    EXPECT_EQ(sortedSerials(deeds, 4, false), (std::vector<std::uint32_t>{4, 2, 1, 3}));
    EXPECT_EQ(sortedSerials(deeds, 6, true), (std::vector<std::uint32_t>{4, 3, 2, 1}));
    // A negative item sorts as item 0 ascending, whatever direction is asked.
    EXPECT_EQ(sortedSerials(deeds, -1, true), (std::vector<std::uint32_t>{4, 3, 2, 1}));
}

TEST(DeedSort, EqualKeysKeepTheirPreviousOrderInBothDirections) {
    std::vector<Deed> deeds;
    for (std::uint32_t i = 1; i <= 6; ++i) {
        deeds.push_back(makeDeed(static_cast<int>(i % 2) + 1, 2, 1, 1, 1, 0, i));
    }
    // A bad order string gives every row the same (empty) key.
    EXPECT_EQ(sortedSerials(deeds, 99, false, "0001"),
              (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(sortedSerials(deeds, 99, true, "0001"),
              (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6}));
    // Ordering by category alone keeps each category's rows in their previous order.
    EXPECT_EQ(sortedSerials(deeds, 99, false, "00000000000000"),
              (std::vector<std::uint32_t>{2, 4, 6, 1, 3, 5}));
    EXPECT_EQ(sortedSerials(deeds, 99, true, "00000000000000"),
              (std::vector<std::uint32_t>{1, 3, 5, 2, 4, 6}));
}

TEST(DeedSort, CommentsCompareAsCp932Characters) {
    std::vector<Deed> deeds{
        makeDeed(1, 2, 1, 1, 1, 0, 1, "\x82\xa0"s), // あ: one double-byte character
        makeDeed(1, 2, 1, 1, 1, 0, 2, "\xb1"s),     // ｱ: one single byte, above the lead byte
        makeDeed(1, 2, 1, 1, 1, 0, 3, "A "s),       // trailing blank: same padded comment as "A"
        makeDeed(1, 2, 1, 1, 1, 0, 4, "A"s),
    };
    // By plain bytes 0x82 < 0xB1, but as characters 0x82A0 > 0xB1.
    EXPECT_EQ(sortedSerials(deeds, 5, false), (std::vector<std::uint32_t>{3, 4, 2, 1}));
    EXPECT_EQ(sortedSerials(deeds, 5, true), (std::vector<std::uint32_t>{1, 2, 4, 3}));
}

TEST(DeedSort, MatchesTheKeyComparisonOnRandomDeeds) {
    std::mt19937 random(20261208);
    const char pieces[][3] = {"a", "Z", " ", "\x82\xa0", "\x81\x40", "\xb1", "\xdf", "\x80"};
    std::vector<Deed> deeds;
    for (std::uint32_t i = 0; i < 400; ++i) {
        std::string comment;
        for (unsigned n = random() % 5; n > 0; --n) {
            comment += pieces[random() % 8];
        }
        deeds.push_back(makeDeed(static_cast<int>(random() % 3), static_cast<int>(random() % 3),
                                 static_cast<int>(random() % 3), 1 + static_cast<int>(random() % 2),
                                 1 + static_cast<int>(random() % 3),
                                 static_cast<std::uint16_t>(random() % 3 * 0x4000), random() % 50,
                                 comment));
    }
    for (const int item : {0, 1, 2, 3, 4, 5, 6, 99}) {
        for (const bool descending : {false, true}) {
            const std::string order = "05030100020406";
            std::vector<const Deed*> expected;
            for (const Deed& d : deeds) {
                expected.push_back(&d);
            }
            std::stable_sort(expected.begin(), expected.end(), [&](const Deed* a, const Deed* b) {
                const int c = compareCp932(sortKey(*a, item, order), sortKey(*b, item, order));
                return descending ? c > 0 : c < 0;
            });
            std::vector<const Deed*> rows;
            for (const Deed& d : deeds) {
                rows.push_back(&d);
            }
            sortDeeds(rows, item, descending, order);
            EXPECT_EQ(rows, expected) << "item " << item << " descending " << descending;
        }
    }
}

TEST(RowSort, KeysSharingLongPrefixesOrZeroBytesSortAsTheirBytesInBothDirections) {
    // Keys from three letters, NUL among them, many sharing their first 16 or 32 bytes, of every
    // length around those steps: the order must be the plain byte order, a key before every
    // longer key it begins, and equal keys in their previous order.
    std::mt19937 random(20261209);
    const std::string prefixes[] = {"", std::string(16, 'a'), std::string(31, 'a') + '\0',
                                    std::string(32, 'b')};
    std::vector<std::string> keys;
    for (int i = 0; i < 3000; ++i) {
        std::string key = prefixes[random() % 4];
        for (unsigned n = random() % 20; n > 0; --n) {
            key += "\0ab"[random() % 3];
        }
        keys.push_back(key);
    }
    for (const bool descending : {false, true}) {
        std::vector<int> expected(keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i) {
            expected[i] = static_cast<int>(i);
        }
        std::vector<int> rows = expected;
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            return descending ? keys[a] > keys[b] : keys[a] < keys[b];
        });
        sortRowsByKey(
            rows, [&keys](int row, std::string& out) { out += keys[row]; }, descending);
        EXPECT_EQ(rows, expected) << "descending " << descending;
    }
}

TEST(RowSort, AVeryLongFirstKeyDoesNotSizeTheBufferForEveryRow) {
    // 200,000 rows behind a first key of 4 MiB: room for every row as long as that one would be
    // 800 GB, which no machine gives.
    std::vector<int> rows(200000);
    for (int i = 0; i < 200000; ++i) {
        rows[static_cast<std::size_t>(i)] = i;
    }
    const std::string longKey(std::size_t{4} << 20, 'z');
    sortRowsByKey(
        rows,
        [&longKey](int row, std::string& out) {
            if (row == 0) {
                out += longKey;
            } else {
                out += std::to_string(row % 10);
            }
        },
        false);
    EXPECT_EQ(rows.front(), 10); // the first row with key "0"
    EXPECT_EQ(rows.back(), 0);   // "zzz..." after every digit
}

TEST(SortChoice, NewItemsAscendRepeatedOnesToggleAndItemOrderAlwaysAscends) {
    SortState state;
    int loads = 0;
    const auto load = [&loads] {
        ++loads;
        return std::string("06050403020100");
    };
    chooseSortItem(state, -1, true, load);
    EXPECT_EQ(state.sortItem, -1);
    EXPECT_EQ(loads, 0);

    chooseSortItem(state, 1, true, load);
    EXPECT_EQ(state.sortItem, 1);
    EXPECT_FALSE(state.sortDescending);
    EXPECT_EQ(loads, 1);
    chooseSortItem(state, 1, true, load);
    EXPECT_TRUE(state.sortDescending);
    chooseSortItem(state, 1, false, load); // a rebuild keeps the direction
    EXPECT_TRUE(state.sortDescending);

    chooseSortItem(state, 99, true, load);
    EXPECT_EQ(state.sortOrder, "06050403020100");
    EXPECT_FALSE(state.sortDescending);
    chooseSortItem(state, 99, true, load);
    EXPECT_FALSE(state.sortDescending);
    EXPECT_EQ(loads, 3);
}

} // namespace
} // namespace tessary
