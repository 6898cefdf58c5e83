// Utah's credit phase-out and Oregon's capped federal deduction with its three rows.
#include "engine/states/utah_oregon.h"

#include "engine/states/state_test_support.h"

#include <gtest/gtest.h>

using namespace tallyman;
using tallyman::testing::StateWorld;

namespace {

constexpr double Tolerance = 5e-5;

struct UtahCase {
    const char *name;
    bool biWeekly;
    const char *status;
    float taxable;
    float cafeState;
    double utah1, utah2, utah3, utah4;
};

class Utah : public ::testing::TestWithParam<UtahCase> {};

TEST_P(Utah, KeepsItsWorkingValuesAndLeavesTheTaxInStateWages)
{
    const UtahCase &c = GetParam();
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
        UtahCase { "BiWeeklySingle300NegativeTax", true, "Single", 300, 0, 13.95, 0, 0, 16 },
        UtahCase { "BiWeeklySingleCreditGone", true, "Single", 2000, 0, 93, 1678, 21.814, 0 },
        UtahCase { "BiWeeklyMarried", true, "Married", 1000, 0, 46.5, 356, 4.628, 27.372 },
        UtahCase { "WeeklySingle", false, "Single", 400, 0, 18.6, 239, 3.107, 4.893 },
        UtahCase { "WeeklyMarried", false, "Married", 500, 0, 23.25, 178, 2.314, 13.686 },
        UtahCase { "OtherStatusIsMarried", false, "", 500, 0, 23.25, 178, 2.314, 13.686 },
        UtahCase { "CafeteriaReducesWages", true, "Single", 1050, 50, 46.5, 678, 8.814, 7.186 }),
    tallyman::testing::CaseName());

// The Oregon preset's bi-weekly and weekly rows and credits.
void oregonTables(StateTaxSettings &s, bool biWeekly)
{
    const double k = biWeekly ? 1 : 0.5;
    if (biWeekly) {
        s.StateMinBS = { 0, 165.38f, 413.46f, 999999, 999999, 999999, 999999, 999999, 999999, 999999 };
        s.StateAmtBS = { 9.58f, 17.42f, 34.15f };
        s.StateMinBM = { 0, 330.77f, 826.92f, 999999, 999999, 999999, 999999, 999999, 999999, 999999 };
        s.StateAmtBM = { 9.58f, 25.31f, 58.81f };
    } else {
        s.StateMinBS = { 0, 82.69f, 206.73f, 999999, 999999, 999999, 999999, 999999, 999999, 999999 };
        s.StateAmtBS = { 4.79f, 8.71f, 17.08f };
        s.StateMinBM = { 0, 165.38f, 413.46f, 999999, 999999, 999999, 999999, 999999, 999999, 999999 };
        s.StateAmtBM = { 4.79f, 12.75f, 29.4f };
    }
    s.StatePerBS = s.StatePerBM = { 0.0475f, 0.0675f, 0.0875f };
    for (std::size_t i = 0; i < 10; ++i) {
        s.StateSgExp[i] = static_cast<float>(9.58 * k * double(i));
        s.StateMarExp[i] = s.StateSgExp[i];
    }
    // Tell the two credit lists apart.
    s.StateMarExp[3] = 30;
}

struct OregonCase {
    const char *name;
    bool biWeekly;
    const char *status;
    int n;
    float gross;
    float fedTax;
    double wages;
    double tax;
};

class Oregon : public ::testing::TestWithParam<OregonCase> {};

TEST_P(Oregon, CapsTheFederalDeductionAndTaxesRowsOneAndTwo)
{
    const OregonCase &c = GetParam();
    StateWorld w(c.biWeekly, c.status);
    oregonTables(w.state, c.biWeekly);
    w.profile.StateExemptions = static_cast<short>(c.n);
    w.pay.GrossPay = c.gross;
    w.pay.FedTax = c.fedTax;
    w.pay.TaxableWages = 1;
    w.pay.StateTax = 77;
    auto calc = w.calc();
    GetOregon(calc);
    EXPECT_NEAR(w.pay.StateWages, c.wages, Tolerance);
    EXPECT_NEAR(w.pay.StateTax, c.tax, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Cases, Oregon,
    ::testing::Values(
        OregonCase { "FederalCapped", true, "Single", 0, 1000, 400, 1000 - 317.31 - 105.58,
            (1000 - 317.31 - 105.58 - 413.46) * 0.0875 + 34.15 },
        OregonCase { "FederalAtCap", true, "Single", 0, 1000, 317.31f, 1000 - 317.31 - 105.58,
            (1000 - 317.31 - 105.58 - 413.46) * 0.0875 + 34.15 },
        OregonCase { "FederalBelowCap", true, "Single", 1, 1000, 100, 794.42,
            (794.42 - 413.46) * 0.0875 + 34.15 - 9.58 },
        // Three exemptions: married rows and credits, the single standard deduction.
        OregonCase { "SingleThreeExemptions", true, "Single", 3, 1000, 100, 794.42,
            (794.42 - 330.77) * 0.0675 + 25.31 - 30 },
        OregonCase { "MarriedRowOne", true, "Married", 1, 1000, 100, 1000 - 100 - 211.35,
            (1000 - 100 - 211.35 - 330.77) * 0.0675 + 25.31 - 9.58 },
        OregonCase { "OtherStatusNoDeductionMarriedTable", true, "", 0, 1000, 100, 900,
            (900 - 826.92) * 0.0875 + 58.81 },
        OregonCase { "RowZeroIsNoTax", true, "Single", 1, 250, 0, 250 - 105.58, 0 },
        OregonCase { "BelowRowZeroKeepsTheTax", true, "Single", 0, 50, 0, 50 - 105.58, 77 },
        OregonCase { "WeeklyCap", false, "Single", 0, 500, 200, 500 - 158.65 - 52.79,
            (500 - 158.65 - 52.79 - 206.73) * 0.0875 + 17.08 },
        OregonCase { "WeeklyMarried", false, "Married", 2, 500, 100, 500 - 100 - 105.67,
            (500 - 100 - 105.67 - 165.38) * 0.0675 + 12.75 - 9.58 }),
    tallyman::testing::CaseName());

} // namespace
