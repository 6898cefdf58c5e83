// The state dialog: its controls, opening, copying into the record and its commands.
#include "screens/taxtables/state_dialog.h"

#include "numbers/number_text.h"
#include "screens/app.h"
#include "screens/main_window.h"
#include "screens/taxtables/city_dialog.h"
#include "screens/taxtables/dialog_fields.h"
#include "screens/taxtables/noncity_dialog.h"
#include "screens/taxtables/special_boxes.h"
#include "screens/trackers/leave_log_screen.h"
#include "screens/user_commands.h"
#include "screens/user_info.h"
#include "taxtables/default_tables.h"

namespace tallyman {

namespace {

std::array<StateRows*, 8> recordColumns(StateTaxSettings& s)
{
    return { &s.StateMinBS, &s.StateAmtBS, &s.StatePerBS, &s.StateMinBM, &s.StateAmtBM, &s.StatePerBM,
        &s.StateSgExp, &s.StateMarExp };
}

// The record fields of the six side fields, in the dialog's order.
std::array<Amount*, 6> recordSide(StateTaxSettings& s)
{
    return { &s.SDIpercent, &s.SDIwageBase, &s.StateAdj, &s.CalAllow, &s.SUIpercent, &s.SUIwageBase };
}

constexpr bool isMinimum(std::size_t column) { return column == MinS || column == MinM; }

} // namespace

StateDialog::StateDialog(App& app)
    : m_app(app)
{
    setTitle("Biweekly State Tax");

    for (auto* column : columns())
        for (auto& box : *column)
            box.setNumeric(true);
    for (auto* box : sideFields())
        box->setNumeric(true);

    for (const SpecialBox& row : SpecialBoxes) {
        ui::CheckBox& box = this->*row.box;
        box.setCaption(row.state.caption);
        // A press on a special-state box runs its handler before the box toggles, whichever
        // front end delivers the press.
        box.onMouseDown = [this, &row] { specialMouseDown(row); };
    }
    ckSpouse.setCaption("Spouse Works");
    ckSpouse.setToolTip("For Married Persons");
    ckSpouse.setVisible(false);
    ckRoundOff.setCaption("Round State");
    ckNoStateTax.setCaption("NO STATE TAX");
    ckSDI.setCaption("Use Base");
    ckSUI.setCaption("Use Base");

    Label1.setCaption("Table for SINGLE Persons");
    Label2.setCaption("Minimum Range");
    Label3.setCaption("Amount to Withhold");
    Label4.setCaption("Multiply by Percentage in Decimal");
    Label5.setCaption("Table for MARRIED Persons");
    Label6.setCaption("1\n2\n3\n4\n5\n6\n7\n8\n9\n10"); // row numbers of the single table
    Label7.setCaption("Special States");
    Label8.setCaption("Minimum Range");
    Label9.setCaption("Amount to Withhold");
    Label10.setCaption("Multiply by Percentage in Decimal");
    Label11.setCaption("1\n2\n3\n4\n5\n6\n7\n8\n9\n10"); // row numbers of the married table
    Label12.setCaption(
        "You MUST enter biweekly figures. The WEEKLY tables will auto adjust by selecting weekly in "
        "\"User Info\".");
    Label13.setCaption("# of Exemp");
    Label14.setCaption("SINGLE");
    Label15.setCaption("MARRIED");
    Label16.setCaption("Withholding Allowance");
    Label17.setCaption("Enter 999999 in any Minum Range Box that is not used.");
    Label18.setCaption("WARNING!");
    Label19.setCaption("BIWEEKLY ");
    Label20.setCaption("BIWEEKLY ");
    Label21.setCaption("BIWEEKLY ");
    Label22.setCaption("% Rate");
    Label23.setCaption("Flat Rate");
    Label24.setCaption("Enter figure to add to State Tax. Place a (-)Minus to subtract.");
    Label25.setCaption("% Rate");
    Label26.setCaption("Flat Rate");
    Label28.setCaption("California Exempt Allowance");
    Label29.setCaption("Withholding tables of every state: www.taxadmin.org/state-tax-agencies");
    for (std::size_t i = 0; i < Label27.size(); ++i)
        Label27[i].setCaption(numberText(static_cast<int>(i)));
    fraSDI.setCaption("&State &Disability &Insurance");
    fraSUI.setCaption("&State &UnEmployment &Insurance");
    fraAdjustment.setCaption("Adustment");

    cmdDefault.setCaption("New York");
    cmdGetDefault.setCaption("Get Default");
    cmdMkDefault.setCaption("Make Default");
    cmdClearAll.setCaption("CLEAR ALL");
    cmdRest.setCaption("RESET");
    OKButton.setCaption("SAVE");
    CancelButton.setCaption("CANCEL");

    cmdDefault.onClick = [this] { cmdDefault_Click(); };
    cmdGetDefault.onClick = [this] { cmdGetDefault_Click(); };
    cmdMkDefault.onClick = [this] { cmdMkDefault_Click(); };
    cmdClearAll.onClick = [this] { cmdClearAll_Click(); };
    cmdRest.onClick = [this] { cmdRest_Click(); };
    OKButton.onClick = [this] { OKButton_Click(); };
    CancelButton.onClick = [this] { CancelButton_Click(); };
    // The close box closes the dialog as CANCEL does.
    onCloseRequested = [this] { CancelButton_Click(); };

    // These four react to every change, also one made from code (loading, New York, RESET).
    ckNoStateTax.onClick = [this] { ckNoStateTax_Click(); };
    ckSDI.onClick = [this] { ckSDI_Click(); };
    ckSUI.onClick = [this] { ckSUI_Click(); };
    ckSpouse.onClick = [this] { ckSpouse_Click(); };
}

void StateDialog::load()
{
    m_app.LoadStateSettings();
    m_app.LoadUserFiles();
    applyCheckedPresets();
    // The fields hold texts of stored numbers or preset figures here, which always convert.
    fillVari();
    Label26.setCaption(ckSDI.value() == 1 ? "Wage Base" : "Flat Rate");
    Label23.setCaption(ckSUI.value() == 1 ? "Wage Base" : "Flat Rate");
}

std::array<StateDialog::Column*, 8> StateDialog::columns()
{
    return { &txtStateMinBS, &txtStateAmtBS, &txtStatePerBS, &txtStateMinBM, &txtStateAmtBM, &txtStatePerBM,
        &txtStateSgExp, &txtStateMarExp };
}

std::array<ui::TextBox*, 6> StateDialog::sideFields()
{
    return { &txtSDIpercent, &txtSDIwageBase, &txtStateAdj, &txtCalAllow, &txtSUIpercent, &txtSUIwageBase };
}

void StateDialog::CheckFor()
{
    const auto cols = columns();
    for (std::size_t c = 0; c < cols.size(); ++c)
        for (std::size_t row = 0; row < 10; ++row) {
            auto& box = (*cols[c])[row];
            if (box.text().empty())
                box.setText(std::string(NewYorkStateTable[row][c]));
        }
    for (auto* box : sideFields())
        if (box->text().empty())
            box->setText(std::string(NewYorkStateSideValue));
}

bool StateDialog::fillVari()
{
    CheckFor();
    StateTaxSettings& s = m_app.state;
    s.NoStateTax = static_cast<short>(ckNoStateTax.value());

    if (!copyTableFields(columns(), recordColumns(s)))
        return false;
    const auto side = sideFields();
    const auto recSide = recordSide(s);
    for (std::size_t i = 0; i < side.size(); ++i)
        if (!copyField(*side[i], *recSide[i]))
            return false;

    auto flag = [](const ui::CheckBox& box) { return static_cast<short>(box.value()); };
    s.SDIUseBase = flag(ckSDI);
    s.SUIUseBase = flag(ckSUI);
    for (const SpecialBox& row : SpecialBoxes)
        s.*row.state.flag = flag(this->*row.box);
    s.Spouse = flag(ckSpouse);
    s.RoundOff = flag(ckRoundOff);
    return true;
}

void StateDialog::NewYorkSet()
{
    const auto cols = columns();
    for (std::size_t row = 0; row < 10; ++row)
        for (std::size_t c = 0; c < cols.size(); ++c)
            (*cols[c])[row].setText(std::string(NewYorkStateTable[row][c]));
    for (auto* box : sideFields())
        if (box->text().empty())
            box->setText(std::string(NewYorkStateSideValue));
    setBiweeklyLabelsVisible(true);
    Label14.setCaption("Single");
    Label15.setCaption("Married");
    Label21.setCaption("BiWeekly");
    Label13.setCaption("# of Exemp");
    Label5.setCaption("Table for MARRIED Persons");
    setTableLabelsEnabled(true);
    for (auto* column : { &txtStateMinBS, &txtStateAmtBS, &txtStatePerBS })
        for (auto& box : *column)
            box.setEnabled(true);
}

void StateDialog::showRecord()
{
    showTablesFromRecord();
    showSideFieldsFromRecord();
    const StateTaxSettings& s = m_app.state;
    ckNoStateTax.setValue(s.NoStateTax);
    ckSDI.setValue(s.SDIUseBase);
    ckSUI.setValue(s.SUIUseBase);
}

void StateDialog::showFlags()
{
    const StateTaxSettings& s = m_app.state;
    for (const SpecialBox& row : SpecialBoxes)
        (this->*row.box).setValue(s.*row.state.flag);
    // After the states: Spouse Works reruns the Missouri preset when Missouri is checked.
    ckSpouse.setValue(s.Spouse);
    ckRoundOff.setValue(s.RoundOff);
}

void StateDialog::applyCheckedPresets()
{
    // Each box is read when its turn comes: a preset may change the boxes after it (Oregon's
    // re-shows the record's flags and unchecks Utah).
    for (const SpecialBox& row : SpecialBoxes) {
        if ((this->*row.box).value() != 1 || !row.preset)
            continue;
        (this->*row.preset)();
        if (row.box == &StateDialog::ckLouis)
            hideLouisPrior();
    }
}

void StateDialog::showFromMainWindow()
{
    applyCheckedPresets();
    if (ckMissouri.value() == 1 || ckUtah.value() == 1)
        ckSpouse.setVisible(true);
}

// ---- Commands ----

void StateDialog::cmdDefault_Click()
{
    ckNoStateTax.setValue(0);
    uncheckSpecialStates();
    ckSpouse.setValue(0);
    ckSpouse.setVisible(false);
    ckRoundOff.setValue(0);
    NewYorkSet();
    Label14.setCaption("Single");
    Label15.setCaption("Married");
    Label21.setCaption("BiWeekly");
    Label13.setCaption("# of Exemp");
    setRowCaptions();
    for (auto* column : columns())
        for (auto& box : *column)
            box.setEnabled(true);
}

void StateDialog::cmdGetDefault_Click() { m_app.GetDefaultStateSettings(); }

void StateDialog::cmdMkDefault_Click()
{
    if (!fillVari()) {
        reportNonNumeric(m_app);
        return;
    }
    // This dialog is closed on the way; everything after that goes through the run state only.
    App& app = m_app;
    app.SaveStateSettings();
    app.SaveOT();

    // The empty user name names the default file set; the save reads the name from the Save
    // User dialog's name box, so that is emptied too.
    app.UserName.clear();
    app.saveUser().txtSaveUser.setText("");
    app.SaveOT();
    app.leaveLog().SaveVac();
    app.SaveStateSettings();
    app.SaveCitySettings();
    app.SaveNonCitySettings();

    // Closing the Save User dialog takes the screens it always takes with it.
    if (app.isLoaded(ScreenId::SaveUser))
        app.saveUser().Form_Unload();
    app.close(ScreenId::OvertimeTracker);
    app.close(ScreenId::LeaveLog);
    app.close(ScreenId::StateDialog);
    app.close(ScreenId::CityDialog);
    app.close(ScreenId::NonCityDialog);
    app.close(ScreenId::StartupPrompt);

    app.UserName = app.mainWindow().lbUser.caption();
}

void StateDialog::cmdClearAll_Click()
{
    clearTables();
    ckRoundOff.setValue(0);
    ckSpouse.setValue(0);
    ckSpouse.setVisible(false);
}

void StateDialog::cmdRest_Click()
{
    clearTables();
    showSideFieldsFromRecord();
    showSwitchesFromRecord();

    ckNoStateTax.setValue(0);
    uncheckSpecialStates();
    ckSpouse.setValue(0);
    ckSpouse.setVisible(false);
}

void StateDialog::OKButton_Click()
{
    if (!fillVari()) {
        reportNonNumeric(m_app);
        return;
    }
    App& app = m_app;
    app.SaveStateSettings(); // reports its own failure; the profile set is saved regardless
    app.SaveOT();
    app.close(ScreenId::StateDialog);
}

void StateDialog::CancelButton_Click() { m_app.close(ScreenId::StateDialog); }

// ---- Boxes that react to every change ----

void StateDialog::ckNoStateTax_Click()
{
    StateTaxSettings& s = m_app.state;
    if (ckNoStateTax.value() == 1) {
        s.NoStateTax = 1;
        clearTables();
        showSideFieldsFromRecord();
        showSwitchesFromRecord();
        uncheckSpecialStates();
        ckSpouse.setValue(0);
        ckSpouse.setVisible(false);
    } else {
        showTablesFromRecord();
        showSideFieldsFromRecord();
        ckSDI.setValue(s.SDIUseBase);
        ckSUI.setValue(s.SUIUseBase);
    }
}

void StateDialog::ckSDI_Click()
{
    if (ckSDI.value() == 1) {
        Label26.setCaption("Wage Base");
    } else {
        Label26.setCaption("Flat Rate");
        txtSDIpercent.setText("0");
    }
}

void StateDialog::ckSUI_Click()
{
    if (ckSUI.value() == 1) {
        Label23.setCaption("Wage Base");
    } else {
        Label23.setCaption("Flat Rate");
        txtSUIpercent.setText("0");
    }
}

void StateDialog::ckSpouse_Click()
{
    if (ckMissouri.value() == 1)
        MissouriSet();
}

// ---- Helpers ----

void StateDialog::uncheckSpecialStates()
{
    for (const SpecialBox& row : SpecialBoxes)
        (this->*row.box).setValue(0);
    hideLouisPrior();
}

void StateDialog::showSwitchesFromRecord()
{
    const StateTaxSettings& s = m_app.state;
    ckSDI.setValue(s.SDIUseBase);
    ckSUI.setValue(s.SUIUseBase);
    // Only these four states; Missouri before Spouse Works, which reruns its preset.
    ckAriz.setValue(s.Ariz);
    ckLouis.setValue(s.Louis);
    ckIowa.setValue(s.Iowa);
    ckMissouri.setValue(s.Missouri);
    ckSpouse.setValue(s.Spouse);
    ckRoundOff.setValue(s.RoundOff);
}

void StateDialog::clearTables()
{
    const auto cols = columns();
    for (std::size_t c = 0; c < cols.size(); ++c)
        for (auto& box : *cols[c])
            box.setText(std::string(isMinimum(c) ? UnusedMinimum : "0"));
}

void StateDialog::clearRow(std::size_t row) { setRow(row, UnusedMinimum, "0", "0", UnusedMinimum, "0", "0"); }

void StateDialog::setRowEnabled(std::size_t row, bool enabled)
{
    const auto cols = columns();
    for (std::size_t c = 0; c <= PerM; ++c)
        (*cols[c])[row].setEnabled(enabled);
}

void StateDialog::setRow(std::size_t row, std::string_view minS, std::string_view amtS, std::string_view perS,
    std::string_view minM, std::string_view amtM, std::string_view perM)
{
    txtStateMinBS[row].setText(std::string(minS));
    txtStateAmtBS[row].setText(std::string(amtS));
    txtStatePerBS[row].setText(std::string(perS));
    txtStateMinBM[row].setText(std::string(minM));
    txtStateAmtBM[row].setText(std::string(amtM));
    txtStatePerBM[row].setText(std::string(perM));
}

void StateDialog::setAllowances(const std::array<std::string_view, 10>& figures)
{
    for (std::size_t i = 0; i < figures.size(); ++i) {
        txtStateSgExp[i].setText(std::string(figures[i]));
        txtStateMarExp[i].setText(std::string(figures[i]));
    }
}

void StateDialog::setRowCaptions()
{
    for (std::size_t i = 0; i < Label27.size(); ++i)
        Label27[i].setCaption(numberText(static_cast<int>(i)));
}

void StateDialog::setTableLabelsEnabled(bool enabled)
{
    for (auto* label : { &Frame1, &Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label8, &Label9,
             &Label10, &Label11, &Label19, &Label20 })
        label->setEnabled(enabled);
}

void StateDialog::setBiweeklyLabelsVisible(bool visible)
{
    Label19.setVisible(visible);
    Label20.setVisible(visible);
    Label21.setVisible(visible);
}

void StateDialog::showTablesFromRecord()
{
    const auto cols = columns();
    const auto rec = recordColumns(m_app.state);
    for (std::size_t c = 0; c < cols.size(); ++c)
        for (std::size_t row = 0; row < 10; ++row)
            (*cols[c])[row].setText(numberText((*rec[c])[row]));
}

void StateDialog::showSideFieldsFromRecord()
{
    const auto side = sideFields();
    const auto rec = recordSide(m_app.state);
    for (std::size_t i = 0; i < side.size(); ++i)
        side[i]->setText(numberText(*rec[i]));
}

void StateDialog::hideLouisPrior() { m_app.mainWindow().ckLouisPrior.setVisible(false); }

bool StateDialog::paidBiWeekly() { return m_app.userInfo().optBiWeek.selected(); }

bool StateDialog::paidWeekly() { return m_app.userInfo().optWeek.selected(); }

} // namespace tallyman
