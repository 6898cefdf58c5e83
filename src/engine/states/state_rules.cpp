// The bracket row selection shared by the Wisconsin and North Carolina formulas.
#include "engine/states/state_rules.h"

namespace tallyman::states {

Amount rowMinimum(const StateRows& Min, std::size_t i, bool halved)
{
    return halved ? toAmount(double(Min[i]) / 2) : Min[i];
}

std::optional<std::size_t> applyingRow(const StateRows& Min, Amount w, bool halved)
{
    std::optional<std::size_t> row;
    const std::size_t last = Min.size() - 1;
    for (std::size_t i = 0; i <= last; ++i) {
        const bool aboveLower = rowMinimum(Min, i, halved) <= w;
        const bool belowNext = i == last || w < rowMinimum(Min, i + 1, halved);
        if (aboveLower && belowNext)
            row = i;
    }
    return row;
}

} // namespace tallyman::states
