// Dialogs answered from a script, for tests and the command line: queued answers, a default
// for each kind when its queue runs dry, and a record of everything that was shown.
#pragma once

#include "platform/dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tallyman::ui {

struct InputRequest {
    std::string prompt;
    std::string title;
    std::string defaultText;
};

struct OpenFileRequest {
    std::string title;
    std::string filter;
};

class ScriptedDialogs : public Dialogs {
public:
    MessageAnswer message(const Message& message) override;
    std::string inputBox(
        const std::string& prompt, const std::string& title, const std::string& defaultText = {}) override;
    std::optional<std::string> openFile(const std::string& title, const std::string& filter) override;
    std::optional<Date> pickDate(const Date& initial) override;
    std::optional<Date> pickDateLive(
        const Date& initial, const std::function<void(const Date&)>& onPicked) override;
    void showHelp(const std::string& topic) override;
    bool openWithDesktop(const std::string& path) override;
    std::optional<std::string> saveFileAs(
        const std::string& title, const std::string& suggestedName, const std::string& filter) override;

    // ---- The script ----
    // The answer to the next Yes/No question (Yes or No).
    void queueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }
    // The text typed into the next input box ("" is what Cancel gives).
    void queueInput(std::string text) { m_inputs.push_back(std::move(text)); }
    // The bare name chosen in the next file-open dialog, or the path chosen in the next
    // save-as dialog; nothing cancels it.
    void queueFile(std::optional<std::string> name) { m_files.push_back(std::move(name)); }
    // Whether the desktop has an application that opens the files handed to it (none by default).
    void setDesktopOpens(bool opens) { m_desktopOpens = opens; }
    // The next date picker: the date is picked and confirmed with OK; nothing cancels it.
    void queueDate(std::optional<Date> date) { m_dates.push_back({ std::move(date), true }); }
    // The next date picker: the date is picked, then the picker is closed without OK.
    void queueDateClosed(Date picked) { m_dates.push_back({ picked, false }); }

    // What an empty queue gives: No, "", no file, no date unless set otherwise.
    void setDefaultAnswer(MessageAnswer answer) { m_defaultAnswer = answer; }
    void setDefaultInput(std::string text) { m_defaultInput = std::move(text); }
    void setDefaultFile(std::optional<std::string> name) { m_defaultFile = std::move(name); }
    void setDefaultDate(std::optional<Date> date) { m_defaultDate = date; }

    // Scripted answers not asked for yet, of every kind.
    std::size_t unusedAnswers() const;

    // ---- The record ----
    // Every message box in order, questions included.
    const std::vector<Message>& messages() const { return m_messages; }
    // Only the Yes/No questions.
    std::vector<Message> questions() const;
    const std::vector<InputRequest>& inputs() const { return m_inputRequests; }
    const std::vector<OpenFileRequest>& fileRequests() const { return m_fileRequests; }
    // The starting date of every picker opened.
    const std::vector<Date>& dateRequests() const { return m_dateRequests; }
    const std::vector<std::string>& helpTopics() const { return m_helpTopics; }
    // Every file handed to the desktop to open.
    const std::vector<std::string>& desktopFiles() const { return m_desktopFiles; }
    // One readable line per dialog in order, with the answer given, e.g.
    //   question "Save?": "     SAVE USER'S SETTINGS?" -> Yes
    //   input "File New": "Enter new user:" -> "Smith"
    const std::vector<std::string>& log() const { return m_log; }

private:
    struct DateAnswer {
        std::optional<Date> date;
        bool confirmed = true;
    };

    std::deque<MessageAnswer> m_answers;
    std::deque<std::string> m_inputs;
    std::deque<std::optional<std::string>> m_files;
    std::deque<DateAnswer> m_dates;
    bool m_desktopOpens = false;
    std::vector<std::string> m_desktopFiles;
    MessageAnswer m_defaultAnswer = MessageAnswer::No;
    std::string m_defaultInput;
    std::optional<std::string> m_defaultFile;
    std::optional<Date> m_defaultDate;

    std::vector<Message> m_messages;
    std::vector<InputRequest> m_inputRequests;
    std::vector<OpenFileRequest> m_fileRequests;
    std::vector<Date> m_dateRequests;
    std::vector<std::string> m_helpTopics;
    std::vector<std::string> m_log;
};

} // namespace tallyman::ui
