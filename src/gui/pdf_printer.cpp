// The command line's PDF printer and the Qt start it needs.
#include "gui/pdf_printer.h"

#include "gui/qt_printer.h"
#include "gui/qt_text.h"
#include "platform/font_metrics.h"
#include "platform/print_job.h"

#include <QApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <cstdlib>

namespace tallyman::gui {

namespace {

void startQt()
{
    if (QCoreApplication::instance())
        return;
    // Painting into a PDF needs no display: a command run from a script, over ssh, or with a
    // DISPLAY that names no running server paints all the same.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "tallyman-cli";
    static char* argv[] = { name, nullptr };
    // Lives until the process ends; destroying it at exit would outlive nothing useful.
    new QApplication(argc, argv);
}

} // namespace

std::unique_ptr<ui::Printer> makePdfPrinter(const std::string& pdfPath, std::string& whyNot)
{
    if (const auto problem = ui::pdfPathProblem(pdfPath)) {
        whyNot = *problem;
        return nullptr;
    }
    startQt();
    auto printer = std::make_unique<QtPrinter>();
    printer->setOutputFile(qt(pdfPath));
    printer->printer().setPageSize(QPageSize(QPageSize::Letter));
    const double margin = ui::LetterMarginPoints;
    printer->printer().setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Point);
    return printer;
}

} // namespace tallyman::gui
