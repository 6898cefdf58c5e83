// New, Open, the Save User dialog, Exit, closing the main window and Quit.
#include "app/app_fixture.h"

#include "employee/profile_files.h"
#include "ledger/year_ledger.h"
#include "taxtables/settings_files.h"
#include "taxtables/state_dialog.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class UserCommandsTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        startAs("NAME");
        host.log.clear();
    }

    // Another user's files, as an earlier run left them.
    void makeUser(const std::string &name, float hourRate, short week = -1)
    {
        EmployeeProfile profile;
        profile.resetToNewUser();
        profile.HourRate = hourRate;
        profile.Week = week;
        profile.BiWeek = week == -1 ? 0 : -1;
        OvertimeTracker tracker;
        PrinterOffsets offsets;
        StateTaxSettings state;
        ProfileReserved reserved;
        ASSERT_FALSE(saveProfileFileSet(
            DataFolder(dir), name, ProfileFileSet{profile, tracker, offsets, state, reserved}));
        ASSERT_FALSE(saveStateFile(path(name + ".sta"), state, profile));
    }

    std::vector<std::string> questions() const
    {
        std::vector<std::string> result;
        for (const auto &q : dialogs.questions())
            result.push_back(q.title + ": " + q.lines.at(0));
        return result;
    }
    std::string userFiles(const std::string &name) const
    {
        std::string all;
        for (const char *ext : {".use", ".and", ".cfe", ".ovw", ".sta", ".cti", ".nci"})
            all += read(name + ext);
        return all;
    }
};

} // namespace

TEST_F(UserCommandsTest, NewAsksToSaveThenNamesAndCreatesTheUser)
{
    dialogs.queueAnswer(ui::MessageAnswer::No);
    dialogs.queueInput("Jones");
    main().mnuNew_Click();

    EXPECT_EQ(questions(), std::vector<std::string>{"Save?: ........SAVE PREVIOUS USER?"});
    ASSERT_EQ(dialogs.inputs().size(), 1u);
    EXPECT_EQ(dialogs.inputs()[0].prompt, "Enter new user:");
    EXPECT_EQ(dialogs.inputs()[0].title, "File New");
    EXPECT_FALSE(host.logged("modal SaveUser"));
    EXPECT_EQ(app->UserName, "Jones");
    // The closing calculation saved the whole user.
    for (const char *ext : {".use", ".and", ".cfe", ".ovw", ".sta", ".cti", ".nci"})
        EXPECT_TRUE(exists(std::string("Jones") + ext)) << ext;
    EXPECT_EQ(main().title(), "Jones");
    EXPECT_EQ(main().lbUser.text(), "Jones");
    EXPECT_EQ(lines("Jones.use").at(6), "#TRUE#,#FALSE#,\"CrUnion\"");
    EXPECT_EQ(lines("Jones.use").at(7), "\"Bond\",\"Dues\",\"Pension\",\"Misc.\"");
    EXPECT_EQ(lines("Jones.and").at(8), "1,0");
    // The New York tables; the city table is the one a user without a city file gets.
    EXPECT_EQ(app->state.StateMinBS[1], 327.0f);
    EXPECT_EQ(app->state.StatePerBM[9], 0.1284f);
    EXPECT_EQ(app->city.CityMinBS[3], 557.0f);
    EXPECT_EQ(app->city.CityMinBM[6], 19231.0f);
}

TEST_F(UserCommandsTest, NewWithYesShowsTheSaveUserDialogFirst)
{
    app->userInfo().txtHourRate.setText("31");
    app->profile.HourRate = 31;
    dialogs.queueAnswer(ui::MessageAnswer::Yes);
    pressSave();
    dialogs.queueInput("Jones");
    main().mnuNew_Click();

    EXPECT_TRUE(host.logged("modal SaveUser"));
    EXPECT_EQ(lines("NAME.use").at(2), "31,0,0");
    EXPECT_EQ(app->UserName, "Jones");
    EXPECT_EQ(app->profile.HourRate, 7.5f);
}

TEST_F(UserCommandsTest, NewForgetsThePreviousUsersSpecialStateAndPeriod)
{
    app->state.Missouri = 1;
    app->stateDialog().ckMissouri.setValue(1);
    app->ledger.TotGross = Currency::fromDouble(5000);
    app->tracker.OtAmount[0] = "12.5";
    main().txtAmount[0].setText("40");
    dialogs.queueAnswer(ui::MessageAnswer::No);
    dialogs.queueInput("Jones");
    main().mnuNew_Click();

    EXPECT_EQ(app->state.Missouri, 0);
    EXPECT_EQ(app->ledger.TotGross, Currency());
    EXPECT_EQ(app->tracker.OtAmount[0], "0");
    EXPECT_EQ(lines("Jones.ovw").at(1), "0");
    EXPECT_EQ(main().txtAmount[0].text(), "");
}

TEST_F(UserCommandsTest, NewWithTheNameOfAnExistingUserChangesNothing)
{
    makeUser("Smith", 20);
    const std::string before = userFiles("Smith");
    dialogs.queueAnswer(ui::MessageAnswer::No);
    dialogs.queueInput("Smith");
    main().mnuNew_Click();

    ASSERT_FALSE(dialogs.messages().empty());
    EXPECT_EQ(dialogs.messages().back().lines, std::vector<std::string>{"........Smith already exists. Use Open"});
    EXPECT_EQ(dialogs.messages().back().title, "Tallyman");
    EXPECT_EQ(app->UserName, "NAME");
    EXPECT_EQ(app->saveUser().txtSaveUser.text(), "NAME");
    EXPECT_EQ(main().lbUser.text(), "NAME");
    EXPECT_EQ(userFiles("Smith"), before);
}

TEST_F(UserCommandsTest, CancellingTheNamePromptGivesTheEmptyName)
{
    // No default set yet: New goes on and the calculation writes the default set.
    dialogs.queueAnswer(ui::MessageAnswer::No);
    dialogs.queueInput("");
    main().mnuNew_Click();
    EXPECT_EQ(app->UserName, "");
    EXPECT_TRUE(exists(".use"));
    EXPECT_TRUE(exists(".sta"));

    // Now it exists: the same cancel only shows the message.
    dialogs.queueAnswer(ui::MessageAnswer::No);
    dialogs.queueInput("");
    app->UserName = "NAME";
    app->saveUser().txtSaveUser.setText("NAME");
    main().mnuNew_Click();
    EXPECT_EQ(dialogs.messages().back().lines, std::vector<std::string>{"........ already exists. Use Open"});
    EXPECT_EQ(app->UserName, "NAME");
}

TEST_F(UserCommandsTest, NewRefusesANameThatCannotBeAFileName)
{
    dialogs.queueAnswer(ui::MessageAnswer::No);
    dialogs.queueInput("a/b");
    main().mnuNew_Click();
    EXPECT_EQ(dialogs.messages().back().title, "File New");
    EXPECT_EQ(app->UserName, "NAME");
    EXPECT_FALSE(std::filesystem::exists(path("a")));
}

TEST_F(UserCommandsTest, OpenLoadsTheChosenUserFromTheDataFolder)
{
    makeUser("Smith", 20, 0);
    YearLedger ledger;
    ledger.Rows[0].Gross = 900;
    ASSERT_TRUE(AddAnnual(ledger, false));
    ASSERT_FALSE(saveLedgerFile(path("Smith.yrb"), ledger, false));
    main().txtAmount[0].setText("40");

    pressNo();
    dialogs.queueFile("/somewhere/else/Smith.use");
    main().mnuOpen_Click();

    EXPECT_TRUE(host.logged("modal SaveUser"));
    ASSERT_EQ(dialogs.fileRequests().size(), 1u);
    EXPECT_EQ(dialogs.fileRequests()[0].filter, "Saved Files (*.use)|*.use");
    EXPECT_EQ(app->UserName, "Smith");
    EXPECT_EQ(app->profile.HourRate, 20.0f);
    EXPECT_EQ(app->ledger.TotGross, Currency::fromDouble(900));
    EXPECT_EQ(main().title(), "  User:  Smith");
    EXPECT_EQ(main().lbUser.text(), "Smith");
    EXPECT_EQ(app->saveUser().txtSaveUser.text(), "Smith");
    EXPECT_EQ(main().lbTableNotice.text(), "Bi-Weekly Tax Tables");
    EXPECT_EQ(main().txtAmount[0].text(), "");
    EXPECT_TRUE(main().shown());
}

TEST_F(UserCommandsTest, CancellingOpenKeepsTheCurrentUser)
{
    app->ledger.TotGross = Currency::fromDouble(1234);
    pressNo();
    dialogs.queueFile(std::nullopt);
    main().mnuOpen_Click();
    EXPECT_EQ(app->UserName, "NAME");
    EXPECT_EQ(app->ledger.TotGross, Currency::fromDouble(1234));
    EXPECT_EQ(main().title(), "  User:  NAME");
}

TEST_F(UserCommandsTest, QuitInTheSaveUserDialogOfOpenEndsTheProgram)
{
    pressQuit();
    main().mnuOpen_Click();
    EXPECT_TRUE(app->quitRequested());
    EXPECT_TRUE(dialogs.fileRequests().empty());
    EXPECT_TRUE(host.logged("ended"));
}

TEST_F(UserCommandsTest, SavingUnderAnotherNameMakesItTheCurrentUser)
{
    app->userInfo().txtHourRate.setText("26");
    host.onModal(ScreenId::SaveUser, [](App &a) {
        a.saveUser().txtSaveUser.setText("Jones");
        a.saveUser().cmdSaveUser_Click();
    });
    main().mnuSave_Click();

    for (const char *ext : {".use", ".and", ".cfe", ".ovw", ".sta", ".cti", ".nci"})
        EXPECT_TRUE(exists(std::string("Jones") + ext)) << ext;
    EXPECT_EQ(lines("Jones.use").at(2), "26,0,0");
    EXPECT_EQ(app->UserName, "Jones");
    EXPECT_EQ(main().lbUser.text(), "Jones");
    EXPECT_EQ(main().title(), "Jones");
    EXPECT_FALSE(app->isLoaded(ScreenId::SaveUser));
    EXPECT_FALSE(app->isLoaded(ScreenId::StateDialog));
    EXPECT_FALSE(app->isLoaded(ScreenId::UserInfo));
    // The dialog comes back with the new name.
    EXPECT_EQ(app->saveUser().txtSaveUser.text(), "Jones");
}

TEST_F(UserCommandsTest, TheSaveUserDialogRefusesANameThatCannotBeAFileName)
{
    bool stillOpen = false;
    host.onModal(ScreenId::SaveUser, [&](App &a) {
        a.saveUser().txtSaveUser.setText("x:y");
        a.saveUser().cmdSaveUser_Click();
        stillOpen = a.isLoaded(ScreenId::SaveUser);
    });
    main().mnuSave_Click();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(dialogs.messages().back().title, "Save User");
    EXPECT_EQ(app->UserName, "NAME");
    EXPECT_FALSE(exists("x:y.use"));
}

TEST_F(UserCommandsTest, NoAndTheCloseBoxCloseTheDialogAndTheScreensThatReload)
{
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox);
        app->stateDialog();
        app->userInfo();
        const std::string before = userFiles("NAME");
        if (!closeBox)
            pressNo();
        main().mnuSave_Click();
        EXPECT_FALSE(app->isLoaded(ScreenId::SaveUser));
        EXPECT_FALSE(app->isLoaded(ScreenId::StateDialog));
        EXPECT_FALSE(app->isLoaded(ScreenId::UserInfo));
        EXPECT_EQ(userFiles("NAME"), before);
        EXPECT_FALSE(app->quitRequested());
    }
}

TEST_F(UserCommandsTest, ExitAndClosingTheMainWindowAskAndSaveOnYes)
{
    struct Case {
        bool closeWindow;
        ui::MessageAnswer answer;
    };
    for (const Case c : {Case{false, ui::MessageAnswer::No}, Case{false, ui::MessageAnswer::Yes},
             Case{true, ui::MessageAnswer::No}, Case{true, ui::MessageAnswer::Yes}}) {
        SCOPED_TRACE(::testing::Message() << c.closeWindow << " " << (c.answer == ui::MessageAnswer::Yes));
        makeApp();
        startAs("NAME");
        std::filesystem::remove(path("NAME.sta"));
        dialogs.queueAnswer(c.answer);
        if (c.answer == ui::MessageAnswer::Yes)
            pressSave();
        const std::size_t asked = dialogs.questions().size();
        if (c.closeWindow)
            main().Form_Unload();
        else
            main().mnuExitItem_Click();

        ASSERT_EQ(dialogs.questions().size(), asked + 1);
        EXPECT_EQ(dialogs.questions().back().lines, std::vector<std::string>{"     SAVE USER'S SETTINGS?"});
        EXPECT_EQ(dialogs.questions().back().title, "Save?");
        EXPECT_EQ(host.logged("modal SaveUser"), c.answer == ui::MessageAnswer::Yes);
        EXPECT_EQ(exists("NAME.sta"), c.answer == ui::MessageAnswer::Yes);
        EXPECT_TRUE(app->quitRequested());
        EXPECT_FALSE(app->isLoaded(ScreenId::MainWindow));
        EXPECT_TRUE(host.logged("ended"));
    }
}

TEST_F(UserCommandsTest, QuitEndsWithoutSavingAndWithoutAskingAgain)
{
    std::filesystem::remove(path("NAME.sta"));
    const std::string before = userFiles("NAME");
    dialogs.queueAnswer(ui::MessageAnswer::Yes);
    pressQuit();
    main().mnuExitItem_Click();

    EXPECT_EQ(dialogs.questions().size(), 1u);
    EXPECT_EQ(userFiles("NAME"), before);
    EXPECT_FALSE(exists("NAME.sta"));
    EXPECT_TRUE(app->quitRequested());
    for (ScreenId id : {ScreenId::MainWindow, ScreenId::SaveUser, ScreenId::StateDialog, ScreenId::UserInfo})
        EXPECT_FALSE(app->isLoaded(id)) << screenName(id);
}
