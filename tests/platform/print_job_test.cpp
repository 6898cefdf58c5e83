// A printout recorded as text and played back into another printer.
#include "platform/print_job.h"

#include "platform/controls.h"
#include "platform/recording_printer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tallyman::ui {
namespace {

// Every kind of call, with texts that need escaping.
void printout(Printer& p)
{
    p.setOrientation(Orientation::Landscape);
    p.setFont("Arial", 8);
    p.printAt(5, "Gross\tNet");
    p.printAt(197, "back\\slash\r\nnew line");
    p.endLine();
    p.setFont("Times New Roman", 11);
    p.printAt(1,
        "Cr\xc3\xa9"
        "dit 100%");
    p.printAt(2, "");
    p.endLine();
    p.endDocument();
}

TEST(PrintJob, PlaysBackTheCallsItRecorded)
{
    PrintJobRecorder recorder;
    printout(recorder);
    RecordingPrinter direct;
    direct.choosePrinter();
    printout(direct);

    RecordingPrinter replayed;
    EXPECT_EQ(replayPrintJob(recorder.job(), replayed), std::nullopt);
    EXPECT_EQ(replayed.transcript(), direct.transcript());
    // One call per line: the texts' own tabs and line ends are escaped.
    EXPECT_EQ(std::count(recorder.job().begin(), recorder.job().end(), '\n'), 9);
}

TEST(PrintJob, AFormsCallsTravelToo)
{
    const auto form = [](Printer& p) {
        p.keepTextsWhole();
        p.setFont("Arial", 8);
        p.fitLines(60);
        p.printAt(125, "12/31/2026");
        p.endDocument();
    };
    PrintJobRecorder recorder;
    form(recorder);
    RecordingPrinter direct;
    direct.choosePrinter();
    form(direct);
    RecordingPrinter replayed;
    EXPECT_EQ(replayPrintJob(recorder.job(), replayed), std::nullopt);
    EXPECT_EQ(replayed.transcript(), direct.transcript());
    EXPECT_NE(replayed.transcript().find("fitLines 60\n"), std::string::npos);
}

TEST(PrintJob, APdfNeedsANameInAFolderThatExists)
{
    EXPECT_EQ(pdfPathProblem(""), "cannot write the PDF: the file name is empty");
    EXPECT_EQ(pdfPathProblem("/no/such/folder/a.pdf"),
        "cannot write the PDF /no/such/folder/a.pdf: the folder /no/such/folder does not exist");
    EXPECT_EQ(pdfPathProblem("/tmp/a.pdf"), std::nullopt);
}

struct BadJob {
    const char* name;
    std::string job;
    std::string failure;
};

class BadJobs : public ::testing::TestWithParam<BadJob> { };

TEST_P(BadJobs, AreRefusedAtTheirLine)
{
    RecordingPrinter printer;
    EXPECT_EQ(replayPrintJob(GetParam().job, printer), GetParam().failure);
    EXPECT_EQ(printer.transcript().find("endDocument"), std::string::npos) << "a refused job is not finished";
}

INSTANTIATE_TEST_SUITE_P(Jobs, BadJobs,
    ::testing::Values(BadJob { "UnknownCall", "line\nbold\n", "line 2 is not a printer call" },
        BadJob { "ColumnNotANumber", "at\tx\tGross\n", "line 1 is not a printer call" },
        BadJob { "ColumnWithJunk", "at\t5px\tGross\n", "line 1 is not a printer call" },
        BadJob { "FontWithoutName", "font\t8\n", "line 1 is not a printer call" },
        BadJob { "UnknownEscape", "at\t1\ta\\qb\n", "line 1 is not a printer call" },
        BadJob { "EscapeAtTheEnd", "at\t1\tab\\\n", "line 1 is not a printer call" },
        BadJob { "Sideways", "orientation\tsideways\n", "line 1 is not a printer call" },
        BadJob { "ExtraField", "line\textra\n", "line 1 is not a printer call" },
        BadJob { "EmptyLine", "line\n\nline\n", "line 2 is not a printer call" },
        BadJob { "FitWithoutLines", "fit\tmany\n", "line 1 is not a printer call" }),
    [](const auto& c) { return std::string(c.param.name); });

TEST(PrintJob, ThePrintersFailureEndsThePlayback)
{
    PrintJobRecorder recorder;
    printout(recorder);
    RecordingPrinter printer;
    printer.failAt("at 197");
    const auto failure = replayPrintJob(recorder.job(), printer);
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->empty());
    EXPECT_EQ(printer.transcript().find("Times"), std::string::npos) << "nothing is played after the failure";
}

TEST(PrintJob, AnEmptyJobIsABlankDocument)
{
    RecordingPrinter printer;
    EXPECT_EQ(replayPrintJob("", printer), std::nullopt);
    EXPECT_EQ(printer.transcript(), "choosePrinter\nendDocument\n");
}

TEST(PrintJob, AWindowPictureHasNoTextForm)
{
    PrintJobRecorder recorder;
    Screen window;
    EXPECT_FALSE(recorder.printWindowPicture(window));
    EXPECT_NE(recorder.failure().find("command line"), std::string::npos);
}

} // namespace
} // namespace tallyman::ui
