#include "data/DeedFile.h"
#include "content/DeedDocument.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

using namespace std::string_literals;

Deed leatherCapDeed() {
    Deed d;
    d.itemCode = Deed::makeItemCode(4, 4, 2, 1);
    d.orderCode = Deed::makeOrderCode(2, 3);
    d.combined = 5;
    d.serialNumber = 12;
    return d;
}

// The one-deed file of a small leather cap deed, byte by byte.
const std::string kOneDeedFile = "\x01\x00\x00\x00"
                                 "\x01\x02\x04\x04"
                                 "\x00\x00\x03\x02"
                                 "\x05\x00"
                                 "\x0C\x00\x00\x00"
                                 "\x00"s;

TEST(DeedFile, WritesTheWorkedExampleByteForByte) {
    std::string out;
    appendDeedCount(out, 1);
    appendDeedRecord(out, leatherCapDeed());
    EXPECT_EQ(out, kOneDeedFile);
    EXPECT_EQ(out.size(), 19u);
}

TEST(DeedFile, ReadsTheWorkedExampleAndFillsDerivedFields) {
    DeedDocument doc;
    doc.catalogue().buildDefault();
    ASSERT_TRUE(doc.readDocument(kOneDeedFile).ok());
    ASSERT_EQ(doc.deeds().size(), 1u);
    const Deed& d = *doc.deeds().front();
    EXPECT_TRUE(d.sameStoredFields(leatherCapDeed()));
    EXPECT_EQ(d.group(), 4);
    EXPECT_EQ(d.category(), 4);
    EXPECT_EQ(d.type(), 2);
    EXPECT_EQ(d.material(), 1);
    EXPECT_EQ(d.quality(), 2);
    EXPECT_EQ(d.quantity(), 3);
    EXPECT_EQ(d.iconIndex, 30);
    EXPECT_EQ(d.materialColor, 204u + 150u * 256 + 113u * 65536);
    EXPECT_EQ(doc.serialCounter(), 12u);
    EXPECT_EQ(doc.writeDocument(), kOneDeedFile);
}

TEST(DeedFile, LengthPrefixTakesItsThreeForms) {
    const auto prefixOf = [](std::size_t n) {
        std::string out;
        appendLengthPrefixedText(out, std::string(n, 'x'));
        EXPECT_EQ(out.size() - n, n < 255 ? 1u : n < 65534 ? 3u : 7u);
        return out.substr(0, out.size() - n);
    };
    EXPECT_EQ(prefixOf(0), "\x00"s);
    EXPECT_EQ(prefixOf(254), "\xFE"s);
    EXPECT_EQ(prefixOf(255), "\xFF\xFF\x00"s);
    EXPECT_EQ(prefixOf(65533), "\xFF\xFD\xFF"s);
    EXPECT_EQ(prefixOf(65534), "\xFF\xFF\xFF\xFE\xFF\x00\x00"s);
    EXPECT_EQ(prefixOf(70000), "\xFF\xFF\xFF\x70\x11\x01\x00"s);

    // Each form reads back to the same text, leaving the reader at the end.
    for (const std::size_t n : {0u, 1u, 254u, 255u, 65533u, 65534u, 65535u, 70000u}) {
        std::string bytes;
        std::string text(n, 'a');
        if (n > 0) {
            text[n - 1] = '\x82'; // the bytes are kept as they are, not decoded
        }
        appendLengthPrefixedText(bytes, text);
        ByteReader in(bytes);
        std::string read;
        ASSERT_TRUE(readLengthPrefixedText(in, read)) << n;
        EXPECT_EQ(read, text) << n;
        EXPECT_TRUE(in.atEnd()) << n;
    }
}

TEST(DeedFile, ReadsTheWideCommentForm) {
    // 0xFF 0xFFFE, then 3 UTF-16 characters: "A", "あ" (U+3042), "ｱ" (U+FF71).
    const std::string wide = "\xFF\xFE\xFF\x03"
                             "A\x00\x42\x30\x71\xFF"s;
    ByteReader in(wide);
    std::string text;
    ASSERT_TRUE(readLengthPrefixedText(in, text));
    EXPECT_EQ(text, "A\x82\xa0\xb1"s);
    EXPECT_TRUE(in.atEnd());

    // The inner prefix may take the long forms too.
    std::string longWide = "\xFF\xFE\xFF\xFF\x00\x01"s; // 256 characters
    for (int i = 0; i < 256; ++i) {
        longWide += "B\x00"s;
    }
    ByteReader longIn(longWide);
    ASSERT_TRUE(readLengthPrefixedText(longIn, text));
    EXPECT_EQ(text, std::string(256, 'B'));

    // Too few characters, or a second wide marker, is a broken file.
    const std::string shortWide = "\xFF\xFE\xFF\x05"
                                  "A\x00"s;
    ByteReader shortIn(shortWide);
    EXPECT_FALSE(readLengthPrefixedText(shortIn, text));
    const std::string doubleMarker = "\xFF\xFE\xFF\xFF\xFE\xFF\x01"
                                     "A\x00"s;
    ByteReader doubleIn(doubleMarker);
    EXPECT_FALSE(readLengthPrefixedText(doubleIn, text));
}

TEST(DeedFile, CountsOfZeroOrBelowReadNothing) {
    for (const std::string& file :
         {"\x00\x00\x00\x00"s, "\xFF\xFF\xFF\xFF"s, "\x00\x00\x00\x80garbage"s}) {
        DeedDocument doc;
        EXPECT_TRUE(doc.readDocument(file).ok());
        EXPECT_TRUE(doc.deeds().empty());
    }
}

TEST(DeedFile, TruncatedOrHostileFilesFailWithoutCrashing) {
    std::string twoDeeds = "\x02\x00\x00\x00"s + kOneDeedFile.substr(4);
    twoDeeds += kOneDeedFile.substr(4);
    twoDeeds[0] = 2;
    // Every proper prefix of a valid two-deed file fails; the whole file reads.
    for (std::size_t n = 0; n < twoDeeds.size(); ++n) {
        DeedDocument doc;
        const DocFileResult r = doc.readDocument(std::string_view(twoDeeds).substr(0, n));
        EXPECT_EQ(r.error, DocFileError::BadFormat) << n;
        EXPECT_EQ(doc.deeds().size(), n < 4 + 15 ? 0u : 1u) << n;
    }
    DeedDocument whole;
    EXPECT_TRUE(whole.readDocument(twoDeeds).ok());
    EXPECT_EQ(whole.deeds().size(), 2u);

    // A count of 2^31 - 1 with one deed behind it, and a comment length of 4 GiB.
    DeedDocument huge;
    const std::string bigCount = "\xFF\xFF\xFF\x7F"s + kOneDeedFile.substr(4);
    EXPECT_EQ(huge.readDocument(bigCount).error, DocFileError::BadFormat);
    EXPECT_EQ(huge.deeds().size(), 1u);
    std::string bigComment = kOneDeedFile.substr(0, 18) + "\xFF\xFF\xFF\xFF\xFF\xFF\xFF"s + "abc";
    DeedDocument hostile;
    EXPECT_EQ(hostile.readDocument(bigComment).error, DocFileError::BadFormat);
    EXPECT_TRUE(hostile.deeds().empty());
    std::string bigWide = kOneDeedFile.substr(0, 18) + "\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF"s;
    EXPECT_EQ(hostile.readDocument(bigWide).error, DocFileError::BadFormat);
}

TEST(DeedFile, RoundTripsEveryStoredFieldAndRecomputesDerivedOnes) {
    DeedDocument doc;
    doc.catalogue().buildDefault();
    std::vector<Deed> written;
    for (int i = 0; i < 40; ++i) {
        Deed d;
        d.itemCode = 0x9E000000u + static_cast<std::uint32_t>(i * 0x01030507);
        d.orderCode = Deed::makeOrderCode(i % 7, 255 - i);
        d.combined = static_cast<std::uint16_t>(0xFFFF - i * 977);
        d.serialNumber = 0xFFFFFF00u + static_cast<std::uint32_t>(i);
        d.comment = std::string(static_cast<std::size_t>(i * 9), static_cast<char>(0x80 + i));
        written.push_back(d);
    }
    written[3].comment = std::string(70000, 'z');
    written[4].comment = "\x00\x82"s;
    std::string file;
    appendDeedCount(file, static_cast<std::int32_t>(written.size()));
    for (const Deed& d : written) {
        appendDeedRecord(file, d);
    }
    ASSERT_TRUE(doc.readDocument(file).ok());
    ASSERT_EQ(doc.deeds().size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_TRUE(doc.deeds()[i]->sameStoredFields(written[i])) << i;
    }
    EXPECT_EQ(doc.writeDocument(), file);
    EXPECT_EQ(doc.serialCounter(), 0xFFFFFF00u + 39);

    // A renamed material changes nothing stored, but a recoloured one changes the swatch.
    DeedDocument recoloured;
    recoloured.catalogue().buildDefault();
    for (auto& e : recoloured.catalogue().entries()) {
        if (e.key == makeKey(4, 121, 1)) {
            e.color = 0x123456;
        }
    }
    ASSERT_TRUE(recoloured.readDocument(kOneDeedFile).ok());
    EXPECT_EQ(recoloured.deeds().front()->materialColor, 0x123456u);
    EXPECT_EQ(recoloured.writeDocument(), kOneDeedFile);
}

TEST(DeedRecord, CombinedCountOfLargeAndSmallDeeds) {
    Deed large;
    large.itemCode = Deed::makeItemCode(1, 2, 1, 1);
    large.combined = 0xA000;
    EXPECT_EQ(large.combinedCount(), 2u);
    large.combined = 0xFC00;
    EXPECT_EQ(large.combinedCount(), 6u);
    large.combined = 0x03FF; // bits 0-9 never count
    EXPECT_EQ(large.combinedCount(), 0u);
    Deed small;
    small.itemCode = Deed::makeItemCode(1, 2, 3, 1);
    small.combined = 37; // above any quantity, still as it is
    EXPECT_EQ(small.combinedCount(), 37u);
}

} // namespace
} // namespace tessary
