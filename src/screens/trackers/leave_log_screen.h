// The leave log (DialogVac, "Vacation / Holiday / Sick"): days taken of each kind against its
// start balance, and what is left.
#pragma once

#include "platform/controls.h"
#include "trackers/leave_log.h"

#include <array>

namespace tallyman {

class App;

class LeaveLogScreen : public ui::Screen {
public:
    explicit LeaveLogScreen(App& app);

    ui::Label Label1; // "SAVED / ACCUMULATED DAYS"
    // Vacation
    ui::TextBox txtVacBal; // "Start Balance"
    ui::Label lbVacBal; // "Balance"
    ui::ControlArray<ui::TextBox, LeaveRows> txtVdate, txtVcnt;
    // Holiday/Personel
    ui::TextBox txtHolBal;
    ui::Label lbHolBal;
    ui::ControlArray<ui::TextBox, LeaveRows> txtHdate, txtHcnt;
    // Sick
    ui::TextBox txtSickBal;
    ui::Label lbSickBal;
    ui::ControlArray<ui::TextBox, LeaveRows> txtSdate, txtScnt;

    ui::CommandButton OKButton; // "Save"
    ui::CommandButton cmdClear; // "Clear All"
    ui::CommandButton mnuHelp; // "&Help"

    void load();
    // Reads ".hol" when it exists and shows the log.
    void GetVac();
    // Takes the screen into the log and writes ".hol". False (after a message) when nothing
    // was written.
    bool SaveVac();
    // Empties the screen and zeroes the log.
    void clearVac();
    void OKButton_Click();
    void cmdClear_Click() { clearVac(); }
    void mnuHelp_Click();

    // The controls of one kind (0 vacation, 1 holiday, 2 sick).
    struct Kind {
        ui::TextBox& start;
        ui::Label& balance;
        ui::ControlArray<ui::TextBox, LeaveRows>& dates;
        ui::ControlArray<ui::TextBox, LeaveRows>& counts;
        const char* name; // as the frame shows it
    };
    std::array<Kind, 3> kinds();

private:
    // Start minus the days taken, on the balance label.
    void showBalance(Kind kind);
    void showLog();

    App& m_app;
    LeaveLog m_kept; // the log as the last GetVac or SaveVac left it
};

} // namespace tallyman
