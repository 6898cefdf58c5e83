// Save This Pay Period and Get Pay Period on the main window.
#include "numbers/formats.h"
#include "numbers/number_text.h"
#include "screens/app_fixture.h"

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

} // namespace
} // namespace tallyman::testing
