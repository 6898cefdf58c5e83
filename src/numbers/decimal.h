// Decimal digits of a double, the common ground of every number format and rounding.
#pragma once

#include <optional>
#include <string>

namespace tallyman::detail {

// value = (negative ? -1 : 1) * 0.d1d2d3... * 10^intDigits; digits has no trailing zeros,
// and is empty for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int intDigits = 0;
};

// The value taken to `significant` digits (nearest, as printf does).
Decimal toDecimal(double value, int significant);

// Rounds half away from zero to `places` decimals, working on the digit text.
Decimal roundHalfAway(Decimal d, int places);

// The value rounded half away from zero to whole cents, computed without digit text, when
// that is certain to agree with rounding the 15-digit text: the value is of ordinary size and
// not within a hundredth of a cent of a tie. Nothing otherwise; callers then use the text.
std::optional<long long> fastCents(double value);

// The value of a Decimal rounded to 2 places as a whole number of cents; nothing when it
// does not fit 18 digits.
std::optional<long long> wholeCents(const Decimal& d);

// Integer part and fraction of `places` digits, both as digit strings ("" integer for zero).
std::string integerDigits(const Decimal& d);
std::string fractionDigits(const Decimal& d, int places);

} // namespace tallyman::detail
