// The ledger table: heading, employee line, column headers, one line a pay period, totals.
#include "printing/ledger_printout.h"

#include "numbers/formats.h"

#include <string>

namespace tallyman {

namespace {

// Where each amount column starts, Fed to Gross in printed order.
constexpr std::array<int, 15> AmountColumns { 17, 30, 43, 56, 69, 82, 95, 108, 121, 134, 145, 156, 172, 182,
    197 };
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

    out.font(8).at(DateColumn, "Week");
    const std::array<std::string, 15> headers { "Federal", "SS", "MediCare", "State", "City", p.captions[0],
        p.captions[1], p.captions[2], p.captions[3], p.captions[4], "KPlan", "Tips", "OT", "Net", "Gross" };
    for (std::size_t c = 0; c < headers.size(); ++c)
        out.at(AmountColumns[c], headers[c]);
    out.end();

    const int rows = p.weekly ? WeeklyLedgerRows : BiWeeklyLedgerRows;
    for (int i = 0; i < rows && out.ok(); ++i) {
        const LedgerRow& r = p.ledger.Rows[static_cast<std::size_t>(i)];
        const std::array<Amount, 15> values { r.Fed, r.SS, r.Medi, r.State, r.City, r.Muni, r.Bond, r.Dues,
            r.Pen, r.Misc, r.Kplan, r.Tips, r.OT, r.Net, r.Gross };
        out.at(DateColumn, r.Date);
        for (std::size_t c = 0; c < values.size(); ++c)
            out.at(AmountColumns[c], formatPrintedNumber(values[c]));
        out.end();
    }
    out.at(DateColumn, std::string(291, '-')).end();

    const YearLedger& l = p.ledger;
    const std::array<double, 15> totals { l.TotFed, l.TotSS, l.TotMedi, l.TotState, l.TotCity, l.TotMuni,
        l.TotBond, l.TotDues, l.TotPen, l.TotMisc, l.TotKplan, l.TotTips.toDouble(), l.TotOT.toDouble(),
        l.TotNet.toDouble(), l.TotGross.toDouble() };
    out.at(DateColumn, "TOTALS");
    for (std::size_t c = 0; c < totals.size(); ++c)
        out.at(AmountColumns[c], cents(totals[c]));
    out.end();
    out.at(56, "Total Tips: " + cents(l.TotTips.toDouble()))
        .at(95, "Total SDI: " + cents(l.TotSdi))
        .at(121, "Total SUI: " + cents(l.TotSui))
        .at(145, "Total Cafeteria: " + cents(l.TotCafe))
        .end();
    out.end();
    return out.finish();
}

} // namespace tallyman
