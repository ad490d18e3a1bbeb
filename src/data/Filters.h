// Which deeds a list shows: the tree node and the display conditions.
#pragma once

#include "data/CatalogueEntry.h"
#include "data/Deed.h"

namespace tessary {

// A deed passes when each of the filter's group, category, type, material, quality and
// quantity is 0 or equals the deed's.
bool passesDeedFilter(const Deed& filter, const Deed& deed);

// Inside the tree node: the node's group, and its category when the node is a category node.
// No node holds nothing.
bool isInNode(const CatalogueEntry* node, int group, int category);

} // namespace tessary
