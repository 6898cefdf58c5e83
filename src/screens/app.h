// App: the run state of one Tallyman session and its lazily created screen models.
#pragma once

#include "employee/print_heading.h"
#include "employee/profile_files.h"
#include "engine/calculation.h"
#include "engine/employee_profile.h"
#include "engine/fed_table.h"
#include "engine/pay_result.h"
#include "engine/tax_settings.h"
#include "ledger/year_ledger.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "storage/fileset.h"
#include "storage/user_lock.h"
#include "trackers/leave_log.h"
#include "trackers/overtime_record.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tallyman {

class StartupPrompt;
class MainWindow;
class UserInfoScreen;
class SaveUserDialog;
class StateDialog;
class CityDialog;
class NonCityDialog;
class CheckWriter;
class PrinterOffsetDialog;
class LedgerWindow;
class HeadingDialog;
class FedTableDialog;
class OvertimeTrackerScreen;
class LeaveLogScreen;
class StubCheckScreen;

enum class ScreenId {
    StartupPrompt,
    MainWindow,
    UserInfo,
    SaveUser,
    StateDialog,
    CityDialog,
    NonCityDialog,
    CheckWriter,
    PrinterOffset,
    Ledger,
    Heading,
    OvertimeTracker,
    LeaveLog,
    StubCheck,
    FedTable,
};

// The title of the program's own message boxes.
inline constexpr const char* ProgramTitle = "Tallyman";

// What the about box shows.
struct AboutInfo {
    std::string product; // "Tallyman"
    std::string maker;
    std::string version; // "Version 1.0.0"
};

// What a front end does for the models: run a modal screen until the model closes it, and
// learn when screens come and go so it can show or drop their windows.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;
    // Shows the (already created) screen modally and returns when the model has closed it or
    // the person dismissed it. The GUI runs a dialog; tests and the CLI act from a script.
    virtual void runModal(ScreenId screen) = 0;
    virtual void screenCreated(ScreenId) { }
    virtual void screenClosed(ScreenId) { }
    // A modeless screen was asked to be shown (the main window, the state dialog, ...).
    virtual void screenShown(ScreenId) { }
    // The modal about box.
    virtual void showAbout(const AboutInfo&) { }
    // The program ends: every screen has been closed; the front end leaves its loop.
    virtual void programEnded() { }
};

struct AppServices {
    ui::Dialogs& dialogs;
    ui::Clock& clock;
    ui::Printer& printer;
    ScreenHost& host;
    DataFolder folder; // the working folder of all data files
    std::filesystem::path installedData; // data/ installed with the program (Federal24.dtt, help)
};

class App {
public:
    explicit App(AppServices services);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

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
    LeaveLog leave;
    PrinterOffsets offsets;
    PrintHeading heading; // "Header.sav", shared by every user
    ProfileReserved reserved;
    // The words of the last check writer refresh: what the next check prints. Empty (no
    // words) when the amount was too large for a check.
    std::optional<std::string> AmountWords = std::string();

    ui::Dialogs& dialogs() { return m_services.dialogs; }
    ui::Clock& clock() { return m_services.clock; }
    ui::Printer& printer() { return m_services.printer; }
    ScreenHost& host() { return m_services.host; }
    const DataFolder& folder() const { return m_services.folder; }
    const std::filesystem::path& installedData() const { return m_services.installedData; }

    // ---- Screens: created (and loaded) on first reference, discarded on close ----
    StartupPrompt& startupPrompt();
    MainWindow& mainWindow();
    UserInfoScreen& userInfo();
    SaveUserDialog& saveUser();
    StateDialog& stateDialog();
    CityDialog& cityDialog();
    NonCityDialog& nonCityDialog();
    CheckWriter& checkWriter();
    PrinterOffsetDialog& printerOffset();
    LedgerWindow& ledgerWindow();
    HeadingDialog& headingDialog();
    OvertimeTrackerScreen& overtimeTracker();
    LeaveLogScreen& leaveLog();
    StubCheckScreen& stubCheck();
    FedTableDialog& fedTableDialog();

    bool isLoaded(ScreenId screen) const;
    // Discards the model (its handlers may still be running: the object itself is kept
    // until releaseClosedScreens()).
    void close(ScreenId screen);
    // Frees the models closed so far. Front ends call it when no handler is running (back in
    // their event loop, between commands); the destructor does it too.
    void releaseClosedScreens();

    // Shows a modeless screen (creating it when needed).
    void show(ScreenId screen);
    // Runs a modal screen through the host. When the host returns with the screen still
    // loaded (the person closed it), the screen's close request runs: the Save User dialog
    // closes what it closes, User Info discards its edits, and closing the start-up prompt
    // ends the program.
    void runModal(ScreenId screen);

    // Start-up: creates the start-up prompt and runs it; returns false when the program ended
    // (the prompt was closed without OK).
    bool start();

    // The program ends (Exit, Quit, closing the main window or the start-up prompt): every
    // screen is closed and the host told.
    void quit();
    bool quitRequested() const { return m_quit; }

    // ---- Procedures on the run state shared by the screens ----
    // Writes the profile file set under the name in the Save User dialog's name box, with the
    // three rates of the User Info screen. False (after a message) when nothing could be
    // written.
    bool SaveOT();
    // Reads the profile file set of UserName and shows it on the main window and the User
    // Info screen.
    LoadOutcome LoadUserFiles();
    // The state file of UserName, or the default ".sta": read into the record, then shown in
    // the state dialog and the User Info screen.
    void LoadStateSettings();
    void GetDefaultStateSettings();
    // Writes the records to UserName's .sta, .cti and .nci files; false after the message.
    bool SaveStateSettings();
    bool SaveCitySettings();
    bool SaveNonCitySettings();
    // The year ledger of UserName in the current pay frequency, over what memory holds.
    void loadLedger();
    // What opening a user does for the city and non-city settings: their files read into the
    // records and shown in their dialogs.
    void loadCitySettings();
    void loadNonCitySettings();

    // ---- One writer per user ----
    // Called when a user is chosen (start-up, New, Open), before the user's files are read:
    // takes the lock of UserName. When another program holds it, the lock file cannot be
    // used or a file of the user is there but cannot be read, the user is open here
    // read-only: the person is told why, and every save is refused with that message. A
    // program that opened a user read-only stays so for the rest of its run: what it holds in
    // memory was read without the lock.
    bool takeUser();
    // Whether the user's files may be written now; when not, the refusal has been shown
    // (once per action of the person). Every save procedure asks first. A save under a name
    // not chosen as the user takes that name's lock too, until the next user is chosen.
    bool mayWrite();
    bool readOnly() const { return m_readOnly.has_value() || m_lookOnly; }
    // The main window's title for the current user: "  User:  NAME", read-only said.
    std::string userTitle() const;
    // The program only looks (the CLI's show commands): no lock is taken and every save is
    // refused without a word.
    void lookOnly() { m_lookOnly = true; }
    // Looking only for a while (the stub check computes a period and must write nothing):
    // gives back the previous setting.
    bool setLookOnly(bool on)
    {
        const bool was = m_lookOnly;
        m_lookOnly = on;
        return was;
    }
    // Warnings about the data folder for the start: vanished, read-only, writable by others.
    std::vector<std::string> dataFolderWarnings() const;

    // Shows a message box (OK unless said otherwise).
    ui::MessageAnswer message(std::vector<std::string> lines, std::string title = ProgramTitle,
        ui::MessageButtons buttons = ui::MessageButtons::Ok, ui::MessageIcon icon = ui::MessageIcon::None);
    // The calculation's messages, each with an OK button.
    void showNotices(const std::vector<Notice>& notices);
    // After a printout: a printer failure is reported with its reason; a cancelled printer
    // choice ends the command without a message. Returns `printed`.
    bool reportPrinterFailure(bool printed);
    // Today's date in the system's short form.
    std::string todayText() const;
    // A date as printouts and saved-period names write it: a date in the system's short form
    // becomes M/D/YYYY (so it fits the printed column); any other text stays as it is.
    std::string printedDate(const std::string& text) const;
    std::string todayPrinted() const;
    // Where a date picker opened on a box starts: the box's date (in the system's short form
    // or as M/D/YYYY), or today's date when the box holds none.
    ui::Date pickerStart(const std::string& text) const;

private:
    template <typename S> S& screen(std::unique_ptr<S>& slot, ScreenId id);
    ui::Screen* loadedScreen(ScreenId id) const;
    ui::Screen* reference(ScreenId id);
    void loadStateSettingsFrom(const std::string& fileName);
    AppServices m_services;
    std::unique_ptr<StartupPrompt> m_startupPrompt;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<UserInfoScreen> m_userInfo;
    std::unique_ptr<SaveUserDialog> m_saveUser;
    std::unique_ptr<StateDialog> m_stateDialog;
    std::unique_ptr<CityDialog> m_cityDialog;
    std::unique_ptr<NonCityDialog> m_nonCityDialog;
    std::unique_ptr<CheckWriter> m_checkWriter;
    std::unique_ptr<PrinterOffsetDialog> m_printerOffset;
    std::unique_ptr<LedgerWindow> m_ledgerWindow;
    std::unique_ptr<HeadingDialog> m_headingDialog;
    std::unique_ptr<OvertimeTrackerScreen> m_overtimeTracker;
    std::unique_ptr<LeaveLogScreen> m_leaveLog;
    std::unique_ptr<StubCheckScreen> m_stubCheck;
    std::unique_ptr<FedTableDialog> m_fedTableDialog;
    std::vector<std::unique_ptr<ui::Screen>> m_closed;
    std::optional<std::string> m_truncatedUser; // whose truncated profile file was reported
    void refuse(const std::vector<std::string>& lines);
    UserLock m_lock; // the user chosen last
    std::vector<std::unique_ptr<UserLock>> m_savedAs; // names saved under since then
    std::optional<std::vector<std::string>> m_readOnly; // why nothing may be written here
    bool m_lookOnly = false;
    bool m_refusalShown = false; // in the current action of the person
    bool m_quit = false;
};

} // namespace tallyman
