// The "Biweekly State Tax" dialog model: state tables, special states, SDI/SUI and the presets.
#pragma once

#include "engine/tax_settings.h"
#include "platform/controls.h"

#include <array>
#include <cstddef>
#include <string>

namespace tallyman {

class App;
struct PresetFigures;
struct SpecialBox;

class StateDialog : public ui::Screen {
public:
    // Builds the controls as they are before loading; load() runs the opening sequence.
    explicit StateDialog(App& app);
    StateDialog(const StateDialog&) = delete;
    StateDialog& operator=(const StateDialog&) = delete;

    // Opening: load the state file and the profile set, apply the presets of the checked
    // states, copy the dialog into the record, label the SDI/SUI bases.
    void load();

    using Column = ui::ControlArray<ui::TextBox, 10>;

    // ---- Controls ----
    Column txtStateMinBS, txtStateAmtBS, txtStatePerBS; // single table, rows 0-9
    Column txtStateMinBM, txtStateAmtBM, txtStatePerBM; // married table
    Column txtStateSgExp, txtStateMarExp; // allowance by number of exemptions
    ui::TextBox txtSDIpercent, txtSDIwageBase, txtStateAdj, txtCalAllow, txtSUIpercent, txtSUIwageBase;

    // Special states, one row each in SpecialBoxes. A person's press goes through press() (the
    // handler, then the toggle); values set from code run no handler.
    ui::CheckBox ckAriz, ckLouis, ckIowa, ckMissouri, ckUtah, ckAlabama, ckMass, ckOregon, ckKentucky,
        ckWiscon, ckWisconApril, ckNC;
    ui::CheckBox ckSpouse, ckRoundOff, ckNoStateTax, ckSDI, ckSUI;

    ui::Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11,
        Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20, Label21, Label22,
        Label23, Label24, Label25, Label26, Label28, Label29;
    ui::ControlArray<ui::Label, 10> Label27; // allowance row captions
    ui::Label Frame1; // holds the bracket tables' headings
    ui::Label Frame3; // holds the allowance row captions
    ui::Label fraSDI, fraSUI, fraAdjustment; // the SDI, SUI and adjustment frames

    ui::CommandButton cmdDefault, cmdGetDefault, cmdMkDefault, cmdClearAll, cmdRest, OKButton, CancelButton;

    // ---- Procedures ----
    // Fills every field whose text is exactly empty with its New York value.
    void CheckFor();
    // CheckFor, then copies the dialog into the state record. Stops at the first field that does
    // not convert (fields before it are copied) and returns false.
    bool fillVari();
    void NewYorkSet();

    // The show step of loading the state file: every number field from the record, then the
    // NO STATE TAX and Use Base boxes.
    void showRecord();
    // The special-state boxes, Spouse Works and Round State from the record's flags.
    void showFlags();

    // Runs the preset of every checked special state in the fixed order, as opening does.
    void applyCheckedPresets();
    // What the main window's State Tax command does after showing the dialog: the presets
    // once more, and Spouse Works offered for Missouri and Utah.
    void showFromMainWindow();

    // The special-state presets.
    void LouisianaSet();
    void IowaSet();
    void MissouriSet();
    void MassSet();
    void OregonSet();
    void UtahSet();
    void AlabamaSet();
    void KentuckySet();
    void WisconsinSet();
    void WisconsinAprilSet();
    void NCSet();

    // ---- Handlers ----
    void cmdDefault_Click();
    void cmdGetDefault_Click();
    void cmdMkDefault_Click();
    void cmdClearAll_Click();
    void cmdRest_Click();
    void OKButton_Click();
    void CancelButton_Click();
    void ckNoStateTax_Click();
    void ckSDI_Click();
    void ckSUI_Click();
    void ckSpouse_Click();

    // A person's press on a special-state box: its handler runs before the box toggles, then
    // the toggle follows. The box's onMouseDown runs the handler alone (the GUI toggles).
    void press(const SpecialBox& row);
    // The press on the box `box` (&StateDialog::ckIowa).
    void press(ui::CheckBox StateDialog::*box);

private:
    void writeWholeTablePreset(const PresetFigures& figures);

    // The eight table columns in the order the dialog visits them, and the six side fields.
    std::array<Column*, 8> columns();
    std::array<ui::TextBox*, 6> sideFields();

    void specialMouseDown(const SpecialBox& row);
    // Every special-state box unchecked, and with them the main window's Louisiana choice hidden.
    void uncheckSpecialStates();
    // What RESET and NO STATE TAX take back from the record before they uncheck the states.
    void showSwitchesFromRecord();

    // Table helpers shared by the commands and the presets.
    void clearTables(); // minimums "999999", amounts, rates and allowances "0"
    void clearRow(std::size_t row);
    void setRowEnabled(std::size_t row, bool enabled);
    void setRow(std::size_t row, std::string_view minS, std::string_view amtS, std::string_view perS,
        std::string_view minM, std::string_view amtM, std::string_view perM);
    void setAllowances(const std::array<std::string_view, 10>& figures); // both columns
    void setRowCaptions();
    void setTableLabelsEnabled(bool enabled);
    void setBiweeklyLabelsVisible(bool visible);
    void showTablesFromRecord();
    void showSideFieldsFromRecord();
    void hideLouisPrior();
    bool paidBiWeekly();
    bool paidWeekly();

    // The Iowa and Missouri computations, refreshing the period's state tax.
    void runIowa();
    void runMissouri();

    App& m_app;
};

} // namespace tallyman
