// Column printing with QPainter, window pictures, PDF output and the print preview.
#include "gui/qt_printer.h"

#include "gui/qt_text.h"
#include "gui/window_registry.h"
#include "platform/font_metrics.h"
#include "platform/output_file.h"

#include <QApplication>
#include <QDialogButtonBox>
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
    const int chosen = dialog.exec();
    if (chosen == PreviewChosen)
        return previewNextDocument();
    return chosen == QDialog::Accepted;
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
    const double perEm
        = ui::weightedAverageCharWidth([&](char c) { return designMeasure.horizontalAdvance(QChar::fromLatin1(c)); })
        / DesignEm;
    const double column = perEm * m_font.pointSizeF() * printer().resolution() / 72;
    return { column, measure->lineSpacing(),
        [measure](std::string_view text) {
            return measure->horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
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
    printer().setPageOrientation(qtOrientation(m_orientation));
    if (!startPdfFile())
        return false;
    if (!m_painter.begin(&printer())) {
        if (printer().outputFormat() == QPrinter::PdfFormat)
            return fail(QStringLiteral("The file %1 cannot be written.").arg(printer().outputFileName()));
        const QString name = printer().printerName();
        return fail(name.isEmpty() ? QStringLiteral("There is no printer to print on.")
                                   : QStringLiteral("The printer %1 cannot print.").arg(name));
    }
    m_layout.emplace(areaFor(m_orientation), metrics());
    m_pages = 1;
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

bool QtPrinter::endDocument()
{
    if (m_preview)
        return showRecordedPreview();
    const bool failed = m_failed;
    m_failed = false;
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
    if (!widget)
        return false;
    const QPixmap picture = widget->grab();
    if (picture.isNull())
        return false;
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
