// The ledger table: heading, employee line, column headers, one line a pay period, totals.
#include "printing/ledger_printout.h"

#include "ledger/ledger_columns.h"
#include "numbers/formats.h"

#include <string>

namespace tallyman {

namespace {

constexpr int DateColumn = 5;

// Stops at the first item the printer refuses.
class Lines {
public:
    explicit Lines(ui::Printer& printer)
        : m_printer(printer)
    { }
    Lines& font(int points)
    {
        m_ok = m_ok && m_printer.setFont("Arial", points);
        return *this;
    }
    Lines& at(int column, const std::string& text)
    {
        m_ok = m_ok && m_printer.printAt(column, text);
        return *this;
    }
    Lines& end()
    {
        m_ok = m_ok && m_printer.endLine();
        return *this;
    }
    bool finish()
    {
        // The document is ended either way, so a failed one does not hold the printer.
        const bool ended = m_printer.endDocument();
        return m_ok && ended;
    }
    bool ok() const { return m_ok; }

private:
    ui::Printer& m_printer;
    bool m_ok = true;
};

std::string cents(double value) { return formatPlainCents(value); }

} // namespace

bool PrintYr(ui::Printer& printer, const LedgerPrintout& p)
{
    Lines out(printer);
    if (!printer.setOrientation(ui::Orientation::Landscape)) {
        out.finish();
        return false;
    }
    out.font(10);
    const PrintHeading& h = p.heading;
    out.at(1, h.Company).end();
    out.at(1, h.CompanyAddress).end();
    out.at(1, h.CompanyZip).at(134, h.CompanyId).end();

    out.font(9).at(1, "Employee:").at(17, p.userName).at(145, p.today).end();

    constexpr auto Columns = LedgerOrder<&LedgerColumn::print>;
    out.font(8).at(DateColumn, "Week");
    for (const LedgerColumn* c : Columns)
        out.at(c->print.at,
            c->deduction >= 0 ? p.captions[static_cast<std::size_t>(c->deduction)]
                              : std::string(c->print.caption));
    out.end();

    const int rows = p.weekly ? WeeklyLedgerRows : BiWeeklyLedgerRows;
    for (int i = 0; i < rows && out.ok(); ++i) {
        const LedgerRow& r = p.ledger.Rows[static_cast<std::size_t>(i)];
        out.at(DateColumn, r.Date);
        for (const LedgerColumn* c : Columns)
            out.at(c->print.at, formatPrintedNumber(r.*c->value));
        out.end();
    }
    out.at(DateColumn, std::string(291, '-')).end();

    out.at(DateColumn, "TOTALS");
    for (const LedgerColumn* c : Columns)
        out.at(c->print.at, cents(ledgerTotal(p.ledger, *c)));
    out.end();
    for (const LedgerColumn* c : LedgerOrder<&LedgerColumn::printFooter>)
        out.at(c->printFooter.at, c->printFooter.caption + cents(ledgerTotal(p.ledger, *c)));
    out.end();
    out.end();
    return out.finish();
}

} // namespace tallyman
