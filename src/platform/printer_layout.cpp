// Column, line and page placement of printed text.
#include "platform/printer_layout.h"

#include <algorithm>

namespace tallyman::ui {

namespace {

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

} // namespace

std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !continuationByte(c); }));
}

ColumnLayout::ColumnLayout(PageArea area, FontMetrics font)
    : m_area(area)
    , m_nextArea(area)
    , m_font(std::move(font))
{ }

void ColumnLayout::setFont(FontMetrics font)
{
    m_font = std::move(font);
    m_pitch = 0;
}

void ColumnLayout::fitLines(int lines)
{
    m_pitch = 0;
    if (m_area.height <= 0 || lines < 2)
        return;
    // The last line needs the font's whole height; the others only their advance.
    const double room = m_area.height - m_y - m_font.lineHeight;
    const double needed = (lines - 1) * m_font.lineHeight;
    if (room <= 0 || needed <= room + tolerance())
        return;
    m_pitch = room / (lines - 1);
}

void ColumnLayout::setArea(PageArea area)
{
    m_nextArea = area;
    if (!m_pageTouched)
        m_area = area;
}

double ColumnLayout::columnX(int column) const { return (std::max(column, 1) - 1) * m_font.charWidth; }

double ColumnLayout::textWidth(std::string_view text) const
{
    if (m_font.textWidth)
        return m_font.textWidth(text);
    return static_cast<double>(characterCount(text)) * m_font.charWidth;
}

double ColumnLayout::tolerance() const
{
    // Device units are fractional in the Qt printer; a sum of widths may miss a column by a hair.
    return 1e-6 * std::max(1.0, m_font.charWidth);
}

PlacedText ColumnLayout::place(int column, std::string_view text)
{
    if (m_x > columnX(column) + tolerance())
        newLine();
    if (m_area.height > 0 && m_y > 0 && m_y + m_font.lineHeight > m_area.height + tolerance())
        newPage();

    double left = columnX(column);
    const double width = textWidth(text);
    // A form's text moves left when that makes it whole without running over its line.
    const double wholeLeft = m_area.width - width;
    if (m_keepWhole && wholeLeft < left && wholeLeft >= std::max(m_x, 0.0) - tolerance())
        left = std::max(wholeLeft, 0.0);

    PlacedText placed;
    placed.page = m_page;
    placed.x = left;
    placed.y = m_y;
    placed.text
        = width <= m_area.width - left + tolerance() ? std::string(text) : fitting(text, m_area.width - left);
    // The print position moves past the whole text, cut or not.
    m_x = left + width;
    m_pageTouched = true;
    return placed;
}

void ColumnLayout::endLine()
{
    newLine();
    m_pageTouched = true;
}

void ColumnLayout::newLine()
{
    m_x = 0;
    m_y += lineAdvance();
}

void ColumnLayout::newPage()
{
    ++m_page;
    m_x = 0;
    m_y = 0;
    m_area = m_nextArea;
}

std::string ColumnLayout::fitting(std::string_view text, double room) const
{
    // The longest run of whole characters that fits.
    std::size_t best = 0;
    for (std::size_t end = 1; end <= text.size(); ++end) {
        if (end < text.size() && continuationByte(text[end]))
            continue;
        if (textWidth(text.substr(0, end)) > room + tolerance())
            break;
        best = end;
    }
    return std::string(text.substr(0, best));
}

} // namespace tallyman::ui
