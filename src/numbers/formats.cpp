// Amount formats, all rounding half away from zero on the 15-digit text of the value.
#include "numbers/formats.h"

#include "numbers/decimal.h"
#include "numbers/number_text.h"

#include <cmath>
#include <string>
#include <string_view>

namespace tallyman {

namespace {

struct Pieces {
    bool negative = false;
    std::string integer; // no leading zeros; empty for zero
    std::string fraction;
};

Pieces split(double value, int places)
{
    if (places == 2)
        if (const auto cents = detail::fastCents(value)) {
            const long long magnitude = *cents < 0 ? -*cents : *cents;
            const long long dollars = magnitude / 100;
            const int rest = static_cast<int>(magnitude % 100);
            const char fraction[3]
                = { static_cast<char>('0' + rest / 10), static_cast<char>('0' + rest % 10), 0 };
            return Pieces { *cents < 0, dollars == 0 ? std::string() : std::to_string(dollars), fraction };
        }
    const auto d = detail::roundHalfAway(detail::toDecimal(value, 15), places);
    // A value that rounds to zero shows no sign.
    return Pieces { d.negative && !d.digits.empty(), detail::integerDigits(d),
        detail::fractionDigits(d, places) };
}

std::string withThousands(const std::string& digits)
{
    std::string out;
    const auto n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

// "#,###.00" with `sign` ("" or "$") after the minus, into `out`. Values of ordinary size are
// written from their cents into a buffer on the stack; the others go through the digit text.
void assignThousandsCents(double value, std::string_view sign, std::string& out)
{
    const auto cents = detail::fastCents(value);
    if (!cents) {
        const auto p = split(value, 2);
        out.assign(p.negative ? "-" : "");
        out.append(sign).append(withThousands(p.integer)).append(".").append(p.fraction);
        return;
    }
    // Below 1e9 dollars: at most 9 digits, 2 commas, "-$" and ".00".
    char buffer[24];
    char* end = buffer + sizeof buffer;
    char* p = end;
    unsigned long long magnitude = *cents < 0 ? -static_cast<unsigned long long>(*cents) : *cents;
    for (int i = 0; i < 2; ++i, magnitude /= 10)
        *--p = static_cast<char>('0' + magnitude % 10);
    *--p = '.';
    for (int digits = 0; magnitude != 0; ++digits, magnitude /= 10) {
        if (digits > 0 && digits % 3 == 0)
            *--p = ',';
        *--p = static_cast<char>('0' + magnitude % 10);
    }
    p -= sign.size();
    sign.copy(p, sign.size());
    if (*cents < 0)
        *--p = '-';
    out.assign(p, end);
}

} // namespace

std::string formatCommaCents(double value)
{
    std::string text;
    formatCommaCents(value, text);
    return text;
}

std::string formatDollarCents(double value)
{
    std::string text;
    formatDollarCents(value, text);
    return text;
}

void formatCommaCents(double value, std::string& out) { assignThousandsCents(value, "", out); }

void formatDollarCents(double value, std::string& out) { assignThousandsCents(value, "$", out); }

std::string formatPlainCents(double value)
{
    const auto p = split(value, 2);
    return (p.negative ? "-" : "") + p.integer + "." + p.fraction;
}

std::string formatZeroPaddedCents(double value)
{
    const auto p = split(value, 2);
    std::string integer = p.integer;
    if (integer.size() < 6)
        integer.insert(0, 6 - integer.size(), '0');
    return (p.negative ? "-" : "") + integer + "." + p.fraction;
}

std::string formatPrintedNumber(float value)
{
    std::string text = numberText(value);
    const bool negative = !text.empty() && text.front() == '-';
    const std::size_t digits = negative ? 1 : 0;
    if (text.compare(digits, 2, "0.") == 0)
        text.erase(digits, 1);
    return (negative ? "" : " ") + text + " ";
}

std::string formatPercent(double fraction)
{
    auto p = split(fraction * 100, 2);
    while (!p.fraction.empty() && p.fraction.back() == '0')
        p.fraction.pop_back();
    return (p.negative ? "-" : "") + p.integer + "." + p.fraction + "%";
}

} // namespace tallyman
