// The message boxes a command showed, as the JSON "messages" member.
#pragma once

#include "cli/json_writer.h"
#include "platform/dialogs.h"

#include <vector>

namespace tallyman::cli {

// "messages": [{"title": ..., "lines": [...]}, ...]
void writeMessages(JsonWriter& w, const std::vector<ui::Message>& messages);

} // namespace tallyman::cli
