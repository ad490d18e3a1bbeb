#include "data/DeedSortKey.h"

#include "data/RowSort.h"
#include "platform/DecimalText.h"

namespace tessary {
namespace {

constexpr std::size_t kCommentWidth = 40;
constexpr unsigned kSmallDeedCombinedBase = 1u << 20;

struct KeyFields {
    int category, type, material, quality, quantityKey;
    unsigned combinedKey, serial;
    std::string_view comment;
};

KeyFields fieldsOf(const Deed& d) {
    std::string_view comment = d.comment;
    // The key is a C string: a comment stops at its first NUL byte.
    if (const auto nul = comment.find('\0'); nul != std::string_view::npos) {
        comment = comment.substr(0, nul);
    }
    const bool large = d.isLarge();
    return {d.category(),
            d.type(),
            d.material(),
            d.quality(),
            d.quantity() + (large ? 256 : 0),
            large ? d.combinedCount() : kSmallDeedCombinedBase + d.combinedCount(),
            d.serialNumber,
            comment};
}

void appendPaddedComment(std::string& out, std::string_view comment) {
    out.append(comment);
    if (comment.size() < kCommentWidth) {
        out.append(kCommentWidth - comment.size(), ' ');
    }
}

} // namespace

void appendSortKey(std::string& out, const Deed& deed, int sortItem, std::string_view order) {
    const KeyFields f = fieldsOf(deed);
    const auto n3 = [&out](int v) { appendZeroPadded(out, v, 3); };
    const auto quantityKey = [&] { appendZeroPadded(out, f.quantityKey, 5); };
    const auto combinedKey = [&] { appendZeroPadded(out, f.combinedKey, 8); };
    const auto serial = [&] { appendZeroPadded(out, f.serial, 8); };
    const auto comment = [&] { appendPaddedComment(out, f.comment); };

    switch (sortItem) {
    case -1:
    case kSortByType:
        n3(f.category), n3(f.type), n3(f.material), n3(f.quality);
        quantityKey(), combinedKey(), comment(), serial();
        break;
    case kSortByMaterial:
        n3(f.material), n3(f.category), n3(f.type), n3(f.quality);
        quantityKey(), combinedKey(), comment(), serial();
        break;
    case kSortByQuality:
        n3(f.quality), n3(f.category), n3(f.type), n3(f.material);
        quantityKey(), combinedKey(), comment(), serial();
        break;
    case kSortByQuantity:
        quantityKey();
        n3(f.category), n3(f.type), n3(f.material), n3(f.quality);
        combinedKey(), comment(), serial();
        break;
    case kSortByCombined:
        combinedKey();
        n3(f.category), n3(f.type), n3(f.material), n3(f.quality);
        quantityKey(), comment(), serial();
        break;
    case kSortByComment:
        comment();
        n3(f.category), n3(f.type), n3(f.material), n3(f.quality);
        quantityKey(), combinedKey(), serial();
        break;
    case kSortBySerial:
        serial();
        n3(f.category), n3(f.type), n3(f.material), n3(f.quality);
        quantityKey(), combinedKey(), comment();
        break;
    case kSortByItemOrder: {
        if (order.size() != 14) {
            return;
        }
        int previous = -1;
        for (std::size_t i = 0; i < 14; i += 2) {
            int item = parseLeadingInt(order.substr(i, 2));
            if (item < 0 || item > 6) {
                // An unknown item number repeats the piece before it.
                item = previous;
            }
            switch (item) {
            case 0:
                n3(f.category);
                break;
            case 1:
                n3(f.material);
                break;
            case 2:
                n3(f.quality);
                break;
            case 3:
                quantityKey();
                break;
            case 4:
                combinedKey();
                break;
            case 5:
                comment();
                break;
            case 6:
                serial();
                break;
            default:
                break;
            }
            previous = item;
        }
        break;
    }
    default:
        break;
    }
}

std::string sortKey(const Deed& deed, int sortItem, std::string_view order) {
    std::string key;
    appendSortKey(key, deed, sortItem, order);
    return key;
}

void sortDeeds(std::vector<const Deed*>& rows, int sortItem, bool descending,
               std::string_view order) {
    if (sortItem < 0) {
        sortItem = kSortByType;
        descending = false;
        order = {};
    }
    sortRowsByKey(
        rows,
        [sortItem, order](const Deed* deed, std::string& out) {
            appendSortKey(out, *deed, sortItem, order);
        },
        descending);
}

void chooseSortItem(SortState& state, int sortItem, bool toggle,
                    const std::function<std::string()>& loadOrder) {
    if (sortItem < 0) {
        return;
    }
    if (sortItem != state.sortItem || sortItem == kSortByItemOrder) {
        state.sortItem = sortItem;
        state.sortDescending = false;
        state.sortOrder = loadOrder ? loadOrder() : std::string();
    } else if (toggle) {
        state.sortDescending = !state.sortDescending;
    }
}

} // namespace tessary
