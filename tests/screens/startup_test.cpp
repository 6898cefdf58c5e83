// Start-up: the prompt, the loads and saves it sets off, and the files they leave.
#include "app_fixture.h"

#include "ledger/year_ledger.h"
#include "storage/records.h"
#include "taxtables/settings_files.h"

using namespace tallyman;
using namespace tallyman::testing;

using StartupTest = AppTest;

TEST_F(StartupTest, NameUnchangedCreatesTheProfileSetOfANewUser)
{
    EXPECT_EQ(app->startupPrompt().txtUser.text(), "NAME");
    ASSERT_TRUE(startAs("NAME"));

    EXPECT_EQ(read("NAME.use"),
        "0,0,0\r\n0,0,0\r\n7.5,0,0\r\n\"0\",\"Single\",0\r\n0,0,0\r\n0,0,0\r\n"
        "#TRUE#,#FALSE#,\"CrUnion\"\r\n\"Bond\",\"Dues\",\"Pension\",\"Health Ins\"\r\n"
        "0,,,\r\n,,,\r\n,,,\r\n,,,\r\n");
    EXPECT_EQ(read("NAME.and"),
        "0,0,0\r\n0,0,0\r\n0,0,0\r\n#FALSE#,#FALSE#,#FALSE#\r\n"
        "\"Employee's Address for Check\",\"City, State Zip Code\",\"Soc Sec #\"\r\n"
        "\"Employee's Name\",\"\",\"\"\r\n0,0,0,0\r\n0,0,0\r\n1,0\r\n");
    EXPECT_EQ(read("NAME.cfe"), "0,0,0\r\n");
    std::string rows;
    for (int i = 0; i < 53; ++i)
        rows += "\"\"\r\n0\r\n";
    EXPECT_EQ(read("NAME.ovw"), rows);
    // Settings files are written by the first save of the user, not by start-up.
    EXPECT_FALSE(exists("NAME.ovb") || exists("NAME.sta") || exists("NAME.cti"));

    EXPECT_EQ(main().title(), "  User:  NAME");
    EXPECT_EQ(main().lbUser.text(), "NAME");
    EXPECT_EQ(main().lbTableNotice.text(), "Weekly Tax Tables");
    EXPECT_TRUE(main().shown());
    EXPECT_FALSE(app->isLoaded(ScreenId::StartupPrompt));
    EXPECT_EQ(app->saveUser().txtSaveUser.text(), "NAME");
}

TEST_F(StartupTest, ClickingIntoTheNameBoxSelectsTheWholeName)
{
    ui::TextBox& box = app->startupPrompt().txtUser;
    box.select(2, 0); // the caret placed inside the name by an earlier click
    box.click();
    EXPECT_EQ(box.selectionStart(), 0u);
    EXPECT_EQ(box.selectionLength(), 4u);
    box.typeKey('J');
    EXPECT_EQ(box.text(), "J");
}

TEST_F(StartupTest, AnEmptyNameLoadsAndSavesTheDefaultSet)
{
    EmployeeProfile defaults;
    defaults.resetToNewUser();
    defaults.HourRate = 12.5f;
    defaults.Tax5 = "Union";
    saveUser(dir, "", defaults);
    ASSERT_TRUE(startAs(""));
    EXPECT_EQ(app->UserName, "");
    EXPECT_EQ(main().lbTaxTag[5].caption(), "Union");
    EXPECT_EQ(line(".use", 2), "12.5,0,0");
    EXPECT_FALSE(exists("NAME.use"));
}

TEST_F(StartupTest, AnExistingSetIsShownNormalisedAndSavedAtOnce)
{
    EmployeeProfile smith; // no frequency, both K-plan flags, no rate, captions or texts
    smith.TipsRate = 3.25f;
    smith.KpPer = smith.KpFix = 1;
    smith.Tax9 = "Health, Dental";
    saveUser(dir, "Smith", smith);
    EmployeeProfile stateValues = smith;
    stateValues.StateStatus = "Married";
    stateValues.StateExemptions = 2;
    stateValues.FedAddL = 15;
    ASSERT_FALSE(saveStateFile(dir / "Smith.sta", StateTaxSettings {}, stateValues));

    ASSERT_TRUE(startAs("Smith"));

    UserInfoScreen& info = app->userInfo();
    EXPECT_EQ(info.txtTipsRate.text(), "3.25");
    EXPECT_EQ(info.cboStatus2.text(), "Married");
    EXPECT_EQ(info.cboDepend2.text(), "2");
    EXPECT_EQ(info.txtFedAddL.text(), "15");
    EXPECT_EQ(main().lbTaxTag[9].caption(), "Health, Dental");
    EXPECT_EQ(line("Smith.use", 2), "7.5,0,3.25");
    EXPECT_EQ(line("Smith.use", 3), "\"0\",\"Single\",0");
    EXPECT_EQ(line("Smith.use", 6), "#TRUE#,#FALSE#,\"CrUnion\"");
    EXPECT_EQ(line("Smith.use", 7), "\"Bond\",\"Dues\",\"Pension\",\"Health, Dental\"");
    EXPECT_EQ(line("Smith.and", 5), "\"Employee's Name\",\"\",\"\"");
    EXPECT_EQ(line("Smith.and", 8), "1,0");
    EXPECT_TRUE(exists("Smith.ovw"));
}

TEST_F(StartupTest, ANameThatCannotBeAFileNameIsRefusedAndClosingThePromptEnds)
{
    for (const std::string name : { "../escape", "a/b", "c:d", "say\"hi\"" }) {
        makeApp();
        bool stillOpen = false;
        host.script.push_back([&](App& a) {
            a.startupPrompt().txtUser.setText(name);
            a.startupPrompt().OKButton_Click();
            stillOpen = a.isLoaded(ScreenId::StartupPrompt);
        });
        // The prompt stays after the message; the person then closes it, which ends the program.
        EXPECT_FALSE(app->start()) << name;
        EXPECT_TRUE(stillOpen) << name;
        EXPECT_EQ(dialogs.messages().back().title, "Enter File Name.........");
        EXPECT_EQ(host.log.back(), "ended");
        EXPECT_FALSE(app->isLoaded(ScreenId::MainWindow));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1); // the federal table
}

TEST_F(StartupTest, TheYearLedgerAndNonCitySettingsAreReadBeforeTheFirstCalculation)
{
    YearLedger ledger;
    ledger.Rows[0].Gross = 1500;
    ledger.Rows[1].Gross = 2500;
    ASSERT_TRUE(AddAnnual(ledger, true));
    ASSERT_FALSE(saveLedgerFile(dir / "NAME.yrw", ledger, true));
    NonCitySettings nonCity;
    nonCity.NonPer = 0.0125f;
    ASSERT_FALSE(saveNonCityFile(dir / "NAME.nci", nonCity));

    ASSERT_TRUE(startAs("NAME"));
    EXPECT_EQ(app->ledger.TotGross, Currency::fromDouble(4000));
    EXPECT_EQ(app->nonCity.NonPer, 0.0125f);
}

// A text longer than any box holds (a tracker file full of NUL bytes, a week text of
// megabytes) is cut at load to the longest a box holds, the message says so, and the next
// save does not carry the rest.
TEST_F(StartupTest, ATextLongerThanABoxHoldsIsCutAtLoadAndReported)
{
    saveUser(dir, "Long", EmployeeProfile {});
    // Row 1: a week text of megabytes; row 2: the rest of the file, NUL bytes.
    write("Long.ovw", "\"" + std::string(3'000'000, 'x') + "\",\"0\"\r\n" + std::string(1 << 20, '\0'));
    ASSERT_TRUE(startAs("Long"));
    bool reported = false;
    for (const auto& message : dialogs.messages())
        for (const auto& text : message.lines)
            reported |= text
                == "The file Long.ovw holds a text longer than a box can show: it was cut to 32767 "
                   "characters.";
    EXPECT_TRUE(reported) << lastMessage();
    EXPECT_EQ(app->tracker.WeekEnding[0], std::string(records::LongestText, 'x'));
    EXPECT_EQ(app->tracker.WeekEnding[1].size(), records::LongestText);
    EXPECT_TRUE(app->saveUser().save(false)) << lastMessage();
    EXPECT_LT(read("Long.ovw").size(), 3 * records::LongestText);
}

TEST_F(StartupTest, DamagedFilesAreReportedOnceAndTheUserStillOpens)
{
    EmployeeProfile cut;
    cut.HourRate = 18;
    cut.Name = "Kept Name";
    cut.Cafe = 12.5f;
    saveUser(dir, "Cut", cut);
    const std::string use = read("Cut.use");
    write("Cut.use", use.substr(0, use.find("18") + 6)); // records 1 to 3
    write("Cut.sta", "0,0,0.04,0,0,0.04\r\n");

    ASSERT_TRUE(startAs("Cut"));

    std::vector<std::string> reports;
    for (const auto& message : dialogs.messages())
        reports.push_back(message.lines.at(0) + (message.lines.size() > 2 ? message.lines[2] : ""));
    EXPECT_EQ(std::count(reports.begin(), reports.end(), "The file Cut.use ends early."), 1);
    EXPECT_GE(std::count(reports.begin(), reports.end(), "You have corupted a file.Cut.sta"), 1);
    EXPECT_EQ(app->profile.HourRate, 18.0f);
    EXPECT_EQ(main().lbUser.text(), "Cut");
    EXPECT_EQ(line("Cut.use", 11), ",,,"); // the load's own save made the set whole again
    // The short .use stops only its own reading: the rest of the set was read, and the load's
    // save wrote it back as it was.
    EXPECT_EQ(app->profile.Name, "Kept Name");
    EXPECT_EQ(line("Cut.and", 5), "\"Kept Name\",\"\",\"\"");
    EXPECT_EQ(line("Cut.cfe", 0), "12.5,0,0");
}
