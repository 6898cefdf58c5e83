// The special-state presses and presets: figures, captions, enabled states, Iowa and Missouri.
#include "taxtables_fixture.h"

namespace tallyman::testing {
namespace {

using Box = ui::CheckBox StateDialog::*;

// ---- What every press does to the boxes ----

struct PressCase {
    const char* name;
    Box box;
    int roundOff; // Round State after the press
    bool spouseVisible;
    bool biweeklyLabelsVisible;
};

const PressCase PressCases[] = {
    { "Ariz", &StateDialog::ckAriz, 0, false, true },
    { "Louis", &StateDialog::ckLouis, 0, false, true },
    { "Iowa", &StateDialog::ckIowa, 0, false, false },
    { "Missouri", &StateDialog::ckMissouri, 1, true, true },
    { "Utah", &StateDialog::ckUtah, 0, false, true },
    { "Alabama", &StateDialog::ckAlabama, 0, false, true },
    { "Mass", &StateDialog::ckMass, 0, false, true },
    { "Oregon", &StateDialog::ckOregon, 0, false, true },
    { "Kentucky", &StateDialog::ckKentucky, 0, false, true },
    { "Wiscon", &StateDialog::ckWiscon, 0, false, true },
    { "WisconApril", &StateDialog::ckWisconApril, 0, false, true },
    { "NC", &StateDialog::ckNC, 1, false, true },
};

const Box SpecialBoxes[]
    = { &StateDialog::ckAriz, &StateDialog::ckLouis, &StateDialog::ckIowa, &StateDialog::ckMissouri,
          &StateDialog::ckUtah, &StateDialog::ckAlabama, &StateDialog::ckMass, &StateDialog::ckOregon,
          &StateDialog::ckKentucky, &StateDialog::ckWiscon, &StateDialog::ckWisconApril, &StateDialog::ckNC };

class PressTest : public TaxTablesTest, public ::testing::WithParamInterface<PressCase> { };

TEST_P(PressTest, PressSelectsOnlyThisStateAndASecondPressUnchecksIt)
{
    const auto& c = GetParam();
    StateDialog& d = state();
    for (Box box : SpecialBoxes)
        if (box != c.box)
            (d.*box).setValue(1);
    d.ckRoundOff.setValue(c.roundOff == 1 ? 0 : 1);
    d.ckSpouse.setVisible(!c.spouseVisible);
    d.Label20.setVisible(!c.biweeklyLabelsVisible);
    app->mainWindow().ckLouisPrior.setVisible(true);

    d.press(c.box);
    for (Box box : SpecialBoxes)
        EXPECT_EQ((d.*box).value(), box == c.box ? 1 : 0);
    EXPECT_EQ(d.ckNoStateTax.value(), 0);
    EXPECT_EQ(d.ckRoundOff.value(), c.roundOff);
    EXPECT_EQ(d.ckSpouse.visible(), c.spouseVisible);
    EXPECT_EQ(d.Label20.visible(), c.biweeklyLabelsVisible);
    EXPECT_FALSE(app->mainWindow().ckLouisPrior.visible());

    const auto figure = d.txtStateSgExp[3].text();
    d.press(c.box);
    EXPECT_EQ((d.*c.box).value(), 0);
    EXPECT_EQ(d.txtStateSgExp[3].text(), figure);
}

INSTANTIATE_TEST_SUITE_P(Boxes, PressTest, ::testing::ValuesIn(PressCases),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(TaxTablesTest, ArizonaPressChangesNoField)
{
    StateDialog& d = state();
    d.txtStateAmtBM[2].setText("17");
    d.txtStateSgExp[4].setText("");
    d.press(&StateDialog::ckAriz);
    EXPECT_EQ(d.txtStateAmtBM[2].text(), "17");
    EXPECT_EQ(d.txtStateSgExp[4].text(), "");
    EXPECT_EQ(d.txtStateMinBS[9].text(), "10208");
    EXPECT_TRUE(d.txtStateMinBS[9].enabled());
}

TEST_F(TaxTablesTest, WisconsinAndNorthCarolinaDropLouisianaFromTheRecordAtOnce)
{
    StateDialog& d = state();
    for (Box box : { &StateDialog::ckWiscon, &StateDialog::ckWisconApril, &StateDialog::ckNC }) {
        app->state.Louis = 1;
        d.press(box);
        EXPECT_EQ(app->state.Louis, 0);
    }
    app->state.Louis = 1;
    d.press(&StateDialog::ckMass);
    EXPECT_EQ(app->state.Louis, 1);
}

// ---- Louisiana ----

struct LouisianaCase {
    float personal, dependents;
    const char *shownPersonal, *shownDependents;
};

class LouisianaTest : public TaxTablesTest, public ::testing::WithParamInterface<LouisianaCase> { };

TEST_P(LouisianaTest, CountsComeFromTheRecordCapped)
{
    const auto& c = GetParam();
    StateDialog& d = state();
    app->state.StateSgExp[0] = c.personal;
    app->state.StateMarExp[0] = c.dependents;
    d.txtStateMinBS[0].setText("12");
    d.press(&StateDialog::ckLouis);
    EXPECT_EQ(d.txtStateSgExp[0].text(), c.shownPersonal);
    EXPECT_EQ(d.txtStateMarExp[0].text(), c.shownDependents);
    EXPECT_TRUE(d.txtStateSgExp[0].enabled());
    EXPECT_FALSE(d.txtStateSgExp[1].enabled());
    EXPECT_EQ(d.txtStateMarExp[9].text(), "0");
    EXPECT_EQ(d.txtStateMinBS[0].text(), "12"); // row 0 keeps minimum and amount
    EXPECT_EQ(d.txtStatePerBS[0].text(), "0");
    EXPECT_EQ(d.txtStateMinBS[1].text(), "999999");
    EXPECT_FALSE(d.txtStateMinBS[0].enabled());
    EXPECT_EQ(d.Label14.caption(), "Personal");
    EXPECT_EQ(d.Label15.caption(), "Dependent");
    EXPECT_EQ(d.Label21.caption(), "Enter Number Of");
    EXPECT_EQ(d.Label27[3].caption(), "");
}

INSTANTIATE_TEST_SUITE_P(Counts, LouisianaTest,
    ::testing::Values(LouisianaCase { 3, 8, "2", "6" }, LouisianaCase { 1, 4, "1", "4" },
        LouisianaCase { 2, 6, "2", "6" }, LouisianaCase { 2.5f, 6.5f, "2", "6" }));

// ---- Missouri ----

struct MissouriCase {
    const char* status;
    int spouse;
    bool weekly;
    const char* standard;
};

class MissouriTest : public TaxTablesTest, public ::testing::WithParamInterface<MissouriCase> { };

TEST_P(MissouriTest, StandardDeductionByStatusSpouseAndFrequency)
{
    const auto& c = GetParam();
    StateDialog& d = state();
    payWeekly(c.weekly);
    userInfo().cboStatus2.setText(c.status);
    d.ckSpouse.setValue(c.spouse);
    for (auto& box : d.txtStateSgExp)
        box.setText("17");
    d.press(&StateDialog::ckMissouri);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(d.txtStateSgExp[i].text(), c.standard) << i;
        EXPECT_EQ(d.txtStateMarExp[i].text(), "0") << i;
        EXPECT_EQ(d.txtStateMinBM[i].text(), "999999") << i;
        EXPECT_FALSE(d.txtStateAmtBS[i].enabled()) << i;
    }
    EXPECT_EQ(d.Label15.caption(), "W4 Allowance");
    EXPECT_FALSE(d.Label1.enabled());
    EXPECT_EQ(d.ckRoundOff.value(), 1);
}

INSTANTIATE_TEST_SUITE_P(Lines, MissouriTest,
    ::testing::Values(MissouriCase { "Single", 0, false, "561.54" },
        MissouriCase { "Single", 1, true, "280.77" }, MissouriCase { "Married", 0, false, "1123.08" },
        MissouriCase { "Married", 0, true, "561.54" }, MissouriCase { "Married", 1, false, "561.54" },
        MissouriCase { "Married", 1, true, "280.77" },
        MissouriCase { "Head of Household", 0, false, "17" })); // another status keeps the texts

TEST_F(TaxTablesTest, SpouseWorksRerunsMissouri)
{
    StateDialog& d = state();
    payWeekly(true);
    userInfo().cboStatus2.setText("Married");
    d.press(&StateDialog::ckMissouri);
    EXPECT_TRUE(d.ckSpouse.visible());
    EXPECT_EQ(d.txtStateSgExp[0].text(), "561.54");
    d.ckSpouse.click();
    EXPECT_EQ(d.txtStateSgExp[9].text(), "280.77");
    d.ckSpouse.click();
    EXPECT_EQ(d.txtStateSgExp[9].text(), "561.54");
}

// ---- Figures that follow the pay frequency ----

struct FrequencyCase {
    const char* name;
    Box box;
    bool weekly;
    StateDialog::Column StateDialog::*column;
    std::size_t row;
    const char* text;
};

const FrequencyCase FrequencyCases[] = {
    { "IowaWeeklyCredit", &StateDialog::ckIowa, true, &StateDialog::txtStateMarExp, 9, "6.93" },
    { "IowaBiWeeklyCredit", &StateDialog::ckIowa, false, &StateDialog::txtStateMarExp, 9, "13.86" },
    { "KentuckyWeeklyMin", &StateDialog::ckKentucky, true, &StateDialog::txtStateMinBS, 5, "2884.61" },
    { "KentuckyBiWeeklyMin", &StateDialog::ckKentucky, false, &StateDialog::txtStateMinBS, 5, "5769.22" },
    { "OregonWeeklyMin", &StateDialog::ckOregon, true, &StateDialog::txtStateMinBM, 2, "413.46" },
    { "OregonBiWeeklyMin", &StateDialog::ckOregon, false, &StateDialog::txtStateMinBM, 2, "826.92" },
};

class FrequencyTest : public TaxTablesTest, public ::testing::WithParamInterface<FrequencyCase> { };

TEST_P(FrequencyTest, PresetFollowsThePayFrequency)
{
    const auto& c = GetParam();
    StateDialog& d = state();
    payWeekly(c.weekly);
    d.press(c.box);
    EXPECT_EQ((d.*c.column)[c.row].text(), c.text);
}

TEST_P(FrequencyTest, SwitchingTheFrequencyChangesTheFiguresWhenThePresetRunsAgain)
{
    const auto& c = GetParam();
    StateDialog& d = state();
    payWeekly(!c.weekly);
    d.press(c.box);
    EXPECT_NE((d.*c.column)[c.row].text(), c.text);
    payWeekly(c.weekly);
    d.showFromMainWindow();
    EXPECT_EQ((d.*c.column)[c.row].text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Presets, FrequencyTest, ::testing::ValuesIn(FrequencyCases),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(TaxTablesTest, OregonReshowsTheRecordFirst)
{
    StateDialog& d = state();
    app->state.Missouri = 1; // another state still held by the record
    app->state.StateAdj = 3;
    app->profile.StateStatus = "Married";
    d.txtStateAdj.setText("5");
    d.ckUtah.setValue(1);
    d.press(&StateDialog::ckOregon);
    EXPECT_EQ(d.txtStateAdj.text(), "3");
    EXPECT_EQ(d.ckOregon.value(), 1);
    EXPECT_EQ(d.ckMissouri.value(), 1);
    EXPECT_EQ(d.ckUtah.value(), 0);
    EXPECT_EQ(userInfo().cboStatus2.text(), "Married");
}

TEST_F(TaxTablesTest, OregonPressChecksTheBoxEvenWhenTheRecordHoldsOregon)
{
    StateDialog& d = state();
    app->state.Oregon = 1;
    d.press(&StateDialog::ckOregon);
    EXPECT_EQ(d.ckOregon.value(), 1);
    d.press(&StateDialog::ckOregon);
    EXPECT_EQ(d.ckOregon.value(), 0);
}

// Each preset's rows and enabled states, after Iowa has disabled every row (weekly pay).
struct LayoutCase {
    const char* name;
    Box box;
    StateDialog::Column StateDialog::*column;
    std::size_t row;
    const char* text;
    bool enabled;
};

const LayoutCase LayoutCases[] = {
    { "UtahMin", &StateDialog::ckUtah, &StateDialog::txtStateMinBS, 0, "999999", false },
    { "UtahAllowance", &StateDialog::ckUtah, &StateDialog::txtStateMarExp, 5, "0", false },
    { "AlabamaMin", &StateDialog::ckAlabama, &StateDialog::txtStateMinBM, 9, "0", false },
    { "MassRate", &StateDialog::ckMass, &StateDialog::txtStatePerBM, 0, "0.05", true },
    { "MassCleared", &StateDialog::ckMass, &StateDialog::txtStateMinBS, 1, "999999", false },
    { "OregonLastRow", &StateDialog::ckOregon, &StateDialog::txtStateMinBS, 2, "206.73", true },
    { "OregonCleared", &StateDialog::ckOregon, &StateDialog::txtStateMinBS, 3, "999999", false },
    { "KentuckyCleared", &StateDialog::ckKentucky, &StateDialog::txtStateMinBS, 6, "999999", false },
    { "KentuckyRate", &StateDialog::ckKentucky, &StateDialog::txtStatePerBS, 4, "0.058", true },
    { "WisconLast", &StateDialog::ckWiscon, &StateDialog::txtStateMinBS, 6, "4428.46", true },
    { "WisconCleared", &StateDialog::ckWiscon, &StateDialog::txtStateMinBS, 7, "999999", true },
    { "WisconAprilRate", &StateDialog::ckWisconApril, &StateDialog::txtStatePerBS, 3, "0.065408", true },
    { "NCLast", &StateDialog::ckNC, &StateDialog::txtStateMinBM, 3, "2038.46", true },
    { "NCCleared", &StateDialog::ckNC, &StateDialog::txtStateAmtBS, 9, "0", true },
};

class LayoutTest : public TaxTablesTest, public ::testing::WithParamInterface<LayoutCase> { };

TEST_P(LayoutTest, PresetWritesItsRowsAndEnablesThem)
{
    const auto& c = GetParam();
    StateDialog& d = state();
    d.press(&StateDialog::ckIowa);
    d.press(c.box);
    EXPECT_EQ((d.*c.column)[c.row].text(), c.text);
    EXPECT_EQ((d.*c.column)[c.row].enabled(), c.enabled);
}

INSTANTIATE_TEST_SUITE_P(Presets, LayoutTest, ::testing::ValuesIn(LayoutCases),
    [](const auto& test) { return std::string(test.param.name); });

// ---- The Iowa and Missouri computations the presets run ----

TEST_F(TaxTablesTest, IowaPressRefreshesTheStateTaxFromTheRecord)
{
    StateDialog& d = state();
    payWeekly(false);
    app->profile.StateExemptions = 0;
    app->state.StateSgExp[0] = 0;
    app->state.StateMarExp[0] = 0;
    app->pay.TaxableWages = 1000;
    app->pay.CafeStateAmt = 0;
    d.ckRoundOff.setValue(1);
    d.press(&StateDialog::ckIowa);
    EXPECT_NEAR(app->pay.StateTax, 48.09, 0.01);
    EXPECT_EQ(d.ckRoundOff.value(), 0);
}

TEST_F(TaxTablesTest, MissouriPressRefreshesTheStateTaxAndRoundsState)
{
    StateDialog& d = state();
    payWeekly(false);
    app->profile.StateExemptions = 0;
    app->state.StateSgExp[0] = 0;
    app->pay.TaxableWages = 400;
    app->pay.CafeStateAmt = 0;
    d.press(&StateDialog::ckMissouri);
    EXPECT_NEAR(app->pay.StateTax, 12.291, 0.001);
    EXPECT_EQ(d.ckRoundOff.value(), 1);
}

} // namespace
} // namespace tallyman::testing
