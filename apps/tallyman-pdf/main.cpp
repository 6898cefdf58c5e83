// tallyman-pdf: paints a printout recorded by tallyman-cli into a PDF file. Not for people:
// tallyman-cli runs it with the file name and writes the recorded job to its input.
#include "gui/pdf_printer.h"
#include "platform/print_job.h"

#include <QCoreApplication>

#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: tallyman-pdf FILE.pdf < job (tallyman-cli runs it)\n";
        return 1;
    }
    // The whole job first: the command line writes it all before it listens to our complaints.
    const std::string job { std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>() };
    std::string whyNot;
    auto printer = tallyman::gui::makePdfPrinter(argv[1], whyNot);
    if (!printer) {
        std::cerr << whyNot << '\n';
        return 1;
    }
    const auto failure = tallyman::ui::replayPrintJob(job, *printer);
    // The printer, then the application makePdfPrinter started for it.
    printer.reset();
    delete QCoreApplication::instance();
    if (failure) {
        std::cerr << *failure << '\n';
        return 1;
    }
    return 0;
}
