// Printing through Qt: the printer dialog, QPainter on QPrinter, a PDF file, or a preview.
#pragma once

#include "platform/output_file.h"
#include "platform/printer.h"
#include "platform/printer_layout.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPrintDialog;
class QPrintPreviewDialog;

namespace tallyman::gui {

// The family that stands in for a font the printouts name: "Arial" is Liberation Sans (same
// metrics) when Arial itself is not installed.
QString resolveFontFamily(const QString& name);

class QtPrinter : public ui::Printer {
public:
    // Makes its own QPrinter on first use: constructing one looks for printers, which takes
    // long enough to be felt at start-up.
    QtPrinter();
    // Paints on a printer owned elsewhere (the one a preview dialog hands out); no dialog.
    explicit QtPrinter(QPrinter& target);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    // Print into this very PDF file, without asking for a printer (the command line's painter
    // is handed a private temporary). An empty name asks again. A PDF is reported finished
    // only when the file holds it whole.
    void setOutputFile(const QString& pdfPath);
    QPrinter& printer();

    // The printer dialog offers "Preview" beside Print (on by default).
    void setPreviewOffered(bool offered) { m_previewOffered = offered; }

    bool choosePrinter() override;
    bool setFont(const std::string& name, int points) override;
    bool setOrientation(ui::Orientation orientation) override;
    bool printAt(int column, const std::string& text) override;
    bool endLine() override;
    bool keepTextsWhole() override;
    bool fitLines(int lines) override;
    bool endDocument() override;
    bool printWindowPicture(const ui::Screen& window) override;
    std::string failure() const override { return m_failure; }
    bool previewNextDocument() override;

    // Shows a finished preview; the default runs the dialog modally. Tests look at it instead.
    std::function<void(QPrintPreviewDialog&)> showPreview;
    // Runs the printer dialog and gives its result; the default runs it modally. Tests answer
    // it instead.
    std::function<int(QPrintDialog&)> runPrintDialog;
    // The file a printout that shows no printer dialog goes into, when the printer chosen last
    // writes files: asked for, offering `suggested`; empty when cancelled. The default is a
    // save dialog, which asks before it replaces a file.
    std::function<QString(const QString& suggested)> askFileName;

    // Pages of the document so far (or of the last one), for tests.
    int pageCount() const { return m_pages; }
    const QFont& font() const { return m_font; }
    // The items of the document so far (or of the last one): the text asked for, where it
    // went, and where it ends against the width of the page. For tests.
    struct PlacedItem {
        std::string asked;
        ui::PlacedText placed;
        double right = 0;
        double pageWidth = 0;
    };
    const std::vector<PlacedItem>& placedItems() const { return m_placed; }

private:
    // One call of a document kept for the preview, which paints it as often as it likes.
    struct Step {
        enum Kind { Font, Orientation, Text, EndLine, KeepWhole, FitLines, Picture } kind;
        std::string text;
        int number = 0;
        QPixmap picture;
    };

    bool begin();
    bool takeCurrentPrinter();
    int execPrintDialog(QPrintDialog& dialog);
    void replacePrinter();
    bool fail(QString why);
    // A PDF file chosen in the printer dialog goes to a temporary first.
    bool startPdfFile();
    void endPdfFile();
    bool paintPicture(const QPixmap& picture);
    bool replay(const std::vector<Step>& steps);
    bool showRecordedPreview();
    ui::FontMetrics metrics();
    ui::PageArea areaFor(ui::Orientation orientation);

    std::unique_ptr<QPrinter> m_own;
    QPrinter* m_target = nullptr; // m_own, or the printer given
    QPainter m_painter;
    QString m_outputFile;
    QFont m_font;
    ui::Orientation m_orientation = ui::Orientation::Portrait;
    std::optional<ui::ColumnLayout> m_layout;
    int m_pages = 0;
    bool m_failed = false;
    std::string m_failure;
    bool m_previewOffered = true;
    bool m_chosen = false; // the person has chosen a printer in the dialog
    bool m_chosenForDocument = false; // ... for the document being printed
    bool m_keepWhole = false; // the document is a form
    std::vector<PlacedItem> m_placed;
    std::optional<std::vector<Step>> m_preview; // the document being kept for a preview
    std::optional<OutputFile> m_pdfFile; // the temporary of a dialog-chosen PDF
};

} // namespace tallyman::gui
