// Plain-text printouts: columns as character positions, lines, pages, documents.
#include "platform/text_printer.h"

#include "platform/controls.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace tallyman::ui {
namespace {

using Script = std::function<void(TextPrinter&)>;

struct TextCase {
    const char* name;
    TextPrinterOptions options;
    Script script;
    std::vector<std::string> documents;
};

class TextPrinting : public ::testing::TestWithParam<TextCase> { };

TEST_P(TextPrinting, WritesDocuments)
{
    const auto& c = GetParam();
    TextPrinter printer(c.options);
    ASSERT_TRUE(printer.choosePrinter());
    c.script(printer);
    EXPECT_EQ(printer.documents(), c.documents);
}

// One point per column in the default 10-point font: 10 columns upright, 16 across.
const TextPrinterOptions narrow { 10, 16, 0, 0.1 };
const TextPrinterOptions paged { 10, 16, 2, 0.1 };

INSTANTIATE_TEST_SUITE_P(Printouts, TextPrinting,
    ::testing::Values(TextCase { "ColumnsAreCharacterPositions", {},
                          [](TextPrinter& p) {
                              p.setFont("Arial", 11);
                              p.printAt(1, "Gross");
                              p.printAt(20, "100.00");
                              p.endLine();
                              p.printAt(3, "Net");
                              p.printAt(20, "90.00");
                              p.endLine();
                              p.endDocument();
                          },
                          { "Gross              100.00\n  Net              90.00\n" } },
        TextCase { "BlankLinesAreKept", {},
            [](TextPrinter& p) {
                p.printAt(1, "A");
                p.endLine();
                p.endLine();
                p.printAt(1, "B");
                p.endLine();
                p.endDocument();
            },
            { "A\n\nB\n" } },
        TextCase { "UnfinishedLastLineIsPrinted", {},
            [](TextPrinter& p) {
                p.printAt(4, "A");
                p.endDocument();
            },
            { "   A\n" } },
        TextCase { "PassedColumnWrapsToNextLine", {},
            [](TextPrinter& p) {
                p.printAt(1, "Federal Tax");
                p.printAt(5, "12.00");
                p.endDocument();
            },
            { "Federal Tax\n    12.00\n" } },
        TextCase { "PortraitCutsAtRightEdge", narrow,
            [](TextPrinter& p) {
                p.printAt(6, "1234567890");
                p.endDocument();
            },
            { "     12345\n" } },
        TextCase { "LandscapeIsWider", narrow,
            [](TextPrinter& p) {
                p.setOrientation(Orientation::Landscape);
                p.printAt(6, "1234567890");
                p.endDocument();
                p.printAt(6, "1234567890");
                p.endDocument();
            },
            { "     1234567890\n", "     1234567890\n" } },
        TextCase { "PagesSeparatedByFormFeed", paged,
            [](TextPrinter& p) {
                for (const char* line : { "A", "B", "C" }) {
                    p.printAt(1, line);
                    p.endLine();
                }
                p.endDocument();
            },
            { "A\nB\n\f\nC\n" } },
        TextCase { "OrientationDuringDocumentTurnsNextPage", paged,
            [](TextPrinter& p) {
                p.printAt(1, "123456789012");
                p.setOrientation(Orientation::Landscape);
                p.endLine();
                p.endLine();
                p.printAt(1, "123456789012");
                p.endDocument();
            },
            { "1234567890\n\f\n123456789012\n" } },
        TextCase { "SmallerFontHoldsMoreColumns", narrow,
            [](TextPrinter& p) {
                p.setFont("Arial", 5);
                p.printAt(11, "1234567890X");
                p.endLine();
                p.setFont("Arial", 10);
                p.printAt(6, "1234567890");
                p.endDocument();
            },
            { "          1234567890\n     12345\n" } },
        TextCase { "ItemAfterWiderFontWrapsWhereThePageWould", narrow,
            [](TextPrinter& p) {
                p.printAt(1, "abcd");
                p.setFont("Arial", 5);
                p.printAt(6, "x");
                p.printAt(10, "y");
                p.endDocument();
            },
            { "abcd\n     x   y\n" } },
        TextCase { "NothingPrintedGivesNoDocument", {},
            [](TextPrinter& p) {
                p.setFont("Arial", 10);
                p.endDocument();
            },
            {} },
        TextCase { "EachDocumentStartsAtTheTop", {},
            [](TextPrinter& p) {
                p.printAt(5, "one");
                p.endDocument();
                p.printAt(2, "two");
                p.endDocument();
            },
            { "    one\n", " two\n" } },
        TextCase { "WideCharactersCountOnce", {},
            [](TextPrinter& p) {
                p.printAt(1, "\xC3\xA9");
                p.printAt(3, "X");
                p.endDocument();
            },
            { "\xC3\xA9 X\n" } }),
    [](const auto& test) { return std::string(test.param.name); });

TEST(TextPrinter, ReportsEachDocumentAndPrintsWindowPictureAsItsOwnDocument)
{
    TextPrinter printer;
    std::vector<std::string> seen;
    printer.onDocument = [&](const std::string& doc) { seen.push_back(doc); };
    Screen window;
    window.setTitle("  User:  Smith");
    printer.printAt(1, "x");
    printer.endDocument();
    EXPECT_TRUE(printer.printWindowPicture(window));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], "x\n");
    EXPECT_NE(seen[1].find("  User:  Smith"), std::string::npos);
}

// The ledger's last column on Letter paper turned landscape; the printable width holds 218
// columns of 8-point Arial and 174 of 10-point.
TEST(TextPrinter, LetterLandscapeHoldsTheLedgersGrossColumnInEightPoint)
{
    TextPrinter printer;
    printer.setOrientation(Orientation::Landscape);
    printer.setFont("Arial", 8);
    printer.printAt(197, "Gross");
    printer.printAt(214, "123456");
    printer.endLine();
    printer.setFont("Arial", 10);
    printer.printAt(170, "123456789");
    printer.endDocument();
    const std::string& doc = printer.documents().at(0);
    EXPECT_EQ(doc,
        std::string(196, ' ') + "Gross" + std::string(12, ' ') + "12345\n" + std::string(169, ' ')
            + "12345\n");
}

TEST(TextPrinter, KeepsFontAndOrientationAcrossDocuments)
{
    TextPrinter printer;
    printer.setFont("Arial", 8);
    printer.setOrientation(Orientation::Landscape);
    printer.printAt(1, "a");
    printer.endDocument();
    EXPECT_EQ(printer.fontName(), "Arial");
    EXPECT_EQ(printer.fontPoints(), 8);
    EXPECT_EQ(printer.orientation(), Orientation::Landscape);
}

} // namespace
} // namespace tallyman::ui

namespace tallyman::ui {
namespace {

// A rule has as many hyphens as reach the right edge on paper, where a hyphen is narrower
// than a column: the text and the PDF agree.
TEST(TextPrinter, ARuleRunsAsFarAsOnPaper)
{
    TextPrinter printer;
    printer.setFont("Arial", 10);
    printer.printAt(1, std::string(203, '-'));
    printer.endLine();
    printer.setFont("Arial", 8);
    printer.printAt(5, std::string(198, '-'));
    printer.endDocument();
    const auto hyphens = [](double room, int points) {
        return static_cast<std::size_t>(room / (LiberationSansHyphenWidth * points));
    };
    const double width = LetterPrintablePage.portraitWidth;
    const std::string expected = std::string(hyphens(width, 10), '-') + "\n    "
        + std::string(
            std::min<std::size_t>(198, hyphens(width - 4 * LiberationSansAverageCharWidth * 8, 8)), '-')
        + "\n";
    EXPECT_EQ(printer.documents().at(0), expected);
    EXPECT_EQ(hyphens(width, 10), 177u);
}

TEST(TextPrinter, AFormsFieldMovesLeftToStayWhole)
{
    TextPrinter printer;
    printer.keepTextsWhole();
    printer.setFont("Arial", 11);
    printer.printAt(118, "12/31/2026");
    printer.endLine();
    printer.printAt(100, "12/31/2026");
    printer.endDocument();
    EXPECT_EQ(printer.documents().at(0),
        std::string(111, ' ') + "12/31/2026\n" + std::string(99, ' ') + "12/31/2026\n");
}

} // namespace
} // namespace tallyman::ui
