// The main window (Form1): the period's inputs, the result labels, the commands and menus.
#pragma once

#include "numbers/amount.h"
#include "platform/controls.h"

#include <array>
#include <string>
#include <vector>

namespace tallyman {

class App;
struct AboutInfo;
struct Notice;
struct PeriodCase;
struct StateTaxSettings;
namespace printing {
struct CheckOffsets;
struct PeriodFigures;
} // namespace printing

// The about box's texts: product, maker and "Version " with major.minor.revision.
AboutInfo aboutInfo();

class MainWindow : public ui::Screen {
public:
    explicit MainWindow(App& app);

    // Period inputs, top to bottom: straight time 1 and 2, O.T. (1X/2X), O.T. 1.5X, holiday,
    // vacation/sick, dollar amount, tips hours.
    ui::ControlArray<ui::TextBox, 8> txtAmount;
    ui::OptionButton opt1x, opt2x;
    ui::CheckBox ckFedJan; // "Fed Tax Prior to April"
    ui::CheckBox ckLouisPrior; // "Louisiana- Prior to July 1"
    ui::TextBox txtWeek; // week ending, short date form

    // Results
    ui::Label Label13; // gross pay
    ui::Label lbTaxes, lbDeduct, lbNet, lbOverT, lbTips;
    ui::ControlArray<ui::Label, 11> lbTaxDed;
    ui::ControlArray<ui::Label, 18> lbTaxTag;
    ui::Label lbSDI, lbSUI, lbCafe;

    // Status
    ui::Label lbUser, lbTableNotice, lbTaxVer;
    ui::Label Label7; // "Federal Table: Cir E - Pub15"

    // Buttons and menu items (a menu item is a command with a caption).
    ui::CommandButton cmdCal; // ADD
    ui::CommandButton cmdClear; // CLEAR
    ui::CommandButton mnuNew, mnuOpen, mnuSave, mnuPrintItem, mnuClearIitem, mnuExitItem;
    ui::CommandButton mnuTaxInfoItem, mnuState, mnuCity, mnuNonCity, mnuFedTable;
    ui::CommandButton mnuHelpItem, mnuAboutItem;
    ui::CommandButton cmdPrint; // picture, tooltip "Print"
    ui::CommandButton mnuPrintSheetItem, mnuChecks; // "Print Sheet", "C&hecks"

    // Tips earnings of the last printout (tips rate times tips hours).
    Amount MyTips = 0;
    ui::CommandButton cmdYear, mnuYear; // "Year to Date"
    ui::CommandButton mnuHeader; // "H&eader"
    ui::CommandButton cmdSavePrev; // "Save This Pay Period"
    ui::CommandButton cmdPeriod; // "Get Pay Period"
    ui::CommandButton cmdOT; // OverTime
    ui::CommandButton Command1; // Vacation
    ui::CommandButton mnuVac, mnuOtItem;
    ui::CommandButton cmdStub, mnuStub; // "Check My Stub"

    void load();
    // Closing the window: the question, the Save User dialog on Yes, then the program ends.
    void Form_Unload();

    // Runs the calculation with everything around it (settings refresh, messages, results,
    // the closing save). False when the calculation could not be carried out.
    bool Calcu_late();
    // The period as ADD would compute it now (settings brought up to date from the dialogs,
    // the federal table loaded), without computing, saving or changing what is shown.
    PeriodCase periodCase(std::vector<Notice>& notices);
    void cmdCal_Click();
    void Clear_All();
    void cmdClear_Click() { Clear_All(); }

    // Enter, Up and Down move between the input boxes.
    void txtAmount_KeyDown(int index, int key);
    // The week-ending date picker.
    void txtWeek_Click();

    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuPrintItem_Click();
    void mnuClearIitem_Click() { Clear_All(); }
    void mnuExitItem_Click();
    void mnuTaxInfoItem_Click();
    void mnuState_Click();
    void mnuFedTable_Click();
    void mnuCity_Click();
    void mnuNonCity_Click();
    void mnuHelpItem_Click();
    void mnuAboutItem_Click();
    // The printer dialog, then the pay statement.
    void cmdPrint_Click();
    void mnuPrintSheetItem_Click() { cmdPrint_Click(); }
    // The check writer, not modal.
    void mnuChecks_Click();

    // The pay statement: profile and ledger reloaded, the printer dialog again, then the page.
    // False when nothing (more) was printed: cancelled or a printer failure.
    bool PrintText();
    // The check and its two stubs on the current printer, at these offsets. Refused with a
    // message when the amount is too large for a check.
    bool PrintCheck(const printing::CheckOffsets& offsets);
    // Opens the year ledger window; when it is open already, its close guard speaks and the
    // grid is loaded again inside it (unsaved changes are lost).
    void cmdYear_Click();
    void mnuYear_Click() { cmdYear_Click(); }
    void mnuHeader_Click();

    // Save This Pay Period: the inputs and the amounts shown, into the file named after the
    // week ending and the user. False (after a message) when nothing was written.
    bool SavePayPeriod();
    // The file Save This Pay Period writes for the week ending shown.
    std::string savedPeriodName() const;
    // Get Pay Period: a saved period chosen in the file dialog, back into the boxes and labels.
    void GetPayPeriod();
    // Whether the figures a paste or a printout reads belong to the period shown. A restored
    // period fills only the boxes and labels, so it must be computed with ADD first; until
    // then the message says so and this is false (`what`: "pasted", "printed").
    bool periodReady(const std::string& what);
    void cmdSavePrev_Click() { SavePayPeriod(); }
    void cmdPeriod_Click() { GetPayPeriod(); }
    // The overtime tracker with this period's week ending and overtime pay in its heading.
    void cmdOT_Click();
    void mnuOtItem_Click() { cmdOT_Click(); }
    // The leave log, not modal.
    void Command1_Click();
    void mnuVac_Click() { Command1_Click(); }
    // The stub check, not modal: the period's boxes stay usable beside it.
    void cmdStub_Click();
    void mnuStub_Click() { cmdStub_Click(); }

    // The federal table file for the "Fed Tax Prior to April" choice, into the run state;
    // shows its message when the file cannot be read.
    void LoadFedTable();

private:
    // ADD's step 3: the city and state dialogs re-created from their files (unless open) and
    // their selections and boxes copied for the calculation.
    void refreshCalcSettings(
        bool stateShown, bool cityShown, StateTaxSettings& calcState, std::array<std::string, 6>& stateBoxes);
    void resetPeriod();
    void emptyResultLabels();
    // Empty hour boxes become "0", as both printouts leave them.
    void zeroEmptyHours();
    printing::PeriodFigures periodFigures();

    App& m_app;
    bool m_restoredNotComputed = false; // Get Pay Period filled the labels; no ADD since
};

} // namespace tallyman
