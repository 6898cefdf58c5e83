// The recording printer's transcript and its injected failures.
#include "platform/recording_printer.h"

#include "platform/controls.h"

#include <gtest/gtest.h>

#include <functional>

namespace tallyman::ui {
namespace {

// A printout as the printing code does it: stop at the first failure.
void printout(Printer& p)
{
    p.choosePrinter() && p.setFont("Arial", 11) && p.printAt(5, "Gross") && p.endLine() && p.endDocument();
}

struct FailureCase {
    const char* name;
    std::function<void(RecordingPrinter&)> setup;
    const char* transcript;
};

class RecordingFailures : public ::testing::TestWithParam<FailureCase> { };

TEST_P(RecordingFailures, StopsWhereThePrinterFails)
{
    RecordingPrinter printer;
    GetParam().setup(printer);
    printout(printer);
    EXPECT_EQ(printer.transcript(), GetParam().transcript);
}

INSTANTIATE_TEST_SUITE_P(Failures, RecordingFailures,
    ::testing::Values(FailureCase { "NoFailure", [](RecordingPrinter&) {},
                          "choosePrinter\nfont Arial 11\nat 5 \"Gross\"\nendLine\nendDocument\n" },
        FailureCase { "CancelledChoice", [](RecordingPrinter& p) { p.setCancelChoice(true); },
            "choosePrinter cancelled\n" },
        FailureCase { "FirstCall", [](RecordingPrinter& p) { p.failAtCall(1); }, "choosePrinter failed\n" },
        FailureCase { "ThirdCall", [](RecordingPrinter& p) { p.failAtCall(3); },
            "choosePrinter\nfont Arial 11\nat 5 \"Gross\" failed\n" },
        FailureCase { "AtEndDocument", [](RecordingPrinter& p) { p.failAt("endDocument"); },
            "choosePrinter\nfont Arial 11\nat 5 \"Gross\"\nendLine\nendDocument failed\n" },
        FailureCase { "AtFont", [](RecordingPrinter& p) { p.failAt("font"); },
            "choosePrinter\nfont Arial 11 failed\n" }),
    [](const auto& test) { return std::string(test.param.name); });

TEST(RecordingPrinter, BrokenPrinterStaysBroken)
{
    RecordingPrinter printer;
    printer.failAt("endLine");
    EXPECT_TRUE(printer.printAt(1, "a"));
    EXPECT_FALSE(printer.endLine());
    EXPECT_FALSE(printer.printAt(1, "b"));
    EXPECT_FALSE(printer.endDocument());
    EXPECT_TRUE(printer.broken());
    EXPECT_EQ(printer.calls().back(), "endDocument failed");
}

TEST(RecordingPrinter, RecordsOrientationAndPicture)
{
    RecordingPrinter printer;
    Screen window;
    window.setTitle("Form1");
    printer.setOrientation(Orientation::Landscape);
    printer.setOrientation(Orientation::Portrait);
    printer.printWindowPicture(window);
    EXPECT_EQ(printer.transcript(), "orientation landscape\norientation portrait\npicture Form1\n");
    printer.clear();
    EXPECT_TRUE(printer.calls().empty());
}

} // namespace
} // namespace tallyman::ui
