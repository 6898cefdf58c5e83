// Louisiana, Massachusetts and Kentucky: gross-pay formulas with their credits and deductions.
#include "engine/states/louisiana_mass_kentucky.h"

#include "engine/states/state_test_support.h"
#include "numbers/rounding.h"

#include <gtest/gtest.h>

using namespace tallyman;
using namespace tallyman::testing;

namespace {

struct LouisianaCase {
    const char* name;
    bool biWeekly;
    float exemptions, dependents; // entry 0 of StateSgExp and StateMarExp
    float gross;
    double tax;
};

class Louisiana : public ::testing::TestWithParam<LouisianaCase> { };

TEST_P(Louisiana, TaxesGrossLessCreditsNeverBelowZero)
{
    const LouisianaCase& c = GetParam();
    StateWorld w(c.biWeekly);
    w.state.StateSgExp[0] = c.exemptions;
    w.state.StateMarExp[0] = c.dependents;
    w.pay.GrossPay = c.gross;
    w.pay.StateTax = 55; // always replaced
    auto calc = w.calc();
    GetLouisiana(calc);
    EXPECT_NEAR(w.pay.StateTax, c.tax, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Cases, Louisiana,
    ::testing::Values(
        LouisianaCase { "WorkedExample", true, 1, 0, 1000, 18.5 + 519.23 * 0.0165 - 173.08 * 0.0185 },
        LouisianaCase { "BelowFirstLimit", true, 0, 0, 400, 400 * 0.0185 },
        LouisianaCase { "AboveSecondLimit", true, 1, 0, 3000,
            55.5 + (3000 - 480.77) * 0.0165 + (3000 - 1923.08) * 0.0075 - 173.08 * 0.0185 },
        // Two exemptions: 346.16 and the wider limits.
        LouisianaCase { "TwoExemptions", true, 2, 1, 4000,
            74 + (4000 - 961.54) * 0.0165 + (4000 - 3846.15) * 0.0075 - (346.16 + 38.46) * 0.0185 },
        // Allowances above the first limit: the second credit counts too.
        LouisianaCase { "BothCredits", true, 1, 9, 1500,
            27.75 + (1500 - 480.77) * 0.0165 - 519.22 * 0.0185 - (519.22 - 480.77) * 0.0165 },
        LouisianaCase {
            "Weekly", false, 2, 2, 1000, 18.5 + (1000 - 480.77) * 0.0165 - (173.08 + 38.46) * 0.0185 },
        LouisianaCase { "ThreeExemptions", true, 3, 0, 1000, 0 },
        LouisianaCase { "CreditsAboveTax", true, 2, 6, 200, 0 },
        LouisianaCase { "NegativeGross", true, 0, 0, -100, 0 },
        LouisianaCase {
            "CountReadAsNearest", true, 1.4f, 0, 1000, 18.5 + 519.23 * 0.0165 - 173.08 * 0.0185 }),
    CaseName());

struct MassCase {
    const char* name;
    bool biWeekly;
    float ytdMedicare; // with 1200 of Social Security
    int n;
    double wages;
};

class Mass : public ::testing::TestWithParam<MassCase> { };

TEST_P(Mass, DeductsPeriodTaxesUntilTheYearReaches2000)
{
    const MassCase& c = GetParam();
    StateWorld w(c.biWeekly, "Single");
    w.ledger.TotSS = 1200;
    w.ledger.TotMedi = c.ytdMedicare;
    w.pay.GrossPay = 1000;
    w.pay.SocSecTax = 62;
    w.pay.MedicareTax = 14.5f;
    w.state.StatePerBS[0] = 0.05f;
    w.state.StateMarExp = { 0, 169, 207, 245, 283, 321, 359, 397, 435, 473 };
    w.profile.StateExemptions = static_cast<short>(c.n);
    auto calc = w.calc();
    GetMass(calc);
    EXPECT_NEAR(w.pay.StateWages, c.wages, Tolerance);
    EXPECT_NEAR(w.pay.StateTax, c.wages * 0.05, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Cases, Mass,
    ::testing::Values(MassCase { "WorkedExample", true, 300, 1, 754.50 },
        MassCase { "YearAtExactly2000", true, 800, 1, 754.50 },
        MassCase { "YearPast2000", true, 800.5f, 1, 831 },
        MassCase { "WeeklyHalfExemption", false, 300, 1, 923.5 - 84.5 },
        MassCase { "NineExemptions", true, 0, 9, 923.5 - 473 }),
    CaseName());

// Upper ends 100 .. 600, rates 1 % .. 6 %, deduction 50, credit 2: full brackets 1, 2, 3, 4, 5.
StateWorld kentuckyWorld(const char* status, float gross)
{
    StateWorld w(true, status);
    const bool single = std::string(status) == "Single";
    for (std::size_t i = 0; i < 6; ++i) {
        (single ? w.state.StateMinBS : w.state.StateMinBM)[i] = static_cast<float>(100 * (i + 1));
        (single ? w.state.StateAmtBS : w.state.StateAmtBM)[i] = 50;
        (single ? w.state.StatePerBS : w.state.StatePerBM)[i] = static_cast<float>(0.01 * double(i + 1));
    }
    (single ? w.state.StateSgExp : w.state.StateMarExp)[2] = 2;
    w.profile.StateExemptions = 2;
    w.pay.GrossPay = gross;
    return w;
}

struct KentuckyCase {
    const char* name;
    float gross;
    double tax;
};

class Kentucky : public ::testing::TestWithParam<KentuckyCase> { };

TEST_P(Kentucky, ReadsRowsAsAProgressiveScheduleLessTheCredit)
{
    for (const char* status : { "Single", "Married" }) {
        StateWorld w = kentuckyWorld(status, GetParam().gross);
        auto calc = w.calc();
        GetKentucky(calc);
        EXPECT_NEAR(w.pay.StateTax, GetParam().tax, Tolerance) << status;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Kentucky,
    ::testing::Values(KentuckyCase { "Row0", 130, 0.8 - 2 }, KentuckyCase { "Row0UpperEnd", 150, 1 - 2 },
        KentuckyCase { "Row1", 200, 1 + 1 - 2 }, KentuckyCase { "Row2", 300, 3 + 1.5 - 2 },
        KentuckyCase { "Row3", 400, 6 + 2 - 2 }, KentuckyCase { "Row4UpperEnd", 550, 10 + 5 - 2 },
        // Above Min[4] row 5 replaces row 4.
        KentuckyCase { "Row5", 650, 15 + 6 - 2 }, KentuckyCase { "FarAbove", 2050, 15 + 90 - 2 }),
    CaseName());

TEST(Kentucky, RowThreeIsChosenOnTheFirstDeductionButTaxesItsOwn)
{
    StateWorld w = kentuckyWorld("Single", 450);
    w.state.StateAmtBS[3] = 60; // x_3 = 390 while x_0 = 400
    w.profile.StateExemptions = 0;
    auto calc = w.calc();
    GetKentucky(calc);
    EXPECT_NEAR(w.pay.StateTax, 6 + 90 * 0.04, Tolerance);
}

} // namespace
