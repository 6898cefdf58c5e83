// The desktop program's printer, made on the first print: Qt's printer support (its plugin and
// the print system's libraries behind it) costs start-up time and memory that a run without
// printing never needs.
#pragma once

#include "platform/printer.h"

#include <memory>

namespace tallyman::gui {

class QtPrinter;

class LazyPrinter : public ui::Printer {
public:
    LazyPrinter();
    ~LazyPrinter() override;

    // The Qt printer, made now when this is the first use.
    QtPrinter& qtPrinter();
    bool made() const { return m_printer != nullptr; }

    bool choosePrinter() override;
    bool setFont(const std::string& name, int points) override;
    bool setOrientation(ui::Orientation orientation) override;
    bool printAt(int column, const std::string& text) override;
    bool endLine() override;
    bool endDocument() override;
    bool printWindowPicture(const ui::Screen& window) override;

private:
    std::unique_ptr<QtPrinter> m_printer;
};

} // namespace tallyman::gui
