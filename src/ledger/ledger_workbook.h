// The spreadsheet export of the year ledger: an .xlsx workbook of one sheet.
#pragma once

#include "ledger/ledger_columns.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallyman {

// What the export takes from the ledger window: the texts it shows.
struct LedgerSheet {
    bool weekly = true;
    std::array<std::string, 5> captions; // Tax5 ... Tax9
    // 53 (weekly) or 27 rows: the date, then the sheet's columns in their order.
    std::vector<std::array<std::string, 1 + LedgerSheetAmounts>> rows;
    std::array<std::string, LedgerSheetAmounts> totals; // the totals of the sheet's columns
    std::array<std::string, LedgerSheetExtras> extra; // the labelled totals: SDI, SUI, Cafe, Tips
    std::string userName;
    std::string ssNumber;
};

// Our notice at the end of the status text and in the right footer.
extern const char* const LedgerSheetNotice;
// "File: ", the user name, three spaces and the SS number, then the notice.
std::string ledgerStatusText(const LedgerSheet& sheet);

// Sheet row (counted from 1) of the totals line, the labels line and the values line.
struct LedgerSheetRows {
    int totals, labels, values;
};
LedgerSheetRows ledgerSheetRows(bool weekly);

// Writes the workbook (readable by its owner only, from its creation), whole: a temporary file
// beside `path` renamed over it. Only a regular file, or a link to one, is replaced
// (outputFileProblem). On failure returns the reason; nothing is left behind.
std::optional<std::string> writeLedgerWorkbook(const std::filesystem::path& path, const LedgerSheet& sheet);

} // namespace tallyman
