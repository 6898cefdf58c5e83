// The W-4 from 2020 on in the pay period: which wages it taxes, what it replaces, and the
// refusal of a table that carries no year.
#include "engine_harness.h"

#include <functional>

using namespace tallyman;
using namespace tallyman::test;

namespace {

void from2020(CalcHarness& h, W4FilingStatus status = W4FilingStatus::Single)
{
    h.profile.W4.Form = W4Form::From2020;
    h.profile.W4.Status = status;
}

// 40 hours at 25: 1,000.00 a week.
void weeklyThousand(CalcHarness& h)
{
    h.profile.HourRate = 25;
    h.txtAmount[0] = "40";
}

struct WiringCase {
    std::string name;
    std::function<void(CalcHarness&)> setup;
    const char* fedTax;
    Amount fedTaxable;
};

class W4Wiring : public ::testing::TestWithParam<WiringCase> { };

} // namespace

// The table as a year's table holds it: the simple brackets for the form before 2020, the
// 2026 schedules for the form from 2020 on.
TEST_P(W4Wiring, Computes)
{
    CalcHarness h;
    h.fedTable = simpleTable();
    h.fedTable.Year = year2026();
    h.pay.FedExemptAmt = 99; // left by an earlier period
    weeklyThousand(h);
    GetParam().setup(h);
    ASSERT_TRUE(computePayPeriod(h.context));
    EXPECT_TRUE(h.notices.empty());
    EXPECT_EQ(h.labels.lbTaxDed[0], GetParam().fedTax);
    EXPECT_EQ(h.pay.FedTaxable, GetParam().fedTaxable);
}

INSTANTIATE_TEST_SUITE_P(Year2026, W4Wiring,
    ::testing::Values(WiringCase { "WeeklySingle", [](CalcHarness& h) { from2020(h); }, "78.08", 1000 },
        // The exemptions of the old form give no allowance.
        WiringCase { "ExemptionsDoNotCount",
            [](CalcHarness& h) {
                from2020(h);
                h.profile.FedExemptions = "3";
            },
            "78.08", 1000 },
        WiringCase { "Step2",
            [](CalcHarness& h) {
                from2020(h);
                h.profile.W4.Step2 = true;
            },
            "135.10", 1000 },
        // Step 4(c) is the additional withholding, added once.
        WiringCase { "AdditionalWithholding",
            [](CalcHarness& h) {
                from2020(h);
                h.profile.FedAddL = 10;
            },
            "88.08", 1000 },
        // The cafeteria plan lowers the federal wages as with the old form.
        WiringCase { "CafeteriaPlan",
            [](CalcHarness& h) {
                from2020(h);
                h.profile.Cafe = 100;
            },
            "66.08", 900 },
        WiringCase { "BiWeeklyJointlyWithCredits",
            [](CalcHarness& h) {
                from2020(h, W4FilingStatus::MarriedJointly);
                h.biWeekly();
                h.profile.HourRate = 37.5f;
                h.txtAmount[0] = "80";
                h.profile.W4.Step3 = 4000;
            },
            "38.46", 3000 },
        WiringCase { "TaxExempt",
            [](CalcHarness& h) {
                from2020(h);
                h.profile.FedExemp = 1;
                h.profile.FedAddL = 20;
            },
            ".00", 1000 },
        // The form before 2020 keeps the brackets: 1,000 is row 3 of the simple table, 90.
        WiringCase { "FormBefore2020", [](CalcHarness&) {}, "90.00", 1000 }),
    CaseName {});

TEST(W4Wiring, TheFormBefore2020GivesTheSameResultWithAYearOrWithout)
{
    CalcHarness withYear, without;
    for (CalcHarness* h : { &withYear, &without }) {
        h->fedTable = simpleTable();
        weeklyThousand(*h);
        h->profile.FedExemptions = "2";
        h->profile.W4.Step3 = 5000; // figures of a form not in use
    }
    withYear.fedTable.Year = year2026();
    ASSERT_TRUE(computePayPeriod(withYear.context));
    ASSERT_TRUE(computePayPeriod(without.context));
    EXPECT_EQ(withYear.pay.FedExemptAmt, 100);
    EXPECT_EQ(withYear.pay.FedTax, without.pay.FedTax);
    EXPECT_EQ(withYear.labels.lbTaxDed, without.labels.lbTaxDed);
}

struct RefusalCase {
    std::string name;
    bool ckFedJan;
    const char* file;
};

class W4Refusal : public ::testing::TestWithParam<RefusalCase> { };

TEST_P(W4Refusal, ATableWithoutAYearComputesNothing)
{
    CalcHarness h;
    h.writeTable(simpleTable("no year"));
    replaceFile(h.folder.path() / std::string(FedJanTableFileName),
        fedTableBytes(simpleTable("legacy"), FedLayout::Legacy));
    h.context.ckFedJan = GetParam().ckFedJan;
    weeklyThousand(h);
    from2020(h);
    h.pay.NetPay = 77;
    h.labels.lbNet = "$77.00";
    const InputBoxes boxesBefore = h.txtAmount;

    EXPECT_FALSE(h.run());
    ASSERT_EQ(h.notices.size(), 1u);
    const Notice& notice = h.notices[0];
    EXPECT_TRUE(notice.warning);
    std::string text;
    for (const auto& line : notice.lines)
        text += line + "\n";
    EXPECT_NE(text.find(GetParam().file), std::string::npos) << text;
    EXPECT_NE(text.find("Options > Federal Table..."), std::string::npos) << text;
    EXPECT_EQ(h.pay.NetPay, 77);
    EXPECT_EQ(h.labels.lbNet, "$77.00");
    EXPECT_EQ(h.txtAmount, boxesBefore);
    EXPECT_EQ(h.fedTable.SingleWeekly[1].Rate, 0);
}

INSTANTIATE_TEST_SUITE_P(Tables, W4Refusal,
    ::testing::Values(RefusalCase { "Current", false, "Federal24.dtt" },
        RefusalCase { "PriorToApril", true, "Federal09_jan.dtt" }),
    CaseName {});

TEST(W4Refusal, ATaxExemptEmployeeNeedsNoYear)
{
    CalcHarness h;
    h.writeTable(simpleTable());
    weeklyThousand(h);
    from2020(h);
    h.profile.FedExemp = 1;
    ASSERT_TRUE(h.run());
    EXPECT_TRUE(h.notices.empty());
    EXPECT_EQ(h.labels.lbTaxDed[0], ".00");
}
