// tallyman-cli: the command-line front end; everything it does is in the tallyman_cli library.
#include "cli/pdf_helper.h"
#include "cli/run.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // A PDF is painted by tallyman-pdf, run only when one is asked for.
    return tallyman::cli::run(args, std::cout, std::cerr, tallyman::cli::makeHelperPdfPrinter);
}
