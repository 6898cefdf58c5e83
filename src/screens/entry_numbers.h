// Reading what a person typed into a number box: the strict and the lenient way, range-checked.
#pragma once

#include "numbers/amount.h"

#include <optional>
#include <string_view>

namespace tallyman {

// The whole text must be one number that fits a 32-bit float; otherwise nothing.
std::optional<Amount> strictAmount(std::string_view text);
// The whole text must be one number; rounded to the nearest whole (ties to even) and it must
// fit a 16-bit integer; otherwise nothing.
std::optional<short> strictInt16(std::string_view text);
// The leading number of the text (0 when there is none); nothing when it does not fit a
// 32-bit float.
std::optional<Amount> lenientAmount(std::string_view text);

// Why a number box's text cannot be taken: "<field> must be a number." or
// "<field> is too large.", or nothing when it can.
std::optional<std::string> strictAmountProblem(std::string_view text, std::string_view field);
std::optional<std::string> strictInt16Problem(std::string_view text, std::string_view field);
std::optional<std::string> lenientAmountProblem(std::string_view text, std::string_view field);
// Why a text cannot be stored in a text field (a double quote, a control character such as a
// tab or a line break, a character the code page lacks), or nothing.
std::optional<std::string> storableTextProblem(std::string_view text, std::string_view field);
// The same refusal naming the first character that cannot be stored: "Company cannot hold
// the double quote (\")...".
std::optional<std::string> storableCharacterProblem(std::string_view text, std::string_view field);

} // namespace tallyman
