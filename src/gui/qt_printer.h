// Printing through Qt: the printer dialog, QPainter on QPrinter, or a PDF file.
#pragma once

#include "platform/printer.h"
#include "platform/printer_layout.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include <optional>

namespace tallyman::gui {

// The family that stands in for a font the printouts name: "Arial" is Liberation Sans (same
// metrics) when Arial itself is not installed.
QString resolveFontFamily(const QString &name);

class QtPrinter : public ui::Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    // Print into this PDF file, without asking for a printer. An empty name asks again.
    void setOutputFile(const QString &pdfPath);
    QPrinter &printer() { return m_printer; }

    bool choosePrinter() override;
    bool setFont(const std::string &name, int points) override;
    bool setOrientation(ui::Orientation orientation) override;
    bool printAt(int column, const std::string &text) override;
    bool endLine() override;
    bool endDocument() override;
    bool printWindowPicture(const ui::Screen &window) override;

    // Pages of the document so far (or of the last one), for tests.
    int pageCount() const { return m_pages; }
    const QFont &font() const { return m_font; }

private:
    bool begin();
    ui::FontMetrics metrics() const;
    ui::PageArea areaFor(ui::Orientation orientation) const;

    QPrinter m_printer;
    QPainter m_painter;
    QString m_outputFile;
    QFont m_font;
    ui::Orientation m_orientation = ui::Orientation::Portrait;
    std::optional<ui::ColumnLayout> m_layout;
    int m_pages = 0;
    bool m_failed = false;
};

} // namespace tallyman::gui
