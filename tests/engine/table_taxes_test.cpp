// Generic state table, city table and the non-city resident table.
#include "engine/table_taxes.h"

#include "numbers/rounding.h"

#include "engine_harness.h"

#include <gtest/gtest.h>

using namespace tallyman;
using tallyman::test::CaseName;

namespace {

// Single table: (0, 0, 2 %), (500, 10, 4 %); married: (0, 0, 1 %), (1000, 30, 5 %); the rest unused.
template <typename Rows>
void fillBrackets(Rows& minS, Rows& amtS, Rows& perS, Rows& minM, Rows& amtM, Rows& perM)
{
    minS.fill(999999);
    minM.fill(999999);
    minS[0] = 0;
    perS[0] = 0.02f;
    minS[1] = 500;
    amtS[1] = 10;
    perS[1] = 0.04f;
    minM[0] = 0;
    perM[0] = 0.01f;
    minM[1] = 1000;
    amtM[1] = 30;
    perM[1] = 0.05f;
}

EmployeeProfile profileOf(const char* stateStatus, bool biWeekly)
{
    EmployeeProfile p;
    p.FedStatus = "Single";
    p.StateStatus = stateStatus;
    p.Week = biWeekly ? 0 : -1;
    p.BiWeek = biWeekly ? -1 : 0;
    return p;
}

NonCitySettings defaultNonCity()
{
    return NonCitySettings { { 0, 145, 385, 769, 1154, 999999, 999999, 999999 },
        { 0, 115, 77, 38, 0, 0, 0, 0 }, { 0, 78, 192, 385, 577, 999999, 999999, 999999 },
        { 0, 58, 38, 19, 0, 0, 0, 0 }, 0.005f };
}

} // namespace

struct BracketCase {
    const char* name;
    const char* status;
    bool biWeekly;
    float taxableWages, exemptAmt, cafeStateAmt, calAllow;
    float wages, tax; // tax rounded to cents
};

class StateTable : public ::testing::TestWithParam<BracketCase> { };

TEST_P(StateTable, SelectsTheRowOfTheWages)
{
    const auto& c = GetParam();
    StateTaxSettings s;
    fillBrackets(s.StateMinBS, s.StateAmtBS, s.StatePerBS, s.StateMinBM, s.StateAmtBM, s.StatePerBM);
    s.CalAllow = c.calAllow;
    PayResult pay;
    pay.TaxableWages = c.taxableWages;
    pay.StateExemptAmt = c.exemptAmt;
    pay.CafeStateAmt = c.cafeStateAmt;
    GetStateTable(profileOf(c.status, c.biWeekly), s, pay);
    EXPECT_EQ(pay.StateWages, c.wages);
    EXPECT_EQ(roundCents(pay.StateTax), c.tax);
}

INSTANTIATE_TEST_SUITE_P(Cases, StateTable,
    ::testing::Values(
        // (700 - 500) x .04 + 10
        BracketCase { "BiWeekly", "Single", true, 800, 60, 40, 0, 700, 18 },
        // weekly: bound 250, amount 5, half the allowance: (350 - 250) x .04 + 5
        BracketCase { "Weekly", "Single", false, 400, 100, 0, 0, 350, 9 },
        BracketCase { "AtARowMinimum", "Single", true, 500, 0, 0, 0, 500, 10 },
        BracketCase { "JustBelowARow", "Single", true, 499.99f, 0, 0, 0, 499.99f, 10.00f },
        BracketCase { "Married", "Married", true, 1200, 0, 0, 0, 1200, 40 },
        BracketCase { "OtherStatusIsMarried", "Head", true, 1200, 0, 0, 0, 1200, 40 },
        BracketCase { "CaliforniaAllowance", "Single", true, 700, 0, 0, 12.5f, 700, 5.5f },
        BracketCase { "BelowEveryRow", "Single", false, -20, 0, 0, 3, -20, -3 }),
    CaseName());

TEST(StateTable, NothingEnteredLeavesMinusTheAllowance)
{
    StateTaxSettings s;
    s.StateMinBS.fill(999999);
    s.CalAllow = 7;
    PayResult pay;
    pay.TaxableWages = 5000;
    GetStateTable(profileOf("Single", true), s, pay);
    EXPECT_EQ(pay.StateTax, -7);
}

class CityTable : public ::testing::TestWithParam<BracketCase> { };

TEST_P(CityTable, UsesTheStateStatusAndHalvesForWeekly)
{
    const auto& c = GetParam();
    CityTaxSettings city;
    fillBrackets(
        city.CityMinBS, city.CityAmtBS, city.CityPerBS, city.CityMinBM, city.CityAmtBM, city.CityPerBM);
    PayResult pay;
    pay.TaxableWages = c.taxableWages;
    pay.CityExemptAmt = c.exemptAmt;
    GetCityTax(profileOf(c.status, c.biWeekly), city, NonCitySettings {}, pay);
    EXPECT_EQ(pay.CityWages, c.wages);
    EXPECT_EQ(roundCents(pay.CityTax), c.tax);
}

INSTANTIATE_TEST_SUITE_P(Cases, CityTable,
    ::testing::Values(BracketCase { "BiWeekly", "Single", true, 760, 60, 0, 0, 700, 18 },
        // the full allowance is bi-weekly: half of 100 for a weekly employee
        BracketCase { "Weekly", "Single", false, 400, 100, 0, 0, 350, 9 },
        // married by the state status whatever the federal one: (1100 - 1000) x .05 + 30
        BracketCase { "MarriedTable", "Married", true, 1100, 0, 0, 0, 1100, 35 }),
    CaseName());

struct NonCityCase {
    const char* name;
    bool biWeekly;
    float taxableWages;
    float subtraction, tax;
};

class NonCity : public ::testing::TestWithParam<NonCityCase> { };

TEST_P(NonCity, SubtractsTheTableAmountAndAppliesTheRate)
{
    const auto& c = GetParam();
    EmployeeProfile profile = profileOf("Single", c.biWeekly);
    profile.NonCity = 1;
    PayResult pay;
    pay.TaxableWages = c.taxableWages;
    pay.CityExemptAmt = 11; // the city allowance, kept when no row applies
    pay.CityWages = 123;
    GetCityTax(profile, CityTaxSettings {}, defaultNonCity(), pay);
    EXPECT_EQ(pay.CityExemptAmt, c.subtraction);
    EXPECT_EQ(roundCents(pay.CityTax), c.tax);
    EXPECT_EQ(pay.CityWages, 123);
}

INSTANTIATE_TEST_SUITE_P(DefaultTable, NonCity,
    ::testing::Values(NonCityCase { "BiWeeklyRowTwo", true, 577, 77, 2.50f },
        // 731 x .005 is 3.655, but the stored rate is a hair under .005
        NonCityCase { "BiWeeklyAtAMinimum", true, 769, 38, 3.65f },
        NonCityCase { "BiWeeklyTopRow", true, 2000, 0, 10 },
        NonCityCase { "WeeklyRowTwo", false, 250, 38, 1.06f },
        // below the first minimum: the city allowance stays; the negative tax is not clamped
        NonCityCase { "NegativeWages", true, -100, 11, -0.56f }),
    CaseName());

TEST(ZeroBlankStateFields, OnlyEmptyBoxesBecomeZero)
{
    StateBoxes boxes { "", "1.1", "", " ", "abc", "" };
    ZeroBlankStateFields(boxes);
    EXPECT_EQ(boxes, (StateBoxes { "0", "1.1", "0", " ", "abc", "0" }));
}
