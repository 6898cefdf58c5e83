// Calcu_late: one pay period computed from the main window's inputs, the profile and the
// settings, leaving every amount in PayResult and every result label text in CalcLabels.
#pragma once

#include "engine/employee_profile.h"
#include "engine/fed_table.h"
#include "engine/pay_result.h"
#include "engine/tax_settings.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tallyman {

// The texts of the main window's result labels that a calculation fills.
struct CalcLabels {
    std::array<std::string, 11> lbTaxDed; // 0 federal ... 10 K-plan
    std::string lbSDI, lbSUI, lbCafe;
    std::string Label13; // gross pay
    std::string lbTaxes, lbDeduct, lbNet, lbOverT, lbTips;
    std::string lbTaxVer; // the federal table's version text
};

// A message the calculation asks its screen to show (OK button).
struct Notice {
    std::string title;
    std::vector<std::string> lines;
    bool warning = false;
};

// Where the federal table files are looked for: the data folder first, then the copy
// installed with the program.
struct FedTableFolders {
    std::filesystem::path dataDir;
    std::filesystem::path installedDir;
};

// Everything a calculation reads and writes. The caller owns it all; the run state keeps
// PayResult, the labels and the Utah working values between calculations.
struct CalcContext {
    // Main window: the eight txtAmount texts (a box that reads 0 counts as "0" and is left
    // empty afterwards), the (1X) option and "Fed Tax Prior to April".
    std::array<std::string, 8>& txtAmount;
    bool opt1xSelected = true;
    bool ckFedJan = false;

    // Profile (Muni, Bond, Dues and Misc are rounded to cents in place) and settings as the
    // state and city dialogs hold them after step 3.
    EmployeeProfile& profile;
    StateTaxSettings& state;
    CityTaxSettings& city;
    NonCitySettings& nonCity;
    // The state dialog's boxes txtSDIpercent, txtSDIwageBase, txtStateAdj, txtCalAllow,
    // txtSUIpercent, txtSUIwageBase, in that order (blank ones become "0" at step 20).
    std::array<std::string, 6>& stateBoxes;

    LedgerTotals ledger;
    FedTableFolders fedFolders;
    FedTable& fedTable;

    PayResult& pay;
    UtahWork& utah;
    CalcLabels& labels;
    std::vector<Notice>& notices;

    // Step 3: the caller re-creates the city and state dialogs from their files, applies the
    // selected state's preset and copies the dialogs into `state`, `city` and `stateBoxes`.
    std::function<void()> refreshSettings;
};

// Runs steps 1 to 24 except the screen and file steps (3 through refreshSettings; the save
// and the closing of the dialogs at step 24 are the caller's). Returns false, with a notice,
// when an amount is too large to compute or a W-4 from 2020 on meets a table without a year
// (FedTable::Year); then PayResult and the labels are left unchanged.
bool Calcu_late(CalcContext& context);

// Rate 1 when the profile's HourRate is 0.
inline constexpr Amount DefaultPayRate = 7.5f;

// The same period computed with the federal table as it stands in context.fedTable: no file
// is read, refreshSettings is not called and the table is not cleared. Notices and the result
// are as for Calcu_late.
bool computePayPeriod(CalcContext& context);

} // namespace tallyman
