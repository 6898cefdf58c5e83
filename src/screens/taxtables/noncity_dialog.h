// The "NON City Resident" dialog model and the non-city settings file of the current user.
#pragma once

#include "platform/controls.h"

#include <array>

namespace tallyman {

class App;

class NonCityDialog : public ui::Screen {
public:
    explicit NonCityDialog(App& app);
    NonCityDialog(const NonCityDialog&) = delete;
    NonCityDialog& operator=(const NonCityDialog&) = delete;

    // Opening: the non-city file, then blank fields filled and the dialog copied into the record.
    void load();

    using Column = ui::ControlArray<ui::TextBox, 8>;

    Column txtNonMinBi, txtNonExpBi; // bi-weekly table, rows 0-7
    Column txtNonMinWk, txtNonExpWk; // weekly table
    ui::TextBox txtNonPer;

    // Label1-Label4 head the bi-weekly table, Label5-Label8 the weekly one, Label9 the rate;
    // Label10 and Label11 are the fixed notes.
    ui::Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11;

    ui::CommandButton cmdDefault, OKButton, CancelButton;

    // Reads the user's non-city file (UserName + ".nci") into the record when it exists and
    // shows it here. A corrupt file is reported and nothing is shown.
    void LoadNonCitySettings();
    // Fills every field whose text is exactly empty with its default figure.
    void ChkFor();
    // Copies the dialog into the record; stops at the first field that does not convert
    // (fields before it are copied) and returns false.
    bool fillVarib();
    // Writes the default figures into all 33 fields.
    void deFault();
    void showRecord();

    void cmdDefault_Click();
    void OKButton_Click();
    // Hides the dialog and keeps it, edits included.
    void CancelButton_Click();

private:
    std::array<Column*, 4> columns();

    App& m_app;
};

} // namespace tallyman
