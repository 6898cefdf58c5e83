// Scripted answers and the record of shown dialogs.
#include "platform/scripted_dialogs.h"

#include <cstdio>

namespace tallyman::ui {

namespace {

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string isoDate(const Date& date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

const char* answerName(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok:
        return "Ok";
    case MessageAnswer::Yes:
        return "Yes";
    case MessageAnswer::No:
        return "No";
    }
    return "?";
}

template <typename T> T take(std::deque<T>& queue, const T& fallback)
{
    if (queue.empty())
        return fallback;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

} // namespace

MessageAnswer ScriptedDialogs::message(const Message& message)
{
    m_messages.push_back(message);
    std::string line = message.buttons == MessageButtons::YesNo ? "question " : "message ";
    line += quoted(message.title) + ":";
    for (std::size_t i = 0; i < message.lines.size(); ++i)
        line += (i == 0 ? " " : " / ") + quoted(message.lines[i]);
    MessageAnswer answer = MessageAnswer::Ok;
    if (message.buttons == MessageButtons::YesNo) {
        answer = take(m_answers, m_defaultAnswer);
        // A question has no OK button: a stray Ok in the script reads as the safe No.
        if (answer == MessageAnswer::Ok)
            answer = MessageAnswer::No;
        line += std::string(" -> ") + answerName(answer);
    }
    m_log.push_back(std::move(line));
    return answer;
}

std::string ScriptedDialogs::inputBox(
    const std::string& prompt, const std::string& title, const std::string& defaultText)
{
    m_inputRequests.push_back({ prompt, title, defaultText });
    std::string text = take(m_inputs, m_defaultInput);
    m_log.push_back("input " + quoted(title) + ": " + quoted(prompt) + " -> " + quoted(text));
    return text;
}

std::optional<std::string> ScriptedDialogs::openFile(const std::string& title, const std::string& filter)
{
    m_fileRequests.push_back({ title, filter });
    auto name = take(m_files, m_defaultFile);
    m_log.push_back(
        "openFile " + quoted(title) + " " + quoted(filter) + " -> " + (name ? quoted(*name) : "cancelled"));
    return name;
}

bool ScriptedDialogs::openWithDesktop(const std::string& path)
{
    m_desktopFiles.push_back(path);
    m_log.push_back(
        "openWithDesktop " + quoted(path) + (m_desktopOpens ? " -> opened" : " -> no application"));
    return m_desktopOpens;
}

std::optional<std::string> ScriptedDialogs::saveFileAs(
    const std::string& title, const std::string& suggestedName, const std::string& filter)
{
    m_fileRequests.push_back({ title, filter });
    auto name = take(m_files, m_defaultFile);
    m_log.push_back("saveFileAs " + quoted(title) + " " + quoted(suggestedName) + " -> "
        + (name ? quoted(*name) : "cancelled"));
    return name;
}

std::optional<Date> ScriptedDialogs::pickDate(const Date& initial) { return pickDateLive(initial, {}); }

std::optional<Date> ScriptedDialogs::pickDateLive(
    const Date& initial, const std::function<void(const Date&)>& onPicked)
{
    m_dateRequests.push_back(initial);
    const DateAnswer answer = take(m_dates, DateAnswer { m_defaultDate, true });
    if (answer.date && onPicked)
        onPicked(*answer.date);
    std::string line = "pickDate " + isoDate(initial) + " -> ";
    if (!answer.date)
        line += "cancelled";
    else
        line += isoDate(*answer.date) + (answer.confirmed ? "" : " closed");
    m_log.push_back(std::move(line));
    if (!answer.confirmed)
        return std::nullopt;
    return answer.date;
}

void ScriptedDialogs::showHelp(const std::string& topic)
{
    m_helpTopics.push_back(topic);
    m_log.push_back("help " + quoted(topic));
}

std::size_t ScriptedDialogs::unusedAnswers() const
{
    return m_answers.size() + m_inputs.size() + m_files.size() + m_dates.size();
}

std::vector<Message> ScriptedDialogs::questions() const
{
    std::vector<Message> out;
    for (const auto& message : m_messages)
        if (message.buttons == MessageButtons::YesNo)
            out.push_back(message);
    return out;
}

} // namespace tallyman::ui
