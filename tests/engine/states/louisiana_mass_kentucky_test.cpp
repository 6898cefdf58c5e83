// Louisiana, Massachusetts and Kentucky: gross-pay formulas with their credits and deductions.
#include "engine/states/louisiana_mass_kentucky.h"

#include "engine/states/state_test_support.h"
#include "numbers/rounding.h"

#include <gtest/gtest.h>

using namespace tallyman;
using tallyman::testing::StateWorld;

namespace {

constexpr double Tolerance = 5e-5;

struct LouisianaCase {
    const char *name;
    bool biWeekly;
    float exemptions; // entry 0 of StateSgExp
    float dependents; // entry 0 of StateMarExp
    float gross;
    double tax;
};

class Louisiana : public ::testing::TestWithParam<LouisianaCase> {};

TEST_P(Louisiana, TaxesGrossLessCreditsNeverBelowZero)
{
    const LouisianaCase &c = GetParam();
    StateWorld w(c.biWeekly);
    w.state.StateSgExp[0] = c.exemptions;
    w.state.StateMarExp[0] = c.dependents;
    w.pay.GrossPay = c.gross;
    w.pay.TaxableWages = 1; // not the Louisiana base
    w.pay.StateTax = 55;    // always replaced
    auto calc = w.calc();
    GetLouisiana(calc);
    EXPECT_NEAR(w.pay.StateTax, c.tax, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Cases, Louisiana,
    ::testing::Values(
        // X = 173.08 x 0.0185; Y would be negative and counts as 0.
        LouisianaCase { "WorkedExample", true, 1, 0, 1000, 18.5 + 519.23 * 0.0165 - 173.08 * 0.0185 },
        LouisianaCase { "NoExemptions", true, 0, 0, 1000, 18.5 + (1000 - 480.77) * 0.0165 },
        LouisianaCase { "BelowFirstLimit", true, 0, 0, 400, 400 * 0.0185 },
        LouisianaCase { "AboveSecondLimit", true, 1, 0, 3000,
            3000 * 0.0185 + (3000 - 480.77) * 0.0165 + (3000 - 1923.08) * 0.0075 - 173.08 * 0.0185 },
        // Two exemptions: the wider limits and 346.16.
        LouisianaCase { "TwoExemptionsOneDependent", true, 2, 1, 2000,
            37 + (2000 - 961.54) * 0.0165 - (346.16 + 38.46) * 0.0185 },
        LouisianaCase { "TwoExemptionsAboveSecondLimit", true, 2, 0, 4000,
            74 + (4000 - 961.54) * 0.0165 + (4000 - 3846.15) * 0.0075 - 346.16 * 0.0185 },
        // Allowances above the first limit: Y counts too.
        LouisianaCase { "CreditsAboveFirstLimit", true, 1, 9, 2000,
            37 + (2000 - 480.77) * 0.0165 + (2000 - 1923.08) * 0.0075 - (173.08 + 9 * 38.46) * 0.0185
                - (173.08 + 9 * 38.46 - 480.77) * 0.0165 },
        LouisianaCase { "Weekly", false, 1, 2, 500,
            9.25 + (500 - 240.38) * 0.0165 - (86.54 + 2 * 19.23) * 0.0185 },
        LouisianaCase { "WeeklyTwoExemptions", false, 2, 0, 1000,
            18.5 + (1000 - 480.77) * 0.0165 - 173.08 * 0.0185 },
        LouisianaCase { "ThreeExemptionsNoTax", true, 3, 0, 1000, 0 },
        LouisianaCase { "CreditsAboveTaxClampToZero", true, 2, 6, 200, 0 },
        LouisianaCase { "NegativeGrossIsZero", true, 0, 0, -100, 0 },
        // A count stored as 1.4 is read as 1.
        LouisianaCase { "CountRoundsToNearest", true, 1.4f, 0, 1000, 18.5 + 519.23 * 0.0165 - 173.08 * 0.0185 }),
    tallyman::testing::CaseName());

TEST(Louisiana, WorkedExampleRoundsTo2387)
{
    StateWorld w(true);
    w.state.StateSgExp[0] = 1;
    w.pay.GrossPay = 1000;
    auto calc = w.calc();
    GetLouisiana(calc);
    EXPECT_FLOAT_EQ(roundCents(w.pay.StateTax), 23.87f);
}

struct MassCase {
    const char *name;
    bool biWeekly;
    float ytdSS, ytdMedi;
    int n;
    double wages;
};

class Mass : public ::testing::TestWithParam<MassCase> {};

TEST_P(Mass, DeductsPeriodTaxesUntilTheYearReaches2000)
{
    const MassCase &c = GetParam();
    StateWorld w(c.biWeekly, "Married");
    w.ledger.TotSS = c.ytdSS;
    w.ledger.TotMedi = c.ytdMedi;
    w.pay.GrossPay = 1000;
    w.pay.SocSecTax = 62;
    w.pay.MedicareTax = 14.5f;
    w.state.StatePerBS[0] = 0.05f;
    w.state.StatePerBM[0] = 0.07f; // not read
    for (std::size_t i = 1; i < 10; ++i) {
        w.state.StateMarExp[i] = static_cast<float>(169 + 38 * (i - 1));
        w.state.StateSgExp[i] = 1; // not read
    }
    w.profile.StateExemptions = static_cast<short>(c.n);
    auto calc = w.calc();
    GetMass(calc);
    EXPECT_NEAR(w.pay.StateWages, c.wages, Tolerance);
    EXPECT_NEAR(w.pay.StateTax, c.wages * 0.05, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Cases, Mass,
    ::testing::Values(MassCase { "WorkedExample", true, 1200, 300, 1, 754.50 },
        MassCase { "YearAtExactly2000", true, 1700, 300, 1, 754.50 },
        MassCase { "YearPast2000", true, 1700, 300.5f, 1, 831 },
        MassCase { "WeeklyHalfExemption", false, 1200, 300, 1, 1000 - 62 - 14.5 - 84.5 },
        MassCase { "NoExemptions", true, 0, 0, 0, 923.5 },
        MassCase { "NineExemptions", true, 0, 0, 9, 923.5 - 473 }),
    tallyman::testing::CaseName());

struct KentuckyCase {
    const char *name;
    float gross;
    double tax;
};

// Upper ends 100 .. 500 and open above, rates 1 % .. 6 %, a standard deduction of 50, credit 2.
void kentuckyTable(StateTaxSettings &s, bool single)
{
    auto &Min = single ? s.StateMinBS : s.StateMinBM;
    auto &Amt = single ? s.StateAmtBS : s.StateAmtBM;
    auto &Per = single ? s.StatePerBS : s.StatePerBM;
    auto &Credit = single ? s.StateSgExp : s.StateMarExp;
    for (std::size_t i = 0; i < 6; ++i) {
        Min[i] = static_cast<float>(100 * (i + 1));
        Amt[i] = 50;
        Per[i] = static_cast<float>(0.01 * double(i + 1));
    }
    Credit[2] = 2;
}

class Kentucky : public ::testing::TestWithParam<KentuckyCase> {};

TEST_P(Kentucky, ReadsRowsAsAProgressiveScheduleLessTheCredit)
{
    const KentuckyCase &c = GetParam();
    for (const char *status : { "Single", "Married" }) {
        StateWorld w(true, status);
        kentuckyTable(w.state, std::string(status) == "Single");
        w.profile.StateExemptions = 2;
        w.pay.GrossPay = c.gross;
        w.pay.TaxableWages = 1;
        auto calc = w.calc();
        GetKentucky(calc);
        EXPECT_NEAR(w.pay.StateTax, c.tax, Tolerance) << status;
    }
}

// Full brackets: 1, 2, 3, 4, 5.
INSTANTIATE_TEST_SUITE_P(Rows, Kentucky,
    ::testing::Values(KentuckyCase { "Row0", 130, 80 * 0.01 - 2 },
        KentuckyCase { "Row0UpperEnd", 150, 1 - 2 },
        KentuckyCase { "Row1", 200, 1 + 50 * 0.02 - 2 },
        KentuckyCase { "Row2", 300, 1 + 2 + 50 * 0.03 - 2 },
        KentuckyCase { "Row3", 400, 1 + 2 + 3 + 50 * 0.04 - 2 },
        KentuckyCase { "Row4", 500, 1 + 2 + 3 + 4 + 50 * 0.05 - 2 },
        KentuckyCase { "Row4UpperEnd", 550, 1 + 2 + 3 + 4 + 100 * 0.05 - 2 },
        // Above Min[4] row 5 replaces row 4.
        KentuckyCase { "Row5", 650, 1 + 2 + 3 + 4 + 5 + 100 * 0.06 - 2 },
        KentuckyCase { "FarAboveTheTable", 2050, 1 + 2 + 3 + 4 + 5 + 1500 * 0.06 - 2 }),
    tallyman::testing::CaseName());

TEST(Kentucky, EachRowTaxesItsOwnDeduction)
{
    StateWorld w(true);
    kentuckyTable(w.state, true);
    w.state.StateAmtBS[3] = 60; // x_3 = 390, but the row is chosen on x_0 = 400
    w.profile.StateExemptions = 0;
    w.pay.GrossPay = 450;
    auto calc = w.calc();
    GetKentucky(calc);
    EXPECT_NEAR(w.pay.StateTax, 1 + 2 + 3 + 90 * 0.04, Tolerance);
}

} // namespace
