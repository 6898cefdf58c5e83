// The program through its windows: start-up prompt, main window, User Info, closing.
#include "gui/about_dialog.h"
#include "gui_session.h"
#include "gui_tests.h"
#include "screens/main_window.h"
#include "support/files.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <fstream>
#include <sstream>

using namespace tallyman;
using tallyman::gui::test::child;
using tallyman::gui::test::GuiSession;
using tallyman::gui::test::retype;
using tallyman::gui::test::whenShown;
using tallyman::test::readFile;

namespace {

QString labelText(QWidget* window, const char* name)
{
    auto* label = child<QLabel>(window, name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

QLineEdit* hoursBox(QWidget* main, int index)
{
    return main->findChild<QLineEdit*>(QStringLiteral("txtAmount_%1").arg(index));
}

} // namespace

class MainWindowViewTest : public QObject {
    Q_OBJECT
private slots:
    void promptOffersNameAndOpensMainWindow()
    {
        GuiSession session;
        QString offered;
        whenShown(session.host, ScreenId::StartupPrompt, [&offered](QWidget* prompt) {
            offered = child<QLineEdit>(prompt, "txtUser")->text();
            QCOMPARE(prompt->windowTitle(), QStringLiteral("Enter File Name........."));
            QCOMPARE(QApplication::activeModalWidget(), prompt);
            QTest::mouseClick(child<QWidget>(prompt, "OKButton"), Qt::LeftButton);
        });
        QVERIFY(session.app.start());
        QCOMPARE(offered, QStringLiteral("NAME"));
        QWidget* main = session.mainWindow();
        QVERIFY(main && main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("  User:  NAME"));
        QCOMPARE(labelText(main, "lbUser"), QStringLiteral("NAME"));
        QVERIFY(!session.host.window(ScreenId::StartupPrompt)
            || !session.host.window(ScreenId::StartupPrompt)->isVisible());
        QVERIFY(std::filesystem::exists(session.file("NAME.use")));
    }

    void typedNameBecomesTheUser()
    {
        GuiSession session;
        QVERIFY(session.startAs("Smith"));
        QCOMPARE(session.mainWindow()->windowTitle(), QStringLiteral("  User:  Smith"));
        QVERIFY(std::filesystem::exists(session.file("Smith.use")));
    }

    void closingThePromptEndsTheProgram()
    {
        GuiSession session;
        whenShown(session.host, ScreenId::StartupPrompt, [](QWidget* prompt) { prompt->close(); });
        QVERIFY(!session.app.start());
        QVERIFY(session.app.quitRequested());
        QVERIFY(!session.mainWindow());
    }

    void hoursBoxesKeepOnlyNumberKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("letter between digits") << "4a0"
                                               << "40";
        QTest::newRow("blank, minus and point") << "-1 2.5"
                                                << "-1 2.5";
        QTest::newRow("signs and letters") << "+$x7,"
                                           << "7";
    }
    void hoursBoxesKeepOnlyNumberKeys()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        GuiSession session;
        QVERIFY(session.startAs());
        QLineEdit* box = hoursBox(session.mainWindow(), 0);
        retype(box, typed);
        QCOMPARE(box->text(), kept);
        QCOMPARE(QString::fromStdString(session.app.mainWindow().txtAmount[0].text()), kept);
    }

    void addShowsTheResults()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* main = session.mainWindow();
        retype(hoursBox(main, 0), QStringLiteral("40"));
        QTest::mouseClick(child<QWidget>(main, "cmdCal"), Qt::LeftButton);
        session.app.releaseClosedScreens();

        QCOMPARE(labelText(main, "Label13"), QStringLiteral("$300.00"));
        const std::pair<const char*, const char*> tags[] = {
            { "lbTaxTag_0", "Federal Tax" },
            { "lbTaxTag_1", "Soc Sec" },
            { "lbTaxTag_2", "Medicare" },
            { "lbTaxTag_3", "State Tax" },
            { "lbTaxTag_4", "City Tax" },
            { "lbTaxTag_10", "K Plan" },
            { "lbTaxTag_14", "SDI" },
            { "lbTaxTag_15", "SUI" },
            { "lbTaxTag_16", "Cafeteria Plan" },
        };
        for (const auto& [name, text] : tags)
            QCOMPARE(labelText(main, name), QString::fromLatin1(text));
        // 6.2% and 1.45% of $300.00.
        QVERIFY2(labelText(main, "lbTaxDed_1").contains(QStringLiteral("18.60")),
            qPrintable(labelText(main, "lbTaxDed_1")));
        QVERIFY2(labelText(main, "lbTaxDed_2").contains(QStringLiteral("4.35")),
            qPrintable(labelText(main, "lbTaxDed_2")));
        for (const char* name : { "lbTaxDed_0", "lbTaxDed_3", "lbTaxes", "lbDeduct", "lbNet" })
            QVERIFY2(!labelText(main, name).isEmpty(), name);
        // Every label shows what its model holds.
        const MainWindow& model = session.app.mainWindow();
        QCOMPARE(labelText(main, "lbNet"), QString::fromStdString(model.lbNet.text()));
        QCOMPARE(labelText(main, "lbTaxes"), QString::fromStdString(model.lbTaxes.text()));
        // The calculation saved the user: the title is the bare name, the first box has the focus.
        QCOMPARE(main->windowTitle(), QStringLiteral("NAME"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(hoursBox(main, 0)));
        QCOMPARE(hoursBox(main, 0)->selectedText(), QStringLiteral("40"));
    }

    void clearEmptiesTheBoxesAndResults()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* main = session.mainWindow();
        retype(hoursBox(main, 0), QStringLiteral("40"));
        QTest::mouseClick(child<QWidget>(main, "cmdCal"), Qt::LeftButton);
        child<QLineEdit>(main, "txtWeek")->setText(QStringLiteral("1/2/2026"));
        session.app.mainWindow().txtWeek.setText("1/2/2026");
        QTest::mouseClick(child<QWidget>(main, "cmdClear"), Qt::LeftButton);
        QCOMPARE(hoursBox(main, 0)->text(), QString());
        QCOMPARE(labelText(main, "Label13"), QString());
        QCOMPARE(labelText(main, "lbTaxDed_1"), QString());
        QCOMPARE(child<QLineEdit>(main, "txtWeek")->text(), QStringLiteral("12/4/2026"));
    }

    void keysMoveBetweenHoursBoxes_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("Enter to the next box") << 0 << int(Qt::Key_Return) << 1;
        QTest::newRow("Enter from the last box to the first") << 7 << int(Qt::Key_Return) << 0;
        QTest::newRow("Down to the next box") << 3 << int(Qt::Key_Down) << 4;
        QTest::newRow("Down in the last box stays") << 7 << int(Qt::Key_Down) << 7;
        QTest::newRow("Up to the box above") << 3 << int(Qt::Key_Up) << 2;
        QTest::newRow("Up in the first box stays") << 0 << int(Qt::Key_Up) << 0;
    }
    void keysMoveBetweenHoursBoxes()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* main = session.mainWindow();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        hoursBox(main, from)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(hoursBox(main, from)));
        QTest::keyClick(hoursBox(main, from), static_cast<Qt::Key>(key));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(hoursBox(main, to)));
    }

    void menusCarryTheirAccelerators_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const std::pair<const char*, const char*> items[] = {
            { "mnuNew", "&New" },
            { "mnuOpen", "&Open" },
            { "mnuSave", "&Save" },
            { "mnuPrintItem", "&Print Image" },
            { "mnuClearIitem", "&Clear" },
            { "mnuExitItem", "E&xit" },
            { "mnuTaxInfoItem", "&User Info" },
            { "mnuState", "S&tate Tax" },
            { "mnuCity", "C&ity Tax" },
            { "mnuNonCity", "Non City Tax" },
            { "mnuFedTable", "&Federal Table..." },
            { "mnuHelpItem", "He&lp" },
            { "mnuAboutItem", "&About" },
        };
        for (const auto& [name, caption] : items)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption);
    }
    void menusCarryTheirAccelerators()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        GuiSession session;
        QVERIFY(session.startAs());
        auto* action = session.mainWindow()->findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
    }

    void formsMenuListsVacationOvertimeThenYearToDate()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        auto* forms = session.mainWindow()->findChild<QMenu*>(QStringLiteral("mnuForms"));
        QVERIFY(forms);
        QStringList names;
        for (const QAction* action : forms->actions())
            if (!action->isSeparator())
                names << action->objectName();
        // The stub check stands apart, after the three forms.
        QCOMPARE(names, (QStringList { "mnuVac", "mnuOtItem", "mnuYear", "mnuStub" }));
    }

    void pictureButtonsShowIconsAndTips()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        const std::pair<const char*, const char*> buttons[]
            = { { "cmdCal", "Results" }, { "cmdClear", "Clear" } };
        for (const auto& [name, tip] : buttons) {
            auto* button = child<QToolButton>(session.mainWindow(), name);
            QVERIFY(button);
            QVERIFY2(!button->icon().isNull(), name);
            QCOMPARE(button->toolTip(), QString::fromLatin1(tip));
        }
        QCOMPARE(hoursBox(session.mainWindow(), 5)->toolTip(), QStringLiteral("Enter"));
    }

    void userInfoSaveWritesTheFiles()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        whenShown(session.host, ScreenId::UserInfo, [](QWidget* info) {
            retype(child<QLineEdit>(info, "txtHourRate"), QStringLiteral("12.5"));
            QTest::mouseClick(child<QWidget>(info, "cmdOk"), Qt::LeftButton);
        });
        session.mainWindow()->findChild<QAction*>(QStringLiteral("mnuTaxInfoItem"))->trigger();
        session.app.releaseClosedScreens();
        QVERIFY(!session.host.window(ScreenId::UserInfo));
        QVERIFY(readFile(session.file("NAME.use")).find("12.5") != std::string::npos);

        // The next calculation pays the new rate.
        QWidget* main = session.mainWindow();
        retype(hoursBox(main, 0), QStringLiteral("40"));
        QTest::mouseClick(child<QWidget>(main, "cmdCal"), Qt::LeftButton);
        QCOMPARE(labelText(main, "Label13"), QStringLiteral("$500.00"));
    }

    // Choosing the form from 2020 on enables its fields and disables the old form's lists.
    void userInfoW4FormSwitchesItsFields()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        whenShown(session.host, ScreenId::UserInfo, [](QWidget* info) {
            auto* step3 = child<QLineEdit>(info, "txtW4Step3");
            auto* exemptions = child<QWidget>(info, "cboDepend");
            QVERIFY(step3 && exemptions);
            QVERIFY(!step3->isEnabled());
            QVERIFY(exemptions->isEnabled());
            QTest::mouseClick(child<QWidget>(info, "optW4From2020"), Qt::LeftButton);
            QVERIFY(step3->isEnabled());
            QVERIFY(!exemptions->isEnabled());
            retype(step3, QStringLiteral("2000"));
            QTest::mouseClick(child<QWidget>(info, "cmdOk"), Qt::LeftButton);
        });
        session.mainWindow()->findChild<QAction*>(QStringLiteral("mnuTaxInfoItem"))->trigger();
        session.app.releaseClosedScreens();
        QCOMPARE(readFile(session.file("NAME.w4")), std::string("2020,\"Single\",0,2000,0,0\r\n"));
    }

    void userInfoCloseBoxDropsTheEdits()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        const std::string before = readFile(session.file("NAME.use"));
        whenShown(session.host, ScreenId::UserInfo, [](QWidget* info) {
            retype(child<QLineEdit>(info, "txtHourRate"), QStringLiteral("20"));
            info->close();
        });
        session.mainWindow()->findChild<QAction*>(QStringLiteral("mnuTaxInfoItem"))->trigger();
        session.app.releaseClosedScreens();
        QVERIFY(!session.host.window(ScreenId::UserInfo));
        QCOMPARE(readFile(session.file("NAME.use")), before);
        QCOMPARE(session.app.profile.HourRate, 7.5f);
    }

    // While a modal screen runs, the main window takes no clicks: ADD would save the user (under
    // the name half typed into Save User) and close User Info with its edits.
    void modalScreensKeepTheMainWindowWaiting_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Save User") << "mnuSave" << int(ScreenId::SaveUser) << "txtSaveUser"
                                   << "Typo";
        QTest::newRow("User Info") << "mnuTaxInfoItem" << int(ScreenId::UserInfo) << "txtHourRate"
                                   << "22";
    }
    void modalScreensKeepTheMainWindowWaiting()
    {
        QFETCH(QString, menu);
        QFETCH(int, screen);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* main = session.mainWindow();
        retype(hoursBox(main, 0), QStringLiteral("40"));
        // A click on ADD as the window system delivers it: with no dialog up it calculates.
        auto* add = child<QWidget>(main, "cmdCal");
        const auto clickAdd = [main, add] {
            QTest::mouseClick(
                main->windowHandle(), Qt::LeftButton, {}, add->mapTo(main, add->rect().center()));
        };
        clickAdd();
        session.app.releaseClosedScreens();
        QCOMPARE(labelText(main, "Label13"), QStringLiteral("$300.00"));
        QTest::mouseClick(child<QWidget>(main, "cmdClear"), Qt::LeftButton);
        retype(hoursBox(main, 0), QStringLiteral("40"));
        const std::string before = readFile(session.file("NAME.use"));
        QWidget* dialog = nullptr;
        QWidget* activeModal = nullptr;
        bool openAfterClick = false;
        QString boxAfterClick;
        whenShown(session.host, ScreenId(screen), [&](QWidget* window) {
            dialog = window;
            activeModal = QApplication::activeModalWidget();
            QPointer<QWidget> shown = window;
            QPointer<QLineEdit> edited = child<QLineEdit>(window, qPrintable(box));
            retype(edited, typed);
            clickAdd();
            QTest::qWait(50);
            openAfterClick = session.app.isLoaded(ScreenId(screen)) && shown && shown->isVisible();
            boxAfterClick = edited ? edited->text() : QString();
            if (openAfterClick)
                shown->close();
        });
        main->findChild<QAction*>(menu)->trigger();
        session.app.releaseClosedScreens();
        QVERIFY(dialog);
        QCOMPARE(activeModal, dialog);
        QVERIFY2(openAfterClick, "ADD reached the main window while the dialog ran");
        QCOMPARE(boxAfterClick, typed);
        QCOMPARE(labelText(main, "Label13"), QString());
        QVERIFY(!std::filesystem::exists(session.file("Typo.use")));
        QCOMPARE(session.app.UserName, std::string("NAME"));
        QCOMPARE(readFile(session.file("NAME.use")), before);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aboutBoxShowsTheVersion()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        QStringList texts;
        QTimer::singleShot(0, [&texts] {
            auto* about = qobject_cast<gui::AboutDialog*>(QApplication::activeModalWidget());
            if (!about)
                return;
            for (auto* label : about->findChildren<QLabel*>())
                texts << label->text();
            QTest::mouseClick(about->okButton(), Qt::LeftButton);
        });
        session.mainWindow()->findChild<QAction*>(QStringLiteral("mnuAboutItem"))->trigger();
        QVERIFY2(texts.contains(QStringLiteral("Tallyman")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY(std::any_of(texts.begin(), texts.end(),
            [](const QString& t) { return t.startsWith(QStringLiteral("Version ")); }));
    }

    void closingTheMainWindowAsksAndEnds()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        session.dialogs.queueAnswer(ui::MessageAnswer::No);
        session.mainWindow()->close();
        QVERIFY(session.app.quitRequested());
        const auto questions = session.dialogs.questions();
        QCOMPARE(questions.size(), std::size_t(1));
        QCOMPARE(questions[0].lines.at(0), std::string("     SAVE USER'S SETTINGS?"));
        QVERIFY(!session.mainWindow() || !session.mainWindow()->isVisible());
    }

    void exitWithYesRunsSaveUserFirst()
    {
        GuiSession session;
        QVERIFY(session.startAs("Jones"));
        session.dialogs.queueAnswer(ui::MessageAnswer::Yes);
        bool saveUserShown = false;
        whenShown(session.host, ScreenId::SaveUser, [&saveUserShown](QWidget* save) {
            saveUserShown = true;
            QCOMPARE(child<QLineEdit>(save, "txtSaveUser")->text(), QStringLiteral("Jones"));
            retype(child<QLineEdit>(save, "txtSaveUser"), QStringLiteral("Copy"));
            QTest::mouseClick(child<QWidget>(save, "cmdSaveUser"), Qt::LeftButton);
        });
        session.mainWindow()->findChild<QAction*>(QStringLiteral("mnuExitItem"))->trigger();
        QVERIFY(saveUserShown);
        QVERIFY(session.app.quitRequested());
        QVERIFY(std::filesystem::exists(session.file("Copy.use")));
        QVERIFY(std::filesystem::exists(session.file("Copy.sta")));
    }
};

TALLYMAN_GUI_TEST(MainWindowViewTest)
#include "main_window_view_test.moc"
