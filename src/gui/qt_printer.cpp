// Column printing with QPainter, window pictures, PDF output and the print preview.
#include "gui/qt_printer.h"

#include "gui/qt_text.h"
#include "gui/window_registry.h"
#include "platform/font_metrics.h"
#include "platform/output_file.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QWidget>

namespace tallyman::gui {

namespace {

QPageLayout::Orientation qtOrientation(ui::Orientation orientation)
{
    return orientation == ui::Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// What the printer dialog's own "Preview" button returns from exec().
constexpr int PreviewChosen = 2;

// A file beside the one printed last that does not exist yet: "a.pdf" gives "a 2.pdf", and
// "a 2.pdf" gives "a 3.pdf".
QString unusedFileBeside(const QString& last)
{
    const QFileInfo info(last.isEmpty() ? QDir::home().filePath(QStringLiteral("Tallyman.pdf")) : last);
    QString base = info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("pdf") : info.suffix();
    int number = 2;
    const qsizetype space = base.lastIndexOf(QLatin1Char(' '));
    bool numbered = false;
    const int trailing = space > 0 ? base.mid(space + 1).toInt(&numbered) : 0;
    if (numbered && trailing >= 2) {
        number = trailing + 1;
        base.truncate(space);
    }
    for (;; ++number) {
        const QString candidate
            = info.dir().filePath(QStringLiteral("%1 %2.%3").arg(base).arg(number).arg(suffix));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

} // namespace

QString resolveFontFamily(const QString& name)
{
    static const std::pair<const char*, const char*> standIns[] = {
        { "Arial", "Liberation Sans" },
        { "Times New Roman", "Liberation Serif" },
        { "Courier New", "Liberation Mono" },
    };
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(name, Qt::CaseInsensitive))
        return name;
    for (const auto& [font, standIn] : standIns)
        if (name.compare(QLatin1String(font), Qt::CaseInsensitive) == 0
            && installed.contains(QLatin1String(standIn)))
            return QLatin1String(standIn);
    return name;
}

QtPrinter::QtPrinter()
    : m_font(resolveFontFamily(QStringLiteral("Arial")), 10)
{ }

QtPrinter::QtPrinter(QPrinter& target)
    : m_target(&target)
    , m_font(resolveFontFamily(QStringLiteral("Arial")), 10)
{
    m_outputFile = QStringLiteral("(given)"); // never ask: the owner chose the printer
}

QtPrinter::~QtPrinter()
{
    if (m_painter.isActive())
        m_painter.end();
}

QPrinter& QtPrinter::printer()
{
    if (!m_target) {
        m_own = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_target = m_own.get();
    }
    return *m_target;
}

void QtPrinter::setOutputFile(const QString& pdfPath)
{
    m_outputFile = pdfPath;
    m_failed = false;
    if (pdfPath.isEmpty()) {
        printer().setOutputFormat(QPrinter::NativeFormat);
        return;
    }
    printer().setOutputFormat(QPrinter::PdfFormat);
    printer().setOutputFileName(pdfPath);
}

int QtPrinter::execPrintDialog(QPrintDialog& dialog)
{
    return runPrintDialog ? runPrintDialog(dialog) : dialog.exec();
}

bool QtPrinter::choosePrinter()
{
    m_failure.clear();
    m_failed = false;
    if (!m_outputFile.isEmpty() || m_preview)
        return true;
    QPrintDialog dialog(&printer(), QApplication::activeWindow());
    if (m_previewOffered)
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
            QPushButton* preview
                = buttons->addButton(QStringLiteral("Preview"), QDialogButtonBox::ActionRole);
            QObject::connect(
                preview, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(PreviewChosen); });
        }
    const int chosen = execPrintDialog(dialog);
    if (chosen == PreviewChosen)
        return previewNextDocument();
    m_chosenForDocument = chosen == QDialog::Accepted;
    m_chosen = m_chosen || m_chosenForDocument;
    return m_chosenForDocument;
}

bool QtPrinter::takeCurrentPrinter()
{
    // A printout that showed the dialog, or one into a file named by the caller, is on its way.
    if (m_chosenForDocument || !m_outputFile.isEmpty())
        return true;
    if (!m_chosen) {
        // There is no current printer yet: the person picks one, as for any printout; the
        // document has begun, so the dialog offers no preview.
        QPrintDialog dialog(&printer(), QApplication::activeWindow());
        if (execPrintDialog(dialog) != QDialog::Accepted)
            return fail({});
        m_chosen = m_chosenForDocument = true;
        return true;
    }
    if (printer().outputFormat() != QPrinter::PdfFormat)
        return true;
    // The printer writes a file: never the one printed last, unless the person says so.
    const QString suggested = unusedFileBeside(printer().outputFileName());
    const QString name = askFileName
        ? askFileName(suggested)
        : QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Print to File"),
            suggested, QStringLiteral("PDF files (*.pdf)"));
    if (name.isEmpty())
        return fail({});
    printer().setOutputFileName(name);
    m_chosenForDocument = true;
    return true;
}

void QtPrinter::replacePrinter()
{
    // A printer whose start failed can stay busy inside Qt and refuse every later change: the
    // next document gets a fresh one with the same settings.
    if (!m_own)
        return;
    const QPrinter& old = *m_own;
    auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
    fresh->setOutputFormat(old.outputFormat());
    if (old.outputFormat() == QPrinter::NativeFormat)
        fresh->setPrinterName(old.printerName());
    fresh->setOutputFileName(old.outputFileName());
    fresh->setPageLayout(old.pageLayout());
    fresh->setCopyCount(old.copyCount());
    fresh->setColorMode(old.colorMode());
    fresh->setDuplex(old.duplex());
    m_own = std::move(fresh);
    m_target = m_own.get();
}

bool QtPrinter::previewNextDocument()
{
    m_failure.clear();
    m_failed = false;
    m_preview.emplace();
    return true;
}

ui::FontMetrics QtPrinter::metrics()
{
    // Measured for the printer, whose resolution differs from the screen's. The column is the
    // weighted average the text printer uses too, from the unhinted advances (a large em) as
    // the stored metrics are: hinted ones at the printer's size differ by a few tenths of a
    // percent, a whole column across the page.
    auto measure = std::make_shared<QFontMetricsF>(m_font, &printer());
    constexpr int DesignEm = 2048;
    QFont design(m_font);
    design.setPixelSize(DesignEm);
    const QFontMetricsF designMeasure(design);
    const double perEm = ui::weightedAverageCharWidth([&](char c) {
        return designMeasure.horizontalAdvance(QChar::fromLatin1(c));
    }) / DesignEm;
    const double column = perEm * m_font.pointSizeF() * printer().resolution() / 72;
    return { column, measure->lineSpacing(), [measure](std::string_view text) {
                return measure->horizontalAdvance(
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
            } };
}

ui::PageArea QtPrinter::areaFor(ui::Orientation orientation)
{
    QPageLayout layout = printer().pageLayout();
    layout.setOrientation(qtOrientation(orientation));
    const QRect paint = layout.paintRectPixels(printer().resolution());
    return { static_cast<double>(paint.width()), static_cast<double>(paint.height()) };
}

bool QtPrinter::fail(QString why)
{
    if (!m_failed)
        m_failure = why.toStdString();
    m_failed = true;
    // Nothing more of this document comes out.
    if (m_painter.isActive()) {
        printer().abort();
        m_painter.end();
    }
    endPdfFile();
    m_layout.reset();
    return false;
}

bool QtPrinter::setFont(const std::string& name, int points)
{
    if (m_preview) {
        m_preview->push_back({ Step::Font, name, points, {} });
        return true;
    }
    m_font = QFont(resolveFontFamily(qt(name)));
    m_font.setPointSize(points);
    if (m_layout)
        m_layout->setFont(metrics());
    return !m_failed;
}

bool QtPrinter::setOrientation(ui::Orientation orientation)
{
    if (m_preview) {
        m_preview->push_back({ Step::Orientation, {}, static_cast<int>(orientation), {} });
        return true;
    }
    m_orientation = orientation;
    if (m_layout)
        m_layout->setArea(areaFor(orientation)); // turns the next page
    else
        printer().setPageOrientation(qtOrientation(orientation));
    return !m_failed;
}

bool QtPrinter::begin()
{
    if (m_failed)
        return false;
    if (m_painter.isActive())
        return true;
    if (!takeCurrentPrinter())
        return false;
    printer().setPageOrientation(qtOrientation(m_orientation));
    if (!startPdfFile())
        return false;
    if (!m_painter.begin(&printer())) {
        QString why;
        if (printer().outputFormat() == QPrinter::PdfFormat) {
            why = printer().outputFileName().isEmpty()
                ? QStringLiteral("No file was named to print into.")
                : QStringLiteral("The file %1 cannot be written.").arg(printer().outputFileName());
        } else {
            const QString name = printer().printerName();
            why = name.isEmpty() ? QStringLiteral("There is no printer to print on.")
                                 : QStringLiteral("The printer %1 cannot print.").arg(name);
        }
        replacePrinter();
        return fail(why);
    }
    m_layout.emplace(areaFor(m_orientation), metrics());
    if (m_keepWhole)
        m_layout->keepWhole();
    m_pages = 1;
    m_placed.clear();
    return true;
}

bool QtPrinter::printAt(int column, const std::string& text)
{
    if (m_preview) {
        m_preview->push_back({ Step::Text, text, column, {} });
        return true;
    }
    if (!begin())
        return false;
    const ui::PlacedText placed = m_layout->place(column, text);
    while (m_pages <= placed.page) {
        // A page turned during the document: PDF output takes the new layout from the next page.
        if (printer().pageLayout().orientation() != qtOrientation(m_orientation))
            printer().setPageOrientation(qtOrientation(m_orientation));
        if (!printer().newPage())
            return fail(QStringLiteral("The printer did not take a new page."));
        ++m_pages;
    }
    m_placed.push_back({ text, placed, placed.x + m_layout->textWidth(placed.text), m_layout->area().width });
    if (!placed.text.empty()) {
        m_painter.setFont(m_font);
        const QFontMetricsF measure(m_font, &printer());
        m_painter.drawText(QPointF(placed.x, placed.y + measure.ascent()), qt(placed.text));
    }
    if (printer().printerState() == QPrinter::Error)
        return fail(QStringLiteral("The printer reported an error."));
    return true;
}

bool QtPrinter::endLine()
{
    if (m_preview) {
        m_preview->push_back({ Step::EndLine, {}, 0, {} });
        return true;
    }
    if (!begin())
        return false;
    m_layout->endLine();
    return true;
}

bool QtPrinter::keepTextsWhole()
{
    if (m_preview) {
        m_preview->push_back({ Step::KeepWhole, {}, 0, {} });
        return true;
    }
    m_keepWhole = true;
    if (m_layout)
        m_layout->keepWhole();
    return !m_failed;
}

bool QtPrinter::fitLines(int lines)
{
    if (m_preview) {
        m_preview->push_back({ Step::FitLines, {}, lines, {} });
        return true;
    }
    if (!begin())
        return false;
    m_layout->fitLines(lines);
    return true;
}

bool QtPrinter::endDocument()
{
    if (m_preview)
        return showRecordedPreview();
    const bool failed = m_failed;
    m_failed = false;
    m_keepWhole = false;
    m_chosenForDocument = false;
    m_layout.reset();
    if (!m_painter.isActive())
        return !failed; // nothing printed: no page comes out
    // The PDF engine drops write errors: the file itself tells whether it was written whole.
    const bool pdf = m_painter.paintEngine() && m_painter.paintEngine()->type() == QPaintEngine::Pdf;
    const QString file = printer().outputFileName();
    const bool ended = m_painter.end();
    std::optional<std::string> unfinished;
    if (!failed && ended && pdf)
        unfinished = unfinishedPdfReason(file.toStdString());
    if (!failed && !unfinished && m_pdfFile)
        unfinished = m_pdfFile->commit();
    const QString shownName = m_pdfFile ? qt(m_pdfFile->target().string()) : file;
    endPdfFile();
    if (!failed && (!ended || unfinished || printer().printerState() == QPrinter::Error)) {
        m_failure = printer().outputFormat() == QPrinter::PdfFormat
            ? QStringLiteral("The file %1 could not be finished%2.")
                  .arg(shownName, unfinished ? QStringLiteral(": ") + qt(*unfinished) : QString())
                  .toStdString()
            : std::string("The printer reported an error.");
        return false;
    }
    return !failed;
}

bool QtPrinter::startPdfFile()
{
    // A file chosen in the printer dialog is written beside itself and replaces the old one
    // only when whole; a file the caller named (setOutputFile) is written as named.
    if (!m_own || !m_outputFile.isEmpty() || printer().outputFormat() != QPrinter::PdfFormat)
        return true;
    const std::string target = str(printer().outputFileName());
    std::string whyNot;
    if (const auto problem = outputFileProblem(target))
        whyNot = *problem;
    else if (auto file = OutputFile::create(target, whyNot))
        m_pdfFile.emplace(std::move(*file));
    if (!m_pdfFile)
        return fail(QStringLiteral("The file %1 cannot be written: %2.").arg(qt(target), qt(whyNot)));
    printer().setOutputFileName(qt(m_pdfFile->temporary().string()));
    return true;
}

void QtPrinter::endPdfFile()
{
    if (!m_pdfFile)
        return;
    printer().setOutputFileName(qt(m_pdfFile->target().string()));
    m_pdfFile.reset(); // removes the temporary unless it was committed
}

bool QtPrinter::paintPicture(const QPixmap& picture)
{
    if (m_painter.isActive() && !endDocument())
        return false;
    if (!begin()) {
        endDocument();
        return false;
    }
    // As large as the page allows, in the window's proportions.
    const ui::PageArea area = areaFor(m_orientation);
    const double scale = std::min(area.width / picture.width(), area.height / picture.height());
    m_painter.drawPixmap(
        QRectF(0, 0, picture.width() * scale, picture.height() * scale), picture, QRectF(picture.rect()));
    return endDocument();
}

bool QtPrinter::printWindowPicture(const ui::Screen& window)
{
    QWidget* widget = windowOf(window);
    const QPixmap picture = widget ? widget->grab() : QPixmap();
    if (picture.isNull()) {
        m_chosenForDocument = false;
        return false;
    }
    if (m_preview) {
        m_preview->push_back({ Step::Picture, {}, 0, picture });
        return showRecordedPreview();
    }
    return paintPicture(picture);
}

bool QtPrinter::replay(const std::vector<Step>& steps)
{
    for (const Step& step : steps) {
        bool done = true;
        switch (step.kind) {
        case Step::Font:
            done = setFont(step.text, step.number);
            break;
        case Step::Orientation:
            done = setOrientation(static_cast<ui::Orientation>(step.number));
            break;
        case Step::Text:
            done = printAt(step.number, step.text);
            break;
        case Step::EndLine:
            done = endLine();
            break;
        case Step::KeepWhole:
            done = keepTextsWhole();
            break;
        case Step::FitLines:
            done = fitLines(step.number);
            break;
        case Step::Picture:
            return paintPicture(step.picture);
        }
        if (!done)
            return false;
    }
    return endDocument();
}

bool QtPrinter::showRecordedPreview()
{
    const std::vector<Step> steps = std::move(*m_preview);
    m_preview.reset();
    // The preview starts in the orientation the document asks for first.
    for (const Step& step : steps)
        if (step.kind == Step::Orientation) {
            printer().setPageOrientation(qtOrientation(static_cast<ui::Orientation>(step.number)));
            break;
        }
    QPrintPreviewDialog dialog(&printer(), QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    // Painted afresh for every look and for the print button, on whatever printer it hands us.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&steps](QPrinter* target) {
        QtPrinter painter(*target);
        painter.replay(steps);
    });
    if (showPreview)
        showPreview(dialog);
    else
        dialog.exec();
    return true;
}

} // namespace tallyman::gui
