// The main window's result labels in JSON, as calc and period show write them: one key per
// label, the window's control name.
#pragma once

#include "cli/json_writer.h"

namespace tallyman {
class MainWindow;
struct ResultField;
} // namespace tallyman

namespace tallyman::cli {

// Members of the open object: each figure's label text under its key, the elements of
// lbTaxDed as one array; only the figures `chosen` takes.
void writeResultLabels(JsonWriter& w, const MainWindow& window, bool (*chosen)(const ResultField&));

} // namespace tallyman::cli
