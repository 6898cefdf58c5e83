// Every special-state box, pressed in the State Tax dialog, saved, then ADD on the main window:
// the state tax the state's own formula gives for one bi-weekly employee, worked by hand.
#include "screens/app_fixture.h"

#include "screens/taxtables/state_dialog.h"
#include "screens/user_info.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

struct StateCase {
    const char* name;
    ui::CheckBox StateDialog::*box;
    const char* stateTax;
};

// Single, one federal and one state exemption, paid bi-weekly, 80 hours at 12.50: gross
// 1,000.00 and no deductions. Federal: (1000 - 2 x 82.69 - 677) x 0.12 + 44.60 = 63.5144.
// Social Security 62.00, Medicare 14.50.
const StateCase Cases[] = {
    // The New York table the new user has: (1000 - 323.1 - 535) x 0.055 + 23.08 = 30.8845.
    { "Arizona", &StateDialog::ckAriz, "30.88" },
    // Entry 0 of the stored New York allowances caps at 2 exemptions and 6 dependents:
    // 18.5 + 38.46 x 0.0165 - (346.16 + 6 x 38.46) x 0.0185 = 8.4616.
    { "Louisiana", &StateDialog::ckLouis, "8.46" },
    // x = 1000 - 532.69; 8.12 + (467.31 - 184.62) x 0.0482 - 1.54 = 20.2057.
    { "Iowa", &StateDialog::ckIowa, "20.21" },
    // x = 1000 - 561.54; 9.555 + (438.46 - 343) x 0.048 = 14.137, in whole dollars.
    { "Missouri", &StateDialog::ckMissouri, "14.00" },
    // 1000 x 0.0465 - (16 - (1000 - 322) x 0.013) = 39.314.
    { "Utah", &StateDialog::ckUtah, "39.31" },
    // T = 1000 - (114.42 + 57.69 + 63.5144 + 38.46) = 725.9156;
    // 0.3846 + 3.846 + (725.9156 - 115.38) x 0.05 = 34.7574.
    { "Alabama", &StateDialog::ckAlabama, "34.76" },
    // (1000 - 62 - 14.50 - 169) x 0.05 = 37.725, a hair above in floats.
    { "Mass", &StateDialog::ckMass, "37.73" },
    // w = 1000 - 63.5144 - 105.58; (830.9056 - 413.46) x 0.0875 + 34.15 - 9.58 = 61.0965.
    { "Oregon", &StateDialog::ckOregon, "61.10" },
    // x = 1000 - 97.31; 10.7688 + (902.69 - 307.68) x 0.058 - 0.385 = 44.8944.
    { "Kentucky", &StateDialog::ckKentucky, "44.89" },
    // (1000 - 716.5) x 0.0728 + 32.15 - 0.85 = 51.9388.
    { "Wisconsin before 4/1/14", &StateDialog::ckWiscon, "51.94" },
    // (1000 - 634.08) x 0.065408 + 16.79 - 0.85 = 39.8741.
    { "Wisconsin", &StateDialog::ckWisconApril, "39.87" },
    // (1000 - 96.15) x 0.07 - 12.98 = 50.2895; the N.C. press turns Round State on.
    { "N.C.", &StateDialog::ckNC, "50.00" },
};

class SpecialStates : public AppTest, public ::testing::WithParamInterface<StateCase> { };

} // namespace

TEST_P(SpecialStates, PressSaveAndAddGiveTheStatesFormula)
{
    ASSERT_TRUE(startAs("NAME"));
    UserInfoScreen& info = app->userInfo();
    info.txtHourRate.setText("12.5");
    info.optBiWeek.click();
    info.cboDepend.setText("1");
    info.cboDepend2.setText("1");
    info.cmdOk_Click();

    app->mainWindow().mnuState_Click();
    StateDialog& state = app->stateDialog();
    state.press(GetParam().box);
    state.OKButton_Click();
    ASSERT_FALSE(app->isLoaded(ScreenId::StateDialog));

    app->mainWindow().txtAmount[0].setText("80");
    app->mainWindow().cmdCal_Click();

    EXPECT_EQ(app->mainWindow().Label13.text(), "$1,000.00");
    EXPECT_EQ(app->mainWindow().lbTaxDed[0].text(), "63.51");
    EXPECT_EQ(app->mainWindow().lbTaxDed[3].text(), GetParam().stateTax) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(EachBox, SpecialStates, ::testing::ValuesIn(Cases), [](const auto& test) {
    std::string name;
    for (char c : std::string(test.param.name))
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    return name;
});
