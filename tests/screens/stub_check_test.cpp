// Check My Stub: the comparison runs the calculation of ADD beside the run state and writes
// nothing; typed figures are refused naming their line; Tallyman's own figures always agree.
#include "screens/app_fixture.h"

#include "engine/stub_check.h"
#include "screens/stub_check.h"

#include <map>
#include <random>

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class StubCheckTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        EmployeeProfile profile;
        profile.resetToNewUser();
        profile.HourRate = 25;
        profile.Misc = 40;
        saveUser(dir, "NAME", profile);
        ASSERT_TRUE(startAs("NAME"));
    }
    StubCheckScreen& stub() { return app->stubCheck(); }
    ui::TextBox& box(StubLine line) { return stub().txtStub[index(line)]; }
    // The main window's label of each line, as a person would copy it from the window.
    std::array<const ui::Label*, StubLineCount> windowLabels()
    {
        MainWindow& m = main();
        return { &m.Label13, &m.lbTaxDed[0], &m.lbTaxDed[1], &m.lbTaxDed[2], &m.lbTaxDed[3], &m.lbTaxDed[4],
            &m.lbSDI, &m.lbSUI, &m.lbTaxDed[5], &m.lbTaxDed[6], &m.lbTaxDed[7], &m.lbTaxDed[8],
            &m.lbTaxDed[9], &m.lbTaxDed[10], &m.lbCafe, &m.lbNet };
    }
};

TEST_F(StubCheckTest, FormsMenuOpensItBesideTheMainWindow)
{
    main().mnuStub.click();
    ASSERT_TRUE(app->isLoaded(ScreenId::StubCheck));
    EXPECT_TRUE(stub().shown());
    EXPECT_FALSE(stub().modal());
    EXPECT_EQ(stub().title(), "Check My Stub");
    EXPECT_EQ(stub().lbLine[index(StubLine::Tax9)].caption(), "Misc.");
    EXPECT_TRUE(box(StubLine::Fed).numeric());
    EXPECT_FALSE(box(StubLine::Fed).typeKey('a'));
    stub().cmdClose.click();
    EXPECT_FALSE(app->isLoaded(ScreenId::StubCheck));
    main().cmdStub.click();
    EXPECT_TRUE(app->isLoaded(ScreenId::StubCheck));
}

TEST_F(StubCheckTest, ComparingWritesNothingAndLeavesTheWindowAsItWas)
{
    main().txtAmount[0].setText("40");
    main().cmdCal_Click();
    const std::string net = main().lbNet.text();
    // The dialogs and User Info are made again by the settings refresh, and User Info's load
    // saves the profile set, here with a rate that only memory holds.
    app->close(ScreenId::UserInfo);
    app->profile.HourRate2 = 12;
    const auto before = test::folderSnapshot(dir);
    const PayResult pay = app->pay;
    main().txtAmount[0].setText("45");

    box(StubLine::Fed).setText("95.00");
    box(StubLine::Net).setText("800");
    ASSERT_TRUE(stub().cmdCompare_Click());

    EXPECT_EQ(test::folderSnapshot(dir), before);
    EXPECT_EQ(main().lbNet.text(), net); // the window still shows the period it added
    EXPECT_EQ(main().txtAmount[0].text(), "45");
    EXPECT_EQ(app->pay.NetPay, pay.NetPay);
    EXPECT_EQ(app->pay.GrossPay, pay.GrossPay);
    EXPECT_FALSE(app->readOnly());
    // 45 hours at 25, the box as it stands now.
    EXPECT_EQ(stub().lbTallyman[index(StubLine::Gross)].text(), "1,125.00");
    EXPECT_EQ(stub().lbDifference[index(StubLine::Gross)].text(), "");
    EXPECT_TRUE(stub().rowDiffers(index(StubLine::Net)));
    EXPECT_FALSE(stub().rowDiffers(index(StubLine::Gross)));
    EXPECT_NE(stub().lbSummary.text().find("net pay differs by"), std::string::npos);

    // ADD, the same way round, saves it.
    app->close(ScreenId::UserInfo);
    app->profile.HourRate2 = 12;
    main().cmdCal_Click();
    EXPECT_NE(test::folderSnapshot(dir).at("NAME.use"), before.at("NAME.use"));
}

TEST_F(StubCheckTest, AFigureThatIsNotAnAmountIsRefusedNamingItsLine)
{
    main().txtAmount[0].setText("40");
    box(StubLine::Fed).setText("95");
    ASSERT_TRUE(stub().cmdCompare_Click());
    box(StubLine::Tax9).setText("1.2.3");
    EXPECT_FALSE(stub().cmdCompare_Click());
    EXPECT_EQ(lastMessage(),
        "The stub's Misc. is not an amount: \"1.2.3\".|Type it as on the stub, for example 1,234.56. Nothing "
        "was "
        "compared.");
    EXPECT_FALSE(stub().comparison().has_value());
    EXPECT_EQ(stub().lbTallyman[index(StubLine::Fed)].text(), "");
    box(StubLine::Tax9).setText("40.005");
    EXPECT_FALSE(stub().cmdCompare_Click());
    EXPECT_EQ(lastMessage().substr(0, 48), "The stub's Misc. has more than two decimals: \"40");
}

TEST_F(StubCheckTest, PrintsTheComparisonOnTheChosenPrinter)
{
    main().txtAmount[0].setText("40");
    box(StubLine::Fed).setText("1");
    ASSERT_TRUE(stub().cmdPrint_Click());
    std::string printed;
    for (const auto& call : printer.calls())
        printed += call + "\n";
    EXPECT_NE(printed.find("Pay Stub Check"), std::string::npos);
    EXPECT_NE(printed.find("Federal Tax:"), std::string::npos);
    EXPECT_NE(printed.find("endDocument"), std::string::npos);
}

// Tallyman's own result, copied from the window after ADD, agrees on every line with the
// comparison of the same inputs: the comparison computes as ADD does, over random periods
// and users (rates, deductions, status, frequency, ledger year to date, federal choices).
TEST_F(StubCheckTest, TallymansOwnFiguresAlwaysAgree)
{
    std::mt19937 random(20261210);
    const auto uniform
        = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
    const auto hundredths = [](double v) { return std::to_string(std::lround(v * 100) / 100.0); };
    int compared = 0;
    for (int period = 0; period < 1000; ++period) {
        if (period % 25 == 0) {
            EmployeeProfile p = app->profile;
            p.HourRate = float(std::lround(uniform(0, 80) * 100)) / 100;
            p.HourRate2 = float(std::lround(uniform(0, 40) * 100)) / 100;
            p.TipsRate = chance(0.3) ? 4.5f : 0;
            const bool weekly = chance(0.5);
            p.Week = weekly ? -1 : 0;
            p.BiWeek = weekly ? 0 : -1;
            p.FedStatus = chance(0.5) ? "Single" : "Married";
            p.FedExemptions = std::to_string(std::uniform_int_distribution<int>(0, 9)(random));
            p.FedAddL = chance(0.3) ? 15 : 0;
            p.FedExemp = chance(0.05) ? 1 : 0;
            p.SSMediExemp = chance(0.05) ? 1 : 0;
            p.SelfEmp = chance(0.1) ? 1 : 0;
            p.Muni = chance(0.3) ? 12.345f : 0;
            p.Misc = chance(0.5) ? float(std::lround(uniform(0, 200) * 100)) / 100 : 0;
            p.Pension = chance(0.3) ? 3 : 0;
            p.KpPer = chance(0.5) ? 1 : 0;
            p.KpFix = p.KpPer ? 0 : 1; // as User Info leaves them
            p.Kplan = chance(0.5) ? 5 : 0;
            p.Cafe = chance(0.3) ? 25 : 0;
            app->profile.Cafe = p.Cafe; // ADD takes the cafeteria amount before the reload
            StateTaxSettings s;
            s.SDIUseBase = chance(0.5) ? 1 : 0;
            s.SDIpercent = 1.1f;
            s.SDIwageBase = s.SDIUseBase ? 100000 : 3.5f;
            saveUser(dir, "NAME", p, s);
            // Kept open, the tax dialogs are used as they stand instead of being made again
            // from their files at every calculation: opened afresh, they read the new user.
            app->close(ScreenId::StateDialog);
            app->close(ScreenId::CityDialog);
            app->show(ScreenId::StateDialog);
            app->show(ScreenId::CityDialog);
            app->ledger.TotGross = Currency::fromDouble(std::lround(uniform(0, 210000)));
        }
        MainWindow& m = main();
        for (std::size_t i = 0; i < 8; ++i)
            m.txtAmount[i].setText(
                chance(i < 2 ? 0.9 : 0.2) ? hundredths(uniform(0, i == 6 ? 500 : 60)) : "");
        (chance(0.5) ? m.opt1x : m.opt2x).click();
        m.ckFedJan.setValue(chance(0.1) ? 1 : 0);
        m.cmdCal_Click();
        const auto labels = windowLabels();
        // Typed as the window shows it, without the "$" and commas the amount boxes drop.
        for (std::size_t i = 0; i < StubLineCount; ++i) {
            std::string typed = labels[i]->text();
            std::erase_if(typed, [](char ch) { return ch == '$' || ch == ','; });
            box(stubLineAt(i)).setText(typed);
        }
        ASSERT_TRUE(stub().cmdCompare_Click()) << lastMessage();
        const StubComparison& c = *stub().comparison();
        for (const ComparedLine& l : c.lines) {
            if (!l.stub)
                continue;
            ++compared;
            ASSERT_EQ(l.difference, Currency())
                << "period " << period << " line " << stubLineName(l.line) << ": stub " << l.stub->toDouble()
                << ", Tallyman " << l.tallyman.toDouble();
        }
        ASSERT_TRUE(c.agree());
    }
    EXPECT_GT(compared, 15000);
}

} // namespace
