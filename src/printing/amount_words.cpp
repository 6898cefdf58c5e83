// Asterisk padding and the amount in words, both read off the "000000.00" text of the amount.
#include "printing/amount_words.h"

#include "numbers/formats.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tallyman::printing {

namespace {

constexpr std::array<const char*, 20> Ones { "", "One", "Two", "Three", "Four", "Five", "Six", "Seven",
    "Eight", "Nine", "Ten", "Eleven", "Twelve", "Thirteen", "Fourteen", "Fifteen", "Sixteen", "Seventeen",
    "Eighteen", "Nineteen" };
constexpr std::array<const char*, 10> Tens { "", "Ten", "Twenty", "Thirty", "Forty", "Fifty", "Sixty",
    "Seventy", "Eighty", "Ninety" };

int digit(char c) { return c - '0'; }

// Each part starts with a space; no hyphens and no "and" inside a group.
void appendGroup(std::string& words, std::string_view group)
{
    if (const int hundreds = digit(group[0]); hundreds > 0)
        (words += " ") += std::string(Ones[hundreds]) + " Hundred";
    const int rest = digit(group[1]) * 10 + digit(group[2]);
    if (rest >= 1 && rest <= 19) {
        (words += " ") += Ones[rest];
    } else if (rest >= 20) {
        (words += " ") += Tens[digit(group[1])];
        if (digit(group[2]) >= 1)
            (words += " ") += Ones[digit(group[2])];
    }
}

// Six dollar digits, a point and two cent digits; longer when a million or more.
std::string zeroPadded(double netPay) { return formatZeroPaddedCents(checkAmount(netPay)); }

constexpr std::size_t PaddedLength = 9;

} // namespace

double checkAmount(double netPay) { return std::max(netPay, 0.0); }

std::string paddedAmount(double netPay)
{
    std::string text = zeroPadded(netPay);
    if (text.size() > PaddedLength)
        return text;
    // The sixth dollar digit stays, so below one dollar reads "*****0.45".
    for (std::size_t i = 0; i < 5 && text[i] == '0'; ++i)
        text[i] = '*';
    return text;
}

std::optional<std::string> amountInWords(double netPay)
{
    const std::string text = zeroPadded(netPay);
    if (text.size() > PaddedLength)
        return std::nullopt;
    const std::string_view dollars = std::string_view(text).substr(0, 6);
    std::string cents = text.substr(7, 2);
    std::string words;
    if (dollars == "000000") {
        words = "Zero";
    } else {
        if (dollars.substr(0, 3) != "000") {
            appendGroup(words, dollars.substr(0, 3));
            words += " Thousand";
        }
        if (dollars.substr(3, 3) != "000")
            appendGroup(words, dollars.substr(3, 3));
    }
    if (cents == "00")
        cents = "No";
    return words + " and " + cents + "/100";
}

} // namespace tallyman::printing
