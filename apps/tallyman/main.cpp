// tallyman: the desktop program. Asks for the user, then runs the main window until the end.
#include "gui/display_check.h"
#include "gui/help_viewer.h"
#include "gui/qt_clock.h"
#include "gui/qt_dialogs.h"
#include "gui/qt_printer.h"
#include "gui/qt_screen_host.h"
#include "gui/resources.h"
#include "gui/screenshots.h"
#include "gui/startup_probe.h"
#include "screens/app.h"
#include "storage/data_locations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>
#include <string>
#include <vector>

using namespace tallyman;

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto reason = gui::missingDisplay(args, gui::processDisplayEnvironment())) {
        if (!gui::needsNoScreen(args)) {
            std::fprintf(stderr, "%s\n", gui::noDisplayMessage(*reason).c_str());
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyman"));
    QApplication::setApplicationVersion(QStringLiteral(TALLYMAN_VERSION));
    // Lets the desktop match the window to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("tallyman"));
    // The program ends when the models say so, not when its last window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    gui::initResources();

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Payroll calculator for one employee at a time."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption dirOption(QStringLiteral("dir"),
        QStringLiteral(
            "Keep the users' files in <folder> (default: $TALLYMAN_DIR, else the application data folder)."),
        QStringLiteral("folder"));
    const QCommandLineOption screenshotsOption(QStringLiteral("screenshots"),
        QStringLiteral("Draw every window into PNG files in <folder> and end."), QStringLiteral("folder"));
    options.addOption(dirOption);
    options.addOption(screenshotsOption);
    options.process(application);

    const auto installedData = installedDataFolder();
    if (options.isSet(screenshotsOption))
        return gui::renderScreenshots(options.value(screenshotsOption).toStdString(), installedData) ? 0 : 1;

    // An empty --dir counts as not given here.
    const QString dirGiven = options.value(dirOption);
    const auto chosen = chooseDataFolder(
        dirGiven.isEmpty() ? std::nullopt : std::optional<std::string>(dirGiven.toStdString()))
                            .dir;
    const auto folder = prepareDataFolder(chosen);
    if (!folder) {
        const QString text = QStringLiteral("The data folder %1 cannot be created.")
                                 .arg(QString::fromStdString(chosen.string()));
        std::fprintf(stderr, "tallyman: %s\n", qPrintable(text));
        QMessageBox::critical(nullptr, QStringLiteral("Tallyman"), text);
        return 1;
    }

    gui::QtDialogs dialogs(*folder, gui::helpFolders(*folder, installedData));
    gui::QtClock clock;
    gui::QtPrinter printer;
    gui::QtScreenHost host;
    App app(AppServices { dialogs, clock, printer, host, DataFolder(*folder), installedData });
    host.setApp(app);
    gui::StartupProbe probe(app, host);

    for (const std::string& warning : app.dataFolderWarnings()) {
        std::fprintf(stderr, "tallyman: %s\n", warning.c_str());
        app.message({ warning }, ProgramTitle, ui::MessageButtons::Ok, ui::MessageIcon::Warning);
    }
    if (!app.start())
        return 0;
    host.runUntilQuit();
    return 0;
}
