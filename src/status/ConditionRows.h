// Building the order-status rows: one row per possible large order, with every deed counted in.
#pragma once

#include "data/Catalogue.h"
#include "data/Deed.h"
#include "status/ConditionRow.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace tessary {

// Replaces `rows` with one row per (group, category, material, quality, quantity) that the
// catalogue allows, in ascending key order, and counts every deed into its row (and leather
// footwear also into the cloth orders that take it). Returns the number of rows.
int buildConditionRows(const Catalogue& catalogue, const std::vector<std::unique_ptr<Deed>>& deeds,
                       std::vector<ConditionRow>& rows);

// Bisection over rows in ascending (firstKey, secondKey) order.
const ConditionRow* findConditionRow(const std::vector<ConditionRow>& rows, std::uint32_t firstKey,
                                     std::uint32_t secondKey);

} // namespace tessary
