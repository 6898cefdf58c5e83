// Field conversion and the messages of the settings dialogs.
#include "taxtables/dialog_fields.h"

#include "app/app.h"
#include "numbers/number_text.h"
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

void reportNonNumeric(App& app) { app.message({ "You have entered a NON numerial." }); }

void reportCorruptFile(App& app, const std::string& fileName) { app.message(corruptFileLines(fileName)); }

} // namespace tallyman
