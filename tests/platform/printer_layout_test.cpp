// Column, line and page placement of printed items.
#include "platform/printer_layout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace tallyman::ui {

bool operator==(const PlacedText& a, const PlacedText& b)
{
    return a.page == b.page && a.x == b.x && a.y == b.y && a.text == b.text;
}

void PrintTo(const PlacedText& p, std::ostream* os)
{
    *os << "{page " << p.page << ", x " << p.x << ", y " << p.y << ", \"" << p.text << "\"}";
}

namespace {

struct Op {
    enum Kind { At, EndLine, Font, Area } kind;
    int column = 0;
    std::string text;
    FontMetrics font;
    PageArea area;
};

Op at(int column, std::string text) { return { Op::At, column, std::move(text), {}, {} }; }
Op endLine() { return { Op::EndLine, 0, {}, {}, {} }; }
Op font(double charWidth, double lineHeight)
{
    return { Op::Font, 0, {}, { charWidth, lineHeight, {} }, {} };
}
Op area(double width, double height) { return { Op::Area, 0, {}, {}, { width, height } }; }

struct LayoutCase {
    const char* name;
    PageArea area;
    std::vector<Op> ops;
    std::vector<PlacedText> expected;
};

class Layout : public ::testing::TestWithParam<LayoutCase> { };

TEST_P(Layout, PlacesItems)
{
    const auto& c = GetParam();
    ColumnLayout layout(c.area, { 1, 1, {} });
    std::vector<PlacedText> placed;
    for (const auto& op : c.ops) {
        switch (op.kind) {
        case Op::At:
            placed.push_back(layout.place(op.column, op.text));
            break;
        case Op::EndLine:
            layout.endLine();
            break;
        case Op::Font:
            layout.setFont(op.font);
            break;
        case Op::Area:
            layout.setArea(op.area);
            break;
        }
    }
    EXPECT_EQ(placed, c.expected);
}

const PageArea wide { 80, 0 };

INSTANTIATE_TEST_SUITE_P(Rules, Layout,
    ::testing::Values(LayoutCase { "ColumnsOnOneLine", wide, { at(1, "Gross"), at(10, "Net") },
                          { { 0, 0, 0, "Gross" }, { 0, 9, 0, "Net" } } },
        LayoutCase { "ColumnRightAfterTextStaysOnLine", wide, { at(1, "Gross"), at(6, "X") },
            { { 0, 0, 0, "Gross" }, { 0, 5, 0, "X" } } },
        LayoutCase { "PassedColumnGoesToNextLine", wide, { at(1, "Gross pay"), at(5, "X") },
            { { 0, 0, 0, "Gross pay" }, { 0, 4, 1, "X" } } },
        LayoutCase { "SameColumnTwiceGoesDown", wide, { at(3, "A"), at(3, "B") },
            { { 0, 2, 0, "A" }, { 0, 2, 1, "B" } } },
        LayoutCase { "EmptyTextMovesThePrintPosition", wide, { at(10, ""), at(5, "X") },
            { { 0, 9, 0, "" }, { 0, 4, 1, "X" } } },
        LayoutCase { "BlankLinesAdvance", wide, { at(1, "A"), endLine(), endLine(), at(1, "B") },
            { { 0, 0, 0, "A" }, { 0, 0, 2, "B" } } },
        LayoutCase { "ColumnBelowOneIsTheLeftEdge", wide, { at(0, "A"), endLine(), at(-3, "B") },
            { { 0, 0, 0, "A" }, { 0, 0, 1, "B" } } },
        LayoutCase { "TextCutAtRightEdge", { 10, 0 }, { at(8, "ABCDEF") }, { { 0, 7, 0, "ABC" } } },
        LayoutCase { "TextEndingAtRightEdgeIsWhole", { 10, 0 }, { at(8, "ABC") }, { { 0, 7, 0, "ABC" } } },
        LayoutCase { "ItemPastRightEdgeIsInvisibleButMovesOn", { 10, 0 }, { at(12, "X"), at(1, "Y") },
            { { 0, 11, 0, "" }, { 0, 0, 1, "Y" } } },
        LayoutCase { "CutKeepsWholeCharacters", { 2, 0 }, { at(1, "\xC3\xA9\xC3\xA9\xC3\xA9") },
            { { 0, 0, 0, "\xC3\xA9\xC3\xA9" } } },
        LayoutCase { "NewPageWhenLineDoesNotFit", { 80, 3 },
            { at(1, "A"), endLine(), endLine(), endLine(), at(1, "B") },
            { { 0, 0, 0, "A" }, { 1, 0, 0, "B" } } },
        LayoutCase { "LastLineOfPageStillFits", { 80, 3 }, { endLine(), endLine(), at(1, "C") },
            { { 0, 0, 2, "C" } } },
        LayoutCase { "WrapIntoNewPage", { 80, 2 }, { endLine(), at(5, "A"), at(1, "B") },
            { { 0, 4, 1, "A" }, { 1, 0, 0, "B" } } },
        LayoutCase { "LargerFontWidensColumnsFromNextItem", wide,
            { at(1, "AB"), font(2, 3), at(3, "C"), endLine(), at(1, "D") },
            { { 0, 0, 0, "AB" }, { 0, 4, 0, "C" }, { 0, 0, 3, "D" } } },
        LayoutCase { "LargerFontColumnAlreadyPassed", wide, { at(1, "ABCDE"), font(2, 3), at(3, "C") },
            { { 0, 0, 0, "ABCDE" }, { 0, 4, 3, "C" } } },
        LayoutCase { "AreaOfUntouchedPageChangesAtOnce", { 5, 0 }, { area(20, 0), at(1, "ABCDEFGHIJ") },
            { { 0, 0, 0, "ABCDEFGHIJ" } } },
        LayoutCase { "AreaChangeWaitsForNextPage", { 5, 2 },
            { at(1, "ABCDEFGHIJ"), area(20, 2), endLine(), endLine(), at(1, "ABCDEFGHIJ") },
            { { 0, 0, 0, "ABCDE" }, { 1, 0, 0, "ABCDEFGHIJ" } } }),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Layout, ProportionalWidthsDecidePassingAndCutting)
{
    // 'W' is three units wide, everything else one; a column is two units.
    auto width = [](std::string_view text) {
        double w = 0;
        for (char c : text)
            w += c == 'W' ? 3 : 1;
        return w;
    };
    ColumnLayout layout({ 10, 0 }, { 2, 5, width });
    EXPECT_EQ(layout.place(1, "WW").x, 0); // ends at 6
    const auto next = layout.place(4, "a"); // column 4 starts at 6: not passed
    EXPECT_EQ(next.y, 0);
    EXPECT_EQ(next.x, 6);
    EXPECT_EQ(layout.place(4, "b").y, 5); // now passed
    EXPECT_EQ(layout.place(5, "aaW").text, "aa"); // two units of room at column 5
    EXPECT_EQ(layout.place(1, "aWa").text, "aWa");
}

// A form's text that would be cut moves left to end at the edge, but never over what is on
// its line already; what is longer than the room left is cut where it stands.
TEST(Layout, AFormMovesTextsLeftRatherThanCutThem)
{
    ColumnLayout layout({ 10, 0 }, { 1, 1, {} });
    layout.keepWhole();
    EXPECT_EQ(layout.place(8, "ABCDEF"), (PlacedText { 0, 4, 0, "ABCDEF" }));
    layout.endLine();
    EXPECT_EQ(layout.place(8, "ABC"), (PlacedText { 0, 7, 1, "ABC" })); // fits where it is
    layout.endLine();
    layout.place(1, "XXXXXX");
    EXPECT_EQ(layout.place(7, "ABCDEF"), (PlacedText { 0, 6, 2, "ABCD" }));
    layout.endLine();
    EXPECT_EQ(layout.place(3, std::string(12, 'L')), (PlacedText { 0, 2, 3, std::string(8, 'L') }));
}

// The next lines are set closer when the rest of the page cannot hold them, only as much as
// needed, until the next font; a page that holds them keeps their spacing.
TEST(Layout, FitLinesSetsThemCloserOnAShortPage)
{
    ColumnLayout layout({ 80, 10 }, { 1, 2, {} });
    layout.endLine(); // y 2
    layout.fitLines(3); // needs 2 + 2 + 2 = 6 of the 8 left
    layout.endLine();
    EXPECT_EQ(layout.y(), 4);
    layout.fitLines(5); // needs 10 of 6: the advance becomes (6 - 2) / 4
    for (int i = 0; i < 4; ++i)
        layout.endLine();
    EXPECT_DOUBLE_EQ(layout.y(), 8);
    EXPECT_EQ(layout.place(1, "last").page, 0);
    layout.setFont({ 1, 2, {} });
    layout.endLine();
    EXPECT_DOUBLE_EQ(layout.y(), 10);
    EXPECT_EQ(layout.place(1, "next page").page, 1);

    ColumnLayout endless({ 80, 0 }, { 1, 2, {} });
    endless.fitLines(100);
    endless.endLine();
    EXPECT_EQ(endless.y(), 2);
}

TEST(Layout, FractionalWidthsAddUpWithoutSpuriousWraps)
{
    // Three tenths do not add up exactly in binary; the column right after must not wrap.
    ColumnLayout layout({ 100, 0 }, { 0.1, 1, {} });
    layout.place(1, "abc");
    EXPECT_EQ(layout.place(4, "d").y, 0);
}

} // namespace
} // namespace tallyman::ui
