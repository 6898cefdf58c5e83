// Forwarding to the Qt printer, made on first use.
#include "gui/lazy_printer.h"

#include "gui/qt_printer.h"

namespace tallyman::gui {

LazyPrinter::LazyPrinter() = default;

LazyPrinter::~LazyPrinter() = default;

QtPrinter& LazyPrinter::qtPrinter()
{
    if (!m_printer)
        m_printer = std::make_unique<QtPrinter>();
    return *m_printer;
}

bool LazyPrinter::choosePrinter() { return qtPrinter().choosePrinter(); }

bool LazyPrinter::setFont(const std::string& name, int points) { return qtPrinter().setFont(name, points); }

bool LazyPrinter::setOrientation(ui::Orientation orientation)
{
    return qtPrinter().setOrientation(orientation);
}

bool LazyPrinter::printAt(int column, const std::string& text) { return qtPrinter().printAt(column, text); }

bool LazyPrinter::endLine() { return qtPrinter().endLine(); }

bool LazyPrinter::endDocument() { return qtPrinter().endDocument(); }

bool LazyPrinter::printWindowPicture(const ui::Screen& window)
{
    return qtPrinter().printWindowPicture(window);
}

} // namespace tallyman::gui
