// The check writer's refresh: payee, amount figure and words from the profile and net pay.
#include "screens/printing/check_writer.h"

#include "printing/amount_words.h"
#include "screens/app.h"
#include "screens/main_window.h"

#include <bit>
#include <cstdint>

namespace tallyman {

CheckWriter::CheckWriter(App& app)
    : m_app(app)
{
    setTitle("Check Printing");
    txtCheckDate.setToolTip("Change on Previous Form");
    lbDate.setCaption("DATE");
    lbPayTo.setCaption("PAY TO THE ORDER OF");
    lbDollarSign.setCaption("$");
    lbDollars.setCaption("DOLLARS");
    lbMemo.setCaption("MEMO");
    mnuPrintCheck.setCaption("Print");
    mnuPrintCheck.onClick = [this] { mnuPrintCheck_Click(); };
    onClick = [this] { Form_Click(); };
    onActivate = [this] { Form_Activate(); };
    onCloseRequested = [this] { m_app.close(ScreenId::CheckWriter); };
}

void CheckWriter::load()
{
    Refresh();
    m_refreshedWeek = m_app.mainWindow().txtWeek.text();
    txtCheckDate.setText(m_refreshedWeek);
}

void CheckWriter::refreshIfStale()
{
    // The bits, not the value: a NaN net pay still counts as unchanged.
    if (std::bit_cast<std::uint32_t>(m_app.pay.NetPay) != std::bit_cast<std::uint32_t>(m_refreshedNet))
        Refresh();
    const std::string& week = m_app.mainWindow().txtWeek.text();
    if (week != m_refreshedWeek) {
        m_refreshedWeek = week;
        txtCheckDate.setText(week);
    }
}

void CheckWriter::Refresh()
{
    // A negative net pay makes a zero check; the stored net pay is left alone so the ledger
    // still receives what the calculation found.
    m_refreshedNet = m_app.pay.NetPay;
    const double amount = printing::checkAmount(m_app.pay.NetPay);
    const EmployeeProfile& profile = m_app.profile;
    txtUserName.setText(profile.Name);
    txtUserAddress.setText(profile.Address);
    txtUserState.setText(profile.StateCityZip);
    txtUserSSnum.setText(profile.SSnum);
    txtPayTo.setText(profile.Name + "********");
    m_app.AmountWords = printing::amountInWords(amount);
    txtDollars.setText(m_app.AmountWords ? *m_app.AmountWords : printing::AmountTooLargeText);
    txtCheckAmt.setText(printing::paddedAmount(amount));
}

void CheckWriter::mnuPrintCheck_Click() { m_app.show(ScreenId::PrinterOffset); }

} // namespace tallyman
