// The help window: HTML pages of the help/ folder in a browser pane.
#pragma once

#include <QWidget>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QTextBrowser;

namespace tallyman::gui {

// Where help pages are looked for, in order: the data folder's help/, the installed data's
// help/ (the one built in when `installedData` is empty), the source tree's data/help/.
std::vector<std::filesystem::path> helpFolders(
    const std::filesystem::path& dataFolder, const std::filesystem::path& installedData = {});

// The page of a topic ("index", "leave"): <topic>.html in the first folder that has it, else
// the first index.html; nothing when there is no help at all. A topic that is not a bare name
// reads as the index.
std::optional<std::filesystem::path> findHelpPage(
    const std::vector<std::filesystem::path>& folders, const std::string& topic);

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(std::vector<std::filesystem::path> folders, QWidget* parent = nullptr);

    // Shows the topic's page; false when no help page could be found (the window then says so).
    bool showTopic(const std::string& topic);
    QTextBrowser* browser() const { return m_browser; }

private:
    std::vector<std::filesystem::path> m_folders;
    QTextBrowser* m_browser;
};

} // namespace tallyman::gui
