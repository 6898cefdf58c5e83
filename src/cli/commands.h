// The commands of tallyman-cli. Each returns the exit code, or throws UsageError / DataError.
#pragma once

#include "cli/arguments.h"
#include "cli/run.h"

#include <ostream>

namespace tallyman::cli {

struct Output {
    std::ostream& out;
    std::ostream& err;
    bool json = false;
    PdfPrinterFactory pdfPrinters;
};

// A printer writing the PDF file `path`. Throws DataError when this build cannot write PDF
// files or the file cannot be made (a folder that does not exist).
std::unique_ptr<ui::Printer> openPdfPrinter(const Output& output, const std::string& path);

int calcCommand(const Arguments& args, Output& output);
int userCommand(const Arguments& args, Output& output);
int stateCommand(const Arguments& args, Output& output);
int cityCommand(const Arguments& args, Output& output);
int nonCityCommand(const Arguments& args, Output& output);
int versionCommand(const Arguments& args, Output& output);

// Refuses command options (--hours and the like) that the command does not take, and words
// beyond `maxWords` (the command words included).
void refuseExtras(const Arguments& args, std::size_t maxWords, const std::string& topic);

} // namespace tallyman::cli
