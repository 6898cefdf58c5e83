// What the three settings dialogs share: reading a field's text into a record value, their messages.
#pragma once

#include "engine/tax_settings.h"
#include "numbers/amount.h"
#include "platform/controls.h"
#include "taxtables/settings_files.h"

#include <array>

#include <optional>
#include <string>
#include <string_view>

namespace tallyman {

class App;

// A field's text as a 32-bit value: the whole text must be one number (surrounding spaces and
// a sign allowed). Nothing when it is not a number or does not fit the type.
std::optional<Amount> fieldAmount(std::string_view text);

// Copies one field into its record value; false (the value untouched) when it does not convert.
bool copyField(const ui::TextBox& field, Amount& value);

// The eight columns of a state or city table: the six bracket columns (minimum, amount, rate;
// single then married) and the two allowance columns (single, married).
using TableFields = std::array<ui::ControlArray<ui::TextBox, 10>*, 8>;
using TableRecord = std::array<StateRows*, 8>;

// Copies the fields into the record in the order the dialogs read them: the bracket columns
// row by row, then the two allowance columns row by row. Stops at the first field that does
// not convert (those before it are copied) and returns false.
bool copyTableFields(const TableFields& fields, const TableRecord& record);

// "You have entered a NON numerial.": a field did not convert and nothing was saved.
void reportNonNumeric(App& app);

// Whether a settings file was read, so the dialog shows it; a corrupt one is reported by name.
bool settingsLoaded(App& app, SettingsLoad result, const std::filesystem::path& path);

// The corrupt-file message naming the file ("Smith.cti").
void reportCorruptFile(App& app, const std::string& fileName);

} // namespace tallyman
