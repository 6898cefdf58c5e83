// What the three settings dialogs share: reading a field's text into a record value, their messages.
#pragma once

#include "numbers/amount.h"

#include <optional>
#include <string>
#include <string_view>

namespace tallyman {

class App;

// A field's text as a 32-bit value: the whole text must be one number (surrounding spaces and
// a sign allowed). Nothing when it is not a number or does not fit the type.
std::optional<Amount> fieldAmount(std::string_view text);

// "You have entered a NON numerial.": a field did not convert and nothing was saved.
void reportNonNumeric(App& app);

// The corrupt-file message naming the file ("Smith.cti").
void reportCorruptFile(App& app, const std::string& fileName);

} // namespace tallyman
