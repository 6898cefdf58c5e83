// The printer every printout goes through: column layout on lines, one document per command.
#pragma once

#include <string>

namespace tallyman::ui {

enum class Orientation { Portrait, Landscape };

class Screen;

// Calling order of a printout: choosePrinter; setFont (and setOrientation); printAt and
// endLine in order (a form also keepTextsWhole and fitLines); endDocument. A false result
// means the printer failed or the person cancelled: the caller ends its command without
// printing anything more and without a message.
class Printer {
public:
    virtual ~Printer() = default;
    virtual bool choosePrinter() = 0;
    virtual bool setFont(const std::string& name, int points) = 0;
    virtual bool setOrientation(Orientation orientation) = 0;
    // Column 1 is the left edge; each column is the average character width of the font.
    // When the line has already passed the column, the text starts there on the next line.
    virtual bool printAt(int column, const std::string& text) = 0;
    virtual bool endLine() = 0;
    // The rest of the document is a form on one sheet (the check): a text that would run past
    // the right edge moves left to end there, unless that would run it over the items before
    // it on its line.
    virtual bool keepTextsWhole() = 0;
    // The next `lines` lines of the current font end on this page: when the rest of the page
    // cannot hold them at their usual spacing they are set closer, just enough.
    virtual bool fitLines(int lines) = 0;
    virtual bool endDocument() = 0;
    // A picture of the window as shown on screen.
    virtual bool printWindowPicture(const Screen& window) = 0;

    // Why the last call failed; empty when the person cancelled (the command then ends
    // without a message) or when nothing failed.
    virtual std::string failure() const { return {}; }
    // The next document is shown on screen instead of going to paper; the person may still
    // print it from there. False when this printer has no preview.
    virtual bool previewNextDocument() { return false; }
};

} // namespace tallyman::ui
