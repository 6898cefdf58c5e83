// The year ledger's totals and its file.
#include "ledger/year_ledger.h"

#include "ledger/ledger_columns.h"
#include "numbers/number_text.h"
#include "storage/records.h"

#include <cstdlib>
#include <stdexcept>

namespace tallyman {

using records::ReadError;
using records::RecordReader;
using records::RecordWriter;

namespace {

int rowsInUse(bool weekly) { return weekly ? WeeklyLedgerRows : BiWeeklyLedgerRows; }

// The total cut to the 7 significant digits its text shows, so the sum never drifts away
// from what the totals window and the file show (52 x 0.1 stays 5.2).
Amount sevenDigitSum(Amount total, Amount value)
{
    const Amount sum = toAmount(static_cast<double>(total) + static_cast<double>(value));
    return std::strtof(numberText(sum).c_str(), nullptr);
}

// A total as the number its 7-digit text shows, so 1234.57 goes to its 64-bit field as
// 1234.57, not as the float's 1234.5699462890625.
double totalValue(Amount value) { return std::strtod(numberText(value).c_str(), nullptr); }

// A row value as the number its cell shows: the 7-digit text, or more digits where those
// would change it, so a row of 123456.78 is saved with its cents.
double cellValue(Amount value) { return std::strtod(exactText(value).c_str(), nullptr); }

// A row value as money: the number of its shortest round-trip text, so a row of 123456.78
// adds 123456.78 (its 7-digit text would say 123456.8).
Currency moneyOf(Amount value)
{
    return Currency::fromDouble(strictNumber(roundTripText(value)).value_or(static_cast<double>(value)));
}

// The money total's shortest decimal text has at most 4 decimals; the double nearest to the
// count of ten-thousandths divided out is the number that text denotes.
double moneyValue(Currency total) { return total.toDouble(); }

// Money read back from the file; a value beyond the money range reads as 0, as an
// out-of-range number does in any other field.
Currency readMoney(RecordReader& r)
{
    const double value = r.float64();
    try {
        return Currency::fromDouble(value);
    } catch (const NumberOverflow&) {
        return Currency();
    }
}

} // namespace

std::filesystem::path ledgerFile(const DataFolder& folder, const std::string& userName, bool weekly)
{
    return folder.userFile(userName, weekly ? ".yrw" : ".yrb");
}

bool AddAnnual(YearLedger& ledger, bool weekly)
{
    // The stored totals over the rows in use, from the text each amount shows.
    for (const LedgerColumn& c : LedgerColumns) {
        if (!totalStored(c))
            continue;
        if (c.money())
            ledger.*c.moneyTotal = Currency();
        else
            ledger.*c.amountTotal = 0;
    }
    try {
        for (int i = 0; i < rowsInUse(weekly); ++i) {
            const LedgerRow& row = ledger.Rows[static_cast<std::size_t>(i)];
            for (const LedgerColumn& c : LedgerColumns) {
                if (!totalStored(c))
                    continue;
                if (c.money())
                    ledger.*c.moneyTotal += moneyOf(row.*c.value);
                else
                    ledger.*c.amountTotal = sevenDigitSum(ledger.*c.amountTotal, row.*c.value);
            }
        }
        // Kept in memory only, over every row whatever the pay frequency.
        for (const LedgerColumn& c : LedgerColumns)
            if (!totalStored(c))
                ledger.*c.amountTotal = 0;
        for (const LedgerRow& row : ledger.Rows)
            for (const LedgerColumn& c : LedgerColumns)
                if (!totalStored(c))
                    ledger.*c.amountTotal = toAmount(
                        static_cast<double>(ledger.*c.amountTotal) + static_cast<double>(row.*c.value));
    } catch (const NumberOverflow&) {
        return false;
    }
    return true;
}

LedgerLoad loadLedgerFile(const std::filesystem::path& path, YearLedger& ledger, bool weekly)
{
    const auto bytes = readWholeFile(path);
    if (!bytes)
        return LedgerLoad::Absent;
    RecordReader r(*bytes);
    try {
        for (int i = 0; i < rowsInUse(weekly); ++i) {
            LedgerRow& row = ledger.Rows[static_cast<std::size_t>(i)];
            row.Date = r.text();
            for (Amount LedgerRow::*value : LedgerFileRow)
                if (value != EndOfRecord)
                    row.*value = r.float32();
        }
        for (Amount LedgerRow::*value : LedgerFileTotals) {
            if (value == EndOfRecord)
                continue;
            const LedgerColumn& c = ledgerColumn(value);
            if (c.money())
                ledger.*c.moneyTotal = readMoney(r);
            else
                ledger.*c.amountTotal = r.float32();
        }
    } catch (const ReadError&) {
        return LedgerLoad::EndedEarly;
    }
    return LedgerLoad::Loaded;
}

std::optional<std::string> saveLedgerFile(
    const std::filesystem::path& path, const YearLedger& ledger, bool weekly)
{
    return saveLedgerFile(path, ledger, weekly,
        [&ledger](std::size_t row, Amount LedgerRow::*value) { return cellValue(ledger.Rows[row].*value); });
}

std::optional<std::string> saveLedgerFile(
    const std::filesystem::path& path, const YearLedger& rows, bool weekly, const LedgerCellNumber& cells)
{
    // The totals written are the sums of the rows written, whatever the caller left in them;
    // rows whose sums the totals cannot hold are not written at all.
    YearLedger ledger = rows;
    if (!AddAnnual(ledger, weekly))
        return std::string("The amounts of the pay periods add up to more than the totals can hold.");
    RecordWriter w;
    for (int i = 0; i < rowsInUse(weekly); ++i) {
        const auto r = static_cast<std::size_t>(i);
        const LedgerRow& row = ledger.Rows[r];
        try {
            w.text(row.Date);
        } catch (const std::invalid_argument&) {
            return "The date of pay period " + std::to_string(i + 1)
                + " cannot be saved: it holds a double quote or a character outside the Western European "
                  "letters.";
        }
        for (Amount LedgerRow::*value : LedgerFileRow) {
            if (value == EndOfRecord)
                w.endRecord();
            else if (ledgerColumn(value).grid.at >= 0)
                w.float64(cells(r, value));
            else
                w.float32(row.*value);
        }
    }
    for (Amount LedgerRow::*value : LedgerFileTotals) {
        if (value == EndOfRecord) {
            w.endRecord();
            continue;
        }
        const LedgerColumn& c = ledgerColumn(value);
        w.float64(c.money() ? moneyValue(ledger.*c.moneyTotal) : totalValue(ledger.*c.amountTotal));
    }
    return writeFileAtomically(path, w.bytes());
}

} // namespace tallyman
