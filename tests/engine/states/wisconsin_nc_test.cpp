// Wisconsin and North Carolina: the bracket table with their own placement of the deductions.
#include "engine/states/wisconsin_nc.h"

#include "engine/states/state_test_support.h"

#include <gtest/gtest.h>

using namespace tallyman;
using tallyman::testing::StateWorld;

namespace {

constexpr double Tolerance = 5e-5;

// Rows (0, 0, 2 %) and (500, 10, 4 %) in the table of `status`, the other table far off.
void twoRowTable(StateTaxSettings &s, bool single, float firstMinimum = 0)
{
    auto &Min = single ? s.StateMinBS : s.StateMinBM;
    auto &Amt = single ? s.StateAmtBS : s.StateAmtBM;
    auto &Per = single ? s.StatePerBS : s.StatePerBM;
    Min[0] = firstMinimum;
    Per[0] = 0.02f;
    Min[1] = 500;
    Amt[1] = 10;
    Per[1] = 0.04f;
    auto &Other = single ? s.StatePerBM : s.StatePerBS;
    Other.fill(0.5f);
}

struct TableCase {
    const char *name;
    bool biWeekly;
    const char *status;
    float taxable;
    float calAllow;
    float cafeState;
    float exemptAmt;
    float firstMinimum;
    double wages;
    double tax;
};

class Wisconsin : public ::testing::TestWithParam<TableCase> {};

TEST_P(Wisconsin, TakesCalAllowOffTheWagesAndTheExemptionOffTheTax)
{
    const TableCase &c = GetParam();
    StateWorld w(c.biWeekly, c.status);
    twoRowTable(w.state, std::string(c.status) == "Single", c.firstMinimum);
    w.state.CalAllow = c.calAllow;
    w.pay.TaxableWages = c.taxable;
    w.pay.CafeStateAmt = c.cafeState;
    w.pay.StateExemptAmt = c.exemptAmt;
    auto calc = w.calc();
    GetWisconsin(calc);
    EXPECT_NEAR(w.pay.StateWages, c.wages, Tolerance);
    EXPECT_NEAR(w.pay.StateTax, c.tax, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Cases, Wisconsin,
    ::testing::Values(TableCase { "BiWeekly", true, "Single", 700, 0, 0, 0.85f, 0, 700, 200 * 0.04 + 10 - 0.85 },
        TableCase { "BiWeeklyAtRowMinimum", true, "Single", 500, 0, 0, 0, 0, 500, 10 },
        TableCase { "Weekly", false, "Single", 350, 0, 0, 0.85f, 0, 350, 100 * 0.04 + 5 - 0.425 },
        TableCase { "WeeklyCalAllowNotHalved", false, "Single", 400, 50, 0, 0.85f, 0, 350,
            100 * 0.04 + 5 - 0.425 },
        TableCase { "CafeteriaReducesWages", true, "Single", 750, 20, 30, 0, 0, 700, 18 },
        TableCase { "Married", true, "Married", 700, 0, 0, 1.7f, 0, 700, 18 - 1.7 },
        TableCase { "OtherStatusIsMarried", true, "", 700, 0, 0, 0, 0, 700, 18 },
        TableCase { "BelowFirstRowOnlyTheCredit", true, "Single", 50, 0, 0, 0.85f, 100, 50, -0.85 },
        TableCase { "WeeklyBelowFirstRow", false, "Single", 40, 0, 0, 0.85f, 100, 40, -0.425 }),
    tallyman::testing::CaseName());

class NorthCarolina : public ::testing::TestWithParam<TableCase> {};

TEST_P(NorthCarolina, TakesAllowancesOffTheWagesAndTheAmountOffTheTax)
{
    const TableCase &c = GetParam();
    StateWorld w(c.biWeekly, c.status);
    twoRowTable(w.state, std::string(c.status) == "Single", c.firstMinimum);
    w.state.CalAllow = c.calAllow;
    w.pay.TaxableWages = c.taxable;
    w.pay.CafeStateAmt = c.cafeState;
    w.pay.StateExemptAmt = c.exemptAmt;
    w.pay.StateTax = 3;
    auto calc = w.calc();
    GetNC(calc);
    EXPECT_NEAR(w.pay.StateWages, c.wages, Tolerance);
    EXPECT_NEAR(w.pay.StateTax, c.tax, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Cases, NorthCarolina,
    ::testing::Values(TableCase { "BiWeekly", true, "Single", 1000, 0, 0, 96.15f, 0, 903.85, 903.85 * 0.04 - 10 },
        TableCase { "BiWeeklyFirstRow", true, "Single", 500, 0, 0, 96.15f, 0, 403.85, 403.85 * 0.02 },
        TableCase { "Weekly", false, "Single", 500, 0, 0, 96.15f, 0, 451.925, 451.925 * 0.04 - 5 },
        TableCase { "WeeklyHalvedMinimum", false, "Single", 300, 0, 0, 0, 0, 300, 300 * 0.04 - 5 },
        TableCase { "CalAllowAndCafeteria", true, "Married", 1000, 40, 60, 0, 0, 900, 900 * 0.04 - 10 },
        TableCase { "BelowFirstRowKeepsTheTax", true, "Single", 50, 0, 0, 0, 100, 50, 3 }),
    tallyman::testing::CaseName());

} // namespace
