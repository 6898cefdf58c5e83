// The leave log: balances, Save, Clear All, Help, and how New, Open, the Save User dialog and
// Make Default reach it.
#include "screens/app_fixture.h"
#include "screens/taxtables/state_dialog.h"
#include "screens/trackers/leave_log_screen.h"

namespace tallyman::testing {
namespace {

class LeaveLogTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(startAs("Crew1"));
    }
    LeaveLogScreen& open()
    {
        main().Command1.click();
        return app->leaveLog();
    }
};

TEST_F(LeaveLogTest, BalancesFollowEveryChange)
{
    struct Case {
        const char* name;
        const char* start;
        std::vector<const char*> counts;
        const char* balance;
    };
    const Case cases[] = {
        { "the example", "10", { "1", "0.5", "2" }, "6.5" },
        { "a half day off", "10", { "2.5" }, "7.5" },
        { "an empty start box", "", { "1", "0.5", "2" }, "-3.5" },
        // A letter pasted past the key filter counts as 0.
        { "a pasted letter", "10", { "x", "1" }, "9" },
        // The days add up in single precision, as they are stored.
        { "a tenth", "10", { "0.1" }, "9.89999999850988" },
    };
    LeaveLogScreen& log = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.cmdClear_Click();
        for (auto [kind, shown] : { std::pair { 0, &log.lbVacBal }, std::pair { 1, &log.lbHolBal },
                 std::pair { 2, &log.lbSickBal } }) {
            const auto k = log.kinds()[static_cast<std::size_t>(kind)];
            k.start.setText(c.start);
            for (std::size_t i = 0; i < c.counts.size(); ++i)
                k.counts[i].setText(c.counts[i]);
            EXPECT_EQ(shown->text(), c.balance);
        }
    }
}

TEST_F(LeaveLogTest, SaveWritesTheLogAndClosesTheWindow)
{
    LeaveLogScreen& log = open();
    EXPECT_TRUE(host.logged(ScreenId::LeaveLog, "shown"));
    EXPECT_EQ(log.txtVacBal.text(), "0");
    log.txtVacBal.setText("10");
    log.txtVdate[0].setText("12/1/2026");
    log.txtVcnt[0].setText("1");
    log.txtVcnt[1].setText("0.5");
    log.txtVcnt[2].setText("2");
    log.txtScnt[19].setText("");
    log.OKButton.click();
    EXPECT_FALSE(app->isLoaded(ScreenId::LeaveLog));
    EXPECT_EQ(app->leave.VacBalance, 6.5f);
    EXPECT_EQ(line("Crew1.hol", 0), "6.5,10,0,0,0,0");
    EXPECT_EQ(line("Crew1.hol", 3), "2,0,0");
    EXPECT_EQ(line("Crew1.hol", 21), "\"12/1/2026\",\"\",\"\"");

    // The next opening reads the file again.
    app->leave = LeaveLog {};
    LeaveLogScreen& again = open();
    EXPECT_EQ(again.lbVacBal.text(), "6.5");
    EXPECT_EQ(again.txtVcnt[1].text(), "0.5");
    EXPECT_EQ(again.txtScnt[19].text(), "0");
}

TEST_F(LeaveLogTest, ABalanceThatIsNotANumberIsRefusedAndNothingIsWritten)
{
    LeaveLogScreen& log = open();
    log.OKButton.click();
    const std::string saved = read("Crew1.hol");
    LeaveLogScreen& shown = open();
    shown.txtHcnt[0].setText("3");
    shown.lbHolBal.setText("-");
    shown.OKButton.click();
    EXPECT_EQ(lastMessage(), "Holiday/Personel Balance must be a number.|The leave log was not saved.");
    EXPECT_TRUE(app->isLoaded(ScreenId::LeaveLog));
    EXPECT_EQ(read("Crew1.hol"), saved);
    EXPECT_EQ(app->leave.HolCount[0], 0);
}

TEST_F(LeaveLogTest, ClearAllThenTheCloseBoxKeepsTheFileAndTheNextSaveWritesItBack)
{
    LeaveLogScreen& log = open();
    log.txtSickBal.setText("5");
    log.txtScnt[0].setText("1");
    log.OKButton.click();
    const std::string saved = read("Crew1.hol");

    LeaveLogScreen& shown = open();
    shown.cmdClear_Click();
    EXPECT_EQ(shown.lbSickBal.text(), "0");
    EXPECT_EQ(shown.txtScnt[0].text(), "0");
    EXPECT_EQ(app->leave, LeaveLog {});
    shown.requestClose();
    app->close(ScreenId::LeaveLog);
    EXPECT_EQ(read("Crew1.hol"), saved);

    // A calculation saves the whole user: the log is read from its file and written back.
    main().txtAmount[0].setText("40");
    main().cmdCal.click();
    EXPECT_EQ(read("Crew1.hol"), saved);
    EXPECT_EQ(app->leave.SickBalance, 4);
}

TEST_F(LeaveLogTest, HelpOpensTheLeaveLogsPage)
{
    open().mnuHelp.click();
    EXPECT_EQ(dialogs.helpTopics(), std::vector<std::string> { "leave" });
}

TEST_F(LeaveLogTest, NewClearsOpenReadsAndMakeDefaultWritesTheLog)
{
    LeaveLogScreen& log = open();
    log.txtVacBal.setText("12");
    log.txtVdate[4].setText("7/4/2026");
    log.OKButton.click();

    // A new user's first save writes zeros and empty dates.
    dialogs.queueInput("Fresh");
    main().mnuNew_Click();
    EXPECT_EQ(app->leave, LeaveLog {});
    EXPECT_EQ(line("Fresh.hol", 0), "0,0,0,0,0,0");
    EXPECT_EQ(line("Fresh.hol", 25), "\"\",\"\",\"\"");

    inSaveUser(&SaveUserDialog::cmdEnd_Click);
    dialogs.queueFile("Crew1.use");
    main().mnuOpen_Click();
    EXPECT_EQ(app->UserName, "Crew1");
    EXPECT_EQ(app->leave.VacStart, 12);
    EXPECT_EQ(app->leave.VacDate[4], "7/4/2026");

    main().mnuState_Click();
    app->stateDialog().cmdMkDefault_Click();
    EXPECT_EQ(line(".hol", 0), "12,12,0,0,0,0");
    EXPECT_FALSE(app->isLoaded(ScreenId::LeaveLog));
    EXPECT_EQ(app->UserName, "Crew1");
}

TEST_F(LeaveLogTest, TheSaveUserDialogSavesAndClosesTheLog)
{
    LeaveLogScreen& log = open();
    log.txtHolBal.setText("3");
    inSaveUser(&SaveUserDialog::cmdSaveUser_Click, "Other");
    main().mnuSave_Click();
    EXPECT_FALSE(app->isLoaded(ScreenId::LeaveLog));
    EXPECT_EQ(line("Other.hol", 0), "0,0,3,3,0,0");
}

} // namespace
} // namespace tallyman::testing
