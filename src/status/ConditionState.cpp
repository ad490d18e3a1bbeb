#include "status/ConditionState.h"

namespace tessary {

ConditionState conditionState(const ConditionRow& row) {
    if (row.remaining() == 0) {
        return ConditionState::Complete;
    }
    if (row.remaining() == 1) {
        return ConditionState::OneShort;
    }
    if (row.filled != 0) {
        return ConditionState::Started;
    }
    return ConditionState::Empty;
}

} // namespace tessary
