// Column printing with QPainter, window pictures, PDF output.
#include "gui/qt_printer.h"

#include "gui/qt_text.h"
#include "gui/window_registry.h"
#include "platform/font_metrics.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPixmap>
#include <QPrintDialog>
#include <QWidget>

namespace tallyman::gui {

namespace {

QPageLayout::Orientation qtOrientation(ui::Orientation orientation)
{
    return orientation == ui::Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

QString resolveFontFamily(const QString &name)
{
    static const std::pair<const char *, const char *> standIns[] = {
        { "Arial", "Liberation Sans" },
        { "Times New Roman", "Liberation Serif" },
        { "Courier New", "Liberation Mono" },
    };
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(name, Qt::CaseInsensitive))
        return name;
    for (const auto &[font, standIn] : standIns)
        if (name.compare(QLatin1String(font), Qt::CaseInsensitive) == 0 && installed.contains(QLatin1String(standIn)))
            return QLatin1String(standIn);
    return name;
}

QtPrinter::QtPrinter()
    : m_printer(QPrinter::HighResolution)
    , m_font(resolveFontFamily(QStringLiteral("Arial")), 10)
{
}

QtPrinter::~QtPrinter()
{
    if (m_painter.isActive())
        m_painter.end();
}

void QtPrinter::setOutputFile(const QString &pdfPath)
{
    m_outputFile = pdfPath;
    if (pdfPath.isEmpty()) {
        m_printer.setOutputFormat(QPrinter::NativeFormat);
        return;
    }
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(pdfPath);
}

bool QtPrinter::choosePrinter()
{
    if (!m_outputFile.isEmpty())
        return true;
    QPrintDialog dialog(&m_printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

ui::FontMetrics QtPrinter::metrics() const
{
    // Measured for the printer, whose resolution differs from the screen's. The column is the
    // weighted average the text printer uses too, from the unhinted advances (a large em) as
    // the stored metrics are: hinted ones at the printer's size differ by a few tenths of a
    // percent, a whole column across the page.
    auto measure = std::make_shared<QFontMetricsF>(m_font, &m_printer);
    constexpr int DesignEm = 2048;
    QFont design(m_font);
    design.setPixelSize(DesignEm);
    const QFontMetricsF designMeasure(design);
    const double perEm
        = ui::weightedAverageCharWidth([&](char c) { return designMeasure.horizontalAdvance(QChar::fromLatin1(c)); })
        / DesignEm;
    const double column = perEm * m_font.pointSizeF() * m_printer.resolution() / 72;
    return { column, measure->lineSpacing(),
        [measure](std::string_view text) {
            return measure->horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        } };
}

ui::PageArea QtPrinter::areaFor(ui::Orientation orientation) const
{
    QPageLayout layout = m_printer.pageLayout();
    layout.setOrientation(qtOrientation(orientation));
    const QRect paint = layout.paintRectPixels(m_printer.resolution());
    return { static_cast<double>(paint.width()), static_cast<double>(paint.height()) };
}

bool QtPrinter::setFont(const std::string &name, int points)
{
    m_font = QFont(resolveFontFamily(qt(name)));
    m_font.setPointSize(points);
    if (m_layout)
        m_layout->setFont(metrics());
    return !m_failed;
}

bool QtPrinter::setOrientation(ui::Orientation orientation)
{
    m_orientation = orientation;
    if (m_layout)
        m_layout->setArea(areaFor(orientation)); // turns the next page
    else
        m_printer.setPageOrientation(qtOrientation(orientation));
    return !m_failed;
}

bool QtPrinter::begin()
{
    if (m_failed)
        return false;
    if (m_painter.isActive())
        return true;
    m_printer.setPageOrientation(qtOrientation(m_orientation));
    if (!m_painter.begin(&m_printer)) {
        m_failed = true;
        return false;
    }
    m_layout.emplace(areaFor(m_orientation), metrics());
    m_pages = 1;
    return true;
}

bool QtPrinter::printAt(int column, const std::string &text)
{
    if (!begin())
        return false;
    const ui::PlacedText placed = m_layout->place(column, text);
    while (m_pages <= placed.page) {
        // A page turned during the document: PDF output takes the new layout from the next page.
        if (m_printer.pageLayout().orientation() != qtOrientation(m_orientation))
            m_printer.setPageOrientation(qtOrientation(m_orientation));
        if (!m_printer.newPage()) {
            m_failed = true;
            return false;
        }
        ++m_pages;
    }
    if (!placed.text.empty()) {
        m_painter.setFont(m_font);
        const QFontMetricsF measure(m_font, &m_printer);
        m_painter.drawText(QPointF(placed.x, placed.y + measure.ascent()), qt(placed.text));
    }
    return m_printer.printerState() != QPrinter::Error;
}

bool QtPrinter::endLine()
{
    if (!begin())
        return false;
    m_layout->endLine();
    return true;
}

bool QtPrinter::endDocument()
{
    const bool failed = m_failed;
    m_failed = false;
    m_layout.reset();
    if (!m_painter.isActive())
        return !failed; // nothing printed: no page comes out
    const bool ended = m_painter.end();
    return !failed && ended && m_printer.printerState() != QPrinter::Error;
}

bool QtPrinter::printWindowPicture(const ui::Screen &window)
{
    QWidget *widget = windowOf(window);
    if (!widget)
        return false;
    const QPixmap picture = widget->grab();
    if (picture.isNull())
        return false;
    if (m_painter.isActive() && !endDocument())
        return false;
    if (!begin()) {
        endDocument();
        return false;
    }
    // As large as the page allows, in the window's proportions.
    const ui::PageArea area = areaFor(m_orientation);
    const double scale = std::min(area.width / picture.width(), area.height / picture.height());
    m_painter.drawPixmap(QRectF(0, 0, picture.width() * scale, picture.height() * scale), picture, QRectF(picture.rect()));
    return endDocument();
}

} // namespace tallyman::gui
