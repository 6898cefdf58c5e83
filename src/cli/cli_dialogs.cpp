// Message boxes echoed to stderr.
#include "cli/cli_dialogs.h"

namespace tallyman::cli {

CliDialogs::CliDialogs(std::ostream& err, bool answerYes)
    : m_err(err)
{
    setDefaultAnswer(answerYes ? ui::MessageAnswer::Yes : ui::MessageAnswer::No);
}

ui::MessageAnswer CliDialogs::message(const ui::Message& message)
{
    const ui::MessageAnswer answer = ScriptedDialogs::message(message);
    m_err << describeMessage(
        message, message.buttons == ui::MessageButtons::YesNo ? std::optional(answer) : std::nullopt);
    return answer;
}

std::string describeMessage(const ui::Message& message, std::optional<ui::MessageAnswer> answer)
{
    std::string text = message.title.empty() ? std::string() : message.title + ":";
    for (std::size_t i = 0; i < message.lines.size(); ++i)
        text += (i == 0 ? (text.empty() ? "" : " ") : "\n  ") + message.lines[i];
    if (answer)
        text += *answer == ui::MessageAnswer::Yes ? " -> Yes" : " -> No";
    return text + "\n";
}

} // namespace tallyman::cli
