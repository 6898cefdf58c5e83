// The year ledger's totals and its file.
#include "ledger/year_ledger.h"

#include "storage/records.h"
#include "numbers/number_text.h"

#include <cstdlib>
#include <stdexcept>

namespace tallyman {

using records::ReadError;
using records::RecordReader;
using records::RecordWriter;

namespace {

int rowsInUse(bool weekly)
{
    return weekly ? WeeklyLedgerRows : BiWeeklyLedgerRows;
}

// The float totals in file order, each with its row field.
struct FloatTotal {
    Amount YearLedger::*total;
    Amount LedgerRow::*value;
};

constexpr FloatTotal FloatTotals[] = {
    {&YearLedger::TotFed, &LedgerRow::Fed},
    {&YearLedger::TotSS, &LedgerRow::SS},
    {&YearLedger::TotMedi, &LedgerRow::Medi},
    {&YearLedger::TotState, &LedgerRow::State},
    {&YearLedger::TotCity, &LedgerRow::City},
    {&YearLedger::TotMuni, &LedgerRow::Muni},
    {&YearLedger::TotBond, &LedgerRow::Bond},
    {&YearLedger::TotDues, &LedgerRow::Dues},
    {&YearLedger::TotPen, &LedgerRow::Pen},
    {&YearLedger::TotMisc, &LedgerRow::Misc},
    {&YearLedger::TotKplan, &LedgerRow::Kplan},
};

// The total cut to the 7 significant digits its text shows, so the sum never drifts away
// from what the totals window and the file show (52 x 0.1 stays 5.2).
Amount sevenDigitSum(Amount total, Amount value)
{
    const Amount sum = toAmount(static_cast<double>(total) + static_cast<double>(value));
    return std::strtof(numberText(sum).c_str(), nullptr);
}

// A total as the number its 7-digit text shows, so 1234.57 goes to its 64-bit field as
// 1234.57, not as the float's 1234.5699462890625.
double totalValue(Amount value)
{
    return std::strtod(numberText(value).c_str(), nullptr);
}

// A row value as the number its cell shows: the 7-digit text, or more digits where those
// would change it, so a row of 123456.78 is saved with its cents.
double cellValue(Amount value)
{
    return std::strtod(exactText(value).c_str(), nullptr);
}

// A row value as money: the number of its shortest round-trip text, so a row of 123456.78
// adds 123456.78 (its 7-digit text would say 123456.8).
Currency moneyOf(Amount value)
{
    return Currency::fromDouble(strictNumber(roundTripText(value)).value_or(static_cast<double>(value)));
}

// The money total's shortest decimal text has at most 4 decimals; the double nearest to the
// count of ten-thousandths divided out is the number that text denotes.
double moneyValue(Currency total)
{
    return total.toDouble();
}

// Money read back from the file; a value beyond the money range reads as 0, as an
// out-of-range number does in any other field.
Currency readMoney(RecordReader &r)
{
    const double value = r.float64();
    try {
        return Currency::fromDouble(value);
    } catch (const NumberOverflow &) {
        return Currency();
    }
}

} // namespace

std::filesystem::path ledgerFile(const DataFolder &folder, const std::string &userName, bool weekly)
{
    return folder.userFile(userName, weekly ? ".yrw" : ".yrb");
}

bool AddAnnual(YearLedger &ledger, bool weekly)
{
    for (const auto &f : FloatTotals)
        ledger.*f.total = 0;
    ledger.TotOT = ledger.TotGross = ledger.TotNet = ledger.TotTips = Currency();
    try {
        for (int i = 0; i < rowsInUse(weekly); ++i) {
            const LedgerRow &row = ledger.Rows[static_cast<std::size_t>(i)];
            for (const auto &f : FloatTotals)
                ledger.*f.total = sevenDigitSum(ledger.*f.total, row.*f.value);
            ledger.TotOT += moneyOf(row.OT);
            ledger.TotTips += moneyOf(row.Tips);
            ledger.TotGross += moneyOf(row.Gross);
            ledger.TotNet += moneyOf(row.Net);
        }
        // Kept in memory only, over every row whatever the pay frequency.
        ledger.TotSdi = ledger.TotSui = ledger.TotCafe = 0;
        for (const LedgerRow &row : ledger.Rows) {
            ledger.TotSdi = toAmount(static_cast<double>(ledger.TotSdi) + static_cast<double>(row.Sdi));
            ledger.TotSui = toAmount(static_cast<double>(ledger.TotSui) + static_cast<double>(row.Sui));
            ledger.TotCafe = toAmount(static_cast<double>(ledger.TotCafe) + static_cast<double>(row.Cafe));
        }
    } catch (const NumberOverflow &) {
        return false;
    }
    return true;
}

LedgerLoad loadLedgerFile(const std::filesystem::path &path, YearLedger &ledger, bool weekly)
{
    const auto bytes = readWholeFile(path);
    if (!bytes)
        return LedgerLoad::Absent;
    RecordReader r(*bytes);
    try {
        for (int i = 0; i < rowsInUse(weekly); ++i) {
            LedgerRow &row = ledger.Rows[static_cast<std::size_t>(i)];
            row.Date = r.text();
            for (Amount *value :
                {&row.Fed, &row.SS, &row.Medi, &row.State, &row.City, &row.Muni, &row.Bond, &row.Dues, &row.Pen,
                    &row.Misc, &row.Kplan, &row.OT, &row.Gross, &row.Net, &row.Sdi, &row.Sui, &row.Cafe, &row.Tips})
                *value = r.float32();
        }
        for (const auto &f : FloatTotals)
            ledger.*f.total = r.float32();
        ledger.TotOT = readMoney(r);
        ledger.TotGross = readMoney(r);
        ledger.TotNet = readMoney(r);
        ledger.TotTips = readMoney(r);
    } catch (const ReadError &) {
        return LedgerLoad::EndedEarly;
    }
    return LedgerLoad::Loaded;
}

std::optional<std::string> saveLedgerFile(const std::filesystem::path &path, const YearLedger &ledger, bool weekly)
{
    std::array<LedgerCellValues, WeeklyLedgerRows> cells{};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const LedgerRow &row = ledger.Rows[i];
        std::size_t k = 0;
        for (Amount value : {row.Fed, row.SS, row.Medi, row.State, row.City, row.Muni, row.Bond, row.Dues, row.Pen,
                 row.Misc, row.Kplan, row.OT, row.Gross, row.Net, row.Tips})
            cells[i][k++] = cellValue(value);
    }
    return saveLedgerFile(path, ledger, weekly, cells);
}

std::optional<std::string> saveLedgerFile(const std::filesystem::path &path, const YearLedger &rows, bool weekly,
    const std::array<LedgerCellValues, WeeklyLedgerRows> &cells)
{
    // The totals written are the sums of the rows written, whatever the caller left in them;
    // rows whose sums the totals cannot hold are not written at all.
    YearLedger ledger = rows;
    if (!AddAnnual(ledger, weekly))
        return std::string("The amounts of the pay periods add up to more than the totals can hold.");
    RecordWriter w;
    for (int i = 0; i < rowsInUse(weekly); ++i) {
        const LedgerRow &row = ledger.Rows[static_cast<std::size_t>(i)];
        const LedgerCellValues &c = cells[static_cast<std::size_t>(i)];
        try {
            w.text(row.Date);
        } catch (const std::invalid_argument &) {
            return "The date of pay period " + std::to_string(i + 1)
                + " cannot be saved: it holds a double quote or a character outside the Western European "
                  "letters.";
        }
        w.float64(c[0]).float64(c[1]).float64(c[2]).float64(c[3]).endRecord();
        w.float64(c[4]).float64(c[5]).float64(c[6]).float64(c[7]).float64(c[8]).endRecord();
        w.float64(c[9]).float64(c[10]).float64(c[11]).float64(c[12]).float64(c[13]).endRecord();
        w.float32(row.Sdi).float32(row.Sui).float32(row.Cafe).float64(c[14]).endRecord();
    }
    int written = 0;
    for (const auto &f : FloatTotals) {
        w.float64(totalValue(ledger.*f.total));
        // T1 and T2 hold five float totals each; T3 starts with TotKplan.
        if (++written == 5 || written == 10)
            w.endRecord();
    }
    w.float64(moneyValue(ledger.TotOT)).float64(moneyValue(ledger.TotGross)).float64(moneyValue(ledger.TotNet));
    w.float64(moneyValue(ledger.TotTips)).endRecord();
    return writeFileAtomically(path, w.bytes());
}

} // namespace tallyman
