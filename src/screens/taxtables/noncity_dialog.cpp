// The non-city resident dialog and the non-city settings file.
#include "screens/taxtables/noncity_dialog.h"

#include "numbers/number_text.h"
#include "screens/app.h"
#include "screens/taxtables/dialog_fields.h"
#include "taxtables/default_tables.h"
#include "taxtables/settings_files.h"

namespace tallyman {

namespace {

std::array<NonCityRows*, 4> recordColumns(NonCitySettings& n)
{
    return { &n.NonMinBi, &n.NonExpBi, &n.NonMinWk, &n.NonExpWk };
}

} // namespace

NonCityDialog::NonCityDialog(App& app)
    : m_app(app)
{
    setTitle("NON City Resident");
    for (auto* column : columns())
        for (auto& box : *column)
            box.setNumeric(true);
    txtNonPer.setNumeric(true);

    Label1.setCaption("NON Resident Table");
    Label2.setCaption("BIWEEKLY");
    Label3.setCaption("Minimum Range");
    Label4.setCaption("Subtract");
    Label5.setCaption("NON Resident Table");
    Label6.setCaption("WEEKLY");
    Label7.setCaption("Minimum Range");
    Label8.setCaption("Subtract");
    Label9.setCaption("Multiply by Percentage in Decimal");
    Label10.setCaption("WARNING!");
    Label11.setCaption("Enter 999999 in any Minimum Range Box that is not used.");

    cmdDefault.setCaption("&DEFAULT");
    OKButton.setCaption("&SAVE");
    CancelButton.setCaption("&CANCEL");
    cmdDefault.onClick = [this] { cmdDefault_Click(); };
    OKButton.onClick = [this] { OKButton_Click(); };
    CancelButton.onClick = [this] { CancelButton_Click(); };
    // The close box discards the dialog; only CANCEL keeps it for the next showing.
    onCloseRequested = [this] { m_app.close(ScreenId::NonCityDialog); };
}

void NonCityDialog::load()
{
    LoadNonCitySettings();
    ChkFor();
    // Texts of stored numbers and default figures: they convert.
    fillVarib();
}

void NonCityDialog::LoadNonCitySettings()
{
    App& app = m_app;
    const auto path = nonCityFile(app.folder(), app.UserName);
    if (settingsLoaded(app, loadNonCityFile(path, app.nonCity), path))
        showRecord();
}

std::array<NonCityDialog::Column*, 4> NonCityDialog::columns()
{
    return { &txtNonMinBi, &txtNonExpBi, &txtNonMinWk, &txtNonExpWk };
}

void NonCityDialog::ChkFor()
{
    const auto cols = columns();
    for (std::size_t c = 0; c < cols.size(); ++c)
        for (std::size_t row = 0; row < 8; ++row) {
            auto& box = (*cols[c])[row];
            if (box.text().empty())
                box.setText(std::string(NonCityDefaultTable[row][c]));
        }
    if (txtNonPer.text().empty())
        txtNonPer.setText(std::string(NonCityDefaultRate));
}

bool NonCityDialog::fillVarib()
{
    NonCitySettings& nonCity = m_app.nonCity;
    const auto cols = columns();
    const auto rec = recordColumns(nonCity);
    for (std::size_t row = 0; row < 8; ++row)
        for (std::size_t c = 0; c < cols.size(); ++c)
            if (!copyField((*cols[c])[row], (*rec[c])[row]))
                return false;
    return copyField(txtNonPer, nonCity.NonPer);
}

void NonCityDialog::deFault()
{
    const auto cols = columns();
    for (std::size_t row = 0; row < 8; ++row)
        for (std::size_t c = 0; c < cols.size(); ++c)
            (*cols[c])[row].setText(std::string(NonCityDefaultTable[row][c]));
    txtNonPer.setText(std::string(NonCityDefaultRate));
}

void NonCityDialog::showRecord()
{
    const auto cols = columns();
    const auto rec = recordColumns(m_app.nonCity);
    for (std::size_t row = 0; row < 8; ++row)
        for (std::size_t c = 0; c < cols.size(); ++c)
            (*cols[c])[row].setText(numberText((*rec[c])[row]));
    txtNonPer.setText(numberText(m_app.nonCity.NonPer));
}

void NonCityDialog::cmdDefault_Click() { deFault(); }

void NonCityDialog::OKButton_Click()
{
    ChkFor();
    if (!fillVarib()) {
        reportNonNumeric(m_app);
        return;
    }
    App& app = m_app;
    app.SaveNonCitySettings();
    app.close(ScreenId::NonCityDialog);
}

void NonCityDialog::CancelButton_Click() { setShown(false); }

} // namespace tallyman
