// Save This Pay Period and Get Pay Period on the main window.
#include "numbers/formats.h"
#include "numbers/number_text.h"
#include "screens/app_fixture.h"
#include "screens/ledger/ledger_window.h"
#include "screens/printing/printer_offset.h"

#include <array>
#include <sstream>

namespace tallyman::testing {
namespace {

class PayPeriodTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(startAs("Crew1"));
    }
    // The result labels as a calculation leaves them, in the order of the file.
    std::vector<ui::Label*> amountLabels()
    {
        MainWindow& m = main();
        std::vector<ui::Label*> labels;
        for (auto& label : m.lbTaxDed)
            labels.push_back(&label);
        for (ui::Label* label :
            { &m.lbSDI, &m.lbSUI, &m.lbCafe, &m.Label13, &m.lbTaxes, &m.lbDeduct, &m.lbNet })
            labels.push_back(label);
        return labels;
    }
};

TEST_F(PayPeriodTest, SavingWritesTheInputsAndTheLabelsAsShown)
{
    MainWindow& m = main();
    m.txtWeek.setText("12/31/2024");
    m.txtAmount[0].setText("40");
    m.txtAmount[3].setText("7.5");
    for (ui::Label* label : amountLabels())
        label->setText("");
    m.lbTaxDed[0].setText("1,234.56");
    m.lbTaxDed[1].setText("$93.00");
    m.lbCafe.setText(".50");
    m.Label13.setText("$1,500.00");
    m.lbNet.setText("-$3.25");
    ASSERT_TRUE(m.cmdSavePrev.onClick);
    m.cmdSavePrev.click();

    const std::string expected = "40\r\n0\r\n0\r\n7.5\r\n0\r\n0\r\n0\r\n0\r\n"
                                 "1234.56\r\n93\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                                 "0.5\r\n1500\r\n0\r\n0\r\n-3.25\r\n";
    EXPECT_EQ(read("12_31_2024  Crew1.prv"), expected);
    EXPECT_EQ(messageCount(), 0u);
    // Empty boxes and labels now show what was saved for them.
    EXPECT_EQ(m.txtAmount[1].text(), "0");
    EXPECT_EQ(m.lbTaxes.text(), "0");

    // Saving again under the same week ending replaces the file.
    m.txtAmount[0].setText("10");
    m.cmdSavePrev.click();
    EXPECT_EQ(line("12_31_2024  Crew1.prv", 0), "10");
}

TEST_F(PayPeriodTest, ACalculatedPeriodRoundTrips)
{
    MainWindow& m = main();
    m.txtAmount[0].setText("40");
    m.cmdCal.click();
    const std::string gross = m.Label13.text();
    ASSERT_FALSE(gross.empty());
    m.txtWeek.setText("12/4/2026");
    ASSERT_TRUE(m.SavePayPeriod());

    m.Clear_All();
    dialogs.queueFile("12_4_2026  Crew1.prv");
    m.cmdPeriod.click();
    EXPECT_EQ(dialogs.fileRequests().back().filter, "Saved Files (*.prv)|*.prv");
    EXPECT_EQ(m.txtAmount[0].text(), "40");
    EXPECT_EQ(m.txtWeek.text(), "12/4/2026");
    // The labels show the plain form: no "$", no thousands separator.
    EXPECT_EQ(m.Label13.text(), formatPlainCents(*strictNumber(gross)));
    EXPECT_EQ(m.Label13.text().find('$'), std::string::npos);
}

TEST_F(PayPeriodTest, RefusedEntriesWriteNothingAndChangeNothing)
{
    struct Case {
        const char* name;
        std::function<void(MainWindow&)> set;
        const char* message;
    };
    const Case cases[] = {
        { "a lone minus in a box", [](MainWindow& m) { m.txtAmount[2].setText("-"); },
            "O.T. must be a number.|The pay period was not saved." },
        { "two points in a box", [](MainWindow& m) { m.txtAmount[7].setText("1.2.3"); },
            "TIPS (Hours) must be a number.|The pay period was not saved." },
        { "a label that is not a number", [](MainWindow& m) { m.lbTaxDed[0].setText("-"); },
            "Federal Tax must be a number.|The pay period was not saved." },
        { "a colon in the week", [](MainWindow& m) { m.txtWeek.setText("12:31"); },
            "The week ending cannot contain the character : in a file name.|The pay period was not saved." },
        { "a backslash in the week", [](MainWindow& m) { m.txtWeek.setText("..\\x"); },
            "The week ending cannot contain the character \\ in a file name.|The pay period was not saved." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindow& m = main();
        m.Clear_All();
        m.txtWeek.setText("12/31/2024");
        c.set(m);
        const auto before = std::distance(std::filesystem::directory_iterator(dir), {});
        EXPECT_FALSE(m.SavePayPeriod());
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), before);
        EXPECT_EQ(m.txtAmount[0].text(), ""); // empty boxes are left empty
    }
}

TEST_F(PayPeriodTest, RestoresOnlyFromTheDataFolderAndStopsWhereTheFileStops)
{
    MainWindow& m = main();
    m.txtWeek.setText("1/1/2026");
    m.txtAmount[0].setText("8");

    // Cancelled, or a name that is not in the data folder: nothing changes.
    dialogs.queueFile(std::nullopt);
    m.GetPayPeriod();
    dialogs.queueFile("/elsewhere/12_31_2024  Crew1.prv");
    m.GetPayPeriod();
    dialogs.queueFile("..");
    m.GetPayPeriod();
    EXPECT_EQ(m.txtWeek.text(), "1/1/2026");
    EXPECT_EQ(m.txtAmount[0].text(), "8");

    // A file chosen in another folder is read under its name from the data folder.
    write("12_31_2024  Crew1.prv", "40\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1500\r\n0.5\r\n");
    dialogs.queueFile("/elsewhere/12_31_2024  Crew1.prv");
    m.GetPayPeriod();
    EXPECT_EQ(m.txtAmount[0].text(), "40");
    EXPECT_EQ(m.lbTaxDed[0].text(), "1500.00");
    EXPECT_EQ(m.lbTaxDed[1].text(), ".50");
    EXPECT_EQ(m.lbTaxDed[2].text(), ""); // the file ended before it
    EXPECT_EQ(m.txtWeek.text(), "1/1/2026");
}

// A restored period fills the labels only; what a paste and a check read is still the last
// calculation. Both are refused with a message until the period is computed again with ADD.
TEST_F(PayPeriodTest, ARestoredPeriodIsPastedAndPrintedOnlyAfterAdd)
{
    MainWindow& m = main();
    m.txtAmount[0].setText("40");
    m.txtWeek.setText("12/4/2026");
    m.cmdCal.click();
    const std::string gross = m.Label13.text();
    const std::string net = m.lbNet.text();
    ASSERT_TRUE(m.SavePayPeriod());
    m.txtAmount[0].setText("10");
    m.cmdCal.click();
    const std::string lastPaste = formatPlainCents(app->pay.GrossPay);
    ASSERT_NE(m.Label13.text(), gross);

    dialogs.queueFile("12_4_2026  Crew1.prv");
    m.GetPayPeriod();
    ASSERT_EQ(m.Label13.text(), formatPlainCents(*strictNumber(gross)));
    const std::string refused = "The restored pay period must be computed with ADD before it can be ";

    // The paste.
    m.cmdYear_Click();
    LedgerWindow& ledger = app->ledgerWindow();
    const YearLedger before = app->ledger;
    ledger.Label2[0].click();
    EXPECT_EQ(lastMessage().substr(0, refused.size() + 7), refused + "pasted.");
    EXPECT_EQ(ledger.txtDate[0].text(), "");
    EXPECT_EQ(app->ledger.TotGross, before.TotGross);
    EXPECT_EQ(app->ledger.TotFed, before.TotFed);

    // The check (through the offset dialog's OK, as Print Check does) and the statement.
    printer.clear();
    const std::size_t shown = messageCount();
    app->printerOffset().OKButton_Click();
    EXPECT_EQ(lastMessage().substr(0, refused.size() + 8), refused + "printed.");
    m.cmdPrint_Click();
    EXPECT_EQ(messageCount(), shown + 2);
    EXPECT_TRUE(printer.calls().empty());

    // ADD computes the period shown: it is pasted and printed as computed.
    m.cmdCal.click();
    ledger.Label2[0].click();
    EXPECT_EQ(ledger.txtDate[0].text(), "12/4/2026");
    EXPECT_EQ(ledger.cells(&LedgerRow::Gross)[0].text(), formatPlainCents(*strictNumber(gross)));
    EXPECT_EQ(ledger.cells(&LedgerRow::Net)[0].text(), formatPlainCents(*strictNumber(net)));
    EXPECT_NE(ledger.cells(&LedgerRow::Gross)[0].text(), lastPaste);
    printer.clear();
    app->printerOffset().OKButton_Click();
    EXPECT_FALSE(printer.calls().empty());
    // Clear empties the labels: nothing restored stands in the window any more.
    dialogs.queueFile("12_4_2026  Crew1.prv");
    m.GetPayPeriod();
    m.Clear_All();
    EXPECT_TRUE(app->isLoaded(ScreenId::Ledger));
    const std::size_t before2 = messageCount();
    ledger.Label2[1].click();
    EXPECT_EQ(messageCount(), before2);
}

// A desktop whose short date is "10 Dec 2026": boxes show that form, but the printouts and
// saved-period names write M/D/YYYY, so dates fit the printed column and names read back.
class LongDateClock : public ui::Clock {
public:
    ui::Date today() const override { return { 2026, 12, 10 }; }
    std::string shortDate(const ui::Date& d) const override
    {
        return std::to_string(d.day) + " " + Months[static_cast<std::size_t>(d.month - 1)] + " "
            + std::to_string(d.year);
    }
    std::optional<ui::Date> parseShortDate(const std::string& text) const override
    {
        std::istringstream in(text);
        ui::Date d;
        std::string month;
        if (!(in >> d.day >> month >> d.year))
            return std::nullopt;
        const auto at = std::find(Months.begin(), Months.end(), month);
        if (at == Months.end())
            return std::nullopt;
        d.month = static_cast<int>(at - Months.begin()) + 1;
        return d;
    }

private:
    static constexpr std::array<const char*, 12> Months { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul",
        "Aug", "Sep", "Oct", "Nov", "Dec" };
};

class LongDatePayPeriodTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        otherClock = &longDates;
        makeApp();
        ASSERT_TRUE(startAs("Crew1"));
    }
    LongDateClock longDates;
};

TEST_F(LongDatePayPeriodTest, PrintoutsAndSavedNamesWriteMonthDayYear)
{
    MainWindow& m = main();
    ASSERT_EQ(m.txtWeek.text(), "10 Dec 2026");
    m.txtAmount[0].setText("40");
    m.cmdCal.click();
    ASSERT_TRUE(m.SavePayPeriod());
    EXPECT_TRUE(exists("12_10_2026  Crew1.prv"));
    // Restored, the week ending shows in the desktop's form again.
    m.txtWeek.setText("");
    dialogs.queueFile("12_10_2026  Crew1.prv");
    m.GetPayPeriod();
    EXPECT_EQ(m.txtWeek.text(), "10 Dec 2026");
    m.cmdCal.click();

    const auto printedTexts = [this] {
        std::string all;
        for (const std::string& call : printer.calls())
            all += call + "\n";
        return all;
    };
    m.cmdYear_Click();
    LedgerWindow& ledger = app->ledgerWindow();
    for (int row : { 0, 1, 2 })
        ledger.Label2[static_cast<std::size_t>(row)].click();
    EXPECT_EQ(ledger.txtDate[0].text(), "10 Dec 2026"); // the grid keeps the box's text
    printer.clear();
    ledger.mnuPrint_Click();
    const std::string ledgerPrintout = printedTexts();
    EXPECT_EQ(ledgerPrintout.find("Dec 2026"), std::string::npos) << ledgerPrintout;
    EXPECT_NE(ledgerPrintout.find("\"12/10/2026\""), std::string::npos) << ledgerPrintout;

    printer.clear();
    m.cmdPrint_Click();
    const std::string statement = printedTexts();
    EXPECT_EQ(statement.find("Dec 2026"), std::string::npos) << statement;
    EXPECT_NE(statement.find("For Week Ending: 12/10/2026"), std::string::npos) << statement;

    printer.clear();
    app->printerOffset().OKButton_Click();
    const std::string check = printedTexts();
    EXPECT_EQ(check.find("Dec 2026"), std::string::npos) << check;
    EXPECT_NE(check.find("\"12/10/2026\""), std::string::npos) << check;
}

} // namespace
} // namespace tallyman::testing
