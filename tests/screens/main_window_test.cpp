// The main window: load, keys, Clear, the week-ending picker, Print Image, About and Help.
#include "screens/app_fixture.h"

#include "taxtables/settings_files.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class MainWindowTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(startAs("NAME"));
        for (std::size_t i = 0; i < main().txtAmount.size(); ++i)
            main().txtAmount[i].onFocusRequested = [this, i] { focused = static_cast<int>(i); };
    }
    int focused = -1;
};

} // namespace

TEST_F(MainWindowTest, EnterUpAndDownMoveBetweenTheInputBoxes)
{
    const int cases[][3] = { // from, key, to (-1: the focus stays)
        { 0, ui::KeyEnter, 1 }, { 7, ui::KeyEnter, 0 }, { 6, ui::KeyDown, 7 }, { 7, ui::KeyDown, -1 },
        { 7, ui::KeyUp, 6 }, { 0, ui::KeyUp, -1 }, { 3, 'A', -1 }
    };
    for (const auto& c : cases) {
        focused = -1;
        main().txtAmount[static_cast<std::size_t>(c[0])].onKeyDown(c[1]);
        EXPECT_EQ(focused, c[2]) << "box " << c[0] << " key " << c[1];
    }
    ui::TextBox& box = main().txtAmount[2];
    for (int key : { 'a', 'E', '$', '1', ' ', '-', '.' })
        box.typeKey(key);
    EXPECT_EQ(box.text(), "1 -.");
    box.setFocus();
    EXPECT_EQ(box.selectionLength(), 4u);
}

TEST_F(MainWindowTest, ClearEmptiesThePeriodAndResetsTheWeekEnding)
{
    main().txtAmount[6].setText("12.5");
    main().lbTaxDed[3].setText("4.00");
    main().lbSDI.setText("1.00");
    main().lbNet.setText("$250.00");
    dialogs.queueDate(ui::Date { 2026, 12, 18 });
    main().txtWeek.click();
    ASSERT_EQ(main().txtWeek.text(), "12/18/2026");
    app->pay.GrossPay = 300;
    app->state.StateAdj = 7;

    main().mnuClearIitem_Click();

    EXPECT_EQ(
        main().txtAmount[6].text() + main().lbTaxDed[3].text() + main().lbSDI.text() + main().lbNet.text(),
        "");
    EXPECT_EQ(main().txtWeek.text(), "12/9/2026");
    EXPECT_EQ(app->pay.GrossPay, 0.0f);
    EXPECT_EQ(app->state.StateAdj, 7.0f) << "a setting of the user survives clearing a pay period";
}

TEST_F(MainWindowTest, TheWeekEndingPickerStartsFromTheBoxOrToday)
{
    struct Case {
        const char* box;
        ui::Date start;
        const char* boxWhenOpen;
    };
    const Case cases[] = { { "11/27/2026", { 2026, 11, 27 }, "11/27/2026" }, { "", { 2026, 12, 9 }, "" },
        // Only an empty box is given today's date: a typed text stays until a date is picked.
        { "next friday", { 2026, 12, 9 }, "next friday" }, { "2/30/2026", { 2026, 12, 9 }, "2/30/2026" },
        { "Jan 10", { 2026, 12, 9 }, "Jan 10" } };
    for (const Case& c : cases) {
        main().txtWeek.setText(c.box);
        std::string whenOpen;
        dialogs.queueDate(std::nullopt); // cancelled: the box keeps what it held
        main().txtWeek_Click();
        EXPECT_EQ(dialogs.dateRequests().back(), c.start) << c.box;
        EXPECT_EQ(main().txtWeek.text(), c.boxWhenOpen) << c.box;
    }
    dialogs.queueDateClosed(ui::Date { 2026, 12, 4 }); // picked, then closed without OK
    main().txtWeek_Click();
    EXPECT_EQ(main().txtWeek.text(), "12/4/2026");
}

TEST_F(MainWindowTest, PrintImagePrintsTheWindowOrNothingWhenCancelled)
{
    printer.setCancelChoice(true);
    main().mnuPrintItem_Click();
    EXPECT_EQ(printer.calls(), std::vector<std::string> { "choosePrinter cancelled" });
    printer.clear();
    printer.setCancelChoice(false);
    main().mnuPrintItem_Click();
    EXPECT_EQ(printer.transcript(), "choosePrinter\npicture   User:  NAME\nendDocument\n");
    EXPECT_EQ(messageCount(), 0u);
}

TEST_F(MainWindowTest, AboutHelpAndTheSettingsMenus)
{
    main().mnuAboutItem_Click();
    ASSERT_EQ(host.abouts.size(), 1u);
    EXPECT_EQ(host.abouts[0].product + " " + host.abouts[0].version, "Tallyman Version " TALLYMAN_VERSION);
    main().mnuHelpItem_Click();
    EXPECT_EQ(dialogs.helpTopics(), std::vector<std::string> { "index" });
    main().mnuState_Click();
    main().mnuCity_Click();
    main().mnuNonCity_Click();
    for (ScreenId id : { ScreenId::StateDialog, ScreenId::CityDialog, ScreenId::NonCityDialog })
        EXPECT_TRUE(host.logged(id, "shown")) << static_cast<int>(id);
}

TEST_F(MainWindowTest, LouisianaInTheStateFileHidesThePriorToJulyBox)
{
    EXPECT_TRUE(main().ckLouisPrior.visible());
    makeApp();
    StateTaxSettings louisiana;
    louisiana.Louis = 1;
    EmployeeProfile values;
    values.resetToNewUser();
    ASSERT_FALSE(saveStateFile(dir / "Lou.sta", louisiana, values));
    ASSERT_TRUE(startAs("Lou"));
    EXPECT_FALSE(main().ckLouisPrior.visible());
}
