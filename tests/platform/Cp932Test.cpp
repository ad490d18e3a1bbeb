#include "platform/Cp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace tessary {
namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

int sign(int value) {
    return (value > 0) - (value < 0);
}

// memcmp order with the shorter of two equal prefixes first, as a sort of keys compares them.
int keyOrder(const std::string& a, const std::string& b) {
    const int byBytes = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (byBytes != 0) {
        return sign(byBytes);
    }
    return (a.size() > b.size()) - (a.size() < b.size());
}

std::string keyOf(std::string_view text) {
    std::string key;
    appendCp932CollationKey(key, text);
    return key;
}

TEST(Cp932, ConvertsKnownTextBothWays) {
    const std::string utf8 =
        "\xE3\x83\x86\xE3\x82\xB5\xE3\x83\xAA\xE3\x83\xBC\xE3\x80\x80\xEF\xBD\x9E";
    const std::string cp932 = "\x83\x65\x83\x54\x83\x8a\x81\x5b\x81\x40\x81\x60";
    EXPECT_EQ(utf8ToCp932(utf8), cp932);
    EXPECT_EQ(cp932ToUtf8(cp932), utf8);
    // Half-width katakana are single bytes; ASCII passes unchanged.
    EXPECT_EQ(utf8ToCp932("A\xEF\xBD\xB1z"), "A\xB1z");
    EXPECT_EQ(cp932ToUtf8("A\xB1z"), "A\xEF\xBD\xB1z");
    EXPECT_EQ(utf8ToCp932(""), "");
    EXPECT_EQ(cp932ToUtf8(""), "");
    // Text with a NUL in the middle is converted whole.
    EXPECT_EQ(utf8ToCp932(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp932, EveryDoubleByteCharacterSurvivesARoundTripThroughUtf8) {
    // Some CP932 characters have two codes, so the bytes may change; the text must not.
    int converted = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isCp932LeadByte(static_cast<unsigned char>(lead))) {
            continue;
        }
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string cp932{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = cp932ToUtf8(cp932);
            if (utf8.find(kReplacement) != std::string::npos) {
                continue;
            }
            ++converted;
            const std::string back = utf8ToCp932(utf8);
            ASSERT_EQ(back.size(), 2u) << std::hex << lead << ' ' << trail;
            ASSERT_EQ(cp932ToUtf8(back), utf8) << std::hex << lead << ' ' << trail;
        }
    }
    // JIS X 0208 alone has about 7000 characters.
    EXPECT_GT(converted, 7000);
}

TEST(Cp932, LongTextsConvertWhole) {
    std::string cp932;
    std::string utf8;
    for (int i = 0; i < 50000; ++i) {
        cp932 += "\x83\x65\xB1x";
        utf8 += "\xE3\x83\x86\xEF\xBD\xB1x";
    }
    EXPECT_EQ(cp932ToUtf8(cp932), utf8);
    EXPECT_EQ(utf8ToCp932(utf8), cp932);
}

TEST(Cp932, InvalidCp932BecomesOneReplacementPerBadByte) {
    EXPECT_EQ(cp932ToUtf8("\x80"), kReplacement);
    EXPECT_EQ(cp932ToUtf8("a\xA0"
                          "b"),
              "a" + kReplacement + "b");
    EXPECT_EQ(cp932ToUtf8("\xFD\xFE\xFF"), kReplacement + kReplacement + kReplacement);
    // A lead byte at the end, and a lead byte followed by a byte that cannot be a trail byte.
    EXPECT_EQ(cp932ToUtf8("x\x83"), "x" + kReplacement);
    EXPECT_EQ(cp932ToUtf8("\x83\x20z"), kReplacement + " z");
    // Conversion goes on after the bad byte, and the next call starts afresh.
    EXPECT_EQ(cp932ToUtf8("\x80\x83\x65"), kReplacement + "\xE3\x83\x86");
    EXPECT_EQ(cp932ToUtf8("\x83"), kReplacement);
    EXPECT_EQ(cp932ToUtf8("\x65"), "e");
}

TEST(Cp932, Utf8ThatCp932CannotHoldBecomesQuestionMarks) {
    // A character outside CP932 is one '?', whatever its length.
    EXPECT_EQ(utf8ToCp932("a\xC3\xA9"
                          "b"),
              "a?b");                                                    // U+00E9
    EXPECT_EQ(utf8ToCp932("\xF0\x9F\x98\x80\xE3\x83\x86"), "?\x83\x65"); // U+1F600
    // Malformed UTF-8: a stray continuation byte, a byte that never starts a character, an
    // encoded surrogate, an overlong form and a sequence cut off at the end.
    EXPECT_EQ(utf8ToCp932("\x80x"), "?x");
    EXPECT_EQ(utf8ToCp932("\xFFx"), "?x");
    EXPECT_EQ(utf8ToCp932("\xED\xA0\x80x"), "???x");
    EXPECT_EQ(utf8ToCp932("\xC0\xAFx"), "??x");
    EXPECT_EQ(utf8ToCp932("x\xE3\x83"), "x??");
    EXPECT_EQ(utf8ToCp932("\xE3\x83"), "??");
    EXPECT_EQ(utf8ToCp932("A"), "A");
}

TEST(Cp932, Utf16LittleEndianToCp932) {
    EXPECT_EQ(utf16leToCp932(std::string("\xC6\x30"
                                         "A\0",
                                         4)),
              "\x83\x65"
              "A");
    // An odd trailing byte is dropped.
    EXPECT_EQ(utf16leToCp932(std::string("A\0B", 3)), "A");
    EXPECT_EQ(utf16leToCp932(std::string("A", 1)), "");
    // Unpaired surrogates and a pair for a character outside CP932 (U+1F600) are one '?' each.
    EXPECT_EQ(utf16leToCp932(std::string("\x00\xD8"
                                         "A\0",
                                         4)),
              "?A");
    EXPECT_EQ(utf16leToCp932(std::string("\x00\xDC"
                                         "A\0",
                                         4)),
              "?A");
    EXPECT_EQ(utf16leToCp932(std::string("A\0\x00\xD8", 4)), "A?");
    EXPECT_EQ(utf16leToCp932(std::string("\x3D\xD8\x00\xDE"
                                         "B\0",
                                         6)),
              "?B");
    EXPECT_EQ(utf16leToCp932(std::string("\xE9\x00", 2)), "?");
}

TEST(Cp932, ConversionsInSeveralThreadsDoNotDisturbEachOther) {
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &failures] {
            for (int i = 0; i < 2000; ++i) {
                if (cp932ToUtf8("\x83\x65\x80") != "\xE3\x83\x86" + kReplacement ||
                    utf8ToCp932("\xE3\x83\x86\xFF") != "\x83\x65?") {
                    ++failures[static_cast<std::size_t>(t)];
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

TEST(Cp932, ComparesCharacterByCharacter) {
    EXPECT_EQ(compareCp932("", ""), 0);
    EXPECT_LT(compareCp932("", "a"), 0);
    EXPECT_LT(compareCp932("ab", "abc"), 0);
    EXPECT_GT(compareCp932("b", "abc"), 0);
    EXPECT_EQ(compareCp932("\x82\xa0x", "\x82\xa0x"), 0);
    // A double-byte character is lead * 256 + trail, so it is above every single byte even when
    // its lead byte is below the other text's byte.
    EXPECT_GT(compareCp932("\x82\xa0", "\xb1"), 0);
    EXPECT_LT(compareCp932("\xb1", "\x82\xa0"), 0);
    EXPECT_GT(compareCp932("\x82\xa0", "\xff"), 0);
    // A lead byte at the very end is a single byte.
    EXPECT_LT(compareCp932("\x82", "\x82\x40"), 0);
    EXPECT_LT(compareCp932("\x82", "\x81\x40"), 0);
    // The trail byte is part of the character, not a character of its own.
    EXPECT_GT(compareCp932("\x83\x41", "\x83\x40z"), 0);
    // High single bytes compare unsigned.
    EXPECT_GT(compareCp932("\xa0", "a"), 0);
}

TEST(Cp932, CollationKeysSortLikeCompare) {
    // Pure ASCII maps to itself.
    EXPECT_EQ(keyOf("Hello, world ~"), "Hello, world ~");
    EXPECT_GT(keyOrder(keyOf("\x82\xa0"), keyOf("\xb1")), 0);
    std::string appended = "prefix";
    appendCp932CollationKey(appended, "\x82\xa0");
    EXPECT_EQ(appended.substr(0, 6), "prefix");
    EXPECT_EQ(appended.substr(6), keyOf("\x82\xa0"));

    // Random texts drawn from the bytes where the two kinds of characters meet.
    const unsigned char alphabet[] = {0x00, 0x40, 0x41, 0x7E, 0x7F, 0x80, 0x81, 0x82, 0x9F, 0xA0,
                                      0xA1, 0xB1, 0xDF, 0xE0, 0xEF, 0xFC, 0xFD, 0xFE, 0xFF};
    std::mt19937 random(932);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 1);
    std::uniform_int_distribution<int> length(0, 6);
    const auto randomText = [&] {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text.push_back(static_cast<char>(alphabet[pick(random)]));
        }
        return text;
    };
    for (int i = 0; i < 200000; ++i) {
        const std::string a = randomText();
        std::string b = randomText();
        if (i % 3 == 0) {
            // Texts that share a start differ where it matters most: after a lead byte.
            b = a.substr(0, a.size() / 2) + b;
        }
        ASSERT_EQ(sign(compareCp932(a, b)), keyOrder(keyOf(a), keyOf(b)))
            << testing::PrintToString(a) << " vs " << testing::PrintToString(b);
        ASSERT_EQ(sign(compareCp932(a, b)), -sign(compareCp932(b, a)));
    }
}

} // namespace
} // namespace tessary
