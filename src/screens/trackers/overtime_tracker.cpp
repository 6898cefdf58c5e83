// The overtime tracker: TOTAL, New Week, Undo, Print, Back, the keys of its table and the
// week-ending picker of each row.
#include "screens/trackers/overtime_tracker.h"

#include "employee/profile_files.h"
#include "numbers/formats.h"
#include "numbers/number_text.h"
#include "screens/app.h"
#include "screens/entry_numbers.h"
#include "screens/screen_picture.h"
#include "trackers/overtime_record.h"

namespace tallyman {

namespace {

constexpr const char* AnnualField = "Annual Salary";
constexpr const char* PercentField = "Approved Percentage";

std::size_t at(int row) { return static_cast<std::size_t>(row); }

} // namespace

OvertimeTrackerScreen::OvertimeTrackerScreen(App& app)
    : m_app(app)
{
    setTitle("OverTime Percentage");
    txtAnnual.setNumeric(true);
    txtAnnual.setToolTip("Look on your pay stub for SALARY");
    txtApPercent.setNumeric(true);
    lbEarned.setToolTip("Total from O.T. Only boxes");
    lbMax.setToolTip("Your limit at the approved % rate");
    lbAvail.setToolTip("The difference");
    for (std::size_t i = 0; i < txtOT.size(); ++i) {
        const int row = static_cast<int>(i);
        txtOT[i].setNumeric(true);
        txtOT[i].onKeyDown = [this, row](int key) { txtOT_KeyDown(row, key); };
        Text1[i].onKeyDown = [this, row](int key) { Text1_KeyDown(row, key); };
        Text1[i].onClick = [this, row] { Text1_Click(row); };
    }
    Text1[TrackerRowsShownFirstBlock].setToolTip("You have to go back 26 pay periods.");
    txtOT[52].setToolTip("Fill in your o.t. for the past 26 weeks");

    const auto wire = [](ui::CommandButton& button, const char* caption, std::function<void()> handler) {
        button.setCaption(caption);
        button.onClick = std::move(handler);
    };
    wire(cmdADD, "&TOTAL", [this] { cmdADD_Click(); });
    wire(cmdAdvance, "&New Week", [this] { cmdAdvance_Click(); });
    cmdAdvance.setToolTip("Move up one pay period. Delete 1st wk, add new 26wk.");
    wire(cmdUndo, "&Undo", [this] { cmdUndo_Click(); });
    cmdUndo.setToolTip("ONLY BACK TO WHEN FIRST OPENED");
    wire(cmdPrint, "&Print", [this] { cmdPrint_Click(); });
    wire(cmdClose, "&Back", [this] { cmdClose_Click(); });
    // The close box saves nothing: the rows typed or moved since the last save go with the
    // window, and the next opening fills it from the record.
    onCloseRequested = [this] { m_app.close(ScreenId::OvertimeTracker); };
}

int OvertimeTrackerScreen::rowsUsed() const { return trackerRows(m_app.profile); }

int OvertimeTrackerScreen::lastShownRow() const
{
    return paysWeekly(m_app.profile) ? WeeklyTrackerRows - 1 : TrackerRowsShownFirstBlock - 1;
}

void OvertimeTrackerScreen::load()
{
    FillInOT();
    for (auto& box : txtOT)
        if (box.text().empty())
            box.setText("0");
}

void OvertimeTrackerScreen::FillInOT()
{
    const OvertimeTracker& t = m_app.tracker;
    txtAnnual.setText(numberText(t.Annual));
    txtApPercent.setText(numberText(t.ApPercent));
    if (txtAnnual.text() == "0")
        txtAnnual.setText(LoadedAnnualDefault);
    for (int i = 0; i < rowsUsed(); ++i) {
        Text1[at(i)].setText(t.WeekEnding[at(i)]);
        txtOT[at(i)].setText(t.OtAmount[at(i)]);
    }
}

void OvertimeTrackerScreen::showFigures()
{
    const OvertimeTracker& t = m_app.tracker;
    lbEarned.setText(formatDollarCents(t.Earned));
    txtPercent.setText(formatPercent(t.PresentRate));
    lbMax.setText(formatDollarCents(t.MaxAllowable));
    lbAvail.setText(formatDollarCents(t.Available));
}

void OvertimeTrackerScreen::ClearAll()
{
    const int rows = rowsUsed();
    for (int i = 0; i < rows; ++i) {
        Text1[at(i)].setText("");
        txtOT[at(i)].setText("0");
    }
    if (lenientNumber(txtAnnual.text()) == 0)
        txtAnnual.setText(numberText(NewAnnualDefault));
    txtApPercent.setText("0");
    // The limit follows the boxes: no percentage, so no limit and nothing available.
    clearOvertimeRecord(m_app.tracker, rows);
    showFigures();
}

std::optional<std::string> OvertimeTrackerScreen::workOut(OvertimeTracker& figures) const
{
    if (txtAnnual.text().empty() || txtApPercent.text().empty())
        return std::string();
    if (const auto problem = strictAmountProblem(txtAnnual.text(), AnnualField))
        return *problem;
    if (const auto problem = strictAmountProblem(txtApPercent.text(), PercentField))
        return *problem;
    const double annual = lenientNumber(txtAnnual.text());
    const double percent = lenientNumber(txtApPercent.text());
    // A salary of 0 would divide by zero below, whatever the percentage.
    if (annual == 0)
        return std::string();
    try {
        double sum = 0; // an empty box counts as 0
        for (int i = 0; i < rowsUsed(); ++i)
            sum += lenientNumber(txtOT[at(i)].text());
        figures.Earned = toAmount(sum);
        figures.PresentRate = toAmount(static_cast<double>(figures.Earned) / annual);
        figures.Annual = *strictAmount(txtAnnual.text());
        figures.ApPercent = *strictAmount(txtApPercent.text());
        figures.MaxAllowable = toAmount(percent * 0.01 * annual);
        figures.Available
            = toAmount(static_cast<double>(figures.MaxAllowable) - static_cast<double>(figures.Earned));
    } catch (const NumberOverflow&) {
        return std::string("The overtime amounts are too large to total.");
    }
    return std::nullopt;
}

bool OvertimeTrackerScreen::total(bool quiet)
{
    OvertimeTracker figures = m_app.tracker;
    if (const auto problem = workOut(figures)) {
        if (quiet)
            return false;
        if (problem->empty())
            m_app.message({ "Please enter amounts in", "Annual Salary and", "Approved Percent Boxes." },
                "Attention", ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        else
            m_app.message({ *problem, "Nothing was computed or saved." }, ProgramTitle,
                ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        return false;
    }

    const int rows = rowsUsed();
    for (int i = 0; i < rows; ++i)
        if (txtOT[at(i)].text().empty())
            txtOT[at(i)].setText("0");
    for (int i = 0; i < rows; ++i) {
        figures.WeekEnding[at(i)] = Text1[at(i)].text();
        figures.OtAmount[at(i)] = txtOT[at(i)].text();
    }
    const bool changed = !(figures == m_app.tracker);
    m_app.tracker = figures;
    showFigures();
    if (quiet && !changed)
        return true;
    return m_app.SaveOT();
}

bool OvertimeTrackerScreen::cmdADD_Click() { return total(false); }

void OvertimeTrackerScreen::totalOnShow() { total(true); }

void OvertimeTrackerScreen::cmdAdvance_Click()
{
    const int last = rowsUsed() - 1;
    for (int i = 0; i < last; ++i) {
        Text1[at(i)].setText(Text1[at(i + 1)].text());
        txtOT[at(i)].setText(txtOT[at(i + 1)].text());
    }
    Text1[at(last)].setText("");
    txtOT[at(last)].setText("0");
}

void OvertimeTrackerScreen::cmdUndo_Click()
{
    m_app.LoadUserFiles();
    if (!m_app.isLoaded(ScreenId::OvertimeTracker))
        return;
    const OvertimeTracker& t = m_app.tracker;
    for (int i = 0; i < rowsUsed(); ++i) {
        Text1[at(i)].setText(t.WeekEnding[at(i)]);
        txtOT[at(i)].setText(t.OtAmount[at(i)]);
    }
    txtAnnual.setText(numberText(t.Annual));
    txtApPercent.setText(numberText(t.ApPercent));
}

void OvertimeTrackerScreen::cmdPrint_Click() { printScreenPicture(m_app, *this); }

void OvertimeTrackerScreen::copyRowsIntoRecord()
{
    OvertimeTracker& t = m_app.tracker;
    for (int i = 0; i < rowsUsed(); ++i) {
        t.WeekEnding[at(i)] = Text1[at(i)].text();
        t.OtAmount[at(i)] = txtOT[at(i)].text();
    }
}

void OvertimeTrackerScreen::cmdClose_Click()
{
    copyRowsIntoRecord();
    // A save that failed has said why; the window stays so nothing typed is lost.
    if (m_app.SaveOT())
        m_app.close(ScreenId::OvertimeTracker);
}

void OvertimeTrackerScreen::takeIntoRecord()
{
    for (int i = 0; i < rowsUsed(); ++i)
        if (txtOT[at(i)].text().empty())
            txtOT[at(i)].setText("0");
    copyRowsIntoRecord();
    OvertimeTracker& t = m_app.tracker;
    if (const auto annual = lenientAmount(txtAnnual.text()))
        t.Annual = *annual;
    if (const auto percent = lenientAmount(txtApPercent.text()))
        t.ApPercent = *percent;
    // The figures saved with the rows are those of the rows (a calculation saves while the
    // window is open), and the window shows them; when TOTAL could not work them out they
    // stay as the last TOTAL left them.
    if (OvertimeTracker figures = t; !workOut(figures)) {
        t = figures;
        showFigures();
    }
}

void OvertimeTrackerScreen::showPayFrequency(bool weekly)
{
    Frame2.setVisible(weekly);
    m_width = weekly ? TrackerWidthWeekly : TrackerWidthBiWeekly;
    notify();
}

void OvertimeTrackerScreen::moveInColumn(ui::ControlArray<ui::TextBox, 53>& column, int row, int key)
{
    const int last = lastShownRow();
    if (row < 0 || row > last)
        return;
    switch (key) {
    case ui::KeyEnter:
        column[at(row >= last ? 0 : row + 1)].setFocus();
        break;
    case ui::KeyUp:
        if (row > 0)
            column[at(row - 1)].setFocus();
        break;
    case ui::KeyDown:
        if (row < last)
            column[at(row + 1)].setFocus();
        break;
    default:
        break;
    }
}

void OvertimeTrackerScreen::Text1_KeyDown(int row, int key)
{
    // Sideways only up to the next-to-last row of a weekly table, as the table always did.
    if (key == ui::KeyRight) {
        if (row >= 0 && row < std::min(lastShownRow() + 1, WeeklyTrackerRows - 1))
            txtOT[at(row)].setFocus();
        return;
    }
    moveInColumn(Text1, row, key);
}

void OvertimeTrackerScreen::txtOT_KeyDown(int row, int key)
{
    if (key == ui::KeyLeft) {
        if (row >= 0 && row < std::min(lastShownRow() + 1, WeeklyTrackerRows - 1))
            Text1[at(row)].setFocus();
        return;
    }
    moveInColumn(txtOT, row, key);
}

void OvertimeTrackerScreen::Text1_Click(int row)
{
    if (row < 0 || row >= rowsUsed())
        return;
    ui::TextBox& box = Text1[at(row)];
    ui::Clock& clock = m_app.clock();
    // A typed text stays until a date is picked: only the picker's start falls back to today.
    const ui::Date initial = m_app.pickerStart(box.text());
    const auto show = [&box, &clock](const ui::Date& date) { box.setText(clock.shortDate(date)); };
    if (const auto picked = m_app.dialogs().pickDateLive(initial, show))
        show(*picked);
}

} // namespace tallyman
