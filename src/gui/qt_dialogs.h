// The dialogs of the platform as Qt shows them: message and input boxes, file open, date
// picker and the help window.
#pragma once

#include "platform/dialogs.h"

#include <QPointer>
#include <QString>

#include <filesystem>
#include <vector>

namespace tallyman::gui {

class HelpViewer;

// "User Files (*.use)|*.use" (description and pattern pairs, patterns joined by ";") as a
// Qt file dialog filter: "User Files (*.use)".
QString qtFileFilter(const std::string& filter);

class QtDialogs : public ui::Dialogs {
public:
    // `dataFolder` is where the file dialog starts; `help` lists the folders searched for
    // help pages (see helpFolders()).
    QtDialogs(std::filesystem::path dataFolder, std::vector<std::filesystem::path> help);
    ~QtDialogs() override;

    ui::MessageAnswer message(const ui::Message& message) override;
    std::string inputBox(
        const std::string& prompt, const std::string& title, const std::string& defaultText = {}) override;
    std::optional<std::string> openFile(const std::string& title, const std::string& filter) override;
    std::optional<ui::Date> pickDate(const ui::Date& initial) override;
    std::optional<ui::Date> pickDateLive(
        const ui::Date& initial, const std::function<void(const ui::Date&)>& onPicked) override;
    void showHelp(const std::string& topic) override;
    bool openWithDesktop(const std::string& path) override;
    std::optional<std::string> saveFileAs(
        const std::string& title, const std::string& suggestedName, const std::string& filter) override;

    // The help window once it has been opened.
    HelpViewer* helpViewer() const { return m_help.data(); }

private:
    std::filesystem::path m_dataFolder;
    std::vector<std::filesystem::path> m_helpFolders;
    QPointer<HelpViewer> m_help;
};

} // namespace tallyman::gui
