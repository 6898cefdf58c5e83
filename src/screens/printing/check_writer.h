// The check writer (frmChecks, "Check Printing"): the period's pay check laid out as a check.
#pragma once

#include "platform/controls.h"

#include <string>

namespace tallyman {

class App;

class CheckWriter : public ui::Screen {
public:
    explicit CheckWriter(App& app);
    CheckWriter(const CheckWriter&) = delete;
    CheckWriter& operator=(const CheckWriter&) = delete;

    // Opening: the refresh, and the date from the main window.
    void load();

    ui::TextBox txtCheckDate, txtPayTo, txtCheckAmt, txtDollars, txtMemo, txtCheckCompany;
    ui::TextBox txtUserName, txtUserAddress, txtUserState, txtUserSSnum;
    // Captions beside the boxes: "DATE", "PAY TO THE ORDER OF", "$", "DOLLARS", "MEMO".
    ui::Label lbDate, lbPayTo, lbDollarSign, lbDollars, lbMemo;
    ui::CommandButton mnuPrintCheck; // "Print"

    // On opening, a click on an empty part and the focus: the name fields and the payee from
    // the profile, the words and the padded figure from the net pay. Edits there are replaced.
    void Refresh();
    // Before a check is printed: a calculation since the last refresh refreshes the screen, and
    // another period ending date replaces the check's date, as on opening; so the face shows
    // the period its stubs show. Edits stand while neither changed.
    void refreshIfStale();
    void Form_Click() { Refresh(); }
    void Form_Activate() { Refresh(); }
    // Opens the printer offset dialog.
    void mnuPrintCheck_Click();

private:
    App& m_app;
    float m_refreshedNet = 0; // the net pay of the last refresh
    std::string m_refreshedWeek; // the period ending date last put into txtCheckDate
};

} // namespace tallyman
