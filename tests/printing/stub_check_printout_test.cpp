// The stub check printout: golden text of a comparison with causes; wrapping; a failing printer.
#include "printing/stub_check_printout.h"

#include "engine/engine_harness.h"
#include "platform/recording_printer.h"
#include "platform/text_printer.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tallyman::printing {
namespace {

// 40 hours at 20: the stub withholds 20.00 more federal tax and leaves city tax off.
StubComparison sampleComparison()
{
    PeriodCase period;
    period.profile.resetToNewUser();
    period.profile.HourRate = 20;
    period.txtAmount[0] = "40";
    period.fedTable = test::simpleTable(); // 10 % above 100: 70.00
    StubFigures stub {};
    stub[index(StubLine::Gross)] = Currency::fromDouble(800);
    stub[index(StubLine::Fed)] = Currency::fromDouble(100);
    stub[index(StubLine::SS)] = Currency::fromDouble(49.61);
    stub[index(StubLine::Medi)] = Currency::fromDouble(11.60);
    stub[index(StubLine::Net)] = Currency::fromDouble(600.20);
    const StubCheckResult r = checkStub(period, stub, {});
    EXPECT_TRUE(r.computed);
    return r.comparison;
}

TEST(StubCheckPrintout, MatchesGoldenText)
{
    const StubComparison comparison = sampleComparison();
    ui::TextPrinter printer;
    const StubCheckPrintout printout { comparison,
        { "Acme Tool & Die", "12 Main St", "Springfield, IL 62701", "ID 36-1234567" }, "Smith", "12/9/2026",
        "12/4/2026" };
    ASSERT_TRUE(PrintStubCheck(printer, printout));
    ASSERT_EQ(printer.documents().size(), 1u);
    EXPECT_EQ(printer.orientation(), ui::Orientation::Portrait);
    test::expectGolden("printing/stub_check.txt", printer.documents().front());
}

TEST(StubCheckPrintout, AFailingPrinterStopsAndEndsTheDocument)
{
    const StubComparison comparison = sampleComparison();
    ui::RecordingPrinter printer;
    printer.failAt("at ");
    EXPECT_FALSE(PrintStubCheck(printer, StubCheckPrintout { comparison, {}, "Smith", "12/9/2026", "" }));
    EXPECT_EQ(printer.calls().back().rfind("endDocument", 0), 0u);
    EXPECT_EQ(std::count_if(printer.calls().begin(), printer.calls().end(),
                  [](const std::string& c) { return c.rfind("at ", 0) == 0; }),
        1);
}

TEST(WrapText, BreaksAtBlanksWithinTheWidth)
{
    EXPECT_EQ(wrapText("one two three four", 9), (std::vector<std::string> { "one two", "three", "four" }));
    EXPECT_EQ(
        wrapText("averyveryverylongword x", 5), (std::vector<std::string> { "averyveryverylongword", "x" }));
    EXPECT_EQ(wrapText("", 5), std::vector<std::string> {});
}

} // namespace
} // namespace tallyman::printing
