#include "platform/PlacementText.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

constexpr std::string_view kFallback = "00030003006300430";

TEST(PlacementText, ReadsSeventeenCharactersAndFallsBackOnAnyOtherLength) {
    const PlacementText stored = parsePlacementText("10012-00806400480", kFallback);
    EXPECT_TRUE(stored.maximised);
    EXPECT_EQ(stored.left, 12);
    EXPECT_EQ(stored.top, -8);
    EXPECT_EQ(stored.right, 640);
    EXPECT_EQ(stored.bottom, 480);

    for (const std::string_view wrong : {"0003000300600040", "000300030060004000", ""}) {
        const PlacementText place = parsePlacementText(wrong, kFallback);
        EXPECT_FALSE(place.maximised) << wrong;
        EXPECT_EQ(place.left, 30);
        EXPECT_EQ(place.right - place.left, 600);
        EXPECT_EQ(place.bottom - place.top, 400);
    }
    EXPECT_FALSE(parsePlacementText("x0030003006000400", kFallback).maximised);
}

TEST(PlacementText, WritesFourDigitFieldsAndLongerOnesFallBackNextTime) {
    EXPECT_EQ(formatPlacementText({false, 30, 30, 600, 400}), "00030003006000400");
    EXPECT_EQ(formatPlacementText({true, -8, 0, 1000, 9999}), "1-008000010009999");
    const std::string wide = formatPlacementText({false, -1000, 0, 10000, 400});
    EXPECT_EQ(wide.size(), 19u);
    EXPECT_EQ(parsePlacementText(wide, kFallback).right, 630);
}

} // namespace
} // namespace tessary
