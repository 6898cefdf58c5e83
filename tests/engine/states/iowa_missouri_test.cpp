// Iowa and Missouri schedules: rows, boundaries, deductions, credits and whole-dollar rounding.
#include "engine/states/iowa_missouri.h"

#include "engine/states/state_test_support.h"

#include <gtest/gtest.h>

using namespace tallyman;
using namespace tallyman::testing;

namespace {

struct ScheduleCase {
    const char* name;
    bool biWeekly;
    float taxable, cafeState;
    int n;
    float deduction, credit; // entry n of StateSgExp and StateMarExp
    double tax;
};

StateWorld worldFor(const ScheduleCase& c)
{
    StateWorld w(c.biWeekly);
    w.pay.TaxableWages = c.taxable;
    w.pay.CafeStateAmt = c.cafeState;
    w.pay.StateTax = 99; // always replaced
    if (c.n < 10) {
        w.state.StateSgExp[static_cast<std::size_t>(c.n)] = c.deduction;
        w.state.StateMarExp[static_cast<std::size_t>(c.n)] = c.credit;
    }
    return w;
}

class Iowa : public ::testing::TestWithParam<ScheduleCase> { };

TEST_P(Iowa, TaxesTheWageLessDeductionThenTakesTheCredit)
{
    StateWorld w = worldFor(GetParam());
    auto calc = w.calc();
    GetIowa(calc, GetParam().n);
    EXPECT_NEAR(w.pay.StateTax, GetParam().tax, Tolerance);
    EXPECT_EQ(w.state.RoundOff, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, Iowa,
    ::testing::Values(ScheduleCase { "BiWeekly1000", true, 1000, 0, 0, 0, 0, 43.71 + 0.057 * 76.92 },
        ScheduleCase { "BiWeeklySecondRow", true, 500, 0, 0, 0, 0, 8.12 + 0.0482 * (500 - 184.62) },
        ScheduleCase { "BiWeeklyTopRow", true, 3000, 0, 0, 0, 0, 100.71 + 0.06 * (3000 - 1923.08) },
        ScheduleCase { "WeeklyAtFirstLimit", false, 92.31f, 0, 0, 0, 0, 0.044 * 92.31 },
        ScheduleCase { "WeeklyAboveFirstLimit", false, 92.32f, 0, 0, 0, 0, 4.06 + 0.0482 * 0.01 },
        ScheduleCase { "WeeklyThirdRow", false, 700, 0, 0, 0, 0, 21.86 + 0.057 * (700 - 461.54) },
        ScheduleCase { "WeeklyTopRow", false, 1000, 0, 0, 0, 0, 50.36 + 0.06 * (1000 - 961.54) },
        ScheduleCase { "NegativeWage", true, 100, 0, 1, 532.69f, 0, 0.044 * (100 - 532.69) },
        ScheduleCase {
            "DeductionCafeCredit", true, 1600, 67.31f, 2, 532.69f, 3.08f, 43.71 + 0.057 * 76.92 - 3.08 },
        ScheduleCase { "CreditAboveTax", false, 50, 0, 9, 0, 6.93f, 0.044 * 50 - 6.93 },
        ScheduleCase { "CountOutsideList", true, 1000, 0, 12, 0, 0, 43.71 + 0.057 * 76.92 }),
    CaseName());

class Missouri : public ::testing::TestWithParam<ScheduleCase> { };

TEST_P(Missouri, TaxesTheWageLessDeductionAndSwitchesRoundingOn)
{
    StateWorld w = worldFor(GetParam());
    auto calc = w.calc();
    GetMissouri(calc, GetParam().n);
    EXPECT_NEAR(w.pay.StateTax, GetParam().tax, Tolerance);
    EXPECT_EQ(w.state.RoundOff, 1);
}

// The credit column plays no part in Missouri. The weekly bases step by 24 whatever the row's
// width, so the tax drops a little past 49.
INSTANTIATE_TEST_SUITE_P(Rows, Missouri,
    ::testing::Values(ScheduleCase { "BiWeeklyAt49", true, 49, 0, 0, 0, 5, 0 },
        ScheduleCase { "BiWeeklyAt50", true, 50, 0, 0, 0, 5, 0.02 },
        ScheduleCase { "BiWeeklyAt100", true, 100, 0, 0, 0, 0, 0.98 + 0.025 * 2 },
        ScheduleCase { "BiWeeklyAt300", true, 300, 0, 0, 0, 0, 7.35 + 0.045 * 6 },
        ScheduleCase { "BiWeeklyAt400", true, 400, 0, 0, 0, 0, 9.555 + 0.048 * 57 },
        ScheduleCase { "NegativeWage", true, 100, 0, 0, 561.54f, 0, 0 },
        ScheduleCase { "DeductionAndCafe", true, 1011.54f, 50, 3, 561.54f, 0, 9.555 + 0.048 * 57 },
        ScheduleCase { "WeeklyAt49", false, 49, 0, 0, 0, 0, 0.02 * 25 },
        ScheduleCase { "WeeklyAt50", false, 50, 0, 0, 0, 0, 0.48 + 0.025 * 1 },
        ScheduleCase { "WeeklyAt130", false, 130, 0, 0, 0, 0, 2.64 + 0.04 * 8 },
        ScheduleCase { "WeeklyAt200", false, 200, 0, 0, 0, 0, 4.68 + 0.048 * 29 }),
    CaseName());

} // namespace
