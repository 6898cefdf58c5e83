// The result labels in JSON, one shape for calc and period show.
#include "cli/result_labels.h"

#include "screens/result_fields.h"

#include <string_view>

namespace tallyman::cli {

void writeResultLabels(JsonWriter& w, const MainWindow& window, bool (*chosen)(const ResultField&))
{
    std::string_view openArray;
    for (const ResultField& field : resultFields()) {
        if (!chosen(field))
            continue;
        const std::string_view key = field.key;
        if (!openArray.empty() && key != openArray) {
            w.endArray();
            openArray = {};
        }
        if (field.label) {
            w.member(key, resultLabel(window, field).text());
            continue;
        }
        if (openArray.empty()) {
            w.key(key).beginArray(true);
            openArray = key;
        }
        w.value(resultLabel(window, field).text());
    }
    if (!openArray.empty())
        w.endArray();
}

} // namespace tallyman::cli
