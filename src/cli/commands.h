// What the commands of tallyman-cli share; command_registry.cpp lists the commands themselves.
// Each returns the exit code, or throws UsageError / DataError.
#pragma once

#include "cli/arguments.h"
#include "cli/run.h"

#include <array>
#include <functional>
#include <optional>
#include <ostream>

namespace tallyman {
class MainWindow;
}

namespace tallyman::cli {

class Session;

struct Output {
    std::ostream& out;
    std::ostream& err;
    bool json = false;
    PdfPrinterFactory pdfPrinters;
};

// A printer writing the PDF file `path`. Throws DataError when this build cannot write PDF
// files or the file cannot be made (a folder that does not exist).
std::unique_ptr<ui::Printer> openPdfPrinter(const Output& output, const std::string& path);

int versionCommand(const Arguments& args, Output& output);

// The pay period the calc options describe: the eight box texts and the choices beside them.
// Throws UsageError or DataError (a character the boxes drop) before anything is pressed.
struct PeriodInput {
    std::array<std::string, 8> texts;
    bool ot2x = false;
    bool fedPriorApril = false;
    std::optional<std::string> week;
};
PeriodInput readPeriodInput(const Arguments& args, const std::string& topic);
// Types the period into the main window and presses ADD. Throws when the calculation did not run.
void enterPeriod(Session& session, MainWindow& main, const PeriodInput& input);
// calc's typing and ADD under another command's name, then `after` on the calculated window.
int calcThen(const Arguments& args, Output& output, const std::string& topic,
    const std::function<void(Session&, MainWindow&)>& after);

// Refuses command options (--hours and the like) that the command does not take, and words
// beyond `maxWords` (the command words included).
void refuseExtras(const Arguments& args, std::size_t maxWords, const std::string& topic);

} // namespace tallyman::cli
