// tallyman-cli as a function: the arguments (without the program name) in, text or JSON out.
#pragma once

#include "platform/printer.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace tallyman::cli {

enum ExitCode : int {
    ExitDone = 0,
    ExitBadArguments = 1, // the usage follows the reason on stderr
    ExitDataProblem = 2, // the program reported a problem, or refused a value
};

// Makes a printer writing a PDF file; null, with the reason in whyNot, when it cannot. The
// front end hands it in because a PDF needs a painter the command line does not have.
using PdfPrinterFactory
    = std::function<std::unique_ptr<ui::Printer>(const std::string& pdfPath, std::string& whyNot)>;

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
    PdfPrinterFactory pdfPrinters = {});

} // namespace tallyman::cli
