// SaveOT, LoadUserFiles and the state, city and non-city settings procedures of the App.
#include "app_fixture.h"

#include "taxtables/settings_files.h"
#include "taxtables/state_dialog.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class UserFilesTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        startAs("NAME");
        messagesBefore = dialogs.messages().size();
    }
    std::vector<std::string> newMessages() const
    {
        auto all = shownMessages();
        return {all.begin() + static_cast<std::ptrdiff_t>(messagesBefore), all.end()};
    }
    std::size_t messagesBefore = 0;
};

} // namespace

TEST_F(UserFilesTest, SaveOTTakesTheThreeRatesFromTheUserInfoBoxes)
{
    UserInfoScreen &info = app->userInfo();
    info.txtHourRate.setText("22.5");
    info.txtHourRate2.setText(" 30.25 ");
    info.txtTipsRate.setText("1,250");
    ASSERT_TRUE(app->SaveOT());
    EXPECT_EQ(lines("NAME.use").at(2), "22.5,30.25,1250");
    EXPECT_EQ(app->profile.HourRate2, 30.25f);
}

TEST_F(UserFilesTest, SaveOTKeepsARateWhoseBoxHoldsNoNumber)
{
    app->profile.HourRate2 = 11;
    for (const std::string text : {"", "-", "1.2.3", "12abc", "1e99"}) {
        SCOPED_TRACE(text);
        app->userInfo().txtHourRate2.setText(text);
        ASSERT_TRUE(app->SaveOT());
        EXPECT_EQ(app->profile.HourRate2, 11.0f);
        EXPECT_EQ(lines("NAME.use").at(2), "7.5,11,0");
    }
}

TEST_F(UserFilesTest, SaveOTMakesAProfileWithoutFrequencyWeekly)
{
    UserInfoScreen &info = app->userInfo();
    info.optBiWeek.setValue(-1);
    app->profile.Week = 0;
    app->profile.BiWeek = 0;
    ASSERT_TRUE(app->SaveOT());
    EXPECT_EQ(app->profile.Week, -1);
    EXPECT_TRUE(info.optWeek.selected());
    EXPECT_EQ(lines("NAME.use").at(6), "#TRUE#,#FALSE#,\"CrUnion\"");
}

TEST_F(UserFilesTest, SaveOTSettlesTheKPlanFlags)
{
    struct Case {
        short per, fix;
        const char *written;
        short perAfter, fixAfter;
        int boxPer, boxFix;
    };
    const Case cases[] = {
        {0, 0, "1,0", 1, 0, 1, 0},
        {1, 1, "1,1", 1, 0, 1, 0}, // written as found, settled afterwards
        {0, 1, "0,1", 0, 1, 0, 1},
        {1, 0, "1,0", 1, 0, 1, 0},
    };
    UserInfoScreen &info = app->userInfo();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.written);
        info.ckKpPer.setValue(0);
        info.ckKpFix.setValue(0);
        app->profile.KpPer = c.per;
        app->profile.KpFix = c.fix;
        ASSERT_TRUE(app->SaveOT());
        EXPECT_EQ(lines("NAME.and").at(8), c.written);
        EXPECT_EQ(app->profile.KpPer, c.perAfter);
        EXPECT_EQ(app->profile.KpFix, c.fixAfter);
        EXPECT_EQ(info.ckKpPer.value(), c.boxPer);
        EXPECT_EQ(info.ckKpFix.value(), c.boxFix);
    }
}

TEST_F(UserFilesTest, SaveOTWritesUnderTheNameInTheSaveUserBox)
{
    app->saveUser().txtSaveUser.setText("Other");
    ASSERT_TRUE(app->SaveOT());
    EXPECT_EQ(app->UserName, "Other");
    for (const char *file : {"Other.use", "Other.and", "Other.cfe", "Other.ovw"})
        EXPECT_TRUE(exists(file)) << file;
    EXPECT_FALSE(exists("Other.sta"));
}

TEST_F(UserFilesTest, SaveOTRefusesANameThatCannotBeAFileName)
{
    app->saveUser().txtSaveUser.setText("../Other");
    EXPECT_FALSE(app->SaveOT());
    EXPECT_EQ(app->UserName, "NAME");
    ASSERT_EQ(newMessages().size(), 1u);
    EXPECT_NE(newMessages()[0].find("Nothing was saved."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.parent_path() / "Other.use"));
}

TEST_F(UserFilesTest, AProfileFileThatCannotBeWrittenIsReported)
{
    std::filesystem::remove(path("NAME.and"));
    std::filesystem::create_directory(path("NAME.and")); // a file cannot replace a folder
    EXPECT_FALSE(app->SaveOT());
    ASSERT_EQ(newMessages().size(), 1u);
    EXPECT_EQ(newMessages()[0].rfind("The files of user NAME could not be saved.|", 0), 0u);
    EXPECT_EQ(dialogs.messages().back().icon, ui::MessageIcon::Warning);
}

TEST_F(UserFilesTest, LoadUserFilesShowsTheProfileAndTakesBackTheCheckBoxes)
{
    EmployeeProfile other;
    other.resetToNewUser();
    other.Week = 0;
    other.BiWeek = -1;
    other.HourRate = 14;
    other.Cafe = 40;
    other.CafeState = 1;
    other.SelfEmp = 1;
    other.NonCity = 1;
    other.Tax6 = "Bond, Savings";
    OvertimeTracker tracker;
    PrinterOffsets offsets;
    StateTaxSettings state;
    ProfileReserved reserved;
    ASSERT_FALSE(
        saveProfileFileSet(DataFolder(dir), "NAME", ProfileFileSet{other, tracker, offsets, state, reserved}));

    EXPECT_EQ(app->LoadUserFiles(), LoadOutcome::Loaded);

    UserInfoScreen &info = app->userInfo();
    EXPECT_EQ(info.txtHourRate.text(), "14");
    EXPECT_EQ(info.txtCafe.text(), "40");
    EXPECT_EQ(info.ckCafeState.value(), 1);
    EXPECT_EQ(info.ckSelfEmp.value(), 1);
    EXPECT_EQ(info.ckNonCity.value(), 1);
    EXPECT_TRUE(info.optBiWeek.selected());
    EXPECT_FALSE(info.optWeek.selected());
    EXPECT_EQ(info.txtTax6.text(), "Bond, Savings");
    EXPECT_EQ(main().lbTableNotice.text(), "Bi-Weekly Tax Tables");
    EXPECT_EQ(app->profile.NonCity, 1);
}

TEST_F(UserFilesTest, LoadUserFilesKeepsWhatAnAbsentFileWouldHold)
{
    app->profile.Cafe = 12;
    std::filesystem::remove(path("NAME.cfe"));
    EXPECT_EQ(app->LoadUserFiles(), LoadOutcome::Loaded);
    EXPECT_EQ(app->profile.Cafe, 12.0f);
    EXPECT_EQ(app->userInfo().txtCafe.text(), "12");
}

TEST_F(UserFilesTest, SaveStateSettingsWritesTheRecordAndTheFiveProfileValues)
{
    app->profile.StateStatus = "Married";
    app->profile.StateExemptions = 3;
    app->profile.FedAddL = 12.5f;
    app->state.SDIpercent = 1.1f;
    ASSERT_TRUE(app->SaveStateSettings());
    const auto sta = lines("NAME.sta");
    ASSERT_EQ(sta.size(), 23u);
    EXPECT_EQ(sta[21].substr(0, 4), "1.1,");
    EXPECT_EQ(sta[22].substr(0, 19), "0,0,0,3,\"Married\",0");
}

TEST_F(UserFilesTest, SettingsThatCannotBeWrittenShowTheThreeLines)
{
    for (const char *file : {"NAME.sta", "NAME.cti", "NAME.nci"})
        std::filesystem::create_directory(path(file));
    EXPECT_FALSE(app->SaveStateSettings());
    EXPECT_FALSE(app->SaveCitySettings());
    EXPECT_FALSE(app->SaveNonCitySettings());
    const std::vector<std::string> expected(3, "Check your numbers|No blanks|Only numbers");
    EXPECT_EQ(newMessages(), expected);
}

TEST_F(UserFilesTest, LoadStateSettingsShowsTheFileInTheDialogAndUserInfo)
{
    StateTaxSettings stored;
    stored.StateMinBS[1] = 327;
    stored.StateAmtBS[1] = 13.08f;
    stored.StatePerBS[2] = 0.0525f;
    stored.SDIpercent = 0.5f;
    EmployeeProfile values = app->profile;
    values.StateStatus = "Married";
    values.StateExemptions = 4;
    values.SSMediExemp = 1;
    ASSERT_FALSE(saveStateFile(path("NAME.sta"), stored, values));

    app->LoadStateSettings();

    StateDialog &dialog = app->stateDialog();
    EXPECT_EQ(dialog.txtStateMinBS[1].text(), "327");
    EXPECT_EQ(dialog.txtStateAmtBS[1].text(), "13.08");
    EXPECT_EQ(dialog.txtStatePerBS[2].text(), "0.0525");
    EXPECT_EQ(dialog.txtSDIpercent.text(), "0.5");
    UserInfoScreen &info = app->userInfo();
    EXPECT_EQ(info.cboStatus2.text(), "Married");
    EXPECT_EQ(info.cboDepend2.text(), "4");
    EXPECT_EQ(info.ckSSMediExemp.value(), 1);
    EXPECT_TRUE(newMessages().empty());
}

TEST_F(UserFilesTest, GetDefaultStateSettingsReadsTheDefaultFile)
{
    EmployeeProfile values = app->profile;
    values.StateStatus = "Married";
    values.FedAddL = 7;
    StateTaxSettings stored;
    stored.SUIwageBase = 9000;
    ASSERT_FALSE(saveStateFile(path(".sta"), stored, values));

    app->GetDefaultStateSettings();

    EXPECT_EQ(app->state.SUIwageBase, 9000.0f);
    EXPECT_EQ(app->profile.StateStatus, "Married");
    EXPECT_EQ(app->userInfo().txtFedAddL.text(), "7");
}

TEST_F(UserFilesTest, AStateFileCutShortKeepsTheRestAndShowsNothing)
{
    app->state.StateSgExp[0] = 111;
    std::string file;
    for (int i = 0; i < 10; ++i)
        file += "5,1,0.01,5,1,0.01\r\n";
    file += "0\r\n"; // cut after line 11
    write("NAME.sta", file);
    app->stateDialog().txtStateMinBS[0].setText("old");

    app->LoadStateSettings();

    EXPECT_EQ(newMessages(), std::vector<std::string>{"You have corupted a file.|Find file,|NAME.sta|and delete it."});
    EXPECT_EQ(app->state.StateMinBS[0], 5.0f);
    EXPECT_EQ(app->state.StateSgExp[0], 111.0f);
    EXPECT_EQ(app->stateDialog().txtStateMinBS[0].text(), "old");
}
