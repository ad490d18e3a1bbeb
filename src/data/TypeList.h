// The rows of the type list window: every item type of the catalogue with the names of its
// category and group, as currently named.
#pragma once

#include "data/Catalogue.h"

#include <array>
#include <string>
#include <vector>

namespace tessary {

// One row: type, category and group name, each beginning with one space (CP932).
struct TypeListRow {
    std::array<std::string, 3> texts;
};

// Walks the catalogue in key order: a group entry names the current group, a category entry the
// current category, and each item type entry (the large deed's type 1 included) gives a row with
// the current names; materials, qualities and quantities give none. The rows are ordered by the
// type text in the lists' CP932 order; rows with equal type texts keep their catalogue order.
// A catalogue without a group or category entry before its types shows blanks for them.
std::vector<TypeListRow> typeListRows(const Catalogue& catalogue);

} // namespace tessary
