// The User Info screen (frmTaxInfo): edits the employee profile; its load normalises and saves it.
#pragma once

#include "platform/controls.h"

#include <optional>
#include <string>

namespace tallyman {

class App;
struct EmployeeProfile;

// The main window's notice of the tax tables the pay frequency uses.
std::string tableNotice(const EmployeeProfile& profile);

class UserInfoScreen : public ui::Screen {
public:
    explicit UserInfoScreen(App& app);

    // Pay
    ui::TextBox txtHourRate, txtHourRate2, txtTipsRate;
    ui::OptionButton optWeek, optBiWeek;
    // Federal
    ui::ComboBox cboStatus, cboDepend;
    ui::CheckBox ckFedExemp, ckSSMediExemp;
    ui::TextBox txtFedAddL;
    // The W-4 form: before 2020 the status and exemptions above, from 2020 on these (Step 4(c)
    // is txtFedAddL). Only the fields of the chosen form are enabled.
    ui::OptionButton optW4Before2020, optW4From2020;
    ui::ComboBox cboW4Status;
    ui::CheckBox ckW4Step2;
    ui::TextBox txtW4Step3, txtW4Step4a, txtW4Step4b;
    // State and city
    ui::ComboBox cboStatus2, cboDepend2;
    ui::CheckBox ckNonCity;
    // Deductions: captions, amounts, K-plan, cafeteria plan
    ui::TextBox txtTax5, txtTax6, txtTax7, txtTax8, txtTax9;
    ui::TextBox txtMuni, txtBond, txtDues, txtMisc, txtPension, txtKplan, txtCafe;
    ui::CheckBox ckKpFix, ckKpPer, ckCafeState, ckSelfEmp;
    // Employee
    ui::TextBox txtName, txtAddress, txtStateCityZip, txtSSnum;
    // Buttons
    ui::CommandButton cmdOk; // "Save"
    ui::CommandButton Command1; // "Close"

    // Load: defaults, show, take back, save.
    void load();
    // Takes every control into the profile, updates the main window and saves the file set.
    void fillVar_();
    // New-user values in the profile and the controls.
    void ClearAll();
    // Save: refuses what cannot be stored (message, screen stays open), else saves everything
    // and closes the screen.
    void cmdOk_Click();
    // Close without saving the edits.
    void Command1_Click();

    // The profile as the profile loader shows it (rates, amounts, federal status, flags,
    // frequency, texts), then CafeState, SelfEmp and NonCity taken back from their boxes.
    void showLoadedProfile();

    // The first entry the person made that cannot be stored, as the lines of a message.
    std::optional<std::string> entryProblem() const;

private:
    void showProfile();
    void showFileSetFields();
    void setKplanBoxes(int fix, int per);
    void showW4();
    void enableW4Fields();
    void takeW4();
    void applyCaptionTags();

    App& m_app;
    bool m_kplanSettling = false;
};

} // namespace tallyman
