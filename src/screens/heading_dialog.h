// "Print Out Heading": the employer's heading of the printouts, shared by every user.
#pragma once

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
    // False after the message when Header.sav could not be written; the dialog stays open.
    bool OKButton_Click();
    void CancelButton_Click();

private:
    App& m_app;
};

} // namespace tallyman
