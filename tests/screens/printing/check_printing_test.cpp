// The check writer's refresh, the printer offset dialog and the main window's printouts, with
// the recording printer.
#include "screens/app_fixture.h"

#include "printing/amount_words.h"
#include "printing/period_figures.h"
#include "screens/ledger/ledger_window.h"
#include "screens/printing/check_writer.h"
#include "screens/printing/printer_offset.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class CheckPrintingTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        EmployeeProfile profile;
        profile.resetToNewUser();
        profile.Name = "Dana Whitfield";
        profile.Address = "22 Elm Street";
        profile.StateCityZip = "Portland, ME 04102";
        profile.SSnum = "123-45-6789";
        saveUser(dir, "dana", profile);
        ASSERT_TRUE(startAs("dana"));
    }
    CheckWriter& writer() { return app->checkWriter(); }
    PrinterOffsetDialog& offsets() { return app->printerOffset(); }
    bool printed(const std::string& call) const
    {
        const auto& calls = printer.calls();
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }
    // The text of the first item printed at this column, or nothing.
    std::string textAt(int column) const
    {
        const std::string prefix = "at " + std::to_string(column) + " \"";
        for (const std::string& call : printer.calls())
            if (call.starts_with(prefix) && call.ends_with("\""))
                return call.substr(prefix.size(), call.size() - prefix.size() - 1);
        return {};
    }
    // The column of the first item printed with this text, or -1.
    int columnOf(const std::string& text) const
    {
        for (const std::string& call : printer.calls())
            if (call.starts_with("at ") && call.ends_with(" \"" + text + "\""))
                return std::stoi(call.substr(3));
        return -1;
    }
};

} // namespace

TEST_F(CheckPrintingTest, RefreshReplacesEditsOfTheFilledFields)
{
    app->pay.NetPay = 1234.56f;
    main().txtWeek.setText("3/14/2026");
    EXPECT_EQ(writer().txtCheckDate.text(), "3/14/2026");
    EXPECT_EQ(writer().txtPayTo.text(), "Dana Whitfield********");
    EXPECT_EQ(writer().txtCheckAmt.text(), "**1234.56");
    EXPECT_EQ(writer().txtDollars.text(), " One Thousand Two Hundred Thirty Four and 56/100");

    for (ui::TextBox* box : { &writer().txtPayTo, &writer().txtCheckAmt, &writer().txtDollars,
             &writer().txtUserName, &writer().txtUserSSnum, &writer().txtMemo, &writer().txtCheckDate })
        box->setText("edited");
    app->pay.NetPay = 45;
    main().txtWeek.setText("3/21/2026");
    writer().onClick(); // a click on an empty part of the screen
    EXPECT_EQ(writer().txtPayTo.text(), "Dana Whitfield********");
    EXPECT_EQ(writer().txtCheckAmt.text(), "****45.00");
    EXPECT_EQ(writer().txtDollars.text(), " Forty Five and No/100");
    EXPECT_EQ(writer().txtUserName.text(), "Dana Whitfield");
    EXPECT_EQ(writer().txtUserSSnum.text(), "123-45-6789");
    // Only opening sets the date; the memo is the person's.
    EXPECT_EQ(writer().txtMemo.text(), "edited");
    EXPECT_EQ(writer().txtCheckDate.text(), "edited");
    writer().txtPayTo.setText("edited");
    writer().onActivate();
    EXPECT_EQ(writer().txtPayTo.text(), "Dana Whitfield********");
}

TEST_F(CheckPrintingTest, PrintedWordsAreTheStoredWordsNotTheWordsField)
{
    app->pay.NetPay = 1000.1f;
    writer().txtDollars.setText(" Nine Million");
    writer().txtPayTo.setText("Cash");
    offsets().OKButton_Click();
    EXPECT_TRUE(printed("at 5 \"***** One Thousand and 10/100*****\"")) << printer.transcript();
    EXPECT_EQ(columnOf("Cash"), 15); // other edits print as they stand
    EXPECT_FALSE(app->isLoaded(ScreenId::PrinterOffset));
}

// The writer and the offset dialog stay open through another calculation: the face prints the
// period its stubs print, and edits made since the last calculation stand.
TEST_F(CheckPrintingTest, TheFaceFollowsTheLatestCalculation)
{
    app->profile.HourRate = 15;
    main().txtAmount[0].setText("40");
    main().txtWeek.setText("3/14/2026");
    ASSERT_TRUE(main().Calcu_late());
    main().mnuChecks_Click();
    writer().mnuPrintCheck_Click();
    const std::string forty = writer().txtCheckAmt.text();
    writer().txtMemo.setText("For March");

    main().txtAmount[0].setText("10");
    main().txtWeek.setText("3/21/2026");
    ASSERT_TRUE(main().Calcu_late());
    offsets().OKButton_Click();
    const std::string face = textAt(102);
    EXPECT_NE(face, forty);
    EXPECT_EQ(face, printing::paddedAmount(app->pay.NetPay));
    EXPECT_EQ(textAt(107), "3/21/2026");
    EXPECT_TRUE(
        printed("at 85 \"" + printing::fieldAmount(main().lbNet.text()) + "\"")); // the stubs' net pay
    EXPECT_EQ(textAt(10), "For March");
}

// Printing stores nothing of its own: a read-only window prints at the offsets shown and says
// they were not stored.
TEST_F(CheckPrintingTest, AReadOnlyWindowPrintsWithoutStoringTheOffsets)
{
    ui::ScriptedDialogs otherDialogs;
    ui::PlainClock secondClock { ui::Date { 2026, 12, 9 } };
    ui::RecordingPrinter otherPrinter;
    ScriptedHost otherHost;
    App other(AppServices { otherDialogs, secondClock, otherPrinter, otherHost, DataFolder(dir), {} });
    otherHost.app = &other;
    otherHost.script.push_back([](App& a) {
        a.startupPrompt().txtUser.setText("dana");
        a.startupPrompt().OKButton_Click();
    });
    ASSERT_TRUE(other.start());
    ASSERT_TRUE(other.readOnly());

    const std::string before = read("dana.and");
    other.pay.NetPay = 100;
    other.printerOffset().cboHorz.setText("+2");
    other.printerOffset().OKButton_Click();
    EXPECT_NE(std::find(otherPrinter.calls().begin(), otherPrinter.calls().end(),
                  "at 17 \"Dana Whitfield********\""),
        otherPrinter.calls().end())
        << otherPrinter.transcript();
    EXPECT_EQ(otherDialogs.messages().back().lines,
        (std::vector<std::string> { "The check was printed at the offsets shown.",
            "They were not stored: the user is open read-only here." }));
    EXPECT_EQ(read("dana.and"), before);
    EXPECT_EQ(other.offsets.HorzOffset, 0.0f);
    EXPECT_FALSE(other.isLoaded(ScreenId::PrinterOffset));
}

TEST_F(CheckPrintingTest, NegativeNetPayMakesAZeroCheckAndKeepsTheNetPay)
{
    app->pay.NetPay = -12.5f;
    EXPECT_EQ(writer().txtCheckAmt.text(), "*****0.00");
    EXPECT_EQ(writer().txtDollars.text(), "Zero and No/100");
    EXPECT_EQ(app->pay.NetPay, -12.5f);
}

TEST_F(CheckPrintingTest, AMillionOrMoreIsRefused)
{
    app->pay.NetPay = 1500000;
    EXPECT_EQ(writer().txtDollars.text(), "Dollar amount is too large");
    writer().txtDollars.setText(" One Hundred");
    offsets().OKButton_Click();
    EXPECT_TRUE(printer.calls().empty()) << printer.transcript();
    EXPECT_EQ(lastMessage(), "Dollar amount is too large|No check was printed.");
}

TEST_F(CheckPrintingTest, OffsetsShowRoundedAndAreStoredWithTheProfile)
{
    app->offsets = PrinterOffsets { 2.5f, 3.5f };
    ASSERT_TRUE(app->SaveOT());
    app->offsets = {};
    EXPECT_EQ(offsets().cboHorz.text(), "2");
    EXPECT_EQ(offsets().cboVert.text(), "4");
    EXPECT_EQ(offsets().cboHorz.items().front(), "+5");
    EXPECT_EQ(offsets().cboHorz.items().size(), 11u);

    offsets().cboHorz.setText("+2");
    offsets().cboVert.setText("-1");
    offsets().cmdApply_Click();
    EXPECT_TRUE(app->isLoaded(ScreenId::PrinterOffset));
    app->offsets = {};
    app->LoadUserFiles();
    EXPECT_EQ(app->offsets.HorzOffset, 2.0f);
    EXPECT_EQ(app->offsets.VertOffset, -1.0f);
    EXPECT_TRUE(printer.calls().empty());
}

TEST_F(CheckPrintingTest, OffsetsThatAreNotNumbersAreRefused)
{
    app->pay.NetPay = 100;
    offsets().cboHorz.setText("+2");
    offsets().cboVert.setText("two");
    const std::string before = read("dana.and");
    offsets().OKButton_Click();
    EXPECT_EQ(lastMessage().substr(0, 26), "The vertical offset \"two\" ");
    EXPECT_EQ(read("dana.and"), before);
    EXPECT_EQ(app->offsets.HorzOffset, 0.0f);
    EXPECT_TRUE(printer.calls().empty());
    EXPECT_TRUE(app->isLoaded(ScreenId::PrinterOffset));

    offsets().cboHorz.setText("1e30");
    offsets().cmdTestPage_Click();
    EXPECT_EQ(lastMessage().substr(0, 28), "The horizontal offset \"1e30\"");
    EXPECT_TRUE(printer.calls().empty());
}

TEST_F(CheckPrintingTest, PrintCheckAppliesTheOffsets)
{
    app->pay.NetPay = 620.69f;
    main().txtWeek.setText("3/14/2026");
    offsets().cboHorz.setText("+2");
    offsets().cboVert.setText("-1");
    offsets().OKButton_Click();
    const auto& calls = printer.calls();
    ASSERT_GE(calls.size(), 6u);
    // No printer dialog; three blank lines, then the date 2 columns further right.
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 6),
        (std::vector<std::string> {
            "keepTextsWhole", "font Arial 11", "endLine", "endLine", "endLine", "at 109 \"3/14/2026\"" }));
    EXPECT_EQ(calls.back(), "endDocument");
    // Empty hour boxes now read "0".
    for (const ui::TextBox& box : main().txtAmount)
        EXPECT_EQ(box.text(), "0");
}

TEST_F(CheckPrintingTest, TheCheckShowsTheLedgerHeldInMemoryAndHidesItsWindow)
{
    main().cmdYear_Click();
    ASSERT_TRUE(app->ledgerWindow().shown());
    app->pay.NetPay = 10;
    app->ledger.TotFed = 321.5f; // pasted, not saved
    offsets().OKButton_Click();
    EXPECT_EQ(columnOf("321.50"), 125);
    EXPECT_TRUE(app->isLoaded(ScreenId::Ledger));
    EXPECT_FALSE(app->ledgerWindow().shown());
}

TEST_F(CheckPrintingTest, StatementReloadsTheLedgerAndMakesTheCheckWriterUnseen)
{
    app->ledger.TotFed = 321.5f; // a total the rows do not hold: the ledger is loaded afresh
    main().cmdPrint_Click();
    EXPECT_EQ(printer.calls().front(), "choosePrinter");
    EXPECT_EQ(printer.calls()[1], "choosePrinter"); // PrintText asks again
    EXPECT_EQ(columnOf("321.50"), -1);
    EXPECT_EQ(columnOf("123-45-6789"), 50);
    EXPECT_TRUE(app->isLoaded(ScreenId::CheckWriter));
    EXPECT_FALSE(writer().shown());
    EXPECT_EQ(main().txtAmount[3].text(), "0");
    EXPECT_EQ(printer.calls().back(), "endDocument");
}

TEST_F(CheckPrintingTest, CancelEndsSilentlyAndAPrinterFailureIsReported)
{
    printer.setCancelChoice(true);
    const std::size_t before = messageCount();
    main().mnuPrintSheetItem_Click();
    EXPECT_EQ(printer.transcript(), "choosePrinter cancelled\n");
    EXPECT_EQ(messageCount(), before);

    printer.setCancelChoice(false);
    printer.clear();
    printer.failAt("at 85");
    main().cmdPrint_Click();
    EXPECT_EQ(lastMessage(), "The printer stopped working.|Nothing more was printed.");
}

TEST_F(CheckPrintingTest, ChecksMenuShowsTheWriterModelessAndItsPrintOpensTheOffsets)
{
    main().mnuChecks.click();
    EXPECT_TRUE(writer().shown());
    EXPECT_TRUE(host.logged(ScreenId::CheckWriter, "shown"));
    writer().mnuPrintCheck.click();
    EXPECT_TRUE(offsets().shown());
    offsets().CancelButton.click();
    EXPECT_FALSE(app->isLoaded(ScreenId::PrinterOffset));
}
