// The ledger window: paste, delete, hand corrections, Clear All, the save prompt, bi-weekly rows.
#include "screens/ledger/ledger_window.h"

#include "../app_fixture.h"
#include "numbers/number_text.h"
#include "screens/heading_dialog.h"

#include <fstream>
#include <functional>
#include <unistd.h>

namespace tallyman::testing {
namespace {

class LedgerWindowTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(startAs("Smith"));
    }
    // One calculated week on the main window: 40 hours, and `week` as its ending date.
    void calculate(const std::string& hours, const std::string& week)
    {
        main().txtAmount[0].setText(hours);
        main().txtWeek.setText(week);
        main().cmdCal_Click();
    }
    LedgerWindow& open()
    {
        main().cmdYear_Click();
        return app->ledgerWindow();
    }
    void closeWith(ui::MessageAnswer answer)
    {
        dialogs.queueAnswer(answer);
        app->ledgerWindow().mnuClose_Click();
    }
    void biWeekly()
    {
        app->userInfo().optBiWeek.click();
        app->userInfo().cmdOk_Click();
    }
};

TEST_F(LedgerWindowTest, PastingAWeekTwiceIntoOneRowCountsItOnceIntoTwoRowsTwice)
{
    calculate("40", "1/5/2024");
    LedgerWindow& w = open();
    w.Label2[0].click();
    const std::string once = w.totalBox(&LedgerRow::Gross).text();
    EXPECT_EQ(w.txtDate[0].text(), "1/5/2024");
    EXPECT_EQ(w.cells(&LedgerRow::Gross)[0].text(), once);
    w.Label2[0].click();
    EXPECT_EQ(w.totalBox(&LedgerRow::Gross).text(), once);
    w.Label2[1].click();
    EXPECT_EQ(lenientNumber(w.totalBox(&LedgerRow::Gross).text()), 2 * lenientNumber(once));
    EXPECT_EQ(app->ledger.TotGross, Currency::fromDouble(2 * lenientNumber(once)));
    // Amounts the period does not have show as .00 after a paste.
    EXPECT_EQ(w.cells(&LedgerRow::Muni)[0].text(), ".00");
}

TEST_F(LedgerWindowTest, RightClickEmptiesTheRowInPlaceAndTheTotalsDrop)
{
    LedgerWindow& w = open();
    for (const auto& [row, hours] : { std::pair { 9, "40" }, { 10, "30" }, { 11, "20" } }) {
        calculate(hours, "2/" + std::to_string(row) + "/2024");
        w.Label2[static_cast<std::size_t>(row)].click();
    }
    const std::string eleventh = w.cells(&LedgerRow::Gross)[11].text();
    const double before = lenientNumber(w.totalBox(&LedgerRow::Gross).text());
    const double tenth = lenientNumber(w.cells(&LedgerRow::Gross)[10].text());
    w.Label2[10].rightClick();
    EXPECT_EQ(w.txtDate[10].text(), "");
    EXPECT_EQ(w.cells(&LedgerRow::Fed)[10].text(), "0");
    EXPECT_EQ(w.cells(&LedgerRow::Gross)[10].text(), "0");
    EXPECT_EQ(w.cells(&LedgerRow::Gross)[11].text(), eleventh);
    EXPECT_EQ(w.txtDate[11].text(), "2/11/2024");
    EXPECT_NEAR(lenientNumber(w.totalBox(&LedgerRow::Gross).text()), before - tenth, 0.005);
}

TEST_F(LedgerWindowTest, YesSavesTheCellsTextsNoKeepsTheFileAndTheNextOpeningShowsIt)
{
    calculate("40", "1/5/2024");
    LedgerWindow& pasted = open();
    pasted.Label2[0].click();
    // The file carries each amount as its cell shows it.
    std::string expected = "\"1/5/2024\"";
    for (Amount LedgerRow::*column : { &LedgerRow::Fed, &LedgerRow::SS, &LedgerRow::Medi, &LedgerRow::State })
        expected += "," + numberText(lenientNumber(pasted.cells(column)[0].text()));
    const std::string federal = pasted.cells(&LedgerRow::Fed)[0].text();
    closeWith(ui::MessageAnswer::Yes);
    EXPECT_FALSE(app->isLoaded(ScreenId::Ledger));
    ASSERT_TRUE(exists("Smith.yrw"));
    const std::string saved = read("Smith.yrw");
    EXPECT_EQ(dialogs.messages().back().title, "Save?");
    EXPECT_EQ(dialogs.messages().back().lines.at(0), "     Do you want to save YTD");
    EXPECT_EQ(line("Smith.yrw", 0), expected);

    LedgerWindow& w = open();
    EXPECT_EQ(w.cells(&LedgerRow::Fed)[0].text(), federal);
    w.mnuClearAll_Click();
    EXPECT_EQ(w.txtDate[0].text(), "");
    EXPECT_EQ(w.totalBox(&LedgerRow::Fed).text(), ".00");
    closeWith(ui::MessageAnswer::No);
    EXPECT_EQ(read("Smith.yrw"), saved);
    EXPECT_EQ(open().cells(&LedgerRow::Fed)[0].text(), federal);
}

TEST_F(LedgerWindowTest, HandCorrectionsCountAfterAddAndTheKeyFilterGuardsNetAndGross)
{
    LedgerWindow& w = open();
    EXPECT_FALSE(w.cells(&LedgerRow::Gross)[2].typeKey('a'));
    EXPECT_FALSE(w.cells(&LedgerRow::Net)[2].typeKey('x'));
    EXPECT_TRUE(w.cells(&LedgerRow::Tips)[2].typeKey('x')); // any text, counted as its leading number
    w.cells(&LedgerRow::Gross)[2].setText("1000.5");
    w.cells(&LedgerRow::Net)[2].setText("800");
    w.cells(&LedgerRow::Tips)[2].setText("12.25 cash");
    EXPECT_EQ(w.totalBox(&LedgerRow::Gross).text(), ".00");
    w.mnuAdd_Click();
    EXPECT_EQ(w.totalBox(&LedgerRow::Gross).text(), "1000.50");
    EXPECT_EQ(w.totalBox(&LedgerRow::Net).text(), "800.00");
    EXPECT_EQ(w.totalBox(&LedgerRow::Tips).text(), "12.25");
    EXPECT_EQ(app->ledger.Rows[2].Gross, 1000.5f);
}

// A Tips cell takes any text: a number beyond what an amount holds is refused with the
// recomputation's message, the record and the file stay as they were, the window stays open.
TEST_F(LedgerWindowTest, ANumberTooLargeForAnAmountIsRefusedAndNothingIsSaved)
{
    calculate("40", "1/5/2024");
    open().Label2[0].click();
    closeWith(ui::MessageAnswer::Yes);
    const std::string saved = read("Smith.yrw");
    LedgerWindow& w = open();
    for (const std::string& text : { std::string("1E+39"), std::string("-1E+39"), std::string(400, '9') }) {
        SCOPED_TRACE(text);
        const float before = app->ledger.Rows[0].Tips;
        w.cells(&LedgerRow::Tips)[0].setText(text);
        const std::size_t shown = messageCount();
        w.mnuAdd_Click();
        EXPECT_EQ(messageCount(), shown + 1);
        EXPECT_EQ(lastMessage(), "CHECK YOUR ENTRY FOR NON NUMBER TYPE");
        EXPECT_EQ(app->ledger.Rows[0].Tips, before);
        EXPECT_FALSE(w.SaveAnnual());
        closeWith(ui::MessageAnswer::Yes);
        EXPECT_TRUE(app->isLoaded(ScreenId::Ledger));
        EXPECT_EQ(read("Smith.yrw"), saved);
    }
}

// A Gross that a row's float holds but the money totals do not: refused as the float range
// is, the window stays open and the file keeps totals that are the sums of its rows.
TEST_F(LedgerWindowTest, AnAmountBeyondTheTotalsIsRefusedAndNothingIsWritten)
{
    calculate("40", "1/5/2024");
    open().Label2[0].click();
    closeWith(ui::MessageAnswer::Yes);
    const std::string saved = read("Smith.yrw");
    LedgerWindow& w = open();
    const YearLedger before = app->ledger;
    w.cells(&LedgerRow::Gross)[1].setText("99999999999999999999");
    const std::size_t shown = messageCount();
    closeWith(ui::MessageAnswer::Yes);
    EXPECT_EQ(messageCount(), shown + 2); // the save question, then one refusal
    EXPECT_EQ(lastMessage(), "CHECK YOUR ENTRY FOR NON NUMBER TYPE");
    EXPECT_TRUE(app->isLoaded(ScreenId::Ledger));
    EXPECT_EQ(read("Smith.yrw"), saved);
    EXPECT_EQ(app->ledger.Rows[1].Gross, before.Rows[1].Gross);
    EXPECT_EQ(app->ledger.TotGross, before.TotGross);
    EXPECT_FALSE(w.SaveAnnual());
    EXPECT_EQ(read("Smith.yrw"), saved);
}

TEST_F(LedgerWindowTest, OnlyTheCloseCommandsCloseAndReopeningReloadsInsideTheOpenWindow)
{
    calculate("40", "1/5/2024");
    open();
    closeWith(ui::MessageAnswer::Yes); // the file exists: reopening reads it
    LedgerWindow& w = open();
    w.requestClose();
    EXPECT_TRUE(app->isLoaded(ScreenId::Ledger));
    EXPECT_EQ(lastMessage(), "USE CLOSE INSTEAD");
    w.Label2[4].click();
    const std::size_t shown = messageCount();
    main().cmdYear_Click();
    EXPECT_EQ(messageCount(), shown + 1);
    EXPECT_EQ(lastMessage(), "USE CLOSE INSTEAD");
    EXPECT_EQ(&app->ledgerWindow(), &w);
    EXPECT_EQ(w.txtDate[4].text(), ""); // the unsaved paste is gone
    w.cmdBack_Click();
    EXPECT_FALSE(app->isLoaded(ScreenId::Ledger));
}

// Excel: each export a new workbook in the user's private Spreadsheets folder, handed to the
// desktop; without an application for it, a save-as dialog offers to keep a copy elsewhere.
TEST_F(LedgerWindowTest, ExcelWritesANewPrivateWorkbookAndOffersSaveAsWhenNothingOpensIt)
{
    calculate("40", "1/5/2024");
    LedgerWindow& w = open();
    w.Label2[0].click();
    const auto elsewhere = dir / "kept.xlsx";
    struct Case {
        const char* what;
        bool desktopOpens;
        std::optional<std::string> chosen; // the save-as answer, when it is asked
        bool copied;
        std::string message;
    };
    for (const Case& c : {
             Case { "opened", true, std::nullopt, false, "<none>" },
             Case { "kept elsewhere", false, elsewhere.string(), true, "<none>" },
             Case { "save-as cancelled", false, std::nullopt, false, "where" },
             Case { "copy refused", false, "/no/such/folder/y.xlsx", false,
                 "The workbook was not saved as /no/such/folder/y.xlsx.|the folder /no/such/folder does not "
                 "exist" },
         }) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(elsewhere);
        const std::size_t before = dialogs.desktopFiles().size();
        const std::size_t messagesBefore = messageCount();
        dialogs.setDesktopOpens(c.desktopOpens);
        if (!c.desktopOpens)
            dialogs.queueFile(c.chosen);
        w.mnuExcel_Click();

        ASSERT_EQ(dialogs.desktopFiles().size(), before + 1);
        const std::filesystem::path book = dialogs.desktopFiles().back();
        for (std::size_t i = 0; i < before; ++i)
            EXPECT_NE(dialogs.desktopFiles()[i], book.string()) << "a new workbook each time";
        EXPECT_EQ(book.parent_path(), dir / "Spreadsheets");
        EXPECT_EQ(book.filename().string().rfind("Smith year to date ", 0), 0u) << book;
        EXPECT_EQ(read("Spreadsheets/" + book.filename().string()).substr(0, 2), "PK");
        using std::filesystem::perms;
        EXPECT_EQ(
            std::filesystem::status(book).permissions() & perms::all, perms::owner_read | perms::owner_write);
        EXPECT_EQ(std::filesystem::status(dir / "Spreadsheets").permissions() & perms::all, perms::owner_all);
        EXPECT_EQ(std::filesystem::exists(elsewhere), c.copied);
        if (c.copied) {
            EXPECT_EQ(read("kept.xlsx"), read("Spreadsheets/" + book.filename().string()));
        }
        if (c.message == "where") {
            EXPECT_EQ(lastMessage(),
                "The workbook was left in " + book.string()
                    + ".|It holds the Social Security number: delete it when it is no longer needed.");
        } else {
            EXPECT_EQ(messageCount() > messagesBefore ? lastMessage() : "<none>", c.message);
        }
    }
    // A copy over an older file others could read is as private as the export itself.
    using std::filesystem::perms;
    std::ofstream(elsewhere) << "old";
    std::filesystem::permissions(elsewhere, perms::owner_read | perms::owner_write | perms::others_read);
    dialogs.setDesktopOpens(false);
    dialogs.queueFile(elsewhere.string());
    w.mnuExcel_Click();
    EXPECT_EQ(read("kept.xlsx").substr(0, 2), "PK");
    EXPECT_EQ(std::filesystem::status(elsewhere).permissions() & perms::all,
        perms::owner_read | perms::owner_write);
    EXPECT_EQ(dialogs.unusedAnswers(), 0u);
}

// The Spreadsheets folder is used only when it is a real folder of the user's own: a link
// is not followed (nor what it leads to closed to others), and nothing is exported.
TEST_F(LedgerWindowTest, ExcelRefusesASpreadsheetsFolderThatIsNotTheUsersOwn)
{
    calculate("40", "1/5/2024");
    LedgerWindow& w = open();
    const auto folder = dir / "Spreadsheets";
    const auto outside = dir.parent_path() / ("outside-" + dir.filename().string());
    using std::filesystem::perms;
    const perms open
        = perms::owner_all | perms::group_read | perms::group_exec | perms::others_read | perms::others_exec;
    struct Case {
        const char* what;
        std::function<bool()> make; // false: cannot be arranged here
        const char* says;
    };
    for (const Case& c : {
             Case { "a link",
                 [&] {
                     std::filesystem::create_directory(outside);
                     std::filesystem::permissions(outside, open);
                     std::filesystem::create_directory_symlink(outside, folder);
                     return true;
                 },
                 "is a link, not a folder of your own" },
             Case { "a file",
                 [&] {
                     std::ofstream(folder) << "x";
                     return true;
                 },
                 "is not a folder" },
             Case { "someone else's",
                 [&] {
                     std::filesystem::create_directory(folder);
                     std::filesystem::permissions(folder, open);
                     return ::geteuid() == 0 && ::chown(folder.c_str(), 65534, 65534) == 0;
                 },
                 "belongs to another user" },
         }) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(folder);
        std::filesystem::remove_all(outside);
        if (!c.make())
            continue;
        const std::size_t opened = dialogs.desktopFiles().size();
        w.mnuExcel_Click();
        EXPECT_EQ(dialogs.desktopFiles().size(), opened);
        EXPECT_EQ(lastMessage().rfind("The year to date was not exported.|" + folder.string() + " ", 0), 0u)
            << lastMessage();
        EXPECT_NE(lastMessage().find(c.says), std::string::npos) << lastMessage();
        const auto real = std::filesystem::is_symlink(folder) ? outside : folder;
        if (std::filesystem::is_directory(real)) {
            EXPECT_EQ(std::filesystem::status(real).permissions() & perms::all, open);
            EXPECT_TRUE(std::filesystem::is_empty(real));
        }
    }
    std::filesystem::remove_all(folder);
    std::filesystem::remove_all(outside);
}

TEST_F(LedgerWindowTest, BiWeeklyShowsTwentySixRowsAndKeepsTheTwentySeventh)
{
    biWeekly();
    calculate("80", "1/12/2024");
    LedgerWindow& w = open();
    EXPECT_EQ(w.visibleRows(), 26);
    EXPECT_TRUE(w.Label2[25].visible());
    EXPECT_FALSE(w.Label2[26].visible());
    EXPECT_FALSE(w.lbHeader[1][0].visible());
    EXPECT_FALSE(w.lbHint[1].visible());
    w.Label2[0].click();
    // The 27th row is in the record and the file, as the file left it.
    w.PasteMe(26);
    EXPECT_EQ(app->ledger.Rows[26].Date, "1/12/2024");
    closeWith(ui::MessageAnswer::Yes);
    ASSERT_TRUE(exists("Smith.yrb"));
    EXPECT_EQ(line("Smith.yrb", 4 * 26), "\"1/12/2024\"," + line("Smith.yrb", 0).substr(12));
    const std::string file = read("Smith.yrb");
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 4 * 27 + 3);
}

TEST_F(LedgerWindowTest, CaptionsComeFromTheProfile)
{
    app->profile.Tax5 = "Credit U";
    LedgerWindow& w = open();
    EXPECT_EQ(w.lbHeader[0][gridColumn(&LedgerRow::Muni)].caption(), "Credit U");
    EXPECT_EQ(w.lbHeader[1][gridColumn(&LedgerRow::Muni)].caption(), "Credit U");
    EXPECT_EQ(w.totalCaption(&LedgerRow::Muni).caption(), "Credit U");
    EXPECT_EQ(w.lbHeader[0][gridColumn(&LedgerRow::Net)].caption(), "Net");
    EXPECT_EQ(w.Label2[0].toolTip(), "Click on a week number to paste in data.");
}

TEST_F(LedgerWindowTest, HeadingDialogShowsDefaultsOkSavesCancelKeepsTheFile)
{
    HeadingDialog& h = app->headingDialog();
    EXPECT_EQ(h.title(), "Print Out Heading");
    EXPECT_EQ(h.txtHeader[0].text(), "Company");
    EXPECT_EQ(h.txtHeader[3].text(), "ID Number");
    h.txtHeader[2].setText("");
    h.OKButton_Click();
    EXPECT_FALSE(app->isLoaded(ScreenId::Heading));
    EXPECT_EQ(line("Header.sav", 0), "\"Company\",\"Address\",\"\",\"ID Number\"");
    HeadingDialog& again = app->headingDialog();
    EXPECT_EQ(again.txtHeader[2].text(), "Zip Code");
    again.txtHeader[0].setText("Acme");
    again.CancelButton_Click();
    EXPECT_EQ(line("Header.sav", 0), "\"Company\",\"Address\",\"\",\"ID Number\"");
    // A text the file cannot hold is refused; the dialog stays open and nothing is written.
    HeadingDialog& bad = app->headingDialog();
    bad.txtHeader[0].setText("Say \"hi\"");
    EXPECT_FALSE(bad.OKButton_Click());
    EXPECT_TRUE(app->isLoaded(ScreenId::Heading));
    EXPECT_EQ(line("Header.sav", 0), "\"Company\",\"Address\",\"\",\"ID Number\"");
}

TEST_F(LedgerWindowTest, HeadingRefusalNamesTheBoxAndTheCharacter)
{
    struct Case {
        std::size_t box;
        const char* text;
        const char* said;
    };
    const Case cases[] = {
        { 0, "Say \"hi\"", "Company cannot hold the double quote (\")" },
        { 1, "Main St\tSuite 4", "Address cannot hold a tab" },
        { 2, "Zip\n12345", "City, State, Zip cannot hold a line break" },
        { 3, "ID \xE6\x9D\xB1 9", "ID Number cannot hold the character \"\xE6\x9D\xB1\"" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        HeadingDialog& h = app->headingDialog();
        h.txtHeader[c.box].setText(c.text);
        EXPECT_FALSE(h.OKButton_Click());
        ASSERT_GE(dialogs.messages().back().lines.size(), 2u);
        EXPECT_EQ(dialogs.messages().back().lines[1].rfind(c.said, 0), 0u) << lastMessage();
        EXPECT_FALSE(exists("Header.sav"));
        h.CancelButton_Click();
    }
}

} // namespace
} // namespace tallyman::testing
