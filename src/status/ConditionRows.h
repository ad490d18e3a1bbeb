// Building the order-status rows: one row per possible large order, with every deed counted in.
#pragma once

#include "data/Catalogue.h"
#include "data/Deed.h"
#include "status/ConditionRow.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace tessary {

// The most order-status rows a catalogue may give. The built-in catalogue gives 366 and any real
// one a few thousand at most; a settings file can describe billions (120 categories of 125
// materials, qualities and quantities), which would exhaust memory, so such a catalogue gets no
// rows at all.
inline constexpr std::uint64_t kMaxConditionRows = 100'000;

// How many rows buildConditionRows would build from the catalogue, counted without building them.
std::uint64_t countConditionRows(const Catalogue& catalogue);

// True when the catalogue gives more than kMaxConditionRows rows. Every walk over the
// combinations of the catalogue (the order-status rows, the missing deeds of the export) must
// check it first.
bool catalogueTooLargeForOrderStatus(const Catalogue& catalogue);

// Replaces `rows` with one row per (group, category, material, quality, quantity) that the
// catalogue allows, in ascending key order, and counts every deed into its row (and leather
// footwear also into the cloth orders that take it). Returns the number of rows: 0, with `rows`
// empty, for a catalogue too large for the order status.
int buildConditionRows(const Catalogue& catalogue, const std::vector<std::unique_ptr<Deed>>& deeds,
                       std::vector<ConditionRow>& rows);

// Bisection over rows in ascending (firstKey, secondKey) order.
const ConditionRow* findConditionRow(const std::vector<ConditionRow>& rows, std::uint32_t firstKey,
                                     std::uint32_t secondKey);

} // namespace tessary
