// Dialogs without a person: the scripted dialogs (answers queued by the command, No for every
// question unless --yes) that also print each message box to stderr as it is shown.
#pragma once

#include "platform/scripted_dialogs.h"

#include <ostream>
#include <string>

namespace tallyman::cli {

class CliDialogs : public ui::ScriptedDialogs {
public:
    CliDialogs(std::ostream& err, bool answerYes);
    ui::MessageAnswer message(const ui::Message& message) override;

private:
    std::ostream& m_err;
};

// The message box as text: "Title: first line", further lines indented, and a question's answer.
std::string describeMessage(const ui::Message& message, std::optional<ui::MessageAnswer> answer = {});

} // namespace tallyman::cli
