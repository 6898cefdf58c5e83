// Options > Federal Table...: the table in use, the shipped years, Install and what the main
// window shows at the next calculation.
#include "screens/app_fixture.h"

#include "screens/fed_table_dialog.h"
#include "screens/main_window.h"

using namespace tallyman;
using namespace tallyman::testing;

namespace {

class FedTableDialogTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        // The shipped schedules are the installed data of this run.
        app.reset();
        app = std::make_unique<App>(AppServices {
            dialogs, clock, printer, host, DataFolder(dir), std::filesystem::path(TALLYMAN_DATA_DIR) });
        host.app = app.get();
        ASSERT_TRUE(startAs("NAME"));
    }
};

} // namespace

TEST_F(FedTableDialogTest, InstallingAYearReplacesTheTableForTheNextCalculation)
{
    main().mnuFedTable.click();
    ASSERT_TRUE(app->isLoaded(ScreenId::FedTable));
    FedTableDialog& dialog = app->fedTableDialog();
    EXPECT_EQ(dialog.cboYear.items(), (std::vector<std::string> { "2026", "2025", "2024" }));
    EXPECT_EQ(dialog.cboYear.text(), "2026");
    EXPECT_EQ(dialog.lbVersion.caption(), "2024 Percentage Method, W-4 2019 or earlier");
    EXPECT_EQ(dialog.lbYear.caption(), "No year: W-4 2019 or earlier only");
    EXPECT_EQ(dialog.lbWageBase.caption(), "Social Security wage base $160,200");
    const std::string shipped = read("Federal24.dtt");

    ASSERT_TRUE(dialog.cmdInstall_Click());
    EXPECT_EQ(lastMessage(),
        "The 2026 federal table is installed as " + (dir / "Federal24.dtt").string()
            + ".|The previous table is kept as " + (dir / "Federal24.dtt.bak").string() + ".");
    EXPECT_EQ(read("Federal24.dtt.bak"), shipped);
    EXPECT_EQ(dialog.lbYear.caption(), "Year 2026");
    EXPECT_EQ(dialog.lbWageBase.caption(),
        "Social Security wage base $184,500, Additional Medicare above $200,000");
    // The main window shows the new version from the next calculation on.
    EXPECT_EQ(main().lbTaxVer.caption(), "2024 Percentage Method, W-4 2019 or earlier");
    dialog.cmdClose.click();
    EXPECT_FALSE(app->isLoaded(ScreenId::FedTable));
    main().txtAmount[0].setText("40");
    main().cmdCal_Click();
    EXPECT_EQ(main().lbTaxVer.caption(), "2026 Percentage Method, W-4 2019 or earlier and 2020 or later");
}

TEST_F(FedTableDialogTest, ACorruptedTableIsNamedAndInstallReplacesIt)
{
    std::string bytes = read("Federal24.dtt");
    bytes.replace(bytes.find("0.22"), 4, "-inf");
    write("Federal24.dtt", bytes);
    const std::size_t before = messageCount();
    main().txtAmount[0].setText("40");
    main().cmdCal_Click();
    ASSERT_GT(messageCount(), before);
    EXPECT_EQ(lastMessage(),
        "You have corupted a file.|Find file,|" + (dir / "Federal24.dtt").string() + "|and delete it.");
    EXPECT_EQ(main().lbTaxDed[0].caption(), ".00");

    main().mnuFedTable.click();
    FedTableDialog& dialog = app->fedTableDialog();
    EXPECT_EQ(dialog.lbVersion.caption(), "The file is corrupted: install a year to replace it.");
    dialog.cboYear.setText("2024");
    ASSERT_TRUE(dialog.cmdInstall_Click());
    EXPECT_EQ(read("Federal24.dtt.bak"), bytes);
    EXPECT_EQ(dialog.lbVersion.caption(), "2024 Percentage Method, W-4 2019 or earlier and 2020 or later");
}
