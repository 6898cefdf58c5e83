// The main window's saved pay periods (Save This Pay Period, Get Pay Period) and the buttons
// that open the overtime tracker and the leave log.
#include "screens/main_window.h"

#include "numbers/formats.h"
#include "numbers/number_text.h"
#include "platform/plain_clock.h"
#include "screens/app.h"
#include "screens/entry_numbers.h"
#include "screens/screen_picture.h"
#include "screens/trackers/leave_log_screen.h"
#include "screens/trackers/overtime_tracker.h"
#include "screens/user_info.h"
#include "trackers/saved_period.h"

#include <array>
#include <filesystem>

namespace tallyman {

namespace {

constexpr const char* SaveTitle = "Save This Pay Period";

// The names the window shows beside the eight input boxes.
constexpr std::array<const char*, 8> InputNames { "STRAIGHT TIME HOURS 1", "STRAIGHT TIME HOURS 2", "O.T.",
    "O.T. TIME AND 1/2 (1.5X)", "HOLIDAY IN HOURS", "VACATION - SICK, IN HOURS", "PAY IN DOLLAR AMOUNT",
    "TIPS (Hours)" };

struct AmountLabel {
    ui::Label* label;
    std::string name;
};

// Records 9 to 26 of a saved period, in order, with the caption that names each.
std::array<AmountLabel, 18> amountLabels(MainWindow& m)
{
    std::array<AmountLabel, 18> labels;
    for (std::size_t i = 0; i < 11; ++i)
        labels[i] = { &m.lbTaxDed[i], m.lbTaxTag[i].caption() };
    labels[11] = { &m.lbSDI, m.lbTaxTag[14].caption() };
    labels[12] = { &m.lbSUI, m.lbTaxTag[15].caption() };
    labels[13] = { &m.lbCafe, m.lbTaxTag[16].caption() };
    labels[14] = { &m.Label13, m.lbTaxTag[12].caption() };
    labels[15] = { &m.lbTaxes, "TAXES" };
    labels[16] = { &m.lbDeduct, "DEDUCTIONS" };
    labels[17] = { &m.lbNet, m.lbTaxTag[13].caption() };
    return labels;
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
    const auto labels = amountLabels(*this);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const std::string text = orZero(labels[i].label->text());
        if (const auto problem = strictAmountProblem(text, labels[i].name))
            return refuse(*problem);
        period.values[SavedPeriodInputs + i] = *strictAmount(text);
    }

    for (auto& box : txtAmount)
        box.setText(orZero(box.text()));
    for (const auto& amount : labels)
        amount.label->setText(orZero(amount.label->text()));

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
    const auto labels = amountLabels(*this);
    // Nothing is recomputed: the calculation's figures are still those of the last ADD.
    m_restoredNotComputed = true;
    for (std::size_t i = 0; i < values->size(); ++i) {
        const Amount value = (*values)[i];
        if (i < SavedPeriodInputs)
            txtAmount[i].setText(numberText(value));
        else
            labels[i - SavedPeriodInputs].label->setText(formatPlainCents(value));
    }
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
    m_app.message({ "The restored pay period must be computed with ADD before it can be " + what + ".",
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
