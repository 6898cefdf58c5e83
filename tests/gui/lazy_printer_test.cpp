// The desktop program's printer: nothing of Qt's printing until the first print, then the
// Qt printer itself.
#include "gui/lazy_printer.h"
#include "gui/qt_printer.h"
#include "gui_tests.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tallyman;

class LazyPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void madeOnTheFirstPrintAndPrintsThroughIt()
    {
        gui::LazyPrinter printer;
        QVERIFY(!printer.made());
        QVERIFY(printer.setFont("Arial", 9));
        QVERIFY(printer.made());
        QTemporaryDir dir;
        const QString path = dir.filePath("statement.pdf");
        printer.qtPrinter().setOutputFile(path);
        QVERIFY(printer.choosePrinter());
        QVERIFY(printer.setOrientation(ui::Orientation::Landscape));
        QVERIFY(printer.printAt(1, "Net"));
        QVERIFY(printer.endLine());
        QVERIFY(printer.endDocument());
        QCOMPARE(printer.qtPrinter().pageCount(), 1);
        QCOMPARE(printer.qtPrinter().font().pointSize(), 9);
        QCOMPARE(printer.qtPrinter().printer().pageLayout().orientation(), QPageLayout::Landscape);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(5), QByteArray("%PDF-"));
    }

    void aFailureComesBackFromTheQtPrinter()
    {
        gui::LazyPrinter printer;
        printer.qtPrinter().setOutputFile("/nonexistent/folder/out.pdf");
        QVERIFY(!printer.printAt(1, "Gross"));
        QVERIFY(!printer.endDocument());
    }
};

TALLYMAN_GUI_TEST(LazyPrinterTest)

#include "lazy_printer_test.moc"
