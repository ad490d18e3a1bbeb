#include "data/Filters.h"

namespace tessary {
namespace {

bool matches(int wanted, int actual) {
    return wanted == 0 || wanted == actual;
}

} // namespace

bool passesDeedFilter(const Deed& f, const Deed& d) {
    return matches(f.group(), d.group()) && matches(f.category(), d.category()) &&
           matches(f.type(), d.type()) && matches(f.material(), d.material()) &&
           matches(f.quality(), d.quality()) && matches(f.quantity(), d.quantity());
}

bool passesConditionFilter(const ConditionRow& f, const ConditionRow& r) {
    return matches(f.group(), r.group()) && matches(f.category(), r.category()) &&
           matches(f.material(), r.material()) && matches(f.quality(), r.quality()) &&
           matches(f.quantity(), r.quantity()) && (f.filled == 0 || r.remaining() < f.filled);
}

bool isInNode(const CatalogueEntry* node, int group, int category) {
    if (node == nullptr || node->byte3() != group) {
        return false;
    }
    return node->byte2() == 0 || node->byte2() == category;
}

} // namespace tessary
