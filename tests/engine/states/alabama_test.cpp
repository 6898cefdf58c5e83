// Alabama over statuses, deduction steps, dependent limits and the three bands.
#include "engine/states/alabama.h"

#include "engine/states/state_test_support.h"
#include "numbers/rounding.h"

#include <gtest/gtest.h>

using namespace tallyman;
using namespace tallyman::testing;

namespace {

struct AlabamaCase {
    const char* name;
    bool biWeekly;
    const char *fedStatus, *stateStatus;
    float gross, fedTax;
    int dependents;
    double tax;
};

class Alabama : public ::testing::TestWithParam<AlabamaCase> { };

TEST_P(Alabama, TaxesGrossLessDeductionsExemptionsAndFederalTax)
{
    const AlabamaCase& c = GetParam();
    StateWorld w(c.biWeekly, c.stateStatus);
    w.profile.FedStatus = c.fedStatus;
    w.pay.GrossPay = c.gross;
    w.pay.FedTax = c.fedTax;
    w.pay.TaxableWages = 1; // Alabama works from gross pay
    w.state.StateSgExp.fill(1000);
    auto calc = w.calc();
    GetAlabama(calc, c.dependents);
    // Tighter than the gap between two neighbouring per-period constants.
    EXPECT_NEAR(w.pay.StateTax, c.tax, 2e-5);
}

// Bands, bi-weekly: single 0.3846 / 3.846 above 19.23 / 115.38, married 0.7692 / 7.6924 above
// 38.46 / 230.77. Weekly single 0.1924 / 1.9232 above 9.62 / 57.69: the second band is
// 2500/52 = 48.08 wide, not 57.69 - 9.62.
INSTANTIATE_TEST_SUITE_P(Cases, Alabama,
    ::testing::Values(AlabamaCase { "WorkedExample", true, "Single", "Single", 1010, 100, 0,
                          0.3846 + 3.846 + 0.05 * (737.89 - 115.38) },
        // At exactly 1000.00 the second step applies: 114.42, not 115.38.
        AlabamaCase { "GrossExactly1000", true, "Single", "Single", 1000, 0, 0,
            4.2306 + 0.05 * (1000 - 114.42 - 57.69 - 115.38) },
        AlabamaCase { "GrossBelow1000", true, "Single", "Single", 999.99f, 0, 0,
            4.2306 + 0.05 * (999.99 - 115.38 - 57.69 - 115.38) },
        AlabamaCase { "LastStep", true, "Single", "Single", 1365.38f, 0, 0,
            4.2306 + 0.05 * (1365.38 - 96.15 - 57.69 - 115.38) },
        AlabamaCase { "TwoDependentsAt2000", true, "Single", "Single", 2000, 0, 2,
            4.2306 + 0.05 * (2000 - 96.15 - 57.69 - 2 * 19.23 - 115.38) },
        AlabamaCase { "DependentAtFirstLimit", true, "Single", "Single", 1923.08f, 0, 1,
            4.2306 + 0.05 * (1923.08 - 96.15 - 57.69 - 38.46 - 115.38) },
        AlabamaCase { "DependentAboveSecondLimit", true, "Single", "Single", 3846.16f, 0, 1,
            4.2306 + 0.05 * (3846.16 - 96.15 - 57.69 - 11.54 - 115.38) },
        // T = 400 - (115.38 + 57.69 + 126.93) = 100.
        AlabamaCase { "SingleT100", true, "Single", "Single", 400, 126.93f, 0, 0.3846 + 0.04 * 80.77 },
        AlabamaCase { "NegativeT", true, "Single", "Single", 100, 0, 0, 0.02 * (100 - 115.38 - 57.69) },
        AlabamaCase { "SeparateFirstStep", true, "Married", "Single", 500, 0, 0,
            4.2306 + 0.05 * (500 - 160.08 - 57.69 - 115.38) },
        AlabamaCase { "JointWeekly", false, "Married", "Married", 500, 0, 0,
            4.2306 + 0.05 * (500 - 160.10 - 57.69 - 115.38) },
        AlabamaCase { "SingleFederalMarriedState", true, "Single", "Married", 1000, 0, 0,
            8.4616 + 0.05 * (1000 - 115.38 - 230.77) },
        AlabamaCase {
            "UnknownStatus", true, "Single", "", 1000, 0, 0, 8.4616 + 0.05 * (1000 - 115.38 - 230.77) },
        AlabamaCase { "WeeklySingleTopBand", false, "Single", "Single", 600, 50, 0,
            0.1924 + 1.9232 + 0.05 * (600 - 52.40 - 28.85 - 50 - 57.69) },
        AlabamaCase { "WeeklyMarriedMiddleBand", false, "Married", "Married", 300, 0, 0,
            0.3846 + 0.04 * (300 - 163.46 - 57.69 - 19.23) }),
    CaseName());

TEST(Alabama, WorkedExampleComesTo3536)
{
    StateWorld w(true);
    w.pay.GrossPay = 1010;
    w.pay.FedTax = 100;
    auto calc = w.calc();
    GetAlabama(calc, 0);
    EXPECT_FLOAT_EQ(roundCents(w.pay.StateTax), 35.36f);
}

} // namespace
