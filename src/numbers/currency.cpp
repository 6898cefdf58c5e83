// Currency conversions and exact sums.
#include "numbers/currency.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace tallyman {

namespace {
constexpr double MaxUnits = 9.2233720368547e18; // a little under INT64_MAX
}

Amount toAmount(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()))
        throw NumberOverflow("The amount is too large to compute.");
    return static_cast<Amount>(value);
}

short toInt16(double value)
{
    const double whole = std::nearbyint(value); // default mode: nearest, ties to even
    if (!std::isfinite(whole) || whole < std::numeric_limits<short>::min()
        || whole > std::numeric_limits<short>::max())
        throw NumberOverflow("The number is out of range.");
    return static_cast<short>(whole);
}

Currency Currency::fromDouble(double dollars)
{
    const double units = std::nearbyint(dollars * UnitsPerDollar);
    if (!std::isfinite(units) || std::fabs(units) > MaxUnits)
        throw NumberOverflow("The amount is too large to compute.");
    return Currency(static_cast<std::int64_t>(units));
}

Currency Currency::operator+(Currency other) const
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(m_units, other.m_units, &sum))
        throw NumberOverflow("The amount is too large to compute.");
    return Currency(sum);
}

Currency Currency::operator-(Currency other) const
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(m_units, other.m_units, &difference))
        throw NumberOverflow("The amount is too large to compute.");
    return Currency(difference);
}

} // namespace tallyman
