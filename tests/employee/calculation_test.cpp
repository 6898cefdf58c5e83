// The ADD button: the calculation with the settings refresh, the results and the closing save.
#include "app/app_fixture.h"

#include "taxtables/city_dialog.h"
#include "taxtables/settings_files.h"
#include "taxtables/state_dialog.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class CalculationTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(exists("Federal24.dtt"));
        startAs("NAME");
        for (std::size_t i = 0; i < main().txtAmount.size(); ++i)
            main().txtAmount[i].onFocusRequested = [this, i] { focused = static_cast<int>(i); };
    }
    void add(const std::string &hours)
    {
        main().txtAmount[0].setText(hours);
        main().cmdCal_Click();
    }
    int focused = -1;
};

} // namespace

TEST_F(CalculationTest, FortyHoursAtTheDefaultRate)
{
    add("40");

    EXPECT_EQ(main().Label13.text(), "$300.00");
    EXPECT_EQ(main().lbTaxDed[0].text(), "18.50"); // (300 - 115) x 10 % from the weekly single table
    EXPECT_EQ(main().lbTaxDed[1].text(), "18.60"); // 6.2 %
    EXPECT_EQ(main().lbTaxDed[2].text(), "4.35");  // 1.45 %
    EXPECT_EQ(main().lbTaxVer.text(), "2024 Percentage Method, W-4 2019 or earlier");
    EXPECT_EQ(app->pay.GrossPay, 300.0f);
    EXPECT_EQ(main().txtAmount[0].text(), "40");
    for (std::size_t i = 1; i < main().txtAmount.size(); ++i)
        EXPECT_EQ(main().txtAmount[i].text(), "") << i;
    EXPECT_EQ(focused, 0);

    // The closing save wrote the whole user and closed the screens that reload.
    for (const char *file : {"NAME.use", "NAME.and", "NAME.cfe", "NAME.ovw", "NAME.sta", "NAME.cti", "NAME.nci"})
        EXPECT_TRUE(exists(file)) << file;
    EXPECT_EQ(main().title(), "NAME");
    for (ScreenId id : {ScreenId::StateDialog, ScreenId::CityDialog, ScreenId::UserInfo, ScreenId::SaveUser})
        EXPECT_FALSE(app->isLoaded(id)) << screenName(id);
    // The federal table is present only during the calculation.
    EXPECT_EQ(app->fedTable.SingleWeekly[1].Rate, 0.0f);
}

TEST_F(CalculationTest, TheSettingsAndProfileAreReadAgainFromTheirFiles)
{
    // Edits that never reached the files do not count: the calculation reloads them.
    app->profile.HourRate = 20;
    EmployeeProfile married = app->profile;
    married.StateStatus = "Married";
    married.StateExemptions = 1;
    StateTaxSettings state;
    state.SDIpercent = 1;
    state.SDIUseBase = 0;
    state.SDIwageBase = 3.5f; // a flat SDI amount
    ASSERT_FALSE(saveStateFile(path("NAME.sta"), state, married));

    add("40");

    EXPECT_EQ(main().Label13.text(), "$300.00");
    EXPECT_EQ(app->profile.StateStatus, "Married");
    EXPECT_EQ(main().lbSDI.text(), "3.50");
    EXPECT_EQ(lines("NAME.sta").at(22).substr(0, 17), "0,0,0,1,\"Married\"");
}

TEST_F(CalculationTest, AnOpenStateDialogIsUsedAsItStandsAndStaysOpen)
{
    add("40");
    const std::string stateTax = main().lbTaxDed[3].text();
    const std::string staBefore = read("NAME.sta");

    main().mnuState_Click();
    StateDialog &dialog = app->stateDialog();
    dialog.txtStateAdj.setText("5");
    add("40");

    ASSERT_TRUE(app->isLoaded(ScreenId::StateDialog));
    EXPECT_EQ(&app->stateDialog(), &dialog);
    EXPECT_TRUE(dialog.shown());
    EXPECT_EQ(dialog.txtStateAdj.text(), "5");
    const double before = std::stod(stateTax);
    EXPECT_DOUBLE_EQ(std::stod(main().lbTaxDed[3].text()), before + 5);
    // The unsaved adjustment did not reach the state file.
    EXPECT_EQ(read("NAME.sta"), staBefore);
    EXPECT_FALSE(app->isLoaded(ScreenId::CityDialog));
}

TEST_F(CalculationTest, AnOpenCityDialogStaysOpenWithItsEdits)
{
    main().mnuCity_Click();
    CityDialog &dialog = app->cityDialog();
    dialog.txtCityPerBS[0].setText("0.5");
    add("40");
    ASSERT_TRUE(app->isLoaded(ScreenId::CityDialog));
    EXPECT_EQ(&app->cityDialog(), &dialog);
    EXPECT_EQ(dialog.txtCityPerBS[0].text(), "0.5");
    EXPECT_FALSE(app->isLoaded(ScreenId::StateDialog));
}

TEST_F(CalculationTest, AnAmountTooLargeToComputeSavesNothing)
{
    main().txtAmount[6].setText("99999999999999999999");
    add("40");
    EXPECT_FALSE(exists("NAME.sta"));
    EXPECT_EQ(main().Label13.text(), "");
    EXPECT_FALSE(dialogs.messages().empty());
    EXPECT_EQ(main().title(), "  User:  NAME");
    EXPECT_FALSE(app->isLoaded(ScreenId::StateDialog));
    EXPECT_EQ(focused, 0);
}

TEST_F(CalculationTest, AMissingFederalTableIsReportedAndOnlyTheAdditionalAmountWithheld)
{
    std::filesystem::remove(path("Federal24.dtt"));
    app->userInfo().txtFedAddL.setText("15");
    app->profile.FedAddL = 15;
    ASSERT_TRUE(app->SaveStateSettings());
    const std::size_t before = dialogs.messages().size();

    add("40");

    ASSERT_GT(dialogs.messages().size(), before);
    const ui::Message &warning = dialogs.messages()[before];
    EXPECT_EQ(warning.lines.at(0), "   Operation Failed ! ! !");
    EXPECT_EQ(warning.icon, ui::MessageIcon::Warning);
    EXPECT_EQ(main().lbTaxDed[0].text(), "15.00");
    EXPECT_EQ(main().Label13.text(), "$300.00");
}
