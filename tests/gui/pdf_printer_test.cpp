// The command line's PDF printers and the column width they share with the text printer.
#include "gui/pdf_printer.h"
#include "gui/qt_printer.h"
#include "gui_tests.h"
#include "platform/font_metrics.h"
#include "platform/printer_layout.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>

using namespace tallyman;

class PdfPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void storedMetricsAreThoseOfTheInstalledStandIn()
    {
        if (gui::resolveFontFamily("Arial") != "Liberation Sans")
            QSKIP("Arial itself is installed: its metrics are not the stored ones");
        QFont font("Liberation Sans");
        font.setPixelSize(2048);
        const QFontMetricsF measure(font);
        const double average = ui::weightedAverageCharWidth(
            [&](char c) { return measure.horizontalAdvance(QChar::fromLatin1(c)); });
        QVERIFY(std::abs(average / 2048 - ui::LiberationSansAverageCharWidth) < 1e-3);
        QVERIFY(std::abs(measure.lineSpacing() / 2048 - ui::LiberationSansLineSpacing) < 1e-3);
    }

    void folderThatDoesNotExistIsRefused()
    {
        std::string whyNot;
        QVERIFY(!gui::makePdfPrinter("/no/such/folder/year.pdf", whyNot));
        QVERIFY(whyNot.find("/no/such/folder") != std::string::npos);
        QVERIFY(!gui::makePdfPrinter("", whyNot));
    }

    // The ledger's "Gross" at column 197 in 8 points is on the landscape page, as in the text.
    void pdfHoldsTheColumnsOfTheTextPrinter()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ledger.pdf");
        std::string whyNot;
        auto printer = gui::makePdfPrinter(path.toStdString(), whyNot);
        QVERIFY(printer);
        auto& qtPrinter = dynamic_cast<gui::QtPrinter&>(*printer);
        QVERIFY(printer->setOrientation(ui::Orientation::Landscape));
        QVERIFY(printer->setFont("Arial", 8));
        const QRectF page = qtPrinter.printer().pageLayout().paintRect(QPageLayout::Point);
        QCOMPARE(page.width(), ui::LetterPrintablePage.landscapeWidth);
        // 218 columns of 8-point Arial across, as the text printer has; "Gross" fits whole.
        const double column = 8 * ui::LiberationSansAverageCharWidth;
        QCOMPARE(int(page.width() / column), 218);
        QFont font(gui::resolveFontFamily("Arial"));
        font.setPointSize(8);
        const QFontMetricsF measure(font, &qtPrinter.printer());
        QVERIFY(196 * column + measure.horizontalAdvance("Gross") * 72 / qtPrinter.printer().resolution()
            < page.width());
        QVERIFY(printer->printAt(197, "Gross"));
        QVERIFY(printer->endDocument());
        QVERIFY(QFile(path).size() > 500);
    }
};

TALLYMAN_GUI_TEST(PdfPrinterTest)
#include "pdf_printer_test.moc"
