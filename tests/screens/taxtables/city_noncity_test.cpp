// The city and non-city dialogs: defaults, blank filling, NO LOCAL TAX, saving, bad files and texts.
#include "taxtables_fixture.h"

#include "taxtables/settings_files.h"

#include <string>

namespace tallyman::testing {
namespace {

const std::vector<std::string> CorruptCity { "You have corupted a file.", "Find file,", "Smith.cti",
    "and delete it." };
const std::vector<std::string> CorruptNonCity { "You have corupted a file.", "Find file,", "Smith.nci",
    "and delete it." };

// ---- City: the two New York City tables ----

struct CityFigure {
    const char* name;
    CityDialog::Column CityDialog::*column;
    StateRows CityTaxSettings::*record;
    std::size_t row;
    const char* blankFill;
    const char* newYork;
};

const CityFigure CityFigures[] = {
    { "MinBS3", &CityDialog::txtCityMinBS, &CityTaxSettings::CityMinBS, 3, "557", "577" },
    { "MinBM6", &CityDialog::txtCityMinBM, &CityTaxSettings::CityMinBM, 6, "19231", "999999" },
    { "MinBS6", &CityDialog::txtCityMinBS, &CityTaxSettings::CityMinBS, 6, "999999", "999999" },
    { "SgExp9", &CityDialog::txtCitySgExp, &CityTaxSettings::CitySgExp, 9, "538.8", "538.8" },
    { "MarExp0", &CityDialog::txtCityMarExp, &CityTaxSettings::CityMarExp, 0, "211.5", "211.5" },
};

class CityFigureTest : public TaxTablesTest, public ::testing::WithParamInterface<CityFigure> { };

TEST_P(CityFigureTest, UserWithoutFileStartsWithBlankFillAndNewYorkWritesTheCityTable)
{
    const auto& f = GetParam();
    CityDialog& d = city();
    EXPECT_EQ((d.*f.column)[f.row].text(), f.blankFill);
    EXPECT_EQ((app->city.*f.record)[f.row], std::stof(f.blankFill));
    d.cmdDefault.click();
    EXPECT_EQ((d.*f.column)[f.row].text(), f.newYork);
    EXPECT_EQ((app->city.*f.record)[f.row], std::stof(f.blankFill)); // nothing copied
}

INSTANTIATE_TEST_SUITE_P(Fields, CityFigureTest, ::testing::ValuesIn(CityFigures),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(TaxTablesTest, NoLocalTaxClearsAndUncheckingRestoresTheRecord)
{
    CityDialog& d = city();
    d.txtCityAmtBS[2].setText("8");
    d.ckNoLocalTax.setValue(1);
    EXPECT_EQ(app->city.NoLocalTax, 1);
    for (std::size_t row = 0; row < 10; ++row) {
        EXPECT_EQ(d.txtCityMinBS[row].text(), "999999");
        EXPECT_EQ(d.txtCityMinBM[row].text(), "999999");
        EXPECT_EQ(d.txtCityPerBM[row].text(), "0");
        EXPECT_EQ(d.txtCitySgExp[row].text(), "0");
    }
    d.txtCityMinBS[1].setText("5");
    d.ckNoLocalTax.setValue(0);
    EXPECT_EQ(d.txtCityMinBS[1].text(), "308");
    EXPECT_EQ(d.txtCityAmtBS[2].text(), "7.08");

    d.ckNoLocalTax.setValue(1);
    d.cmdDefault.click(); // New York unchecks it first
    EXPECT_EQ(d.ckNoLocalTax.value(), 0);
    EXPECT_EQ(d.txtCityMinBS[5].text(), "2308");
}

TEST_F(TaxTablesTest, CityNoLocalTaxSavedWithholdsNothing)
{
    CityDialog& d = city();
    d.ckNoLocalTax.setValue(1);
    d.OKButton.click();
    EXPECT_FALSE(app->isLoaded(ScreenId::CityDialog));
    ASSERT_TRUE(exists("Smith.cti"));
    CityTaxSettings stored;
    ASSERT_EQ(loadCityFile(dir / "Smith.cti", stored), SettingsLoad::Loaded);
    EXPECT_EQ(stored.NoLocalTax, 1);
    for (std::size_t row = 0; row < 10; ++row) {
        EXPECT_EQ(stored.CityMinBS[row], 999999.0f);
        EXPECT_EQ(stored.CityMarExp[row], 0.0f);
    }
}

TEST_F(TaxTablesTest, CitySaveFillsBlanksAndLoadShowsTheFile)
{
    CityDialog& d = city();
    d.txtCityAmtBS[4].setText("");
    d.txtCitySgExp[2].setText("270.25");
    d.OKButton.click();
    app->releaseClosedScreens();
    EXPECT_EQ(app->city.CityAmtBS[4], 30.12f);

    app->city = CityTaxSettings {};
    CityDialog& again = city(); // opening reads the file
    EXPECT_EQ(again.txtCitySgExp[2].text(), "270.25");
    EXPECT_EQ(again.txtCityAmtBS[4].text(), "30.12");
    EXPECT_EQ(app->city.CitySgExp[2], 270.25f);

    again.txtCitySgExp[2].setText("1");
    app->city.CitySgExp[2] = 1;
    again.LoadCitySettings();
    EXPECT_EQ(again.txtCitySgExp[2].text(), "270.25");
    EXPECT_EQ(app->city.CitySgExp[2], 270.25f);
}

TEST_F(TaxTablesTest, CityFieldOfSpacesIsRefused)
{
    CityDialog& d = city();
    d.txtCityPerBM[7].setText("  ");
    d.OKButton.click();
    EXPECT_EQ(d.txtCityPerBM[7].text(), "  ");
    EXPECT_TRUE(saw(NonNumeric));
    EXPECT_TRUE(app->isLoaded(ScreenId::CityDialog));
    EXPECT_FALSE(exists("Smith.cti"));
}

TEST_F(TaxTablesTest, CorruptCityFileIsReportedAndNotShown)
{
    write("Smith.cti", "1,2,3,4,5,6\r\n7,8\r\n");
    CityDialog& d = city();
    EXPECT_TRUE(saw(CorruptCity));
    EXPECT_EQ(d.txtCityMinBS[0].text(), "0"); // blank fill, not the file
    EXPECT_EQ(d.txtCityMinBS[3].text(), "557");
}

// ---- Non-city ----

TEST_F(TaxTablesTest, NonCityUserWithoutFileStartsWithTheDefaults)
{
    NonCityDialog& d = nonCity();
    EXPECT_EQ(d.title(), "NON City Resident");
    EXPECT_EQ(d.txtNonPer.text(), "0.0045");
    EXPECT_EQ(app->nonCity.NonPer, 0.0045f);
    EXPECT_EQ(d.txtNonMinBi[4].text(), "1154");
    EXPECT_EQ(d.txtNonExpWk[3].text(), "19");
    EXPECT_EQ(app->nonCity.NonMinWk[2], 192.0f);
    EXPECT_EQ(app->nonCity.NonMinBi[7], 999999.0f);
}

TEST_F(TaxTablesTest, NonCityCancelHidesAndKeepsTheEdits)
{
    NonCityDialog& d = nonCity();
    d.setShown(true);
    d.txtNonExpBi[1].setText("120");
    d.CancelButton.click();
    EXPECT_FALSE(d.shown());
    ASSERT_TRUE(app->isLoaded(ScreenId::NonCityDialog));
    EXPECT_EQ(nonCity().txtNonExpBi[1].text(), "120");
    EXPECT_EQ(app->nonCity.NonExpBi[1], 115.0f);
    EXPECT_FALSE(exists("Smith.nci"));

    nonCity().OKButton.click();
    EXPECT_FALSE(app->isLoaded(ScreenId::NonCityDialog));
    EXPECT_EQ(app->nonCity.NonExpBi[1], 120.0f);
    NonCitySettings stored;
    ASSERT_EQ(loadNonCityFile(dir / "Smith.nci", stored), SettingsLoad::Loaded);
    EXPECT_EQ(stored.NonExpBi[1], 120.0f);
    EXPECT_EQ(stored.NonPer, 0.0045f);
}

TEST_F(TaxTablesTest, CloseBoxesDiscardTheDialogsWithoutSaving)
{
    for (ScreenId id : { ScreenId::StateDialog, ScreenId::CityDialog, ScreenId::NonCityDialog }) {
        ui::Screen& screen = id == ScreenId::StateDialog ? static_cast<ui::Screen&>(state())
            : id == ScreenId::CityDialog                 ? static_cast<ui::Screen&>(city())
                                                         : static_cast<ui::Screen&>(nonCity());
        screen.requestClose();
        EXPECT_FALSE(app->isLoaded(id)) << static_cast<int>(id);
    }
    EXPECT_FALSE(exists("Smith.sta") || exists("Smith.cti") || exists("Smith.nci"));
}

TEST_F(TaxTablesTest, NonCityBlankIsFilledButSpacesAreRefused)
{
    NonCityDialog& d = nonCity();
    d.txtNonMinBi[2].setText("");
    d.txtNonPer.setText(" ");
    d.OKButton.click();
    EXPECT_EQ(d.txtNonMinBi[2].text(), "385");
    EXPECT_TRUE(saw(NonNumeric));
    EXPECT_TRUE(app->isLoaded(ScreenId::NonCityDialog));
    EXPECT_FALSE(exists("Smith.nci"));
}

TEST_F(TaxTablesTest, CorruptNonCityFileIsReported)
{
    write("Smith.nci", "1,2,3,4\r\nx,2,3,4\r\n");
    NonCityDialog& d = nonCity();
    EXPECT_TRUE(saw(CorruptNonCity));
    EXPECT_EQ(d.txtNonMinBi[0].text(), "0");
    EXPECT_EQ(d.txtNonMinBi[1].text(), "145");
}

TEST_F(TaxTablesTest, NonCityFileIsReadAtOpeningAndOnRequest)
{
    nonCity().txtNonPer.setText("0.02");
    nonCity().OKButton.click();
    app->releaseClosedScreens();
    app->nonCity = NonCitySettings {};
    NonCityDialog& again = nonCity(); // opening reads the file
    EXPECT_EQ(again.txtNonPer.text(), "0.02");
    EXPECT_EQ(app->nonCity.NonPer, 0.02f);
    EXPECT_EQ(app->nonCity.NonMinBi[1], 145.0f);

    again.txtNonPer.setText("0.5");
    again.LoadNonCitySettings();
    EXPECT_EQ(again.txtNonPer.text(), "0.02");
}

} // namespace
} // namespace tallyman::testing
