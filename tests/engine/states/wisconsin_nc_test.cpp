// Wisconsin and North Carolina: the bracket table with their own placement of the deductions.
#include "engine/states/wisconsin_nc.h"

#include "engine/states/state_test_support.h"

#include <gtest/gtest.h>

using namespace tallyman;
using namespace tallyman::testing;

namespace {

struct TableCase {
    const char* name;
    bool biWeekly;
    const char* status;
    float taxable, calAllow, cafeState, exemptAmt;
    float firstMinimum;
    double wages, tax;
};

// Rows (first, 0, 2 %) and (500, 10, 4 %) in the table of the status; the other table far off.
StateWorld worldFor(const TableCase& c)
{
    StateWorld w(c.biWeekly, c.status);
    const bool single = std::string(c.status) == "Single";
    auto& Min = single ? w.state.StateMinBS : w.state.StateMinBM;
    auto& Amt = single ? w.state.StateAmtBS : w.state.StateAmtBM;
    auto& Per = single ? w.state.StatePerBS : w.state.StatePerBM;
    Min[0] = c.firstMinimum;
    Per[0] = 0.02f;
    Min[1] = 500;
    Amt[1] = 10;
    Per[1] = 0.04f;
    (single ? w.state.StatePerBM : w.state.StatePerBS).fill(0.5f);
    w.state.CalAllow = c.calAllow;
    w.pay.TaxableWages = c.taxable;
    w.pay.CafeStateAmt = c.cafeState;
    w.pay.StateExemptAmt = c.exemptAmt;
    w.pay.StateTax = 3;
    return w;
}

class Wisconsin : public ::testing::TestWithParam<TableCase> { };

TEST_P(Wisconsin, TakesCalAllowOffTheWagesAndTheExemptionOffTheTax)
{
    StateWorld w = worldFor(GetParam());
    auto calc = w.calc();
    GetWisconsin(calc);
    EXPECT_NEAR(w.pay.StateWages, GetParam().wages, Tolerance);
    EXPECT_NEAR(w.pay.StateTax, GetParam().tax, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Cases, Wisconsin,
    ::testing::Values(TableCase { "BiWeekly", true, "Single", 700, 0, 0, 0.85f, 0, 700, 18 - 0.85 },
        TableCase { "AtRowMinimum", true, "Single", 500, 0, 0, 0, 0, 500, 10 },
        TableCase { "Weekly", false, "Single", 350, 0, 0, 0.85f, 0, 350, 4 + 5 - 0.425 },
        TableCase { "WeeklyCalAllowWhole", false, "Single", 400, 50, 0, 0.85f, 0, 350, 4 + 5 - 0.425 },
        TableCase { "CafeteriaAndCalAllow", true, "Single", 750, 20, 30, 0, 0, 700, 18 },
        TableCase { "Married", true, "Married", 700, 0, 0, 1.7f, 0, 700, 18 - 1.7 },
        TableCase { "OtherStatusIsMarried", true, "", 700, 0, 0, 0, 0, 700, 18 },
        // No row: the credit comes off whatever StateTax held.
        TableCase { "BelowFirstRow", true, "Single", 50, 0, 0, 0.85f, 100, 50, 3 - 0.85 },
        TableCase { "WeeklyBelowFirstRow", false, "Single", 40, 0, 0, 0.85f, 100, 40, 3 - 0.425 }),
    CaseName());

class NorthCarolina : public ::testing::TestWithParam<TableCase> { };

TEST_P(NorthCarolina, TakesAllowancesOffTheWagesAndTheAmountOffTheTax)
{
    StateWorld w = worldFor(GetParam());
    auto calc = w.calc();
    GetNC(calc);
    EXPECT_NEAR(w.pay.StateWages, GetParam().wages, Tolerance);
    EXPECT_NEAR(w.pay.StateTax, GetParam().tax, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Cases, NorthCarolina,
    ::testing::Values(
        TableCase { "BiWeekly", true, "Single", 1000, 0, 0, 96.15f, 0, 903.85, 903.85 * 0.04 - 10 },
        TableCase { "FirstRow", true, "Single", 500, 0, 0, 96.15f, 0, 403.85, 403.85 * 0.02 },
        TableCase { "Weekly", false, "Single", 500, 0, 0, 96.15f, 0, 451.925, 451.925 * 0.04 - 5 },
        TableCase { "WeeklyHalvedMinimum", false, "Single", 300, 0, 0, 0, 0, 300, 300 * 0.04 - 5 },
        TableCase { "CalAllowCafeteria", true, "Married", 1000, 40, 60, 0, 0, 900, 900 * 0.04 - 10 },
        TableCase { "BelowFirstRowKeepsTax", true, "Single", 50, 0, 0, 0, 100, 50, 3 }),
    CaseName());

} // namespace
