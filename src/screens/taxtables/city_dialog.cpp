// The city dialog and the city settings file.
#include "screens/taxtables/city_dialog.h"

#include "numbers/number_text.h"
#include "screens/app.h"
#include "screens/taxtables/dialog_fields.h"
#include "taxtables/default_tables.h"
#include "taxtables/settings_files.h"

namespace tallyman {

namespace {

std::array<StateRows*, 8> recordColumns(CityTaxSettings& c)
{
    return { &c.CityMinBS, &c.CityAmtBS, &c.CityPerBS, &c.CityMinBM, &c.CityAmtBM, &c.CityPerBM, &c.CitySgExp,
        &c.CityMarExp };
}

} // namespace

CityDialog::CityDialog(App& app)
    : m_app(app)
{
    setTitle("City (Local) Tax Tables");
    for (auto* column : columns())
        for (auto& box : *column)
            box.setNumeric(true);

    ckNoLocalTax.setCaption("NO LOCAL TAX");
    Label1.setCaption("Table for SINGLE Persons");
    Label5.setCaption("Table for MARRIED Persons");
    for (auto* label : { &Label2, &Label8 })
        label->setCaption("Minimum Range");
    for (auto* label : { &Label3, &Label9 })
        label->setCaption("Amount to Withhold");
    for (auto* label : { &Label4, &Label10 })
        label->setCaption("Multiply by Percentage in Decimal");
    Label19.setCaption("BIWEEKLY ");
    Label20.setCaption("BIWEEKLY ");
    Label13.setCaption("# of Exemp");
    Label14.setCaption("SINGLE");
    Label15.setCaption("MARRIED");
    Label16.setCaption("Withholding Allowance");
    for (std::size_t i = 0; i < Label27.size(); ++i)
        Label27[i].setCaption(numberText(static_cast<int>(i)));
    Label18.setCaption("WARNING!");
    Label17.setCaption("Enter 999999 in any Minimum Range Box that is not used.");
    Label12.setCaption(
        "When you enter the above biweekly info, the weekly tables will be configured for half the "
        "amount including the exemptions.");

    cmdDefault.setCaption("&New York");
    cmdClearMe.setCaption("CLEAR ALL");
    OKButton.setCaption("&SAVE");
    CancelButton.setCaption("&CANCEL");

    cmdDefault.onClick = [this] { cmdDefault_Click(); };
    cmdClearMe.onClick = [this] { cmdClearMe_Click(); };
    OKButton.onClick = [this] { OKButton_Click(); };
    CancelButton.onClick = [this] { CancelButton_Click(); };
    onCloseRequested = [this] { CancelButton_Click(); };
    ckNoLocalTax.onClick = [this] { ckNoLocalTax_Click(); };
}

void CityDialog::load()
{
    LoadCitySettings();
    CheckFor();
    // Texts of stored numbers and blank-fill figures: they convert.
    fillVar();
}

void CityDialog::LoadCitySettings()
{
    App& app = m_app;
    const auto path = cityFile(app.folder(), app.UserName);
    if (settingsLoaded(app, loadCityFile(path, app.city), path))
        showRecord();
}

std::array<CityDialog::Column*, 8> CityDialog::columns()
{
    return { &txtCityMinBS, &txtCityAmtBS, &txtCityPerBS, &txtCityMinBM, &txtCityAmtBM, &txtCityPerBM,
        &txtCitySgExp, &txtCityMarExp };
}

void CityDialog::CheckFor()
{
    const auto cols = columns();
    for (std::size_t c = 0; c < cols.size(); ++c)
        for (std::size_t row = 0; row < 10; ++row) {
            auto& box = (*cols[c])[row];
            if (box.text().empty())
                box.setText(std::string(CityBlankFillTable[row][c]));
        }
}

bool CityDialog::fillVar()
{
    CityTaxSettings& city = m_app.city;
    city.NoLocalTax = static_cast<short>(ckNoLocalTax.value());
    return copyTableFields(columns(), recordColumns(city));
}

void CityDialog::showRecord()
{
    showTablesFromRecord();
    ckNoLocalTax.setValue(m_app.city.NoLocalTax);
}

void CityDialog::showTablesFromRecord()
{
    const auto cols = columns();
    const auto rec = recordColumns(m_app.city);
    for (std::size_t c = 0; c < cols.size(); ++c)
        for (std::size_t row = 0; row < 10; ++row)
            (*cols[c])[row].setText(numberText((*rec[c])[row]));
}

void CityDialog::cmdDefault_Click()
{
    ckNoLocalTax.setValue(0);
    const auto cols = columns();
    for (std::size_t c = 0; c < cols.size(); ++c)
        for (std::size_t row = 0; row < 10; ++row)
            (*cols[c])[row].setText(std::string(NewYorkCityTable[row][c]));
}

void CityDialog::cmdClearMe_Click()
{
    const auto cols = columns();
    for (std::size_t c = 0; c < cols.size(); ++c)
        for (auto& box : *cols[c])
            box.setText(std::string(c == MinS || c == MinM ? UnusedMinimum : "0"));
}

void CityDialog::ckNoLocalTax_Click()
{
    if (ckNoLocalTax.value() == 1) {
        m_app.city.NoLocalTax = 1;
        cmdClearMe_Click();
    } else {
        showTablesFromRecord();
    }
}

void CityDialog::OKButton_Click()
{
    CheckFor();
    if (!fillVar()) {
        reportNonNumeric(m_app);
        return;
    }
    App& app = m_app;
    app.SaveCitySettings();
    app.close(ScreenId::CityDialog);
}

void CityDialog::CancelButton_Click() { m_app.close(ScreenId::CityDialog); }

} // namespace tallyman
