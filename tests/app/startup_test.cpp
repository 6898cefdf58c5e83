// Start-up: the prompt, the loads and saves it sets off, and the files they leave.
#include "app_fixture.h"

#include "employee/profile_files.h"
#include "ledger/year_ledger.h"
#include "taxtables/settings_files.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class StartupTest : public AppTest {};

// A profile file set written through the files layer, as an earlier run would have left it.
void saveUserSet(const std::filesystem::path &dir, const std::string &name, EmployeeProfile profile,
    StateTaxSettings state = {})
{
    OvertimeTracker tracker;
    PrinterOffsets offsets;
    ProfileReserved reserved;
    ASSERT_FALSE(saveProfileFileSet(DataFolder(dir), name, ProfileFileSet{profile, tracker, offsets, state, reserved}));
}

} // namespace

TEST_F(StartupTest, ThePromptOffersNameAndClosingItEndsTheProgram)
{
    // Nothing scripted: the person closes the prompt.
    EXPECT_FALSE(app->start());
    EXPECT_TRUE(app->quitRequested());
    EXPECT_TRUE(host.logged("modal StartupPrompt"));
    EXPECT_TRUE(host.logged("ended"));
    EXPECT_FALSE(app->isLoaded(ScreenId::MainWindow));
    EXPECT_FALSE(exists("NAME.use"));
}

TEST_F(StartupTest, ThePromptShowsNameWhenNoUserIsNamed)
{
    EXPECT_EQ(app->startupPrompt().title(), "Enter File Name.........");
    EXPECT_EQ(app->startupPrompt().txtUser.text(), "NAME");
}

TEST_F(StartupTest, NameUnchangedCreatesTheProfileSetOfANewUser)
{
    startAs("NAME");

    EXPECT_EQ(read("NAME.use"),
        "0,0,0\r\n"
        "0,0,0\r\n"
        "7.5,0,0\r\n"
        "\"0\",\"Single\",0\r\n"
        "0,0,0\r\n"
        "0,0,0\r\n"
        "#TRUE#,#FALSE#,\"CrUnion\"\r\n"
        "\"Bond\",\"Dues\",\"Pension\",\"Health Ins\"\r\n"
        "0,,,\r\n"
        ",,,\r\n"
        ",,,\r\n"
        ",,,\r\n");
    EXPECT_EQ(read("NAME.and"),
        "0,0,0\r\n"
        "0,0,0\r\n"
        "0,0,0\r\n"
        "#FALSE#,#FALSE#,#FALSE#\r\n"
        "\"Employee's Address for Check\",\"City, State Zip Code\",\"Soc Sec #\"\r\n"
        "\"Employee's Name\",\"\",\"\"\r\n"
        "0,0,0,0\r\n"
        "0,0,0\r\n"
        "1,0\r\n");
    EXPECT_EQ(read("NAME.cfe"), "0,0,0\r\n");
    std::string rows;
    for (int i = 0; i < 53; ++i)
        rows += "\"\"\r\n0\r\n";
    EXPECT_EQ(read("NAME.ovw"), rows);
    EXPECT_FALSE(exists("NAME.ovb"));
    // Settings files are written by the first save of the user, not by start-up.
    EXPECT_FALSE(exists("NAME.sta"));

    EXPECT_EQ(app->UserName, "NAME");
    EXPECT_EQ(main().title(), "  User:  NAME");
    EXPECT_EQ(main().lbUser.text(), "NAME");
    EXPECT_EQ(main().lbTableNotice.text(), "Weekly Tax Tables");
    EXPECT_TRUE(main().shown());
    EXPECT_FALSE(app->isLoaded(ScreenId::StartupPrompt));
    EXPECT_FALSE(app->quitRequested());
    EXPECT_EQ(app->saveUser().txtSaveUser.text(), "NAME");
}

TEST_F(StartupTest, AnEmptyNameLoadsAndSavesTheDefaultSet)
{
    EmployeeProfile defaults;
    defaults.resetToNewUser();
    defaults.HourRate = 12.5f;
    defaults.Tax5 = "Union";
    saveUserSet(dir, "", defaults);

    startAs("");

    EXPECT_EQ(app->UserName, "");
    EXPECT_EQ(app->profile.HourRate, 12.5f);
    EXPECT_EQ(main().lbTaxTag[5].caption(), "Union");
    EXPECT_EQ(main().title(), "  User:  ");
    EXPECT_EQ(lines(".use").at(2), "12.5,0,0");
    EXPECT_FALSE(exists("NAME.use"));
}

TEST_F(StartupTest, AnExistingUserIsShownWithTheStateFileValues)
{
    EmployeeProfile smith;
    smith.resetToNewUser();
    smith.HourRate = 20;
    smith.TipsRate = 3.25f;
    smith.Week = 0;
    smith.BiWeek = -1;
    smith.Tax9 = "Health, Dental";
    smith.KpPer = 0;
    smith.KpFix = 1;
    smith.Kplan = 25;
    saveUserSet(dir, "Smith", smith);
    EmployeeProfile stateValues = smith;
    stateValues.StateStatus = "Married";
    stateValues.StateExemptions = 2;
    stateValues.FedAddL = 15;
    stateValues.FedExemp = 1;
    ASSERT_FALSE(saveStateFile(dir / "Smith.sta", StateTaxSettings{}, stateValues));

    startAs("Smith");

    UserInfoScreen &info = app->userInfo();
    EXPECT_EQ(info.txtHourRate.text(), "20");
    EXPECT_EQ(info.txtTipsRate.text(), "3.25");
    EXPECT_TRUE(info.optBiWeek.selected());
    EXPECT_EQ(info.ckKpFix.value(), 1);
    EXPECT_EQ(info.ckKpPer.value(), 0);
    EXPECT_EQ(info.txtTax9.text(), "Health, Dental");
    EXPECT_EQ(info.cboStatus2.text(), "Married");
    EXPECT_EQ(info.cboDepend2.text(), "2");
    EXPECT_EQ(info.txtFedAddL.text(), "15");
    EXPECT_EQ(info.ckFedExemp.value(), 1);
    EXPECT_EQ(main().lbTableNotice.text(), "Bi-Weekly Tax Tables");
    EXPECT_EQ(main().lbTaxTag[9].caption(), "Health, Dental");
    EXPECT_EQ(app->profile.StateStatus, "Married");
    EXPECT_TRUE(exists("Smith.ovb"));
    EXPECT_FALSE(exists("Smith.ovw"));
}

TEST_F(StartupTest, LoadingNormalisesTheStoredSetAndSavesItAtOnce)
{
    // No pay frequency, both K-plan flags, a zero rate and no captions or employee texts.
    EmployeeProfile odd;
    odd.Week = 0;
    odd.BiWeek = 0;
    odd.KpPer = 1;
    odd.KpFix = 1;
    odd.Tax6 = "Savings";
    saveUserSet(dir, "Odd", odd);
    ASSERT_EQ(lines("Odd.use").at(6), "#FALSE#,#FALSE#,\"\"");

    startAs("Odd");

    const auto use = lines("Odd.use");
    EXPECT_EQ(use.at(2), "7.5,0,0");
    EXPECT_EQ(use.at(3), "\"0\",\"Single\",0");
    EXPECT_EQ(use.at(6), "#TRUE#,#FALSE#,\"CrUnion\"");
    EXPECT_EQ(use.at(7), "\"Savings\",\"Dues\",\"Pension\",\"Health Ins\"");
    EXPECT_EQ(lines("Odd.and").at(8), "1,0");
    EXPECT_EQ(lines("Odd.and").at(5), "\"Employee's Name\",\"\",\"\"");
    EXPECT_TRUE(exists("Odd.ovw"));
}

TEST_F(StartupTest, AUserNameThatCannotBeAFileNameIsRefused)
{
    for (const std::string name : {"../escape", "a/b", "c:d", "say\"hi\""}) {
        SCOPED_TRACE(name);
        makeApp();
        bool stillOpen = false;
        host.onModal(ScreenId::StartupPrompt, [&](App &a) {
            a.startupPrompt().txtUser.setText(name);
            a.startupPrompt().OKButton_Click();
            stillOpen = a.isLoaded(ScreenId::StartupPrompt);
        });
        const std::size_t before = dialogs.messages().size();
        app->start();
        EXPECT_TRUE(stillOpen);
        ASSERT_EQ(dialogs.messages().size(), before + 1);
        EXPECT_EQ(dialogs.messages().back().title, "Enter File Name.........");
        EXPECT_EQ(app->UserName, "");
        EXPECT_FALSE(app->isLoaded(ScreenId::MainWindow));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator{}),
        exists("Federal24.dtt") ? 1 : 0);
}

TEST_F(StartupTest, TheYearLedgerAndNonCitySettingsAreInMemoryBeforeTheFirstCalculation)
{
    YearLedger ledger;
    ledger.Rows[0].Date = "1/2/2026";
    ledger.Rows[0].Gross = 1500;
    ledger.Rows[1].Gross = 2500;
    ASSERT_TRUE(AddAnnual(ledger, true));
    ASSERT_FALSE(saveLedgerFile(dir / "NAME.yrw", ledger, true));
    NonCitySettings nonCity;
    nonCity.NonPer = 0.0125f;
    nonCity.NonMinWk[1] = 100;
    ASSERT_FALSE(saveNonCityFile(dir / "NAME.nci", nonCity));

    startAs("NAME");

    EXPECT_EQ(app->ledger.TotGross, Currency::fromDouble(4000));
    EXPECT_EQ(app->ledger.Rows[0].Date, "1/2/2026");
    EXPECT_EQ(app->nonCity.NonPer, 0.0125f);
    EXPECT_EQ(app->nonCity.NonMinWk[1], 100.0f);
}

TEST_F(StartupTest, ACorruptStateFileIsReportedByName)
{
    write("NAME.sta", "0,0,0.04,0,0,0.04\r\n");

    startAs("NAME");

    bool named = false;
    for (const auto &message : shownMessages())
        if (message == "You have corupted a file.|Find file,|NAME.sta|and delete it.")
            named = true;
    EXPECT_TRUE(named);
    EXPECT_TRUE(main().shown());
}

TEST_F(StartupTest, AProfileFileThatEndsEarlyIsReportedOnceAndTheUserStillOpens)
{
    EmployeeProfile cut;
    cut.resetToNewUser();
    cut.HourRate = 18;
    saveUserSet(dir, "Cut", cut);
    const std::string use = read("Cut.use");
    write("Cut.use", use.substr(0, use.find("\r\n", use.find("18")) + 2)); // records 1 to 3

    startAs("Cut");

    int reports = 0;
    for (const auto &message : shownMessages())
        if (message.find("ends early") != std::string::npos)
            ++reports;
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(app->profile.HourRate, 18.0f);
    EXPECT_EQ(main().lbUser.text(), "Cut");
    // The load's own save made the set whole again.
    EXPECT_EQ(lines("Cut.use").size(), 12u);
}
