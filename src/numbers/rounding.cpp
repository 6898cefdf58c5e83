// Named roundings built on the digit text, so that they agree with the formats.
#include "numbers/rounding.h"

#include "numbers/decimal.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace tallyman {

namespace {

// The rounded value as a plain scientific text ("-0.1234e3"), ready to be read back.
std::string roundedText(double value, int places)
{
    if (!std::isfinite(value))
        throw NumberOverflow("The amount is too large to compute.");
    const auto d = detail::roundHalfAway(detail::toDecimal(value, 15), places);
    if (d.digits.empty())
        return "0";
    return (d.negative ? "-0." : "0.") + d.digits + "e" + std::to_string(d.intDigits);
}

// Whole cents of the value as the "#,###.00" text shows them: from the arithmetic short cut
// where it is certain, else from the rounded digits themselves, without writing and reading
// a text. Nothing for values beyond the ordinary size.
std::optional<long long> textCents(double value)
{
    if (const auto cents = detail::fastCents(value))
        return cents;
    if (!std::isfinite(value))
        return std::nullopt;
    return detail::wholeCents(detail::roundHalfAway(detail::toDecimal(value, 15), 2));
}

} // namespace

double roundHalfAwayFromZero(double value, int places)
{
    if (places == 2)
        if (const auto cents = textCents(value); cents && std::llabs(*cents) < (1LL << 53))
            return static_cast<double>(*cents) / 100; // correctly rounded, as reading the text is
    return std::strtod(roundedText(value, places).c_str(), nullptr);
}

Amount roundCents(double value)
{
    // Up to 2^24 cents both operands are exact floats, so the float division is the nearest
    // float to the decimal text, exactly what reading the text back gives.
    if (const auto cents = textCents(value); cents && std::llabs(*cents) < (1LL << 24))
        return static_cast<float>(*cents) / 100.0f;
    // Read straight into a float, as the text would be read back into an Amount.
    const std::string text = roundedText(value, 2);
    toAmount(std::strtod(text.c_str(), nullptr)); // range check
    return std::strtof(text.c_str(), nullptr);
}

double roundWhole(double value) { return std::nearbyint(value); }

} // namespace tallyman
