// The User Info screen: normalising load, fillVar_, Save's refusals, K-plan boxes, ClearAll.
#include "app/app_fixture.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class UserInfoTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        startAs("NAME");
    }
    // The screen as the person gets it from the menu: freshly loaded.
    UserInfoScreen &freshScreen()
    {
        app->close(ScreenId::UserInfo);
        return app->userInfo();
    }
    std::string userFiles() const { return read("NAME.use") + read("NAME.and") + read("NAME.cfe"); }
};

} // namespace

TEST_F(UserInfoTest, AZeroHourlyRateShowsAndSavesTheDefaultRate)
{
    app->profile.HourRate = 0;
    UserInfoScreen &info = freshScreen();
    EXPECT_EQ(info.txtHourRate.text(), "7.5");
    EXPECT_EQ(app->profile.HourRate, 7.5f);
    EXPECT_EQ(lines("NAME.use").at(2), "7.5,0,0");
}

TEST_F(UserInfoTest, LoadFillsEmptyProfileTextsWithTheirDefaults)
{
    struct Case {
        std::string EmployeeProfile::*field;
        const char *stored;
        const char *loaded;
    };
    const Case cases[] = {
        {&EmployeeProfile::StateStatus, "0", "Single"},
        {&EmployeeProfile::StateStatus, "", "Single"},
        {&EmployeeProfile::StateStatus, "Married", "Married"},
        {&EmployeeProfile::FedStatus, "", "Single"},
        {&EmployeeProfile::FedExemptions, "", "0"},
        {&EmployeeProfile::Name, "", "Employee's Name"},
        {&EmployeeProfile::Address, "", "Employee's Address for Check"},
        {&EmployeeProfile::StateCityZip, "", "City, State Zip Code"},
        {&EmployeeProfile::SSnum, "", "Soc Sec #"},
        {&EmployeeProfile::SSnum, "123-45-6789", "123-45-6789"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.stored) + " -> " + c.loaded);
        app->profile.*c.field = c.stored;
        freshScreen();
        EXPECT_EQ(app->profile.*c.field, c.loaded);
    }
    app->profile.StateStatus = "0";
    EXPECT_EQ(freshScreen().cboStatus2.text(), "Single");
}

TEST_F(UserInfoTest, AnEmptiedCaptionIsStoredEmptyAndComesBackAtTheNextLoad)
{
    UserInfoScreen &info = freshScreen();
    info.txtTax7.setText("");
    info.cmdOk_Click();
    EXPECT_EQ(lines("NAME.use").at(7), "\"Bond\",\"\",\"Pension\",\"Health Ins\"");
    EXPECT_FALSE(app->isLoaded(ScreenId::UserInfo));

    EXPECT_EQ(app->userInfo().txtTax7.text(), "Dues");
    EXPECT_EQ(lines("NAME.use").at(7), "\"Bond\",\"Dues\",\"Pension\",\"Health Ins\"");
    EXPECT_EQ(main().lbTaxTag[7].caption(), "Dues");
}

TEST_F(UserInfoTest, TheKPlanBoxesExcludeEachOther)
{
    UserInfoScreen &info = freshScreen();
    info.ckKpFix.click();
    EXPECT_EQ(info.ckKpFix.value(), 1);
    EXPECT_EQ(info.ckKpPer.value(), 0);
    info.ckKpPer.click();
    EXPECT_EQ(info.ckKpPer.value(), 1);
    EXPECT_EQ(info.ckKpFix.value(), 0);
    // Unchecking the only checked box leaves both unchecked; Save makes it a percentage.
    info.ckKpPer.click();
    EXPECT_EQ(info.ckKpPer.value(), 0);
    EXPECT_EQ(info.ckKpFix.value(), 0);
    info.cmdOk_Click();
    EXPECT_EQ(app->profile.KpPer, 1);
    EXPECT_EQ(app->profile.KpFix, 0);
    EXPECT_EQ(lines("NAME.and").at(8), "1,0");
}

TEST_F(UserInfoTest, AmountBoxesReadTheLeadingNumber)
{
    struct Case {
        const char *typed;
        float stored;
    };
    const Case cases[] = {{"1 250.5", 1250.5f}, {"-", 0}, {"", 0}, {"12abc", 12}, {"-3.5", -3.5f}, {".5", 0.5f}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        UserInfoScreen &info = freshScreen();
        info.txtMuni.setText(c.typed);
        info.txtCafe.setText(c.typed);
        info.cmdOk_Click();
        EXPECT_EQ(app->profile.Muni, c.stored);
        EXPECT_EQ(app->profile.Cafe, c.stored);
    }
}

TEST_F(UserInfoTest, SaveRefusesWhatCannotBeStoredAndSavesNothing)
{
    struct Case {
        ui::TextBox UserInfoScreen::*box;
        const char *typed;
        const char *message;
    };
    static const std::string huge(60, '9');
    const Case cases[] = {
        {&UserInfoScreen::txtHourRate, "", "Hourly Rate 1 must be a number."},
        {&UserInfoScreen::txtHourRate, "-", "Hourly Rate 1 must be a number."},
        {&UserInfoScreen::txtHourRate2, "1.2.3", "Hourly Rate 2 must be a number."},
        {&UserInfoScreen::txtTipsRate, "", "Tips Rate must be a number."},
        {&UserInfoScreen::txtHourRate2, "9e99", "Hourly Rate 2 is too large."},
        {&UserInfoScreen::txtMuni, huge.c_str(), "CrUnion is too large."},
        {&UserInfoScreen::txtName, "John \"Jack\" Smith", "The employee's name cannot contain a double quote."},
        {&UserInfoScreen::txtTax5, "Union\"", "The caption of deduction 1 cannot contain a double quote."},
        {&UserInfoScreen::txtAddress, "東京", "The address can hold only Western European characters."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        UserInfoScreen &info = freshScreen();
        const std::string before = userFiles();
        const std::size_t shown = dialogs.messages().size();
        const EmployeeProfile profile = app->profile;
        (info.*c.box).setText(c.typed);
        info.txtHourRate2.setText(c.box == &UserInfoScreen::txtHourRate2 ? c.typed : "4");
        info.cmdOk_Click();
        ASSERT_EQ(dialogs.messages().size(), shown + 1);
        EXPECT_EQ(dialogs.messages().back().title, "User Info");
        EXPECT_EQ(dialogs.messages().back().lines, std::vector<std::string>{c.message});
        EXPECT_TRUE(app->isLoaded(ScreenId::UserInfo));
        EXPECT_EQ(userFiles(), before);
        EXPECT_EQ(app->profile.HourRate2, profile.HourRate2);
        EXPECT_EQ(app->profile.Name, profile.Name);
    }
}

TEST_F(UserInfoTest, AStateExemptionTypedIntoTheListMustBeANumber)
{
    UserInfoScreen &info = freshScreen();
    info.cboDepend2.setText("two");
    info.cmdOk_Click();
    EXPECT_EQ(dialogs.messages().back().lines, std::vector<std::string>{"State Exemptions must be a number."});
    info.cboDepend2.setText("3");
    info.cmdOk_Click();
    EXPECT_EQ(app->profile.StateExemptions, 3);
}

TEST_F(UserInfoTest, SaveWritesEveryFileOfTheUserAndClosesTheScreen)
{
    UserInfoScreen &info = freshScreen();
    info.txtHourRate.setText("21");
    info.txtHourRate2.setText("25.5");
    info.txtTipsRate.setText("2");
    info.optBiWeek.click();
    info.cboStatus2.setText("Married");
    info.cboDepend2.setText("2");
    info.ckFedExemp.setValue(1);
    info.txtFedAddL.setText("20");
    info.txtName.setText("Zoë Ñúñez");
    info.txtTax8.setText("401, Pension");
    info.cmdOk_Click();

    EXPECT_FALSE(app->isLoaded(ScreenId::UserInfo));
    EXPECT_EQ(lines("NAME.use").at(2), "21,25.5,2");
    EXPECT_EQ(lines("NAME.use").at(6), "#FALSE#,#TRUE#,\"CrUnion\"");
    EXPECT_EQ(lines("NAME.and").at(5), "\"Zo\xEB \xD1\xFA\xF1" "ez\",\"\",\"\"");
    EXPECT_TRUE(exists("NAME.ovb"));
    EXPECT_EQ(lines("NAME.sta").at(22).substr(0, 24), "0,0,0,2,\"Married\",1,20,0");
    EXPECT_TRUE(exists("NAME.cti"));
    EXPECT_TRUE(exists("NAME.nci"));
    EXPECT_EQ(main().title(), "NAME");
    EXPECT_EQ(main().lbTableNotice.text(), "Bi-Weekly Tax Tables");
    EXPECT_EQ(main().lbTaxTag[8].caption(), "401, Pension");
}

TEST_F(UserInfoTest, CloseDiscardsTheEditsAndSavesNothing)
{
    UserInfoScreen &info = freshScreen();
    const std::string before = userFiles();
    info.txtHourRate.setText("99");
    info.txtName.setText("Somebody Else");
    info.Command1_Click();
    EXPECT_FALSE(app->isLoaded(ScreenId::UserInfo));
    EXPECT_EQ(userFiles(), before);
    EXPECT_EQ(app->profile.HourRate, 7.5f);
    EXPECT_EQ(app->userInfo().txtName.text(), "Employee's Name");
}

TEST_F(UserInfoTest, TheMenuRunsItModallyAndItsCloseBoxDiscardsIt)
{
    host.onModal(ScreenId::UserInfo, [](App &a) { a.userInfo().txtHourRate.setText("33"); });
    main().mnuTaxInfoItem_Click();
    EXPECT_TRUE(host.logged("modal UserInfo"));
    EXPECT_FALSE(app->isLoaded(ScreenId::UserInfo));
    EXPECT_EQ(app->profile.HourRate, 7.5f);
}

TEST_F(UserInfoTest, ClearAllGivesTheNewUserValues)
{
    UserInfoScreen &info = freshScreen();
    info.txtHourRate.setText("40");
    info.txtTipsRate.setText("5");
    info.optBiWeek.click();
    info.ckKpFix.click();
    info.txtTax9.setText("Dental");
    info.txtName.setText("Somebody");
    info.ClearAll();

    EXPECT_EQ(info.txtHourRate.text(), "7.5");
    for (const ui::TextBox *box : {&info.txtHourRate2, &info.txtTipsRate, &info.txtFedAddL, &info.txtPension,
             &info.txtMuni, &info.txtBond, &info.txtDues, &info.txtMisc, &info.txtKplan, &info.txtCafe})
        EXPECT_EQ(box->text(), "0");
    EXPECT_TRUE(info.optWeek.selected());
    EXPECT_EQ(info.ckKpPer.value(), 1);
    EXPECT_EQ(info.ckKpFix.value(), 0);
    EXPECT_EQ(info.txtTax5.text(), "CrUnion");
    EXPECT_EQ(info.txtTax9.text(), "Misc.");
    EXPECT_EQ(info.txtName.text(), "Employee's Name");
    EXPECT_EQ(info.cboStatus.text(), "Single");
    EXPECT_EQ(info.cboDepend2.text(), "0");
    EXPECT_EQ(app->profile.HourRate, 0.0f);
    EXPECT_EQ(app->profile.TipsRate, 0.0f);
    EXPECT_EQ(app->profile.Tax9, "Misc.");
    EXPECT_EQ(app->profile.Week, -1);
}

TEST_F(UserInfoTest, AmountBoxesFilterKeysAndSelectOnFocus)
{
    UserInfoScreen &info = freshScreen();
    info.txtKplan.setText("");
    EXPECT_FALSE(info.txtKplan.typeKey('x'));
    EXPECT_TRUE(info.txtKplan.typeKey('5'));
    EXPECT_TRUE(info.txtKplan.typeKey('.'));
    EXPECT_EQ(info.txtKplan.text(), "5.");
    EXPECT_TRUE(info.txtName.typeKey('x'));
    info.txtHourRate.setFocus();
    EXPECT_EQ(info.txtHourRate.selectionLength(), info.txtHourRate.text().size());
}
