// Check My Stub in its window, used as a person would: the stub typed through the key filter,
// Compare, the differing line standing out with its cause, a bad figure refused, and the
// comparison printed into a PDF file through the Qt printer's print to file.
#include "gui/qt_printer.h"
#include "gui_session.h"
#include "gui_tests.h"
#include "screens/stub_check.h"

#include <QLabel>
#include <QLineEdit>

#include <fstream>

using namespace tallyman;
using tallyman::gui::test::child;
using tallyman::gui::test::GuiSession;

namespace {

void typeInto(QWidget* window, const char* name, const QString& text)
{
    auto* box = child<QLineEdit>(window, name);
    QVERIFY(box);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

} // namespace

class StubCheckViewTest : public QObject {
    Q_OBJECT
private slots:
    void comparesAStubAndPrintsItToAPdf()
    {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("stub.pdf"));
        gui::QtPrinter printer;
        printer.setOutputFile(pdf);
        GuiSession session(&printer);
        QVERIFY(session.startAs());
        QWidget* main = session.mainWindow();
        typeInto(main, "txtAmount_0", QStringLiteral("40"));
        QTest::mouseClick(child<QWidget>(main, "cmdCal"), Qt::LeftButton);
        QTest::mouseClick(child<QWidget>(main, "cmdStub"), Qt::LeftButton);
        QWidget* window = session.host.window(ScreenId::StubCheck);
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), QStringLiteral("Check My Stub"));

        // 40 hours at the default 7.50: Tallyman withholds 18.50; the stub 10.00 more.
        typeInto(window, "txtStub_1", QStringLiteral("28.5x0"));
        QCOMPARE(child<QLineEdit>(window, "txtStub_1")->text(), QStringLiteral("28.50"));
        typeInto(window, "txtStub_2", QStringLiteral("18.60"));
        QTest::mouseClick(child<QWidget>(window, "cmdCompare"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(window, "lbTallyman_1")->text(), QStringLiteral("18.50"));
        QCOMPARE(child<QLabel>(window, "lbDifference_1")->text(), QStringLiteral("10.00"));
        QVERIFY(child<QLabel>(window, "lbCause_1")
                    ->text()
                    .contains(QStringLiteral("extra withholding of $10.00")));
        QVERIFY(child<QLabel>(window, "lbLine_1")->font().bold());
        QVERIFY(!child<QLabel>(window, "lbLine_2")->font().bold());
        QCOMPARE(child<QLabel>(window, "lbCause_2")->text(), QStringLiteral("Agrees."));
        QCOMPARE(child<QLabel>(window, "lbSummary")->text(),
            QStringLiteral("1 line differs; net pay is not on the stub."));

        typeInto(window, "txtStub_3", QStringLiteral("4.3.5"));
        QTest::mouseClick(child<QWidget>(window, "cmdCompare"), Qt::LeftButton);
        QVERIFY(!session.dialogs.messages().empty());
        QCOMPARE(QString::fromStdString(session.dialogs.messages().back().lines.front()),
            QStringLiteral("The stub's Medicare is not an amount: \"4.3.5\"."));
        QCOMPARE(child<QLabel>(window, "lbDifference_1")->text(), QString());
        QVERIFY(!child<QLabel>(window, "lbLine_1")->font().bold());

        typeInto(window, "txtStub_3", QStringLiteral("4.35"));
        QTest::mouseClick(child<QWidget>(window, "cmdPrint"), Qt::LeftButton);
        std::ifstream file(pdf.toStdString(), std::ios::binary);
        std::string head(4, '\0');
        file.read(head.data(), 4);
        QCOMPARE(QString::fromStdString(head), QStringLiteral("%PDF"));
        QCOMPARE(printer.pageCount(), 1);
        QCOMPARE(child<QLabel>(window, "lbDifference_1")->text(), QStringLiteral("10.00"));
    }
};

#include "stub_check_view_test.moc"
TALLYMAN_GUI_TEST(StubCheckViewTest)
