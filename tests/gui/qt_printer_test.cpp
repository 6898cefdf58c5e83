// Printing through Qt into PDF files.
#include "gui/bindings.h"
#include "gui/qt_printer.h"
#include "gui_tests.h"
#include "platform/controls.h"
#include "printing/check.h"
#include "printing/statement.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

using namespace tallyman;

namespace {

QByteArray fileStart(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(5);
}

// The preview is shown, its pages counted into `pages`, and closed.
void countPreviewPages(gui::QtPrinter& printer, int& pages)
{
    printer.showPreview = [&pages](QPrintPreviewDialog& dialog) {
        dialog.show();
        auto* view = dialog.findChild<QPrintPreviewWidget*>();
        pages = view ? (view->updatePreview(), view->pageCount()) : -1;
        dialog.close();
    };
}

} // namespace

class QtPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void arialHasAnInstalledStandIn()
    {
        const QString family = gui::resolveFontFamily("Arial");
        QVERIFY(QFontDatabase::families().contains(family));
        if (!QFontDatabase::families().contains("Arial"))
            QCOMPARE(family, QString("Liberation Sans"));
        QCOMPARE(gui::resolveFontFamily("No Such Font 123"), QString("No Such Font 123"));
    }

    void columnsIntoPdf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("statement.pdf");
        gui::QtPrinter printer;
        printer.setOutputFile(path);
        QVERIFY(printer.choosePrinter());
        QVERIFY(printer.setFont("Arial", 11));
        QVERIFY(printer.printAt(1, "Gross"));
        QVERIFY(printer.printAt(30, "1,234.50"));
        QVERIFY(printer.endLine());
        QVERIFY(printer.endLine());
        QVERIFY(printer.setFont("Arial", 8));
        QVERIFY(printer.printAt(5, "Net"));
        QVERIFY(printer.printAt(30, "1,000.00"));
        QVERIFY(printer.endDocument());
        QCOMPARE(printer.pageCount(), 1);
        QCOMPARE(printer.font().pointSize(), 8);
        QCOMPARE(fileStart(path), QByteArray("%PDF-"));
        QVERIFY(QFile(path).size() > 500);
    }

    void longDocumentGoesOnToMorePages()
    {
        QTemporaryDir dir;
        gui::QtPrinter printer;
        printer.setOutputFile(dir.filePath("long.pdf"));
        printer.setFont("Arial", 11);
        for (int line = 0; line < 150; ++line) {
            QVERIFY(printer.printAt(1, "Week " + std::to_string(line + 1)));
            QVERIFY(printer.endLine());
        }
        QVERIFY(printer.pageCount() >= 2);
        QVERIFY(printer.endDocument());
    }

    void landscapeBeforeTheDocument()
    {
        QTemporaryDir dir;
        gui::QtPrinter printer;
        printer.setOutputFile(dir.filePath("ledger.pdf"));
        QVERIFY(printer.setOrientation(ui::Orientation::Landscape));
        QVERIFY(printer.printAt(1, "Week"));
        QCOMPARE(printer.printer().pageLayout().orientation(), QPageLayout::Landscape);
        QVERIFY(printer.endDocument());
        QVERIFY(QFile(dir.filePath("ledger.pdf")).size() > 0);
    }

    void nothingPrintedWritesNothing()
    {
        QTemporaryDir dir;
        gui::QtPrinter printer;
        printer.setOutputFile(dir.filePath("empty.pdf"));
        QVERIFY(printer.setFont("Arial", 10));
        QVERIFY(printer.endDocument());
        QVERIFY(!QFile::exists(dir.filePath("empty.pdf")));
    }

    void unwritableFileFails()
    {
        gui::QtPrinter printer;
        printer.setOutputFile("/nonexistent/folder/out.pdf");
        QVERIFY(!printer.printAt(1, "Gross"));
        QVERIFY(!printer.endLine());
        QVERIFY(!printer.endDocument());
        // The next document starts afresh.
        QTemporaryDir dir;
        printer.setOutputFile(dir.filePath("ok.pdf"));
        QVERIFY(printer.printAt(1, "Gross"));
        QVERIFY(printer.endDocument());
    }

    void previewShowsTheDocumentWithoutPrinting()
    {
        QTemporaryDir dir;
        gui::QtPrinter printer;
        printer.setOutputFile(dir.filePath("not-written.pdf"));
        int pages = -1;
        countPreviewPages(printer, pages);
        QVERIFY(printer.previewNextDocument());
        QVERIFY(printer.choosePrinter());
        QVERIFY(printer.setFont("Arial", 11));
        for (int line = 0; line < 40; ++line) {
            QVERIFY(printer.printAt(5, "Line " + std::to_string(line)));
            QVERIFY(printer.endLine());
        }
        QVERIFY(printer.endDocument());
        QCOMPARE(pages, 1);
        QVERIFY(!QFile::exists(dir.filePath("not-written.pdf")));
        // The preview is for one document: the next one goes to the file.
        QVERIFY(printer.printAt(1, "Gross"));
        QVERIFY(printer.endDocument());
        QVERIFY(QFile::exists(dir.filePath("not-written.pdf")));
    }

    // The statement and the check each fill exactly one page, as the paper has.
    void statementAndCheckPreviewOnOnePage()
    {
        for (int which = 0; which < 2; ++which) {
            gui::QtPrinter printer;
            int pages = -1;
            countPreviewPages(printer, pages);
            QVERIFY(printer.previewNextDocument());
            printing::StatementFigures statement;
            statement.UserName = std::string(255, 'N');
            printing::CheckFigures check;
            check.offsets = { 5, 8 }; // the lowest the dialog offers
            check.check.txtPayTo = "Dana Whitfield********";
            QVERIFY(
                which == 0 ? printing::PrintText(printer, statement) : printing::PrintCheck(printer, check));
            QCOMPARE(pages, 1);
        }
    }

    void failureIsNamed()
    {
        gui::QtPrinter printer;
        printer.setOutputFile("/nonexistent/folder/out.pdf");
        QVERIFY(!printer.printAt(1, "Gross"));
        QVERIFY(QString::fromStdString(printer.failure()).contains("/nonexistent/folder/out.pdf"));
        QVERIFY(!printer.endDocument());
    }

    // The PDF engine drops write errors: a file cut short (a disk that fills up, here a file
    // size limit) is a failure, not a printout. A file named in the printer dialog is written
    // beside itself and replaces the old one only when whole, readable by its owner alone.
    void pdfCutShortIsAFailureAndADialogChosenFileIsKept_data()
    {
        QTest::addColumn<bool>("chosenInDialog");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("named, written") << false << false;
        QTest::newRow("named, disk full") << false << true;
        QTest::newRow("chosen, written") << true << false;
        QTest::newRow("chosen, disk full") << true << true;
    }

    void pdfCutShortIsAFailureAndADialogChosenFileIsKept()
    {
        QFETCH(bool, chosenInDialog);
        QFETCH(bool, diskFull);
        QTemporaryDir dir;
        const QString path = dir.filePath("statement.pdf");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the old PDF");
            old.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        }
        gui::QtPrinter printer;
        if (chosenInDialog) {
            printer.printer().setOutputFormat(QPrinter::PdfFormat);
            printer.printer().setOutputFileName(path);
        } else {
            printer.setOutputFile(path);
        }
        QVERIFY(printer.setFont("Arial", 11));
        for (int line = 0; line < 200; ++line)
            QVERIFY(printer.printAt(1, "Week " + std::to_string(line)) && printer.endLine());
        // Writes past 2 KB fail as on a full disk: the signal is ignored, write() says EFBIG.
        rlimit previous {};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit small = previous;
        small.rlim_cur = 2048;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (diskFull)
            setrlimit(RLIMIT_FSIZE, &small);
        const bool ended = printer.endDocument();
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(ended, !diskFull);
        if (diskFull) {
            QVERIFY2(QString::fromStdString(printer.failure()).contains("statement.pdf could not be finished"),
                printer.failure().c_str());
        }
        if (!chosenInDialog)
            return; // the named file is the caller's to keep whole
        QFile result(path);
        QVERIFY(result.open(QIODevice::ReadOnly));
        const QByteArray bytes = result.readAll();
        if (diskFull) {
            QCOMPARE(bytes, QByteArray("the old PDF"));
        } else {
            QVERIFY(bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"));
            using std::filesystem::perms;
            QVERIFY((std::filesystem::status(path.toStdString()).permissions() & perms::all)
                == (perms::owner_read | perms::owner_write));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "statement.pdf" });
        QCOMPARE(printer.printer().outputFileName(), path); // the dialog offers the same name again
    }

    void windowPicture()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel("GROSS PAY"));
        window.resize(400, 300);
        ui::Screen screen;
        screen.setTitle("Form1");
        gui::bind(&window, screen);
        screen.setShown(true);

        QTemporaryDir dir;
        gui::QtPrinter printer;
        printer.setOutputFile(dir.filePath("picture.pdf"));
        QVERIFY(printer.printWindowPicture(screen));
        QCOMPARE(fileStart(dir.filePath("picture.pdf")), QByteArray("%PDF-"));

        ui::Screen unshown;
        QVERIFY(!printer.printWindowPicture(unshown));
    }
};

TALLYMAN_GUI_TEST(QtPrinterTest)
#include "qt_printer_test.moc"
