// The "City (Local) Tax Tables" dialog model and the city settings file of the current user.
#pragma once

#include "platform/controls.h"

#include <array>
#include <cstddef>
#include <string>

namespace tallyman {

class App;

class CityDialog : public ui::Screen {
public:
    explicit CityDialog(App& app);
    CityDialog(const CityDialog&) = delete;
    CityDialog& operator=(const CityDialog&) = delete;

    // Opening: the city file, then blank fields filled and the dialog copied into the record.
    void load();

    using Column = ui::ControlArray<ui::TextBox, 10>;

    Column txtCityMinBS, txtCityAmtBS, txtCityPerBS; // single table, rows 0-9
    Column txtCityMinBM, txtCityAmtBM, txtCityPerBM; // married table
    Column txtCitySgExp, txtCityMarExp; // allowance by number of exemptions
    ui::CheckBox ckNoLocalTax;

    // Label1/Label5 head the single and married tables, Label2-4 and Label8-10 their columns,
    // Label19/Label20 mark them bi-weekly; Label13-16 and Label27 title the allowance table;
    // Label17, Label18 and Label12 are the fixed notes.
    ui::Label Label1, Label2, Label3, Label4, Label5, Label8, Label9, Label10, Label12, Label13, Label14,
        Label15, Label16, Label17, Label18, Label19, Label20;
    ui::ControlArray<ui::Label, 10> Label27;

    ui::CommandButton cmdDefault, cmdClearMe, OKButton, CancelButton;

    // Reads the user's city file (UserName + ".cti") into the record when it exists and shows
    // it here. A corrupt file is reported and nothing is shown.
    void LoadCitySettings();
    // Fills every field whose text is exactly empty with its blank-fill figure.
    void CheckFor();
    // Copies the dialog into the record; stops at the first field that does not convert
    // (fields before it are copied) and returns false.
    bool fillVar();
    // Every field from the record, then NO LOCAL TAX.
    void showRecord();

    void cmdDefault_Click();
    void cmdClearMe_Click();
    void OKButton_Click();
    void CancelButton_Click();
    void ckNoLocalTax_Click();

private:
    std::array<Column*, 8> columns();
    void showTablesFromRecord();

    App& m_app;
};

} // namespace tallyman
