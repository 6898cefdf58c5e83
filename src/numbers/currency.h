// Currency: a signed 64-bit count of ten-thousandths of a dollar, summed exactly.
#pragma once

#include "numbers/amount.h"

#include <compare>
#include <cstdint>

namespace tallyman {

class Currency {
public:
    static constexpr std::int64_t UnitsPerDollar = 10000;

    constexpr Currency() = default;

    // Nearest ten-thousandth, ties to even. Throws NumberOverflow when out of range.
    static Currency fromDouble(double dollars);
    static constexpr Currency fromUnits(std::int64_t units) { return Currency(units); }

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const { return static_cast<double>(m_units) / UnitsPerDollar; }
    Amount toAmount() const { return tallyman::toAmount(toDouble()); }

    // Sums are exact; an overflow throws NumberOverflow.
    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }

    constexpr auto operator<=>(const Currency&) const = default;

private:
    explicit constexpr Currency(std::int64_t units)
        : m_units(units)
    { }
    std::int64_t m_units = 0;
};

} // namespace tallyman
