// The overtime tracker and the leave log in their windows, and a saved period restored through
// the real file dialog.
#include "gui/help_viewer.h"
#include "gui/qt_dialogs.h"
#include "gui_session.h"
#include "gui_tests.h"
#include "screens/main_window.h"
#include "screens/trackers/leave_log_screen.h"
#include "screens/trackers/overtime_tracker.h"
#include "screens/user_info.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <fstream>

using namespace tallyman;
using tallyman::gui::test::child;
using tallyman::gui::test::GuiSession;
using tallyman::gui::test::whenShown;

namespace {

QLineEdit* trackerBox(QWidget* tracker, const char* column, int row)
{
    return tracker->findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(QString::fromLatin1(column)).arg(row));
}

// Presses the button of the main window that shows a tracker, and returns its window.
QWidget* openFromMainWindow(GuiSession& session, const char* button, ScreenId screen)
{
    QTest::mouseClick(child<QWidget>(session.mainWindow(), button), Qt::LeftButton);
    QWidget* window = session.host.window(screen);
    if (window && !QTest::qWaitForWindowExposed(window))
        return nullptr;
    return window;
}

} // namespace

class TrackerViewsTest : public QObject {
    Q_OBJECT
private slots:
    void trackerKeysMoveThroughTheTable_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("toRow");
        QTest::newRow("Enter to the next week ending") << "Text1" << 0 << int(Qt::Key_Return) << "Text1" << 1;
        QTest::newRow("Enter from the last row to the first")
            << "txtOT" << 52 << int(Qt::Key_Return) << "txtOT" << 0;
        QTest::newRow("Down into the second block") << "txtOT" << 25 << int(Qt::Key_Down) << "txtOT" << 26;
        QTest::newRow("Up in the first row stays") << "Text1" << 0 << int(Qt::Key_Up) << "Text1" << 0;
        QTest::newRow("Right to the O.T. box") << "Text1" << 7 << int(Qt::Key_Right) << "txtOT" << 7;
        QTest::newRow("Left to the week ending") << "txtOT" << 7 << int(Qt::Key_Left) << "Text1" << 7;
    }
    void trackerKeysMoveThroughTheTable()
    {
        QFETCH(QString, from);
        QFETCH(int, row);
        QFETCH(int, key);
        QFETCH(QString, to);
        QFETCH(int, toRow);
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* tracker = openFromMainWindow(session, "cmdOT", ScreenId::OvertimeTracker);
        QVERIFY(tracker);
        tracker->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(tracker));
        QLineEdit* start = trackerBox(tracker, from.toLatin1().constData(), row);
        start->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(start));
        QTest::keyClick(start, static_cast<Qt::Key>(key));
        QTRY_COMPARE(QApplication::focusWidget(),
            static_cast<QWidget*>(trackerBox(tracker, to.toLatin1().constData(), toRow)));
        // Focus selects the whole text, as in every number box.
        auto* landed = trackerBox(tracker, to.toLatin1().constData(), toRow);
        QCOMPARE(landed->selectedText(), landed->text());
    }

    void trackerTotalsWhenTypedAndHidesTheSecondBlockForBiWeekly()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* tracker = openFromMainWindow(session, "cmdOT", ScreenId::OvertimeTracker);
        QVERIFY(tracker);
        QCOMPARE(tracker->windowTitle(), QStringLiteral("OverTime Percentage"));
        QVERIFY(child<QWidget>(tracker, "Frame2")->isVisible());
        auto* annual = child<QLineEdit>(tracker, "txtAnnual");
        annual->setFocus();
        annual->selectAll();
        QTest::keyClicks(annual, QStringLiteral("52x000"));
        QCOMPARE(annual->text(), QStringLiteral("52000"));
        auto* percent = child<QLineEdit>(tracker, "txtApPercent");
        percent->setFocus();
        percent->selectAll();
        QTest::keyClicks(percent, QStringLiteral("15"));
        auto* first = trackerBox(tracker, "txtOT", 0);
        first->setFocus();
        first->selectAll();
        QTest::keyClicks(first, QStringLiteral("6240.5"));
        QTest::mouseClick(child<QWidget>(tracker, "cmdADD"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(tracker, "lbAvail")->text(), QStringLiteral("$1,559.50"));
        QTest::mouseClick(child<QWidget>(tracker, "cmdClose"), Qt::LeftButton);
        session.app.releaseClosedScreens();
        QTRY_VERIFY(!session.host.window(ScreenId::OvertimeTracker));

        session.app.profile.Week = 0;
        session.app.profile.BiWeek = -1;
        session.app.userInfo().optBiWeek.click();
        QWidget* narrow = openFromMainWindow(session, "cmdOT", ScreenId::OvertimeTracker);
        QVERIFY(narrow);
        QVERIFY(!child<QWidget>(narrow, "Frame2")->isVisible());
        QVERIFY(trackerBox(narrow, "Text1", 25)->isVisible());
    }

    void leaveLogShowsItsBalances()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        session.mainWindow()->findChild<QAction*>(QStringLiteral("mnuVac"))->trigger();
        QWidget* log = session.host.window(ScreenId::LeaveLog);
        QVERIFY(log);
        QVERIFY(QTest::qWaitForWindowExposed(log));
        QCOMPARE(log->windowTitle(), QStringLiteral("Vacation / Holiday / Sick"));
        auto* start = child<QLineEdit>(log, "txtVacBal");
        start->setFocus();
        start->selectAll();
        QTest::keyClicks(start, QStringLiteral("10"));
        for (auto [row, days] : { std::pair { 0, "1" }, std::pair { 1, "0.5" }, std::pair { 2, "2" } }) {
            auto* box = child<QLineEdit>(log, QStringLiteral("txtVcnt_%1").arg(row).toLatin1().constData());
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, QString::fromLatin1(days));
        }
        QCOMPARE(child<QLabel>(log, "lbVacBal")->text(), QStringLiteral("6.5"));
        QTest::mouseClick(child<QWidget>(log, "OKButton"), Qt::LeftButton);
        QVERIFY(std::filesystem::exists(session.file("NAME.hol")));
    }

    void restoreThroughTheFileDialog()
    {
        QTemporaryDir dir;
        const std::filesystem::path folder = dir.path().toStdString();
        gui::QtDialogs dialogs(folder, {});
        ui::PlainClock clock { ui::Date { 2026, 12, 4 } };
        ui::RecordingPrinter printer;
        gui::QtScreenHost host;
        App app { AppServices { dialogs, clock, printer, host, DataFolder(folder), TALLYMAN_DATA_DIR } };
        host.setApp(app);
        whenShown(host, ScreenId::StartupPrompt,
            [](QWidget* prompt) { QTest::mouseClick(child<QWidget>(prompt, "OKButton"), Qt::LeftButton); });
        QVERIFY(app.start());
        app.releaseClosedScreens();
        QWidget* main = host.window(ScreenId::MainWindow);
        QVERIFY(main && QTest::qWaitForWindowExposed(main));

        std::ofstream(folder / "12_31_2024  NAME.prv", std::ios::binary)
            << "40\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1234.5\r\n0."
               "5\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
               "0\r\n0\r\n1500\r\n0\r\n0\r\n1200\r\n";
        // The dialog lists the folder in the background: until the file is listed, accept
        // refuses it, so type the name again on every tick until the dialog closes. A person
        // types into the name box; selectFile() would leave a focused box untouched.
        bool chosen = false;
        QElapsedTimer waited;
        waited.start();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* fileDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!fileDialog)
                return;
            if (waited.elapsed() > 20000) {
                fileDialog->reject();
                return;
            }
            auto* nameBox = fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!nameBox || fileDialog->nameFilters().value(0) != QStringLiteral("Saved Files (*.prv)"))
                return;
            chosen = true;
            nameBox->setText(QStringLiteral("12_31_2024  NAME.prv"));
            QMetaObject::invokeMethod(fileDialog, "accept", Qt::QueuedConnection);
        });
        poll.start(20);
        QTest::mouseClick(child<QWidget>(main, "cmdPeriod"), Qt::LeftButton);
        poll.stop();
        QVERIFY(chosen);
        QCOMPARE(child<QLineEdit>(main, "txtWeek")->text(), QStringLiteral("12/31/2024"));
        QCOMPARE(child<QLineEdit>(main, "txtAmount_0")->text(), QStringLiteral("40"));
        QCOMPARE(child<QLabel>(main, "lbTaxDed_0")->text(), QStringLiteral("1234.50"));
        QCOMPARE(child<QLabel>(main, "lbTaxDed_1")->text(), QStringLiteral(".50"));
        QCOMPARE(child<QLabel>(main, "Label13")->text(), QStringLiteral("1500.00"));
        QCOMPARE(child<QLabel>(main, "lbNet")->text(), QStringLiteral("1200.00"));
        app.quit();
        app.releaseClosedScreens();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TALLYMAN_GUI_TEST(TrackerViewsTest)
#include "tracker_views_test.moc"
