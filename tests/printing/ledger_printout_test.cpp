// PrintYr: golden text printouts of a weekly and a bi-weekly ledger; a failing printer.
#include "printing/ledger_printout.h"

#include "platform/recording_printer.h"
#include "platform/text_printer.h"
#include "support/golden.h"

#include <gtest/gtest.h>

namespace tallyman {
namespace {

// A few filled weeks among empty ones, amounts of every shape the printout meets: halves,
// whole numbers, a negative correction, more than two decimals typed by hand.
YearLedger sampleLedger(bool weekly)
{
    YearLedger l;
    LedgerRow& first = l.Rows[0];
    first = { "1/5/2024", 84.94f, 53.32f, 12.47f, 36.3f, 26.8f, 10, 5.5f, 0, 0, 0, 0, 0, 860, 646.17f, 1.2f,
        0.5f, 0, 0 };
    LedgerRow& second = l.Rows[1];
    second = { "1/12/2024", 111.31f, 65.32f, 15.28f, 46.94f, 34.83f, 10, 5.5f, 0, 0, 0, 0, 193.5f, 1053.5f,
        779.82f, 0, 0, 0, 12.25f };
    LedgerRow& last = l.Rows[weekly ? 52 : 26];
    last = { "12/27/2024", -0.5f, 0.062f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.125f, 0, 0, 0, 3, 0 };
    EXPECT_TRUE(AddAnnual(l, weekly));
    return l;
}

struct GoldenCase {
    const char* name;
    bool weekly;
    const char* file;
};

class LedgerGolden : public ::testing::TestWithParam<GoldenCase> { };

TEST_P(LedgerGolden, MatchesGoldenText)
{
    const auto& c = GetParam();
    const YearLedger ledger = sampleLedger(c.weekly);
    ui::TextPrinter printer;
    const LedgerPrintout printout { ledger, c.weekly,
        { "Acme Tool & Die", "12 Main St", "Springfield, IL 62701", "ID 36-1234567" }, "Smith", "12/9/2026",
        { "CrUnion", "Bond", "Dues", "Pension", "Misc." } };
    ASSERT_TRUE(PrintYr(printer, printout));
    ASSERT_EQ(printer.documents().size(), 1u);
    EXPECT_EQ(printer.orientation(), ui::Orientation::Landscape);
    test::expectGolden(c.file, printer.documents().front());
}

INSTANTIATE_TEST_SUITE_P(Shapes, LedgerGolden,
    ::testing::Values(GoldenCase { "Weekly", true, "printing/ledger_weekly.txt" },
        GoldenCase { "BiWeekly", false, "printing/ledger_biweekly.txt" }),
    [](const auto& test) { return std::string(test.param.name); });

TEST(LedgerPrintoutFailure, StopsAtTheFailedCallAndEndsTheDocument)
{
    const YearLedger ledger = sampleLedger(true);
    ui::RecordingPrinter printer;
    printer.failAt("at 17 \" 111.31 \"");
    const LedgerPrintout printout { ledger, true, {}, "Smith", "12/9/2026", {} };
    EXPECT_FALSE(PrintYr(printer, printout));
    const auto& calls = printer.calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.back(), "endDocument failed");
    EXPECT_EQ(calls[calls.size() - 2], "at 17 \" 111.31 \" failed");
}

} // namespace
} // namespace tallyman
