// Plain number texts (as files and text boxes show them) and the two ways of reading one.
#pragma once

#include "numbers/amount.h"

#include <optional>
#include <string>
#include <string_view>

namespace tallyman {

// At most 7 significant digits, no trailing zeros, no point for whole values:
// 7.5 -> "7.5", 0.062f -> "0.062", 11440 -> "11440"; very large or small values as "1E+20".
std::string numberText(float value);
// The same with at most 15 significant digits.
std::string numberText(double value);
std::string numberText(int value);
// The shortest text that reads back as the same float: 123456.78f -> "123456.78" where the
// 7-digit text says "123456.8".
std::string roundTripText(float value);
// The 7-digit text when it reads back as the same float, else the shortest that does: what a
// stored amount shows where it must survive being read back (123456.78f -> "123456.78",
// 12.5f -> "12.5").
std::string exactText(float value);

// Lenient reading: the longest leading part that reads as a number, spaces ignored,
// 0 when there is none ("12abc" -> 12, "abc" -> 0, "1 2" -> 12, "$5" -> 0).
double lenientNumber(std::string_view text);

// Strict reading: the whole text (surrounding spaces allowed) must be one number. Accepts a
// sign, a leading "$", thousands commas and an exponent. Empty, "-" or "1.2.3" give nothing.
std::optional<double> strictNumber(std::string_view text);
// The same text rounded once, straight to the nearest 32-bit float; nothing also when it lies
// beyond the largest float by half a unit or more.
std::optional<float> strictFloat(std::string_view text);

} // namespace tallyman
