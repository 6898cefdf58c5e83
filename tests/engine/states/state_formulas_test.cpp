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
using namespace tallyman::testing;

namespace {

using Flag = short StateTaxSettings::*;
using Formula = std::function<void(StateCalc&)>;

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

const Formula Iowa1 = [](StateCalc& c) { GetIowa(c, 1); };
const Formula Missouri1 = [](StateCalc& c) { GetMissouri(c, 1); };
const Formula Alabama1 = [](StateCalc& c) { GetAlabama(c, 1); };

float alone(const Formula& formula, StateWorld w)
{
    auto calc = w.calc();
    formula(calc);
    return w.pay.StateTax;
}

TEST(StateFormulas, EachFlagRunsItsOwnFormula)
{
    const std::vector<std::pair<Flag, Formula>> singles { { &StateTaxSettings::Louis, GetLouisiana },
        { &StateTaxSettings::Iowa, Iowa1 }, { &StateTaxSettings::Missouri, Missouri1 },
        { &StateTaxSettings::Mass, GetMass }, { &StateTaxSettings::Oregon, GetOregon },
        { &StateTaxSettings::Utah, GetUtah }, { &StateTaxSettings::Alabama, Alabama1 },
        { &StateTaxSettings::Kentucky, GetKentucky }, { &StateTaxSettings::Wiscon, GetWisconsin },
        { &StateTaxSettings::WisconApril, GetWisconsin }, { &StateTaxSettings::NC, GetNC } };
    std::set<float> distinct;
    for (std::size_t i = 0; i < singles.size(); ++i) {
        StateWorld w = sampleWorld();
        w.state.*singles[i].first = 1;
        auto calc = w.calc();
        EXPECT_TRUE(runStateFormulas(calc)) << i;
        const float expected = alone(singles[i].second, sampleWorld());
        EXPECT_EQ(w.pay.StateTax, expected) << i;
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
    auto calc = w.calc();
    EXPECT_FALSE(runStateFormulas(calc));
    EXPECT_EQ(w.pay.StateTax, 4.5f);
}

struct Several {
    const char* name;
    std::vector<Flag> flags;
    std::function<void(StateWorld&)> adjust; // the sample, changed for this case
    std::function<float(const StateWorld&)> expected;
};

class SeveralFlags : public ::testing::TestWithParam<Several> { };

TEST_P(SeveralFlags, RunInTheFixedOrderTheLaterReplacingTheEarlier)
{
    StateWorld w = sampleWorld();
    if (GetParam().adjust)
        GetParam().adjust(w);
    const StateWorld before = w;
    for (Flag f : GetParam().flags)
        w.state.*f = 1;
    auto calc = w.calc();
    EXPECT_TRUE(runStateFormulas(calc));
    EXPECT_FLOAT_EQ(w.pay.StateTax, GetParam().expected(before));
}

auto lastIs(Formula f)
{
    return [f](const StateWorld& w) { return alone(f, w); };
}

using S = StateTaxSettings;

INSTANTIATE_TEST_SUITE_P(Orders, SeveralFlags,
    ::testing::Values(Several { "MissouriAfterIowa", { &S::Missouri, &S::Iowa }, nullptr, lastIs(Missouri1) },
        Several { "NCAfterLouisiana", { &S::NC, &S::Louis }, nullptr, lastIs(GetNC) },
        Several { "OregonAfterMass", { &S::Oregon, &S::Mass }, nullptr, lastIs(GetOregon) },
        Several { "AlabamaAfterUtah", { &S::Utah, &S::Alabama }, nullptr, lastIs(Alabama1) },
        Several { "KentuckyAfterAlabama", { &S::Kentucky, &S::Alabama }, nullptr, lastIs(GetKentucky) },
        Several { "UtahAfterOregonAndMass", { &S::Utah, &S::Oregon, &S::Mass }, nullptr, lastIs(GetUtah) },
        // Oregon sets nothing below its first row: Louisiana's figure stands.
        Several { "OregonBelowItsRowsKeepsLouisiana", { &S::Oregon, &S::Louis },
            [](StateWorld& w) {
                w.state.StateMinBS = { 950, 960, 970 };
            },
            lastIs(GetLouisiana) },
        // Below the first row Wisconsin only subtracts the credit, so running twice shows.
        Several { "BothWisconsinFlagsRunIt", { &S::WisconApril, &S::Wiscon },
            [](StateWorld& w) {
                w.state.StateMinBS = { 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 11000 };
                w.pay.StateTax = 0;
            },
            [](const StateWorld& w) { return -2 * w.pay.StateExemptAmt; } }),
    CaseName());

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
