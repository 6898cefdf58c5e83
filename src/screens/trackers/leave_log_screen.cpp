// The leave log: balances recomputed on every change, Save, Clear All and Help.
#include "screens/trackers/leave_log_screen.h"

#include "numbers/number_text.h"
#include "screens/app.h"
#include "screens/entry_numbers.h"

namespace tallyman {

LeaveLogScreen::LeaveLogScreen(App& app)
    : m_app(app)
{
    setTitle("Vacation / Holiday / Sick");
    Label1.setCaption("SAVED / ACCUMULATED DAYS");
    OKButton.setCaption("Save");
    OKButton.onClick = [this] { OKButton_Click(); };
    cmdClear.setCaption("Clear All");
    cmdClear.onClick = [this] { cmdClear_Click(); };
    mnuHelp.setCaption("&Help");
    mnuHelp.onClick = [this] { mnuHelp_Click(); };
    // The close box (and Escape) saves nothing: the screen's edits go with it, Clear All's
    // zeros included, and the next opening shows the log as it was read or saved.
    onCloseRequested = [this] {
        m_app.leave = m_kept;
        m_app.close(ScreenId::LeaveLog);
    };
    for (Kind kind : kinds()) {
        kind.start.setNumeric(true);
        kind.start.onChange = [this, kind] { showBalance(kind); };
        for (auto& count : kind.counts) {
            count.setNumeric(true);
            count.onChange = [this, kind] { showBalance(kind); };
        }
    }
}

std::array<LeaveLogScreen::Kind, 3> LeaveLogScreen::kinds()
{
    return { Kind { txtVacBal, lbVacBal, txtVdate, txtVcnt, "Vacation" },
        Kind { txtHolBal, lbHolBal, txtHdate, txtHcnt, "Holiday/Personel" },
        Kind { txtSickBal, lbSickBal, txtSdate, txtScnt, "Sick" } };
}

void LeaveLogScreen::load()
{
    GetVac();
    for (Kind kind : kinds()) {
        if (kind.start.text().empty())
            kind.start.setText("0");
        showBalance(kind);
    }
}

void LeaveLogScreen::showBalance(Kind kind)
{
    // The days taken add up in single precision, as they are stored.
    float taken = 0;
    for (const auto& count : kind.counts)
        taken = static_cast<float>(static_cast<double>(taken) + lenientNumber(count.text()));
    kind.balance.setText(numberText(lenientNumber(kind.start.text()) - static_cast<double>(taken)));
}

void LeaveLogScreen::showLog()
{
    const auto fields = leaveKinds(m_app.leave);
    const auto shown = kinds();
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const Kind& kind = shown[k];
        const LeaveKindFields& log = fields[k];
        // Every box set below runs its change handler, which works the balance out again.
        kind.balance.setText(numberText(log.Balance));
        kind.start.setText(numberText(log.Start));
        for (std::size_t i = 0; i < LeaveRows; ++i) {
            kind.counts[i].setText(numberText(log.Count[i]));
            kind.dates[i].setText(log.Date[i]);
        }
    }
}

void LeaveLogScreen::GetVac()
{
    if (loadLeaveLog(m_app.folder(), m_app.UserName, m_app.leave) == LeaveLoad::EndedEarly)
        m_app.message({ "The file " + m_app.UserName + LeaveLogExtension + " ends early.",
                          "The values after that point were not read." },
            ProgramTitle, ui::MessageButtons::Ok, ui::MessageIcon::Warning);
    m_kept = m_app.leave;
    showLog();
}

bool LeaveLogScreen::SaveVac()
{
    if (!m_app.mayWrite())
        return false;
    LeaveLog taken = m_app.leave;
    auto fields = leaveKinds(taken);
    const auto shown = kinds();
    const auto refuse = [this](const std::string& problem) {
        m_app.message({ problem, "The leave log was not saved." }, ProgramTitle, ui::MessageButtons::Ok,
            ui::MessageIcon::Warning);
        return false;
    };
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const Kind& kind = shown[k];
        LeaveKindFields& log = fields[k];
        const std::string name = kind.name;
        for (std::size_t i = 0; i < LeaveRows; ++i) {
            const std::string row = name + " row " + std::to_string(i + 1);
            const auto count = lenientAmount(kind.counts[i].text());
            if (!count)
                return refuse(row + " #Taken is too large.");
            if (const auto problem = storableTextProblem(kind.dates[i].text(), row + " Dates"))
                return refuse(*problem);
            log.Count[i] = *count;
            log.Date[i] = kind.dates[i].text();
        }
        if (const auto problem = strictAmountProblem(kind.balance.text(), name + " Balance"))
            return refuse(*problem);
        const auto start = lenientAmount(kind.start.text());
        if (!start)
            return refuse(name + " Start Balance is too large.");
        log.Balance = *strictAmount(kind.balance.text());
        log.Start = *start;
    }
    if (const auto failure = saveLeaveLog(m_app.folder(), m_app.UserName, taken))
        return refuse(*failure);
    m_app.leave = taken;
    m_kept = taken;
    return true;
}

void LeaveLogScreen::clearVac()
{
    for (Kind kind : kinds()) {
        for (std::size_t i = 0; i < LeaveRows; ++i) {
            kind.dates[i].setText("");
            kind.counts[i].setText("0");
        }
        kind.start.setText("0");
    }
    m_app.leave = LeaveLog {};
}

void LeaveLogScreen::OKButton_Click()
{
    if (SaveVac())
        m_app.close(ScreenId::LeaveLog);
}

void LeaveLogScreen::mnuHelp_Click() { m_app.dialogs().showHelp("leave"); }

} // namespace tallyman
