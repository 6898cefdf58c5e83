// The ledger window on screen: the grid is a table; a click on a week number pastes, a right
// click empties the row; the heading and federal table dialogs open from Options.
#include "gui_session.h"
#include "gui_tests.h"
#include "screens/heading_dialog.h"
#include "screens/ledger/ledger_window.h"
#include "screens/main_window.h"
#include "screens/user_info.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <tuple>

using namespace tallyman;
using namespace tallyman::gui::test;

namespace {

// The table cell of a grid row in the upper block, and the centre of it on screen.
QPoint cellCentre(QTableView* table, int row, int column)
{
    return table->visualRect(table->model()->index(row, column)).center();
}

} // namespace

class LedgerWindowViewTest : public QObject {
    Q_OBJECT
private slots:
    void weekNumbersPasteAndDelete()
    {
        GuiSession session;
        QVERIFY(session.startAs("Smith"));
        MainWindow& main = session.app.mainWindow();
        main.txtAmount[0].setText("40");
        main.txtWeek.setText("1/5/2024");
        main.cmdCal_Click();
        auto* year = child<QAction>(session.mainWindow(), "mnuYear");
        QVERIFY(year);
        year->trigger();
        QWidget* window = session.host.window(ScreenId::Ledger);
        QVERIFY(window && window->isVisible());
        auto* table = child<QTableView>(window, "frmYear");
        QVERIFY(table);
        // Two blocks, the upper block's paste hint and the lower header line.
        QCOMPARE(table->model()->rowCount(), 55);
        QCOMPARE(table->model()->headerData(16, Qt::Horizontal).toString(), QStringLiteral("Gross"));
        QCOMPARE(table->model()->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(224, 224, 224));

        LedgerWindow& model = session.app.ledgerWindow();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(table, 2, 0));
        QCOMPARE(model.txtDate[2].text(), std::string("1/5/2024"));
        QCOMPARE(table->model()->index(2, 1).data().toString(), QStringLiteral("1/5/2024"));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(table, 4, 0));
        QVERIFY(!model.totalBox(&LedgerRow::Gross).text().empty());
        QTest::mouseClick(table->viewport(), Qt::RightButton, {}, cellCentre(table, 4, 0));
        QCOMPARE(model.txtDate[4].text(), std::string());
        QCOMPARE(model.cells(&LedgerRow::Gross)[4].text(), std::string("0"));
        QCOMPARE(model.txtDate[2].text(), std::string("1/5/2024"));
        auto* totalGross = child<QLineEdit>(window, "txtTotNet");
        QVERIFY(totalGross);
        QCOMPARE(totalGross->text().toStdString(), model.cells(&LedgerRow::Gross)[2].text());

        // Typing into the Gross cell: letters are dropped by the key filter.
        const QModelIndex gross = table->model()->index(2, 16);
        table->setCurrentIndex(gross);
        table->edit(gross);
        auto* editor = table->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "12a3");
        QCOMPARE(editor->text(), QStringLiteral("123"));
        QVERIFY(table->model()->setData(gross, editor->text()));
        QCOMPARE(model.cells(&LedgerRow::Gross)[2].text(), std::string("123"));
        QVERIFY(
            !table->model()->setData(table->model()->index(2, 2), QStringLiteral("5"))); // Federal is no box

        // The close box keeps the window; "&Close" with No closes it.
        window->close();
        QCOMPARE(session.dialogs.messages().back().lines.at(0), std::string("USE CLOSE INSTEAD"));
        QVERIFY(session.app.isLoaded(ScreenId::Ledger));
        session.dialogs.queueAnswer(ui::MessageAnswer::No);
        child<QAction>(window, "mnuClose")->trigger();
        QVERIFY(!session.app.isLoaded(ScreenId::Ledger));
    }

    // The paste hint stands below each block: in the table's row after the upper block, and
    // under the table after the lower one (bi-weekly: the one block and its hint).
    void pasteHintBelowEachBlockAndTipsTakeAnyText()
    {
        GuiSession session;
        QVERIFY(session.startAs("Smith"));
        child<QAction>(session.mainWindow(), "mnuYear")->trigger();
        QWidget* window = session.host.window(ScreenId::Ledger);
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        auto* table = child<QTableView>(window, "frmYear");
        LedgerWindow& model = session.app.ledgerWindow();
        const QString hint = QString::fromStdString(model.lbHint[0].caption());
        QVERIFY(hint.startsWith(QStringLiteral("LEFT CLICK ON WEEK NUMBER")));
        QCOMPARE(table->model()->index(LedgerUpperBlockRows, 0).data().toString(), hint);
        QCOMPARE(table->columnSpan(LedgerUpperBlockRows, 0), table->model()->columnCount());
        QCOMPARE(
            table->model()->index(LedgerUpperBlockRows + 1, 1).data().toString(), QStringLiteral("Week"));
        QCOMPARE(table->model()->index(LedgerUpperBlockRows + 2, 0).data().toString(), QStringLiteral("27"));
        QCOMPARE(table->model()->index(54, 0).data().toString(), QStringLiteral("53"));
        auto* under = child<QLabel>(window, "lbHint");
        QVERIFY(under && under->isVisible());
        QCOMPARE(under->text(), hint);
        // A click on the hint pastes nothing.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
            table->visualRect(table->model()->index(LedgerUpperBlockRows, 0)).topLeft() + QPoint(4, 4));
        QCOMPARE(model.txtDate[25].text(), std::string());
        QCOMPARE(model.txtDate[26].text(), std::string());

        session.dialogs.queueAnswer(ui::MessageAnswer::No);
        child<QAction>(window, "mnuClose")->trigger();
        session.app.releaseClosedScreens();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        session.app.userInfo().optBiWeek.click();
        session.app.profile.Week = 0;
        session.app.profile.BiWeek = -1;
        child<QAction>(session.mainWindow(), "mnuYear")->trigger();
        window = session.host.window(ScreenId::Ledger);
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        table = child<QTableView>(window, "frmYear");
        QCOMPARE(table->model()->rowCount(), LedgerUpperBlockRows + 1);
        QCOMPARE(table->model()->index(LedgerUpperBlockRows, 0).data().toString(), hint);
        QVERIFY(!child<QLabel>(window, "lbHint")->isVisible());
    }

    // Any text goes into a Tips cell (its leading number counts); Net and Gross keep their
    // key filter.
    void tipsCellTakesAnyText()
    {
        GuiSession session;
        QVERIFY(session.startAs("Smith"));
        child<QAction>(session.mainWindow(), "mnuYear")->trigger();
        QWidget* window = session.host.window(ScreenId::Ledger);
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        auto* table = child<QTableView>(window, "frmYear");
        for (auto [column, typed, kept] :
            { std::tuple { gridColumn(&LedgerRow::Tips), "12a3 cash", "12a3 cash" },
                std::tuple { gridColumn(&LedgerRow::Net), "12a3", "123" },
                std::tuple { gridColumn(&LedgerRow::Gross), "4x5", "45" } }) {
            const QModelIndex cell = table->model()->index(2, column + 1);
            table->setCurrentIndex(cell);
            table->edit(cell);
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(editor);
            editor->selectAll();
            QTest::keyClicks(editor, QString::fromLatin1(typed));
            QCOMPARE(editor->text(), QString::fromLatin1(kept));
            QTest::keyClick(editor, Qt::Key_Return);
        }
        LedgerWindow& model = session.app.ledgerWindow();
        QCOMPARE(model.cells(&LedgerRow::Tips)[2].text(), std::string("12a3 cash"));
    }

    void headingDialogFromOptions()
    {
        GuiSession session;
        QVERIFY(session.startAs("Smith"));
        child<QAction>(session.mainWindow(), "mnuHeader")->trigger();
        QWidget* dialog = session.host.window(ScreenId::Heading);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Print Out Heading"));
        auto* company = child<QLineEdit>(dialog, "txtHeader_0");
        if (!company)
            company = dialog->findChild<QLineEdit*>();
        QVERIFY(company);
        QCOMPARE(company->text(), QStringLiteral("Company"));
    }

    void federalTableDialogInstallsTheChosenYear()
    {
        GuiSession session;
        QVERIFY(session.startAs("Smith"));
        child<QAction>(session.mainWindow(), "mnuFedTable")->trigger();
        QWidget* dialog = session.host.window(ScreenId::FedTable);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Federal Table"));
        auto* years = child<QComboBox>(dialog, "cboYear");
        QVERIFY(years);
        QCOMPARE(years->count(), 3);
        QCOMPARE(years->currentText(), QStringLiteral("2026"));
        // As a person's choice arrives: the index, then the activation.
        years->setCurrentIndex(1);
        emit years->activated(1);
        QTest::mouseClick(child<QPushButton>(dialog, "cmdInstall"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(dialog, "lbYear")->text(), QStringLiteral("Year 2025"));
        QVERIFY(std::filesystem::exists(session.file("Federal24.dtt")));
    }
};

TALLYMAN_GUI_TEST(LedgerWindowViewTest)
#include "ledger_window_view_test.moc"
