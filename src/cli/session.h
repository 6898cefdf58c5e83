// One run of the program for one command: the platform services without a person, the App,
// and the start-up for the user the command names.
#pragma once

#include "cli/arguments.h"
#include "cli/cli_dialogs.h"
#include "cli/cli_host.h"
#include "platform/plain_clock.h"
#include "platform/text_printer.h"
#include "screens/app.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace tallyman {
class MainWindow;
}

namespace tallyman::cli {

class Session {
public:
    // The data folder must exist by now (see openDataFolder). The program prints on `printer`
    // (a PDF printer), or as text when none is given.
    Session(const Arguments& args, const std::filesystem::path& dataDir, std::ostream& err,
        ui::Printer* printer = nullptr);
    ~Session();

    App& app() { return *m_app; }
    CliDialogs& dialogs() { return m_dialogs; }
    CliHost& host() { return m_host; }
    // The text printer: what the program prints when no other printer was given.
    ui::TextPrinter& textPrinter() { return m_printer; }

    // Starts the program for `user` as the start-up prompt's OK does. Throws DataError when the
    // program reported a problem on the way (a corrupt file): nothing more is pressed then.
    MainWindow& start(const std::string& user);

    // Throws ReportedError when a message box reported a problem since `mark`.
    void failOnReports(std::size_t mark) const;
    // How many message boxes have been shown so far.
    std::size_t mark() const { return m_dialogs.messages().size(); }
    // The OK boxes shown since `mark`.
    std::vector<ui::Message> reportsSince(std::size_t mark) const;

private:
    CliDialogs m_dialogs;
    ui::PlainClock m_clock;
    ui::TextPrinter m_printer;
    CliHost m_host;
    std::unique_ptr<App> m_app;
};

// The data folder for the command: --dir or TALLYMAN_DIR must exist; the application data folder
// is created on first use. Throws DataError.
std::filesystem::path openDataFolder(const Arguments& args);

// The user the command works on: --user, which must be a file base name whose ".use" exists in
// the folder (else DataError); without --user the default file set (""), as the start-up
// prompt's empty name.
std::string existingUser(
    const Arguments& args, const std::filesystem::path& dataDir, const std::string& topic);

} // namespace tallyman::cli
