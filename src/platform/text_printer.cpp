// Plain-text printing through the column layout.
#include "platform/text_printer.h"

#include "platform/controls.h"

#include <algorithm>
#include <cmath>

namespace tallyman::ui {

TextPrinter::TextPrinter(TextPrinterOptions options)
    : m_options(options)
{
}

bool TextPrinter::choosePrinter()
{
    return true;
}

bool TextPrinter::setFont(const std::string &name, int points)
{
    // Every font is one character per column here; the font is kept for those who ask.
    m_fontName = name;
    m_fontPoints = points;
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
    const int columns = orientation == Orientation::Landscape ? m_options.landscapeColumns : m_options.portraitColumns;
    return { static_cast<double>(columns), static_cast<double>(std::max(m_options.linesPerPage, 0)) };
}

ColumnLayout &TextPrinter::layout()
{
    if (!m_layout) {
        m_layout.emplace(areaFor(m_orientation), FontMetrics {});
        m_pages.clear();
    }
    return *m_layout;
}

bool TextPrinter::printAt(int column, const std::string &text)
{
    const PlacedText placed = layout().place(column, text);
    const auto page = static_cast<std::size_t>(placed.page);
    const auto row = static_cast<std::size_t>(std::lround(placed.y));
    if (m_pages.size() <= page)
        m_pages.resize(page + 1);
    auto &lines = m_pages[page];
    if (lines.size() <= row)
        lines.resize(row + 1);
    auto &line = lines[row];
    const auto x = static_cast<std::size_t>(std::lround(placed.x));
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

bool TextPrinter::endDocument()
{
    if (!m_layout)
        return true; // nothing was printed: no page comes out
    const auto &done = *m_layout;
    // Lines that were ended count, blank or not; an unfinished last line counts when it holds text.
    const auto lastPage = static_cast<std::size_t>(done.page());
    if (m_pages.size() <= lastPage)
        m_pages.resize(lastPage + 1);
    auto endedLines = static_cast<std::size_t>(std::lround(done.y()));
    if (done.area().height > 0)
        endedLines = std::min(endedLines, static_cast<std::size_t>(std::lround(done.area().height)));
    auto &last = m_pages[lastPage];
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

bool TextPrinter::printWindowPicture(const Screen &window)
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
