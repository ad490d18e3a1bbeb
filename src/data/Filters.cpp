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

bool isInNode(const CatalogueEntry* node, int group, int category) {
    if (node == nullptr || node->group() != group) {
        return false;
    }
    return node->category() == 0 || node->category() == category;
}

} // namespace tessary
