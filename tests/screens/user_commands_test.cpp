// New, Open, the Save User dialog, Exit, closing the main window and Quit.
#include "screens/app_fixture.h"

#include "ledger/year_ledger.h"
#include "screens/taxtables/state_dialog.h"
#include "taxtables/settings_files.h"

#include <unistd.h>

using namespace tallyman;
using namespace tallyman::testing;

namespace {

const char* const AllFiles[] = { ".use", ".and", ".cfe", ".ovw", ".sta", ".cti", ".nci" };

class UserCommandsTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(startAs("NAME"));
    }
    void newUser(ui::MessageAnswer saveFirst, const std::string& name)
    {
        dialogs.queueAnswer(saveFirst);
        dialogs.queueInput(name);
        main().mnuNew_Click();
    }
    std::string filesOf(const std::string& name) const
    {
        std::string all;
        for (const char* ext : AllFiles)
            all += exists(name + ext) ? read(name + ext) : "-";
        return all;
    }
};

} // namespace

TEST_F(UserCommandsTest, NewStartsAFreshUserAndSavesItThroughTheCalculation)
{
    app->state.Missouri = 1;
    app->stateDialog().ckMissouri.setValue(1);
    app->ledger.TotGross = Currency::fromDouble(5000);
    app->tracker.OtAmount[0] = "12.5";
    main().txtAmount[0].setText("40");
    newUser(ui::MessageAnswer::No, "Jones");

    ASSERT_EQ(dialogs.questions().size(), 1u);
    EXPECT_EQ(dialogs.questions()[0].title + ":" + dialogs.questions()[0].lines.at(0),
        "Save?:........SAVE PREVIOUS USER?");
    EXPECT_EQ(dialogs.inputs().at(0).prompt + "/" + dialogs.inputs().at(0).title, "Enter new user:/File New");
    EXPECT_FALSE(host.logged(ScreenId::SaveUser));
    EXPECT_EQ(app->UserName, "Jones");
    for (const char* ext : AllFiles)
        EXPECT_TRUE(exists(std::string("Jones") + ext)) << ext;
    EXPECT_EQ(main().title(), "Jones");
    EXPECT_EQ(main().lbUser.text(), "Jones");
    EXPECT_EQ(main().txtAmount[0].text(), "");
    EXPECT_EQ(line("Jones.use", 7), "\"Bond\",\"Dues\",\"Pension\",\"Misc.\"");
    EXPECT_EQ(line("Jones.ovw", 1), "0");
    EXPECT_EQ(app->ledger.TotGross, Currency());
    // The New York state table without the previous user's special state; the city table a
    // user without a city file gets.
    EXPECT_EQ(app->state.Missouri, 0);
    EXPECT_EQ(app->state.StatePerBM[9], 0.1284f);
    EXPECT_EQ(app->city.CityMinBS[3], 557.0f);
}

TEST_F(UserCommandsTest, NewWithYesSavesThePreviousUserFirst)
{
    app->userInfo().txtHourRate.setText("31");
    inSaveUser(&SaveUserDialog::cmdSaveUser_Click);
    newUser(ui::MessageAnswer::Yes, "Jones");
    EXPECT_TRUE(host.logged(ScreenId::SaveUser));
    EXPECT_EQ(line("NAME.use", 2), "31,0,0");
    EXPECT_EQ(line("Jones.use", 2), "7.5,0,0");
}

TEST_F(UserCommandsTest, NewRefusesExistingAndImpossibleNamesAndCancelGivesTheEmptyName)
{
    struct Case {
        const char* name;
        const char* message;
    };
    // No default set yet: a cancelled prompt goes on with the empty name and creates it.
    newUser(ui::MessageAnswer::No, "");
    EXPECT_EQ(app->UserName, "");
    EXPECT_TRUE(exists(".use") && exists(".sta"));
    const Case cases[]
        = { { "NAME", "........NAME already exists. Use Open" }, { "", "........ already exists. Use Open" },
              { "a/b", "A user name cannot contain the character /." } };
    for (const Case& c : cases) {
        const std::string before = filesOf("") + filesOf("NAME");
        newUser(ui::MessageAnswer::No, c.name);
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(app->UserName, "");
        EXPECT_EQ(app->saveUser().txtSaveUser.text(), "");
        EXPECT_EQ(filesOf("") + filesOf("NAME"), before);
    }
}

TEST_F(UserCommandsTest, NewNeverTakesTheNameOfAUserWhoseUseCannotBeRead)
{
    struct Case {
        const char* what;
        void (*spoil)(const std::filesystem::path& use);
        const char* reason;
    };
    const Case cases[] = {
        { "a folder", [](const std::filesystem::path& use) { std::filesystem::create_directory(use); },
            "it is a folder" },
        { "a broken link",
            [](const std::filesystem::path& use) {
                std::filesystem::create_symlink(use.string() + ".gone", use);
            },
            "it is a link to a file that does not exist" },
        { "no permission",
            [](const std::filesystem::path& use) {
                std::filesystem::permissions(use.string() + ".old", std::filesystem::perms::none);
                std::filesystem::rename(use.string() + ".old", use);
            },
            "Permission denied" },
    };
    // Every file of the user that can be read, as it stands.
    const auto files = [this] {
        std::string all;
        for (const char* ext : AllFiles)
            all += std::filesystem::is_regular_file(dir / (std::string("Old") + ext))
                ? read(std::string("Old") + ext)
                : "-";
        return all;
    };
    for (const Case& c : cases) {
        if (c.reason == std::string("Permission denied") && ::geteuid() == 0)
            continue; // permissions do not stop root
        EmployeeProfile kept;
        kept.resetToNewUser();
        kept.Name = "Kept";
        saveUser(dir, "Old", kept);
        std::filesystem::rename(dir / "Old.use", dir / "Old.use.old");
        c.spoil(dir / "Old.use");
        const std::string before = files();
        newUser(ui::MessageAnswer::No, "Old");
        EXPECT_EQ(lastMessage(),
            "The file Old.use exists but cannot be read: " + std::string(c.reason) + ".|Nothing was changed.")
            << c.what;
        EXPECT_EQ(app->UserName, "NAME") << c.what;
        EXPECT_EQ(files(), before) << c.what;
        std::filesystem::remove_all(dir / "Old.use");
        std::filesystem::remove(dir / "Old.use.old");
    }
}

TEST_F(UserCommandsTest, OpenLoadsTheChosenUserFromTheDataFolder)
{
    EmployeeProfile smith;
    smith.resetToNewUser();
    smith.HourRate = 20;
    smith.Week = 0;
    smith.BiWeek = -1;
    saveUser(dir, "Smith", smith);
    YearLedger ledger;
    ledger.Rows[0].Gross = 900;
    ASSERT_TRUE(AddAnnual(ledger, false));
    ASSERT_FALSE(saveLedgerFile(dir / "Smith.yrb", ledger, false));
    main().txtAmount[0].setText("40");

    inSaveUser(&SaveUserDialog::cmdEnd_Click);
    dialogs.queueFile("/somewhere/else/Smith.use");
    main().mnuOpen_Click();

    EXPECT_TRUE(host.logged(ScreenId::SaveUser));
    EXPECT_EQ(dialogs.fileRequests().at(0).filter, "Saved Files (*.use)|*.use");
    EXPECT_EQ(app->UserName, "Smith");
    EXPECT_EQ(app->profile.HourRate, 20.0f);
    EXPECT_EQ(app->ledger.TotGross, Currency::fromDouble(900));
    EXPECT_EQ(main().title(), "  User:  Smith");
    EXPECT_EQ(main().lbUser.text(), "Smith");
    EXPECT_EQ(app->saveUser().txtSaveUser.text(), "Smith");
    EXPECT_EQ(main().lbTableNotice.text(), "Bi-Weekly Tax Tables");
    EXPECT_EQ(main().txtAmount[0].text(), "");

    // Cancelling the file dialog keeps the current user and its year to date.
    inSaveUser(&SaveUserDialog::cmdEnd_Click);
    dialogs.queueFile(std::nullopt);
    main().mnuOpen_Click();
    EXPECT_EQ(app->UserName, "Smith");
    EXPECT_EQ(app->ledger.TotGross, Currency::fromDouble(900));
}

// Open clears the period; the next save writes the state file as the record stands, so the
// user's state adjustment must still be in it.
TEST_F(UserCommandsTest, OpenClearAndSaveKeepTheStateAdjustment)
{
    EmployeeProfile smith;
    smith.resetToNewUser();
    saveUser(dir, "Smith", smith);
    StateTaxSettings state;
    state.StateAdj = 5;
    ASSERT_FALSE(saveStateFile(stateFile(DataFolder(dir), "Smith"), state, smith));
    const std::string adjusted = line("Smith.sta", 21);
    ASSERT_EQ(adjusted.substr(0, 10), "0,0,0,0,5,");

    inSaveUser(&SaveUserDialog::cmdEnd_Click);
    dialogs.queueFile("Smith.use");
    main().mnuOpen_Click();
    ASSERT_EQ(app->UserName, "Smith");
    inSaveUser(&SaveUserDialog::cmdSaveUser_Click);
    main().mnuSave_Click();
    EXPECT_EQ(line("Smith.sta", 21), adjusted) << "after Open and Save";

    main().mnuClearIitem_Click();
    inSaveUser(&SaveUserDialog::cmdSaveUser_Click);
    main().mnuSave_Click();
    EXPECT_EQ(line("Smith.sta", 21), adjusted) << "after Clear and Save";
}

TEST_F(UserCommandsTest, SavingUnderAnotherNameMakesItTheCurrentUser)
{
    app->userInfo().txtHourRate.setText("26");
    inSaveUser(&SaveUserDialog::cmdSaveUser_Click, "Jones");
    main().mnuSave_Click();
    for (const char* ext : AllFiles)
        EXPECT_TRUE(exists(std::string("Jones") + ext)) << ext;
    EXPECT_EQ(line("Jones.use", 2), "26,0,0");
    EXPECT_EQ(app->UserName, "Jones");
    EXPECT_EQ(main().lbUser.text() + "/" + main().title(), "Jones/Jones");
    for (ScreenId id : { ScreenId::SaveUser, ScreenId::StateDialog, ScreenId::UserInfo })
        EXPECT_FALSE(app->isLoaded(id)) << static_cast<int>(id);
    EXPECT_EQ(app->saveUser().txtSaveUser.text(), "Jones");

    bool stillOpen = false;
    host.script.push_back([&](App& a) {
        a.saveUser().txtSaveUser.setText("x:y");
        a.saveUser().cmdSaveUser_Click();
        stillOpen = a.isLoaded(ScreenId::SaveUser);
    });
    main().mnuSave_Click();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(dialogs.messages().back().title, "Save User");
    EXPECT_EQ(app->UserName, "Jones");
}

TEST_F(UserCommandsTest, NoAndTheCloseBoxCloseTheDialogAndTheScreensThatReload)
{
    for (bool closeBox : { false, true }) {
        app->stateDialog();
        app->userInfo();
        const std::string before = filesOf("NAME");
        if (!closeBox)
            inSaveUser(&SaveUserDialog::cmdEnd_Click);
        main().mnuSave_Click();
        for (ScreenId id : { ScreenId::SaveUser, ScreenId::StateDialog, ScreenId::UserInfo })
            EXPECT_FALSE(app->isLoaded(id)) << static_cast<int>(id);
        EXPECT_EQ(filesOf("NAME"), before);
        EXPECT_FALSE(app->quitRequested());
    }
}

TEST_F(UserCommandsTest, ExitAndClosingTheMainWindowAskAndSaveOnYes)
{
    for (bool closeWindow : { false, true })
        for (auto answer : { ui::MessageAnswer::No, ui::MessageAnswer::Yes }) {
            const bool yes = answer == ui::MessageAnswer::Yes;
            makeApp();
            ASSERT_TRUE(startAs("NAME"));
            std::filesystem::remove(dir / "NAME.sta");
            dialogs.queueAnswer(answer);
            if (yes)
                inSaveUser(&SaveUserDialog::cmdSaveUser_Click);
            const std::size_t asked = dialogs.questions().size();
            if (closeWindow)
                main().requestClose();
            else
                main().mnuExitItem_Click();
            ASSERT_EQ(dialogs.questions().size(), asked + 1);
            EXPECT_EQ(
                dialogs.questions().back().title + ":" + lastMessage(), "Save?:     SAVE USER'S SETTINGS?");
            EXPECT_EQ(host.logged(ScreenId::SaveUser), yes);
            EXPECT_EQ(exists("NAME.sta"), yes);
            EXPECT_FALSE(app->isLoaded(ScreenId::MainWindow));
            EXPECT_EQ(host.log.back(), "ended");
        }
}

TEST_F(UserCommandsTest, QuitEndsWithoutSavingAndWithoutAskingAgain)
{
    const std::pair<void (MainWindow::*)(), std::size_t> commands[] = { { &MainWindow::mnuExitItem_Click, 1 },
        { &MainWindow::mnuOpen_Click, 0 }, { &MainWindow::mnuNew_Click, 1 } };
    for (const auto& [command, questions] : commands) {
        makeApp();
        ASSERT_TRUE(startAs("NAME"));
        const std::string before = filesOf("NAME");
        const std::size_t asked = dialogs.questions().size();
        if (questions)
            dialogs.queueAnswer(ui::MessageAnswer::Yes);
        inSaveUser(&SaveUserDialog::cmdQuit_Click);
        (main().*command)();
        EXPECT_EQ(dialogs.questions().size(), asked + questions);
        EXPECT_EQ(filesOf("NAME"), before);
        EXPECT_TRUE(dialogs.inputs().empty() && dialogs.fileRequests().empty());
        EXPECT_EQ(host.log.back(), "ended");
        for (ScreenId id :
            { ScreenId::MainWindow, ScreenId::SaveUser, ScreenId::StateDialog, ScreenId::UserInfo })
            EXPECT_FALSE(app->isLoaded(id)) << static_cast<int>(id);
    }
}
