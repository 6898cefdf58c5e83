// The check, its stubs and the alignment test page, in character columns.
#include "printing/check.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace tallyman::printing {

namespace {

const std::string Rule(198, '-');

// One stub: the second has one blank line (not two) before its summary.
void printStub(Sheet& sheet, const CheckFigures& c, const DerivedAmounts& d, int blankBeforeSummary)
{
    const PeriodFigures& f = c.period;
    const PayResult& p = f.pay;
    const YearLedger& y = f.ledger;
    const auto money = [](double value) { return amountText(value); };

    sheet.at(5, c.check.txtPayTo).at(45, c.check.txtUserSSnum).at(65, "For Week Ending: " + f.txtWeek);
    sheet.at(125, c.check.txtCheckDate).end();
    sheet.at(5, "Description").at(30, "Rate").at(45, "Hours").at(55, "Earnings").at(65, "Taxes/Deduct");
    sheet.at(102, "Current").at(125, "YTD").end();
    sheet.at(5, Rule).end();

    struct Left {
        const char* what;
        std::string rate, hours, earned;
    };
    const auto hours = [&](int box) { return fieldAmount(f.txtAmount[static_cast<std::size_t>(box)]); };
    const std::vector<Left> left {
        { "Regular1 Earning", money(f.HourRate), hours(0), money(p.Reg1Pay) },
        { "Regular2 Earning", money(f.HourRate2), hours(1), money(p.Reg2Pay) },
        { "O.T. 1x / 2x Earned", money(d.otRate), hours(2), money(d.otEarnings) },
        { "O.T. 1.5x Earned", money(d.ot15Rate), hours(3), money(d.ot15Earnings) },
        { "Holiday", money(f.HourRate), hours(4), money(d.holiday) },
        { "Vacation/Sick", money(f.HourRate), hours(5), money(d.vacation) },
        { "Adjustment", hours(6), "", money(p.Addit.toDouble()) },
        { "Tips", money(f.TipsRate), money(p.TipsHrs), money(d.MyTips) },
    };
    const std::vector<YtdLine> right = ytdLines(f);
    for (std::size_t i = 0; i < right.size(); ++i) {
        if (i < left.size()) {
            const Left& l = left[i];
            sheet.at(5, l.what).at(30, l.rate);
            if (!l.hours.empty())
                sheet.at(45, l.hours);
            sheet.at(55, l.earned);
        }
        sheet.at(65, right[i].caption)
            .at(102, fieldAmount(right[i].current))
            .at(125, money(right[i].ytd))
            .end();
    }
    sheet.blankLines(blankBeforeSummary);
    sheet.at(30, "Earnings").at(50, "Taxes").at(65, "Deductions").at(85, "Net Pay").end();
    sheet.at(5, "Current").at(30, fieldAmount(f.Label13)).at(50, fieldAmount(f.lbTaxes));
    sheet.at(65, fieldAmount(f.lbDeduct)).at(85, fieldAmount(f.lbNet)).end();
    // The totals window shows the year's gross in txtTotNet and its net in txtTotGross.
    sheet.at(5, "YTD").at(30, money(y.TotGross.toDouble())).at(50, money(d.ytdTaxes));
    sheet.at(65, money(d.ytdDeductions)).at(85, money(y.TotNet.toDouble())).end();
}

std::string box(const std::string& label, std::size_t width)
{
    return label + std::string(width > label.size() ? width - label.size() : 0, '_');
}

// The stubs' lines: 10 blank, the first stub (22), 7 blank, the second (21). The test page
// prints on the same lines, so that both are set alike on a short page.
constexpr int BlankAboveStubs = 10;
constexpr int BlankBetweenStubs = 7;
constexpr int StubLines = 22;
constexpr int LinesBelowCheck = BlankAboveStubs + StubLines + BlankBetweenStubs + (StubLines - 1);

// The test page's outline of a stub runs from one column left of the stub's text to past the
// end of its rule.
constexpr int OutlineLeft = 4;
constexpr int OutlineRight = 156;

// A hyphen in every column from `from` to `to` that the shift leaves on the page: a column is
// wider than a hyphen, so the dashes keep to the grid.
Sheet& dashes(Sheet& sheet, int shift, int from, int to)
{
    for (int column = std::max(from, 1 - shift); column <= to; ++column)
        sheet.at(column, "-");
    return sheet;
}

// A stub of the test page, line for line where the stub prints: its fields as labelled boxes,
// its headings and rule, and the outline's sides, its bottom edge on the stub's last line.
void outlineStub(Sheet& sheet, int shift, int blankBeforeSummary)
{
    // The left side only where there is a column left of the stub's text.
    const bool leftSide = OutlineLeft + shift >= 1;
    const auto line = [&](const std::function<void()>& fields) {
        if (leftSide)
            sheet.at(OutlineLeft, "|");
        if (fields)
            fields();
        sheet.at(OutlineRight, "|").end();
    };
    sheet.at(5, box("PAY TO", 26)).at(45, box("SSN", 12)).at(65, box("FOR WEEK ENDING", 36));
    sheet.at(125, box("DATE", 10)).end();
    line([&] {
        sheet.at(5, "Description").at(30, "Rate").at(45, "Hours").at(55, "Earnings").at(65, "Taxes/Deduct");
        sheet.at(102, "Current").at(125, "YTD");
    });
    line([&] { sheet.at(5, Rule); });
    for (int row = 0; row < 14 + blankBeforeSummary; ++row)
        line({});
    line([&] { sheet.at(30, "Earnings").at(50, "Taxes").at(65, "Deductions").at(85, "Net Pay"); });
    line([&] { sheet.at(5, "Current"); });
    line([&] { dashes(sheet.at(5, "YTD"), shift, 11, OutlineRight - 1); });
}

} // namespace

int linesAboveCheck(int marginLines) { return std::max(marginLines + 1, 0); }

bool PrintCheck(ui::Printer& printer, const CheckFigures& c)
{
    const DerivedAmounts d = deriveAmounts(c.period);
    const CheckTexts& t = c.check;
    Sheet sheet(printer, c.offsets.horizontal);
    // One sheet of check paper: nothing may be cut or run onto a second page.
    sheet.keepWhole().font(11).blankLines(linesAboveCheck(c.offsets.marginLines));
    sheet.at(107, t.txtCheckDate).end(2);
    sheet.at(15, t.txtPayTo).at(102, t.txtCheckAmt).end(1);
    sheet.at(5, "*****" + t.words + "*****").end(1);
    sheet.at(15, t.txtUserName).at(75, t.txtUserSSnum).end();
    sheet.at(15, t.txtUserAddress).end();
    sheet.at(15, t.txtUserState).end(1);
    sheet.at(10, t.txtMemo).end();

    sheet.font(8).fitLines(LinesBelowCheck).blankLines(BlankAboveStubs);
    printStub(sheet, c, d, 2);
    sheet.blankLines(BlankBetweenStubs);
    printStub(sheet, c, d, 1);
    return sheet.finish();
}

bool PrintTestPage(ui::Printer& printer, const CheckOffsets& offsets)
{
    // The check's lines, each with its fields at the check's own columns (before the shift).
    struct Field {
        int column;
        std::string text;
    };
    std::vector<std::vector<Field>> lines(static_cast<std::size_t>(linesAboveCheck(offsets.marginLines)));
    const auto add = [&](std::vector<Field> fields) { lines.push_back(std::move(fields)); };
    add({ { 107, box("DATE", 10) } });
    add({});
    add({});
    add({ { 15, box("PAY TO", 60) }, { 102, box("$", 9) } });
    add({});
    add({ { 5, box("AMOUNT IN WORDS", 80) } });
    add({});
    add({ { 15, box("NAME", 40) }, { 75, box("SSN", 11) } });
    add({ { 15, box("ADDRESS", 40) } });
    add({ { 15, box("CITY, STATE ZIP", 40) } });
    add({});
    add({ { 10, box("MEMO", 40) } });

    Sheet shifted(printer, offsets.horizontal);
    Sheet page(printer); // the rulers and the line numbers stay where the paper is
    shifted.keepWhole();
    page.font(11);
    const auto ruler = [&](int last) {
        page.at(1, "1");
        for (int column = 10; column <= last; column += 10)
            page.at(column, std::to_string(column));
    };
    // The ruler goes on the top line, or under the date when the check starts at the top.
    const std::size_t rulerLine = lines.front().empty() ? 0 : 1;
    for (std::size_t i = 0; i < lines.size() && page.ok() && shifted.ok(); ++i) {
        const auto& fields = lines[i];
        if (i == rulerLine) {
            ruler(110);
        } else {
            // A number needs three columns; a field that starts further left keeps its place.
            const bool room = fields.empty() || fields.front().column + offsets.horizontal >= 4;
            if (room)
                page.at(1, std::to_string(i + 1));
            for (const Field& field : fields)
                shifted.at(field.column, field.text);
        }
        page.end();
    }

    // The stubs' outlines, on the lines the stubs print on, with their own ruler above.
    page.font(8).fitLines(LinesBelowCheck).blankLines(BlankAboveStubs - 2);
    ruler(150);
    page.end();
    dashes(shifted, offsets.horizontal, OutlineLeft, OutlineRight).end();
    outlineStub(shifted, offsets.horizontal, 2);
    page.blankLines(BlankBetweenStubs - 1);
    dashes(shifted, offsets.horizontal, OutlineLeft, OutlineRight).end();
    outlineStub(shifted, offsets.horizontal, 1);
    return shifted.ok() ? page.finish() : shifted.finish();
}

} // namespace tallyman::printing
