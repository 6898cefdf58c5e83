// "Federal Table...": the federal table in use and the years shipped with the program; Install
// writes the chosen year's table as Federal24.dtt in the data folder, shared by every user.
#pragma once

#include "platform/controls.h"

namespace tallyman {

class App;

class FedTableDialog : public ui::Screen {
public:
    explicit FedTableDialog(App& app);

    // The table in use: its version text, its file, its year and wage bases.
    ui::Label lbVersion, lbFile, lbYear, lbWageBase;
    // The years shipped, the newest first.
    ui::ComboBox cboYear;
    ui::CommandButton cmdInstall, cmdClose;

    // Opening: the table in use read, the shipped years listed, the newest chosen.
    void load();
    // Installs the chosen year and says so, or why not; the labels then show the new table.
    // The main window shows its version at the next calculation.
    bool cmdInstall_Click();
    void cmdClose_Click();

private:
    void showInUse();
    App& m_app;
};

} // namespace tallyman
