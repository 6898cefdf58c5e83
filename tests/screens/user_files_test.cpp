// SaveOT, LoadUserFiles and the state, city and non-city settings procedures of the App.
#include "app_fixture.h"

#include "screens/taxtables/state_dialog.h"
#include "taxtables/settings_files.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class UserFilesTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(startAs("NAME"));
    }
};

} // namespace

TEST_F(UserFilesTest, SaveOTTakesTheRatesByStrictConversionAndKeepsOnesThatAreNoNumber)
{
    struct Case {
        const char* typed;
        const char* written;
    };
    const Case cases[] = { { "30.25", "7.5,30.25,0" }, { " 1,250 ", "7.5,1250,0" }, { "", "7.5,1250,0" },
        { "-", "7.5,1250,0" }, { "1.2.3", "7.5,1250,0" }, { "12abc", "7.5,1250,0" },
        { "1e99", "7.5,1250,0" } };
    for (const Case& c : cases) {
        app->userInfo().txtHourRate2.setText(c.typed);
        ASSERT_TRUE(app->SaveOT());
        EXPECT_EQ(line("NAME.use", 2), c.written) << c.typed;
    }
}

TEST_F(UserFilesTest, SaveOTGivesAFrequencyAndSettlesTheKPlanFlags)
{
    struct Case {
        short per, fix;
        const char* written;
        short perAfter, fixAfter;
    };
    // Both flags on are written as found and settled afterwards.
    const Case cases[]
        = { { 0, 0, "1,0", 1, 0 }, { 1, 1, "1,1", 1, 0 }, { 0, 1, "0,1", 0, 1 }, { 1, 0, "1,0", 1, 0 } };
    UserInfoScreen& info = app->userInfo();
    for (const Case& c : cases) {
        info.ckKpPer.setValue(0);
        app->profile.KpPer = c.per;
        app->profile.KpFix = c.fix;
        app->profile.Week = app->profile.BiWeek = 0;
        ASSERT_TRUE(app->SaveOT());
        EXPECT_EQ(line("NAME.and", 8), c.written);
        EXPECT_EQ(app->profile.KpPer, c.perAfter) << c.written;
        EXPECT_EQ(app->profile.KpFix, c.fixAfter) << c.written;
        EXPECT_EQ(info.ckKpPer.value(), c.perAfter) << c.written;
        EXPECT_EQ(info.ckKpFix.value(), c.fixAfter) << c.written;
        EXPECT_EQ(line("NAME.use", 6), "#TRUE#,#FALSE#,\"CrUnion\"");
        EXPECT_TRUE(info.optWeek.selected());
    }
}

TEST_F(UserFilesTest, SaveOTWritesUnderTheNameInTheSaveUserBoxAndReportsWhatItCannot)
{
    app->saveUser().txtSaveUser.setText("Other");
    ASSERT_TRUE(app->SaveOT());
    EXPECT_EQ(app->UserName, "Other");
    EXPECT_TRUE(exists("Other.use") && exists("Other.and") && exists("Other.cfe") && exists("Other.ovw"));

    app->saveUser().txtSaveUser.setText("../Escape");
    EXPECT_FALSE(app->SaveOT());
    EXPECT_EQ(app->UserName, "Other");
    EXPECT_NE(lastMessage().find("Nothing was saved."), std::string::npos);

    app->saveUser().txtSaveUser.setText("Other");
    std::filesystem::remove(dir / "Other.and");
    std::filesystem::create_directory(dir / "Other.and"); // a file cannot replace a folder
    EXPECT_FALSE(app->SaveOT());
    EXPECT_EQ(lastMessage().rfind("The files of user Other could not be saved.|", 0), 0u);
    EXPECT_EQ(dialogs.messages().back().icon, ui::MessageIcon::Warning);

    for (const char* file : { "Other.sta", "Other.cti", "Other.nci" })
        std::filesystem::create_directory(dir / file);
    const std::size_t before = messageCount();
    EXPECT_FALSE(app->SaveStateSettings());
    EXPECT_FALSE(app->SaveCitySettings());
    EXPECT_FALSE(app->SaveNonCitySettings());
    EXPECT_EQ(messageCount(), before + 3);
    // The lines the person knows, then the reason.
    EXPECT_EQ(lastMessage().rfind("Check your numbers|No blanks|Only numbers|cannot replace ", 0), 0u);
}

TEST_F(UserFilesTest, LoadUserFilesShowsTheProfileAndKeepsWhatAbsentFilesHold)
{
    EmployeeProfile other;
    other.resetToNewUser();
    other.Week = 0;
    other.BiWeek = -1;
    other.HourRate = 14;
    other.NonCity = 1;
    other.Tax6 = "Bond, Savings";
    saveUser(dir, "NAME", other);
    std::filesystem::remove(dir / "NAME.cfe");
    app->profile.Cafe = 12;
    app->userInfo().ckNonCity.setValue(0);

    EXPECT_EQ(app->LoadUserFiles(), LoadOutcome::Loaded);

    UserInfoScreen& info = app->userInfo();
    EXPECT_EQ(info.txtHourRate.text(), "14");
    EXPECT_EQ(info.txtCafe.text(), "12");
    EXPECT_EQ(info.ckNonCity.value(), 1);
    EXPECT_TRUE(info.optBiWeek.selected() && !info.optWeek.selected());
    EXPECT_EQ(info.txtTax6.text(), "Bond, Savings");
    EXPECT_EQ(main().lbTableNotice.text(), "Bi-Weekly Tax Tables");
    EXPECT_EQ(app->profile.NonCity, 1);
}

TEST_F(UserFilesTest, LoadStateSettingsShowsTheFileOrReportsItCorrupt)
{
    StateTaxSettings stored;
    stored.StateAmtBS[1] = 13.08f;
    stored.StatePerBS[2] = 0.0525f;
    EmployeeProfile values = app->profile;
    values.StateStatus = "Married";
    values.SSMediExemp = 1;
    ASSERT_FALSE(saveStateFile(dir / "NAME.sta", stored, values));
    app->LoadStateSettings();
    EXPECT_EQ(app->stateDialog().txtStateAmtBS[1].text(), "13.08");
    EXPECT_EQ(app->stateDialog().txtStatePerBS[2].text(), "0.0525");
    EXPECT_EQ(app->userInfo().cboStatus2.text(), "Married");
    EXPECT_EQ(app->userInfo().ckSSMediExemp.value(), 1);

    // Cut after line 11: what was read stays read, nothing is shown.
    std::string file;
    for (int i = 0; i < 10; ++i)
        file += "5,1,0.01,5,1,0.01\r\n";
    write("NAME.sta", file + "0\r\n");
    app->state.StateSgExp[0] = 111;
    app->LoadStateSettings();
    EXPECT_EQ(lastMessage(), "You have corupted a file.|Find file,|NAME.sta|and delete it.");
    EXPECT_EQ(app->state.StateMinBS[0], 5.0f);
    EXPECT_EQ(app->state.StateSgExp[0], 111.0f);
    EXPECT_EQ(app->stateDialog().txtStateAmtBS[1].text(), "13.08");

    values.StateStatus = "Single";
    values.FedAddL = 7;
    ASSERT_FALSE(saveStateFile(dir / ".sta", StateTaxSettings {}, values));
    app->GetDefaultStateSettings();
    EXPECT_EQ(app->userInfo().txtFedAddL.text(), "7");
    EXPECT_EQ(app->stateDialog().txtStateAmtBS[1].text(), "0");
}
