// Drives the screen models as a person would and draws their windows into files.
#include "gui/screenshots.h"

#include "gui/about_dialog.h"
#include "gui/qt_printer.h"
#include "gui/qt_screen_host.h"
#include "numbers/formats.h"
#include "numbers/number_text.h"
#include "platform/plain_clock.h"
#include "platform/scripted_dialogs.h"
#include "screens/app.h"
#include "screens/ledger/ledger_window.h"
#include "screens/main_window.h"
#include "screens/printing/check_writer.h"
#include "screens/printing/printer_offset.h"
#include "screens/stub_check.h"
#include "screens/taxtables/state_dialog.h"
#include "screens/trackers/leave_log_screen.h"
#include "screens/trackers/overtime_tracker.h"
#include "screens/user_commands.h"
#include "screens/user_info.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

namespace tallyman::gui {

namespace {

class Camera {
public:
    explicit Camera(const std::filesystem::path& outDir)
        : m_dir(QString::fromStdString(outDir.string()))
    { }

    // Draws the window as laid out at its preferred size.
    void take(QWidget* window, const char* name)
    {
        if (!window) {
            std::fprintf(stderr, "screenshots: no window for %s\n", name);
            m_ok = false;
            return;
        }
        QApplication::processEvents();
        window->adjustSize();
        takeAsShown(window, name);
    }

    // Draws the widget at the size it has.
    void takeAsShown(QWidget* window, const char* name)
    {
        QApplication::processEvents();
        const QString file = m_dir.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
        if (!window->grab().save(file, "PNG")) {
            std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(file));
            m_ok = false;
        }
    }
    bool ok() const { return m_ok; }

private:
    QDir m_dir;
    bool m_ok = true;
};

} // namespace

bool renderScreenshots(const std::filesystem::path& outDir, const std::filesystem::path& installedData)
{
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;

    // A fixed day keeps the pictures the same from one run to the next.
    ui::PlainClock clock(ui::Date { 2026, 12, 4 });
    ui::ScriptedDialogs dialogs;
    Camera camera(outDir);
    // Printouts go to a preview, which is drawn: the statement page as the person sees it.
    QtPrinter printer;
    std::string previewName = "statement-page";
    printer.showPreview = [&](QPrintPreviewDialog& dialog) {
        dialog.resize(720, 900);
        dialog.show();
        auto* page = dialog.findChild<QPrintPreviewWidget*>();
        if (page) {
            page->updatePreview();
            page->fitToWidth();
        }
        camera.takeAsShown(page, previewName.c_str());
        dialog.close();
    };
    QtScreenHost host;
    App app(AppServices {
        dialogs, clock, printer, host, DataFolder(scratch.path().toStdString()), installedData });
    host.setApp(app);

    app.show(ScreenId::StartupPrompt);
    camera.take(host.window(ScreenId::StartupPrompt), "startup-prompt");
    app.startupPrompt().OKButton.click();
    app.releaseClosedScreens();

    MainWindow& main = app.mainWindow();
    main.txtAmount[0].setText("40");
    main.cmdCal.click();
    app.releaseClosedScreens();
    camera.take(host.window(ScreenId::MainWindow), "main-window");

    // Modal screens are shown without their modal run, so the drawing can go on.
    app.show(ScreenId::UserInfo);
    camera.take(host.window(ScreenId::UserInfo), "user-info");
    app.userInfo().Command1.click();

    app.show(ScreenId::SaveUser);
    camera.take(host.window(ScreenId::SaveUser), "save-user");
    app.close(ScreenId::SaveUser);
    app.releaseClosedScreens();

    // A stub that withholds 10.00 more federal tax, rounds Medicare the other way and takes
    // a deduction Tallyman does not know.
    main.cmdStub.click();
    StubCheckScreen& stub = app.stubCheck();
    const auto typed = [](const ui::Label& shown, double delta) {
        return formatPlainCents(strictNumber(shown.text()).value_or(0) + delta);
    };
    stub.txtStub[index(StubLine::Gross)].setText(typed(main.Label13, 0));
    stub.txtStub[index(StubLine::Fed)].setText(typed(main.lbTaxDed[0], 10));
    stub.txtStub[index(StubLine::SS)].setText(typed(main.lbTaxDed[1], 0));
    stub.txtStub[index(StubLine::Medi)].setText(typed(main.lbTaxDed[2], 0.01));
    stub.txtStub[index(StubLine::State)].setText(typed(main.lbTaxDed[3], 0));
    stub.txtStub[index(StubLine::Net)].setText(typed(main.lbNet, -10 - 0.01 - 12.5));
    stub.cmdCompare.click();
    camera.take(host.window(ScreenId::StubCheck), "stub-check");

    main.mnuState.click();
    app.stateDialog().press(&StateDialog::ckKentucky);
    camera.take(host.window(ScreenId::StateDialog), "state-dialog");

    main.mnuCity.click();
    camera.take(host.window(ScreenId::CityDialog), "city-dialog");
    main.mnuNonCity.click();
    camera.take(host.window(ScreenId::NonCityDialog), "noncity-dialog");

    main.mnuChecks.click();
    camera.take(host.window(ScreenId::CheckWriter), "check-writer");
    app.checkWriter().mnuPrintCheck.click();
    camera.take(host.window(ScreenId::PrinterOffset), "printer-offset");
    printer.previewNextDocument();
    main.cmdPrint.click();
    // The alignment page at the offsets in the dialog's boxes.
    previewName = "test-page";
    printer.previewNextDocument();
    app.printerOffset().cmdTestPage.click();
    main.cmdOT.click();
    OvertimeTrackerScreen& tracker = app.overtimeTracker();
    tracker.txtAnnual.setText("52000");
    tracker.txtApPercent.setText("15");
    const char* const weeks[][2] = { { "11/6/2026", "312.5" }, { "11/13/2026", "0" },
        { "11/20/2026", "187.25" }, { "11/27/2026", "240" }, { "12/4/2026", "125" } };
    for (std::size_t i = 0; i < std::size(weeks); ++i) {
        tracker.Text1[i].setText(weeks[i][0]);
        tracker.txtOT[i].setText(weeks[i][1]);
    }
    tracker.cmdADD.click();
    // The whole window, as a screen with room for it shows it (a shorter one scrolls the rows).
    if (QWidget* window = host.window(ScreenId::OvertimeTracker)) {
        window->resize(window->sizeHint());
        camera.takeAsShown(window, "overtime-tracker");
    } else {
        camera.take(nullptr, "overtime-tracker");
    }

    main.Command1.click();
    LeaveLogScreen& leave = app.leaveLog();
    leave.txtVacBal.setText("10");
    leave.txtVdate[0].setText("7/3/2026");
    leave.txtVcnt[0].setText("1");
    leave.txtVdate[1].setText("8/14/2026");
    leave.txtVcnt[1].setText("0.5");
    leave.txtVdate[2].setText("11/27/2026");
    leave.txtVcnt[2].setText("2");
    leave.txtHolBal.setText("3");
    leave.txtHdate[0].setText("10/12/2026");
    leave.txtHcnt[0].setText("1");
    leave.txtSickBal.setText("5");
    camera.take(host.window(ScreenId::LeaveLog), "leave-log");

    main.cmdYear.click();
    for (int week = 0; week < 3; ++week)
        app.ledgerWindow().Label2[static_cast<std::size_t>(week)].click();
    camera.take(host.window(ScreenId::Ledger), "ledger-window");
    main.mnuHeader.click();
    camera.take(host.window(ScreenId::Heading), "heading-dialog");
    main.mnuFedTable.click();
    camera.take(host.window(ScreenId::FedTable), "federal-table-dialog");

    {
        AboutDialog about(aboutInfo(), host.window(ScreenId::MainWindow));
        about.show();
        camera.take(&about, "about");
    }

    app.quit();
    app.releaseClosedScreens();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return camera.ok();
}

} // namespace tallyman::gui
