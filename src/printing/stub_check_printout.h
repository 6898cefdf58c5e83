// The stub check on paper: one page with the heading, the table of lines and the causes, to
// hand to the employer.
#pragma once

#include "employee/print_heading.h"
#include "engine/stub_check.h"
#include "platform/printer.h"

#include <string>

namespace tallyman::printing {

struct StubCheckPrintout {
    const StubComparison& comparison;
    PrintHeading heading;
    std::string userName;
    std::string today; // the system's short date
    std::string weekEnding; // the main window's week ending
};

// Prints on a printer already chosen. False when the printer failed: the document is ended
// where it stopped.
bool PrintStubCheck(ui::Printer& printer, const StubCheckPrintout& printout);

// A text broken at blanks into lines of at most `width` characters (a longer word stands alone).
std::vector<std::string> wrapText(const std::string& text, std::size_t width);

} // namespace tallyman::printing
