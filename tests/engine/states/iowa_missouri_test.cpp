// Iowa and Missouri schedules: rows, boundaries, deductions, credits and whole-dollar rounding.
#include "engine/states/iowa_missouri.h"

#include "engine/states/state_test_support.h"
#include "numbers/rounding.h"

#include <gtest/gtest.h>

using namespace tallyman;
using tallyman::testing::StateWorld;

namespace {

// Float results of a few hundred dollars carry about 1e-5 of noise; a cent error is 1e-2.
constexpr double Tolerance = 5e-5;

struct ScheduleCase {
    const char *name;
    bool biWeekly;
    float taxable;
    float cafeState;
    int n;
    float deduction; // entry n of StateSgExp
    float credit;    // entry n of StateMarExp
    double tax;
};

void fill(StateWorld &w, const ScheduleCase &c)
{
    w.pay.TaxableWages = c.taxable;
    w.pay.CafeStateAmt = c.cafeState;
    if (c.n >= 0 && c.n < 10) {
        w.state.StateSgExp[static_cast<std::size_t>(c.n)] = c.deduction;
        w.state.StateMarExp[static_cast<std::size_t>(c.n)] = c.credit;
    }
}

class Iowa : public ::testing::TestWithParam<ScheduleCase> {};

TEST_P(Iowa, TaxesTheWageLessDeductionThenTakesTheCredit)
{
    const ScheduleCase &c = GetParam();
    StateWorld w(c.biWeekly);
    fill(w, c);
    auto calc = w.calc();
    GetIowa(calc, c.n);
    EXPECT_NEAR(w.pay.StateTax, c.tax, Tolerance);
    EXPECT_EQ(w.state.RoundOff, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, Iowa,
    ::testing::Values(ScheduleCase { "BiWeekly1000", true, 1000, 0, 0, 0, 0, 43.71 + 0.057 * 76.92 },
        ScheduleCase { "BiWeeklyFirstRow", true, 184.62f, 0, 0, 0, 0, 0.044 * 184.62 },
        ScheduleCase { "BiWeeklySecondRow", true, 500, 0, 0, 0, 0, 8.12 + 0.0482 * (500 - 184.62) },
        ScheduleCase { "BiWeeklyTopRow", true, 3000, 0, 0, 0, 0, 100.71 + 0.06 * (3000 - 1923.08) },
        ScheduleCase { "WeeklyExactlyAtFirstLimit", false, 92.31f, 0, 0, 0, 0, 0.044 * 92.31 },
        ScheduleCase { "WeeklyJustAboveFirstLimit", false, 92.32f, 0, 0, 0, 0, 4.06 + 0.0482 * 0.01 },
        ScheduleCase { "WeeklyThirdRow", false, 700, 0, 0, 0, 0, 21.86 + 0.057 * (700 - 461.54) },
        ScheduleCase { "WeeklyTopRow", false, 1000, 0, 0, 0, 0, 50.36 + 0.06 * (1000 - 961.54) },
        ScheduleCase { "NegativeWageFirstRow", true, 100, 0, 1, 532.69f, 0, 0.044 * (100 - 532.69) },
        ScheduleCase { "DeductionCafeAndCredit", true, 1600, 67.31f, 2, 532.69f, 3.08f,
            43.71 + 0.057 * (1000 - 923.08) - 3.08 },
        ScheduleCase { "CreditAboveTaxGoesNegative", false, 50, 0, 9, 0, 6.93f, 0.044 * 50 - 6.93 },
        ScheduleCase { "CountOutsideListHasNoAllowance", true, 1000, 0, 12, 0, 0, 43.71 + 0.057 * 76.92 }),
    tallyman::testing::CaseName());

class Missouri : public ::testing::TestWithParam<ScheduleCase> {};

TEST_P(Missouri, TaxesTheWageLessDeductionAndSwitchesRoundingOn)
{
    const ScheduleCase &c = GetParam();
    StateWorld w(c.biWeekly);
    fill(w, c);
    w.pay.StateTax = 99; // replaced
    auto calc = w.calc();
    GetMissouri(calc, c.n);
    EXPECT_NEAR(w.pay.StateTax, c.tax, Tolerance);
    EXPECT_EQ(w.state.RoundOff, 1);
}

// The credit column plays no part in Missouri.
INSTANTIATE_TEST_SUITE_P(Rows, Missouri,
    ::testing::Values(ScheduleCase { "BiWeeklyAt49", true, 49, 0, 0, 0, 5, 0 },
        ScheduleCase { "BiWeeklyAt50", true, 50, 0, 0, 0, 5, 0.02 },
        ScheduleCase { "BiWeeklyAt98", true, 98, 0, 0, 0, 0, 0.98 },
        ScheduleCase { "BiWeeklyAt100", true, 100, 0, 0, 0, 0, 0.98 + 0.025 * 2 },
        ScheduleCase { "BiWeeklyAt400", true, 400, 0, 0, 0, 0, 9.555 + 0.048 * 57 },
        ScheduleCase { "BiWeeklyNegative", true, 100, 0, 0, 561.54f, 0, 0 },
        ScheduleCase { "BiWeeklyAfterDeductionAndCafe", true, 1011.54f, 50, 3, 561.54f, 0, 9.555 + 0.048 * 57 },
        ScheduleCase { "WeeklyAt24", false, 24, 0, 0, 0, 0, 0 },
        ScheduleCase { "WeeklyAt49", false, 49, 0, 0, 0, 0, 0.02 * 25 },
        ScheduleCase { "WeeklyAt50", false, 50, 0, 0, 0, 0, 0.48 + 0.025 * 1 },
        ScheduleCase { "WeeklyAt100", false, 100, 0, 0, 0, 0, 1.80 + 0.035 * 2 },
        ScheduleCase { "WeeklyAt200", false, 200, 0, 0, 0, 0, 4.68 + 0.048 * 29 }),
    tallyman::testing::CaseName());

TEST(Missouri, The400ExampleBecomesTwelveDollarsWhenRoundedWhole)
{
    StateWorld w(true);
    w.pay.TaxableWages = 400;
    auto calc = w.calc();
    GetMissouri(calc, 0);
    EXPECT_EQ(roundWhole(roundCents(w.pay.StateTax)), 12);
}

TEST(Missouri, BasesAreTheRunningTaxOfTheRowsBelow)
{
    const std::array<float, 8> biWeekly { 0, 0, 0.98f, 2.205f, 3.675f, 5.39f, 7.35f, 9.555f };
    const std::array<float, 8> weekly { 0, 0, 0.48f, 1.08f, 1.80f, 2.64f, 3.60f, 4.68f };
    const auto b = missouriBases(true);
    const auto k = missouriBases(false);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_FLOAT_EQ(b[i], biWeekly[i]) << "bi-weekly row " << i;
        EXPECT_FLOAT_EQ(k[i], weekly[i]) << "weekly row " << i;
    }
}

} // namespace
