// The ledger's column table holds together: no column is forgotten by a view or the file, and
// none stands twice in one place.
#include "ledger/ledger_columns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tallyman {
namespace {

// Whether a row can be built from its date and N amounts: then it has at least N amount fields.
template <std::size_t... I> constexpr bool rowTakesAmounts(std::index_sequence<I...>)
{
    return requires { LedgerRow { std::string(), (static_cast<void>(I), Amount())... }; };
}

template <std::size_t N = 0> constexpr std::size_t amountFieldsOfARow()
{
    if constexpr (rowTakesAmounts(std::make_index_sequence<N + 1>()))
        return amountFieldsOfARow<N + 1>();
    else
        return N;
}

// False when `value` was seen before; member pointers have no order, so no std::set.
template <typename T> bool firstTime(std::vector<T>& seen, T value)
{
    if (std::find(seen.begin(), seen.end(), value) != seen.end())
        return false;
    seen.push_back(value);
    return true;
}

TEST(LedgerColumns, EveryAmountOfARowIsOneColumnWithOneTotal)
{
    EXPECT_EQ(amountFieldsOfARow(), LedgerColumnCount)
        << "a field of LedgerRow without its column, or too many";
    std::vector<Amount LedgerRow::*> values;
    std::vector<Amount YearLedger::*> amounts;
    std::vector<Currency YearLedger::*> moneys;
    for (const LedgerColumn& c : LedgerColumns) {
        SCOPED_TRACE(c.jsonRow.caption);
        EXPECT_TRUE(firstTime(values, c.value)) << "two columns of one row field";
        EXPECT_NE(c.amountTotal == nullptr, c.moneyTotal == nullptr) << "one total, a float or money";
        EXPECT_TRUE(c.money() ? firstTime(moneys, c.moneyTotal) : firstTime(amounts, c.amountTotal))
            << "two columns of one total";
        // A total the file does not hold is summed again from every row, as a float.
        EXPECT_TRUE(totalStored(c) || !c.money());
    }
}

// One view of the columns: where each stands in it.
struct View {
    const char* name;
    int (*at)(const LedgerColumn&);
    bool characterColumns = false; // the printout's: distinct, not counted from 0
};

const View Views[] = {
    { "grid", [](const LedgerColumn& c) { return c.grid.at; } },
    { "totals line 1", [](const LedgerColumn& c) { return c.totalsTop.at; } },
    { "totals line 2", [](const LedgerColumn& c) { return c.totalsBottom.at; } },
    { "printout", [](const LedgerColumn& c) { return c.print.at; }, true },
    { "printout footer", [](const LedgerColumn& c) { return c.printFooter.at; }, true },
    { "sheet", [](const LedgerColumn& c) { return c.sheet.at; } },
    { "sheet extra", [](const LedgerColumn& c) { return c.sheetExtra.at; } },
    { "JSON rows", [](const LedgerColumn& c) { return c.jsonRow.at; } },
    { "JSON totals", [](const LedgerColumn& c) { return c.jsonTotal.at; } },
    { "statement", [](const LedgerColumn& c) { return c.statement.at; } },
    { "profile captions", [](const LedgerColumn& c) { return c.deduction; } },
    { "main window labels", [](const LedgerColumn& c) { return c.periodLabel; } },
};

void PrintTo(const View& view, std::ostream* out) { *out << view.name; }

class LedgerView : public ::testing::TestWithParam<View> { };

TEST_P(LedgerView, PlacesEachColumnItShowsOnceWithoutGaps)
{
    std::vector<int> places;
    for (const LedgerColumn& c : LedgerColumns)
        if (GetParam().at(c) >= 0)
            places.push_back(GetParam().at(c));
    std::sort(places.begin(), places.end());
    ASSERT_FALSE(places.empty());
    EXPECT_EQ(std::adjacent_find(places.begin(), places.end()), places.end()) << "two columns in one place";
    if (!GetParam().characterColumns) {
        EXPECT_EQ(places.front(), 0);
        EXPECT_EQ(places.back(), static_cast<int>(places.size()) - 1) << "a place left empty";
    }
}

struct ViewName {
    std::string operator()(const ::testing::TestParamInfo<View>& info) const
    {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    }
};

INSTANTIATE_TEST_SUITE_P(Views, LedgerView, ::testing::ValuesIn(Views), ViewName());

TEST(LedgerColumns, EachViewShowsWhatItMust)
{
    std::set<std::string> keys, totalKeys;
    for (const LedgerColumn& c : LedgerColumns) {
        SCOPED_TRACE(c.jsonRow.caption);
        EXPECT_TRUE(keys.insert(c.jsonRow.caption).second && totalKeys.insert(c.jsonTotal.caption).second)
            << "every column in the JSON, under a key of its own";
        EXPECT_NE(c.totalsTop.at < 0, c.totalsBottom.at < 0) << "every total on one line of the window";
        EXPECT_FALSE(c.jsonRow.caption[0] == '\0' || c.jsonTotal.caption[0] == '\0');
        // The window hands the sheet its cells' texts, and only cells take typing.
        EXPECT_TRUE(c.grid.at >= 0 || (c.sheet.at < 0 && c.entry == LedgerEntry::None));
        // A caption of its own wherever it is shown, unless it is the profile's.
        for (const LedgerPlace& shown : { c.grid, c.totalsTop, c.totalsBottom, c.print, c.printFooter,
                 c.sheet, c.sheetExtra, c.statement })
            EXPECT_TRUE(shown.at < 0 || c.deduction >= 0 || shown.caption[0] != '\0');
    }
}

// A list of the file or of the statement.
using Records = std::span<Amount LedgerRow::*const>;

// How often a row field stands in a list.
int timesIn(Records list, Amount LedgerRow::*value)
{
    return static_cast<int>(std::count(list.begin(), list.end(), value));
}

TEST(LedgerColumns, TheFileHoldsEveryAmountOnceAndTheStatementSumsEveryLineOnce)
{
    for (const LedgerColumn& c : LedgerColumns) {
        SCOPED_TRACE(c.jsonRow.caption);
        EXPECT_EQ(timesIn(LedgerFileRow, c.value), 1);
        EXPECT_LE(timesIn(LedgerFileTotals, c.value), 1);
        EXPECT_EQ(timesIn(LedgerYtdTaxes, c.value) + timesIn(LedgerYtdDeductions, c.value),
            c.statement.at >= 0 ? 1 : 0);
    }
    for (Records records : { Records(LedgerFileRow), Records(LedgerFileTotals) }) {
        EXPECT_EQ(records.back(), EndOfRecord);
        EXPECT_EQ(std::adjacent_find(records.begin(), records.end(),
                      [](auto a, auto b) { return a == EndOfRecord && b == EndOfRecord; }),
            records.end())
            << "an empty record";
    }
}

} // namespace
} // namespace tallyman
