// A printout as text, so that one process can lay it out and another paint it: the command
// line records its printouts and hands them to the PDF painter, which alone loads Qt.
#pragma once

#include "platform/printer.h"

#include <optional>
#include <string>

namespace tallyman::ui {

// Records the calls of one document as lines of text ("font\t8\tArial", "at\t12\tGross",
// "line", "whole", "fit\t61", ...). It asks for no printer and paints nothing; printWindowPicture fails, for
// a window has no text form.
class PrintJobRecorder : public Printer {
public:
    bool choosePrinter() override { return true; }
    bool setFont(const std::string& name, int points) override;
    bool setOrientation(Orientation orientation) override;
    bool printAt(int column, const std::string& text) override;
    bool endLine() override;
    bool keepTextsWhole() override;
    bool fitLines(int lines) override;
    bool endDocument() override;
    bool printWindowPicture(const Screen& window) override;
    std::string failure() const override { return m_failure; }

    const std::string& job() const { return m_job; }

protected:
    // Called once the document is complete; a printer that sends the job on overrides it.
    virtual bool finishJob() { return true; }
    bool fail(std::string why);

private:
    std::string m_job;
    std::string m_failure;
};

// Why a PDF cannot be written at `pdfPath` before anything is painted: no file name, a
// folder that does not exist, or a name that stands for something other than a file
// (outputFileProblem). Nothing when it may be tried.
std::optional<std::string> pdfPathProblem(const std::string& pdfPath);

// Plays a recorded job into `printer`: choosePrinter, the calls in order, endDocument.
// Nothing, or the reason: a line that is not a call ("line 3 is not a printer call"), or the
// printer's own failure.
std::optional<std::string> replayPrintJob(const std::string& job, Printer& printer);

} // namespace tallyman::ui
