// The special-state presets of the state dialog and the presses on the special-state boxes.
#include "screens/taxtables/state_dialog.h"

#include "engine/state_calc.h"
#include "engine/states/iowa_missouri.h"
#include "numbers/number_text.h"
#include "screens/app.h"
#include "screens/taxtables/special_boxes.h"
#include "screens/user_info.h"
#include "taxtables/preset_figures.h"

namespace tallyman {

namespace {

// The rows a preset sets (from row 0 on) and the allowance columns it gives, written into the
// dialog; rows after the given ones are cleared.
struct FigureWriter {
    StateDialog& d;

    void rows(const PresetFigures& figures)
    {
        for (std::size_t row = 0; row < 10; ++row) {
            const bool given = row < figures.rows.size();
            const PresetRow cleared { ClearedMinimumText, ClearedText, ClearedText, ClearedMinimumText,
                ClearedText, ClearedText };
            const PresetRow& r = given ? figures.rows[row] : cleared;
            d.txtStateMinBS[row].setText(r.minS);
            d.txtStateAmtBS[row].setText(r.amtS);
            d.txtStatePerBS[row].setText(r.perS);
            d.txtStateMinBM[row].setText(r.minM);
            d.txtStateAmtBM[row].setText(r.amtM);
            d.txtStatePerBM[row].setText(r.perM);
        }
    }

    void allowances(const PresetFigures& figures)
    {
        for (std::size_t i = 0; i < 10; ++i) {
            if (figures.single)
                d.txtStateSgExp[i].setText((*figures.single)[i]);
            if (figures.married)
                d.txtStateMarExp[i].setText((*figures.married)[i]);
        }
    }
};

} // namespace

// ---- Presets ----

void StateDialog::LouisianaSet()
{
    Label14.setCaption("Personal");
    Label15.setCaption("Dependent");
    Label21.setCaption("Enter Number Of");
    Label13.setCaption("");
    Label5.setCaption("Table for MARRIED Persons");
    for (auto& label : Label27)
        label.setCaption("");

    for (std::size_t i = 1; i < 10; ++i) {
        txtStateSgExp[i].setEnabled(false);
        txtStateMarExp[i].setEnabled(false);
    }

    // Row 0 keeps its minimum and amount.
    txtStatePerBS[0].setText("0");
    txtStatePerBM[0].setText("0");
    for (std::size_t row = 1; row < 10; ++row)
        clearRow(row);
    for (std::size_t row = 0; row < 10; ++row)
        setRowEnabled(row, false);

    for (std::size_t i = 1; i < 10; ++i) {
        txtStateSgExp[i].setText("0");
        txtStateMarExp[i].setText("0");
    }
    // Entry 0 holds the counts: personal exemptions (at most 2) and dependents (at most 6).
    const StateTaxSettings& s = m_app.state;
    txtStateSgExp[0].setText(numberText(s.StateSgExp[0]));
    txtStateMarExp[0].setText(numberText(s.StateMarExp[0]));
    for (std::size_t i = 1; i < 10; ++i) {
        txtStateSgExp[i].setEnabled(false);
        txtStateMarExp[i].setEnabled(false);
    }
    if (s.StateSgExp[0] > 2)
        txtStateSgExp[0].setText("2");
    if (s.StateMarExp[0] > 6)
        txtStateMarExp[0].setText("6");

    txtStateSgExp[0].setEnabled(true);
    txtStateMarExp[0].setEnabled(true);
}

void StateDialog::IowaSet()
{
    setBiweeklyLabelsVisible(false);
    Label14.setCaption("Standard");
    Label15.setCaption("Credit");
    Label21.setCaption("BiWeekly");
    Label13.setCaption("# of Exemp");
    setTableLabelsEnabled(false);
    setRowCaptions();
    for (std::size_t row = 0; row < 10; ++row) {
        clearRow(row);
        setRowEnabled(row, false);
    }
    const auto figures = iowaFigures(paidBiWeekly() ? PresetPeriod::BiWeekly : PresetPeriod::Weekly);
    FigureWriter { *this }.allowances(figures);
    ckRoundOff.setValue(0);
    runIowa();
}

void StateDialog::MissouriSet()
{
    Label14.setCaption("Standard");
    Label15.setCaption("W4 Allowance");
    Label21.setCaption("BiWeekly");
    Label13.setCaption("# of Exemp");
    setTableLabelsEnabled(false);
    setRowCaptions();
    for (std::size_t row = 0; row < 10; ++row) {
        clearRow(row);
        setRowEnabled(row, false);
    }
    // A status other than "Single" or "Married" leaves the standard deductions as they are.
    const auto figures = missouriFigures(m_app.userInfo().cboStatus2.text(), ckSpouse.value() == 1,
        paidBiWeekly() ? PresetPeriod::BiWeekly : PresetPeriod::Weekly);
    FigureWriter { *this }.allowances(figures);
    runMissouri();
}

void StateDialog::MassSet()
{
    setRowCaptions();
    for (std::size_t row = 1; row < 10; ++row)
        setRowEnabled(row, false);
    setRowEnabled(0, true);
    const auto figures = massFigures();
    FigureWriter writer { *this };
    writer.rows(figures);
    writer.allowances(figures);
}

void StateDialog::OregonSet()
{
    // The record as loading shows it, then Utah off: Oregon and Utah exclude each other.
    showRecord();
    showFlags();
    auto& info = m_app.userInfo();
    const EmployeeProfile& p = m_app.profile;
    info.cboDepend2.setText(numberText(static_cast<int>(p.StateExemptions)));
    info.cboStatus2.setText(p.StateStatus);
    info.txtFedAddL.setText(numberText(p.FedAddL));
    info.ckFedExemp.setValue(p.FedExemp);
    info.ckSSMediExemp.setValue(p.SSMediExemp);
    ckUtah.setValue(0);

    setRowCaptions();
    for (std::size_t row = 3; row < 10; ++row)
        setRowEnabled(row, false);
    for (std::size_t row = 0; row < 3; ++row)
        setRowEnabled(row, true);

    const bool weekly = paidWeekly();
    for (auto* label : { &Label19, &Label20, &Label21 })
        label->setCaption(weekly ? "WEEKLY" : "BIWEEKLY");
    const auto figures = oregonFigures(weekly ? PresetPeriod::Weekly : PresetPeriod::BiWeekly);
    FigureWriter writer { *this };
    writer.rows(figures);
    writer.allowances(figures);
}

void StateDialog::UtahSet()
{
    setRowCaptions();
    for (std::size_t row = 0; row < 10; ++row) {
        clearRow(row);
        setRowEnabled(row, false);
    }
    for (std::size_t i = 0; i < 10; ++i)
        for (auto* column : { &txtStateSgExp, &txtStateMarExp }) {
            (*column)[i].setText("0");
            (*column)[i].setEnabled(false);
        }
    ckSpouse.setValue(0);
    ckSpouse.setVisible(false);
}

void StateDialog::AlabamaSet()
{
    setRowCaptions();
    for (auto* column : columns())
        for (auto& box : *column) {
            box.setEnabled(false);
            box.setText("0");
        }
}

void StateDialog::KentuckySet()
{
    setRowCaptions();
    const bool biWeekly = paidBiWeekly();
    Label19.setEnabled(biWeekly);
    Label20.setEnabled(biWeekly);
    Label21.setEnabled(biWeekly);
    for (std::size_t row = 6; row < 10; ++row)
        setRowEnabled(row, false);
    for (std::size_t row = 0; row < 6; ++row)
        setRowEnabled(row, true);
    const auto figures = kentuckyFigures(biWeekly ? PresetPeriod::BiWeekly : PresetPeriod::Weekly);
    FigureWriter writer { *this };
    writer.rows(figures);
    writer.allowances(figures);
}

// The Wisconsin and North Carolina presets: every row enabled, their rows and allowances
// written, the rows after theirs cleared.
void StateDialog::writeWholeTablePreset(const PresetFigures& figures)
{
    setRowCaptions();
    for (std::size_t row = 0; row < 10; ++row)
        setRowEnabled(row, true);
    FigureWriter writer { *this };
    writer.rows(figures);
    writer.allowances(figures);
}

void StateDialog::WisconsinSet() { writeWholeTablePreset(wisconsinFigures()); }

void StateDialog::WisconsinAprilSet() { writeWholeTablePreset(wisconsinAprilFigures()); }

void StateDialog::NCSet() { writeWholeTablePreset(ncFigures()); }

// ---- The Iowa and Missouri computations ----

void StateDialog::runIowa()
{
    const LedgerTotals totals = m_app.ledger.totals();
    StateCalc calc { m_app.profile, m_app.state, totals, m_app.pay, m_app.utah };
    try {
        GetIowa(calc, m_app.profile.StateExemptions);
    } catch (const NumberOverflow&) {
        // The last period's figures are out of range; the next calculation reports it.
    }
}

void StateDialog::runMissouri()
{
    const LedgerTotals totals = m_app.ledger.totals();
    StateCalc calc { m_app.profile, m_app.state, totals, m_app.pay, m_app.utah };
    try {
        GetMissouri(calc, m_app.profile.StateExemptions);
    } catch (const NumberOverflow&) {
        // As for Iowa: only the refresh of the period's figure is skipped.
    }
    // Missouri is withheld in whole dollars.
    ckRoundOff.setValue(1);
}

// ---- Presses on the special-state boxes ----

void StateDialog::specialMouseDown(const SpecialBox& row)
{
    ui::CheckBox& pressed = this->*row.box;
    // The press decides the pressed box: whatever the preset shows there (Oregon re-shows the
    // record's flags), the toggle that follows starts from the value it had when pressed.
    const int pressedFrom = pressed.value();
    for (const SpecialBox& other : SpecialBoxes)
        if (&other != &row)
            (this->*other.box).setValue(0);
    ckNoStateTax.setValue(0);
    hideLouisPrior();

    if (row.offersSpouse) {
        ckSpouse.setVisible(true);
    } else {
        ckSpouse.setValue(0);
        ckSpouse.setVisible(false);
    }
    if (row.roundOff != RoundState::LeftToPreset)
        ckRoundOff.setValue(row.roundOff == RoundState::On ? 1 : 0);
    if (row.showsBiweeklyLabels)
        setBiweeklyLabelsVisible(true);
    if (row.dropsLouisiana)
        m_app.state.Louis = 0;

    if (row.preset)
        (this->*row.preset)();
    pressed.setValue(pressedFrom);
}

void StateDialog::press(const SpecialBox& row)
{
    specialMouseDown(row);
    ui::CheckBox& box = this->*row.box;
    box.setValue(box.value() == 1 ? 0 : 1);
}

void StateDialog::press(ui::CheckBox StateDialog::*box) { press(specialBox(box)); }

} // namespace tallyman
