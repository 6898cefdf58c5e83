// The pay statement, line by line, in character columns.
#include "printing/statement.h"

namespace tallyman::printing {

namespace {

const std::string LongRule(203, '-');
const std::string Rule(198, '-');

} // namespace

bool PrintText(ui::Printer& printer, const StatementFigures& s)
{
    const PeriodFigures& f = s.period;
    const PayResult& p = f.pay;
    const YearLedger& y = f.ledger;
    const DerivedAmounts d = deriveAmounts(f);
    const auto money = [](double value) { return amountText(value); };

    Sheet sheet(printer);
    sheet.font(11).blankLines(2);
    sheet.at(1, s.heading.Company).end();
    sheet.at(1, s.heading.CompanyAddress).end();
    sheet.at(1, s.heading.CompanyZip).at(85, s.heading.CompanyId).end();
    sheet.font(10).at(1, LongRule).end();
    sheet.at(1, "Employee:").at(20, s.UserName).at(50, s.ssNumber).end(1);
    sheet.at(5, "Date:").at(15, s.today).at(85, "For Week Ending: " + f.txtWeek).end(1);
    sheet.at(45, "            ").at(65, std::string("         ") + "    ." + "  ." + "  ").end(5);

    sheet.at(5, "Description").at(30, "Rate").at(50, "Hours").at(65, "Earnings").end();
    sheet.at(5, Rule).end();
    const auto earning
        = [&](const char* what, double rate, const std::string& hours, double earned) -> Sheet& {
        return sheet.at(5, what).at(30, money(rate)).at(50, fieldAmount(hours)).at(65, money(earned));
    };
    earning("Regular1 Earning", f.HourRate, f.txtAmount[0], p.Reg1Pay).end();
    earning("Regular2 Earning", f.HourRate2, f.txtAmount[1], p.Reg2Pay).end();
    earning("O.T. 1x / 2x Earned", d.otRate, f.txtAmount[2], d.otEarnings).end();
    earning("O.T. 1.5x Earned", d.ot15Rate, f.txtAmount[3], d.ot15Earnings).at(85, "YTD").end();
    sheet.at(5, "Tips").at(30, money(f.TipsRate)).at(50, money(p.TipsHrs)).at(65, money(d.MyTips));
    sheet.at(85, money(y.TotTips.toDouble())).end();
    earning("Holiday", f.HourRate, f.txtAmount[4], d.holiday).end();
    earning("Vacation/Sick", f.HourRate, f.txtAmount[5], d.vacation).end();
    sheet.at(5, "Adjustment").at(30, fieldAmount(f.txtAmount[6])).at(65, money(p.Addit.toDouble())).end(7);

    sheet.at(65, "Taxes / Deductions").at(100, "Current").at(115, "YTD").end();
    sheet.at(5, Rule).end();
    for (const YtdLine& line : ytdLines(f))
        sheet.at(65, line.caption).at(100, fieldAmount(line.current)).at(115, money(line.ytd)).end();
    sheet.blankLines(5);

    sheet.at(30, "Earnings")
        .at(50, "Taxes")
        .at(65, "Deductions")
        .at(85, "Net Pay")
        .at(100, "Period Ending")
        .end();
    sheet.at(5, Rule).end(1);
    sheet.at(5, "Current").at(30, fieldAmount(f.Label13)).at(50, fieldAmount(f.lbTaxes));
    sheet.at(65, fieldAmount(f.lbDeduct)).at(85, fieldAmount(f.lbNet)).end();
    sheet.at(5, "YTD").at(30, money(y.TotGross.toDouble())).at(50, money(d.ytdTaxes));
    sheet.at(65, money(d.ytdDeductions)).at(85, money(y.TotNet.toDouble())).at(100, f.txtWeek).end();
    sheet.at(5, Rule).end();
    return sheet.finish();
}

} // namespace tallyman::printing
