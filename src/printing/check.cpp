// The check, its stubs and the alignment test page, in character columns.
#include "printing/check.h"

#include <algorithm>
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
    struct Right {
        std::string caption, current;
        double ytd;
    };
    const std::vector<Right> right {
        { "Federal Tax", f.lbTaxDed[0], y.TotFed },
        { "Social Security Tax", f.lbTaxDed[1], y.TotSS },
        { "Medicare Tax", f.lbTaxDed[2], y.TotMedi },
        { "State Tax", f.lbTaxDed[3], y.TotState },
        { "City Tax", f.lbTaxDed[4], y.TotCity },
        { "State Disability Ins", f.lbSDI, y.TotSdi },
        { "State Unemployment Ins", f.lbSUI, y.TotSui },
        { f.captions[0], f.lbTaxDed[5], y.TotMuni },
        { f.captions[1], f.lbTaxDed[6], y.TotBond },
        { f.captions[2], f.lbTaxDed[7], y.TotDues },
        { f.captions[3], f.lbTaxDed[8], y.TotPen },
        { f.captions[4], f.lbTaxDed[9], y.TotMisc },
        { "K-Plan", f.lbTaxDed[10], y.TotKplan },
        { "Cafeteria Plan", f.lbCafe, y.TotCafe },
    };
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

} // namespace

int linesAboveCheck(int marginLines) { return std::max(marginLines + 1, 0); }

bool PrintCheck(ui::Printer& printer, const CheckFigures& c)
{
    const DerivedAmounts d = deriveAmounts(c.period);
    const CheckTexts& t = c.check;
    Sheet sheet(printer, c.offsets.horizontal);
    sheet.font(11).blankLines(linesAboveCheck(c.offsets.marginLines));
    sheet.at(107, t.txtCheckDate).end(2);
    sheet.at(15, t.txtPayTo).at(102, t.txtCheckAmt).end(1);
    sheet.at(5, "*****" + t.words + "*****").end(1);
    sheet.at(15, t.txtUserName).at(75, t.txtUserSSnum).end();
    sheet.at(15, t.txtUserAddress).end();
    sheet.at(15, t.txtUserState).end(1);
    sheet.at(10, t.txtMemo).end();

    sheet.font(8).blankLines(10);
    printStub(sheet, c, d, 2);
    sheet.blankLines(7);
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
    add({ { 5, box("AMOUNT IN WORDS", 90) } });
    add({});
    add({});
    add({});
    add({});
    add({});
    add({ { 10, box("MEMO", 40) } });

    Sheet shifted(printer, offsets.horizontal);
    Sheet page(printer); // the ruler and the line numbers stay where the paper is
    page.font(11);
    const auto ruler = [&] {
        page.at(1, "1");
        for (int column = 10; column <= 110; column += 10)
            page.at(column, std::to_string(column));
    };
    for (std::size_t i = 0; i < lines.size() && page.ok() && shifted.ok(); ++i) {
        const auto& fields = lines[i];
        if (i == 0 && fields.empty()) {
            ruler(); // the top line is blank on the check: the ruler goes there
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
    if (!shifted.ok())
        return shifted.finish();
    page.end();
    ruler();
    page.end();
    return page.finish();
}

} // namespace tallyman::printing
