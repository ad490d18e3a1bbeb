// How far a large order has come, as the order-status list colours its slot cells.
#pragma once

#include "status/ConditionRow.h"

namespace tessary {

enum class ConditionState {
    Complete, // nothing remains
    OneShort, // one deed remains (also an order that needs a single deed and has none)
    Started,  // some slot is filled
    Empty,    // nothing held
};

// Decided in this order: remaining 0, remaining 1, any slot filled, nothing.
ConditionState conditionState(const ConditionRow& row);

} // namespace tessary
