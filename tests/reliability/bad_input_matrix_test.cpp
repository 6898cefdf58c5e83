// Every hostile text in every entry box of every screen, then the screen's command: no crash,
// no undefined behaviour (the sanitizer build runs this too), and either a sound result or a
// refusal with a message that leaves every file as it was.
#include "ledger/year_ledger.h"
#include "screens/app_fixture.h"
#include "screens/heading_dialog.h"
#include "screens/ledger/ledger_window.h"
#include "screens/printing/check_writer.h"
#include "screens/printing/printer_offset.h"
#include "screens/taxtables/city_dialog.h"
#include "screens/taxtables/noncity_dialog.h"
#include "screens/taxtables/state_dialog.h"
#include "screens/trackers/leave_log_screen.h"
#include "screens/trackers/overtime_tracker.h"
#include "support/user_records.h"
#include "taxtables/settings_files.h"
#include "trackers/leave_log.h"

#include <map>

namespace tallyman::testing {
namespace {

const std::vector<std::string>& hostileTexts()
{
    static const std::vector<std::string> texts { "", "-", ".", "1.2.3", "1E+39", "-1E+39", "NaN", "inf",
        std::string(10000, '9'), "\xE2\x82\xAC" /* € */, "\xC3\xA9" /* é */, "\xF0\x9F\x98\x80" /* 😀 */, "\"",
        ",", "\n", std::string(1, '\0') };
    return texts;
}

// One entry box: how to type into it.
struct Box {
    std::string name;
    std::function<void(App&, const std::string&)> type;
};

struct ScreenCase {
    const char* screen;
    std::vector<Box> boxes;
    std::function<void(App&)> press;
};

template <typename Screen, typename Control>
Box box(std::string name, Screen& (App::*open)(), Control Screen::*control)
{
    return { std::move(name),
        [open, control](App& app, const std::string& text) { ((app.*open)().*control).setText(text); } };
}

template <typename Screen, typename Control, std::size_t N>
void column(std::vector<Box>& boxes, const std::string& name, Screen& (App::*open)(),
    std::array<Control, N> Screen::*array)
{
    for (std::size_t i = 0; i < N; ++i)
        boxes.push_back(
            { name + "(" + std::to_string(i) + ")", [open, array, i](App& app, const std::string& text) {
                 ((app.*open)().*array)[i].setText(text);
             } });
}

std::vector<ScreenCase> screens()
{
    std::vector<ScreenCase> cases;

    ScreenCase main { "main window", {}, [](App& app) { app.mainWindow().cmdCal_Click(); } };
    column(main.boxes, "txtAmount", &App::mainWindow, &MainWindow::txtAmount);
    main.boxes.push_back(box("txtWeek", &App::mainWindow, &MainWindow::txtWeek));
    cases.push_back(std::move(main));

    ScreenCase info { "User Info", {}, [](App& app) { app.userInfo().cmdOk_Click(); } };
    using U = UserInfoScreen;
    for (auto [name, control] :
        std::initializer_list<std::pair<const char*, ui::TextBox U::*>> { { "txtHourRate", &U::txtHourRate },
            { "txtHourRate2", &U::txtHourRate2 }, { "txtTipsRate", &U::txtTipsRate },
            { "txtFedAddL", &U::txtFedAddL }, { "txtTax5", &U::txtTax5 }, { "txtTax6", &U::txtTax6 },
            { "txtTax7", &U::txtTax7 }, { "txtTax8", &U::txtTax8 }, { "txtTax9", &U::txtTax9 },
            { "txtMuni", &U::txtMuni }, { "txtBond", &U::txtBond }, { "txtDues", &U::txtDues },
            { "txtMisc", &U::txtMisc }, { "txtPension", &U::txtPension }, { "txtKplan", &U::txtKplan },
            { "txtCafe", &U::txtCafe }, { "txtName", &U::txtName }, { "txtAddress", &U::txtAddress },
            { "txtStateCityZip", &U::txtStateCityZip }, { "txtSSnum", &U::txtSSnum } })
        info.boxes.push_back(box(name, &App::userInfo, control));
    for (auto [name, control] : std::initializer_list<std::pair<const char*, ui::ComboBox U::*>> {
             { "cboStatus", &U::cboStatus }, { "cboDepend", &U::cboDepend }, { "cboStatus2", &U::cboStatus2 },
             { "cboDepend2", &U::cboDepend2 } })
        info.boxes.push_back(box(name, &App::userInfo, control));
    cases.push_back(std::move(info));

    ScreenCase state { "State Tax", {}, [](App& app) { app.stateDialog().OKButton_Click(); } };
    using S = StateDialog;
    for (auto [name, control] : std::initializer_list<std::pair<const char*, S::Column S::*>> {
             { "txtStateMinBS", &S::txtStateMinBS }, { "txtStateAmtBS", &S::txtStateAmtBS },
             { "txtStatePerBS", &S::txtStatePerBS }, { "txtStateMinBM", &S::txtStateMinBM },
             { "txtStateAmtBM", &S::txtStateAmtBM }, { "txtStatePerBM", &S::txtStatePerBM },
             { "txtStateSgExp", &S::txtStateSgExp }, { "txtStateMarExp", &S::txtStateMarExp } })
        column(state.boxes, name, &App::stateDialog, control);
    for (auto [name, control] : std::initializer_list<std::pair<const char*, ui::TextBox S::*>> {
             { "txtSDIpercent", &S::txtSDIpercent }, { "txtSDIwageBase", &S::txtSDIwageBase },
             { "txtStateAdj", &S::txtStateAdj }, { "txtCalAllow", &S::txtCalAllow },
             { "txtSUIpercent", &S::txtSUIpercent }, { "txtSUIwageBase", &S::txtSUIwageBase } })
        state.boxes.push_back(box(name, &App::stateDialog, control));
    cases.push_back(std::move(state));

    ScreenCase city { "City Tax", {}, [](App& app) { app.cityDialog().OKButton_Click(); } };
    using C = CityDialog;
    for (auto [name, control] : std::initializer_list<std::pair<const char*, C::Column C::*>> {
             { "txtCityMinBS", &C::txtCityMinBS }, { "txtCityAmtBS", &C::txtCityAmtBS },
             { "txtCityPerBS", &C::txtCityPerBS }, { "txtCityMinBM", &C::txtCityMinBM },
             { "txtCityAmtBM", &C::txtCityAmtBM }, { "txtCityPerBM", &C::txtCityPerBM },
             { "txtCitySgExp", &C::txtCitySgExp }, { "txtCityMarExp", &C::txtCityMarExp } })
        column(city.boxes, name, &App::cityDialog, control);
    cases.push_back(std::move(city));

    ScreenCase nonCity { "Non City Tax", {}, [](App& app) { app.nonCityDialog().OKButton_Click(); } };
    using N = NonCityDialog;
    for (auto [name, control] : std::initializer_list<std::pair<const char*, N::Column N::*>> {
             { "txtNonMinBi", &N::txtNonMinBi }, { "txtNonExpBi", &N::txtNonExpBi },
             { "txtNonMinWk", &N::txtNonMinWk }, { "txtNonExpWk", &N::txtNonExpWk } })
        column(nonCity.boxes, name, &App::nonCityDialog, control);
    nonCity.boxes.push_back(box("txtNonPer", &App::nonCityDialog, &N::txtNonPer));
    cases.push_back(std::move(nonCity));

    ScreenCase saveUser { "Save User", {}, [](App& app) { app.saveUser().cmdSaveUser_Click(); } };
    saveUser.boxes.push_back(box("txtSaveUser", &App::saveUser, &SaveUserDialog::txtSaveUser));
    cases.push_back(std::move(saveUser));

    // The ledger: its three typed columns at the first, the middle and the last week, and
    // every total; then totals recomputed and the year saved.
    ScreenCase ledger { "Year to Date", {}, [](App& app) {
                           app.ledgerWindow().mnuAdd_Click();
                           app.ledgerWindow().SaveAnnual();
                       } };
    // A cell under its column's JSON key, a total under its box's name.
    for (Amount LedgerRow::*column : { &LedgerRow::Tips, &LedgerRow::Net, &LedgerRow::Gross })
        for (int row : { 0, 25, 52 })
            ledger.boxes.push_back(
                { std::string(ledgerColumn(column).jsonRow.caption) + "(" + std::to_string(row) + ")",
                    [column, row](App& app, const std::string& text) {
                        app.ledgerWindow().cells(column)[static_cast<std::size_t>(row)].setText(text);
                    } });
    for (Amount LedgerRow::*column :
        { &LedgerRow::Fed, &LedgerRow::Net, &LedgerRow::Gross, &LedgerRow::Tips, &LedgerRow::Cafe })
        ledger.boxes.push_back({ ledgerColumn(column).totalBox, [column](App& app, const std::string& text) {
                                    app.ledgerWindow().totalBox(column).setText(text);
                                } });
    cases.push_back(std::move(ledger));

    // The tracker is saved with the user: a total it accepts goes on to the calculation's save.
    ScreenCase overtime { "OverTime Percentage", {}, [](App& app) {
                             if (app.overtimeTracker().cmdADD_Click())
                                 app.mainWindow().cmdCal_Click();
                         } };
    using O = OvertimeTrackerScreen;
    overtime.boxes.push_back(box("txtAnnual", &App::overtimeTracker, &O::txtAnnual));
    overtime.boxes.push_back(box("txtApPercent", &App::overtimeTracker, &O::txtApPercent));
    for (int row : { 0, 52 }) {
        for (auto [name, control] :
            std::initializer_list<std::pair<const char*, ui::ControlArray<ui::TextBox, 53> O::*>> {
                { "Text1", &O::Text1 }, { "txtOT", &O::txtOT } })
            overtime.boxes.push_back({ std::string(name) + "(" + std::to_string(row) + ")",
                [control, row](App& app, const std::string& text) {
                    (app.overtimeTracker().*control)[static_cast<std::size_t>(row)].setText(text);
                } });
    }
    cases.push_back(std::move(overtime));

    ScreenCase leave { "Vacation / Holiday / Sick", {}, [](App& app) { app.leaveLog().OKButton_Click(); } };
    using V = LeaveLogScreen;
    for (auto [name, control] :
        std::initializer_list<std::pair<const char*, ui::TextBox V::*>> { { "txtVacBal", &V::txtVacBal },
            { "txtHolBal", &V::txtHolBal }, { "txtSickBal", &V::txtSickBal } })
        leave.boxes.push_back(box(name, &App::leaveLog, control));
    for (auto [name, control] :
        std::initializer_list<std::pair<const char*, ui::ControlArray<ui::TextBox, LeaveRows> V::*>> {
            { "txtVdate", &V::txtVdate }, { "txtVcnt", &V::txtVcnt }, { "txtHcnt", &V::txtHcnt },
            { "txtSdate", &V::txtSdate }, { "txtScnt", &V::txtScnt } })
        for (std::size_t row : { std::size_t { 0 }, LeaveRows - 1 })
            leave.boxes.push_back({ std::string(name) + "(" + std::to_string(row) + ")",
                [control, row](
                    App& app, const std::string& text) { (app.leaveLog().*control)[row].setText(text); } });
    cases.push_back(std::move(leave));

    ScreenCase heading { "Print Out Heading", {}, [](App& app) { app.headingDialog().OKButton_Click(); } };
    for (std::size_t i = 0; i < 4; ++i)
        heading.boxes.push_back({ "txtHeader(" + std::to_string(i) + ")",
            [i](App& app, const std::string& text) { app.headingDialog().txtHeader[i].setText(text); } });
    cases.push_back(std::move(heading));

    // What is typed on the check goes to paper through the offset dialog's OK.
    ScreenCase check { "Check Printing", {}, [](App& app) { app.printerOffset().OKButton_Click(); } };
    using W = CheckWriter;
    for (auto [name, control] : std::initializer_list<std::pair<const char*, ui::TextBox W::*>> {
             { "txtCheckDate", &W::txtCheckDate }, { "txtPayTo", &W::txtPayTo },
             { "txtCheckAmt", &W::txtCheckAmt }, { "txtDollars", &W::txtDollars }, { "txtMemo", &W::txtMemo },
             { "txtCheckCompany", &W::txtCheckCompany }, { "txtUserName", &W::txtUserName },
             { "txtUserSSnum", &W::txtUserSSnum } })
        check.boxes.push_back(box(name, &App::checkWriter, control));
    check.boxes.push_back(box("cboHorz", &App::printerOffset, &PrinterOffsetDialog::cboHorz));
    check.boxes.push_back(box("cboVert", &App::printerOffset, &PrinterOffsetDialog::cboVert));
    cases.push_back(std::move(check));
    return cases;
}

class BadInputMatrix : public AppTest {
protected:
    // Thousands of saves: kept in memory when the system offers it.
    BadInputMatrix()
        : AppTest(test::memoryFolderBase())
    { }

    std::map<std::string, std::string> snapshot() const { return test::folderSnapshot(dir); }

    // Every file of the user reads to its end and holds no number a reader would refuse.
    void expectSoundFiles(const std::string& user, const std::string& what)
    {
        test::UserRecords records;
        CityTaxSettings city;
        NonCitySettings nonCity;
        const DataFolder folder(dir);
        EXPECT_NE(records.load(folder, user), LoadOutcome::EndedEarly) << what;
        EXPECT_NE(
            loadStateFile(stateFile(folder, user), records.state, records.profile), SettingsLoad::Corrupt)
            << what;
        EXPECT_NE(loadCityFile(cityFile(folder, user), city), SettingsLoad::Corrupt) << what;
        EXPECT_NE(loadNonCityFile(nonCityFile(folder, user), nonCity), SettingsLoad::Corrupt) << what;
        for (bool weekly : { true, false }) {
            YearLedger ledger;
            EXPECT_NE(
                loadLedgerFile(ledgerFile(folder, user, weekly), ledger, weekly), LedgerLoad::EndedEarly)
                << what;
        }
        LeaveLog leave;
        EXPECT_NE(loadLeaveLog(folder, user, leave), LeaveLoad::EndedEarly) << what;
        for (const auto& [name, bytes] : snapshot())
            for (const char* bad : { "inf", "nan", "INF", "NAN" })
                EXPECT_EQ(bytes.find(std::string(",") + bad), std::string::npos) << what << ": " << name;
    }
};

TEST_F(BadInputMatrix, EveryTextInEveryBoxIsComputedOrRefusedWithNothingWritten)
{
    dialogs.setDefaultAnswer(ui::MessageAnswer::No);
    int tried = 0, refused = 0;
    for (const ScreenCase& screen : screens()) {
        for (const std::string& text : hostileTexts()) {
            makeApp();
            ASSERT_TRUE(startAs("Smith"));
            for (const Box& entry : screen.boxes) {
                const std::string what = std::string(screen.screen) + " " + entry.name + " <- \""
                    + (text.size() > 20 ? text.substr(0, 20) + "..." : text) + "\"";
                const auto before = snapshot();
                const std::size_t shown = messageCount();
                try {
                    entry.type(*app, text);
                    screen.press(*app);
                } catch (const std::exception& e) {
                    ADD_FAILURE() << what << " ended in an exception: " << e.what();
                }
                app->releaseClosedScreens();
                ++tried;
                if (messageCount() > shown) {
                    ++refused;
                    EXPECT_EQ(snapshot(), before)
                        << what << " was refused (" << lastMessage() << ") but a file changed";
                    EXPECT_FALSE(dialogs.messages().back().lines.empty()) << what;
                }
                expectSoundFiles(app->UserName, what);
                if (app->quitRequested())
                    break;
            }
        }
    }
    RecordProperty("inputs_tried", tried);
    std::printf("%d inputs typed and pressed, %d refused with a message\n", tried, refused);
}

} // namespace
} // namespace tallyman::testing
