// Finding and showing help pages.
#include "gui/help_viewer.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <system_error>

namespace tallyman::gui {

namespace {

bool isFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool bareName(const std::string& topic)
{
    if (topic.empty() || topic == "." || topic == "..")
        return false;
    return topic.find_first_of("/\\:") == std::string::npos;
}

} // namespace

std::vector<std::filesystem::path> helpFolders(
    const std::filesystem::path& dataFolder, const std::filesystem::path& installedData)
{
    std::vector<std::filesystem::path> folders;
    if (!dataFolder.empty())
        folders.push_back(dataFolder / "help");
    folders.push_back(
        (installedData.empty() ? std::filesystem::path(TALLYMAN_INSTALLED_DATA_DIR) : installedData)
        / "help");
    folders.push_back(std::filesystem::path(TALLYMAN_SOURCE_DATA_DIR) / "help");
    return folders;
}

std::optional<std::filesystem::path> findHelpPage(
    const std::vector<std::filesystem::path>& folders, const std::string& topic)
{
    if (bareName(topic))
        for (const auto& folder : folders)
            if (const auto page = folder / (topic + ".html"); isFile(page))
                return page;
    for (const auto& folder : folders)
        if (const auto page = folder / "index.html"; isFile(page))
            return page;
    return std::nullopt;
}

HelpViewer::HelpViewer(std::vector<std::filesystem::path> folders, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_folders(std::move(folders))
    , m_browser(new QTextBrowser(this))
{
    setWindowTitle(tr("Tallyman Help"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 560);
}

bool HelpViewer::showTopic(const std::string& topic)
{
    const auto page = findHelpPage(m_folders, topic);
    if (!page) {
        m_browser->setPlainText(
            tr("No help pages were found. They belong in the help folder of Tallyman's data."));
        return false;
    }
    m_browser->setSource(QUrl::fromLocalFile(QString::fromStdString(page->string())));
    return true;
}

} // namespace tallyman::gui
