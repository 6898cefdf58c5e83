// YearLedger: one row per pay period of the year and the year-to-date totals.
#pragma once

#include "engine/pay_result.h"
#include "numbers/amount.h"
#include "numbers/currency.h"
#include "storage/fileset.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace tallyman {

struct LedgerRow {
    std::string Date;
    Amount Fed = 0, SS = 0, Medi = 0, State = 0, City = 0;
    Amount Muni = 0, Bond = 0, Dues = 0, Pen = 0, Misc = 0;
    Amount Kplan = 0, OT = 0, Gross = 0, Net = 0;
    Amount Sdi = 0, Sui = 0, Cafe = 0, Tips = 0;
};

constexpr int WeeklyLedgerRows = 53;
constexpr int BiWeeklyLedgerRows = 27;

struct YearLedger {
    std::array<LedgerRow, WeeklyLedgerRows> Rows {};
    Amount TotFed = 0, TotSS = 0, TotMedi = 0, TotState = 0, TotCity = 0;
    Amount TotMuni = 0, TotBond = 0, TotDues = 0, TotPen = 0, TotMisc = 0, TotKplan = 0;
    Currency TotOT, TotGross, TotNet, TotTips;
    Amount TotSdi = 0, TotSui = 0, TotCafe = 0; // not stored; recomputed from the rows

    // What the calculation reads.
    LedgerTotals totals() const { return LedgerTotals { TotGross, TotSS, TotMedi }; }
};

// The ledger file of a user: ".yrw" when paid weekly, ".yrb" when bi-weekly.
std::filesystem::path ledgerFile(const DataFolder& folder, const std::string& userName, bool weekly);

// Recomputes every total from the rows in use (53 weekly, 27 bi-weekly), each float partial
// sum cut to 7 significant digits, the money totals summed exactly from each value as its
// shortest text shows it (1234.57, not the float's 1234.5699...); TotSdi, TotSui and TotCafe
// over all 53 rows. Returns false when an amount is too large for the money type (the totals
// then keep the values reached so far; TotSdi, TotSui and TotCafe keep their old values).
bool AddAnnual(YearLedger& ledger, bool weekly);

// Absent: the exists test failed, nothing changed. EndedEarly: the file stopped before its
// last field; rows and totals read so far keep their new values. The loaded totals are taken
// as they stand (not recomputed); a money total beyond the money range reads as 0.
enum class LedgerLoad { Loaded, Absent, EndedEarly };
LedgerLoad loadLedgerFile(const std::filesystem::path& path, YearLedger& ledger, bool weekly);
// Writes the rows in use and their totals (recomputed as AddAnnual does, so the file's
// totals are always the sums of its rows), whole and atomically. Returns a reason when a date
// cannot be stored or the amounts are beyond what the totals hold (nothing is written), or
// the file cannot be written (the old file is left as it was).
std::optional<std::string> saveLedgerFile(
    const std::filesystem::path& path, const YearLedger& ledger, bool weekly);

// The number a row's cell shows in the grid, by the row and the column's field.
using LedgerCellNumber = std::function<double(std::size_t row, Amount LedgerRow::*value)>;
// The same, each amount of a row in use that the grid shows written as its cell shows it (a
// pasted 12345678.91 stays that, where the row's float would be 12345679); the amounts the
// grid does not show from the rows.
std::optional<std::string> saveLedgerFile(
    const std::filesystem::path& path, const YearLedger& ledger, bool weekly, const LedgerCellNumber& cells);

} // namespace tallyman
