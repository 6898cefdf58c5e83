// App: the run state of one Tallyman session and its lazily created screen models.
#pragma once

#include "employee/fileset.h"
#include "employee/profile_files.h"
#include "engine/calculation.h"
#include "engine/employee_profile.h"
#include "engine/fed_table.h"
#include "engine/pay_result.h"
#include "engine/tax_settings.h"
#include "ledger/year_ledger.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "trackers/overtime_record.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace tallyman {

class StartupPrompt;
class MainWindow;
class UserInfoScreen;
class SaveUserDialog;
class StateDialog;
class CityDialog;
class NonCityDialog;

enum class ScreenId { StartupPrompt, MainWindow, UserInfo, SaveUser, StateDialog, CityDialog, NonCityDialog };

// What a front end does for the models: run a modal screen until the model closes it, and
// learn when screens come and go so it can show or drop their windows.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;
    // Shows the (already created) screen modally and returns when the model has closed it or
    // the person dismissed it. The GUI runs a dialog; tests and the CLI act from a script.
    virtual void runModal(ScreenId screen) = 0;
    virtual void screenCreated(ScreenId) {}
    virtual void screenClosed(ScreenId) {}
    // A modeless screen was asked to be shown (the main window, the state dialog, ...).
    virtual void screenShown(ScreenId) {}
};

struct AppServices {
    ui::Dialogs &dialogs;
    ui::Clock &clock;
    ui::Printer &printer;
    ScreenHost &host;
    DataFolder folder;                    // the working folder of all data files
    std::filesystem::path installedData;  // data/ installed with the program (Federal24.dtt, help)
};

class App {
public:
    explicit App(AppServices services);
    ~App();
    App(const App &) = delete;
    App &operator=(const App &) = delete;

    // ---- Run state (the program-wide variables every screen reads and writes) ----
    std::string UserName;
    EmployeeProfile profile;
    StateTaxSettings state;
    CityTaxSettings city;
    NonCitySettings nonCity;
    PayResult pay;
    UtahWork utah;
    FedTable fedTable;
    YearLedger ledger;
    OvertimeTracker tracker;
    PrinterOffsets offsets;
    ProfileReserved reserved;

    ui::Dialogs &dialogs() { return m_services.dialogs; }
    ui::Clock &clock() { return m_services.clock; }
    ui::Printer &printer() { return m_services.printer; }
    ScreenHost &host() { return m_services.host; }
    const DataFolder &folder() const { return m_services.folder; }
    const std::filesystem::path &installedData() const { return m_services.installedData; }

    // ---- Screens: created (and loaded) on first reference, discarded on close ----
    StartupPrompt &startupPrompt();
    MainWindow &mainWindow();
    UserInfoScreen &userInfo();
    SaveUserDialog &saveUser();
    StateDialog &stateDialog();
    CityDialog &cityDialog();
    NonCityDialog &nonCityDialog();

    bool isLoaded(ScreenId screen) const;
    void close(ScreenId screen);

    // The program ends (Exit, Quit, closing the main window or the start-up prompt).
    void quit();
    bool quitRequested() const { return m_quit; }

private:
    AppServices m_services;
    std::unique_ptr<StartupPrompt> m_startupPrompt;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<UserInfoScreen> m_userInfo;
    std::unique_ptr<SaveUserDialog> m_saveUser;
    std::unique_ptr<StateDialog> m_stateDialog;
    std::unique_ptr<CityDialog> m_cityDialog;
    std::unique_ptr<NonCityDialog> m_nonCityDialog;
    bool m_quit = false;
};

} // namespace tallyman
