// The derived amounts of a period and the line-by-line printing helper.
#include "printing/period_figures.h"

#include "numbers/formats.h"
#include "numbers/number_text.h"

#include <algorithm>

namespace tallyman::printing {

DerivedAmounts deriveAmounts(const PeriodFigures& f)
{
    const PayResult& p = f.pay;
    const YearLedger& y = f.ledger;
    const double m = f.opt1x ? 1 : 2;
    DerivedAmounts d;
    d.otRate = toAmount(m * p.PayRate);
    d.otEarnings = toAmount(lenientNumber(f.txtAmount[2]) * m * p.PayRate);
    d.ot15Rate = toAmount(double(p.PayRate) * 1.5);
    d.ot15Earnings = toAmount(double(p.OtHrs) * 1.5 * p.PayRate);
    d.MyTips = toAmount(double(f.TipsRate) * p.TipsHrs);
    d.holiday = toAmount(double(f.HourRate) * p.Avas);
    d.vacation = toAmount(double(p.VacDys) * p.PayRate);
    // The cafeteria plan is counted with the taxes.
    d.ytdTaxes = toAmount(
        double(y.TotSS) + y.TotFed + y.TotMedi + y.TotState + y.TotCity + y.TotSdi + y.TotSui + y.TotCafe);
    d.ytdDeductions = toAmount(double(y.TotMuni) + y.TotPen + y.TotBond + y.TotDues + y.TotMisc + y.TotKplan);
    return d;
}

std::string amountText(double value) { return formatPlainCents(value); }

std::string fieldAmount(const std::string& text)
{
    const auto value = strictNumber(text);
    return value ? formatPlainCents(*value) : text;
}

Sheet::Sheet(ui::Printer& printer, int shift)
    : m_printer(printer)
    , m_shift(shift)
{ }

Sheet& Sheet::step(bool done)
{
    m_ok = m_ok && done;
    return *this;
}

Sheet& Sheet::font(int points) { return m_ok ? step(m_printer.setFont("Arial", points)) : *this; }

Sheet& Sheet::at(int column, const std::string& text)
{
    return m_ok ? step(m_printer.printAt(std::max(1, column + m_shift), text)) : *this;
}

Sheet& Sheet::end(int blank) { return blankLines(1 + blank); }

Sheet& Sheet::blankLines(int count)
{
    for (int i = 0; i < count && m_ok; ++i)
        step(m_printer.endLine());
    return *this;
}

Sheet& Sheet::keepWhole() { return m_ok ? step(m_printer.keepTextsWhole()) : *this; }

Sheet& Sheet::fitLines(int lines) { return m_ok ? step(m_printer.fitLines(lines)) : *this; }

bool Sheet::finish()
{
    const bool printed = m_ok && m_printer.endDocument();
    if (!m_ok)
        m_printer.endDocument(); // the broken document is dropped; its failure is kept
    return printed;
}

} // namespace tallyman::printing
