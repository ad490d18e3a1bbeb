#include "exchange/SimpleText.h"

#include "data/Catalogue.h"
#include "data/Deed.h"
#include "platform/DecimalText.h"
#include "resources/SettingsKeys.h"

#include <iterator>

namespace tessary {
namespace {

constexpr std::size_t kOrderLength = 8;
constexpr std::size_t kItemWidth = 2;

// The name kind each item number stands for: type, material, quality, quantity.
constexpr NameKind kItemKinds[] = {kNameType, kNameMaterial, kNameQuality, kNameQuantity};

} // namespace

std::string_view effectiveSimpleTextOrder(std::string_view stored) {
    return stored.size() == kOrderLength
               ? stored
               : std::string_view(settings::kSimpleTextOrder.defaultValue);
}

std::string buildSimpleText(const Deed& deed, const Catalogue& catalogue, std::string_view order) {
    order = effectiveSimpleTextOrder(order);
    std::string text;
    for (std::size_t at = 0; at < kOrderLength; at += kItemWidth) {
        const int item = parseLeadingInt(order.substr(at, kItemWidth));
        if (item >= 0 && item < static_cast<int>(std::size(kItemKinds))) {
            text += catalogue.nameOf(kItemKinds[item], deed);
            text += '/';
        }
    }
    // The last byte is the separator after the last piece; an empty text stays empty.
    if (!text.empty()) {
        text.pop_back();
    }
    return text;
}

} // namespace tessary
