// The year ledger's columns, declared once: each column's row and total fields and where it
// stands, under which caption, in every view of the ledger.
#pragma once

#include "ledger/year_ledger.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <stdexcept>

namespace tallyman {

// Where a column stands in one view of the ledger and what it is called there: `at` counts
// from 0 (in the printout it is the character column); -1 where the view does not show it.
struct LedgerPlace {
    int at = -1;
    const char* caption = "";
};

// What the person may type into the column's cells in the window.
enum class LedgerEntry { None, Text, Number };

struct LedgerColumn {
    Amount LedgerRow::*value;
    // The year's total: a 32-bit float, or money (summed exactly from each amount as shown).
    Amount YearLedger::*amountTotal = nullptr;
    Currency YearLedger::*moneyTotal = nullptr;
    // 0 to 4: wherever it is shown, printed or exported, the caption is the profile's (Tax5
    // to Tax9); the window shows its own caption until the profile's are put in.
    int deduction = -1;
    // The main window's tax and deduction label (lbTaxDed) that shows the period's amount:
    // what a paste takes, and the current figure beside the year to date on the statement.
    int periodLabel = -1;

    // The window: the grid's cells after the date, and the two lines of totals under it.
    LedgerEntry entry = LedgerEntry::None;
    LedgerPlace grid {};
    const char* totalBox = ""; // its control name; Gross's and Net's are crossed
    LedgerPlace totalsTop {}, totalsBottom {};
    // The printout: the table (at its character column) and the line under the totals.
    LedgerPlace print {}, printFooter {};
    // The workbook: the sheet's columns after the date, and the labelled totals under them.
    LedgerPlace sheet {}, sheetExtra {};
    // `ledger show --json`: the caption is the member's key. `ledger set` names cells so too.
    LedgerPlace jsonRow {}, jsonTotal {};
    // The year-to-date lines of the statement and of the check stubs.
    LedgerPlace statement {};

    constexpr bool money() const { return moneyTotal != nullptr; }
};

// In the order the totals are added up: an amount too large stops the sum there.
inline constexpr LedgerColumn LedgerColumns[] = {
    { .value = &LedgerRow::Fed,
        .amountTotal = &YearLedger::TotFed,
        .periodLabel = 0,
        .grid = { 0, "Federal" },
        .totalBox = "txtTotFed",
        .totalsTop = { 0, "Federal" },
        .print = { 17, "Federal" },
        .sheet = { 0, "Federal" },
        .jsonRow = { 0, "Fed" },
        .jsonTotal = { 0, "TotFed" },
        .statement = { 0, "Federal Tax" } },
    { .value = &LedgerRow::SS,
        .amountTotal = &YearLedger::TotSS,
        .periodLabel = 1,
        .grid = { 1, "SS" },
        .totalBox = "txtTotSS",
        .totalsTop = { 1, "SS" },
        .print = { 30, "SS" },
        .sheet = { 1, "Soc Sec" },
        .jsonRow = { 1, "SS" },
        .jsonTotal = { 1, "TotSS" },
        .statement = { 1, "Social Security Tax" } },
    { .value = &LedgerRow::Medi,
        .amountTotal = &YearLedger::TotMedi,
        .periodLabel = 2,
        .grid = { 2, "Medi" },
        .totalBox = "txtTotMedi",
        .totalsTop = { 2, "Medi" },
        .print = { 43, "MediCare" },
        .sheet = { 2, "Medicare" },
        .jsonRow = { 2, "Medi" },
        .jsonTotal = { 2, "TotMedi" },
        .statement = { 2, "Medicare Tax" } },
    { .value = &LedgerRow::State,
        .amountTotal = &YearLedger::TotState,
        .periodLabel = 3,
        .grid = { 3, "State" },
        .totalBox = "txtTotState",
        .totalsTop = { 3, "State" },
        .print = { 56, "State" },
        .sheet = { 3, "State" },
        .jsonRow = { 3, "State" },
        .jsonTotal = { 3, "TotState" },
        .statement = { 3, "State Tax" } },
    { .value = &LedgerRow::City,
        .amountTotal = &YearLedger::TotCity,
        .periodLabel = 4,
        .grid = { 4, "City" },
        .totalBox = "txtTotCity",
        .totalsTop = { 4, "City" },
        .print = { 69, "City" },
        .sheet = { 4, "City" },
        .jsonRow = { 4, "City" },
        .jsonTotal = { 4, "TotCity" },
        .statement = { 4, "City Tax" } },
    { .value = &LedgerRow::Muni,
        .amountTotal = &YearLedger::TotMuni,
        .deduction = 0,
        .periodLabel = 5,
        .grid = { 5, "MCU" },
        .totalBox = "txtTotMuni",
        .totalsTop = { 5, "MCU" },
        .print = { 82 },
        .sheet = { 5 },
        .jsonRow = { 5, "Muni" },
        .jsonTotal = { 5, "TotMuni" },
        .statement = { 7 } },
    { .value = &LedgerRow::Bond,
        .amountTotal = &YearLedger::TotBond,
        .deduction = 1,
        .periodLabel = 6,
        .grid = { 6, "Bond" },
        .totalBox = "txtTotBond",
        .totalsTop = { 6, "Bond" },
        .print = { 95 },
        .sheet = { 6 },
        .jsonRow = { 6, "Bond" },
        .jsonTotal = { 6, "TotBond" },
        .statement = { 8 } },
    { .value = &LedgerRow::Dues,
        .amountTotal = &YearLedger::TotDues,
        .deduction = 2,
        .periodLabel = 7,
        .grid = { 7, "Dues" },
        .totalBox = "txtTotDues",
        .totalsTop = { 7, "Dues" },
        .print = { 108 },
        .sheet = { 7 },
        .jsonRow = { 7, "Dues" },
        .jsonTotal = { 7, "TotDues" },
        .statement = { 9 } },
    { .value = &LedgerRow::Pen,
        .amountTotal = &YearLedger::TotPen,
        .deduction = 3,
        .periodLabel = 8,
        .grid = { 8, "Pension" },
        .totalBox = "txtTotPen",
        .totalsTop = { 8, "Pension" },
        .print = { 121 },
        .sheet = { 8 },
        .jsonRow = { 8, "Pen" },
        .jsonTotal = { 8, "TotPen" },
        .statement = { 10 } },
    { .value = &LedgerRow::Misc,
        .amountTotal = &YearLedger::TotMisc,
        .deduction = 4,
        .periodLabel = 9,
        .grid = { 9, "H.I." },
        .totalBox = "txtTotMisc",
        .totalsTop = { 9, "H.I." },
        .print = { 134 },
        .sheet = { 9 },
        .jsonRow = { 9, "Misc" },
        .jsonTotal = { 9, "TotMisc" },
        .statement = { 11 } },
    { .value = &LedgerRow::Kplan,
        .amountTotal = &YearLedger::TotKplan,
        .periodLabel = 10,
        .grid = { 10, "K-Plan" },
        .totalBox = "txtTotKplan",
        .totalsTop = { 10, "K-Plan" },
        .print = { 145, "KPlan" },
        .sheet = { 10, "Kplan" },
        .jsonRow = { 10, "Kplan" },
        .jsonTotal = { 10, "TotKplan" },
        .statement = { 12, "K-Plan" } },
    { .value = &LedgerRow::OT,
        .moneyTotal = &YearLedger::TotOT,
        .grid = { 12, "OT" },
        .totalBox = "txtTotOT",
        .totalsTop = { 11, "OT" },
        .print = { 172, "OT" },
        .sheet = { 12, "OT" },
        .jsonRow = { 12, "OT" },
        .jsonTotal = { 14, "TotOT" } },
    { .value = &LedgerRow::Tips,
        .moneyTotal = &YearLedger::TotTips,
        .entry = LedgerEntry::Text,
        .grid = { 11, "Tips" },
        .totalBox = "txtTotTips",
        .totalsBottom = { 3, "Tips:" },
        .print = { 156, "Tips" },
        .printFooter = { 56, "Total Tips: " },
        .sheet = { 11, "Tips" },
        .sheetExtra = { 3, "Tips" },
        .jsonRow = { 11, "Tips" },
        .jsonTotal = { 17, "TotTips" } },
    { .value = &LedgerRow::Gross,
        .moneyTotal = &YearLedger::TotGross,
        .entry = LedgerEntry::Number,
        .grid = { 14, "Gross" },
        .totalBox = "txtTotNet",
        .totalsTop = { 13, "Gross" },
        .print = { 197, "Gross" },
        .sheet = { 14, "Gross" },
        .jsonRow = { 14, "Gross" },
        .jsonTotal = { 15, "TotGross" } },
    { .value = &LedgerRow::Net,
        .moneyTotal = &YearLedger::TotNet,
        .entry = LedgerEntry::Number,
        .grid = { 13, "Net" },
        .totalBox = "txtTotGross",
        .totalsTop = { 12, "Net" },
        .print = { 182, "Net" },
        .sheet = { 13, "Net" },
        .jsonRow = { 13, "Net" },
        .jsonTotal = { 16, "TotNet" } },
    // Kept in each row for the statement and the stubs, not shown in the grid; their totals are
    // not stored and run over every row, whatever the pay frequency.
    { .value = &LedgerRow::Sdi,
        .amountTotal = &YearLedger::TotSdi,
        .totalBox = "txtTotSdi",
        .totalsBottom = { 1, "SDI:" },
        .printFooter = { 95, "Total SDI: " },
        .sheetExtra = { 0, "SDI" },
        .jsonRow = { 15, "Sdi" },
        .jsonTotal = { 11, "TotSdi" },
        .statement = { 5, "State Disability Ins" } },
    { .value = &LedgerRow::Sui,
        .amountTotal = &YearLedger::TotSui,
        .totalBox = "txtTotSui",
        .totalsBottom = { 2, "SUI:" },
        .printFooter = { 121, "Total SUI: " },
        .sheetExtra = { 1, "SUI" },
        .jsonRow = { 16, "Sui" },
        .jsonTotal = { 12, "TotSui" },
        .statement = { 6, "State Unemployment Ins" } },
    { .value = &LedgerRow::Cafe,
        .amountTotal = &YearLedger::TotCafe,
        .totalBox = "txtTotCafe",
        .totalsBottom = { 0, "Cafeteria Plan:" },
        .printFooter = { 145, "Total Cafeteria: " },
        .sheetExtra = { 2, "Cafe" },
        .jsonRow = { 17, "Cafe" },
        .jsonTotal = { 13, "TotCafe" },
        .statement = { 13, "Cafeteria Plan" } },
};

inline constexpr std::size_t LedgerColumnCount = std::size(LedgerColumns);

// The file's layout. A pay period is its date and then these amounts in four records; after
// the pay periods come the stored totals, named by their column's row field, in three.
inline constexpr Amount LedgerRow::*EndOfRecord = nullptr;
inline constexpr Amount LedgerRow::*LedgerFileRow[] = {
    &LedgerRow::Fed, &LedgerRow::SS, &LedgerRow::Medi, &LedgerRow::State, EndOfRecord, //
    &LedgerRow::City, &LedgerRow::Muni, &LedgerRow::Bond, &LedgerRow::Dues, &LedgerRow::Pen, EndOfRecord, //
    &LedgerRow::Misc, &LedgerRow::Kplan, &LedgerRow::OT, &LedgerRow::Gross, &LedgerRow::Net, EndOfRecord, //
    &LedgerRow::Sdi, &LedgerRow::Sui, &LedgerRow::Cafe, &LedgerRow::Tips, EndOfRecord, //
};
inline constexpr Amount LedgerRow::*LedgerFileTotals[] = {
    &LedgerRow::Fed, &LedgerRow::SS, &LedgerRow::Medi, &LedgerRow::State, &LedgerRow::City, EndOfRecord, //
    &LedgerRow::Muni, &LedgerRow::Bond, &LedgerRow::Dues, &LedgerRow::Pen, &LedgerRow::Misc, EndOfRecord, //
    &LedgerRow::Kplan, &LedgerRow::OT, &LedgerRow::Gross, &LedgerRow::Net, &LedgerRow::Tips, EndOfRecord, //
};

// The statement's year-to-date taxes and deductions, each in the order it is added up (the
// order can decide the last digit of a sum of large and small amounts).
inline constexpr Amount LedgerRow::*LedgerYtdTaxes[] = { &LedgerRow::SS, &LedgerRow::Fed, &LedgerRow::Medi,
    &LedgerRow::State, &LedgerRow::City, &LedgerRow::Sdi, &LedgerRow::Sui, &LedgerRow::Cafe };
inline constexpr Amount LedgerRow::*LedgerYtdDeductions[] = { &LedgerRow::Muni, &LedgerRow::Pen,
    &LedgerRow::Bond, &LedgerRow::Dues, &LedgerRow::Misc, &LedgerRow::Kplan };

// The column of a row field.
constexpr const LedgerColumn& ledgerColumn(Amount LedgerRow::*value)
{
    for (const LedgerColumn& column : LedgerColumns)
        if (column.value == value)
            return column;
    throw std::invalid_argument("not a column of the ledger");
}

constexpr std::size_t ledgerIndex(const LedgerColumn& column)
{
    return static_cast<std::size_t>(&column - LedgerColumns);
}

// Whether the file holds the column's total (the others are recomputed from the rows).
constexpr bool totalStored(const LedgerColumn& column)
{
    return std::find(std::begin(LedgerFileTotals), std::end(LedgerFileTotals), column.value)
        != std::end(LedgerFileTotals);
}

// How many columns a view shows.
template <LedgerPlace LedgerColumn::*Place> constexpr std::size_t ledgerShown()
{
    return static_cast<std::size_t>(std::count_if(std::begin(LedgerColumns), std::end(LedgerColumns),
        [](const LedgerColumn& column) { return (column.*Place).at >= 0; }));
}

// The columns a view shows, in its order.
template <LedgerPlace LedgerColumn::*Place>
constexpr std::array<const LedgerColumn*, ledgerShown<Place>()> ledgerOrder()
{
    std::array<const LedgerColumn*, ledgerShown<Place>()> order {};
    std::size_t n = 0;
    for (const LedgerColumn& column : LedgerColumns)
        if ((column.*Place).at >= 0)
            order[n++] = &column;
    std::sort(order.begin(), order.end(),
        [](const LedgerColumn* a, const LedgerColumn* b) { return (a->*Place).at < (b->*Place).at; });
    return order;
}

template <LedgerPlace LedgerColumn::*Place> inline constexpr auto LedgerOrder = ledgerOrder<Place>();

// The amount columns of the grid, the window's and the command line's, and of the sheet.
inline constexpr std::size_t LedgerGridAmounts = ledgerShown<&LedgerColumn::grid>();
inline constexpr std::size_t LedgerSheetAmounts = ledgerShown<&LedgerColumn::sheet>();
inline constexpr std::size_t LedgerSheetExtras = ledgerShown<&LedgerColumn::sheetExtra>();

// A total as the number it is: the float's value, or the money's decimal.
inline double ledgerTotal(const YearLedger& ledger, const LedgerColumn& column)
{
    return column.money() ? (ledger.*column.moneyTotal).toDouble()
                          : static_cast<double>(ledger.*column.amountTotal);
}

} // namespace tallyman
