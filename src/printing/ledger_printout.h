// PrintYr: the year ledger as a landscape table on the printer.
#pragma once

#include "employee/print_heading.h"
#include "ledger/year_ledger.h"
#include "platform/printer.h"

#include <array>
#include <string>

namespace tallyman {

struct LedgerPrintout {
    const YearLedger& ledger;
    bool weekly = true; // 53 rows, else 27
    PrintHeading heading;
    std::string userName;
    std::string today; // M/D/YYYY
    std::array<std::string, 5> captions; // Tax5 ... Tax9, the five deductions' headers
};

// Prints on a printer already chosen. False when the printer failed: the document is ended
// where it stopped and nothing more is printed.
bool PrintYr(ui::Printer& printer, const LedgerPrintout& printout);

} // namespace tallyman
