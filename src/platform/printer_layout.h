// Places printed text by character columns on lines and pages, as on a line printer.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tallyman::ui {

// The font in force, in the device units of the page.
struct FontMetrics {
    double charWidth = 1; // the average character width: one column
    double lineHeight = 1; // how far one line advances
    // The width of a text in this font; when empty every character is one column wide.
    std::function<double(std::string_view)> textWidth;
};

// The printable area of a page. A height of 0 makes one endless page.
struct PageArea {
    double width = 0;
    double height = 0;
};

// Where an item landed. The text is cut at the right edge and may be empty.
struct PlacedText {
    int page = 0; // counted from 0
    double x = 0; // from the left edge of the printable area
    double y = 0; // top of the line, from the top of the printable area
    std::string text; // what fits on the page
};

// Number of characters (UTF-8 code points) in a text.
std::size_t characterCount(std::string_view text);

class ColumnLayout {
public:
    ColumnLayout(PageArea area, FontMetrics font);

    // Items and lines from here on use the new font, at its own spacing; what is placed keeps
    // its own.
    void setFont(FontMetrics font);
    // A page turned the other way: at once while the page is still untouched, otherwise from
    // the next page on.
    void setArea(PageArea area);

    // Column 1 is the left edge. When the line has already passed the column the item goes
    // to that column of the next line.
    PlacedText place(int column, std::string_view text);
    // The next item starts on the following line; a line with nothing on it stays blank.
    void endLine();
    // From here on a text that would run past the right edge moves left to end there, when
    // that does not run it over what is already on its line; otherwise it is cut as it stands.
    void keepWhole() { m_keepWhole = true; }
    // The next `lines` lines of the current font, counted from the current one, end on this
    // page: when the rest of the page is too short for them they are set closer until the
    // next font. Nothing changes on an endless page, or when not even one line is left.
    void fitLines(int lines);

    int page() const { return m_page; }
    double x() const { return m_x; }
    double y() const { return m_y; }
    const PageArea& area() const { return m_area; }
    double columnX(int column) const;
    double textWidth(std::string_view text) const;

private:
    void newLine();
    void newPage();
    std::string fitting(std::string_view text, double room) const;
    double tolerance() const;
    double lineAdvance() const { return m_pitch > 0 ? m_pitch : m_font.lineHeight; }

    PageArea m_area;
    PageArea m_nextArea;
    FontMetrics m_font;
    int m_page = 0;
    double m_x = 0;
    double m_y = 0;
    bool m_pageTouched = false;
    bool m_keepWhole = false;
    double m_pitch = 0; // set closer by fitLines; 0 is the font's own spacing
};

} // namespace tallyman::ui
