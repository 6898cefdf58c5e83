// The main window: load, Clear_All, keys, week-ending picker, menus, printing its picture.
#include "screens/main_window.h"

#include "engine/federal.h"
#include "screens/app.h"
#include "screens/heading_dialog.h"
#include "screens/ledger/ledger_window.h"
#include "screens/result_fields.h"
#include "screens/screen_picture.h"
#include "screens/taxtables/city_dialog.h"
#include "screens/taxtables/noncity_dialog.h"
#include "screens/taxtables/state_dialog.h"
#include "screens/user_commands.h"
#include "screens/user_info.h"

#include <array>

#ifndef TALLYMAN_VERSION_TEXT
#error "TALLYMAN_VERSION_TEXT comes from the project version"
#endif

namespace tallyman {

AboutInfo aboutInfo()
{
    return AboutInfo { "Tallyman", "Quorvan Software", std::string("Version ") + TALLYMAN_VERSION_TEXT };
}

MainWindow::MainWindow(App& app)
    : m_app(app)
{
    setTitle("Tallyman");
    for (std::size_t i = 0; i < txtAmount.size(); ++i) {
        txtAmount[i].setNumeric(true);
        txtAmount[i].setToolTip("Enter");
        txtAmount[i].onKeyDown = [this, i](int key) { txtAmount_KeyDown(static_cast<int>(i), key); };
    }
    opt1x.setCaption("(1X)");
    opt2x.setCaption("(2X)");
    opt1x.setGroup({ &opt1x, &opt2x });
    opt2x.setGroup({ &opt1x, &opt2x });
    opt1x.setValue(-1);
    ckFedJan.setCaption("Fed Tax Prior to April");
    ckLouisPrior.setCaption("Louisiana- Prior to July 1");
    ckLouisPrior.setToolTip("Check if calculating prior to April 1st 2005");
    txtWeek.setToolTip("Click for Date change");
    txtWeek.onClick = [this] { txtWeek_Click(); };
    for (const ResultField& field : resultFields())
        if (field.tag >= 0)
            lbTaxTag[static_cast<std::size_t>(field.tag)].setCaption(field.caption);
    Label7.setCaption("Federal Table: Cir E - Pub15");
    Label7.setToolTip("Latest Fed tax rate");
    onCloseRequested = [this] { Form_Unload(); };

    const auto wire = [](ui::CommandButton& button, const char* caption, std::function<void()> handler) {
        button.setCaption(caption);
        button.onClick = std::move(handler);
    };
    wire(cmdCal, "ADD", [this] { cmdCal_Click(); });
    cmdCal.setToolTip("Results");
    wire(cmdClear, "CLEAR", [this] { cmdClear_Click(); });
    cmdClear.setToolTip("Clear");
    wire(mnuNew, "&New", [this] { mnuNew_Click(); });
    wire(mnuOpen, "&Open", [this] { mnuOpen_Click(); });
    wire(mnuSave, "&Save", [this] { mnuSave_Click(); });
    wire(mnuPrintItem, "&Print Image", [this] { mnuPrintItem_Click(); });
    wire(mnuClearIitem, "&Clear", [this] { mnuClearIitem_Click(); });
    wire(mnuExitItem, "E&xit", [this] { mnuExitItem_Click(); });
    wire(mnuTaxInfoItem, "&User Info", [this] { mnuTaxInfoItem_Click(); });
    wire(mnuState, "S&tate Tax", [this] { mnuState_Click(); });
    wire(mnuCity, "C&ity Tax", [this] { mnuCity_Click(); });
    wire(mnuNonCity, "Non City Tax", [this] { mnuNonCity_Click(); });
    wire(mnuFedTable, "&Federal Table...", [this] { mnuFedTable_Click(); });
    wire(mnuHelpItem, "He&lp", [this] { mnuHelpItem_Click(); });
    wire(mnuAboutItem, "&About", [this] { mnuAboutItem_Click(); });
    wire(cmdPrint, "Print", [this] { cmdPrint_Click(); });
    cmdPrint.setToolTip("Print");
    wire(mnuPrintSheetItem, "Print Sheet", [this] { mnuPrintSheetItem_Click(); });
    wire(mnuChecks, "C&hecks", [this] { mnuChecks_Click(); });
    wire(cmdYear, "", [this] { cmdYear_Click(); });
    cmdYear.setToolTip("Year to Date");
    wire(mnuYear, "&Year to Date", [this] { mnuYear_Click(); });
    wire(mnuHeader, "H&eader", [this] { mnuHeader_Click(); });
    wire(cmdSavePrev, "Save This Pay Period", [this] { cmdSavePrev_Click(); });
    wire(cmdPeriod, "Get Pay Period", [this] { cmdPeriod_Click(); });
    wire(cmdOT, "OverTime", [this] { cmdOT_Click(); });
    cmdOT.setToolTip("OverTime");
    wire(Command1, "Vacation", [this] { Command1_Click(); });
    Command1.setToolTip("Vacation");
    wire(mnuVac, "&Vacation", [this] { mnuVac_Click(); });
    wire(mnuOtItem, "OT %", [this] { mnuOtItem_Click(); });
    wire(cmdStub, "Check My Stub", [this] { cmdStub_Click(); });
    cmdStub.setToolTip("Check My Stub");
    wire(mnuStub, "Check My &Stub", [this] { mnuStub_Click(); });
}

void MainWindow::load()
{
    LoadFedTable();
    txtWeek.setText(m_app.todayText());
    resetPeriod();
    emptyResultLabels();
    lbTaxVer.setText(m_app.fedTable.Version);
    if (m_app.stateDialog().ckLouis.value() == 1)
        ckLouisPrior.setVisible(false);
    UserInfoScreen& info = m_app.userInfo();
    const std::array<const ui::TextBox*, 5> captions { &info.txtTax5, &info.txtTax6, &info.txtTax7,
        &info.txtTax8, &info.txtTax9 };
    for (std::size_t i = 0; i < captions.size(); ++i)
        lbTaxTag[5 + i].setCaption(captions[i]->text());
}

void MainWindow::LoadFedTable()
{
    std::vector<Notice> notices;
    tallyman::LoadFedTable(m_app.fedTable, ckFedJan.value() == 1,
        FedTableFolders { m_app.folder().dir(), m_app.installedData() }, notices);
    m_app.showNotices(notices);
}

void MainWindow::resetPeriod()
{
    PayResult& pay = m_app.pay;
    pay.PayRate = DefaultPayRate;
    pay.TaxableWages = 0;
    pay.NetPay = 0;
    pay.TaxDeduct = 0;
    pay.TotDeduct = 0;
    pay.FedTax = 0;
    pay.StateTax = 0;
    pay.CityTax = 0;
    pay.SDITax = 0;
    pay.SUITax = 0;
}

void MainWindow::emptyResultLabels()
{
    for (ui::Label* label : { &Label13, &lbNet, &lbTaxes, &lbDeduct, &lbOverT, &lbTips })
        label->setText("");
}

void MainWindow::Clear_All()
{
    for (auto& box : txtAmount)
        box.setText("");
    for (const ResultField& field : resultFields())
        resultLabel(*this, field).setText("");

    PayResult& pay = m_app.pay;
    pay.TaxableWages = 0;
    pay.GrossPay = 0;
    pay.NetPay = 0;
    pay.TaxDeduct = 0;
    pay.TotDeduct = 0;
    pay.FedTax = 0;
    pay.StateTax = 0;
    pay.CityTax = 0;
    pay.SDITax = 0;
    pay.SUITax = 0;
    pay.SdiYtdGross = 0;
    pay.SuiYtdGross = 0;
    // StateAdj is left alone: the calculation takes it from the state dialog every time, and
    // a zero here would reach the user's state file at the next save.

    m_restoredNotComputed = false;
    txtWeek.setText(m_app.todayText());
}

void MainWindow::cmdCal_Click()
{
    Calcu_late();
    // The window may have been closed meanwhile only when the program is ending.
    if (!m_app.quitRequested())
        txtAmount[0].setFocus();
}

void MainWindow::txtAmount_KeyDown(int index, int key)
{
    const int last = static_cast<int>(txtAmount.size()) - 1;
    if (index < 0 || index > last)
        return;
    switch (key) {
    case ui::KeyEnter:
        txtAmount[static_cast<std::size_t>(index == last ? 0 : index + 1)].setFocus();
        break;
    case ui::KeyDown:
        if (index < last)
            txtAmount[static_cast<std::size_t>(index + 1)].setFocus();
        break;
    case ui::KeyUp:
        if (index > 0)
            txtAmount[static_cast<std::size_t>(index - 1)].setFocus();
        break;
    default:
        break;
    }
}

void MainWindow::txtWeek_Click()
{
    ui::Clock& clock = m_app.clock();
    // A typed text stays until a date is picked: only the picker's start falls back to today.
    const ui::Date initial = m_app.pickerStart(txtWeek.text());
    // Every date picked shows in the box at once; closing the picker without OK keeps it.
    const auto show = [this, &clock](const ui::Date& date) { txtWeek.setText(clock.shortDate(date)); };
    if (const auto picked = m_app.dialogs().pickDateLive(initial, show))
        show(*picked);
}

void MainWindow::mnuNew_Click() { newUser(m_app); }

void MainWindow::mnuOpen_Click() { openUser(m_app); }

void MainWindow::mnuSave_Click() { m_app.runModal(ScreenId::SaveUser); }

void MainWindow::mnuPrintItem_Click() { printScreenPicture(m_app, *this); }

void MainWindow::mnuExitItem_Click() { exitProgram(m_app); }

void MainWindow::Form_Unload() { closeMainWindow(m_app); }

void MainWindow::mnuTaxInfoItem_Click() { m_app.runModal(ScreenId::UserInfo); }

void MainWindow::mnuState_Click()
{
    m_app.show(ScreenId::StateDialog);
    m_app.stateDialog().showFromMainWindow();
}

void MainWindow::mnuCity_Click() { m_app.show(ScreenId::CityDialog); }

void MainWindow::mnuNonCity_Click() { m_app.show(ScreenId::NonCityDialog); }

void MainWindow::mnuFedTable_Click() { m_app.show(ScreenId::FedTable); }

void MainWindow::mnuHelpItem_Click() { m_app.dialogs().showHelp("index"); }

void MainWindow::mnuAboutItem_Click() { m_app.host().showAbout(aboutInfo()); }

void MainWindow::cmdStub_Click() { m_app.show(ScreenId::StubCheck); }

void MainWindow::cmdYear_Click()
{
    if (m_app.isLoaded(ScreenId::Ledger))
        m_app.ledgerWindow().requestClose();
    m_app.ledgerWindow().open();
    m_app.show(ScreenId::Ledger);
}

void MainWindow::mnuHeader_Click() { m_app.show(ScreenId::Heading); }

} // namespace tallyman
