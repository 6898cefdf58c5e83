// The main window: load, keys, Clear, the week-ending picker, Print Image, About and Help.
#include "app/app_fixture.h"

#include "taxtables/settings_files.h"
#include "taxtables/state_dialog.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class MainWindowTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        startAs("NAME");
        for (std::size_t i = 0; i < main().txtAmount.size(); ++i)
            main().txtAmount[i].onFocusRequested = [this, i] { focused = static_cast<int>(i); };
    }
    int focused = -1;
};

} // namespace

TEST_F(MainWindowTest, LoadShowsTodayTheTagsAndEmptyResults)
{
    EXPECT_EQ(main().txtWeek.text(), "12/9/2026");
    EXPECT_EQ(main().lbTaxTag[0].caption(), "Federal Tax");
    EXPECT_EQ(main().lbTaxTag[5].caption(), "CrUnion");
    EXPECT_EQ(main().lbTaxTag[9].caption(), "Health Ins");
    EXPECT_EQ(main().lbTaxTag[12].caption(), "GROSS PAY");
    EXPECT_EQ(main().Label13.text(), "");
    EXPECT_EQ(main().lbNet.text(), "");
    EXPECT_TRUE(main().opt1x.selected());
    EXPECT_TRUE(main().ckLouisPrior.visible());
    EXPECT_EQ(app->pay.PayRate, 7.5f);
}

TEST_F(MainWindowTest, EnterUpAndDownMoveBetweenTheInputBoxes)
{
    struct Case {
        int from;
        int key;
        int to; // -1: the focus stays
    };
    const Case cases[] = {
        {0, ui::KeyEnter, 1}, {6, ui::KeyEnter, 7}, {7, ui::KeyEnter, 0}, {0, ui::KeyDown, 1},
        {6, ui::KeyDown, 7},  {7, ui::KeyDown, -1}, {7, ui::KeyUp, 6},    {1, ui::KeyUp, 0},
        {0, ui::KeyUp, -1},   {3, 'A', -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << "box " << c.from << " key " << c.key);
        focused = -1;
        main().txtAmount[static_cast<std::size_t>(c.from)].onKeyDown(c.key);
        EXPECT_EQ(focused, c.to);
    }
}

TEST_F(MainWindowTest, InputBoxesTakeOnlyNumberKeysAndSelectOnFocus)
{
    ui::TextBox &box = main().txtAmount[2];
    for (int key : {'a', 'E', '$', ','})
        EXPECT_FALSE(box.typeKey(key)) << char(key);
    for (int key : {'1', ' ', '-', '.', '0'})
        EXPECT_TRUE(box.typeKey(key)) << char(key);
    EXPECT_EQ(box.text(), "1 -.0");
    box.setFocus();
    EXPECT_EQ(box.selectionStart(), 0u);
    EXPECT_EQ(box.selectionLength(), 5u);
}

TEST_F(MainWindowTest, ClearEmptiesThePeriodAndResetsTheWeekEnding)
{
    main().txtAmount[0].setText("40");
    main().txtAmount[6].setText("12.5");
    main().lbTaxDed[3].setText("4.00");
    main().lbSDI.setText("1.00");
    main().Label13.setText("$300.00");
    main().lbNet.setText("$250.00");
    main().txtWeek.setText("1/2/2026");
    app->pay.GrossPay = 300;
    app->pay.SdiYtdGross = 5;
    app->state.StateAdj = 7;

    main().cmdClear_Click();

    for (const auto &box : main().txtAmount)
        EXPECT_EQ(box.text(), "");
    EXPECT_EQ(main().lbTaxDed[3].text(), "");
    EXPECT_EQ(main().lbSDI.text(), "");
    EXPECT_EQ(main().Label13.text(), "");
    EXPECT_EQ(main().lbNet.text(), "");
    EXPECT_EQ(main().txtWeek.text(), "12/9/2026");
    EXPECT_EQ(app->pay.GrossPay, 0.0f);
    EXPECT_EQ(app->pay.SdiYtdGross, 0.0f);
    EXPECT_EQ(app->state.StateAdj, 0.0f);
}

TEST_F(MainWindowTest, TheWeekEndingPickerStartsFromTheBoxAndWritesThePickedDate)
{
    struct Case {
        const char *box;
        ui::Date start;
        const char *boxWhenOpen;
    };
    const Case cases[] = {
        {"11/27/2026", {2026, 11, 27}, "11/27/2026"},
        {"", {2026, 12, 9}, ""},
        {"next friday", {2026, 12, 9}, "12/9/2026"},
        {"2/30/2026", {2026, 12, 9}, "12/9/2026"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.box);
        main().txtWeek.setText(c.box);
        std::string seen;
        dialogs.queueDate(ui::Date{2026, 12, 18});
        main().txtWeek.onChange = [&] {
            if (seen.empty())
                seen = main().txtWeek.text();
        };
        main().txtWeek_Click();
        main().txtWeek.onChange = nullptr;
        EXPECT_EQ(dialogs.dateRequests().back(), c.start);
        if (std::string(c.boxWhenOpen) != c.box) {
            EXPECT_EQ(seen, c.boxWhenOpen);
        }
        EXPECT_EQ(main().txtWeek.text(), "12/18/2026");
    }
}

TEST_F(MainWindowTest, ClosingThePickerKeepsWhatItShowedAndCancelKeepsTheBox)
{
    main().txtWeek.setText("11/27/2026");
    dialogs.queueDateClosed(ui::Date{2026, 12, 4});
    main().txtWeek_Click();
    EXPECT_EQ(main().txtWeek.text(), "12/4/2026");

    dialogs.queueDate(std::nullopt);
    main().txtWeek_Click();
    EXPECT_EQ(main().txtWeek.text(), "12/4/2026");

    main().cmdClear_Click();
    EXPECT_EQ(main().txtWeek.text(), "12/9/2026");
}

TEST_F(MainWindowTest, PrintImagePrintsTheWindowOrNothingWhenCancelled)
{
    printer.setCancelChoice(true);
    main().mnuPrintItem_Click();
    EXPECT_EQ(printer.calls(), std::vector<std::string>{"choosePrinter cancelled"});

    printer.clear();
    printer.setCancelChoice(false);
    main().mnuPrintItem_Click();
    EXPECT_EQ(printer.calls(),
        (std::vector<std::string>{"choosePrinter", "picture " + main().title(), "endDocument"}));
    EXPECT_EQ(dialogs.messages().size(), 0u);
}

TEST_F(MainWindowTest, AboutShowsProductAndVersionAndHelpOpensItsIndex)
{
    main().mnuAboutItem_Click();
    ASSERT_EQ(host.abouts.size(), 1u);
    EXPECT_EQ(host.abouts[0].product, "Tallyman");
    EXPECT_EQ(host.abouts[0].version, "Version 1.0.0");

    main().mnuHelpItem_Click();
    EXPECT_EQ(dialogs.helpTopics(), std::vector<std::string>{"index"});
}

TEST_F(MainWindowTest, LouisianaInTheStateFileHidesThePriorToJulyBox)
{
    makeApp();
    StateTaxSettings louisiana;
    louisiana.Louis = 1;
    EmployeeProfile values;
    values.resetToNewUser();
    ASSERT_FALSE(saveStateFile(path("Lou.sta"), louisiana, values));
    startAs("Lou");
    EXPECT_FALSE(main().ckLouisPrior.visible());
}

TEST_F(MainWindowTest, StateCityAndNonCityMenusShowTheirDialogs)
{
    main().mnuState_Click();
    main().mnuCity_Click();
    main().mnuNonCity_Click();
    EXPECT_TRUE(app->stateDialog().shown());
    EXPECT_TRUE(host.logged("shown StateDialog"));
    EXPECT_TRUE(host.logged("shown CityDialog"));
    EXPECT_TRUE(host.logged("shown NonCityDialog"));
}
