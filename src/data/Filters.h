// Which deeds and order-status rows a list shows: the tree node and the display conditions.
#pragma once

#include "data/CatalogueEntry.h"
#include "data/Deed.h"
#include "status/ConditionRow.h"

namespace tessary {

// A deed passes when each of the filter's group, category, type, material, quality and
// quantity is 0 or equals the deed's.
bool passesDeedFilter(const Deed& filter, const Deed& deed);

// A row passes when each of the filter's group, category, material, quality and quantity is 0
// or equals the row's, and the threshold (the filter's `filled`) is 0 or the row's remaining
// count is below it.
bool passesConditionFilter(const ConditionRow& filter, const ConditionRow& row);

// Inside the tree node: the node's group, and its category when the node is a category node.
// No node holds nothing.
bool isInNode(const CatalogueEntry* node, int group, int category);

} // namespace tessary
