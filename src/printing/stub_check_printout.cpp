// The stub check printout: heading, employee, the table of lines, the summary, the causes.
#include "printing/stub_check_printout.h"

#include "numbers/formats.h"

namespace tallyman::printing {

namespace {

constexpr int CaptionColumn = 5;
constexpr int StubColumn = 35;
constexpr int TallymanColumn = 55;
constexpr int DifferenceColumn = 75;
constexpr int StatusColumn = 95;
constexpr int CauseColumn = 10;
// Characters of a cause line: the page holds about 130 columns at 10 points and text runs a
// little wider than the average character.
constexpr std::size_t CauseWidth = 100;

// Stops at the first item the printer refuses; the document is ended either way.
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
        const bool ended = m_printer.endDocument();
        return m_ok && ended;
    }

private:
    ui::Printer& m_printer;
    bool m_ok = true;
};

std::string amount(Currency c) { return formatCommaCents(c.toDouble()); }

} // namespace

std::vector<std::string> wrapText(const std::string& text, std::size_t width)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t blank = text.find(' ', start);
        const std::string word
            = text.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
        start = blank == std::string::npos ? text.size() : blank + 1;
        if (word.empty())
            continue;
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

bool PrintStubCheck(ui::Printer& printer, const StubCheckPrintout& p)
{
    Lines out(printer);
    if (!printer.setOrientation(ui::Orientation::Portrait)) {
        out.finish();
        return false;
    }
    const PrintHeading& h = p.heading;
    out.font(11).end();
    out.at(1, h.Company).end();
    out.at(1, h.CompanyAddress).end();
    out.at(1, h.CompanyZip).at(85, h.CompanyId).end();
    out.font(10).at(1, std::string(120, '-')).end();
    out.at(1, "Pay Stub Check").end();
    out.at(1, "Employee:").at(20, p.userName).end();
    out.at(1, "Date:").at(20, p.today).at(85, "For Week Ending: " + p.weekEnding).end();
    out.end();

    out.at(CaptionColumn, "Line")
        .at(StubColumn, "Stub")
        .at(TallymanColumn, "Tallyman")
        .at(DifferenceColumn, "Difference");
    out.end();
    out.at(CaptionColumn, std::string(110, '-')).end();
    const StubComparison& c = p.comparison;
    for (const ComparedLine& l : c.lines) {
        out.at(CaptionColumn, l.caption);
        out.at(StubColumn, l.stub ? amount(*l.stub) : "-");
        out.at(TallymanColumn, amount(l.tallyman));
        if (l.difference) {
            out.at(DifferenceColumn, amount(*l.difference));
            out.at(StatusColumn, l.differs() ? "differs" : "agrees");
        }
        out.end();
    }
    out.at(CaptionColumn, std::string(110, '-')).end();
    out.at(CaptionColumn, c.summary()).end();
    out.end();

    bool heading = false;
    for (const ComparedLine& l : c.lines) {
        if (l.causes.empty())
            continue;
        if (!heading) {
            out.at(CaptionColumn, "Likely causes").end();
            heading = true;
        }
        out.at(CaptionColumn, l.caption + ":").end();
        for (const std::string& cause : l.causes)
            for (const std::string& line : wrapText(cause, CauseWidth))
                out.at(CauseColumn, line).end();
    }
    return out.finish();
}

} // namespace tallyman::printing
