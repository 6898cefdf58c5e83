// The state, city and non-city windows: opened from the menu beside the main window, a preset
// fills their fields, SAVE writes the file.
#include "gui_session.h"
#include "gui_tests.h"
#include "screens/taxtables/noncity_dialog.h"
#include "screens/taxtables/special_boxes.h"
#include "screens/taxtables/state_dialog.h"
#include "support/files.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

#include <fstream>
#include <sstream>

using namespace tallyman;
using tallyman::gui::test::child;
using tallyman::gui::test::GuiSession;
using tallyman::gui::test::retype;
using tallyman::test::readFile;

namespace {

QWidget* openFromMenu(GuiSession& session, const char* action, ScreenId screen)
{
    session.mainWindow()->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    QWidget* window = session.host.window(screen);
    return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

QString field(QWidget* window, const char* column, int row)
{
    auto* box
        = window->findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(QString::fromLatin1(column)).arg(row));
    return box ? box->text() : QStringLiteral("<none>");
}

// Every figure of a table column, top to bottom.
QStringList column(QWidget* window, const char* name, int rows)
{
    QStringList texts;
    for (int row = 0; row < rows; ++row)
        texts << field(window, name, row);
    return texts;
}

} // namespace

class TaxDialogViewsTest : public QObject {
    Q_OBJECT
private slots:
    void dialogsOpenBesideTheMainWindow_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("title");
        QTest::newRow("state") << "mnuState" << int(ScreenId::StateDialog) << "Biweekly State Tax";
        QTest::newRow("city") << "mnuCity" << int(ScreenId::CityDialog) << "City (Local) Tax Tables";
        QTest::newRow("non-city") << "mnuNonCity" << int(ScreenId::NonCityDialog) << "NON City Resident";
    }
    void dialogsOpenBesideTheMainWindow()
    {
        QFETCH(QString, action);
        QFETCH(int, screen);
        QFETCH(QString, title);
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* dialog = openFromMenu(session, action.toLatin1().constData(), static_cast<ScreenId>(screen));
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), title);
        // Not modal: the main window goes on taking input.
        QCOMPARE(dialog->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(session.mainWindow()->isEnabled());
    }

    void statePresetFillsTheTablesAndSaveWritesTheFile()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* dialog = openFromMenu(session, "mnuState", ScreenId::StateDialog);
        QVERIFY(dialog);
        const QStringList newYork = column(dialog, "txtStatePerBS", 10);
        QCOMPARE(newYork.at(0), QStringLiteral("0.04"));
        const std::string before = readFile(session.file("NAME.sta"));

        auto* kentucky = child<QCheckBox>(dialog, "ckKentucky");
        QTest::mouseClick(kentucky, Qt::LeftButton);
        QVERIFY(kentucky->isChecked());
        QCOMPARE(session.app.stateDialog().ckKentucky.value(), 1);
        QVERIFY(column(dialog, "txtStatePerBS", 10) != newYork);
        // Every shown figure is the model's.
        QCOMPARE(field(dialog, "txtStatePerBS", 0),
            QString::fromStdString(session.app.stateDialog().txtStatePerBS[0].text()));

        QTest::mouseClick(child<QWidget>(dialog, "OKButton"), Qt::LeftButton);
        session.app.releaseClosedScreens();
        QVERIFY(!session.host.window(ScreenId::StateDialog));
        QVERIFY(readFile(session.file("NAME.sta")) != before);
        QCOMPARE(session.app.state.Kentucky, short(1));
    }

    void pressingACheckedStateKeepsItsFiguresAndUnchecksIt()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* dialog = openFromMenu(session, "mnuState", ScreenId::StateDialog);
        auto* kentucky = child<QCheckBox>(dialog, "ckKentucky");
        QTest::mouseClick(kentucky, Qt::LeftButton);
        const QStringList figures = column(dialog, "txtStateMinBS", 10) + column(dialog, "txtStateSgExp", 10);
        QTest::mouseClick(kentucky, Qt::LeftButton);
        QVERIFY(!kentucky->isChecked());
        QCOMPARE(session.app.stateDialog().ckKentucky.value(), 0);
        QCOMPARE(column(dialog, "txtStateMinBS", 10) + column(dialog, "txtStateSgExp", 10), figures);
    }

    void controlsHiddenByTheModelStayHidden()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* dialog = openFromMenu(session, "mnuState", ScreenId::StateDialog);
        QVERIFY(dialog);
        auto* spouse = child<QCheckBox>(dialog, "ckSpouse");
        QVERIFY(spouse && !spouse->isVisible());
        session.app.stateDialog().ckSpouse.setVisible(true);
        QVERIFY(spouse->isVisible());
    }

    void pressingAnotherStateUnchecksTheFirst()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* dialog = openFromMenu(session, "mnuState", ScreenId::StateDialog);
        QTest::mouseClick(child<QCheckBox>(dialog, "ckKentucky"), Qt::LeftButton);
        QTest::mouseClick(child<QCheckBox>(dialog, "ckAriz"), Qt::LeftButton);
        QVERIFY(child<QCheckBox>(dialog, "ckAriz")->isChecked());
        QVERIFY(!child<QCheckBox>(dialog, "ckKentucky")->isChecked());
    }

    // Each special state is a box of the window, named and captioned after its row, and a
    // click on it selects its own flag in the record.
    void everySpecialStateIsABoxSelectingItsFlag()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* dialog = openFromMenu(session, "mnuState", ScreenId::StateDialog);
        StateDialog& model = session.app.stateDialog();
        for (const SpecialBox& row : SpecialBoxes) {
            auto* box = child<QCheckBox>(dialog, controlName(row).c_str());
            QVERIFY2(box, row.state.field);
            QCOMPARE(box->text(), QString::fromLatin1(row.state.caption));
            const QPoint indicator(4, box->height() / 2); // a wide box has no text at its middle
            QTest::mouseClick(box, Qt::LeftButton, {}, indicator);
            QVERIFY(model.fillVari());
            for (const SpecialState& state : SpecialStates)
                QVERIFY2(session.app.state.*state.flag == (&state == &row.state ? 1 : 0), state.field);
            // Unchecked again, so that the next row starts from a record without a state.
            QTest::mouseClick(box, Qt::LeftButton, {}, indicator);
            QVERIFY(model.fillVari());
            QVERIFY2(session.app.state.*row.state.flag == 0, row.state.field);
        }
    }

    void cityNewYorkFillsTheTablesAndSaveWritesTheFile()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* dialog = openFromMenu(session, "mnuCity", ScreenId::CityDialog);
        QVERIFY(dialog);
        // A user without a city file starts with the blank-fill figures.
        QCOMPARE(field(dialog, "txtCityMinBS", 3), QStringLiteral("557"));
        QCOMPARE(field(dialog, "txtCityMinBM", 6), QStringLiteral("19231"));
        QTest::mouseClick(child<QWidget>(dialog, "cmdDefault"), Qt::LeftButton);
        QCOMPARE(field(dialog, "txtCityMinBS", 3), QStringLiteral("577"));
        QCOMPARE(field(dialog, "txtCityMinBM", 6), QStringLiteral("999999"));
        QTest::mouseClick(child<QWidget>(dialog, "OKButton"), Qt::LeftButton);
        session.app.releaseClosedScreens();
        QVERIFY(!session.host.window(ScreenId::CityDialog));
        const std::string city = readFile(session.file("NAME.cti"));
        QVERIFY2(city.find("577") != std::string::npos, city.c_str());
        QCOMPARE(session.app.city.CityMinBS[3], 577.0f);
    }

    void nonCityDefaultRefillsAndSaveWritesTheFile()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* dialog = openFromMenu(session, "mnuNonCity", ScreenId::NonCityDialog);
        QVERIFY(dialog);
        auto* rate = child<QLineEdit>(dialog, "txtNonPer");
        QCOMPARE(rate->text(), QStringLiteral("0.0045"));
        retype(rate, QStringLiteral("0.005"));
        QCOMPARE(session.app.nonCityDialog().txtNonPer.text(), std::string("0.005"));
        QTest::mouseClick(child<QWidget>(dialog, "cmdDefault"), Qt::LeftButton);
        QCOMPARE(rate->text(), QStringLiteral("0.0045"));
        retype(child<QLineEdit>(dialog, "txtNonMinBi_1"), QStringLiteral("150"));
        QTest::mouseClick(child<QWidget>(dialog, "OKButton"), Qt::LeftButton);
        session.app.releaseClosedScreens();
        QVERIFY(!session.host.window(ScreenId::NonCityDialog));
        QCOMPARE(session.app.nonCity.NonMinBi[1], 150.0f);
        QVERIFY(readFile(session.file("NAME.nci")).find("150") != std::string::npos);
    }

    void nonCityCancelKeepsTheEditsForNextTime()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* dialog = openFromMenu(session, "mnuNonCity", ScreenId::NonCityDialog);
        retype(child<QLineEdit>(dialog, "txtNonMinBi_1"), QStringLiteral("123"));
        QTest::mouseClick(child<QWidget>(dialog, "CancelButton"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!std::filesystem::exists(session.file("NAME.nci")));
        QWidget* again = openFromMenu(session, "mnuNonCity", ScreenId::NonCityDialog);
        QCOMPARE(again, dialog);
        QVERIFY(again->isVisible());
        QCOMPARE(field(again, "txtNonMinBi", 1), QStringLiteral("123"));
    }

    void tableBoxesKeepOnlyNumberKeys()
    {
        GuiSession session;
        QVERIFY(session.startAs());
        QWidget* dialog = openFromMenu(session, "mnuCity", ScreenId::CityDialog);
        auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("txtCityAmtBM_2"));
        retype(box, QStringLiteral("4a0"));
        QCOMPARE(box->text(), QStringLiteral("40"));
    }
};

TALLYMAN_GUI_TEST(TaxDialogViewsTest)
#include "tax_dialog_views_test.moc"
