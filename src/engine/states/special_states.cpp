// The special-state rows in the record's order.
#include "engine/states/special_states.h"

#include <algorithm>
#include <functional>

namespace tallyman {

std::array<const SpecialState*, SpecialStates.size()> specialStatesInRecordOrder()
{
    std::array<const SpecialState*, SpecialStates.size()> rows {};
    std::ranges::transform(SpecialStates, rows.begin(), [](const SpecialState& state) { return &state; });
    // Members of one object lie in the order they are declared.
    const StateTaxSettings record;
    std::ranges::sort(rows, std::less {}, [&](const SpecialState* state) { return &(record.*state->flag); });
    return rows;
}

} // namespace tallyman
