#include "platform/DecimalText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tessary {
namespace {

std::string printfPadded(std::int64_t value, int width) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%0*lld", width, static_cast<long long>(value));
    return buffer;
}

TEST(DecimalText, ParsesLikeAtoi) {
    EXPECT_EQ(parseLeadingInt("42"), 42);
    EXPECT_EQ(parseLeadingInt("  \t-7x"), -7);
    EXPECT_EQ(parseLeadingInt("+5"), 5);
    EXPECT_EQ(parseLeadingInt("007"), 7);
    EXPECT_EQ(parseLeadingInt("-12x"), -12);
    EXPECT_EQ(parseLeadingInt("12 34"), 12);
    // No digits at all, or something before them that is neither a blank nor one sign.
    EXPECT_EQ(parseLeadingInt(""), 0);
    EXPECT_EQ(parseLeadingInt("abc"), 0);
    EXPECT_EQ(parseLeadingInt("-"), 0);
    EXPECT_EQ(parseLeadingInt("- 5"), 0);
    EXPECT_EQ(parseLeadingInt("+-5"), 0);
    EXPECT_EQ(parseLeadingInt("0x10"), 0);
    EXPECT_EQ(parseLeadingInt("\xEF\xBC\x95"), 0);
    // Only the viewed characters count, not what follows them in memory.
    const std::string digits = "12345";
    EXPECT_EQ(parseLeadingInt(std::string_view(digits).substr(0, 2)), 12);
}

TEST(DecimalText, ClampsToTheIntRange) {
    EXPECT_EQ(parseLeadingInt("2147483647"), INT_MAX);
    EXPECT_EQ(parseLeadingInt("-2147483648"), INT_MIN);
    EXPECT_EQ(parseLeadingInt("2147483648"), INT_MAX);
    EXPECT_EQ(parseLeadingInt("-2147483649"), INT_MIN);
    EXPECT_EQ(parseLeadingInt("9223372036854775808"), INT_MAX);
    EXPECT_EQ(parseLeadingInt("-99999999999999999999999999999999999999"), INT_MIN);
    EXPECT_EQ(parseLeadingInt(std::string(100000, '9')), INT_MAX);
    EXPECT_EQ(parseLeadingInt("00000000000000000000000000000000000000001"), 1);
}

TEST(DecimalText, PadsExactlyLikePrintf) {
    const std::vector<std::int64_t> values = {
        0,    1,     -1,      7,       -7,        42,        -42,           999,
        1000, -1000, INT_MAX, INT_MIN, INT64_MAX, INT64_MIN, 1234567890123, -987654321};
    for (const std::int64_t value : values) {
        for (int width = -25; width <= 25; ++width) {
            std::string padded;
            appendZeroPadded(padded, value, width);
            ASSERT_EQ(padded, printfPadded(value, width))
                << "value " << value << " width " << width;
        }
    }
    // Appending keeps what is already there.
    std::string out = "k";
    appendZeroPadded(out, -1, 3);
    appendZeroPadded(out, 5, 2);
    EXPECT_EQ(out, "k" + printfPadded(-1, 3) + printfPadded(5, 2));
}

} // namespace
} // namespace tessary
