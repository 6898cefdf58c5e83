// Social Security with its wage base, SDI and SUI with theirs.
#include "engine/wage_taxes.h"

#include "numbers/rounding.h"

#include "engine_harness.h"

#include <gtest/gtest.h>

using namespace tallyman;
using tallyman::test::CaseName;

namespace {

Currency dollars(double value) { return Currency::fromDouble(value); }

} // namespace

struct SocSecCase {
    const char* name;
    double totGross;
    float gross, cafe, misc;
    short selfEmp;
    float socSec; // rounded to cents
    float ssYtdWages;
};

class SocSec : public ::testing::TestWithParam<SocSecCase> { };

TEST_P(SocSec, TaxesTheWagesWithinTheBase)
{
    const auto& c = GetParam();
    EmployeeProfile profile;
    profile.Misc = c.misc;
    profile.SelfEmp = c.selfEmp;
    PayResult pay;
    pay.GrossPay = c.gross;
    pay.CafeAmt = c.cafe;
    LedgerTotals ledger;
    ledger.TotGross = dollars(c.totGross);
    GetSocSec(profile, ledger, pay);
    EXPECT_EQ(roundCents(pay.SocSecTax), c.socSec);
    EXPECT_EQ(pay.SsYtdWages, c.ssYtdWages);
    EXPECT_EQ(pay.SsWageRoom, float(SocialSecurityWageBase - double(c.ssYtdWages)));
}

INSTANTIATE_TEST_SUITE_P(Cases, SocSec,
    ::testing::Values(
        // 1,200 of the 2,000 still lie below the base
        SocSecCase { "CrossesTheBase", 159000, 2000, 0, 0, 0, 74.40f, 161000 },
        SocSecCase { "EndsExactlyAtTheBase", 158200, 2000, 0, 0, 0, 124.00f, 160200 },
        SocSecCase { "BaseAlreadyMet", 160200, 1000, 0, 0, 0, 0, 161200 },
        SocSecCase { "BaseExceeded", 175000, 1000, 0, 0, 0, 0, 176000 },
        // the cafeteria plan keeps this period inside the base
        SocSecCase { "CafeteriaReducesYearToDate", 159200, 1100, 100, 0, 0, 62.00f, 160200 },
        SocSecCase { "HealthInsuranceDeducted", 0, 1000, 0, 100, 0, 55.80f, 1000 },
        // self-employed: 12.4 % and the health insurance stays in the base
        SocSecCase { "SelfEmployed", 0, 1000, 0, 100, 1, 124.00f, 1000 },
        SocSecCase { "SelfEmployedCrossing", 159700, 1000, 0, 0, 1, 62.00f, 160700 },
        // deductions above gross pay: clamped, never a negative tax
        SocSecCase { "DeductionsAboveGross", 0, 100, 40, 150, 0, 0, 60 },
        SocSecCase { "NothingPaid", 0, 0, 25, 0, 1, 0, -25 }),
    CaseName());

struct InsuranceCase {
    const char* name;
    short useBase;
    float percent, wageBase;
    double totGross;
    float gross;
    float tax; // rounded to cents
};

class Insurance : public ::testing::TestWithParam<InsuranceCase> { };

TEST_P(Insurance, SdiAndSuiFollowTheSameRules)
{
    const auto& c = GetParam();
    StateTaxSettings state;
    state.SDIUseBase = c.useBase;
    state.SDIpercent = c.percent;
    state.SDIwageBase = c.wageBase;
    // SUI gets the same figures shifted, to show the two do not share settings
    state.SUIUseBase = c.useBase;
    state.SUIpercent = c.percent * 2;
    state.SUIwageBase = c.wageBase;
    LedgerTotals ledger;
    ledger.TotGross = dollars(c.totGross);
    PayResult pay;
    pay.GrossPay = c.gross;
    StateBoxes boxes { "0", "0", "0", "0", "0", "0" };
    GetSDI_SUI(boxes, state, ledger, pay);
    EXPECT_EQ(roundCents(pay.SDITax), c.tax);
    EXPECT_EQ(roundCents(pay.SUITax), c.useBase ? roundCents(double(c.tax) * 2) : c.tax);
    EXPECT_EQ(pay.SdiYtdGross, float(c.totGross + c.gross));
    EXPECT_EQ(pay.SuiYtdGross, pay.SdiYtdGross);
}

INSTANTIATE_TEST_SUITE_P(Cases, Insurance,
    ::testing::Values(InsuranceCase { "FlatAmount", 0, 1.1f, 12.5f, 0, 3000, 12.50f },
        InsuranceCase { "FlatAmountWithoutPay", 0, 1.1f, 12.5f, 0, 0, 12.50f },
        InsuranceCase { "WithinTheBase", 1, 1.1f, 100000, 50000, 1000, 11.00f },
        InsuranceCase { "ReachesTheBaseExactly", 1, 1.1f, 100000, 99000, 1000, 11.00f },
        // 500 left below the base at 1.1 %
        InsuranceCase { "CrossesTheBase", 1, 1.1f, 100000, 99500, 1000, 5.50f },
        InsuranceCase { "BaseMet", 1, 1.1f, 100000, 100000, 1000, 0 }),
    CaseName());

TEST(Insurance, AdjustmentAndCaliforniaAllowanceComeFromTheBoxes)
{
    struct Case {
        const char *adj, *calAllow;
        float stateAdj, cal;
    };
    for (const Case& c :
        { Case { "-500", "12abc", -500, 12 }, Case { " 1 0.5", "abc", 10.5f, 0 }, Case { "", "-", 0, 0 } }) {
        StateTaxSettings state;
        state.StateAdj = 99;
        state.CalAllow = 99;
        PayResult pay;
        GetSDI_SUI(StateBoxes { "0", "0", c.adj, c.calAllow, "0", "0" }, state, LedgerTotals {}, pay);
        EXPECT_EQ(state.StateAdj, c.stateAdj) << c.adj;
        EXPECT_EQ(state.CalAllow, c.cal) << c.calAllow;
    }
}
