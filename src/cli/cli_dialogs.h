// Dialogs without a person: messages go to stderr and are kept for the JSON, questions take
// the answer given on the command line, the input and file boxes the command's operands.
#pragma once

#include "platform/dialogs.h"

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tallyman::cli {

struct ShownMessage {
    std::string title;
    std::vector<std::string> lines;
    bool question = false;    // a Yes/No box
    bool answeredYes = false; // its answer
};

class CliDialogs : public ui::Dialogs {
public:
    CliDialogs(std::ostream &err, bool answerYes) : m_err(err), m_answerYes(answerYes) {}

    ui::MessageAnswer message(const ui::Message &message) override;
    // The answer the command prepared; Cancel (an empty text) when there is none.
    std::string inputBox(const std::string &prompt, const std::string &title,
        const std::string &defaultText) override;
    std::optional<std::string> openFile(const std::string &title, const std::string &filter) override;
    // No command leads to the date picker; were one to, it is cancelled.
    std::optional<ui::Date> pickDate(const ui::Date &initial) override;
    void showHelp(const std::string &topic) override;

    void setInputAnswer(std::string answer) { m_input = std::move(answer); }
    void setOpenFileAnswer(std::string fileName) { m_openFile = std::move(fileName); }

    const std::vector<ShownMessage> &shown() const { return m_shown; }
    // The OK boxes (reports, not questions) shown since `mark` (a count of shown()).
    std::vector<ShownMessage> reportsSince(std::size_t mark) const;

private:
    std::ostream &m_err;
    bool m_answerYes;
    std::optional<std::string> m_input;
    std::optional<std::string> m_openFile;
    std::vector<ShownMessage> m_shown;
};

// The message as one block of text for stderr: "Title: first line" and the rest indented.
std::string describeMessage(const ShownMessage &message);

} // namespace tallyman::cli
