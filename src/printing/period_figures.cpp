// The derived amounts of a period and the line-by-line printing helper.
#include "printing/period_figures.h"

#include "ledger/ledger_columns.h"
#include "numbers/formats.h"
#include "numbers/number_text.h"

#include <algorithm>
#include <stdexcept>

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
    const auto sum = [&y](const auto& columns) {
        double total = ledgerTotal(y, ledgerColumn(columns[0]));
        for (std::size_t i = 1; i < std::size(columns); ++i)
            total += ledgerTotal(y, ledgerColumn(columns[i]));
        return toAmount(total);
    };
    d.ytdTaxes = sum(LedgerYtdTaxes);
    d.ytdDeductions = sum(LedgerYtdDeductions);
    return d;
}

namespace {

const std::string& currentAmount(const PeriodFigures& f, const LedgerColumn& column)
{
    if (column.periodLabel >= 0)
        return f.lbTaxDed[static_cast<std::size_t>(column.periodLabel)];
    // The three amounts with labels of their own on the main window.
    if (column.value == &LedgerRow::Sdi)
        return f.lbSDI;
    if (column.value == &LedgerRow::Sui)
        return f.lbSUI;
    if (column.value == &LedgerRow::Cafe)
        return f.lbCafe;
    throw std::logic_error("the main window shows no period amount of this ledger column");
}

} // namespace

std::vector<YtdLine> ytdLines(const PeriodFigures& f)
{
    std::vector<YtdLine> lines;
    for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::statement>) {
        const std::string caption
            = c->deduction >= 0 ? f.captions[static_cast<std::size_t>(c->deduction)] : c->statement.caption;
        lines.push_back({ caption, currentAmount(f, *c), ledgerTotal(f.ledger, *c) });
    }
    return lines;
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
