// The User Info screen: normalising load, fillVar_, Save's refusals, K-plan boxes, ClearAll.
#include "screens/app_fixture.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class UserInfoTest : public UserInfoFixture {
protected:
    std::string userFiles() const { return read("NAME.use") + read("NAME.and") + read("NAME.sta"); }
};

} // namespace

TEST_F(UserInfoTest, LoadGivesDefaultsToEmptyOrZeroValuesAndSavesThem)
{
    struct Case {
        std::string EmployeeProfile::*field;
        const char *stored, *loaded;
    };
    const Case cases[]
        = { { &EmployeeProfile::StateStatus, "0", "Single" }, { &EmployeeProfile::StateStatus, "", "Single" },
              { &EmployeeProfile::StateStatus, "Married", "Married" },
              { &EmployeeProfile::FedExemptions, "", "0" }, { &EmployeeProfile::SSnum, "", "Soc Sec #" },
              { &EmployeeProfile::SSnum, "123-45-6789", "123-45-6789" } };
    for (const Case& c : cases) {
        app->profile.*c.field = c.stored;
        fresh();
        EXPECT_EQ(app->profile.*c.field, c.loaded) << c.stored;
    }
    app->profile.StateStatus = "0";
    app->profile.HourRate = 0;
    UserInfoScreen& info = fresh();
    EXPECT_EQ(info.cboStatus2.text(), "Single");
    EXPECT_EQ(info.txtHourRate.text(), "7.5");
    EXPECT_EQ(app->profile.HourRate, 7.5f);
    EXPECT_EQ(line("NAME.use", 2), "7.5,0,0");
}

TEST_F(UserInfoTest, AnEmptiedCaptionIsStoredEmptyAndComesBackAtTheNextLoad)
{
    UserInfoScreen& info = fresh();
    info.txtTax7.setText("");
    info.cmdOk_Click();
    EXPECT_EQ(line("NAME.use", 7), "\"Bond\",\"\",\"Pension\",\"Health Ins\"");
    EXPECT_FALSE(app->isLoaded(ScreenId::UserInfo));
    EXPECT_EQ(app->userInfo().txtTax7.text(), "Dues");
    EXPECT_EQ(line("NAME.use", 7), "\"Bond\",\"Dues\",\"Pension\",\"Health Ins\"");
    EXPECT_EQ(main().lbTaxTag[7].caption(), "Dues");
}

TEST_F(UserInfoTest, TheKPlanBoxesExcludeEachOtherAndSaveMakesANoneAPercentage)
{
    UserInfoScreen& info = fresh();
    const int clicks[][3] = { // box clicked (0 fix, 1 per), then fix and per
        { 0, 1, 0 }, { 1, 0, 1 }, { 1, 0, 0 }
    };
    for (const auto& click : clicks) {
        (click[0] == 0 ? info.ckKpFix : info.ckKpPer).click();
        EXPECT_EQ(info.ckKpFix.value(), click[1]);
        EXPECT_EQ(info.ckKpPer.value(), click[2]);
    }
    info.cmdOk_Click();
    EXPECT_EQ(line("NAME.and", 8), "1,0");
}

TEST_F(UserInfoTest, AmountBoxesReadTheLeadingNumber)
{
    const std::pair<const char*, float> cases[]
        = { { "1 250.5", 1250.5f }, { "-", 0 }, { "", 0 }, { "12abc", 12 }, { "-.5", -0.5f } };
    for (const auto& [typed, stored] : cases) {
        UserInfoScreen& info = fresh();
        info.txtMuni.setText(typed);
        info.cmdOk_Click();
        EXPECT_EQ(app->profile.Muni, stored) << typed;
    }
}

TEST_F(UserInfoTest, SaveRefusesWhatCannotBeStoredAndSavesNothing)
{
    static const std::string huge(60, '9');
    const std::pair<std::pair<ui::TextBox UserInfoScreen::*, const char*>, const char*> cases[] = {
        { { &UserInfoScreen::txtHourRate, "" }, "Hourly Rate 1 must be a number." },
        { { &UserInfoScreen::txtHourRate2, "1.2.3" }, "Hourly Rate 2 must be a number." },
        { { &UserInfoScreen::txtTipsRate, "-" }, "Tips Rate must be a number." },
        { { &UserInfoScreen::txtHourRate2, "9e99" }, "Hourly Rate 2 is too large." },
        { { &UserInfoScreen::txtMuni, huge.c_str() }, "CrUnion is too large." },
        { { &UserInfoScreen::txtName, "John \"Jack\"" },
            "The employee's name cannot contain a double quote, a tab or a line break." },
        { { &UserInfoScreen::txtName, "a\r\nb" },
            "The employee's name cannot contain a double quote, a tab or a line break." },
        { { &UserInfoScreen::txtTax7, "Union\tdues" },
            "The caption of deduction 3 cannot contain a double quote, a tab or a line break." },
        { { &UserInfoScreen::txtAddress, "東京" }, "The address can hold only Western European characters." },
    };
    for (const auto& [entry, message] : cases) {
        UserInfoScreen& info = fresh();
        const std::string before = userFiles();
        info.txtTipsRate.setText("4");
        (info.*entry.first).setText(entry.second);
        info.cmdOk_Click();
        EXPECT_EQ(lastMessage(), message);
        EXPECT_EQ(dialogs.messages().back().title, "User Info");
        EXPECT_TRUE(app->isLoaded(ScreenId::UserInfo)) << message;
        EXPECT_EQ(userFiles(), before) << message;
        EXPECT_EQ(app->profile.TipsRate, 0.0f) << message;
    }
    UserInfoScreen& info = fresh();
    info.cboDepend2.setText("two");
    info.cmdOk_Click();
    EXPECT_EQ(lastMessage(), "State Exemptions must be a number.");
}

TEST_F(UserInfoTest, SaveWritesEveryFileOfTheUserAndCloseSavesNothing)
{
    UserInfoScreen& info = fresh();
    info.txtHourRate.setText("99");
    info.Command1_Click();
    EXPECT_FALSE(app->isLoaded(ScreenId::UserInfo));
    EXPECT_EQ(app->profile.HourRate, 7.5f);
    EXPECT_FALSE(exists("NAME.sta"));

    UserInfoScreen& again = app->userInfo();
    again.txtHourRate2.setText("25.5");
    again.optBiWeek.click();
    again.cboStatus2.setText("Married");
    again.cboDepend2.setText("2");
    again.ckFedExemp.setValue(1);
    again.txtFedAddL.setText("20");
    again.txtName.setText("Zoë Ñúñez");
    again.txtTax8.setText("401, Pension");
    again.cmdOk_Click();

    EXPECT_FALSE(app->isLoaded(ScreenId::UserInfo));
    EXPECT_EQ(line("NAME.use", 2), "7.5,25.5,0");
    EXPECT_EQ(line("NAME.use", 6), "#FALSE#,#TRUE#,\"CrUnion\"");
    EXPECT_EQ(line("NAME.and", 5),
        "\"Zo\xEB \xD1\xFA\xF1"
        "ez\",\"\",\"\"");
    EXPECT_EQ(line("NAME.sta", 22).substr(0, 24), "0,0,0,2,\"Married\",1,20,0");
    EXPECT_TRUE(exists("NAME.ovb") && exists("NAME.cti") && exists("NAME.nci"));
    EXPECT_EQ(main().title(), "NAME");
    EXPECT_EQ(main().lbTableNotice.text(), "Bi-Weekly Tax Tables");
    EXPECT_EQ(main().lbTaxTag[8].caption(), "401, Pension");
}

TEST_F(UserInfoTest, TheMenuRunsItModallyAndItsCloseBoxDiscardsTheEdits)
{
    host.script.push_back([](App& a) { a.userInfo().txtHourRate.setText("33"); });
    main().mnuTaxInfoItem_Click();
    EXPECT_TRUE(host.logged(ScreenId::UserInfo));
    EXPECT_FALSE(app->isLoaded(ScreenId::UserInfo));
    EXPECT_EQ(app->profile.HourRate, 7.5f);
}

TEST_F(UserInfoTest, ClearAllGivesTheNewUserValues)
{
    UserInfoScreen& info = fresh();
    info.txtTipsRate.setText("5");
    info.optBiWeek.click();
    info.ckKpFix.click();
    info.txtTax9.setText("Dental");
    app->profile.TipsRate = 5;
    info.ClearAll();

    EXPECT_EQ(info.txtHourRate.text(), "7.5");
    for (const ui::TextBox* box : { &info.txtHourRate2, &info.txtTipsRate, &info.txtFedAddL, &info.txtPension,
             &info.txtMuni, &info.txtBond, &info.txtDues, &info.txtMisc, &info.txtKplan, &info.txtCafe })
        EXPECT_EQ(box->text(), "0");
    EXPECT_TRUE(info.optWeek.selected());
    EXPECT_EQ(info.ckKpPer.value() * 10 + info.ckKpFix.value(), 10);
    EXPECT_EQ(info.txtTax9.text(), "Misc.");
    EXPECT_EQ(info.txtName.text(), "Employee's Name");
    EXPECT_EQ(app->profile.TipsRate, 0.0f);
    EXPECT_EQ(app->profile.Tax9, "Misc.");
}
