// The heading dialog: load with defaults, OK saves Header.sav, Cancel keeps the file.
#include "screens/heading_dialog.h"

#include "screens/app.h"
#include "screens/entry_numbers.h"
#include "storage/folder_lock.h"

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
    if (const auto reason = unreadableReason(m_app.folder().file(HeaderFileName)))
        m_app.message(
            { std::string("The file ") + HeaderFileName + " exists but cannot be read: " + *reason + ".",
                "The heading shown is not what the file holds, and it cannot be saved." },
            ProgramTitle, ui::MessageButtons::Ok, ui::MessageIcon::Warning);
    LoadHeader(m_app.folder(), m_app.heading);
    fillEmptyHeadingFields(m_app.heading);
    m_shown = m_app.heading;
    const auto values = fields(m_app.heading);
    for (std::size_t i = 0; i < values.size(); ++i)
        txtHeader[i].setText(*values[i]);
}

bool HeadingDialog::OKButton_Click()
{
    const auto notSaved = [this](const std::string& why) {
        m_app.message({ "The heading was not saved.", why }, ProgramTitle, ui::MessageButtons::Ok,
            ui::MessageIcon::Warning);
        return false;
    };
    // The refusal names the box and the character, so the person knows what to change.
    for (std::size_t i = 0; i < txtHeader.size(); ++i)
        if (const auto problem = storableCharacterProblem(txtHeader[i].text(), lbHeader[i].caption()))
            return notSaved(*problem);
    const DataFolder& folder = m_app.folder();
    const FolderLock lock(folder);
    if (!lock.held())
        return notSaved(lock.failure());
    if (const auto reason = unreadableReason(folder.file(HeaderFileName)))
        return notSaved(
            std::string("The file ") + HeaderFileName + " exists but cannot be read: " + *reason + ".");
    PrintHeading edited = m_app.heading;
    LoadHeader(folder, edited);
    fillEmptyHeadingFields(edited);
    const auto values = fields(edited);
    const auto shown = fields(m_shown);
    for (std::size_t i = 0; i < values.size(); ++i)
        if (txtHeader[i].text() != *shown[i])
            *values[i] = txtHeader[i].text();
    if (const auto problem = SaveHeader(folder, edited))
        return notSaved(*problem);
    m_app.heading = edited;
    m_app.close(ScreenId::Heading);
    return true;
}

void HeadingDialog::CancelButton_Click() { m_app.close(ScreenId::Heading); }

} // namespace tallyman
