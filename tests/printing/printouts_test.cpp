// The statement, the check and the test page against golden text printouts (column n is
// character n), and what a failing printer leaves.
#include "printing/check.h"
#include "printing/statement.h"

#include "numbers/currency.h"
#include "platform/font_metrics.h"
#include "platform/recording_printer.h"
#include "platform/text_printer.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tallyman;
using namespace tallyman::printing;

namespace {

// A period with every earnings row in use, as the calculation leaves the window.
PeriodFigures busyPeriod()
{
    PeriodFigures f;
    f.txtAmount = { "40", "8", "3", "5", "8", "16", "25.5", "10" };
    f.opt1x = false;
    f.txtWeek = "3/14/2026";
    f.lbTaxDed = { "$101.23", "$62.15", "$14.54", "$30.00", "$12.10", "$5.00", "$10.00", "$7.50", "$45.08",
        "$20.00", "$50.00" };
    f.lbSDI = "$3.01";
    f.lbSUI = "$1.20";
    f.lbCafe = "$15.00";
    f.Label13 = "$1,002.50";
    f.lbTaxes = "$244.23";
    f.lbDeduct = "$137.58";
    f.lbNet = "$620.69";
    f.pay.PayRate = 15.5f;
    f.pay.StrHrs = 40;
    f.pay.StrHrs2 = 8;
    f.pay.OtHrs = 5;
    f.pay.Avas = 8;
    f.pay.VacDys = 16;
    f.pay.TipsHrs = 10;
    f.pay.Addit = Currency::fromDouble(25.5);
    f.pay.Reg1Pay = 620;
    f.pay.Reg2Pay = 96;
    f.HourRate = 15.5f;
    f.HourRate2 = 12;
    f.TipsRate = 2.25f;
    f.captions = { "CrUnion", "Bond", "Dues", "Pension", "Health Ins" };
    YearLedger& y = f.ledger;
    y.TotFed = 1012.3f;
    y.TotSS = 621.5f;
    y.TotMedi = 145.4f;
    y.TotState = 300;
    y.TotCity = 121;
    y.TotSdi = 30.1f;
    y.TotSui = 12;
    y.TotMuni = 50;
    y.TotBond = 100;
    y.TotDues = 75;
    y.TotPen = 450.8f;
    y.TotMisc = 200;
    y.TotKplan = 500;
    y.TotCafe = 150;
    y.TotTips = Currency::fromDouble(225);
    y.TotGross = Currency::fromDouble(10025);
    y.TotNet = Currency::fromDouble(6206.9);
    return f;
}

PrintHeading heading()
{
    return PrintHeading { "Harbor Lane Bakery", "12 Harbor Lane", "Portland, ME 04101", "ID 01-2345678" };
}

std::string printed(const std::function<bool(ui::Printer&)>& print)
{
    ui::TextPrinter printer;
    EXPECT_TRUE(print(printer));
    EXPECT_EQ(printer.documents().size(), 1u);
    return printer.documents().empty() ? std::string() : printer.documents().back();
}

CheckFigures busyCheck(int horizontal, int marginLines)
{
    CheckFigures c;
    c.period = busyPeriod();
    c.check = CheckTexts { "3/14/2026", "Dana Whitfield********", "***620.69", "For March", "Dana Whitfield",
        "22 Elm Street", "Portland, ME 04102", "123-45-6789", " Six Hundred Twenty and 69/100" };
    c.offsets = { horizontal, marginLines };
    return c;
}

} // namespace

TEST(Statement, EveryEarningsRowInUse)
{
    const StatementFigures s { busyPeriod(), heading(), "dana", "123-45-6789", "3/16/2026" };
    test::expectGolden(
        "printing/statement_full.txt", printed([&](ui::Printer& p) { return PrintText(p, s); }));
}

TEST(Statement, BeforeAnyCalculationAndWithoutLedger)
{
    // The fresh window: empty boxes and labels, nothing in the ledger, no heading file.
    StatementFigures s;
    s.period.txtWeek = "3/16/2026";
    s.period.pay.PayRate = 7.5f;
    s.period.captions = { "Muni Cr Union", "Bond", "Union Dues", "Pension", "Health Ins" };
    s.UserName = "newhire";
    s.today = "3/16/2026";
    test::expectGolden(
        "printing/statement_empty.txt", printed([&](ui::Printer& p) { return PrintText(p, s); }));
}

TEST(Check, AtOffsets)
{
    // The margin is the vertical offset plus 3.
    const struct {
        int horizontal, vertical;
        const char* golden;
    } cases[] = { { 0, 0, "printing/check_0_0.txt" }, { 2, -1, "printing/check_+2_-1.txt" },
        { -5, -5, "printing/check_-5_-5.txt" } };
    for (const auto& c : cases) {
        const CheckFigures figures = busyCheck(c.horizontal, c.vertical + 3);
        test::expectGolden(c.golden, printed([&](ui::Printer& p) { return PrintCheck(p, figures); }));
    }
}

TEST(Check, BlankLinesAboveTheDate)
{
    const struct {
        int vertical, lines;
    } cases[] = { { 0, 4 }, { -1, 3 }, { 2, 6 }, { -3, 1 }, { -4, 0 }, { -5, 0 } };
    for (const auto& c : cases) {
        const std::string page
            = printed([&](ui::Printer& p) { return PrintCheck(p, busyCheck(0, c.vertical + 3)); });
        EXPECT_EQ(page.find("3/14/2026"), static_cast<std::size_t>(c.lines) + 106) << c.vertical;
    }
}

TEST(Check, StubsDifferOnlyInTheBlankLineBeforeTheSummary)
{
    const std::string page = printed([](ui::Printer& p) { return PrintCheck(p, busyCheck(0, 3)); });
    std::vector<std::string> lines;
    std::istringstream in(page);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    // Check lines 5..16, 10 blank, stub of 22 lines, 7 blank, stub of 21.
    ASSERT_EQ(lines.size(), 4u + 12 + 10 + 22 + 7 + 21);
    const auto first = lines.begin() + 26;
    const auto second = first + 22 + 7;
    EXPECT_TRUE(std::equal(first, first + 17, second));
    EXPECT_EQ(first[17], "");
    EXPECT_EQ(first[18], "");
    EXPECT_EQ(second[17], "");
    EXPECT_TRUE(std::equal(first + 19, first + 22, second + 18));
}

TEST(TestPage, FieldsAtTheOffsetsWithRulerAndLineNumbers)
{
    test::expectGolden("printing/testpage_+2_-1.txt", printed([](ui::Printer& p) {
        return PrintTestPage(p, { 2, 2 });
    }));
}

TEST(Printouts, StopAtTheFirstPrinterFailure)
{
    for (const char* breaking : { "font", "at 5", "endLine", "endDocument" }) {
        SCOPED_TRACE(breaking);
        ui::RecordingPrinter printer;
        printer.failAt(breaking);
        EXPECT_FALSE(PrintCheck(printer, busyCheck(0, 3)));
        // The failing call ends it: only the closing of the broken document may follow.
        const auto& calls = printer.calls();
        const auto failed = std::find_if(
            calls.begin(), calls.end(), [](const std::string& c) { return c.ends_with(" failed"); });
        ASSERT_NE(failed, calls.end());
        EXPECT_LE(calls.end() - failed, 2);
        EXPECT_FALSE(printer.failure().empty());
    }
}

TEST(Printouts, LongTextsAreCutAtThePageEdge)
{
    StatementFigures s { busyPeriod(), heading(), std::string(255, 'N'), "123-45-6789", "3/16/2026" };
    s.heading.Company = "Caf\xC3\xA9 " + std::string(200, 'C') + " \xE2\x82\xAC";
    s.period.captions[0] = std::string(255, 'X');
    ui::TextPrinter printer;
    ASSERT_TRUE(PrintText(printer, s));
    // A line holds what the page holds: fewer columns in the heading's larger font.
    const auto columns = [](int points) {
        return static_cast<std::size_t>(
            ui::LetterPrintablePage.portraitWidth / (ui::LiberationSansAverageCharWidth * points));
    };
    // A rule runs as far as its hyphens reach on paper, each narrower than a column.
    const auto hyphens = [](int points, int column) {
        return static_cast<std::size_t>((ui::LetterPrintablePage.portraitWidth
                                            - (column - 1) * ui::LiberationSansAverageCharWidth * points)
            / (ui::LiberationSansHyphenWidth * points));
    };
    std::istringstream in(printer.documents().back());
    int row = 0;
    for (std::string line; std::getline(in, line); ++row) {
        const auto rule = line.find("---");
        if (rule == std::string::npos)
            EXPECT_LE(ui::characterCount(line), columns(row < 5 ? 11 : 10)) << line;
        else
            EXPECT_EQ(line.size() - rule, hyphens(10, static_cast<int>(rule) + 1)) << line;
    }
    // Nothing runs over the next item: the number after the long name moves to its own line.
    EXPECT_NE(printer.documents().back().find(std::string(49, ' ') + "123-45-6789"), std::string::npos);
}
