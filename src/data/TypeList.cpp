#include "data/TypeList.h"

#include "platform/Cp932.h"

#include <algorithm>

namespace tessary {

std::vector<TypeListRow> typeListRows(const Catalogue& catalogue) {
    std::vector<TypeListRow> rows;
    std::string group;
    std::string category;
    for (const CatalogueEntry& e : catalogue.entries()) {
        if (e.group() > kMaxGroupOrCategory) {
            continue; // qualities and quantities
        }
        if (e.category() == 0 && e.type() == 0) {
            group = e.name;
        } else if (e.category() >= 1 && e.category() <= kMaxGroupOrCategory) {
            if (e.type() == 0) {
                category = e.name;
            } else {
                rows.push_back({{" " + e.name, " " + category, " " + group}});
            }
        }
        // Anything else (the group's materials, a category byte of 0 with a type) gives no row.
    }
    std::stable_sort(rows.begin(), rows.end(), [](const TypeListRow& a, const TypeListRow& b) {
        return compareCp932(a.texts[0], b.texts[0]) < 0;
    });
    return rows;
}

} // namespace tessary
