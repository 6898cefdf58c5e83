// PDF printers for the command line: Qt is started only when the first one is asked for.
#pragma once

#include "platform/printer.h"

#include <memory>
#include <string>

namespace tallyman::gui {

// A printer writing `pdfPath` on Letter paper with the margins the text printer assumes, so
// the PDF and the text printout hold the same columns. Starts the Qt application the first
// time, always offscreen. Null, with the reason in `whyNot`, when the file
// cannot be made.
std::unique_ptr<ui::Printer> makePdfPrinter(const std::string& pdfPath, std::string& whyNot);

} // namespace tallyman::gui
