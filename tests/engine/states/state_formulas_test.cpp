// Selection of the built-in state formulas by the special-state flags, alone and several at once.
#include "engine/states/state_formulas.h"

#include "engine/states/alabama.h"
#include "engine/states/iowa_missouri.h"
#include "engine/states/louisiana_mass_kentucky.h"
#include "engine/states/state_test_support.h"
#include "engine/states/utah_oregon.h"
#include "engine/states/wisconsin_nc.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

using namespace tallyman;
using tallyman::testing::StateWorld;

namespace {

using Flag = short StateTaxSettings::*;

// One employee and table for which every formula gives its own figure.
StateWorld sampleWorld()
{
    StateWorld w(true, "Single");
    w.profile.StateExemptions = 1;
    w.state.StateMinBS = { 0, 500, 999999, 999999, 999999, 999999, 999999, 999999, 999999, 999999 };
    w.state.StateAmtBS = { 20, 10, 20, 20, 20, 20 };
    w.state.StatePerBS = { 0.02f, 0.04f, 0.05f, 0.05f, 0.05f, 0.05f };
    w.state.StateMinBM = w.state.StateMinBS;
    w.state.StateAmtBM = w.state.StateAmtBS;
    w.state.StatePerBM = { 0.03f, 0.05f, 0.06f };
    for (std::size_t i = 0; i < 10; ++i) {
        w.state.StateSgExp[i] = static_cast<float>(10 * i);
        w.state.StateMarExp[i] = static_cast<float>(3 * i);
    }
    w.pay.GrossPay = 1000;
    w.pay.TaxableWages = 900;
    w.pay.FedTax = 100;
    w.pay.SocSecTax = 62;
    w.pay.MedicareTax = 14.5f;
    w.pay.StateExemptAmt = 10;
    return w;
}

struct Single {
    const char *name;
    Flag flag;
    std::function<void(StateCalc &)> formula;
};

const std::vector<Single> &singles()
{
    static const std::vector<Single> list {
        { "Louis", &StateTaxSettings::Louis, GetLouisiana },
        { "Iowa", &StateTaxSettings::Iowa, [](StateCalc &c) { GetIowa(c, 1); } },
        { "Missouri", &StateTaxSettings::Missouri, [](StateCalc &c) { GetMissouri(c, 1); } },
        { "Mass", &StateTaxSettings::Mass, GetMass },
        { "Oregon", &StateTaxSettings::Oregon, GetOregon },
        { "Utah", &StateTaxSettings::Utah, GetUtah },
        { "Alabama", &StateTaxSettings::Alabama, [](StateCalc &c) { GetAlabama(c, 1); } },
        { "Kentucky", &StateTaxSettings::Kentucky, GetKentucky },
        { "Wiscon", &StateTaxSettings::Wiscon, GetWisconsin },
        { "WisconApril", &StateTaxSettings::WisconApril, GetWisconsin },
        { "NC", &StateTaxSettings::NC, GetNC },
    };
    return list;
}

float alone(const std::function<void(StateCalc &)> &formula, StateWorld w)
{
    auto calc = w.calc();
    formula(calc);
    return w.pay.StateTax;
}

TEST(StateFormulas, EachFlagRunsItsOwnFormula)
{
    std::set<float> distinct;
    for (const Single &s : singles()) {
        StateWorld w = sampleWorld();
        w.state.*s.flag = 1;
        auto calc = w.calc();
        EXPECT_TRUE(runStateFormulas(calc)) << s.name;
        const float expected = alone(s.formula, sampleWorld());
        EXPECT_EQ(w.pay.StateTax, expected) << s.name;
        distinct.insert(expected);
    }
    // Both Wisconsin flags run the same formula; the other nine differ on this sample.
    EXPECT_EQ(distinct.size(), 10u);
}

TEST(StateFormulas, NoFlagLeavesTheGenericTableToRun)
{
    StateWorld w = sampleWorld();
    w.pay.StateTax = 4.5f;
    w.state.Ariz = 1; // Arizona is a generic table
    w.state.NoStateTax = 1;
    auto calc = w.calc();
    EXPECT_FALSE(runStateFormulas(calc));
    EXPECT_EQ(w.pay.StateTax, 4.5f);
    EXPECT_EQ(w.state.RoundOff, 0);
}

struct Several {
    const char *name;
    std::vector<Flag> flags;
    std::function<void(StateWorld &)> adjust; // the sample, changed for this case
    std::function<float(const StateWorld &)> expected;
};

class SeveralFlags : public ::testing::TestWithParam<Several> {};

TEST_P(SeveralFlags, RunInTheFixedOrderTheLaterReplacingTheEarlier)
{
    const Several &c = GetParam();
    StateWorld w = sampleWorld();
    if (c.adjust)
        c.adjust(w);
    const StateWorld before = w;
    for (Flag f : c.flags)
        w.state.*f = 1;
    auto calc = w.calc();
    EXPECT_TRUE(runStateFormulas(calc));
    EXPECT_FLOAT_EQ(w.pay.StateTax, c.expected(before));
}

INSTANTIATE_TEST_SUITE_P(Orders, SeveralFlags,
    ::testing::Values(
        Several { "MissouriAfterIowa", { &StateTaxSettings::Missouri, &StateTaxSettings::Iowa }, nullptr,
            [](const StateWorld &w) { return alone([](StateCalc &c) { GetMissouri(c, 1); }, w); } },
        Several { "NCAfterLouisiana", { &StateTaxSettings::NC, &StateTaxSettings::Louis }, nullptr,
            [](const StateWorld &w) { return alone(GetNC, w); } },
        Several { "KentuckyAfterAlabama", { &StateTaxSettings::Kentucky, &StateTaxSettings::Alabama }, nullptr,
            [](const StateWorld &w) { return alone(GetKentucky, w); } },
        Several { "UtahAfterOregonAndMass",
            { &StateTaxSettings::Utah, &StateTaxSettings::Oregon, &StateTaxSettings::Mass }, nullptr,
            [](const StateWorld &w) { return alone(GetUtah, w); } },
        // Oregon sets nothing below its first row: Louisiana's figure stands.
        Several { "OregonBelowItsRowsKeepsLouisiana", { &StateTaxSettings::Oregon, &StateTaxSettings::Louis },
            [](StateWorld &w) {
                w.state.StateMinBS[0] = 950;
                w.state.StateMinBS[1] = 960;
                w.state.StateMinBS[2] = 970;
            },
            [](const StateWorld &w) { return alone(GetLouisiana, w); } },
        // Below the first row Wisconsin only subtracts the credit, so running twice shows.
        Several { "BothWisconsinFlagsRunIt", { &StateTaxSettings::WisconApril, &StateTaxSettings::Wiscon },
            [](StateWorld &w) {
                w.state.StateMinBS[0] = 2000;
                w.state.StateMinBS[1] = 3000;
                w.pay.StateTax = 0;
            },
            [](const StateWorld &w) { return -2 * w.pay.StateExemptAmt; } }),
    tallyman::testing::CaseName());

TEST(StateFormulas, MissouriRoundingStaysOnAfterALaterFormula)
{
    StateWorld w = sampleWorld();
    w.state.Missouri = 1;
    w.state.Utah = 1;
    auto calc = w.calc();
    ASSERT_TRUE(runStateFormulas(calc));
    EXPECT_EQ(w.state.RoundOff, 1);
    EXPECT_EQ(w.pay.StateTax, alone(GetUtah, sampleWorld()));
}

} // namespace
