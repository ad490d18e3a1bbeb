#include "data/Deed.h"

#include <bit>

namespace tessary {

unsigned Deed::combinedCount() const {
    if (!isLarge()) {
        return combined;
    }
    return static_cast<unsigned>(std::popcount(static_cast<unsigned>(combined & 0xFC00u)));
}

std::uint32_t Deed::makeItemCode(int group, int category, int type, int material) {
    return ((static_cast<std::uint32_t>(group) & 0xFF) << 24) |
           ((static_cast<std::uint32_t>(category) & 0xFF) << 16) |
           ((static_cast<std::uint32_t>(type) & 0xFF) << 8) |
           (static_cast<std::uint32_t>(material) & 0xFF);
}

std::uint32_t Deed::makeOrderCode(int quality, int quantity) {
    return ((static_cast<std::uint32_t>(quality) & 0xFF) << 24) |
           ((static_cast<std::uint32_t>(quantity) & 0xFF) << 16);
}

} // namespace tessary
