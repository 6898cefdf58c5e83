// A printer that writes plain text: column n is character position n. For the command line
// and for golden files of printouts.
#pragma once

#include "platform/printer.h"
#include "platform/printer_layout.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tallyman::ui {

struct TextPrinterOptions {
    // Columns that fit across the page: about what Letter paper holds in a 10 to 11 point font.
    int portraitColumns = 120;
    int landscapeColumns = 160;
    // Lines on a page; 0 keeps each document on one endless page. Pages are separated by a
    // form feed on a line of its own.
    int linesPerPage = 0;
};

class TextPrinter : public Printer {
public:
    explicit TextPrinter(TextPrinterOptions options = {});

    bool choosePrinter() override;
    bool setFont(const std::string &name, int points) override;
    bool setOrientation(Orientation orientation) override;
    bool printAt(int column, const std::string &text) override;
    bool endLine() override;
    bool endDocument() override;
    bool printWindowPicture(const Screen &window) override;

    // Finished documents in order, each one text with "\n" after every line.
    const std::vector<std::string> &documents() const { return m_documents; }
    // Called with each document as it is finished (the command line prints it at once).
    std::function<void(const std::string &)> onDocument;

    Orientation orientation() const { return m_orientation; }
    const std::string &fontName() const { return m_fontName; }
    int fontPoints() const { return m_fontPoints; }

private:
    PageArea areaFor(Orientation orientation) const;
    ColumnLayout &layout();
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
