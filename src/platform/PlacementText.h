// The settings form of a window's place: 17 characters, "1" when the window is maximised else
// "0", then the left, top, right and bottom of its normal rectangle as "%04d" each.
#pragma once

#include <string>
#include <string_view>

namespace tessary {

struct PlacementText {
    bool maximised = false;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Reads a stored value; one that is not exactly 17 characters long is replaced by `fallback`
// (which must be). Character 0 read as a number other than 0 means maximised; each field is read
// as a leading decimal number (a field starting with a non-digit gives 0).
PlacementText parsePlacementText(std::string_view stored, std::string_view fallback);

// The stored form. A coordinate that needs more than four characters makes the value longer than
// 17, so the next reading falls back to the built-in place.
std::string formatPlacementText(const PlacementText& place);

} // namespace tessary
