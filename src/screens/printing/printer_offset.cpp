// The printer offset dialog: the two boxes read strictly, stored with the profile, and the
// check, its preview and the test page printed at those offsets.
#include "screens/printing/printer_offset.h"

#include "numbers/number_text.h"
#include "numbers/rounding.h"
#include "screens/app.h"
#include "screens/main_window.h"
#include "screens/printing/check_writer.h"

#include <cmath>

namespace tallyman {

namespace {

// Further than any page reaches; keeps the whole numbers small.
constexpr double LargestOffset = 200;

std::string wholeText(Amount offset) { return numberText(static_cast<int>(roundWhole(offset))); }

} // namespace

PrinterOffsetDialog::PrinterOffsetDialog(App& app)
    : m_app(app)
{
    setTitle("Printer Offset");
    Label1.setCaption("OFFSET ADJUSTMENT");
    lbHorz.setCaption("Horizontal ");
    lbVert.setCaption("Vertical");
    lbInstructions.setCaption("Before printing on actual checks, print on plain printer paper. Match up by "
                              "holding the printed paper "
                              "behind the actual blank check sheet and hold up to light. To adust change "
                              "settings above until disired "
                              "settings are achived");
    const std::vector<std::string> steps { "+5", "+4", "+3", "+2", "+1", "0", "-1", "-2", "-3", "-4", "-5" };
    cboHorz.setItems(steps);
    cboVert.setItems(steps);
    const auto wire = [](ui::CommandButton& button, const char* caption, std::function<void()> handler) {
        button.setCaption(caption);
        button.onClick = std::move(handler);
    };
    wire(cmdApply, "&Apply", [this] { cmdApply_Click(); });
    wire(OKButton, "Print Check", [this] { OKButton_Click(); });
    wire(CancelButton, "&Cancel", [this] { CancelButton_Click(); });
    wire(cmdPreview, "Preview", [this] { cmdPreview_Click(); });
    wire(cmdTestPage, "Test Page", [this] { cmdTestPage_Click(); });
    onCloseRequested = [this] { CancelButton_Click(); };
}

void PrinterOffsetDialog::load()
{
    m_app.LoadUserFiles();
    cboHorz.setText(wholeText(m_app.offsets.HorzOffset));
    cboVert.setText(wholeText(m_app.offsets.VertOffset));
    for (ui::ComboBox* box : { &cboHorz, &cboVert })
        if (box->text().empty())
            box->setText("0");
    lbWeek.setText(m_app.mainWindow().txtWeek.text());
}

std::optional<printing::CheckOffsets> PrinterOffsetDialog::offsetsFromBoxes()
{
    const auto read = [this](const ui::ComboBox& box, const char* name) -> std::optional<double> {
        const auto value = strictNumber(box.text());
        if (value && std::abs(*value) <= LargestOffset)
            return value;
        m_app.message({ std::string("The ") + name + " offset \"" + box.text() + "\" is not a number of "
                              + (name[0] == 'h' ? "columns" : "lines") + " between -200 and 200.",
                          "Nothing was stored or printed." },
            ProgramTitle, ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        return std::nullopt;
    };
    const auto horizontal = read(cboHorz, "horizontal");
    if (!horizontal)
        return std::nullopt;
    const auto vertical = read(cboVert, "vertical");
    if (!vertical)
        return std::nullopt;
    // The margin is rounded after the 3 lines are added, as the check has always done.
    return printing::CheckOffsets { static_cast<int>(roundWhole(*horizontal)),
        static_cast<int>(roundWhole(*vertical + 3)) };
}

std::optional<printing::CheckOffsets> PrinterOffsetDialog::storeOffsets()
{
    const auto offsets = offsetsFromBoxes();
    if (!offsets)
        return std::nullopt;
    m_app.offsets.HorzOffset = toAmount(*strictNumber(cboHorz.text()));
    m_app.offsets.VertOffset = toAmount(*strictNumber(cboVert.text()));
    if (!m_app.SaveOT())
        return std::nullopt;
    return offsets;
}

void PrinterOffsetDialog::cmdApply_Click() { storeOffsets(); }

void PrinterOffsetDialog::OKButton_Click()
{
    if (m_app.readOnly()) {
        // Printing needs no save: the check comes out at the offsets shown, which stay unstored.
        const auto shown = offsetsFromBoxes();
        if (!shown)
            return;
        if (m_app.mainWindow().PrintCheck(*shown))
            m_app.message({ "The check was printed at the offsets shown.",
                              "They were not stored: the user is open read-only here." },
                ProgramTitle, ui::MessageButtons::Ok, ui::MessageIcon::Information);
        m_app.close(ScreenId::PrinterOffset);
        return;
    }
    const auto offsets = storeOffsets();
    if (!offsets)
        return;
    m_app.mainWindow().PrintCheck(*offsets);
    m_app.close(ScreenId::PrinterOffset);
}

void PrinterOffsetDialog::CancelButton_Click() { m_app.close(ScreenId::PrinterOffset); }

void PrinterOffsetDialog::cmdPreview_Click()
{
    const auto offsets = offsetsFromBoxes();
    if (!offsets)
        return;
    // A check that is refused must not leave the next printout waiting for a preview.
    m_app.checkWriter().refreshIfStale();
    if (m_app.AmountWords && !m_app.printer().previewNextDocument())
        return;
    m_app.mainWindow().PrintCheck(*offsets);
}

void PrinterOffsetDialog::cmdTestPage_Click()
{
    if (const auto offsets = offsetsFromBoxes())
        m_app.reportPrinterFailure(printing::PrintTestPage(m_app.printer(), *offsets));
}

} // namespace tallyman
