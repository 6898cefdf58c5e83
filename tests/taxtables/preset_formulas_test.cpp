// The worked examples of the state formulas, run on the settings the presets fill.
#include "taxtables/preset_figures.h"

#include "engine/states/iowa_missouri.h"
#include "engine/states/louisiana_mass_kentucky.h"
#include "engine/states/state_test_support.h"
#include "engine/states/utah_oregon.h"
#include "engine/states/wisconsin_nc.h"
#include "numbers/rounding.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tallyman;
using namespace tallyman::testing;

namespace {

struct PresetCase {
    const char* name;
    std::function<PresetFigures(PresetPeriod)> preset;
    std::function<void(StateCalc&)> formula;
    bool biWeekly;
    const char* status;
    int n;
    float gross, taxable, fedTax;
    double tax; // before the driver's rounding
    float rounded; // to cents
};

class ThroughPresets : public ::testing::TestWithParam<PresetCase> { };

TEST_P(ThroughPresets, GiveTheWorkedFigures)
{
    const PresetCase& c = GetParam();
    StateWorld w(c.biWeekly, c.status);
    applyPresetFigures(w.state, c.preset(c.biWeekly ? PresetPeriod::BiWeekly : PresetPeriod::Weekly));
    w.profile.StateExemptions = static_cast<short>(c.n);
    // The allowance as the calculation looks it up before the formulas run.
    const auto& list = std::string(c.status) == "Single" ? w.state.StateSgExp : w.state.StateMarExp;
    w.pay.StateExemptAmt = list[static_cast<std::size_t>(c.n)];
    w.pay.GrossPay = c.gross;
    w.pay.TaxableWages = c.taxable;
    w.pay.FedTax = c.fedTax;
    w.pay.StateTax = 7;
    auto calc = w.calc();
    c.formula(calc);
    EXPECT_NEAR(w.pay.StateTax, c.tax, Tolerance);
    EXPECT_FLOAT_EQ(roundCents(w.pay.StateTax), c.rounded);
}

const auto Kentucky = kentuckyFigures;
const auto Oregon = oregonFigures;
const auto Iowa = iowaFigures;
const auto Wisconsin = [](PresetPeriod) { return wisconsinFigures(); };
const auto WisconsinApril = [](PresetPeriod) { return wisconsinAprilFigures(); };
const auto NC = [](PresetPeriod) { return ncFigures(); };
const auto IowaFormula = [](StateCalc& c) { GetIowa(c, c.profile.StateExemptions); };

INSTANTIATE_TEST_SUITE_P(Examples, ThroughPresets,
    ::testing::Values(
        // x = 502.69, row 4.
        PresetCase { "Kentucky600", Kentucky, GetKentucky, true, "Single", 0, 600, 1, 0,
            2.3076 + 1.1538 + 1.5384 + 5.769 + 195.01 * 0.058, 22.08f },
        PresetCase { "Kentucky600MarriedCredit", Kentucky, GetKentucky, true, "Married", 2, 600, 1, 0,
            2.3076 + 1.1538 + 1.5384 + 5.769 + 195.01 * 0.058 - 0.77, 21.31f },
        // x = 251.35, row 3 of the weekly figures.
        PresetCase { "KentuckyWeekly300", Kentucky, GetKentucky, false, "Single", 1, 300, 1, 0,
            1.1538 + 0.5769 + 0.7692 + 2.885 + 97.5 * 0.058 - 0.192, 10.85f },
        PresetCase { "WisconsinApril700", WisconsinApril, GetWisconsin, true, "Single", 1, 1, 700, 0,
            (700 - 634.08) * 0.065408 + 16.79 - 0.85, 20.25f },
        PresetCase { "WisconsinAprilWeekly350", WisconsinApril, GetWisconsin, false, "Single", 1, 1, 350, 0,
            (350 - 317.04) * 0.065408 + 8.395 - 0.425, 10.13f },
        PresetCase { "WisconsinAprilMarried", WisconsinApril, GetWisconsin, true, "Married", 2, 1, 700, 0,
            (700 - 302.69) * 0.04 - 1.7, 14.19f },
        PresetCase { "WisconsinBefore700", Wisconsin, GetWisconsin, true, "Single", 1, 1, 700, 0,
            (700 - 454.81) * 0.06888 + 14.12 - 0.85, 30.16f },
        PresetCase { "NC1000", NC, GetNC, true, "Single", 1, 1, 1000, 0, 903.85 * 0.07 - 12.98, 50.29f },
        PresetCase { "NCWeekly500", NC, GetNC, false, "Single", 1, 1, 500, 0, 451.925 * 0.07 - 6.49, 25.14f },
        PresetCase { "NCMarried", NC, GetNC, true, "Married", 0, 1, 600, 0, 600 * 0.07 - 12.16, 29.84f },
        PresetCase { "OregonFederalCapped", Oregon, GetOregon, true, "Single", 0, 1000, 1, 400,
            (1000 - 317.31 - 105.58 - 413.46) * 0.0875 + 34.15, 48.47f },
        PresetCase { "OregonFederalAtCap", Oregon, GetOregon, true, "Single", 0, 1000, 1, 317.31f,
            (1000 - 317.31 - 105.58 - 413.46) * 0.0875 + 34.15, 48.47f },
        // Three exemptions: married rows and credits, the single standard deduction.
        PresetCase { "OregonSingleThreeExemptions", Oregon, GetOregon, true, "Single", 3, 1000, 1, 100,
            (1000 - 100 - 105.58 - 330.77) * 0.0675 + 25.31 - 28.74, 27.87f },
        PresetCase { "OregonWeeklyMarried", Oregon, GetOregon, false, "Married", 1, 600, 1, 50,
            (600 - 50 - 105.67 - 413.46) * 0.0875 + 29.4 - 4.79, 27.31f },
        PresetCase { "OregonOtherStatus", Oregon, GetOregon, true, "", 0, 1000, 1, 100,
            (900 - 826.92) * 0.0875 + 58.81, 65.20f },
        PresetCase { "OregonRowZero", Oregon, GetOregon, true, "Single", 1, 250, 1, 0, 0, 0 },
        PresetCase { "OregonBelowRowZero", Oregon, GetOregon, true, "Single", 0, 50, 1, 0, 7, 7 },
        // x = 1532.69 - 532.69 = 1000, less the credit for one exemption.
        PresetCase { "IowaBiWeekly", Iowa, IowaFormula, true, "Single", 1, 1, 1532.69f, 0,
            43.71 + 0.057 * 76.92 - 1.54, 46.55f }),
    CaseName());

} // namespace
