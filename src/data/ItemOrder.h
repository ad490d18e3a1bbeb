// The item orders the user chooses in the item-order dialog: the sort items of the deed list and
// of the order-status list, and the items of the simple text. An order is stored in the settings
// file as two-digit item numbers, one per item, in the chosen order.
#pragma once

#include "resources/SettingsKeys.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessary {

// The lists an item order is chosen for.
enum ItemOrderMode : int {
    kItemOrderDeedSort = 1,      // sort item 99 of the deed list
    kItemOrderConditionSort = 2, // sort item 99 of the order-status list
    kItemOrderSimpleText = 3,    // the items of the simple text
};

// Where a mode's order lives and what it holds.
struct ItemOrderInfo {
    const settings::TextKey& key; // its settings key and the order stored by default
    int itemCount;                // items 0 to itemCount - 1
};

// The description of `mode`, or nullptr for an unknown mode.
const ItemOrderInfo* itemOrderInfo(ItemOrderMode mode);

// The item numbers a stored order shows, top to bottom. A value whose length is not twice
// `itemCount` is replaced by `defaultOrder`. The value is read two digits at a time (as the sort
// keys read it); a number outside 0 to itemCount - 1 ends the list there. Repeated numbers stay.
std::vector<int> parseItemOrder(std::string_view stored, int itemCount,
                                std::string_view defaultOrder);

// The stored form of an order: each item number as two decimal digits.
std::string formatItemOrder(const std::vector<int>& items);

} // namespace tessary
