// "Check My Stub": the figures of an employer's pay stub typed beside Tallyman's own
// calculation of the period on the main window, each difference with its likely causes.
#pragma once

#include "engine/stub_check.h"
#include "platform/controls.h"

#include <optional>

namespace tallyman {

class App;

class StubCheckScreen : public ui::Screen {
public:
    explicit StubCheckScreen(App& app);

    // One row per line of the stub, in StubLine order.
    ui::ControlArray<ui::Label, StubLineCount> lbLine;
    ui::ControlArray<ui::TextBox, StubLineCount> txtStub; // empty: not on the stub
    ui::ControlArray<ui::Label, StubLineCount> lbTallyman, lbDifference, lbCause;
    ui::Label lbSummary;
    ui::CommandButton cmdCompare, cmdPrint, cmdClose;

    // Opening: the captions of the user's deductions; no comparison yet.
    void load();
    // Computes the period of the main window as ADD does, without saving anything, and fills
    // the table. False after a message when a typed figure is not an amount (nothing is
    // compared) or the period could not be computed.
    bool cmdCompare_Click();
    // Compares again, then prints the comparison on the chosen printer (a PDF file through
    // the printer dialog's print to file).
    bool cmdPrint_Click();
    void cmdClose_Click();

    // The last comparison, while its table is shown.
    const std::optional<StubComparison>& comparison() const { return m_comparison; }
    // Whether the row is more than a cent apart (the view highlights it).
    bool rowDiffers(std::size_t row) const;

private:
    void showCaptions();
    void clearResults();
    void showComparison();
    App& m_app;
    std::optional<StubComparison> m_comparison;
};

} // namespace tallyman
