// What the show and set commands print: the user's record as text, or as JSON with the
// message boxes the command showed.
#pragma once

#include "cli/commands.h"
#include "cli/message_output.h"
#include "cli/record_output.h"
#include "cli/session.h"

#include <string_view>

namespace tallyman::cli {

template <typename Record>
void printUserRecord(Output& output, Session& session, std::string_view recordName, const Record& record)
{
    const std::string& user = session.app().UserName;
    if (output.json) {
        JsonWriter w(output.out);
        w.beginObject().member("user", user).key(recordName);
        writeRecord(w, record);
        writeMessages(w, session.dialogs().messages());
        w.endObject();
    } else {
        output.out << "User: " << user << "\n\n";
        printRecord(output.out, record);
    }
}

} // namespace tallyman::cli
