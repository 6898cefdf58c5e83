// Alabama: the per-period figures and the formula over statuses, steps, dependents and brackets.
#include "engine/states/alabama.h"

#include "engine/states/state_test_support.h"
#include "numbers/rounding.h"

#include <gtest/gtest.h>

using namespace tallyman;
using tallyman::testing::StateWorld;

namespace {

constexpr double Tolerance = 2e-5; // tighter than the gap between two neighbouring constants

TEST(AlabamaFigures, StandardDeductionStepsPerPeriod)
{
    const auto &bi = alabamaFigures(true);
    const auto &wk = alabamaFigures(false);
    // Single, bi-weekly.
    EXPECT_DOUBLE_EQ(bi.single.deduction[0], 115.38);
    EXPECT_DOUBLE_EQ(bi.single.threshold[0], 1000.00);
    EXPECT_DOUBLE_EQ(bi.single.deduction[1], 114.42);
    EXPECT_DOUBLE_EQ(bi.single.threshold[1], 1019.23);
    EXPECT_DOUBLE_EQ(bi.single.deduction[2], 113.46);
    EXPECT_DOUBLE_EQ(bi.single.threshold[2], 1038.46);
    EXPECT_DOUBLE_EQ(bi.single.deduction[3], 112.50);
    EXPECT_DOUBLE_EQ(bi.single.threshold[18], 1346.15);
    EXPECT_DOUBLE_EQ(bi.single.deduction[19], 97.12);
    EXPECT_DOUBLE_EQ(bi.single.threshold[19], 1365.38);
    EXPECT_DOUBLE_EQ(bi.single.deduction[20], 96.15);
    // Married filing separately, bi-weekly.
    EXPECT_DOUBLE_EQ(bi.separate.deduction[0], 163.46);
    EXPECT_DOUBLE_EQ(bi.separate.threshold[0], 500.00);
    EXPECT_DOUBLE_EQ(bi.separate.deduction[1], 160.08);
    EXPECT_DOUBLE_EQ(bi.separate.threshold[19], 682.69);
    EXPECT_DOUBLE_EQ(bi.separate.deduction[20], 96.15);
    // Married filing jointly, weekly.
    EXPECT_DOUBLE_EQ(wk.joint.deduction[0], 163.46);
    EXPECT_DOUBLE_EQ(wk.joint.threshold[0], 500.00);
    EXPECT_DOUBLE_EQ(wk.joint.deduction[1], 160.10);
    EXPECT_DOUBLE_EQ(wk.joint.threshold[19], 682.69);
    EXPECT_DOUBLE_EQ(wk.joint.deduction[20], 96.15);
}

struct PeriodFigures {
    bool biWeekly;
    double dependent[3];
    double limit1, limit2;
    double personalSingle, personalOther;
    double L1single, band1single, L2single, band2single;
    double L1other, band1other, L2other, band2other;
};

class AlabamaPeriodFigures : public ::testing::TestWithParam<PeriodFigures> {};

TEST_P(AlabamaPeriodFigures, AreTheAnnualFiguresPerPeriodInCents)
{
    const PeriodFigures &p = GetParam();
    const auto &f = alabamaFigures(p.biWeekly);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_DOUBLE_EQ(f.perDependent[i], p.dependent[i]) << i;
    EXPECT_DOUBLE_EQ(f.dependentLimit1, p.limit1);
    EXPECT_DOUBLE_EQ(f.dependentLimit2, p.limit2);
    EXPECT_DOUBLE_EQ(f.personalSingle, p.personalSingle);
    EXPECT_DOUBLE_EQ(f.personalOther, p.personalOther);
    EXPECT_DOUBLE_EQ(f.singleSchedule.L1, p.L1single);
    EXPECT_NEAR(f.singleSchedule.band1Tax, p.band1single, 1e-12);
    EXPECT_DOUBLE_EQ(f.singleSchedule.L2, p.L2single);
    EXPECT_NEAR(f.singleSchedule.band2Tax, p.band2single, 1e-12);
    EXPECT_DOUBLE_EQ(f.otherSchedule.L1, p.L1other);
    EXPECT_NEAR(f.otherSchedule.band1Tax, p.band1other, 1e-12);
    EXPECT_DOUBLE_EQ(f.otherSchedule.L2, p.L2other);
    EXPECT_NEAR(f.otherSchedule.band2Tax, p.band2other, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Periods, AlabamaPeriodFigures,
    ::testing::Values(PeriodFigures { true, { 38.46, 19.23, 11.54 }, 1923.08, 3846.15, 57.69, 115.38, 19.23, 0.3846,
                          115.38, 3.846, 38.46, 0.7692, 230.77, 7.6924 },
        // Weekly single: the second band is 2500/52 = 48.08 wide, not 57.69 - 9.62.
        PeriodFigures { false, { 19.23, 9.62, 5.77 }, 961.54, 1923.08, 28.85, 57.69, 9.62, 0.1924, 57.69, 1.9232,
            19.23, 0.3846, 115.38, 3.846 }));

struct AlabamaCase {
    const char *name;
    bool biWeekly;
    const char *fedStatus;
    const char *stateStatus;
    float gross;
    float fedTax;
    int dependents;
    double tax;
};

class Alabama : public ::testing::TestWithParam<AlabamaCase> {};

TEST_P(Alabama, TaxesGrossLessDeductionsExemptionsAndFederalTax)
{
    const AlabamaCase &c = GetParam();
    StateWorld w(c.biWeekly, c.stateStatus);
    w.profile.FedStatus = c.fedStatus;
    w.pay.GrossPay = c.gross;
    w.pay.FedTax = c.fedTax;
    w.pay.TaxableWages = 1; // Alabama works from gross pay
    w.state.StateSgExp.fill(1000);
    w.state.StateMarExp.fill(1000);
    auto calc = w.calc();
    GetAlabama(calc, c.dependents);
    EXPECT_NEAR(w.pay.StateTax, c.tax, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Cases, Alabama,
    ::testing::Values(
        // T = 1010 - (114.42 + 57.69 + 100) = 737.89
        AlabamaCase { "WorkedExample", true, "Single", "Single", 1010, 100, 0,
            0.3846 + 3.846 + 0.05 * (737.89 - 115.38) },
        // Exactly at the first threshold the second row applies: S = 114.42.
        AlabamaCase { "GrossExactly1000", true, "Single", "Single", 1000, 0, 0,
            0.3846 + 3.846 + 0.05 * (1000 - 114.42 - 57.69 - 115.38) },
        AlabamaCase { "GrossJustBelow1000", true, "Single", "Single", 999.99f, 0, 0,
            0.3846 + 3.846 + 0.05 * (999.99 - 115.38 - 57.69 - 115.38) },
        AlabamaCase { "GrossAboveLastStep", true, "Single", "Single", 1400, 0, 0,
            0.3846 + 3.846 + 0.05 * (1400 - 96.15 - 57.69 - 115.38) },
        AlabamaCase { "TwoDependentsAt2000", true, "Single", "Single", 2000, 0, 2,
            0.3846 + 3.846 + 0.05 * (2000 - 96.15 - 57.69 - 2 * 19.23 - 115.38) },
        // Dependent limits: up to 1923.08 the full exemption, above 3846.15 the smallest.
        AlabamaCase { "DependentAtFirstLimit", true, "Single", "Single", 1923.08f, 0, 1,
            0.3846 + 3.846 + 0.05 * (1923.08 - 96.15 - 57.69 - 38.46 - 115.38) },
        AlabamaCase { "DependentAboveSecondLimit", true, "Single", "Single", 3846.16f, 0, 1,
            0.3846 + 3.846 + 0.05 * (3846.16 - 96.15 - 57.69 - 11.54 - 115.38) },
        // T = 400 - (115.38 + 57.69 + 126.93) = 100, in the 4 % band.
        AlabamaCase { "SingleT100", true, "Single", "Single", 400, 126.93f, 0, 0.3846 + 0.04 * 80.77 },
        AlabamaCase { "NegativeTaxable", true, "Single", "Single", 100, 0, 0, 0.02 * (100 - 115.38 - 57.69) },
        // Married filing separately: its own steps, single exemption and schedule.
        AlabamaCase { "SeparateFromFirstStep", true, "Married", "Single", 500, 0, 0,
            0.3846 + 3.846 + 0.05 * (500 - 160.08 - 57.69 - 115.38) },
        AlabamaCase { "JointWeekly", false, "Married", "Married", 500, 0, 0,
            0.3846 + 3.846 + 0.05 * (500 - 160.10 - 57.69 - 115.38) },
        // No standard deduction for single federal and married state status; married
        // exemption and schedule.
        AlabamaCase { "SingleFederalMarriedState", true, "Single", "Married", 1000, 0, 0,
            0.7692 + 7.6924 + 0.05 * (1000 - 115.38 - 230.77) },
        AlabamaCase { "UnknownStatusHasNoDeduction", true, "Single", "", 1000, 0, 0,
            0.7692 + 7.6924 + 0.05 * (1000 - 115.38 - 230.77) },
        AlabamaCase { "WeeklySingleTopBand", false, "Single", "Single", 600, 50, 0,
            0.1924 + 1.9232 + 0.05 * (600 - 52.40 - 28.85 - 50 - 57.69) },
        AlabamaCase { "WeeklyMarriedMiddleBand", false, "Married", "Married", 300, 0, 0,
            0.3846 + 0.04 * (300 - 163.46 - 57.69 - 19.23) }),
    tallyman::testing::CaseName());

TEST(Alabama, WorkedExampleRoundsTo3536)
{
    StateWorld w(true);
    w.pay.GrossPay = 1010;
    w.pay.FedTax = 100;
    auto calc = w.calc();
    GetAlabama(calc, 0);
    EXPECT_FLOAT_EQ(roundCents(w.pay.StateTax), 35.36f);
}

} // namespace
