// The heading dialog: load with defaults, OK saves Header.sav, Cancel keeps the file.
#include "screens/heading_dialog.h"

#include "screens/app.h"
#include "screens/entry_numbers.h"

#include <array>

namespace tallyman {

namespace {

std::array<std::string*, 4> fields(PrintHeading& h)
{
    return { &h.Company, &h.CompanyAddress, &h.CompanyZip, &h.CompanyId };
}

} // namespace

HeadingDialog::HeadingDialog(App& app)
    : m_app(app)
{
    setTitle("Print Out Heading");
    const std::array<const char*, 4> captions { "Company", "Address", "City, State, Zip", "ID Number" };
    for (std::size_t i = 0; i < captions.size(); ++i)
        lbHeader[i].setCaption(captions[i]);
    OKButton.setCaption("OK");
    OKButton.onClick = [this] { OKButton_Click(); };
    CancelButton.setCaption("Cancel");
    CancelButton.onClick = [this] { CancelButton_Click(); };
    onCloseRequested = [this] { CancelButton_Click(); };
}

void HeadingDialog::load()
{
    LoadHeader(m_app.folder(), m_app.heading);
    fillEmptyHeadingFields(m_app.heading);
    const auto values = fields(m_app.heading);
    for (std::size_t i = 0; i < values.size(); ++i)
        txtHeader[i].setText(*values[i]);
}

bool HeadingDialog::OKButton_Click()
{
    PrintHeading edited = m_app.heading;
    const auto values = fields(edited);
    const auto refuse = [this](const std::string& problem) {
        m_app.message({ "The heading was not saved.", problem }, ProgramTitle, ui::MessageButtons::Ok,
            ui::MessageIcon::Warning);
        return false;
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        // The refusal names the box and the character, so the person knows what to change.
        if (const auto problem = storableCharacterProblem(txtHeader[i].text(), lbHeader[i].caption()))
            return refuse(*problem);
        *values[i] = txtHeader[i].text();
    }
    if (const auto problem = SaveHeader(m_app.folder(), edited))
        return refuse(*problem);
    m_app.heading = edited;
    m_app.close(ScreenId::Heading);
    return true;
}

void HeadingDialog::CancelButton_Click() { m_app.close(ScreenId::Heading); }

} // namespace tallyman
