// The printer offset dialog (dlgPrintSet, "Printer Offset"): shifts the check on its paper,
// stores the shift with the profile and prints the check, a preview or a test page.
#pragma once

#include "platform/controls.h"
#include "printing/check.h"

#include <optional>

namespace tallyman {

class App;

class PrinterOffsetDialog : public ui::Screen {
public:
    explicit PrinterOffsetDialog(App& app);
    PrinterOffsetDialog(const PrinterOffsetDialog&) = delete;
    PrinterOffsetDialog& operator=(const PrinterOffsetDialog&) = delete;

    // Opening: the profile files reloaded, the stored offsets shown as whole numbers.
    void load();

    ui::Label Label1; // "OFFSET ADJUSTMENT"
    ui::Label lbHorz, lbVert; // "Horizontal ", "Vertical"
    ui::Label lbWeek; // the main window's week ending
    ui::Label lbInstructions;
    ui::ComboBox cboHorz, cboVert; // "+5" to "-5"; a number may be typed
    ui::CommandButton cmdApply, OKButton, CancelButton;
    ui::CommandButton cmdPreview, cmdTestPage;

    // Stores both boxes and saves the profile files; the dialog stays open.
    void cmdApply_Click();
    // Stores and saves as Apply, prints the check, closes.
    void OKButton_Click();
    void CancelButton_Click();
    // The check on screen at the offsets in the boxes, nothing stored.
    void cmdPreview_Click();
    // The alignment page at the offsets in the boxes, nothing stored.
    void cmdTestPage_Click();

    // The offsets the boxes hold, as the check uses them. A text that is not a number (or
    // lies beyond what a page can hold) is refused with a message naming its box.
    std::optional<printing::CheckOffsets> offsetsFromBoxes();

private:
    std::optional<printing::CheckOffsets> storeOffsets();

    App& m_app;
};

} // namespace tallyman
