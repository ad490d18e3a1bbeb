#include "platform/PlacementText.h"

#include "platform/DecimalText.h"

namespace tessary {

namespace {
constexpr std::size_t kPlacementLength = 17;
}

PlacementText parsePlacementText(std::string_view stored, std::string_view fallback) {
    const std::string_view v = stored.size() == kPlacementLength ? stored : fallback;
    PlacementText place;
    if (v.size() != kPlacementLength) {
        return place;
    }
    place.maximised = parseLeadingInt(v.substr(0, 1)) != 0;
    place.left = parseLeadingInt(v.substr(1, 4));
    place.top = parseLeadingInt(v.substr(5, 4));
    place.right = parseLeadingInt(v.substr(9, 4));
    place.bottom = parseLeadingInt(v.substr(13, 4));
    return place;
}

std::string formatPlacementText(const PlacementText& place) {
    std::string value = place.maximised ? "1" : "0";
    for (const int v : {place.left, place.top, place.right, place.bottom}) {
        appendZeroPadded(value, v, 4);
    }
    return value;
}

} // namespace tessary
