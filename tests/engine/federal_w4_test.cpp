// The annual percentage method for certificates from 2020 on, checked against the 2026 schedules.
#include "engine_harness.h"

#include "engine/federal_w4.h"

using namespace tallyman;
using namespace tallyman::test;

namespace {

struct W4Case {
    std::string name;
    W4FilingStatus status;
    bool step2;
    Amount step3, step4a, step4b;
    Amount taxable;
    int periods;
    Amount fedAddL;
    Amount expected;
};

class WithholdingFrom2020 : public ::testing::TestWithParam<W4Case> { };

constexpr auto Single = W4FilingStatus::Single;
constexpr auto Jointly = W4FilingStatus::MarriedJointly;
constexpr auto Head = W4FilingStatus::HeadOfHousehold;

} // namespace

TEST_P(WithholdingFrom2020, Year2026)
{
    const W4Case& c = GetParam();
    W4Certificate w4;
    w4.Form = W4Form::From2020;
    w4.Status = c.status;
    w4.Step2 = c.step2;
    w4.Step3 = c.step3;
    w4.Step4a = c.step4a;
    w4.Step4b = c.step4b;
    EXPECT_EQ(withholdingFrom2020(year2026(), w4, c.taxable, c.periods, c.fedAddL), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Worksheet, WithholdingFrom2020,
    ::testing::Values(
        // The published worked checks.
        W4Case { "WeeklySingle", Single, false, 0, 0, 0, 1000, 52, 0, 78.08f },
        W4Case { "WeeklySingleStep2", Single, true, 0, 0, 0, 1000, 52, 0, 135.10f },
        W4Case { "BiWeeklyJointly", Jointly, false, 0, 0, 0, 3000, 26, 0, 192.31f },
        W4Case { "BiWeeklyJointlyCredits", Jointly, false, 4000, 0, 0, 3000, 26, 0, 38.46f },
        W4Case { "WeeklyHeadOfHousehold", Head, false, 0, 0, 0, 800, 52, 0, 33.56f },
        // The Step 2 schedules of the other statuses: no standard amount comes off.
        W4Case { "BiWeeklyJointlyStep2", Jointly, true, 0, 0, 0, 3000, 26, 0, 320.38f },
        W4Case { "WeeklyHeadOfHouseholdStep2", Head, true, 0, 0, 0, 800, 52, 0, 64.73f },
        // Other income adds to the annual wages, deductions come off them.
        W4Case { "OtherIncome", Single, false, 0, 5200, 0, 1000, 52, 0, 90.08f },
        W4Case { "Deductions", Single, false, 0, 0, 5200, 1000, 52, 0, 66.08f },
        // Step 4(c) is added after the credits, once.
        W4Case { "ExtraWithholding", Single, false, 0, 0, 0, 1000, 52, 10, 88.08f },
        // Credits above the tax leave nothing, then the extra withholding is added.
        W4Case { "CreditsAboveTheTax", Single, false, 10000, 0, 0, 1000, 52, 20, 20.00f },
        // Wages below the standard amount (or negative) are taxed as 0.
        W4Case { "BelowTheStandardAmount", Single, false, 0, 0, 0, 100, 52, 15, 15.00f },
        W4Case { "NegativeWages", Jointly, false, 0, 0, 0, -50, 26, 0, 0.00f },
        // The open-ended top row.
        W4Case { "TopRow", Single, false, 0, 0, 0, 20000, 52, 0, 6438.47f }),
    CaseName {});

TEST(AnnualTax, TheLastRowReachedStandsAndItsBoundBelongsToIt)
{
    const FedYear year = year2026();
    const AnnualSchedule& single = year.schedule(Single, false);
    EXPECT_DOUBLE_EQ(annualTax(single, 7499.99), 0);
    EXPECT_DOUBLE_EQ(annualTax(single, 19900), 1240);
    EXPECT_DOUBLE_EQ(annualTax(single, 57900), 5800);
    EXPECT_DOUBLE_EQ(annualTax(single, 57900 - 100), 5800 - 12);
    EXPECT_DOUBLE_EQ(annualTax(AnnualSchedule {}, 50000), 0); // a schedule never filled
}

TEST(AnnualTax, PeriodsFollowThePayFrequency)
{
    EmployeeProfile p;
    p.Week = -1;
    EXPECT_EQ(payPeriodsPerYear(p), 52);
    p.Week = 0;
    p.BiWeek = -1;
    EXPECT_EQ(payPeriodsPerYear(p), 26);
    p.Week = -1; // both: the weekly figure stands, as with the brackets
    EXPECT_EQ(payPeriodsPerYear(p), 52);
    p.Week = p.BiWeek = 0;
    EXPECT_EQ(payPeriodsPerYear(p), std::nullopt);
}

TEST(AnnualTax, AnAmountBeyondAFloatThrows)
{
    W4Certificate w4;
    w4.Form = W4Form::From2020;
    EXPECT_THROW(withholdingFrom2020(year2026(), w4, 3e38f, 52, 3e38f), NumberOverflow);
}
