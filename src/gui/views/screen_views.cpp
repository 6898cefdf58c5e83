// Maps screen ids to their models and views.
#include "gui/views/screen_views.h"

#include "gui/views/check_writer_view.h"
#include "gui/views/city_dialog_view.h"
#include "gui/views/fed_table_dialog_view.h"
#include "gui/views/heading_dialog_view.h"
#include "gui/views/leave_log_view.h"
#include "gui/views/ledger_window_view.h"
#include "gui/views/main_window_view.h"
#include "gui/views/noncity_dialog_view.h"
#include "gui/views/overtime_tracker_view.h"
#include "gui/views/printer_offset_view.h"
#include "gui/views/save_user_view.h"
#include "gui/views/startup_prompt_view.h"
#include "gui/views/state_dialog_view.h"
#include "gui/views/stub_check_view.h"
#include "gui/views/user_info_view.h"
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

namespace tallyman::gui {

ui::Screen* loadedScreen(App& app, ScreenId screen)
{
    if (!app.isLoaded(screen))
        return nullptr;
    switch (screen) {
    case ScreenId::StartupPrompt:
        return &app.startupPrompt();
    case ScreenId::MainWindow:
        return &app.mainWindow();
    case ScreenId::UserInfo:
        return &app.userInfo();
    case ScreenId::SaveUser:
        return &app.saveUser();
    case ScreenId::StateDialog:
        return &app.stateDialog();
    case ScreenId::CityDialog:
        return &app.cityDialog();
    case ScreenId::NonCityDialog:
        return &app.nonCityDialog();
    case ScreenId::CheckWriter:
        return &app.checkWriter();
    case ScreenId::PrinterOffset:
        return &app.printerOffset();
    case ScreenId::Ledger:
        return &app.ledgerWindow();
    case ScreenId::Heading:
        return &app.headingDialog();
    case ScreenId::OvertimeTracker:
        return &app.overtimeTracker();
    case ScreenId::LeaveLog:
        return &app.leaveLog();
    case ScreenId::StubCheck:
        return &app.stubCheck();
    case ScreenId::FedTable:
        return &app.fedTableDialog();
    }
    return nullptr;
}

QWidget* createView(App& app, ScreenId screen, QWidget* parent)
{
    if (!app.isLoaded(screen))
        return nullptr;
    switch (screen) {
    case ScreenId::StartupPrompt:
        return new StartupPromptView(app.startupPrompt(), parent);
    case ScreenId::MainWindow:
        return new MainWindowView(app.mainWindow(), parent);
    case ScreenId::UserInfo:
        return new UserInfoView(app.userInfo(), parent);
    case ScreenId::SaveUser:
        return new SaveUserView(app.saveUser(), parent);
    case ScreenId::StateDialog:
        return new StateDialogView(app.stateDialog(), parent);
    case ScreenId::CityDialog:
        return new CityDialogView(app.cityDialog(), parent);
    case ScreenId::NonCityDialog:
        return new NonCityDialogView(app.nonCityDialog(), parent);
    case ScreenId::CheckWriter:
        return new CheckWriterView(app.checkWriter(), parent);
    case ScreenId::PrinterOffset:
        return new PrinterOffsetView(app.printerOffset(), parent);
    case ScreenId::Ledger:
        return new LedgerWindowView(app.ledgerWindow(), parent);
    case ScreenId::Heading:
        return new HeadingDialogView(app.headingDialog(), parent);
    case ScreenId::OvertimeTracker:
        return new OvertimeTrackerView(app.overtimeTracker(), parent);
    case ScreenId::LeaveLog:
        return new LeaveLogView(app.leaveLog(), parent);
    case ScreenId::StubCheck:
        return new StubCheckView(app.stubCheck(), parent);
    case ScreenId::FedTable:
        return new FedTableDialogView(app.fedTableDialog(), parent);
    }
    return nullptr;
}

} // namespace tallyman::gui
