// File > New, File > Open, File > Exit and closing the main window.
#include "screens/user_commands.h"

#include "screens/app.h"
#include "screens/main_window.h"
#include "screens/taxtables/city_dialog.h"
#include "screens/taxtables/noncity_dialog.h"
#include "screens/taxtables/state_dialog.h"
#include "screens/trackers/leave_log_screen.h"
#include "screens/trackers/overtime_tracker.h"
#include "screens/user_info.h"
#include "storage/fileset.h"

#include <array>
#include <filesystem>

namespace tallyman {

namespace {

constexpr const char* SaveQuestionTitle = "Save?";

void showUserName(App& app)
{
    MainWindow& main = app.mainWindow();
    main.setTitle(app.userTitle());
    main.lbUser.setText(app.UserName);
}

bool refusedName(App& app, const std::string& name, const char* title)
{
    if (const auto problem = userNameProblem(name)) {
        app.message({ *problem }, title, ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        return true;
    }
    return false;
}

} // namespace

void newUser(App& app)
{
    if (app.message({ "........SAVE PREVIOUS USER?" }, SaveQuestionTitle, ui::MessageButtons::YesNo)
        == ui::MessageAnswer::Yes) {
        app.runModal(ScreenId::SaveUser);
        if (app.quitRequested())
            return;
    }
    const std::string name = app.dialogs().inputBox("Enter new user:", "File New");
    if (refusedName(app, name, "File New"))
        return;
    const auto use = app.folder().userFile(name, ".use");
    if (fileExists(use)) {
        app.message({ "........" + name + " already exists. Use Open" });
        return;
    }
    // A user whose .use cannot be read is still a user: taking the name for a new one would
    // write over every file of it.
    if (const auto reason = unreadableReason(use)) {
        app.message({ "The file " + use.filename().string() + " exists but cannot be read: " + *reason + ".",
                        "Nothing was changed." },
            "File New", ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        return;
    }

    app.UserName = name;
    app.takeUser();
    app.saveUser().txtSaveUser.setText(name);
    showUserName(app);
    // The trackers' records are reset; an open screen shows it and closes.
    if (app.isLoaded(ScreenId::OvertimeTracker)) {
        OvertimeTrackerScreen& tracker = app.overtimeTracker();
        tracker.setShown(false);
        tracker.ClearAll();
        app.close(ScreenId::OvertimeTracker);
    } else {
        clearOvertimeRecord(app.tracker, trackerRows(app.profile));
    }
    if (app.isLoaded(ScreenId::LeaveLog)) {
        LeaveLogScreen& leave = app.leaveLog();
        leave.setShown(false);
        leave.clearVac();
        app.close(ScreenId::LeaveLog);
    } else {
        app.leave = LeaveLog {};
    }
    MainWindow& main = app.mainWindow();
    main.Clear_All();
    app.ledger = YearLedger {};
    app.close(ScreenId::Ledger); // its grid held the previous user's year

    UserInfoScreen& info = app.userInfo();
    info.setShown(false);
    info.ClearAll();
    app.close(ScreenId::UserInfo);

    // The New York tables reach the record too, so the closing calculation does not bring
    // back the previous user's special state when it reopens the dialog.
    StateDialog& state = app.stateDialog();
    state.setShown(false);
    state.cmdDefault_Click();
    state.fillVari();
    app.close(ScreenId::StateDialog);
    CityDialog& city = app.cityDialog();
    city.setShown(false);
    city.cmdDefault_Click();
    app.close(ScreenId::CityDialog);

    main.Calcu_late();
}

void openUser(App& app)
{
    app.runModal(ScreenId::SaveUser);
    if (app.quitRequested())
        return;
    const auto chosen = app.dialogs().openFile("Open", "Saved Files (*.use)|*.use");
    if (!chosen)
        return;
    // Only the file's own name counts: the user's files are always those of the data folder.
    const std::string file = std::filesystem::path(*chosen).filename().string();
    if (file.size() < 4)
        return;
    const std::string name = file.substr(0, file.size() - 4);
    if (refusedName(app, name, "Open"))
        return;

    // Cleared only once another user is chosen: cancelling keeps the current year to date.
    app.ledger = YearLedger {};
    app.close(ScreenId::Ledger);
    app.UserName = name;
    app.takeUser();
    // A file that ends early is reported and the open goes on, so that the name box, the
    // title and the data in memory always belong to the same user.
    app.LoadUserFiles();
    app.loadLedger();
    MainWindow& main = app.mainWindow();
    main.LoadFedTable();
    main.lbTaxVer.setText(app.fedTable.Version);
    app.LoadStateSettings();
    StateDialog& state = app.stateDialog();
    state.CheckFor();
    state.fillVari();
    app.loadCitySettings();
    app.loadNonCitySettings();
    // Creating the leave log's model reads its file.
    if (app.isLoaded(ScreenId::LeaveLog))
        app.leaveLog().GetVac();
    else
        app.leaveLog();
    if (app.isLoaded(ScreenId::OvertimeTracker))
        app.overtimeTracker().FillInOT();

    showUserName(app);
    app.saveUser().txtSaveUser.setText(app.UserName);
    app.show(ScreenId::MainWindow);

    UserInfoScreen& info = app.userInfo();
    info.ckKpPer.setValue(app.profile.KpPer);
    info.ckKpFix.setValue(app.profile.KpFix);
    const std::array<const ui::TextBox*, 5> captions { &info.txtTax5, &info.txtTax6, &info.txtTax7,
        &info.txtTax8, &info.txtTax9 };
    for (std::size_t i = 0; i < captions.size(); ++i)
        main.lbTaxTag[5 + i].setCaption(captions[i]->text());

    main.Clear_All();
}

void exitProgram(App& app)
{
    if (app.message({ "     SAVE USER'S SETTINGS?" }, SaveQuestionTitle, ui::MessageButtons::YesNo)
        == ui::MessageAnswer::Yes)
        app.runModal(ScreenId::SaveUser);
    app.quit();
}

void closeMainWindow(App& app)
{
    if (app.message({ "     SAVE USER'S SETTINGS?" }, SaveQuestionTitle, ui::MessageButtons::YesNo)
        == ui::MessageAnswer::Yes) {
        app.runModal(ScreenId::SaveUser);
        if (app.quitRequested())
            return;
    }
    app.close(ScreenId::UserInfo);
    app.close(ScreenId::StateDialog);
    app.close(ScreenId::CityDialog);
    app.close(ScreenId::StartupPrompt);
    app.close(ScreenId::MainWindow);
    app.quit();
}

} // namespace tallyman
