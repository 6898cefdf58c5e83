// Plain-text printing through the column layout.
#include "platform/text_printer.h"

#include "platform/controls.h"

#include <algorithm>
#include <cmath>

namespace tallyman::ui {

TextPrinter::TextPrinter(TextPrinterOptions options)
    : m_options(options)
{ }

bool TextPrinter::choosePrinter() { return true; }

bool TextPrinter::setFont(const std::string& name, int points)
{
    // Every character is one column of the font in force; a smaller font fits more of them.
    m_fontName = name;
    m_fontPoints = points;
    if (m_layout)
        m_layout->setFont(metrics());
    return true;
}

bool TextPrinter::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
    if (m_layout)
        m_layout->setArea(areaFor(orientation));
    return true;
}

PageArea TextPrinter::areaFor(Orientation orientation) const
{
    // Across in points, down in lines.
    const double width
        = orientation == Orientation::Landscape ? m_options.landscapeWidth : m_options.portraitWidth;
    return { width, static_cast<double>(std::max(m_options.linesPerPage, 0)) };
}

FontMetrics TextPrinter::metrics() const
{
    // Before any font is set the printer prints in the usual 10 points.
    constexpr int DefaultPoints = 10;
    const int points = m_fontPoints > 0 ? m_fontPoints : DefaultPoints;
    const double column = m_options.averageCharWidth * points;
    const double hyphen = m_options.hyphenColumns * column;
    return { column, 1, [column, hyphen](std::string_view text) {
                const auto hyphens = static_cast<double>(std::count(text.begin(), text.end(), '-'));
                return (static_cast<double>(characterCount(text)) - hyphens) * column + hyphens * hyphen;
            } };
}

ColumnLayout& TextPrinter::layout()
{
    if (!m_layout) {
        m_layout.emplace(areaFor(m_orientation), metrics());
        m_pages.clear();
    }
    return *m_layout;
}

bool TextPrinter::printAt(int column, const std::string& text)
{
    const PlacedText placed = layout().place(column, text);
    const auto page = static_cast<std::size_t>(placed.page);
    const auto row = static_cast<std::size_t>(std::lround(placed.y));
    if (m_pages.size() <= page)
        m_pages.resize(page + 1);
    auto& lines = m_pages[page];
    if (lines.size() <= row)
        lines.resize(row + 1);
    auto& line = lines[row];
    // Column n is character n, whatever fonts came before it on the line; a text moved left
    // to stay whole starts at the column it now starts in.
    const double columnWidth = metrics().charWidth;
    const auto x = std::min(static_cast<std::size_t>(std::max(column, 1) - 1),
        static_cast<std::size_t>(std::floor(placed.x / columnWidth + 1e-9)));
    const auto length = characterCount(line);
    if (length < x)
        line.append(x - length, ' ');
    line += placed.text;
    return true;
}

bool TextPrinter::endLine()
{
    layout().endLine();
    return true;
}

bool TextPrinter::keepTextsWhole()
{
    layout().keepWhole();
    return true;
}

bool TextPrinter::fitLines(int)
{
    // A line of text is a line: a text page cannot set its lines closer.
    return true;
}

bool TextPrinter::endDocument()
{
    if (!m_layout)
        return true; // nothing was printed: no page comes out
    const auto& done = *m_layout;
    // Lines that were ended count, blank or not; an unfinished last line counts when it holds text.
    const auto lastPage = static_cast<std::size_t>(done.page());
    if (m_pages.size() <= lastPage)
        m_pages.resize(lastPage + 1);
    auto endedLines = static_cast<std::size_t>(std::lround(done.y()));
    if (done.area().height > 0)
        endedLines = std::min(endedLines, static_cast<std::size_t>(std::lround(done.area().height)));
    auto& last = m_pages[lastPage];
    if (last.size() < endedLines)
        last.resize(endedLines);

    std::string document;
    for (std::size_t page = 0; page < m_pages.size(); ++page) {
        if (page > 0)
            document += "\f\n";
        for (auto line : m_pages[page]) {
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            document += line;
            document += '\n';
        }
    }
    m_layout.reset();
    m_pages.clear();
    finish(std::move(document));
    return true;
}

bool TextPrinter::printWindowPicture(const Screen& window)
{
    finish("[picture of the window \"" + window.title() + "\"]\n");
    return true;
}

void TextPrinter::finish(std::string document)
{
    m_documents.push_back(std::move(document));
    if (onDocument)
        onDocument(m_documents.back());
}

} // namespace tallyman::ui
