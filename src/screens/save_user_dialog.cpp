// The Save User dialog: Save writes every file of the user under the name in its box.
#include "screens/app.h"
#include "screens/main_window.h"
#include "screens/taxtables/city_dialog.h"
#include "screens/taxtables/noncity_dialog.h"
#include "screens/taxtables/state_dialog.h"
#include "screens/trackers/leave_log_screen.h"
#include "screens/trackers/overtime_tracker.h"
#include "screens/user_commands.h"
#include "storage/fileset.h"

namespace tallyman {

SaveUserDialog::SaveUserDialog(App& app)
    : m_app(app)
{
    setTitle("Save User");
    Label1.setCaption("Before opening a user file,");
    Label2.setCaption("Do you want to save this user?");
    cmdSaveUser.setCaption("&Save");
    cmdEnd.setCaption("&No");
    cmdQuit.setCaption("&Quit");
    cmdSaveUser.onClick = [this] { cmdSaveUser_Click(); };
    cmdEnd.onClick = [this] { cmdEnd_Click(); };
    cmdQuit.onClick = [this] { cmdQuit_Click(); };
    txtSaveUser.setToolTip("File that is already opened.");
    onCloseRequested = [this] { Form_Unload(); };
}

void SaveUserDialog::load() { txtSaveUser.setText(m_app.UserName); }

bool SaveUserDialog::save(bool keepShownDialogs)
{
    App& app = m_app;
    const std::string name = txtSaveUser.text();
    if (const auto problem = userNameProblem(name)) {
        app.message({ *problem }, "Save User", ui::MessageButtons::Ok, ui::MessageIcon::Warning);
        return false;
    }
    app.UserName = name;
    if (!app.SaveOT())
        return false;
    if (!app.leaveLog().SaveVac())
        return false;
    if (!app.SaveStateSettings() || !app.SaveCitySettings() || !app.SaveNonCitySettings())
        return false;

    MainWindow& main = app.mainWindow();
    main.lbUser.setText(app.UserName);
    main.setTitle(txtSaveUser.text());

    m_keepShownDialogs = keepShownDialogs;
    closeUnlessKept(ScreenId::LeaveLog);
    app.close(ScreenId::StartupPrompt);
    Form_Unload();
    return true;
}

void SaveUserDialog::closeSettingsDialogs()
{
    const auto closeUnlessShown = [this](ScreenId id, bool shown) {
        if (!(m_keepShownDialogs && shown))
            m_app.close(id);
    };
    App& app = m_app;
    closeUnlessShown(ScreenId::StateDialog, app.isLoaded(ScreenId::StateDialog) && app.stateDialog().shown());
    closeUnlessShown(ScreenId::CityDialog, app.isLoaded(ScreenId::CityDialog) && app.cityDialog().shown());
    closeUnlessShown(
        ScreenId::NonCityDialog, app.isLoaded(ScreenId::NonCityDialog) && app.nonCityDialog().shown());
    closeUnlessKept(ScreenId::OvertimeTracker);
}

void SaveUserDialog::closeUnlessKept(ScreenId id)
{
    // The trackers were saved with what they show, so an open one may stay open through a
    // calculation as the tax dialogs do.
    const bool shown = id == ScreenId::OvertimeTracker ? m_app.isLoaded(id) && m_app.overtimeTracker().shown()
                                                       : m_app.isLoaded(id) && m_app.leaveLog().shown();
    if (!(m_keepShownDialogs && shown))
        m_app.close(id);
}

void SaveUserDialog::Form_Unload()
{
    closeSettingsDialogs();
    m_keepShownDialogs = false;
    m_app.close(ScreenId::UserInfo);
    m_app.close(ScreenId::SaveUser);
}

void SaveUserDialog::cmdEnd_Click() { Form_Unload(); }

void SaveUserDialog::cmdQuit_Click()
{
    // Nothing is saved, and the main window closes without asking again.
    App& app = m_app;
    app.close(ScreenId::MainWindow);
    app.close(ScreenId::StateDialog);
    app.close(ScreenId::CityDialog);
    app.close(ScreenId::UserInfo);
    app.quit();
}

} // namespace tallyman
