// Field conversion and the messages of the settings dialogs.
#include "screens/taxtables/dialog_fields.h"

#include "numbers/number_text.h"
#include "screens/app.h"
#include "taxtables/settings_files.h"

namespace tallyman {

std::optional<Amount> fieldAmount(std::string_view text)
{
    const auto value = strictNumber(text);
    if (!value)
        return std::nullopt;
    try {
        return toAmount(*value);
    } catch (const NumberOverflow&) {
        // Too large for the record: refused like any other text that is not a number.
        return std::nullopt;
    }
}

bool copyField(const ui::TextBox& field, Amount& value)
{
    const auto converted = fieldAmount(field.text());
    if (converted)
        value = *converted;
    return converted.has_value();
}

bool copyTableFields(const TableFields& fields, const TableRecord& record)
{
    auto copy = [&](std::size_t column, std::size_t row) {
        return copyField((*fields[column])[row], (*record[column])[row]);
    };
    constexpr std::size_t BracketColumns = 6;
    for (std::size_t row = 0; row < 10; ++row)
        for (std::size_t column = 0; column < BracketColumns; ++column)
            if (!copy(column, row))
                return false;
    for (std::size_t row = 0; row < 10; ++row)
        for (std::size_t column = BracketColumns; column < fields.size(); ++column)
            if (!copy(column, row))
                return false;
    return true;
}

void reportNonNumeric(App& app) { app.message({ "You have entered a NON numerial." }); }

bool settingsLoaded(App& app, SettingsLoad result, const std::filesystem::path& path)
{
    if (result == SettingsLoad::Corrupt)
        reportCorruptFile(app, path.filename().string());
    return result == SettingsLoad::Loaded;
}

void reportCorruptFile(App& app, const std::string& fileName) { app.message(corruptFileLines(fileName)); }

} // namespace tallyman
