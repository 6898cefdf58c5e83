// The stub check: each cause with figures that produce it and figures that must not, the
// alternatives computed by the calculation itself, and the typed amounts.
#include "engine/fed_year.h"
#include "engine/stub_check.h"

#include "engine_harness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tallyman {
namespace {

Currency dollars(double value) { return Currency::fromDouble(value); }

// 40 hours at 25: gross 1,000.00 weekly; the simple federal table withholds 90.00.
PeriodCase weeklyPeriod()
{
    PeriodCase p;
    p.profile.resetToNewUser();
    p.profile.HourRate = 25;
    p.txtAmount[0] = "40";
    p.fedTable = test::simpleTable();
    return p;
}

class StubCheck : public ::testing::Test {
protected:
    PeriodCase period = weeklyPeriod();
    StubFigures stub {};
    std::vector<FedTableChoice> tables;
    FederalFigure federal = engineFederalFigure;

    void set(StubLine line, double value) { stub[index(line)] = dollars(value); }
    // The stub's figure for the line is Tallyman's own plus `delta`.
    void off(StubLine line, double delta)
    {
        stub[index(line)] = tallyman().lines[index(line)].tallyman + dollars(delta);
    }
    StubComparison tallyman() const
    {
        const StubCheckResult r = checkStub(period, {}, {});
        EXPECT_TRUE(r.computed);
        return r.comparison;
    }
    ComparedLine check(StubLine line) const
    {
        const StubCheckResult r = checkStub(period, stub, tables, federal);
        EXPECT_TRUE(r.computed);
        return r.comparison.lines[index(line)];
    }
    // The one cause of the line that contains `text`, or "" when none does.
    std::string causeWith(StubLine line, const std::string& text) const
    {
        for (const std::string& cause : check(line).causes)
            if (cause.find(text) != std::string::npos)
                return cause;
        return "";
    }
};

TEST_F(StubCheck, TallymansFiguresOfThePeriod)
{
    const StubComparison c = tallyman();
    EXPECT_EQ(c.lines[index(StubLine::Gross)].tallyman, dollars(1000));
    EXPECT_EQ(c.lines[index(StubLine::Fed)].tallyman, dollars(90));
    EXPECT_EQ(c.lines[index(StubLine::SS)].tallyman, dollars(62));
    EXPECT_EQ(c.lines[index(StubLine::Medi)].tallyman, dollars(14.5));
    EXPECT_EQ(c.lines[index(StubLine::Net)].tallyman, dollars(833.5));
    EXPECT_EQ(c.lines[index(StubLine::Tax5)].caption, "CrUnion");
    EXPECT_TRUE(c.agree());
    EXPECT_EQ(c.summary(), "No stub figures to compare.");
}

TEST_F(StubCheck, OneCentIsRoundingAndStillAgrees)
{
    off(StubLine::Fed, 0.01);
    ComparedLine l = check(StubLine::Fed);
    EXPECT_FALSE(l.differs());
    EXPECT_EQ(l.causes, std::vector<std::string> { "Rounding: one cent." });

    off(StubLine::Fed, 0.02);
    l = check(StubLine::Fed);
    EXPECT_TRUE(l.differs());
    EXPECT_EQ(causeWith(StubLine::Fed, "Rounding"), "");
    EXPECT_EQ(l.causes, std::vector<std::string> { "No known cause." });
}

TEST_F(StubCheck, SocialSecurityStoppedAtTheWageBase)
{
    period.ledger.TotGross = dollars(100000);
    set(StubLine::SS, 0);
    EXPECT_EQ(causeWith(StubLine::SS, "wage base"),
        "The employer's year-to-date wages may have reached the Social Security wage base of $160,200.00 "
        "before this "
        "period, or the ledger is missing earlier periods (Tallyman's year to date from the ledger is "
        "$100,000.00).");

    // (160,200 - 159,800) x 6.2 %: the period crossed the base on the employer's side.
    set(StubLine::SS, 24.80);
    EXPECT_EQ(causeWith(StubLine::SS, "wage base"),
        "The stub stops at the Social Security wage base of $160,200.00: the employer's year to date before "
        "this "
        "period would be $159,800.00 (Tallyman's year to date from the ledger is $100,000.00); the ledger "
        "may be "
        "missing earlier periods.");

    // More than Tallyman charges is not a base reached.
    set(StubLine::SS, 70);
    EXPECT_EQ(causeWith(StubLine::SS, "wage base"), "");
    // Tallyman's ledger is past the base already: both show nothing.
    period.ledger.TotGross = dollars(170000);
    set(StubLine::SS, 0);
    EXPECT_FALSE(check(StubLine::SS).differs());
    EXPECT_TRUE(check(StubLine::SS).causes.empty());
}

struct BaseCase {
    const char* name;
    StubLine line;
    double stub;
    const char* cause; // "" when none may be reported
};

class DifferentBase : public StubCheck, public ::testing::WithParamInterface<BaseCase> { };

// Health insurance 100 and a fixed K-plan of 50: Tallyman takes Social Security and Medicare
// on 900.00.
TEST_P(DifferentBase, NamesTheDeductionsTheEmployerTookOff)
{
    const BaseCase& c = GetParam();
    period.profile.Misc = 100;
    period.profile.KpPer = 0;
    period.profile.Kplan = 50;
    set(c.line, c.stub);
    EXPECT_EQ(causeWith(c.line, "% of $"), c.cause);
    if (*c.cause == 0) {
        EXPECT_EQ(check(c.line).causes, std::vector<std::string> { "No known cause." });
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, DifferentBase,
    ::testing::Values(
        BaseCase { "SocialSecurityOnTheWholeGross", StubLine::SS, 62.00,
            "The stub's Social Security is 6.2% of $1,000.00, the whole gross pay; Tallyman takes it on "
            "gross pay less Misc.." },
        BaseCase { "SocialSecurityLessTheKplanToo", StubLine::SS, 52.70,
            "The stub's Social Security is 6.2% of $850.00, gross pay less Misc. and the K-plan; Tallyman "
            "takes it on "
            "gross pay less Misc.." },
        BaseCase { "SocialSecurityOnNoBaseThereIs", StubLine::SS, 57.00, "" },
        BaseCase { "MedicareLessTheKplanOnly", StubLine::Medi, 13.78,
            "The stub's Medicare is 1.45% of $950.00, gross pay less the K-plan; Tallyman takes it on gross "
            "pay less "
            "Misc.." },
        BaseCase { "MedicareOnNoBaseThereIs", StubLine::Medi, 13.50, "" }),
    test::CaseName {});

TEST_F(StubCheck, AdditionalMedicareAboveTheThresholdOfTheTable)
{
    FedYear year;
    year.Year = 2025;
    year.WageBase = 176100;
    year.AddlMedicareThreshold = 200000;
    year.AddlMedicareRate = 0.009;
    period.fedTable.Year = year;
    // Tallyman's ledger is empty; the employer's year to date crossed 200,000 by 500 this period.
    set(StubLine::Medi, 14.50 + 4.50);
    EXPECT_EQ(causeWith(StubLine::Medi, "Additional"),
        "Additional Medicare: 0.9% of $500.00 of this period's wages, the part of the year-to-date wages "
        "above "
        "$200,000.00 (Tallyman's year to date from the ledger is $.00).");
    set(StubLine::Medi, 14.50 + 9.00);
    EXPECT_NE(causeWith(StubLine::Medi, "0.9% of all of this period's wages"), "");
    // More than 0.9 % of the whole period cannot be Additional Medicare.
    set(StubLine::Medi, 14.50 + 9.01);
    EXPECT_EQ(causeWith(StubLine::Medi, "Additional"), "");
    // Lower is not Additional Medicare either.
    set(StubLine::Medi, 14.50 - 4.50);
    EXPECT_EQ(causeWith(StubLine::Medi, "Additional"), "");
    // A table without its year knows no Additional Medicare.
    period.fedTable.Year.reset();
    set(StubLine::Medi, 14.50 + 4.50);
    EXPECT_EQ(causeWith(StubLine::Medi, "Additional"), "");
}

TEST_F(StubCheck, FederalMatchesAnotherTable)
{
    // Another year: 11.5 % instead of 10 %, so 1,000.00 withholds 103.50.
    FedTable other = period.fedTable;
    other.Version = "Other year";
    for (FedRows* rows :
        { &other.SingleWeekly, &other.SingleBiWeekly, &other.MarriedWeekly, &other.MarriedBiWeekly }) {
        (*rows)[1].Rate = 0.115f;
        (*rows)[2].BaseTax = (*rows)[2].BaseTax * 1.15f;
    }
    tables = { { "2023", other }, { "in use", period.fedTable } };
    set(StubLine::Fed, 103.50);
    EXPECT_EQ(check(StubLine::Fed).causes,
        std::vector<std::string> { "Tallyman's figure with the 2023 federal table is the stub's: the "
                                   "employer may withhold by that table." });
    // The table in use never explains a difference, and another figure matches no table.
    set(StubLine::Fed, 107.50);
    EXPECT_EQ(check(StubLine::Fed).causes, std::vector<std::string> { "No known cause." });
}

TEST_F(StubCheck, TheShippedYearsAreTheTablesTried)
{
    // The 2026 table in use: the years tried are the other shipped ones, and a stub withheld by
    // the 2025 schedules is explained by that year.
    const std::filesystem::path installed = TALLYMAN_DATA_DIR;
    period.fedTable = buildFedTable(*loadShippedFedYear(installed, 2026).year);
    tables = installableFedTables({ {}, installed }, period.fedTable);
    std::vector<std::string> labels;
    for (const FedTableChoice& choice : tables)
        labels.push_back(choice.label);
    EXPECT_EQ(labels, (std::vector<std::string> { "2024", "2025" }));
    PeriodCase by2025 = period;
    by2025.fedTable = tables[1].table;
    stub[index(StubLine::Fed)] = *engineFederalFigure(by2025);
    ASSERT_NE(stub[index(StubLine::Fed)], tallyman().lines[index(StubLine::Fed)].tallyman);
    EXPECT_NE(causeWith(StubLine::Fed, "2025 federal table"), "");
}

TEST_F(StubCheck, FederalMatchesTheOtherPayFrequency)
{
    // The bi-weekly table on the same 1,000.00: 10 % above 200.
    set(StubLine::Fed, 80);
    EXPECT_EQ(causeWith(StubLine::Fed, "pay is the stub's"),
        "Tallyman's figure for bi-weekly pay is the stub's: the employer may withhold as if paid every two "
        "weeks.");
    period.profile.Week = 0;
    period.profile.BiWeek = -1;
    // Now bi-weekly: 80.00 agrees, and the weekly table's 90.00 is the other frequency.
    set(StubLine::Fed, 90);
    EXPECT_EQ(causeWith(StubLine::Fed, "pay is the stub's"),
        "Tallyman's figure for weekly pay is the stub's: the employer may withhold as if paid weekly.");
    set(StubLine::Fed, 85.50);
    EXPECT_EQ(causeWith(StubLine::Fed, "pay is the stub's"), "");
}

// The withholding of the form from 2020 on is another part of the calculation; here a stand-in
// gives its figure so that the rule is seen to try the other form with the same status.
TEST_F(StubCheck, FederalMatchesTheOtherW4FormWithTheSameStatus)
{
    std::vector<W4Certificate> asked;
    federal = [&](const PeriodCase& p) -> std::optional<Currency> {
        asked.push_back(p.profile.W4);
        if (p.profile.W4.Form == W4Form::From2020)
            return dollars(p.profile.W4.Status == W4FilingStatus::MarriedJointly ? 61 : 77);
        return engineFederalFigure(p);
    };
    set(StubLine::Fed, 77);
    EXPECT_EQ(causeWith(StubLine::Fed, "W-4"),
        "Tallyman's figure for a W-4 of 2020 or later (single) is the stub's: the employer may have that "
        "form on file.");
    set(StubLine::Fed, 61);
    EXPECT_EQ(causeWith(StubLine::Fed, "W-4"), "");
    period.profile.FedStatus = "Married";
    EXPECT_NE(causeWith(StubLine::Fed, "W-4 of 2020 or later (married filing jointly)"), "");
    EXPECT_TRUE(std::any_of(asked.begin(), asked.end(), [](const W4Certificate& w) {
        return w.Form == W4Form::From2020 && w.Status == W4FilingStatus::MarriedJointly;
    }));

    // A 2020 form on file: the other form is the one before, with the status it had. Such a
    // form is computed only with a table that has its year.
    period.fedTable.Year = test::year2026();
    period.profile.W4.Form = W4Form::From2020;
    period.profile.W4.Status = W4FilingStatus::Single;
    period.profile.FedStatus = "Single";
    federal = [](const PeriodCase& p) -> std::optional<Currency> {
        return p.profile.W4.Form == W4Form::Before2020 && p.profile.FedStatus == "Single" ? dollars(95.25)
                                                                                          : dollars(70);
    };
    set(StubLine::Fed, 95.25);
    EXPECT_NE(causeWith(StubLine::Fed, "W-4 of 2019 or earlier (Single)"), "");
}

TEST_F(StubCheck, FederalByAWholeDollarAmountIsAnExtraWithholding)
{
    set(StubLine::Fed, 110);
    EXPECT_EQ(causeWith(StubLine::Fed, "extra withholding"),
        "An extra withholding of $20.00 a period on the stub (W-4 Step 4(c) / additional withholding) that "
        "User Info "
        "does not have.");
    set(StubLine::Fed, 110.50);
    EXPECT_EQ(causeWith(StubLine::Fed, "withholding"), "");

    period.profile.FedAddL = 20; // Tallyman withholds 110.00
    set(StubLine::Fed, 90);
    EXPECT_EQ(causeWith(StubLine::Fed, "withholding"),
        "The additional withholding of $20.00 in User Info (W-4 Step 4(c)) is not on the stub.");
    set(StubLine::Fed, 100);
    EXPECT_NE(causeWith(StubLine::Fed, "looks like $10.00 a period; User Info has $20.00."), "");
    // Less than no extra withholding at all is no extra withholding.
    set(StubLine::Fed, 80);
    EXPECT_EQ(causeWith(StubLine::Fed, "withholding"), "");
    // Exempt from federal tax: no figure to add to.
    period.profile.FedExemp = 1;
    set(StubLine::Fed, 20);
    EXPECT_EQ(causeWith(StubLine::Fed, "withholding"), "");
}

TEST_F(StubCheck, RatesTheStubImpliesAgainstTheSettings)
{
    period.state.SDIUseBase = 1;
    period.state.SDIpercent = 1.1f;
    period.state.SDIwageBase = 100000;
    period.state.SUIwageBase = 12.5f; // flat a period
    period.state.StatePerBS[0] = 0.04f; // 4 % from the first dollar
    for (std::size_t r = 1; r < 10; ++r)
        period.state.StateMinBS[r] = 999999;
    ASSERT_EQ(tallyman().lines[index(StubLine::SDI)].tallyman, dollars(11));
    ASSERT_EQ(tallyman().lines[index(StubLine::State)].tallyman, dollars(40));

    set(StubLine::SDI, 12);
    EXPECT_EQ(check(StubLine::SDI).causes,
        std::vector<std::string> {
            "The stub's SDI is 1.2% of gross pay ($1,000.00); the state settings have 1.1%." });
    set(StubLine::SUI, 6);
    EXPECT_EQ(check(StubLine::SUI).causes,
        std::vector<std::string> { "The stub's SUI is 0.6% of gross pay ($1,000.00); the state settings have "
                                   "a flat $12.50 a period." });
    set(StubLine::State, 45.25);
    EXPECT_EQ(check(StubLine::State).causes,
        std::vector<std::string> {
            "The stub's state tax is 4.525% of the state's taxable wages ($1,000.00); Tallyman's "
            "state tables give $40.00, about 4%." });

    // The base reached on Tallyman's side: the stub's rate is the settings' own, so it is no cause.
    period.ledger.TotGross = dollars(99500);
    set(StubLine::SDI, 11);
    EXPECT_EQ(check(StubLine::SDI).causes, std::vector<std::string> { "No known cause." });
    // Nothing on the stub implies no rate.
    set(StubLine::State, 0);
    EXPECT_EQ(check(StubLine::State).causes, std::vector<std::string> { "No known cause." });
}

TEST_F(StubCheck, NetPayExplainedByTheLinesOrByAnUnknownDeduction)
{
    const Currency net = tallyman().lines[index(StubLine::Net)].tallyman;
    set(StubLine::Fed, 110);
    stub[index(StubLine::Net)] = net - dollars(20);
    EXPECT_EQ(check(StubLine::Net).causes,
        std::vector<std::string> { "Net pay differs by exactly the differences of the lines above." });

    stub[index(StubLine::Net)] = net - dollars(35);
    EXPECT_EQ(check(StubLine::Net).causes,
        (std::vector<std::string> { "The lines above account for -$20.00 of it.",
            "A deduction on the stub that Tallyman does not know: $15.00." }));

    stub[index(StubLine::Fed)].reset();
    stub[index(StubLine::Net)] = net + dollars(14.50); // Medicare left off the stub
    EXPECT_EQ(check(StubLine::Net).causes,
        std::vector<std::string> { "Tallyman's Medicare ($14.50) is not on the stub." });
    stub[index(StubLine::Net)] = net + dollars(90 + 62 + 14.50);
    EXPECT_EQ(check(StubLine::Net).causes,
        std::vector<std::string> {
            "Tallyman's Federal Tax, Soc Sec and Medicare (together $166.50) are not on the stub." });
    stub[index(StubLine::Net)] = net + dollars(62 + 14.50);
    EXPECT_EQ(check(StubLine::Net).causes,
        std::vector<std::string> { "Tallyman deducts $76.50 that the stub does not show." });

    stub[index(StubLine::Net)] = net;
    EXPECT_TRUE(check(StubLine::Net).causes.empty());
}

TEST_F(StubCheck, NetPayThatIncludesTheTips)
{
    period.profile.TipsRate = 5;
    period.txtAmount[7] = "4"; // 20.00 of tips, in gross pay but not in Tallyman's net
    stub[index(StubLine::Net)] = tallyman().lines[index(StubLine::Net)].tallyman + dollars(20);
    EXPECT_EQ(check(StubLine::Net).causes,
        std::vector<std::string> { "The stub's net pay includes the tips ($20.00); Tallyman leaves them out, "
                                   "as the customers paid them." });
}

TEST_F(StubCheck, SummaryCountsTheLinesThatDiffer)
{
    const Currency net = tallyman().lines[index(StubLine::Net)].tallyman;
    set(StubLine::Fed, 101.40);
    stub[index(StubLine::Net)] = net - dollars(11.40);
    off(StubLine::SS, 0.01);
    const StubCheckResult r = checkStub(period, stub, {});
    EXPECT_EQ(r.comparison.differing, 2);
    EXPECT_FALSE(r.comparison.agree());
    EXPECT_EQ(r.comparison.netDifference, dollars(-11.40));
    EXPECT_EQ(r.comparison.summary(), "2 lines differ; net pay differs by -$11.40.");
    stub = {};
    off(StubLine::Fed, 0);
    EXPECT_EQ(
        checkStub(period, stub, {}).comparison.summary(), "Every line agrees; net pay is not on the stub.");
}

TEST_F(StubCheck, TheCallersPeriodIsLeftAsItWas)
{
    period.profile.Muni = 10.004f;
    const PeriodCase before = period;
    set(StubLine::Fed, 110);
    check(StubLine::Fed);
    EXPECT_EQ(period.profile.Muni, before.profile.Muni);
    EXPECT_EQ(period.pay.FedTax, before.pay.FedTax);
    EXPECT_EQ(period.txtAmount, before.txtAmount);
}

TEST_F(StubCheck, TooLargeAnAmountIsNotCompared)
{
    period.txtAmount[6] = "1E+30";
    const StubCheckResult r = checkStub(period, stub, {});
    EXPECT_FALSE(r.computed);
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0].lines[0], "The amounts entered are too large to compute.");
}

TEST(StubAmount, TypedAmounts)
{
    struct Case {
        const char* text;
        std::optional<double> value;
        const char* problem;
    };
    for (const Case& c : std::initializer_list<Case> { { "", std::nullopt, "" }, { "  ", std::nullopt, "" },
             { "12.5", 12.5, "" }, { "$1,234.56", 1234.56, "" }, { "-3", -3, "" },
             { "12a", std::nullopt, "is not an amount" }, { "1.2.3", std::nullopt, "is not an amount" },
             { "12.345", std::nullopt, "has more than two decimals" },
             { "1E+30", std::nullopt, "is not an amount" } }) {
        std::optional<Currency> amount = dollars(99);
        const auto problem = readStubAmount(c.text, amount);
        EXPECT_EQ(problem.value_or(""), c.problem) << c.text;
        EXPECT_EQ(amount, c.value ? std::optional<Currency>(dollars(*c.value)) : std::nullopt) << c.text;
    }
}

TEST(StubLineNames, EveryLineByItsNameInAnyCase)
{
    for (std::size_t i = 0; i < StubLineCount; ++i)
        EXPECT_EQ(stubLineNamed(stubLineName(stubLineAt(i))), stubLineAt(i));
    EXPECT_EQ(stubLineNamed("fed"), StubLine::Fed);
    EXPECT_EQ(stubLineNamed("Federal"), std::nullopt);
}

} // namespace
} // namespace tallyman
