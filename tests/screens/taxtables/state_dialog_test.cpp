// The state dialog: opening, blank filling, copying into the record, its commands and boxes.
#include "taxtables_fixture.h"

#include <array>

namespace tallyman::testing {
namespace {

using Column = StateDialog::Column;
using ColumnOf = Column StateDialog::*;
using RowsOf = StateRows StateTaxSettings::*;

// ---- A table field and what it holds as its New York value ----

struct NewYorkField {
    const char* name;
    ColumnOf column;
    RowsOf record;
    std::size_t row;
    const char* text;
    float value;
};

const NewYorkField NewYorkFields[] = {
    { "MinBS3", &StateDialog::txtStateMinBS, &StateTaxSettings::StateMinBS, 3, "535", 535.0f },
    { "AmtBS4", &StateDialog::txtStateAmtBS, &StateTaxSettings::StateAmtBS, 4, "164.27", 164.27f },
    { "PerBS8", &StateDialog::txtStatePerBS, &StateTaxSettings::StatePerBS, 8, "0.1101", 0.1101f },
    { "PerBM9", &StateDialog::txtStatePerBM, &StateTaxSettings::StatePerBM, 9, "0.1284", 0.1284f },
    { "SgExp5", &StateDialog::txtStateSgExp, &StateTaxSettings::StateSgExp, 5, "477.1", 477.1f },
    { "MarExp0", &StateDialog::txtStateMarExp, &StateTaxSettings::StateMarExp, 0, "305.8", 305.8f },
};

class NewYorkFieldTest : public TaxTablesTest, public ::testing::WithParamInterface<NewYorkField> { };

TEST_P(NewYorkFieldTest, OpeningWithoutFileShowsAndCopiesTheNewYorkValue)
{
    const auto& f = GetParam();
    StateDialog& d = state();
    EXPECT_EQ((d.*f.column)[f.row].text(), f.text);
    EXPECT_EQ((app->state.*f.record)[f.row], f.value);
}

TEST_P(NewYorkFieldTest, EmptiedFieldIsSavedAsItsNewYorkValue)
{
    const auto& f = GetParam();
    StateDialog& d = state();
    (d.*f.column)[f.row].setText("");
    (app->state.*f.record)[f.row] = 4321.0f;
    d.OKButton.click();
    EXPECT_EQ((app->state.*f.record)[f.row], f.value);
    EXPECT_FALSE(app->isLoaded(ScreenId::StateDialog));
    EXPECT_TRUE(exists("Smith.sta"));
    EXPECT_FALSE(saw(NonNumeric));
}

INSTANTIATE_TEST_SUITE_P(Fields, NewYorkFieldTest, ::testing::ValuesIn(NewYorkFields),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(TaxTablesTest, EmptiedAdjustmentIsSavedAsZero)
{
    StateDialog& d = state();
    d.txtStateAdj.setText("");
    d.txtCalAllow.setText("-3.5");
    app->state.StateAdj = 12.0f;
    d.OKButton.click();
    EXPECT_EQ(app->state.StateAdj, 0.0f);
    EXPECT_EQ(app->state.CalAllow, -3.5f);
}

// ---- Texts that do not convert ----

class NonNumericTest : public TaxTablesTest, public ::testing::WithParamInterface<const char*> { };

TEST_P(NonNumericTest, SaveStopsAtTheFieldAndWritesNothing)
{
    StateDialog& d = state();
    d.txtStateMinBS[0].setText("111"); // copied before the bad field
    d.txtStatePerBS[2].setText(GetParam());
    d.txtStateMinBS[5].setText("555"); // a later row: never reached
    d.OKButton.click();
    EXPECT_TRUE(saw(NonNumeric));
    EXPECT_TRUE(app->isLoaded(ScreenId::StateDialog));
    EXPECT_FALSE(exists("Smith.sta"));
    EXPECT_EQ(app->state.StateMinBS[0], 111.0f);
    EXPECT_EQ(app->state.StateMinBS[5], 3723.0f);
    EXPECT_EQ(d.txtStatePerBS[2].text(), GetParam()); // a text of spaces is not blank
}

TEST_P(NonNumericTest, MakeDefaultWritesNothing)
{
    StateDialog& d = state();
    d.txtCalAllow.setText(GetParam());
    d.cmdMkDefault.click();
    EXPECT_TRUE(saw(NonNumeric));
    EXPECT_TRUE(app->isLoaded(ScreenId::StateDialog));
    EXPECT_FALSE(exists(".sta"));
    EXPECT_FALSE(exists("Smith.sta"));
    EXPECT_EQ(app->UserName, "Smith");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NonNumericTest, ::testing::Values("   ", "-", "1.2.3", "12abc", "1 2", "1e40"));

// ---- NO STATE TAX ----

TEST_F(TaxTablesTest, NoStateTaxClearsAtOnceAndUncheckingRestoresTheRecord)
{
    StateDialog& d = state();
    d.txtStateAmtBS[1].setText("99");
    d.ckIowa.setValue(1);
    d.ckNoStateTax.setValue(1);
    EXPECT_EQ(app->state.NoStateTax, 1);
    for (std::size_t row = 0; row < 10; ++row) {
        EXPECT_EQ(d.txtStateMinBS[row].text(), "999999");
        EXPECT_EQ(d.txtStateMinBM[row].text(), "999999");
        EXPECT_EQ(d.txtStateAmtBS[row].text(), "0");
        EXPECT_EQ(d.txtStatePerBM[row].text(), "0");
        EXPECT_EQ(d.txtStateSgExp[row].text(), "0");
    }
    EXPECT_EQ(d.ckIowa.value(), 0);
    EXPECT_FALSE(d.ckSpouse.visible());

    d.txtStateMinBS[3].setText("42");
    d.ckNoStateTax.setValue(0);
    EXPECT_EQ(d.txtStateMinBS[3].text(), "535"); // the record, not what was typed since
    EXPECT_EQ(d.txtStateAmtBS[1].text(), "13.08"); // nor what was typed before
}

// ---- Use Base ----

struct UseBaseCase {
    const char* name;
    ui::CheckBox StateDialog::*box;
    ui::TextBox StateDialog::*rate;
    ui::Label StateDialog::*label;
};

class UseBaseTest : public TaxTablesTest, public ::testing::WithParamInterface<UseBaseCase> { };

TEST_P(UseBaseTest, UncheckingZeroesTheRateForGood)
{
    const auto& c = GetParam();
    StateDialog& d = state();
    (d.*c.box).setValue(1);
    EXPECT_EQ((d.*c.label).caption(), "Wage Base");
    (d.*c.rate).setText("1.1");
    (d.*c.box).setValue(0);
    EXPECT_EQ((d.*c.label).caption(), "Flat Rate");
    EXPECT_EQ((d.*c.rate).text(), "0");
    (d.*c.box).setValue(1);
    EXPECT_EQ((d.*c.rate).text(), "0");
}

INSTANTIATE_TEST_SUITE_P(Boxes, UseBaseTest,
    ::testing::Values(
        UseBaseCase { "SDI", &StateDialog::ckSDI, &StateDialog::txtSDIpercent, &StateDialog::Label26 },
        UseBaseCase { "SUI", &StateDialog::ckSUI, &StateDialog::txtSUIpercent, &StateDialog::Label23 }),
    [](const auto& test) { return std::string(test.param.name); });

// ---- Commands ----

TEST_F(TaxTablesTest, NewYorkCommandRestoresTablesCaptionsAndEnabledStatesButNotTheRecord)
{
    StateDialog& d = state();
    d.press(&StateDialog::ckAlabama);
    for (auto* column : { &d.txtStateMinBS, &d.txtStatePerBM, &d.txtStateMarExp }) {
        EXPECT_EQ((*column)[3].text(), "0");
        EXPECT_FALSE((*column)[3].enabled());
    }
    d.press(&StateDialog::ckLouis);
    d.ckNoStateTax.setValue(1);
    app->state.StateMinBS[1] = 1.0f;
    d.cmdDefault.click();
    EXPECT_EQ(d.ckNoStateTax.value(), 0);
    EXPECT_EQ(d.ckLouis.value(), 0);
    EXPECT_EQ(d.Label14.caption(), "Single");
    EXPECT_EQ(d.Label21.caption(), "BiWeekly");
    EXPECT_EQ(d.Label27[7].caption(), "7");
    EXPECT_TRUE(d.Label1.enabled());
    EXPECT_EQ(d.txtStateMinBS[1].text(), "327");
    for (auto* column : { &d.txtStateMinBS, &d.txtStatePerBM, &d.txtStateMarExp })
        EXPECT_TRUE((*column)[3].enabled());
    EXPECT_EQ(app->state.StateMinBS[1], 1.0f);
}

TEST_F(TaxTablesTest, ClearAllKeepsSelectionsAndSideFields)
{
    StateDialog& d = state();
    d.ckSDI.setValue(1);
    d.txtStateAdj.setText("2.5");
    d.ckRoundOff.setValue(1);
    d.ckMass.setValue(1);
    d.cmdClearAll.click();
    EXPECT_EQ(d.txtStateMinBM[0].text(), "999999");
    EXPECT_EQ(d.txtStatePerBS[0].text(), "0");
    EXPECT_EQ(d.txtStateMarExp[9].text(), "0");
    EXPECT_EQ(d.ckRoundOff.value(), 0);
    EXPECT_EQ(d.ckSDI.value(), 1);
    EXPECT_EQ(d.ckMass.value(), 1);
    EXPECT_EQ(d.txtStateAdj.text(), "2.5");
}

TEST_F(TaxTablesTest, ResetClearsTablesAndSelectionKeepsRoundStateAndBasesOfTheRecord)
{
    StateDialog& d = state();
    app->state.RoundOff = 1;
    app->state.SDIUseBase = 1;
    app->state.SDIpercent = 1.5f;
    d.press(&StateDialog::ckIowa);
    d.cmdRest.click();
    EXPECT_EQ(d.txtStateMinBS[4].text(), "999999");
    EXPECT_EQ(d.txtStateSgExp[0].text(), "0");
    EXPECT_EQ(d.ckIowa.value(), 0);
    EXPECT_EQ(d.ckRoundOff.value(), 1);
    EXPECT_EQ(d.ckSDI.value(), 1);
    EXPECT_EQ(d.txtSDIpercent.text(), "1.5");
    EXPECT_FALSE(d.ckSpouse.visible());
}

TEST_F(TaxTablesTest, MakeDefaultWritesTheDefaultSetAndKeepsTheUser)
{
    StateDialog& d = state();
    app->mainWindow().lbUser.setCaption("Smith");
    d.txtStateAdj.setText("7");
    d.cmdMkDefault.click();
    for (const char* name : { ".sta", ".cti", ".nci", ".use", ".and", ".cfe", "Smith.sta" })
        EXPECT_TRUE(exists(name)) << name;
    EXPECT_EQ(read(".sta"), read("Smith.sta"));
    EXPECT_EQ(app->UserName, "Smith");
    EXPECT_FALSE(app->isLoaded(ScreenId::StateDialog));
    EXPECT_FALSE(app->isLoaded(ScreenId::SaveUser));
    EXPECT_EQ(app->state.StateAdj, 7.0f);
}

TEST_F(TaxTablesTest, GetDefaultShowsTheDefaultFile)
{
    StateDialog& d = state();
    d.txtStateAdj.setText("7");
    d.txtStateMinBS[2].setText("451");
    app->mainWindow().lbUser.setCaption("Smith");
    d.cmdMkDefault.click();
    app->releaseClosedScreens();

    StateDialog& again = state();
    again.txtStateMinBS[2].setText("1");
    again.txtStateAdj.setText("1");
    app->state.StateAdj = 0;
    again.cmdGetDefault.click();
    EXPECT_EQ(again.txtStateMinBS[2].text(), "451");
    EXPECT_EQ(again.txtStateAdj.text(), "7");
    EXPECT_EQ(app->state.StateAdj, 7.0f);
}

TEST_F(TaxTablesTest, CancelCopiesNothing)
{
    StateDialog& d = state();
    d.txtStateMinBS[1].setText("1000");
    d.CancelButton.click();
    EXPECT_FALSE(app->isLoaded(ScreenId::StateDialog));
    EXPECT_EQ(app->state.StateMinBS[1], 327.0f);
    EXPECT_FALSE(exists("Smith.sta"));
}

TEST_F(TaxTablesTest, SaveAfterPresetWritesTheStateFileByteExact)
{
    StateDialog& d = state();
    app->profile.StateExemptions = 2;
    app->profile.StateStatus = "Married";
    app->profile.FedAddL = 5.25f;
    d.ckSDI.setValue(1);
    d.txtSDIpercent.setText("1.1");
    d.txtSDIwageBase.setText("6000");
    d.txtSUIpercent.setText("0.5");
    d.txtSUIwageBase.setText("12.5");
    d.txtStateAdj.setText("-2.5");
    d.press(&StateDialog::ckNC);
    d.OKButton.click();
    test::expectGolden("taxtables/nc_saved.sta", read("Smith.sta"));
    EXPECT_EQ(app->state.NC, 1);
    EXPECT_EQ(app->state.RoundOff, 1);
}

TEST_F(TaxTablesTest, OpeningAppliesTheStoredSelection)
{
    state();
    payWeekly(true);
    state().press(&StateDialog::ckKentucky);
    state().OKButton.click();
    app->releaseClosedScreens();

    StateDialog& d = state();
    EXPECT_EQ(d.ckKentucky.value(), 1);
    EXPECT_EQ(d.txtStateMinBS[0].text(), "57.69");
    EXPECT_EQ(app->state.StateMinBS[0], 57.69f);
    EXPECT_EQ(app->state.StateMinBS[6], 999999.0f);
}

} // namespace
} // namespace tallyman::testing
