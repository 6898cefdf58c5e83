// The main window's saved pay periods (Save This Pay Period, Get Pay Period) and the buttons
// that open the overtime tracker and the leave log.
#include "screens/main_window.h"

#include "numbers/formats.h"
#include "numbers/number_text.h"
#include "platform/plain_clock.h"
#include "screens/app.h"
#include "screens/entry_numbers.h"
#include "screens/result_fields.h"
#include "screens/screen_picture.h"
#include "screens/trackers/leave_log_screen.h"
#include "screens/trackers/overtime_tracker.h"
#include "screens/user_info.h"
#include "trackers/saved_period.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace tallyman {

namespace {

constexpr const char* SaveTitle = "Save This Pay Period";

// The names the window shows beside the eight input boxes.
constexpr std::array<const char*, 8> InputNames { "STRAIGHT TIME HOURS 1", "STRAIGHT TIME HOURS 2", "O.T.",
    "O.T. TIME AND 1/2 (1.5X)", "HOLIDAY IN HOURS", "VACATION - SICK, IN HOURS", "PAY IN DOLLAR AMOUNT",
    "TIPS (Hours)" };

// The input boxes are the first records, top to bottom.
static_assert(std::tuple_size_v<decltype(MainWindow::txtAmount)> == SavedPeriodInputs);

// The figures a saved period holds, in the order of its records.
std::vector<const ResultField*> savedFields()
{
    std::vector<const ResultField*> fields;
    for (const ResultField& field : resultFields())
        if (field.record)
            fields.push_back(&field);
    return fields;
}

// An empty box or label stands for 0.
std::string orZero(const std::string& text) { return text.empty() ? "0" : text; }

} // namespace

void printScreenPicture(App& app, const ui::Screen& screen)
{
    ui::Printer& printer = app.printer();
    if (!app.reportPrinterFailure(printer.choosePrinter()))
        return;
    if (!app.reportPrinterFailure(printer.printWindowPicture(screen)))
        return;
    app.reportPrinterFailure(printer.endDocument());
}

std::string MainWindow::savedPeriodName() const
{
    // Named M_D_YYYY whatever the desktop's date form, so the name reads back as the date.
    return savedPeriodFileName(m_app.printedDate(txtWeek.text()), m_app.UserName);
}

bool MainWindow::SavePayPeriod()
{
    const auto refuse = [this](const std::string& problem) {
        m_app.message({ problem, "The pay period was not saved." }, SaveTitle, ui::MessageButtons::Ok,
            ui::MessageIcon::Warning);
        return false;
    };
    const std::string week = m_app.printedDate(txtWeek.text());
    if (const auto problem = weekTextProblem(week))
        return refuse(*problem);

    // Every value is checked before anything changes, on screen or on disk.
    SavedPayPeriod period;
    for (std::size_t i = 0; i < txtAmount.size(); ++i) {
        const std::string text = orZero(txtAmount[i].text());
        if (const auto problem = strictAmountProblem(text, InputNames[i]))
            return refuse(*problem);
        period.values[i] = *strictAmount(text);
    }
    const auto saved = savedFields();
    for (const ResultField* field : saved) {
        const std::string text = orZero(resultLabel(*this, *field).text());
        if (const auto problem = strictAmountProblem(text, resultCaption(*this, *field)))
            return refuse(*problem);
        period.values[recordIndex(*field->record)] = *strictAmount(text);
    }

    for (auto& box : txtAmount)
        box.setText(orZero(box.text()));
    for (const ResultField* field : saved) {
        ui::Label& label = resultLabel(*this, *field);
        label.setText(orZero(label.text()));
    }

    const std::string name = savedPeriodName();
    if (!m_app.mayWrite())
        return false;
    if (const auto failure = saveSavedPeriod(m_app.folder().file(name), period))
        return refuse("The file " + name + " could not be written: " + *failure);
    return true;
}

void MainWindow::GetPayPeriod()
{
    const auto chosen = m_app.dialogs().openFile("Get Pay Period", "Saved Files (*.prv)|*.prv");
    if (!chosen)
        return;
    // Only the file's own name counts: saved periods are those of the data folder.
    const std::string file = std::filesystem::path(*chosen).filename().string();
    if (file.empty() || file == "." || file == "..")
        return;
    const auto values = loadSavedPeriod(m_app.folder().file(file));
    if (!values)
        return;
    // Nothing is recomputed: the calculation's figures are still those of the last ADD.
    m_restoredNotComputed = true;
    for (std::size_t i = 0; i < std::min(values->size(), SavedPeriodInputs); ++i)
        txtAmount[i].setText(numberText((*values)[i]));
    for (const ResultField* field : savedFields())
        if (const std::size_t record = recordIndex(*field->record); record < values->size())
            resultLabel(*this, *field).setText(formatPlainCents((*values)[record]));
    // A file that ended early stops the restore before the week ending.
    if (values->size() == SavedPeriodValues) {
        // The name holds M/D/YYYY: the box shows it in the desktop's form again.
        const std::string week = weekTextOfFileName(file);
        static const ui::PlainClock named;
        const auto date = named.parseShortDate(week);
        txtWeek.setText(date ? m_app.clock().shortDate(*date) : week);
    }
}

bool MainWindow::periodReady(const std::string& what)
{
    if (!m_restoredNotComputed)
        return true;
    m_app.message(
        { "The restored pay period must be computed with ADD before it can be " + what + ".",
            "Get Pay Period brings back the boxes and labels only; the overtime, tips, gross and net "
            "pay in memory are still those of the last calculation." },
        ProgramTitle, ui::MessageButtons::Ok, ui::MessageIcon::Warning);
    return false;
}

void MainWindow::cmdOT_Click()
{
    OvertimeTrackerScreen& tracker = m_app.overtimeTracker();
    tracker.lb_OT.setText(lbOverT.text());
    tracker.lbWk.setText(txtWeek.text());
    tracker.showPayFrequency(m_app.userInfo().optWeek.selected());
    m_app.show(ScreenId::OvertimeTracker);
    // The window totals itself when it appears.
    if (m_app.isLoaded(ScreenId::OvertimeTracker))
        m_app.overtimeTracker().totalOnShow();
}

void MainWindow::Command1_Click() { m_app.show(ScreenId::LeaveLog); }

} // namespace tallyman
