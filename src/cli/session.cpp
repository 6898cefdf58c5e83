// Start-up of the App for a command.
#include "cli/session.h"

#include "screens/main_window.h"
#include "screens/user_commands.h"
#include "storage/data_locations.h"
#include "storage/fileset.h"

namespace tallyman::cli {

Session::Session(
    const Arguments& args, const std::filesystem::path& dataDir, std::ostream& err, ui::Printer* printer)
    : m_dialogs(err, args.answerYes)
{
    if (args.today)
        m_clock.setToday(*args.today);
    m_app = std::make_unique<App>(AppServices {
        .dialogs = m_dialogs,
        .clock = m_clock,
        .printer = printer ? *printer : m_printer,
        .host = m_host,
        .folder = DataFolder(dataDir),
        .installedData = installedDataFolder(),
    });
    for (const std::string& warning : m_app->dataFolderWarnings())
        err << "tallyman-cli: warning: " << warning << "\n";
}

Session::~Session() = default;

MainWindow& Session::start(const std::string& user)
{
    const std::size_t before = mark();
    m_host.setModalAction(ScreenId::StartupPrompt, [this, user] {
        StartupPrompt& prompt = m_app->startupPrompt();
        prompt.txtUser.setText(user);
        prompt.OKButton.click();
    });
    const bool started = m_app->start();
    m_host.setModalAction(ScreenId::StartupPrompt, nullptr);
    failOnReports(before);
    if (!started || !m_app->isLoaded(ScreenId::MainWindow))
        throw DataError("the program did not start for user \"" + user + "\"");
    return m_app->mainWindow();
}

std::vector<ui::Message> Session::reportsSince(std::size_t mark) const
{
    std::vector<ui::Message> reports;
    const auto& shown = m_dialogs.messages();
    for (std::size_t i = mark; i < shown.size(); ++i)
        if (shown[i].buttons == ui::MessageButtons::Ok)
            reports.push_back(shown[i]);
    return reports;
}

void Session::failOnReports(std::size_t mark) const
{
    const auto reports = reportsSince(mark);
    if (reports.empty())
        return;
    // The boxes are on stderr already; the reason names the first one.
    std::string reason;
    for (const std::string& line : reports.front().lines) {
        const auto first = line.find_first_not_of(' ');
        if (first != std::string::npos)
            reason += (reason.empty() ? "" : " ") + line.substr(first);
    }
    throw ReportedError(reason);
}

std::filesystem::path openDataFolder(const Arguments& args)
{
    const DataFolderChoice choice = chooseDataFolder(args.dir);
    std::error_code ec;
    if (std::filesystem::is_directory(choice.dir, ec))
        return choice.dir;
    if (choice.isDefault && createDataFolder(choice.dir))
        return choice.dir;
    throw DataError("the data folder " + choice.dir.string() + " does not exist");
}

std::string existingUser(
    const Arguments& args, const std::filesystem::path& dataDir, [[maybe_unused]] const std::string& topic)
{
    // Without --user: the default file set, as the start-up prompt's empty name opens it.
    if (!args.user)
        return std::string();
    const std::string& user = *args.user;
    if (const auto problem = userNameProblem(user))
        throw DataError("--user \"" + user + "\": " + *problem);
    const auto use = DataFolder(dataDir).userFile(user, ".use");
    // Named so that nobody takes the user for missing and makes a new one over its files.
    if (const auto reason = unreadableReason(use))
        throw DataError(
            "The file " + use.filename().string() + " exists but cannot be read: " + *reason + ".");
    if (!fileExists(use))
        throw DataError("there is no user \"" + user + "\" in " + dataDir.string()
            + " (tallyman-cli user new NAME makes one)");
    return user;
}

} // namespace tallyman::cli
