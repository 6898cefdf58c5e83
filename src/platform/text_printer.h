// A printer that writes plain text: column n is character position n. For the command line
// and for golden files of printouts. A line holds what the real page holds in the current font
// size (page width over the average character width), so the text cuts where the PDF does; a
// hyphen is as wide as on paper, so a rule has as many hyphens as the PDF's.
#pragma once

#include "platform/font_metrics.h"
#include "platform/printer.h"
#include "platform/printer_layout.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tallyman::ui {

struct TextPrinterOptions {
    // The printable width of the page in points, each way up.
    double portraitWidth = LetterPrintablePage.portraitWidth;
    double landscapeWidth = LetterPrintablePage.landscapeWidth;
    // Lines on a page; 0 keeps each document on one endless page. Pages are separated by a
    // form feed on a line of its own.
    int linesPerPage = 0;
    // The font's average character width in ems: a column is this many points per point size.
    double averageCharWidth = LiberationSansAverageCharWidth;
    // The hyphen's width in columns.
    double hyphenColumns = LiberationSansHyphenWidth / LiberationSansAverageCharWidth;
};

class TextPrinter : public Printer {
public:
    explicit TextPrinter(TextPrinterOptions options = {});

    bool choosePrinter() override;
    bool setFont(const std::string& name, int points) override;
    bool setOrientation(Orientation orientation) override;
    bool printAt(int column, const std::string& text) override;
    bool endLine() override;
    bool keepTextsWhole() override;
    bool fitLines(int lines) override;
    bool endDocument() override;
    bool printWindowPicture(const Screen& window) override;

    // Finished documents in order, each one text with "\n" after every line.
    const std::vector<std::string>& documents() const { return m_documents; }
    // Called with each document as it is finished (the command line prints it at once).
    std::function<void(const std::string&)> onDocument;

    Orientation orientation() const { return m_orientation; }
    const std::string& fontName() const { return m_fontName; }
    int fontPoints() const { return m_fontPoints; }

private:
    PageArea areaFor(Orientation orientation) const;
    FontMetrics metrics() const;
    ColumnLayout& layout();
    void finish(std::string document);

    TextPrinterOptions m_options;
    Orientation m_orientation = Orientation::Portrait;
    std::string m_fontName;
    int m_fontPoints = 0;
    std::optional<ColumnLayout> m_layout; // the document being printed
    std::vector<std::vector<std::string>> m_pages;
    std::vector<std::string> m_documents;
};

} // namespace tallyman::ui
