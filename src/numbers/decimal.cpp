// Digit-text arithmetic behind formats and roundings.
#include "numbers/decimal.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tallyman::detail {

Decimal toDecimal(double value, int significant)
{
    Decimal d;
    if (value == 0 || !std::isfinite(value))
        return d;
    d.negative = value < 0;
    // Correctly rounded like printf's "%.*e", without its locale and multi-precision cost.
    char buffer[64];
    const auto result = std::to_chars(
        buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, significant - 1);
    // buffer: d.ddddde[+-]xx
    std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    d.intDigits = std::atoi(text.c_str() + e + 1) + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d = Decimal {};
    return d;
}

std::optional<long long> fastCents(double value)
{
    const double magnitude = std::fabs(value);
    // Below 1e9 dollars the 15-digit text is within 0.005 of a cent of the value, and the
    // product below is exact to far better than that, so only near-ties need the text.
    if (!(magnitude < 1e9))
        return std::nullopt;
    const double cents = magnitude * 100;
    const double whole = std::floor(cents);
    const double fraction = cents - whole;
    if (std::fabs(fraction - 0.5) <= 0.01)
        return std::nullopt;
    const auto rounded = static_cast<long long>(fraction > 0.5 ? whole + 1 : whole);
    return value < 0 ? -rounded : rounded;
}

Decimal roundHalfAway(Decimal d, int places)
{
    const int keep = d.intDigits + places; // digits that stay
    if (keep < 0 || d.digits.empty())
        return Decimal {};
    if (static_cast<int>(d.digits.size()) <= keep)
        return d;
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.intDigits;
        } else {
            ++d.digits[static_cast<std::size_t>(i)];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        return Decimal {};
    return d;
}

std::optional<long long> wholeCents(const Decimal& d)
{
    const int places = d.intDigits + 2; // digits of the value in cents
    if (d.digits.empty() || places <= 0)
        return 0;
    if (places > 18 || static_cast<int>(d.digits.size()) > places)
        return std::nullopt;
    long long cents = 0;
    for (int i = 0; i < places; ++i)
        cents = cents * 10
            + (i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] - '0' : 0);
    return d.negative ? -cents : cents;
}

std::string integerDigits(const Decimal& d)
{
    std::string out;
    for (int i = 0; i < d.intDigits; ++i)
        out += i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
    return out;
}

std::string fractionDigits(const Decimal& d, int places)
{
    std::string out;
    for (int i = 0; i < places; ++i) {
        const int index = d.intDigits + i;
        out += index >= 0 && index < static_cast<int>(d.digits.size())
            ? d.digits[static_cast<std::size_t>(index)]
            : '0';
    }
    return out;
}

} // namespace tallyman::detail
