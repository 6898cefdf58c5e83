// The stub check screen: read the stub, compute the main window's period beside the run
// state, fill the table; print it.
#include "screens/stub_check.h"

#include "employee/print_heading.h"
#include "numbers/formats.h"
#include "printing/stub_check_printout.h"
#include "screens/app.h"
#include "screens/main_window.h"

namespace tallyman {

namespace {

std::string joined(const std::vector<std::string>& texts)
{
    std::string out;
    for (const std::string& t : texts)
        out += (out.empty() ? "" : " ") + t;
    return out;
}

// While it lives the program writes nothing: the settings refresh of the calculation may
// create screens whose loads save (User Info), and a comparison must leave every file alone.
class LookingOnly {
public:
    explicit LookingOnly(App& app)
        : m_app(app)
        , m_was(app.setLookOnly(true))
    { }
    ~LookingOnly() { m_app.setLookOnly(m_was); }
    LookingOnly(const LookingOnly&) = delete;
    LookingOnly& operator=(const LookingOnly&) = delete;

private:
    App& m_app;
    bool m_was;
};

} // namespace

StubCheckScreen::StubCheckScreen(App& app)
    : m_app(app)
{
    setTitle("Check My Stub");
    for (ui::TextBox& box : txtStub)
        box.setNumeric(true);
    cmdCompare.setCaption("&Compare");
    cmdCompare.onClick = [this] { cmdCompare_Click(); };
    cmdPrint.setCaption("&Print");
    cmdPrint.onClick = [this] { cmdPrint_Click(); };
    cmdClose.setCaption("Close");
    cmdClose.onClick = [this] { cmdClose_Click(); };
    onCloseRequested = [this] { cmdClose_Click(); };
}

void StubCheckScreen::load()
{
    showCaptions();
    clearResults();
}

void StubCheckScreen::showCaptions()
{
    for (std::size_t i = 0; i < StubLineCount; ++i)
        lbLine[i].setCaption(stubLineCaption(stubLineAt(i), m_app.profile));
}

void StubCheckScreen::clearResults()
{
    m_comparison.reset();
    for (std::size_t i = 0; i < StubLineCount; ++i) {
        lbTallyman[i].setText("");
        lbDifference[i].setText("");
        lbCause[i].setText("");
    }
    lbSummary.setText("Type the stub's figures for the period on the main window, then Compare.");
}

bool StubCheckScreen::rowDiffers(std::size_t row) const
{
    return m_comparison && row < StubLineCount && m_comparison->lines[row].differs();
}

bool StubCheckScreen::cmdCompare_Click()
{
    StubFigures figures;
    for (std::size_t i = 0; i < StubLineCount; ++i) {
        if (const auto problem = readStubAmount(txtStub[i].text(), figures[i])) {
            clearResults();
            m_app.message(
                { "The stub's " + lbLine[i].caption() + " " + *problem + ": \"" + txtStub[i].text() + "\".",
                    "Type it as on the stub, for example 1,234.56. Nothing was compared." },
                ProgramTitle, ui::MessageButtons::Ok, ui::MessageIcon::Warning);
            txtStub[i].setFocus();
            return false;
        }
    }

    std::vector<Notice> notices;
    std::optional<StubCheckResult> result;
    {
        const LookingOnly looking(m_app);
        const PeriodCase period = m_app.mainWindow().periodCase(notices);
        const auto tables
            = installableFedTables({ m_app.folder().dir(), m_app.installedData() }, period.fedTable);
        result = checkStub(period, figures, tables);
    }
    m_app.showNotices(notices);
    m_app.showNotices(result->notices);
    showCaptions();
    if (!result->computed) {
        clearResults();
        return false;
    }
    m_comparison = std::move(result->comparison);
    showComparison();
    return true;
}

void StubCheckScreen::showComparison()
{
    const StubComparison& c = *m_comparison;
    for (std::size_t i = 0; i < StubLineCount; ++i) {
        const ComparedLine& l = c.lines[i];
        lbLine[i].setCaption(l.caption);
        lbTallyman[i].setText(formatCommaCents(l.tallyman.toDouble()));
        lbDifference[i].setText(l.difference ? formatCommaCents(l.difference->toDouble()) : "");
        if (!l.stub)
            lbCause[i].setText("");
        else if (l.differs())
            lbCause[i].setText(joined(l.causes));
        else
            lbCause[i].setText(joined({ "Agrees." }) + (l.causes.empty() ? "" : " " + joined(l.causes)));
    }
    lbSummary.setText(c.summary());
}

bool StubCheckScreen::cmdPrint_Click()
{
    if (!cmdCompare_Click())
        return false;
    ui::Printer& printer = m_app.printer();
    if (!m_app.reportPrinterFailure(printer.choosePrinter()))
        return false;
    LoadHeader(m_app.folder(), m_app.heading);
    const printing::StubCheckPrintout printout { *m_comparison, m_app.heading, m_app.UserName,
        m_app.todayText(), m_app.mainWindow().txtWeek.text() };
    return m_app.reportPrinterFailure(printing::PrintStubCheck(printer, printout));
}

void StubCheckScreen::cmdClose_Click() { m_app.close(ScreenId::StubCheck); }

} // namespace tallyman
