// App: screens created on first reference, closed into a holding area, modal runs, the end.
#include "screens/app.h"
#include "platform/plain_clock.h"

#include "screens/fed_table_dialog.h"
#include "screens/heading_dialog.h"
#include "screens/ledger/ledger_window.h"
#include "screens/main_window.h"
#include "screens/printing/check_writer.h"
#include "screens/printing/printer_offset.h"
#include "screens/stub_check.h"
#include "screens/taxtables/city_dialog.h"
#include "screens/taxtables/noncity_dialog.h"
#include "screens/taxtables/state_dialog.h"
#include "screens/trackers/leave_log_screen.h"
#include "screens/trackers/overtime_tracker.h"
#include "screens/user_commands.h"
#include "screens/user_info.h"

namespace tallyman {

App::App(AppServices services)
    : m_services(std::move(services))
{ }

App::~App()
{
    // Screens refer to each other through the App while they go; drop them in a fixed order.
    m_stubCheck.reset();
    m_printerOffset.reset();
    m_checkWriter.reset();
    m_headingDialog.reset();
    m_fedTableDialog.reset();
    m_ledgerWindow.reset();
    m_leaveLog.reset();
    m_overtimeTracker.reset();
    m_nonCityDialog.reset();
    m_cityDialog.reset();
    m_stateDialog.reset();
    m_saveUser.reset();
    m_userInfo.reset();
    m_startupPrompt.reset();
    m_mainWindow.reset();
    m_closed.clear();
}

// Stored before its load runs: loads refer to other screens and back to the one loading.
template <typename S> S& App::screen(std::unique_ptr<S>& slot, ScreenId id)
{
    if (slot)
        return *slot;
    slot = std::make_unique<S>(*this);
    S& created = *slot;
    host().screenCreated(id);
    created.load();
    return created;
}

StartupPrompt& App::startupPrompt() { return screen(m_startupPrompt, ScreenId::StartupPrompt); }

MainWindow& App::mainWindow() { return screen(m_mainWindow, ScreenId::MainWindow); }

UserInfoScreen& App::userInfo() { return screen(m_userInfo, ScreenId::UserInfo); }

SaveUserDialog& App::saveUser() { return screen(m_saveUser, ScreenId::SaveUser); }

StateDialog& App::stateDialog() { return screen(m_stateDialog, ScreenId::StateDialog); }

CityDialog& App::cityDialog() { return screen(m_cityDialog, ScreenId::CityDialog); }

NonCityDialog& App::nonCityDialog() { return screen(m_nonCityDialog, ScreenId::NonCityDialog); }

CheckWriter& App::checkWriter() { return screen(m_checkWriter, ScreenId::CheckWriter); }

PrinterOffsetDialog& App::printerOffset() { return screen(m_printerOffset, ScreenId::PrinterOffset); }

LedgerWindow& App::ledgerWindow() { return screen(m_ledgerWindow, ScreenId::Ledger); }

HeadingDialog& App::headingDialog() { return screen(m_headingDialog, ScreenId::Heading); }

OvertimeTrackerScreen& App::overtimeTracker() { return screen(m_overtimeTracker, ScreenId::OvertimeTracker); }

LeaveLogScreen& App::leaveLog() { return screen(m_leaveLog, ScreenId::LeaveLog); }

StubCheckScreen& App::stubCheck() { return screen(m_stubCheck, ScreenId::StubCheck); }

FedTableDialog& App::fedTableDialog() { return screen(m_fedTableDialog, ScreenId::FedTable); }

ui::Screen* App::loadedScreen(ScreenId id) const
{
    switch (id) {
    case ScreenId::StartupPrompt:
        return m_startupPrompt.get();
    case ScreenId::MainWindow:
        return m_mainWindow.get();
    case ScreenId::UserInfo:
        return m_userInfo.get();
    case ScreenId::SaveUser:
        return m_saveUser.get();
    case ScreenId::StateDialog:
        return m_stateDialog.get();
    case ScreenId::CityDialog:
        return m_cityDialog.get();
    case ScreenId::NonCityDialog:
        return m_nonCityDialog.get();
    case ScreenId::CheckWriter:
        return m_checkWriter.get();
    case ScreenId::PrinterOffset:
        return m_printerOffset.get();
    case ScreenId::Ledger:
        return m_ledgerWindow.get();
    case ScreenId::Heading:
        return m_headingDialog.get();
    case ScreenId::OvertimeTracker:
        return m_overtimeTracker.get();
    case ScreenId::LeaveLog:
        return m_leaveLog.get();
    case ScreenId::StubCheck:
        return m_stubCheck.get();
    case ScreenId::FedTable:
        return m_fedTableDialog.get();
    }
    return nullptr;
}

bool App::isLoaded(ScreenId screen) const { return loadedScreen(screen) != nullptr; }

void App::close(ScreenId id)
{
    // The model may be closed from inside one of its own handlers, so it is only moved aside.
    const auto discard = [this](auto& slot) {
        if (!slot)
            return false;
        slot->setShown(false);
        m_closed.push_back(std::move(slot));
        return true;
    };
    bool closed = false;
    switch (id) {
    case ScreenId::StartupPrompt:
        closed = discard(m_startupPrompt);
        break;
    case ScreenId::MainWindow:
        closed = discard(m_mainWindow);
        break;
    case ScreenId::UserInfo:
        closed = discard(m_userInfo);
        break;
    case ScreenId::SaveUser:
        closed = discard(m_saveUser);
        break;
    case ScreenId::StateDialog:
        closed = discard(m_stateDialog);
        break;
    case ScreenId::CityDialog:
        closed = discard(m_cityDialog);
        break;
    case ScreenId::NonCityDialog:
        closed = discard(m_nonCityDialog);
        break;
    case ScreenId::CheckWriter:
        closed = discard(m_checkWriter);
        break;
    case ScreenId::PrinterOffset:
        closed = discard(m_printerOffset);
        break;
    case ScreenId::Ledger:
        closed = discard(m_ledgerWindow);
        break;
    case ScreenId::Heading:
        closed = discard(m_headingDialog);
        break;
    case ScreenId::OvertimeTracker:
        closed = discard(m_overtimeTracker);
        break;
    case ScreenId::LeaveLog:
        closed = discard(m_leaveLog);
        break;
    case ScreenId::StubCheck:
        closed = discard(m_stubCheck);
        break;
    case ScreenId::FedTable:
        closed = discard(m_fedTableDialog);
        break;
    }
    if (closed)
        host().screenClosed(id);
}

void App::releaseClosedScreens()
{
    m_closed.clear();
    // Back in the event loop: the next refused save is the person's next action.
    m_refusalShown = false;
}

ui::Screen* App::reference(ScreenId id)
{
    switch (id) {
    case ScreenId::StartupPrompt:
        return &startupPrompt();
    case ScreenId::MainWindow:
        return &mainWindow();
    case ScreenId::UserInfo:
        return &userInfo();
    case ScreenId::SaveUser:
        return &saveUser();
    case ScreenId::StateDialog:
        return &stateDialog();
    case ScreenId::CityDialog:
        return &cityDialog();
    case ScreenId::NonCityDialog:
        return &nonCityDialog();
    case ScreenId::CheckWriter:
        return &checkWriter();
    case ScreenId::PrinterOffset:
        return &printerOffset();
    case ScreenId::Ledger:
        return &ledgerWindow();
    case ScreenId::Heading:
        return &headingDialog();
    case ScreenId::OvertimeTracker:
        return &overtimeTracker();
    case ScreenId::LeaveLog:
        return &leaveLog();
    case ScreenId::StubCheck:
        return &stubCheck();
    case ScreenId::FedTable:
        return &fedTableDialog();
    }
    return nullptr;
}

void App::show(ScreenId id)
{
    ui::Screen* shown = reference(id);
    // The load may have ended the program or closed what it was to show.
    if (m_quit || !isLoaded(id))
        return;
    shown->setShown(true);
    host().screenShown(id);
}

void App::runModal(ScreenId id)
{
    ui::Screen* shown = reference(id);
    if (m_quit || !isLoaded(id))
        return;
    shown->setModal(true);
    shown->setShown(true);
    host().runModal(id);
    if (m_quit || !isLoaded(id))
        return;
    // Still there: the person closed it with its close box, which runs its closing behaviour.
    loadedScreen(id)->requestClose();
    if (!m_quit && isLoaded(id))
        close(id);
}

bool App::start()
{
    // What a save killed half-way left behind; the saves that made them are gone.
    removeLeftoverTemporaries(folder().dir());
    runModal(ScreenId::StartupPrompt);
    return !m_quit;
}

void App::quit()
{
    if (m_quit)
        return;
    m_quit = true;
    for (ScreenId id : { ScreenId::FedTable, ScreenId::StubCheck, ScreenId::LeaveLog,
             ScreenId::OvertimeTracker, ScreenId::Heading, ScreenId::Ledger, ScreenId::PrinterOffset,
             ScreenId::CheckWriter, ScreenId::NonCityDialog, ScreenId::CityDialog, ScreenId::StateDialog,
             ScreenId::UserInfo, ScreenId::SaveUser, ScreenId::StartupPrompt, ScreenId::MainWindow })
        close(id);
    host().programEnded();
}

ui::MessageAnswer App::message(
    std::vector<std::string> lines, std::string title, ui::MessageButtons buttons, ui::MessageIcon icon)
{
    return dialogs().message(ui::Message { std::move(lines), std::move(title), buttons, icon });
}

bool App::reportPrinterFailure(bool printed)
{
    const std::string failure = printer().failure();
    if (!printed && !failure.empty())
        message({ failure, "Nothing more was printed." }, ProgramTitle, ui::MessageButtons::Ok,
            ui::MessageIcon::Warning);
    return printed;
}

void App::showNotices(const std::vector<Notice>& notices)
{
    for (const Notice& notice : notices)
        message(notice.lines, notice.title, ui::MessageButtons::Ok,
            notice.warning ? ui::MessageIcon::Warning : ui::MessageIcon::None);
}

std::string App::todayText() const { return m_services.clock.shortDate(m_services.clock.today()); }

std::string App::printedDate(const std::string& text) const
{
    const auto date = m_services.clock.parseShortDate(text);
    return date ? ui::monthDayYear(*date) : text;
}

ui::Date App::pickerStart(const std::string& text) const
{
    if (const auto date = m_services.clock.parseShortDate(text))
        return *date;
    static const ui::PlainClock printedForm;
    return printedForm.parseShortDate(text).value_or(m_services.clock.today());
}

std::string App::todayPrinted() const { return ui::monthDayYear(m_services.clock.today()); }

} // namespace tallyman
