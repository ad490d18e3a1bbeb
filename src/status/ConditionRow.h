// One possible large order and how many of its deeds the player holds.
#pragma once

#include "data/Catalogue.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessary {

struct ConditionRow {
    // group bits 24-31, category 16-23, bits 8-15 zero, material 0-7.
    std::uint32_t firstKey = 0;
    // quality bits 24-31, quantity 16-23: equal to the orderCode of the order's deeds.
    std::uint32_t secondKey = 0;
    // Slots needed to complete the order: the large deed plus each small type.
    std::uint8_t required = 0;
    // Slots whose counter is not zero. In the order-status filter: the remaining-count threshold.
    std::uint8_t filled = 0;
    // Counters for type 1 (the large deed) to type 7.
    std::array<std::uint8_t, 7> typeCounts{};
    std::uint8_t iconIndex = 0;
    std::uint32_t materialColor = 0;

    int group() const { return static_cast<int>((firstKey >> 24) & 0xFF); }
    int category() const { return static_cast<int>((firstKey >> 16) & 0xFF); }
    int material() const { return static_cast<int>(firstKey & 0xFF); }
    int quality() const { return static_cast<int>((secondKey >> 24) & 0xFF); }
    int quantity() const { return static_cast<int>((secondKey >> 16) & 0xFF); }

    // Deeds still missing; negative when more slots are filled than required.
    int remaining() const { return static_cast<int>(required) - static_cast<int>(filled); }

    // Adds one to the counter of `type` (1 to 7) and returns its new value; other types: 0.
    // A counter stays at 255 once there, so a slot never looks empty again.
    int countType(std::uint8_t type);

    // Sets `filled` to the number of non-zero counters and returns it.
    int updateFilled();

    // Sort key of the order-status list for a sort item (0 to 4, -1 as 0, 99 from `order`).
    std::string sortKey(int sortItem, std::string_view order) const;
    // Appends the same key to `out`.
    void appendSortKey(std::string& out, int sortItem, std::string_view order) const;
};

// A row passes when each of the filter's group, category, material, quality and quantity is 0
// or equals the row's, and the threshold (the filter's `filled`) is 0 or the row's remaining
// count is below it.
bool passesConditionFilter(const ConditionRow& filter, const ConditionRow& row);

// The catalogue's name and colour of kind `kind` for the order of a row (its type is 0).
std::string nameOf(const Catalogue& catalogue, NameKind kind, const ConditionRow& row);
std::uint32_t colorOf(const Catalogue& catalogue, NameKind kind, const ConditionRow& row);

} // namespace tessary
