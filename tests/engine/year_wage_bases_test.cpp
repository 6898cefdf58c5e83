// A table built for a year brings its Social Security wage base and the Additional Medicare
// Tax; without its year the calculation is the shipped table's (160,200, none).
#include "engine_harness.h"

#include "engine/fed_year.h"

using namespace tallyman;
using namespace tallyman::test;

namespace {

FedTable builtTable(int year)
{
    const ParsedFedYear parsed = loadShippedFedYear(TALLYMAN_DATA_DIR, year);
    if (!parsed.year)
        throw std::runtime_error(parsed.problem);
    return buildFedTable(*parsed.year);
}

struct Week {
    int number;
    float socSec, medicare;
};

// 52 weekly periods of $3,900 pasted one by one: the year-to-date gross grows by each period's.
std::vector<Week> yearOfWeeks(CalcHarness& h)
{
    h.profile.HourRate = 97.5f; // 40 hours: $3,900 a week
    std::vector<Week> weeks;
    for (int week = 1; week <= 52; ++week) {
        h.txtAmount = { "40", "", "", "", "", "", "", "" };
        EXPECT_TRUE(h.run());
        weeks.push_back({ week, h.pay.SocSecTax, h.pay.MedicareTax });
        h.context.ledger.TotGross = h.context.ledger.TotGross + Currency::fromDouble(h.pay.GrossPay);
    }
    return weeks;
}

} // namespace

TEST(YearWageBases, The2026TableStopsSocialSecurityAt184500AndStartsAdditionalMedicareAt200000)
{
    CalcHarness h;
    replaceFile(h.tablePath(), fedTableFileBytes(builtTable(2026)));
    const std::vector<Week> weeks = yearOfWeeks(h);
    ASSERT_TRUE(h.notices.empty());
    double socSec = 0;
    for (const Week& w : weeks) {
        SCOPED_TRACE(w.number);
        socSec += w.socSec;
        // 47 weeks make 183,300; week 48 has 1,200 of room left; then nothing.
        const float expectedSocSec = w.number <= 47 ? 241.80f : w.number == 48 ? 74.40f : 0;
        EXPECT_EQ(w.socSec, expectedSocSec);
        // 51 weeks make 198,900; week 52 ends at 202,800: 2,800 above the threshold at 0.9 %.
        const float expectedMedicare = w.number <= 51 ? 56.55f : 81.75f; // 56.55 + 25.20
        EXPECT_EQ(w.medicare, expectedMedicare);
    }
    EXPECT_NEAR(socSec, 184500 * 0.062, 0.005);
}

TEST(YearWageBases, WithoutItsYearTheTableKeeps160200AndNoAdditionalMedicare)
{
    CalcHarness h;
    FedTable plain = builtTable(2026);
    plain.Year.reset();
    replaceFile(h.tablePath(), fedTableFileBytes(plain));
    const std::vector<Week> weeks = yearOfWeeks(h);
    for (const Week& w : weeks) {
        SCOPED_TRACE(w.number);
        // 41 weeks make 159,900: week 42 has 300 of room.
        EXPECT_EQ(w.socSec, w.number <= 41 ? 241.80f : w.number == 42 ? 18.60f : 0);
        EXPECT_EQ(w.medicare, 56.55f);
    }
}

TEST(YearWageBases, AdditionalMedicareTakesThisPeriodsMedicareWagesOnly)
{
    struct Case {
        const char* name;
        double totGross, gross, misc, cafe;
        double expected;
    };
    const Case cases[] = {
        { "BelowThreshold", 150000, 3000, 0, 0, 0 },
        { "EndsAtThreshold", 197000, 3000, 0, 0, 0 },
        { "Crosses", 199000, 3000, 0, 0, 2000 * 0.009 },
        { "AlreadyAbove", 250000, 3000, 0, 0, 3000 * 0.009 },
        // Health insurance is not Medicare wages; the cafeteria plan is not wages at all.
        { "AboveWithHealthInsurance", 250000, 3000, 200, 0, 2800 * 0.009 },
        { "CafeteriaDelaysTheCrossing", 199000, 3000, 0, 500, 1500 * 0.009 },
        { "DeductionsAboveGross", 250000, 100, 300, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EmployeeProfile profile;
        profile.Misc = float(c.misc);
        PayResult pay;
        pay.GrossPay = float(c.gross);
        pay.CafeAmt = float(c.cafe);
        LedgerTotals ledger;
        ledger.TotGross = Currency::fromDouble(c.totGross);
        EXPECT_NEAR(additionalMedicare(profile, ledger, pay, 200000, 0.009), c.expected, 1e-9);
    }
}
