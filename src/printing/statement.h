// The pay statement: one page with the heading, the earnings, the taxes and deductions, and
// the current and year-to-date summary.
#pragma once

#include "employee/print_heading.h"
#include "platform/printer.h"
#include "printing/period_figures.h"

#include <string>

namespace tallyman::printing {

struct StatementFigures {
    PeriodFigures period;
    PrintHeading heading;
    std::string UserName;
    std::string ssNumber; // as the check writer holds it
    std::string today; // short date form
};

// Prints the statement on the chosen printer and ends the document. False at the first
// printer failure; nothing more is printed then.
bool PrintText(ui::Printer& printer, const StatementFigures& figures);

} // namespace tallyman::printing
