// "Print Out Heading": the employer's heading of the printouts, shared by every user.
#pragma once

#include "employee/print_heading.h"
#include "platform/controls.h"

namespace tallyman {

class App;

class HeadingDialog : public ui::Screen {
public:
    explicit HeadingDialog(App& app);

    // Company, address, city/state/zip line, ID number.
    ui::ControlArray<ui::TextBox, 4> txtHeader;
    ui::ControlArray<ui::Label, 4> lbHeader;
    ui::CommandButton OKButton, CancelButton;

    // Opening: Header.sav read, empty fields given their defaults (in memory), boxes filled.
    void load();
    // Under the folder's lock, Header.sav is read again: the boxes the person changed replace
    // their fields, the others keep what another program may have saved meanwhile. False
    // after the message when Header.sav could not be read or written; the dialog stays open.
    bool OKButton_Click();
    void CancelButton_Click();

private:
    App& m_app;
    PrintHeading m_shown; // what the boxes were filled with
};

} // namespace tallyman
