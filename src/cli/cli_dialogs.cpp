// Dialog answers from the command line.
#include "cli/cli_dialogs.h"

namespace tallyman::cli {

ui::MessageAnswer CliDialogs::message(const ui::Message &message)
{
    ShownMessage shown{message.title, message.lines, message.buttons == ui::MessageButtons::YesNo, false};
    if (shown.question)
        shown.answeredYes = m_answerYes;
    m_err << describeMessage(shown);
    m_shown.push_back(shown);
    if (!shown.question)
        return ui::MessageAnswer::Ok;
    return shown.answeredYes ? ui::MessageAnswer::Yes : ui::MessageAnswer::No;
}

std::string CliDialogs::inputBox(const std::string &, const std::string &, const std::string &)
{
    // One answer per command: a second prompt is cancelled.
    std::string answer = m_input.value_or("");
    m_input.reset();
    return answer;
}

std::optional<std::string> CliDialogs::openFile(const std::string &, const std::string &)
{
    auto answer = m_openFile;
    m_openFile.reset();
    return answer;
}

std::optional<ui::Date> CliDialogs::pickDate(const ui::Date &)
{
    return std::nullopt;
}

void CliDialogs::showHelp(const std::string &) {}

std::vector<ShownMessage> CliDialogs::reportsSince(std::size_t mark) const
{
    std::vector<ShownMessage> reports;
    for (std::size_t i = mark; i < m_shown.size(); ++i)
        if (!m_shown[i].question)
            reports.push_back(m_shown[i]);
    return reports;
}

std::string describeMessage(const ShownMessage &message)
{
    std::string text = message.title.empty() ? std::string() : message.title + ": ";
    for (std::size_t i = 0; i < message.lines.size(); ++i)
        text += (i == 0 ? "" : "  ") + message.lines[i] + "\n";
    if (message.lines.empty())
        text += "\n";
    if (message.question) {
        if (!text.empty())
            text.pop_back();
        text += message.answeredYes ? " -> Yes\n" : " -> No\n";
    }
    return text;
}

} // namespace tallyman::cli
