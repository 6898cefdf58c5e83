// Utah's credit phase-out; Oregon runs through the real preset tables in the presets' tests.
#include "engine/states/utah_oregon.h"

#include "engine/states/state_test_support.h"

#include <gtest/gtest.h>

using namespace tallyman;
using namespace tallyman::testing;

namespace {

struct UtahCase {
    const char* name;
    bool biWeekly;
    const char* status;
    float taxable, cafeState;
    double utah1, utah2, utah3, utah4;
};

class Utah : public ::testing::TestWithParam<UtahCase> { };

TEST_P(Utah, KeepsItsWorkingValuesAndLeavesTheTaxInStateWages)
{
    const UtahCase& c = GetParam();
    StateWorld w(c.biWeekly, c.status);
    w.pay.TaxableWages = c.taxable;
    w.pay.CafeStateAmt = c.cafeState;
    w.pay.GrossPay = 5000; // not the Utah base
    auto calc = w.calc();
    GetUtah(calc);
    EXPECT_NEAR(w.utah.Utah1, c.utah1, Tolerance);
    EXPECT_NEAR(w.utah.Utah2, c.utah2, Tolerance);
    EXPECT_NEAR(w.utah.Utah3, c.utah3, Tolerance);
    EXPECT_NEAR(w.utah.Utah4, c.utah4, Tolerance);
    EXPECT_NEAR(w.pay.StateTax, c.utah1 - c.utah4, Tolerance);
    EXPECT_EQ(w.pay.StateWages, w.pay.StateTax);
}

INSTANTIATE_TEST_SUITE_P(Cases, Utah,
    ::testing::Values(UtahCase { "BiWeeklySingle1000", true, "Single", 1000, 0, 46.5, 678, 8.814, 7.186 },
        UtahCase { "BiWeeklySingle300", true, "Single", 300, 0, 13.95, 0, 0, 16 },
        UtahCase { "CreditGone", true, "Single", 2000, 0, 93, 1678, 21.814, 0 },
        UtahCase { "BiWeeklyMarried", true, "Married", 1000, 0, 46.5, 356, 4.628, 27.372 },
        UtahCase { "WeeklySingle", false, "Single", 400, 0, 18.6, 239, 3.107, 4.893 },
        UtahCase { "WeeklyMarried", false, "Married", 500, 0, 23.25, 178, 2.314, 13.686 },
        UtahCase { "OtherStatusIsMarried", false, "", 500, 0, 23.25, 178, 2.314, 13.686 },
        UtahCase { "CafeteriaReducesWages", true, "Single", 1050, 50, 46.5, 678, 8.814, 7.186 }),
    CaseName());

} // namespace
