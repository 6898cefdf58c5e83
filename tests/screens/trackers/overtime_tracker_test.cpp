// The overtime tracker: TOTAL and its example, New Week, Undo, Back, the defaults, the refusals
// and the keys of its table.
#include "screens/app_fixture.h"
#include "screens/trackers/overtime_tracker.h"

namespace tallyman::testing {
namespace {

class OvertimeTrackerTest : public AppTest {
protected:
    // Starts a user with the given pay frequency and opens the tracker from the main window.
    OvertimeTrackerScreen& openFor(bool weekly, const OvertimeTracker& record = {})
    {
        test::UserRecords user;
        user.profile.resetToNewUser();
        user.profile.Week = weekly ? -1 : 0;
        user.profile.BiWeek = weekly ? 0 : -1;
        user.tracker = record;
        EXPECT_FALSE(user.save(DataFolder(dir), "Crew1"));
        EXPECT_TRUE(startAs("Crew1"));
        main().cmdOT.click();
        return app->overtimeTracker();
    }
};

TEST_F(OvertimeTrackerTest, TotalComputesAndSavesTheWorkedExamples)
{
    struct Case {
        const char* name;
        bool weekly;
        const char *annual, *percent;
        std::vector<std::pair<int, const char*>> rows; // row, O.T. text; the others stay "0"
        float earned, max, available;
        const char *lbEarned, *txtPercent, *lbMax, *lbAvail;
    };
    std::vector<std::pair<int, const char*>> tens;
    for (int i = 0; i < 53; ++i)
        tens.emplace_back(i, "10");
    const Case cases[] = {
        { "the example", true, "52000", "15", { { 0, "6000" }, { 30, "240.5" } }, 6240.5f, 7800, 1559.5f,
            "$6,240.50", "12.%", "$7,800.00", "$1,559.50" },
        { "53 rows of 10", true, "52000", "15", tens, 530, 7800, 7270, "$530.00", "1.02%", "$7,800.00",
            "$7,270.00" },
        // Bi-weekly counts its 27 rows, the one kept out of sight too.
        { "27 bi-weekly rows of 10", false, "52000", "15", tens, 270, 7800, 7530, "$270.00", ".52%",
            "$7,800.00", "$7,530.00" },
        { "no percentage", true, "50000", "0", { { 3, "100" } }, 100, 0, -100, "$100.00", ".2%", "$.00",
            "-$100.00" },
        // Text that is not a number counts as 0 and is saved as 0.
        { "a word in a row", true, "10000", "10", { { 0, "abc" }, { 1, "12abc" } }, 12, 1000, 988, "$12.00",
            ".12%", "$1,000.00", "$988.00" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        makeApp();
        OvertimeTrackerScreen& t = openFor(c.weekly);
        t.txtAnnual.setText(c.annual);
        t.txtApPercent.setText(c.percent);
        for (auto& box : t.txtOT)
            box.setText("0");
        for (const auto& [row, text] : c.rows)
            t.txtOT[static_cast<std::size_t>(row)].setText(text);
        const std::size_t before = messageCount();
        ASSERT_TRUE(t.cmdADD_Click());
        EXPECT_EQ(messageCount(), before);
        EXPECT_EQ(app->tracker.Earned, c.earned);
        EXPECT_EQ(app->tracker.MaxAllowable, c.max);
        EXPECT_EQ(app->tracker.Available, c.available);
        EXPECT_EQ(app->tracker.PresentRate,
            static_cast<float>(static_cast<double>(c.earned) / std::stod(c.annual)));
        EXPECT_EQ(t.lbEarned.text(), c.lbEarned);
        EXPECT_EQ(t.txtPercent.text(), c.txtPercent);
        EXPECT_EQ(t.lbMax.text(), c.lbMax);
        EXPECT_EQ(t.lbAvail.text(), c.lbAvail);
        // Every TOTAL writes the profile set, rows included.
        EXPECT_EQ(
            line("Crew1.use", 1).substr(0, std::string(c.annual).size() + 1), std::string(c.annual) + ",");
    }
}

TEST_F(OvertimeTrackerTest, TheWorkedExampleLandsInTheProfileFile)
{
    OvertimeTrackerScreen& t = openFor(true);
    t.txtAnnual.setText("52000");
    t.txtApPercent.setText("15");
    t.txtOT[0].setText("6240.5");
    t.Text1[0].setText("12/4/2026");
    ASSERT_TRUE(t.cmdADD_Click());
    EXPECT_EQ(line("Crew1.use", 0), "6240.5,7800,1559.5");
    EXPECT_EQ(line("Crew1.use", 1), "52000,15,0.12");
    EXPECT_EQ(line("Crew1.ovw", 0), "\"12/4/2026\"");
    EXPECT_EQ(line("Crew1.ovw", 1), "6240.5");
}

TEST_F(OvertimeTrackerTest, RefusalsComputeNothingAndSaveNothing)
{
    struct Case {
        const char *annual, *percent;
        const char *title, *message;
    };
    const Case cases[] = {
        { "", "15", "Attention", "Please enter amounts in|Annual Salary and|Approved Percent Boxes." },
        { "52000", "", "Attention", "Please enter amounts in|Annual Salary and|Approved Percent Boxes." },
        { "0", "0", "Attention", "Please enter amounts in|Annual Salary and|Approved Percent Boxes." },
        // A salary of 0 would divide by zero.
        { "0", "15", "Attention", "Please enter amounts in|Annual Salary and|Approved Percent Boxes." },
        { "-", "15", "Tallyman", "Annual Salary must be a number.|Nothing was computed or saved." },
        { "52000", "1.2.3", "Tallyman",
            "Approved Percentage must be a number.|Nothing was computed or saved." },
        { "1E+39", "15", "Tallyman", "Annual Salary is too large.|Nothing was computed or saved." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.annual) + " / " + c.percent);
        makeApp();
        OvertimeTrackerScreen& t = openFor(true);
        const std::string use = read("Crew1.use");
        const OvertimeTracker record = app->tracker;
        t.txtAnnual.setText(c.annual);
        t.txtApPercent.setText(c.percent);
        t.txtOT[0].setText("500");
        EXPECT_FALSE(t.cmdADD_Click());
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(dialogs.messages().back().title, c.title);
        EXPECT_EQ(app->tracker, record);
        EXPECT_EQ(read("Crew1.use"), use);
        // Shown again, the window totals quietly: no message box, nothing saved.
        const std::size_t shown = messageCount();
        t.totalOnShow();
        EXPECT_EQ(messageCount(), shown);
        EXPECT_EQ(read("Crew1.use"), use);
    }
}

TEST_F(OvertimeTrackerTest, ShowingTheWindowSavesOnlyWhenTheFiguresChanged)
{
    OvertimeTracker record;
    record.Annual = 40000;
    record.ApPercent = 10;
    record.OtAmount.fill("0");
    record.MaxAllowable = 4000;
    record.Available = 4000;
    OvertimeTrackerScreen& t = openFor(true, record);
    EXPECT_EQ(t.lbMax.text(), "$4,000.00");
    EXPECT_EQ(t.lbAvail.text(), "$4,000.00");
    std::filesystem::remove(dir / "Crew1.use");
    t.totalOnShow();
    EXPECT_FALSE(exists("Crew1.use"));
    t.txtOT[2].setText("100");
    t.totalOnShow();
    EXPECT_TRUE(exists("Crew1.use"));
    EXPECT_EQ(line("Crew1.use", 0), "100,4000,3900");
}

TEST_F(OvertimeTrackerTest, NewWeekMovesTheRowsUpAndUndoBringsBackTheLastSave)
{
    for (const bool weekly : { true, false }) {
        SCOPED_TRACE(weekly ? "weekly" : "bi-weekly");
        makeApp();
        OvertimeTrackerScreen& t = openFor(weekly);
        const std::size_t rows = weekly ? 53 : 27;
        for (std::size_t i = 0; i < 53; ++i) {
            t.Text1[i].setText("w" + std::to_string(i));
            t.txtOT[i].setText(std::to_string(i + 1));
        }
        t.txtApPercent.setText("10");
        ASSERT_TRUE(t.cmdADD_Click());

        t.cmdAdvance_Click();
        for (std::size_t i = 0; i + 1 < rows; ++i) {
            EXPECT_EQ(t.Text1[i].text(), "w" + std::to_string(i + 1));
            EXPECT_EQ(t.txtOT[i].text(), std::to_string(i + 2));
        }
        EXPECT_EQ(t.Text1[rows - 1].text(), "");
        EXPECT_EQ(t.txtOT[rows - 1].text(), "0");
        if (!weekly) {
            EXPECT_EQ(t.Text1[27].text(), "w27"); // beyond the bi-weekly range: untouched
        }
        // Nothing is saved until the next TOTAL or Back.
        EXPECT_EQ(line(weekly ? "Crew1.ovw" : "Crew1.ovb", 0), "\"w0\"");

        t.txtAnnual.setText("99");
        t.cmdUndo_Click();
        EXPECT_EQ(t.Text1[0].text(), "w0");
        EXPECT_EQ(t.txtOT[rows - 1].text(), std::to_string(rows));
        EXPECT_EQ(t.txtAnnual.text(), "25600");
        EXPECT_EQ(t.txtApPercent.text(), "10");
    }
}

TEST_F(OvertimeTrackerTest, DefaultsAfterLoadAndAfterNew)
{
    OvertimeTrackerScreen& t = openFor(true);
    EXPECT_EQ(t.txtAnnual.text(), "25600");
    EXPECT_EQ(t.txtApPercent.text(), "0");
    EXPECT_EQ(t.txtOT[52].text(), "0");
    EXPECT_EQ(t.width(), TrackerWidthWeekly);
    EXPECT_TRUE(t.Frame2.visible());
    t.txtApPercent.setText("15");
    t.txtOT[4].setText("70");
    ASSERT_TRUE(t.cmdADD_Click());

    dialogs.queueInput("Fresh");
    main().mnuNew_Click();
    EXPECT_FALSE(app->isLoaded(ScreenId::OvertimeTracker));
    EXPECT_EQ(app->tracker.Annual, 11440);
    EXPECT_EQ(app->tracker.OtAmount[4], "0");
    main().cmdOT.click();
    OvertimeTrackerScreen& fresh = app->overtimeTracker();
    EXPECT_TRUE(fresh.shown());
    EXPECT_EQ(fresh.txtAnnual.text(), "11440");
    EXPECT_EQ(fresh.txtOT[4].text(), "0");
    EXPECT_EQ(line("Fresh.use", 1), "11440,0,0");
}

TEST_F(OvertimeTrackerTest, OpeningCopiesThePeriodAndFitsThePayFrequency)
{
    saveUser(dir, "Other", EmployeeProfile {});
    OvertimeTrackerScreen& t = openFor(false);
    EXPECT_EQ(t.width(), TrackerWidthBiWeekly);
    EXPECT_FALSE(t.Frame2.visible());
    EXPECT_EQ(t.lbWk.text(), "12/9/2026");
    EXPECT_TRUE(host.logged(ScreenId::OvertimeTracker, "shown"));

    main().lbOverT.setText("$45.00");
    main().txtWeek.setText("12/4/2026");
    main().mnuOtItem.click();
    EXPECT_EQ(t.lb_OT.text(), "$45.00");
    EXPECT_EQ(t.lbWk.text(), "12/4/2026");
}

TEST_F(OvertimeTrackerTest, BackSavesTheRowsAndClosesAndTheSaveUserDialogClosesIt)
{
    OvertimeTrackerScreen& t = openFor(true);
    t.Text1[7].setText("11/1/2026");
    t.txtOT[7].setText("");
    t.cmdClose_Click();
    EXPECT_FALSE(app->isLoaded(ScreenId::OvertimeTracker));
    EXPECT_EQ(app->tracker.WeekEnding[7], "11/1/2026");
    EXPECT_EQ(app->tracker.OtAmount[7], "0");
    EXPECT_EQ(line("Crew1.ovw", 14), "\"11/1/2026\"");

    main().cmdOT.click();
    EXPECT_EQ(app->overtimeTracker().Text1[7].text(), "11/1/2026");
    inSaveUser(&SaveUserDialog::cmdEnd_Click);
    main().mnuSave_Click();
    EXPECT_FALSE(app->isLoaded(ScreenId::OvertimeTracker));
}

TEST_F(OvertimeTrackerTest, AnOpenTrackerIsWhatEverySaveWrites)
{
    OvertimeTrackerScreen& t = openFor(true);
    t.txtAnnual.setText("30000");
    t.txtOT[0].setText("");
    t.Text1[0].setText("typed");
    main().txtAmount[0].setText("40");
    main().cmdCal.click();
    EXPECT_EQ(line("Crew1.use", 1).substr(0, 8), "30000,0,");
    EXPECT_EQ(line("Crew1.ovw", 0), "\"typed\"");
    EXPECT_EQ(line("Crew1.ovw", 1), "0");
    // A calculation keeps the tracker the person has open.
    EXPECT_TRUE(app->isLoaded(ScreenId::OvertimeTracker));
    EXPECT_EQ(t.txtOT[0].text(), "0");
}

TEST_F(OvertimeTrackerTest, PrintIsTheWindowsPictureAndCancelPrintsNothing)
{
    OvertimeTrackerScreen& t = openFor(true);
    printer.setCancelChoice(true);
    t.cmdPrint_Click();
    EXPECT_EQ(printer.calls(), std::vector<std::string> { "choosePrinter cancelled" });
    printer.clear();
    printer.setCancelChoice(false);
    t.cmdPrint_Click();
    EXPECT_EQ(printer.calls(),
        (std::vector<std::string> { "choosePrinter", "picture OverTime Percentage", "endDocument" }));
}

TEST_F(OvertimeTrackerTest, KeysMoveThroughTheTable)
{
    enum Column { Week, Ot, None };
    struct Case {
        bool weekly;
        Column from;
        int row;
        int key;
        Column to;
        int toRow;
    };
    const Case cases[] = {
        { true, Week, 0, ui::KeyEnter, Week, 1 },
        { true, Week, 52, ui::KeyEnter, Week, 0 },
        { true, Ot, 52, ui::KeyEnter, Ot, 0 },
        { true, Ot, 25, ui::KeyDown, Ot, 26 }, // from the first block into the second
        { true, Ot, 52, ui::KeyDown, None, 0 },
        { true, Week, 0, ui::KeyUp, None, 0 },
        { true, Week, 30, ui::KeyUp, Week, 29 },
        { true, Week, 51, ui::KeyRight, Ot, 51 },
        { true, Week, 52, ui::KeyRight, None, 0 },
        { true, Ot, 10, ui::KeyLeft, Week, 10 },
        { true, Ot, 10, ui::KeyRight, None, 0 },
        { true, Week, 10, ui::KeyLeft, None, 0 },
        { false, Week, 24, ui::KeyEnter, Week, 25 },
        { false, Week, 25, ui::KeyEnter, Week, 0 },
        { false, Ot, 25, ui::KeyEnter, Ot, 0 },
        // Bi-weekly's 27th row is kept but not shown: the keys never go there.
        { false, Ot, 25, ui::KeyDown, None, 0 },
        { false, Week, 25, ui::KeyRight, Ot, 25 },
        { false, Ot, 0, ui::KeyLeft, Week, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.weekly ? "weekly" : "bi-weekly") + " row " + std::to_string(c.row)
            + " key " + std::to_string(c.key));
        makeApp();
        OvertimeTrackerScreen& t = openFor(c.weekly);
        std::vector<std::pair<Column, int>> focused;
        for (int i = 0; i < 53; ++i) {
            t.Text1[static_cast<std::size_t>(i)].onFocusRequested
                = [&focused, i] { focused.emplace_back(Week, i); };
            t.txtOT[static_cast<std::size_t>(i)].onFocusRequested
                = [&focused, i] { focused.emplace_back(Ot, i); };
        }
        if (c.from == Week)
            t.Text1[static_cast<std::size_t>(c.row)].onKeyDown(c.key);
        else
            t.txtOT[static_cast<std::size_t>(c.row)].onKeyDown(c.key);
        if (c.to == None) {
            EXPECT_TRUE(focused.empty());
        } else {
            ASSERT_EQ(focused.size(), 1u);
            EXPECT_EQ(focused[0], std::make_pair(c.to, c.toRow));
        }
    }
}

// A tracker left open through ADD: the calculation saves the rows it shows, with the figures
// of those rows, and the window shows them and the period just computed.
TEST_F(OvertimeTrackerTest, AnOpenTrackerIsRefreshedByTheCalculation)
{
    OvertimeTrackerScreen& t = openFor(true);
    t.txtAnnual.setText("52000");
    t.txtApPercent.setText("15");
    t.txtOT[0].setText("1000");
    ASSERT_TRUE(t.cmdADD_Click());
    ASSERT_EQ(line("Crew1.use", 0), "1000,7800,6800");
    t.txtOT[1].setText("68.5");
    main().txtAmount[0].setText("40");
    main().txtAmount[3].setText("2");
    main().txtWeek.setText("12/11/2026");
    main().cmdCal.click();
    ASSERT_TRUE(app->isLoaded(ScreenId::OvertimeTracker));
    EXPECT_EQ(line("Crew1.use", 0), "1068.5,7800,6731.5");
    EXPECT_EQ(app->tracker.Earned, 1068.5f);
    EXPECT_EQ(t.lbEarned.text(), "$1,068.50");
    EXPECT_EQ(t.lbAvail.text(), "$6,731.50");
    EXPECT_EQ(t.lb_OT.text(), main().lbOverT.text());
    EXPECT_FALSE(t.lb_OT.text().empty());
    EXPECT_EQ(t.lbWk.text(), "12/11/2026");
}

TEST_F(OvertimeTrackerTest, TheWeekEndingPickerOfARow)
{
    OvertimeTrackerScreen& t = openFor(true);
    // An empty row starts at today; the picked date shows at once.
    dialogs.queueDate(ui::Date { 2026, 11, 27 });
    t.Text1[3].click();
    EXPECT_EQ(t.Text1[3].text(), "11/27/2026");
    // Text that is not a date starts the picker at today's date, then the picker closes
    // without OK: the date picked on the way shows.
    t.Text1[4].setText("last week");
    dialogs.queueDateClosed(ui::Date { 2026, 12, 1 });
    t.Text1[4].click();
    EXPECT_EQ(t.Text1[4].text(), "12/1/2026");
    EXPECT_EQ(dialogs.dateRequests().back(), (ui::Date { 2026, 12, 9 }));
    // A cancelled picker leaves what was typed, date or not.
    for (const char* typed : { "1/3/2026", "Jan 10" }) {
        t.Text1[5].setText(typed);
        dialogs.queueDate(std::nullopt);
        t.Text1[5].click();
        EXPECT_EQ(t.Text1[5].text(), typed);
    }
    EXPECT_EQ(dialogs.dateRequests().back(), (ui::Date { 2026, 12, 9 }));
    EXPECT_EQ(dialogs.dateRequests().end()[-2], (ui::Date { 2026, 1, 3 }));
}

} // namespace
} // namespace tallyman::testing
