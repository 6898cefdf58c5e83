// Message boxes in JSON.
#include "cli/message_output.h"

namespace tallyman::cli {

void writeMessages(JsonWriter& w, const std::vector<ui::Message>& messages)
{
    w.key("messages").beginArray();
    for (const ui::Message& message : messages) {
        w.beginObject().member("title", message.title);
        w.key("lines").beginArray(true);
        for (const std::string& line : message.lines)
            w.value(line);
        w.endArray().endObject();
    }
    w.endArray();
}

} // namespace tallyman::cli
