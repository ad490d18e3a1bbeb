#include "status/ConditionRow.h"

#include "platform/DecimalText.h"

namespace tessary {

int ConditionRow::countType(std::uint8_t type) {
    if (type < 1 || type > 7) {
        return 0;
    }
    std::uint8_t& counter = typeCounts[type - 1];
    if (counter < 255) {
        ++counter;
    }
    return counter;
}

int ConditionRow::updateFilled() {
    int n = 0;
    for (const std::uint8_t counter : typeCounts) {
        n += counter != 0 ? 1 : 0;
    }
    filled = static_cast<std::uint8_t>(n);
    return n;
}

void ConditionRow::appendSortKey(std::string& out, int sortItem, std::string_view order) const {
    const int values[5] = {category(), material(), quality(), quantity(), remaining()};
    const auto put = [&out](int v) { appendZeroPadded(out, v, 3); };
    switch (sortItem) {
    case -1:
    case 0:
        put(values[0]), put(values[1]), put(values[2]), put(values[3]);
        break;
    case 1:
        put(values[1]), put(values[0]), put(values[2]), put(values[3]);
        break;
    case 2:
        put(values[2]), put(values[0]), put(values[1]), put(values[3]);
        break;
    case 3:
        put(values[3]), put(values[0]), put(values[1]), put(values[2]);
        break;
    case 4:
        put(values[4]), put(required), put(values[0]), put(values[1]), put(values[2]),
            put(values[3]);
        return;
    case 99: {
        if (order.size() != 10) {
            return;
        }
        int previous = -1;
        for (std::size_t i = 0; i < 10; i += 2) {
            int item = parseLeadingInt(order.substr(i, 2));
            if (item < 0 || item > 4) {
                item = previous;
            }
            if (item >= 0) {
                put(values[item]);
            }
            previous = item;
        }
        return;
    }
    default:
        return;
    }
    put(values[4]);
    put(required);
}

std::string ConditionRow::sortKey(int sortItem, std::string_view order) const {
    std::string key;
    appendSortKey(key, sortItem, order);
    return key;
}

namespace {

bool matches(int wanted, int actual) {
    return wanted == 0 || wanted == actual;
}

} // namespace

bool passesConditionFilter(const ConditionRow& f, const ConditionRow& r) {
    return matches(f.group(), r.group()) && matches(f.category(), r.category()) &&
           matches(f.material(), r.material()) && matches(f.quality(), r.quality()) &&
           matches(f.quantity(), r.quantity()) && (f.filled == 0 || r.remaining() < f.filled);
}

std::string nameOf(const Catalogue& catalogue, NameKind kind, const ConditionRow& r) {
    return catalogue.nameOf(kind, r.group(), r.category(), 0, r.material(), r.quality(),
                            r.quantity());
}

std::uint32_t colorOf(const Catalogue& catalogue, NameKind kind, const ConditionRow& r) {
    return catalogue.colorOf(kind, r.group(), r.category(), 0, r.material(), r.quality(),
                             r.quantity());
}

} // namespace tessary
