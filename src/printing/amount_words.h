// The check's two renderings of an amount: the figure padded with asterisks and the words.
#pragma once

#include <optional>
#include <string>

namespace tallyman::printing {

// What the words field shows for an amount the check cannot hold (a million or more).
inline constexpr const char* AmountTooLargeText = "Dollar amount is too large";

// A check never shows less than nothing: a negative net pay is written as a zero check.
double checkAmount(double netPay);

// The amount as "000000.00" with its leading zeros (at most five) turned into asterisks, so
// nothing can be written in front of it: 1234.56 -> "**1234.56", 0.45 -> "*****0.45". A
// million or more keeps its digits.
std::string paddedAmount(double netPay);

// " One Thousand Two Hundred Thirty Four and 56/100"; "Zero and No/100" for nothing. Empty
// (no words) for a million or more, which does not fit the six dollar digits.
std::optional<std::string> amountInWords(double netPay);

} // namespace tallyman::printing
