// The ledger window on screen: the grid is a table; a click on a week number pastes, a right
// click empties the row; the heading and federal table dialogs open from Options.
#include "gui_session.h"
#include "gui_tests.h"
#include "screens/heading_dialog.h"
#include "screens/ledger/ledger_window.h"
#include "screens/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QLineEdit>
#include <QTableView>

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
        QCOMPARE(table->model()->rowCount(), 54); // two blocks and the lower header line
        QCOMPARE(table->model()->headerData(16, Qt::Horizontal).toString(), QStringLiteral("Gross"));
        QCOMPARE(table->model()->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(224, 224, 224));

        LedgerWindow& model = session.app.ledgerWindow();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(table, 2, 0));
        QCOMPARE(model.txtDate[2].text(), std::string("1/5/2024"));
        QCOMPARE(table->model()->index(2, 1).data().toString(), QStringLiteral("1/5/2024"));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(table, 4, 0));
        QVERIFY(!model.txtTotNet.text().empty());
        QTest::mouseClick(table->viewport(), Qt::RightButton, {}, cellCentre(table, 4, 0));
        QCOMPARE(model.txtDate[4].text(), std::string());
        QCOMPARE(model.txtNet[4].text(), std::string("0"));
        QCOMPARE(model.txtDate[2].text(), std::string("1/5/2024"));
        auto* totalGross = child<QLineEdit>(window, "txtTotNet");
        QVERIFY(totalGross);
        QCOMPARE(totalGross->text().toStdString(), model.txtNet[2].text());

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
        QCOMPARE(model.txtNet[2].text(), std::string("123"));
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
