// The check and its test page on real paper sizes, through the column layout in points with
// the widths of Arial's characters: one page at every offset the dialog offers, no field cut.
#include "printing/check.h"

#include "platform/font_metrics.h"
#include "platform/printer_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace tallyman;
using namespace tallyman::printing;

namespace {

// Advances in ems of the characters the check prints (Liberation Sans, Arial's metrics).
double advance(char c)
{
    if (c >= '0' && c <= '9')
        return 0.556;
    switch (c) {
    case ' ':
    case '/':
    case '.':
    case ',':
        return 0.278;
    case '-':
        return ui::LiberationSansHyphenWidth;
    case '*':
        return 0.389;
    case '_':
        return 0.556;
    case '|':
        return 0.26;
    case 'W':
        return 0.944;
    case 'M':
        return 0.833;
    case 'i':
    case 'l':
    case 'I':
        return 0.222;
    default:
        return c >= 'A' && c <= 'Z' ? 0.667 : 0.556;
    }
}

struct Paper {
    const char* name;
    double width, height; // points, 10-point margins all round as the PDF printer has
};
const Paper Letter { "Letter", 612 - 20, 792 - 20 };
const Paper A4 { "A4", 595 - 20, 842 - 20 };

// Lays the printout out on the paper and keeps every item with the text it was asked for.
class PaperPrinter : public ui::Printer {
public:
    explicit PaperPrinter(Paper paper)
        : m_paper(paper)
    { }
    struct Item {
        std::string asked;
        ui::PlacedText placed;
        double right;
    };
    std::vector<Item> items;
    int pages = 0;

    bool choosePrinter() override { return true; }
    bool setFont(const std::string&, int points) override
    {
        m_points = points;
        layout().setFont(metrics());
        return true;
    }
    bool setOrientation(ui::Orientation) override { return true; }
    bool printAt(int column, const std::string& text) override
    {
        const ui::PlacedText placed = layout().place(column, text);
        items.push_back({ text, placed, placed.x + layout().textWidth(placed.text) });
        pages = std::max(pages, placed.page + 1);
        return true;
    }
    bool endLine() override
    {
        layout().endLine();
        return true;
    }
    bool keepTextsWhole() override
    {
        layout().keepWhole();
        return true;
    }
    bool fitLines(int lines) override
    {
        layout().fitLines(lines);
        return true;
    }
    bool endDocument() override { return true; }
    bool printWindowPicture(const ui::Screen&) override { return false; }

private:
    ui::FontMetrics metrics() const
    {
        const double points = m_points;
        return { ui::LiberationSansAverageCharWidth * points, ui::LiberationSansLineSpacing * points,
            [points](std::string_view text) {
                double width = 0;
                for (char c : text)
                    width += advance(c) * points;
                return width;
            } };
    }
    ui::ColumnLayout& layout()
    {
        if (!m_layout)
            m_layout.emplace(ui::PageArea { m_paper.width, m_paper.height }, metrics());
        return *m_layout;
    }
    Paper m_paper;
    int m_points = 10;
    std::optional<ui::ColumnLayout> m_layout;
};

CheckFigures longestCheck(int horizontal, int marginLines)
{
    CheckFigures c;
    c.period.txtWeek = "12/31/2026";
    c.period.lbNet = "$99,999.99";
    c.check = CheckTexts { "12/31/2026", "Dana Whitfield********", "*99999.99", "For December",
        "Dana Whitfield", "22 Elm Street", "Portland, ME 04102", "123-45-6789",
        " Ninety Nine Thousand Nine Hundred Ninety Nine and 99/100" };
    c.offsets = { horizontal, marginLines };
    return c;
}

} // namespace

// Every offset of the dialog's lists (-5 to +5 each way) on both papers: one page, every text
// whole and inside the page.
TEST(CheckOnPaper, EveryOffsetPrintsWholeOnOnePage)
{
    for (const Paper& paper : { Letter, A4 })
        for (int horizontal = -5; horizontal <= 5; ++horizontal)
            for (int vertical = -5; vertical <= 5; ++vertical)
                for (const bool testPage : { false, true }) {
                    SCOPED_TRACE(std::string(paper.name) + (testPage ? " test page" : " check") + " at "
                        + std::to_string(horizontal) + ", " + std::to_string(vertical));
                    PaperPrinter printer(paper);
                    const CheckOffsets offsets { horizontal, vertical + 3 };
                    ASSERT_TRUE(testPage ? PrintTestPage(printer, offsets)
                                         : PrintCheck(printer, longestCheck(horizontal, vertical + 3)));
                    EXPECT_EQ(printer.pages, 1);
                    for (const auto& item : printer.items) {
                        EXPECT_EQ(item.placed.text, item.asked);
                        EXPECT_LE(item.right, paper.width + 1e-6) << item.asked;
                    }
                }
}

// The date keeps its column wherever the paper has room for it, and moves left only at the edge.
TEST(CheckOnPaper, DateMovesLeftOnlyWhenItWouldBeCut)
{
    const auto dateX = [](int horizontal) {
        PaperPrinter printer(Letter);
        EXPECT_TRUE(PrintCheck(printer, longestCheck(horizontal, 3)));
        return printer.items.at(0).placed.x;
    };
    const double column = ui::LiberationSansAverageCharWidth * 11;
    EXPECT_DOUBLE_EQ(dateX(0), 106 * column);
    EXPECT_DOUBLE_EQ(dateX(-5), 101 * column);
    // "12/31/2026": eight digits and two slashes, ending at the right edge.
    EXPECT_NEAR(dateX(5), Letter.width - (8 * 0.556 + 2 * 0.278) * 11, 1e-9);
    EXPECT_LT(dateX(5), 111 * column);
}

TEST(CheckOnPaper, StubsAreSetCloserOnlyWhenThePageIsShort)
{
    const auto stubPitch = [](const Paper& paper, int vertical) {
        PaperPrinter printer(paper);
        EXPECT_TRUE(PrintCheck(printer, longestCheck(0, vertical + 3)));
        std::vector<double> rows;
        for (const auto& item : printer.items)
            if (item.asked == "Regular1 Earning" || item.asked == "Regular2 Earning")
                rows.push_back(item.placed.y);
        EXPECT_EQ(rows.size(), 4u);
        return rows.size() < 2 ? 0.0 : rows[1] - rows[0];
    };
    const double natural = ui::LiberationSansLineSpacing * 8;
    EXPECT_DOUBLE_EQ(stubPitch(Letter, 0), natural);
    EXPECT_DOUBLE_EQ(stubPitch(A4, 5), natural);
    EXPECT_LT(stubPitch(Letter, 5), natural);
    EXPECT_GT(stubPitch(Letter, 5), 0.9 * natural);
}
