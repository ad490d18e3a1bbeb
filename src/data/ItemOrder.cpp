#include "data/ItemOrder.h"

#include "data/DeedSortKey.h"
#include "platform/DecimalText.h"

#include <array>

namespace tessary {
namespace {

constexpr std::array<ItemOrderInfo, 3> kInfos{{
    {settings::kDeedViewSortItem, 7},
    {settings::kConditionViewSortItem, 5},
    {settings::kSimpleTextOrder, 4},
}};

constexpr std::size_t kDigitsPerItem = 2;

} // namespace

const ItemOrderInfo* itemOrderInfo(ItemOrderMode mode) {
    if (mode < kItemOrderDeedSort || mode > kItemOrderSimpleText) {
        return nullptr;
    }
    return &kInfos[static_cast<std::size_t>(mode - kItemOrderDeedSort)];
}

std::vector<int> parseItemOrder(std::string_view stored, int itemCount,
                                std::string_view defaultOrder) {
    std::vector<int> items;
    if (itemCount <= 0) {
        return items;
    }
    const std::size_t length = static_cast<std::size_t>(itemCount) * kDigitsPerItem;
    const std::string_view order = stored.size() == length ? stored : defaultOrder;
    for (std::size_t pos = 0; pos + kDigitsPerItem <= order.size() && pos < length;
         pos += kDigitsPerItem) {
        const int item = parseLeadingInt(order.substr(pos, kDigitsPerItem));
        if (item < 0 || item >= itemCount) {
            break;
        }
        items.push_back(item);
    }
    return items;
}

std::string formatItemOrder(const std::vector<int>& items) {
    std::string out;
    out.reserve(items.size() * kDigitsPerItem);
    for (int item : items) {
        appendZeroPadded(out, item, static_cast<int>(kDigitsPerItem));
    }
    return out;
}

} // namespace tessary
