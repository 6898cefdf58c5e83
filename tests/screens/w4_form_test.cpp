// The W-4 form on User Info: the choice of form, its fields, NAME.w4, and the calculation's
// refusal of a table that carries no year.
#include "screens/app_fixture.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class W4FormTest : public UserInfoFixture {
protected:
    // Chooses the form from 2020 on with every field filled in, and saves.
    void saveFrom2020()
    {
        UserInfoScreen& info = fresh();
        info.optW4From2020.click();
        info.cboW4Status.setText("Married filing jointly");
        info.ckW4Step2.click();
        info.txtW4Step3.setText("2000");
        info.txtW4Step4a.setText("100.5");
        info.txtW4Step4b.setText("50");
        info.cmdOk_Click();
    }
    std::vector<bool> enabled(const UserInfoScreen& info) const
    {
        return { info.cboW4Status.enabled(), info.ckW4Step2.enabled(), info.txtW4Step3.enabled(),
            info.txtW4Step4a.enabled(), info.txtW4Step4b.enabled(), info.cboStatus.enabled(),
            info.cboDepend.enabled() };
    }
};

const std::vector<bool> Before2020Enabled { false, false, false, false, false, true, true };
const std::vector<bool> From2020Enabled { true, true, true, true, true, false, false };

} // namespace

TEST_F(W4FormTest, AUserStartsWithTheOldFormAndNoW4File)
{
    UserInfoScreen& info = fresh();
    EXPECT_TRUE(info.optW4Before2020.selected());
    EXPECT_EQ(info.cboW4Status.text(), "Single or married filing separately");
    EXPECT_EQ(enabled(info), Before2020Enabled);
    info.cmdOk_Click();
    EXPECT_TRUE(exists("NAME.use"));
    EXPECT_FALSE(exists("NAME.w4"));
}

TEST_F(W4FormTest, TheChosenFormEnablesItsFields)
{
    UserInfoScreen& info = fresh();
    info.optW4From2020.click();
    EXPECT_EQ(enabled(info), From2020Enabled);
    info.optW4Before2020.click();
    EXPECT_EQ(enabled(info), Before2020Enabled);
}

TEST_F(W4FormTest, SaveWritesTheCertificateAndTheNextLoadShowsIt)
{
    saveFrom2020();
    EXPECT_FALSE(app->isLoaded(ScreenId::UserInfo));
    EXPECT_EQ(read("NAME.w4"), "2020,\"Married\",1,2000,100.5,50\r\n");
    EXPECT_EQ(app->profile.W4,
        (W4Certificate { W4Form::From2020, W4FilingStatus::MarriedJointly, true, 2000, 100.5f, 50 }));

    app->profile.W4 = {}; // read back from the file, as at start-up
    ASSERT_EQ(app->LoadUserFiles(), LoadOutcome::Loaded);
    UserInfoScreen& info = fresh();
    EXPECT_TRUE(info.optW4From2020.selected());
    EXPECT_EQ(info.cboW4Status.text(), "Married filing jointly");
    EXPECT_EQ(info.ckW4Step2.value(), 1);
    EXPECT_EQ(info.txtW4Step3.text(), "2000");
    EXPECT_EQ(info.txtW4Step4a.text(), "100.5");
    EXPECT_EQ(info.txtW4Step4b.text(), "50");
    EXPECT_EQ(enabled(info), From2020Enabled);
}

TEST_F(W4FormTest, GoingBackToTheOldFormKeepsTheFiguresInTheFile)
{
    saveFrom2020();
    UserInfoScreen& info = fresh();
    info.optW4Before2020.click();
    info.cmdOk_Click();
    EXPECT_EQ(read("NAME.w4"), "2019,\"Married\",1,2000,100.5,50\r\n");
    EXPECT_EQ(app->profile.W4.Form, W4Form::Before2020);
}

TEST_F(W4FormTest, SaveRefusesAnAmountThatIsNotANumberAndSavesNothing)
{
    const std::pair<std::pair<ui::TextBox UserInfoScreen::*, const char*>, const char*> cases[] = {
        { { &UserInfoScreen::txtW4Step3, "1-2" }, "Step 3 (credits) must be a number." },
        { { &UserInfoScreen::txtW4Step4a, "" }, "Step 4(a) (other income) must be a number." },
        { { &UserInfoScreen::txtW4Step4b, "-5" }, "Step 4(b) (deductions) must not be negative." },
        { { &UserInfoScreen::txtW4Step3, "9e99" }, "Step 3 (credits) is too large." },
    };
    for (const auto& [entry, message] : cases) {
        UserInfoScreen& info = fresh();
        info.optW4From2020.click();
        (info.*entry.first).setText(entry.second);
        info.cmdOk_Click();
        EXPECT_EQ(lastMessage(), message);
        EXPECT_TRUE(app->isLoaded(ScreenId::UserInfo)) << message;
        EXPECT_FALSE(exists("NAME.w4")) << message;
        EXPECT_EQ(app->profile.W4, W4Certificate {}) << message;
    }
}

TEST_F(W4FormTest, SavingUnderAnotherNameCopiesTheCertificate)
{
    saveFrom2020();
    app->saveUser().txtSaveUser.setText("Other");
    app->saveUser().cmdSaveUser_Click();
    EXPECT_EQ(read("Other.w4"), read("NAME.w4"));
}

TEST_F(W4FormTest, ClearAllGivesTheOldForm)
{
    saveFrom2020();
    UserInfoScreen& info = fresh();
    info.ClearAll();
    EXPECT_TRUE(info.optW4Before2020.selected());
    EXPECT_EQ(info.txtW4Step3.text(), "0");
    EXPECT_EQ(app->profile.W4, W4Certificate {});
}

// The shipped table has the brackets of one year but not its annual schedules.
TEST_F(W4FormTest, TheShippedTableRefusesTheNewFormAndNothingIsSaved)
{
    write("NAME.w4", "2020,\"Single\",0,0,0,0\r\n");
    main().txtAmount[0].setText("40");
    main().cmdCal_Click();
    EXPECT_NE(lastMessage().find("Federal24.dtt"), std::string::npos) << lastMessage();
    EXPECT_NE(lastMessage().find("Options > Federal Table..."), std::string::npos) << lastMessage();
    EXPECT_EQ(dialogs.messages().back().icon, ui::MessageIcon::Warning);
    EXPECT_FALSE(exists("NAME.sta"));
    EXPECT_EQ(main().Label13.text(), "");
    EXPECT_EQ(main().lbTaxDed[0].text(), "");

    // The old form again: the same period computes as it always did.
    write("NAME.w4", "2019,\"Single\",0,0,0,0\r\n");
    main().cmdCal_Click();
    EXPECT_EQ(main().lbTaxDed[0].text(), "18.50");
    EXPECT_TRUE(exists("NAME.sta"));
}
