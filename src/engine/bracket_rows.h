// The row selection every bracket table of the calculation shares (state, city, non-city and
// the state formulas built on the state table).
#pragma once

#include "numbers/amount.h"

#include <array>
#include <cstddef>
#include <optional>

namespace tallyman {

// Min[i] as the selection sees it: halved (as a 32-bit float) for a weekly employee.
template <std::size_t N> Amount rowMinimum(const std::array<Amount, N>& Min, std::size_t i, bool halved)
{
    return halved ? toAmount(double(Min[i]) / 2) : Min[i];
}

// Row i < last applies when Min[i] <= w < Min[i+1], row `last` when Min[last] <= w. Every row
// is tested on its own: with ascending minimums at most one applies, otherwise the last one
// that does has the final word. Nothing when no row applies (w below Min[0]).
template <std::size_t N>
std::optional<std::size_t> applyingRow(
    const std::array<Amount, N>& Min, std::size_t last, Amount w, bool halved)
{
    std::optional<std::size_t> row;
    for (std::size_t i = 0; i <= last; ++i)
        if (rowMinimum(Min, i, halved) <= w && (i == last || w < rowMinimum(Min, i + 1, halved)))
            row = i;
    return row;
}

} // namespace tallyman
