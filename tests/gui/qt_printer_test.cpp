// Printing through Qt into PDF files.
#include "gui/bindings.h"
#include "gui/qt_printer.h"
#include "gui_tests.h"
#include "platform/controls.h"
#include "printing/check.h"
#include "printing/statement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPageSize>
#include <QPrintDialog>
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

// The printer dialog, answered: "Print to File" into `path` (an empty path names no file).
std::function<int(QPrintDialog&)> printIntoFile(const QString& path, int& shown)
{
    return [&path, &shown](QPrintDialog& dialog) {
        ++shown;
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(path);
        return int(QDialog::Accepted);
    };
}

printing::CheckFigures someCheck(int horizontal = 0, int vertical = 0)
{
    printing::CheckFigures check;
    check.offsets = { horizontal, vertical + 3 };
    check.period.txtWeek = "12/31/2026";
    check.check = printing::CheckTexts { "12/31/2026", "Dana Whitfield********", "*99999.99", "For December",
        "Dana Whitfield", "22 Elm Street", "Portland, ME 04102", "123-45-6789",
        " Ninety Nine Thousand Nine Hundred Ninety Nine and 99/100" };
    return check;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

    // The check and its test page at every offset the dialog offers, on Letter and A4, with
    // the command line's margins and with Qt's own: one page, every text whole on it.
    void checkAtEveryOffsetIsWholeOnOnePage()
    {
        QTemporaryDir dir;
        for (const QPageSize::PageSizeId size : { QPageSize::Letter, QPageSize::A4 })
            for (const bool ownMargins : { true, false }) {
                gui::QtPrinter printer;
                printer.setOutputFile(dir.filePath("check.pdf"));
                printer.printer().setPageSize(QPageSize(size));
                if (ownMargins)
                    printer.printer().setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Point);
                for (int horizontal = -5; horizontal <= 5; ++horizontal)
                    for (int vertical = -5; vertical <= 5; ++vertical)
                        for (const bool testPage : { false, true }) {
                            const QByteArray where = QStringLiteral("%1%2 %3 at %4, %5")
                                                         .arg(QPageSize::name(size))
                                                         .arg(ownMargins ? " (10 pt margins)" : "")
                                                         .arg(testPage ? "test page" : "check")
                                                         .arg(horizontal)
                                                         .arg(vertical)
                                                         .toUtf8();
                            const bool printed = testPage
                                ? printing::PrintTestPage(printer, { horizontal, vertical + 3 })
                                : printing::PrintCheck(printer, someCheck(horizontal, vertical));
                            QVERIFY2(printed, where.constData());
                            QVERIFY2(printer.pageCount() == 1, where.constData());
                            for (const auto& item : printer.placedItems()) {
                                QVERIFY2(item.placed.text == item.asked,
                                    (where + ": " + item.asked.c_str()).constData());
                                QVERIFY2(item.right <= item.pageWidth + 1e-6,
                                    (where + ": " + item.asked.c_str()).constData());
                            }
                        }
            }
    }

    // With no printer chosen yet, a printout that shows no dialog asks for one first.
    void printWithoutDialogChoosesAPrinterFirst()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("check.pdf");
        gui::QtPrinter printer;
        int dialogs = 0;
        printer.runPrintDialog = printIntoFile(path, dialogs);
        QVERIFY(printing::PrintCheck(printer, someCheck()));
        QCOMPARE(dialogs, 1);
        QCOMPARE(fileStart(path), QByteArray("%PDF-"));
    }

    // A start that fails leaves nothing behind: the next document prints.
    void failedStartLeavesThePrinterUsable()
    {
        QTemporaryDir dir;
        QString path; // no file named
        gui::QtPrinter printer;
        int dialogs = 0;
        printer.runPrintDialog = printIntoFile(path, dialogs);
        QVERIFY(printer.choosePrinter());
        QVERIFY(!printing::PrintCheck(printer, someCheck()));
        QVERIFY(!printer.failure().empty());

        path = dir.filePath("statement.pdf");
        QVERIFY(printer.choosePrinter());
        QVERIFY(printing::PrintText(printer, printing::StatementFigures {}));
        QCOMPARE(fileStart(path), QByteArray("%PDF-"));
    }

    // Into a file, a printout without a dialog asks for the file's name, offering a new one;
    // the file printed last is never written over unasked.
    void printWithoutDialogAsksForANewFile()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath("a.pdf");
        gui::QtPrinter printer;
        int dialogs = 0;
        printer.runPrintDialog = printIntoFile(first, dialogs);
        QVERIFY(printer.choosePrinter());
        QVERIFY(printing::PrintText(printer, printing::StatementFigures {}));
        const QByteArray statement = fileBytes(first);
        QVERIFY(!statement.isEmpty());

        QStringList offered;
        QString answer;
        printer.askFileName = [&](const QString& suggested) {
            offered << suggested;
            return answer;
        };
        // Cancelled: nothing is printed and nothing said.
        QVERIFY(!printing::PrintCheck(printer, someCheck()));
        QVERIFY(printer.failure().empty());
        QCOMPARE(offered, QStringList { dir.filePath("a 2.pdf") });
        QCOMPARE(fileBytes(first), statement);

        answer = dir.filePath("a 2.pdf");
        QVERIFY(printing::PrintCheck(printer, someCheck()));
        QCOMPARE(fileStart(answer), QByteArray("%PDF-"));
        QVERIFY(printing::PrintTestPage(printer, {}));
        QCOMPARE(offered.last(), dir.filePath("a 3.pdf"));
        QCOMPARE(fileBytes(first), statement);
        QCOMPARE(dialogs, 1);
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
        int dialogs = 0;
        if (chosenInDialog) {
            printer.runPrintDialog = printIntoFile(path, dialogs);
            QVERIFY(printer.choosePrinter());
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
            QVERIFY2(
                QString::fromStdString(printer.failure()).contains("statement.pdf could not be finished"),
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
