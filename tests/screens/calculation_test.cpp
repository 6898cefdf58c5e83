// The ADD button: the calculation with the settings refresh, the results and the closing save.
#include "screens/app_fixture.h"

#include "screens/taxtables/city_dialog.h"
#include "screens/taxtables/state_dialog.h"
#include "taxtables/settings_files.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class CalculationTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(startAs("NAME"));
        main().txtAmount[0].onFocusRequested = [this] { ++focusedFirst; };
    }
    void add(const std::string& hours)
    {
        main().txtAmount[0].setText(hours);
        main().cmdCal_Click();
    }
    int focusedFirst = 0;
};

} // namespace

TEST_F(CalculationTest, FortyHoursAtTheDefaultRateAndTheClosingSave)
{
    add("40");

    EXPECT_EQ(main().Label13.text(), "$300.00");
    EXPECT_EQ(main().lbTaxDed[0].text(), "18.50"); // (300 - 115) x 10 % from the weekly single table
    EXPECT_EQ(main().lbTaxDed[1].text(), "18.60"); // 6.2 %
    EXPECT_EQ(main().lbTaxDed[2].text(), "4.35"); // 1.45 %
    EXPECT_EQ(main().lbTaxVer.text(), "2024 Percentage Method, W-4 2019 or earlier");
    EXPECT_EQ(main().txtAmount[0].text(), "40");
    EXPECT_EQ(main().txtAmount[1].text(), "");
    EXPECT_EQ(focusedFirst, 1);
    for (const char* file :
        { "NAME.use", "NAME.and", "NAME.cfe", "NAME.ovw", "NAME.sta", "NAME.cti", "NAME.nci" })
        EXPECT_TRUE(exists(file)) << file;
    EXPECT_EQ(main().title(), "NAME");
    for (ScreenId id :
        { ScreenId::StateDialog, ScreenId::CityDialog, ScreenId::UserInfo, ScreenId::SaveUser })
        EXPECT_FALSE(app->isLoaded(id)) << static_cast<int>(id);
}

TEST_F(CalculationTest, TheSettingsAndProfileAreReadAgainFromTheirFiles)
{
    app->profile.HourRate = 20; // never saved: the calculation reloads the profile set
    EmployeeProfile married = app->profile;
    married.StateStatus = "Married";
    StateTaxSettings state;
    state.SDIwageBase = 3.5f; // "Use Base" off: a flat SDI amount
    ASSERT_FALSE(saveStateFile(dir / "NAME.sta", state, married));

    add("40");

    EXPECT_EQ(main().Label13.text(), "$300.00");
    EXPECT_EQ(main().lbSDI.text(), "3.50");
    EXPECT_EQ(line("NAME.sta", 22).substr(0, 17), "0,0,0,0,\"Married\"");
}

// An older file may hold #TRUE# in "Use Base": it reads as checked, so the SDI rate stays.
TEST_F(CalculationTest, ATrueFlagInTheStateFileKeepsTheSdiRate)
{
    StateTaxSettings state;
    state.SDIpercent = 1.1f;
    state.SDIwageBase = 160000;
    ASSERT_FALSE(saveStateFile(dir / "NAME.sta", state, app->profile));
    std::string bytes = read("NAME.sta");
    const std::string sdi = "1.1,0,160000,0,0,0,";
    ASSERT_NE(bytes.find(sdi), std::string::npos);
    bytes.replace(bytes.find(sdi), sdi.size(), "1.1,0,160000,0,0,#TRUE#,");
    write("NAME.sta", bytes);

    add("40");

    EXPECT_EQ(line("NAME.sta", 21).substr(0, 21), "1.1,0,160000,0,0,1,0,");
    EXPECT_EQ(main().lbSDI.text(), "3.30"); // 1.1 % of $300.00
}

TEST_F(CalculationTest, OpenStateAndCityDialogsAreUsedAsTheyStandAndStayOpen)
{
    add("40");
    const double stateTax = std::stod(main().lbTaxDed[3].text());
    const std::string staBefore = read("NAME.sta");

    main().mnuState_Click();
    main().mnuCity_Click();
    StateDialog& state = app->stateDialog();
    CityDialog& city = app->cityDialog();
    state.txtStateAdj.setText("5");
    city.txtCityPerBS[0].setText("0.5");
    add("40");

    ASSERT_TRUE(app->isLoaded(ScreenId::StateDialog) && app->isLoaded(ScreenId::CityDialog));
    EXPECT_EQ(&app->stateDialog(), &state);
    EXPECT_EQ(&app->cityDialog(), &city);
    EXPECT_EQ(state.txtStateAdj.text(), "5");
    EXPECT_EQ(city.txtCityPerBS[0].text(), "0.5");
    EXPECT_DOUBLE_EQ(std::stod(main().lbTaxDed[3].text()), stateTax + 5);
    EXPECT_EQ(read("NAME.sta"), staBefore); // the unsaved adjustment stays in the dialog
}

TEST_F(CalculationTest, AnAmountTooLargeToComputeSavesNothing)
{
    main().txtAmount[6].setText("99999999999999999999");
    add("40");
    EXPECT_FALSE(exists("NAME.sta"));
    EXPECT_EQ(main().Label13.text(), "");
    EXPECT_EQ(lastMessage(),
        "The amounts entered are too large to compute.|Check the hours and the dollar amount.");
    EXPECT_EQ(main().title(), "  User:  NAME");
    EXPECT_FALSE(app->isLoaded(ScreenId::StateDialog));
    EXPECT_EQ(focusedFirst, 1);
}

TEST_F(CalculationTest, AMissingFederalTableIsReportedAndOnlyTheAdditionalAmountWithheld)
{
    std::filesystem::remove(dir / "Federal24.dtt");
    app->profile.FedAddL = 15;
    ASSERT_TRUE(app->SaveStateSettings());
    const std::size_t before = messageCount();
    add("40");
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(dialogs.messages().back().lines.at(0), "   Operation Failed ! ! !");
    EXPECT_EQ(dialogs.messages().back().icon, ui::MessageIcon::Warning);
    EXPECT_EQ(main().lbTaxDed[0].text(), "15.00");
}
