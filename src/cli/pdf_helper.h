// PDF files from the command line: the printout is recorded here and painted by the program
// tallyman-pdf, so that tallyman-cli itself never loads Qt (most commands print nothing, and
// loading Qt would triple the time of every one of them).
#pragma once

#include "platform/print_job.h"

#include <filesystem>
#include <memory>
#include <string>

namespace tallyman::cli {

// The painter installed beside this program (the build tree) or in ../libexec/tallyman (an
// installed one); empty when neither is there.
std::filesystem::path findPdfHelper();

// Records the document, then runs `helper TEMPORARY` with the recorded job on its input: the
// painter fills a private temporary beside `pdfPath`, which replaces the file only when the
// painter reports a whole PDF. The failure is the painter's own message when it gives one, or
// the signal that killed it; the old file is then left as it was.
class PdfHelperPrinter : public ui::PrintJobRecorder {
public:
    PdfHelperPrinter(std::filesystem::path helper, std::string pdfPath);

protected:
    bool finishJob() override;

private:
    std::filesystem::path m_helper;
    std::string m_pdfPath;
};

// The factory tallyman-cli hands to cli::run: refuses a folder that does not exist, and a
// build without the painter, with the reason.
std::unique_ptr<ui::Printer> makeHelperPdfPrinter(const std::string& pdfPath, std::string& whyNot);

} // namespace tallyman::cli
