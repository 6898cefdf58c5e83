// The display formats of amounts; no other place in Tallyman formats money.
#pragma once

#include <string>

namespace tallyman {

// "#,###.00": 1234.5 -> "1,234.50", 0.5 -> ".50", 0 -> ".00", -3 -> "-3.00".
std::string formatCommaCents(double value);
// "$#,###.00" (also used for "$#,###.#0"): 1234.5 -> "$1,234.50", -3 -> "-$3.00".
std::string formatDollarCents(double value);
// The same two texts written over `out`, reusing its storage: for the result labels that every
// calculation fills again.
void formatCommaCents(double value, std::string& out);
void formatDollarCents(double value, std::string& out);
// "#####.00" and "###.00": no thousands separator, no leading zero: 1234.5 -> "1234.50".
std::string formatPlainCents(double value);
// "000000.00": the integer part padded with zeros to six digits.
std::string formatZeroPaddedCents(double value);
// How a printout prints a 32-bit amount: its number text (at most 7 significant digits, no
// trailing zeros) without the zero before the point, a space in front unless negative and a
// space after: 0.5 -> " .5 ", -12.25 -> "-12.25 ", 0 -> " 0 ".
std::string formatPrintedNumber(float value);
// "##.##%": the fraction as a percentage with up to two decimals: 0.125 -> "12.5%", 0.1 -> "10.%".
std::string formatPercent(double fraction);

} // namespace tallyman
