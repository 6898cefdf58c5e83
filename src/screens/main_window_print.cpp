// The main window's printouts: the pay statement, the check, and the check writer they read.
#include "screens/main_window.h"

#include "employee/print_heading.h"
#include "printing/amount_words.h"
#include "printing/check.h"
#include "printing/statement.h"
#include "screens/app.h"
#include "screens/ledger/ledger_window.h"
#include "screens/printing/check_writer.h"

namespace tallyman {

void MainWindow::zeroEmptyHours()
{
    for (ui::TextBox& box : txtAmount)
        if (box.text().empty())
            box.setText("0");
}

printing::PeriodFigures MainWindow::periodFigures()
{
    printing::PeriodFigures f;
    for (std::size_t i = 0; i < txtAmount.size(); ++i)
        f.txtAmount[i] = txtAmount[i].text();
    f.opt1x = opt1x.selected();
    f.txtWeek = m_app.printedDate(txtWeek.text());
    for (std::size_t i = 0; i < lbTaxDed.size(); ++i)
        f.lbTaxDed[i] = lbTaxDed[i].text();
    f.lbSDI = lbSDI.text();
    f.lbSUI = lbSUI.text();
    f.lbCafe = lbCafe.text();
    f.Label13 = Label13.text();
    f.lbTaxes = lbTaxes.text();
    f.lbDeduct = lbDeduct.text();
    f.lbNet = lbNet.text();
    f.pay = m_app.pay;
    const EmployeeProfile& profile = m_app.profile;
    f.HourRate = profile.HourRate;
    f.HourRate2 = profile.HourRate2;
    f.TipsRate = profile.TipsRate;
    f.captions = { profile.Tax5, profile.Tax6, profile.Tax7, profile.Tax8, profile.Tax9 };
    f.ledger = m_app.ledger;
    MyTips = printing::deriveAmounts(f).MyTips;
    return f;
}

void MainWindow::cmdPrint_Click()
{
    if (!periodReady("printed"))
        return;
    if (!m_app.reportPrinterFailure(m_app.printer().choosePrinter()))
        return;
    PrintText();
}

bool MainWindow::PrintText()
{
    if (!periodReady("printed"))
        return false;
    m_app.LoadUserFiles();
    m_app.loadLedger();
    zeroEmptyHours();
    ui::Printer& printer = m_app.printer();
    if (!m_app.reportPrinterFailure(printer.choosePrinter()))
        return false;
    printing::StatementFigures figures;
    figures.period = periodFigures();
    LoadHeader(m_app.folder(), m_app.heading);
    figures.heading = m_app.heading;
    figures.UserName = m_app.UserName;
    // The number comes from the check writer, made (unseen) for it when not open yet.
    figures.ssNumber = m_app.checkWriter().txtUserSSnum.text();
    figures.today = m_app.todayPrinted();
    return m_app.reportPrinterFailure(printing::PrintText(printer, figures));
}

bool MainWindow::PrintCheck(const printing::CheckOffsets& offsets)
{
    if (!periodReady("printed"))
        return false;
    CheckWriter& writer = m_app.checkWriter();
    writer.refreshIfStale();
    if (!m_app.AmountWords) {
        m_app.message({ printing::AmountTooLargeText, "No check was printed." }, ProgramTitle,
            ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        return false;
    }
    // The ledger's window is put out of the way, as the check has always done.
    if (m_app.isLoaded(ScreenId::Ledger))
        m_app.ledgerWindow().setShown(false);
    zeroEmptyHours();
    printing::CheckFigures figures;
    figures.period = periodFigures();
    figures.check = printing::CheckTexts { m_app.printedDate(writer.txtCheckDate.text()),
        writer.txtPayTo.text(), writer.txtCheckAmt.text(), writer.txtMemo.text(), writer.txtUserName.text(),
        writer.txtUserAddress.text(), writer.txtUserState.text(), writer.txtUserSSnum.text(),
        *m_app.AmountWords };
    figures.offsets = offsets;
    return m_app.reportPrinterFailure(printing::PrintCheck(m_app.printer(), figures));
}

void MainWindow::mnuChecks_Click() { m_app.show(ScreenId::CheckWriter); }

} // namespace tallyman
