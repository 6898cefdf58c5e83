// tallyman-cli: the command-line front end; everything it does is in the tallyman_cli library.
#include "cli/run.h"

#ifdef TALLYMAN_CLI_PDF
#include "gui/pdf_printer.h"
#endif

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    tallyman::cli::PdfPrinterFactory pdfPrinters;
#ifdef TALLYMAN_CLI_PDF
    // Qt starts inside the factory, so commands that print no PDF never pay for it.
    pdfPrinters = tallyman::gui::makePdfPrinter;
#endif
    return tallyman::cli::run(args, std::cout, std::cerr, pdfPrinters);
}
