// The text form of a printout: one call per line, texts with their tabs and line ends escaped.
#include "platform/print_job.h"

#include "platform/output_file.h"

#include <charconv>
#include <string_view>
#include <vector>

namespace tallyman::ui {

namespace {

std::string escaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        parts.push_back(
            line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            return parts;
        start = tab + 1;
    }
}

std::optional<int> number(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// One line of a job played into the printer: nothing when it is not a call, else the
// printer's answer.
std::optional<bool> playLine(std::string_view line, Printer& printer)
{
    const auto parts = fields(line);
    if (parts[0] == "line" && parts.size() == 1)
        return printer.endLine();
    if (parts[0] == "whole" && parts.size() == 1)
        return printer.keepTextsWhole();
    if (parts[0] == "fit" && parts.size() == 2) {
        const auto lines = number(parts[1]);
        if (!lines)
            return std::nullopt;
        return printer.fitLines(*lines);
    }
    if (parts[0] == "orientation" && parts.size() == 2) {
        if (parts[1] == "portrait")
            return printer.setOrientation(Orientation::Portrait);
        if (parts[1] == "landscape")
            return printer.setOrientation(Orientation::Landscape);
        return std::nullopt;
    }
    if ((parts[0] == "font" || parts[0] == "at") && parts.size() == 3) {
        const auto value = number(parts[1]);
        const auto text = unescaped(parts[2]);
        if (!value || !text)
            return std::nullopt;
        return parts[0] == "font" ? printer.setFont(*text, *value) : printer.printAt(*value, *text);
    }
    return std::nullopt;
}

} // namespace

bool PrintJobRecorder::setFont(const std::string& name, int points)
{
    m_job += "font\t" + std::to_string(points) + '\t' + escaped(name) + '\n';
    return true;
}

bool PrintJobRecorder::setOrientation(Orientation orientation)
{
    m_job += orientation == Orientation::Landscape ? "orientation\tlandscape\n" : "orientation\tportrait\n";
    return true;
}

bool PrintJobRecorder::printAt(int column, const std::string& text)
{
    m_job += "at\t" + std::to_string(column) + '\t' + escaped(text) + '\n';
    return true;
}

bool PrintJobRecorder::endLine()
{
    m_job += "line\n";
    return true;
}

bool PrintJobRecorder::keepTextsWhole()
{
    m_job += "whole\n";
    return true;
}

bool PrintJobRecorder::fitLines(int lines)
{
    m_job += "fit\t" + std::to_string(lines) + '\n';
    return true;
}

bool PrintJobRecorder::endDocument() { return finishJob(); }

bool PrintJobRecorder::printWindowPicture(const Screen&)
{
    return fail("a picture of a window cannot be printed from the command line");
}

bool PrintJobRecorder::fail(std::string why)
{
    m_failure = std::move(why);
    return false;
}

std::optional<std::string> pdfPathProblem(const std::string& pdfPath)
{
    if (pdfPath.empty())
        return std::string("cannot write the PDF: the file name is empty");
    if (const auto problem = outputFileProblem(pdfPath))
        return "cannot write the PDF " + pdfPath + ": " + *problem;
    return std::nullopt;
}

std::optional<std::string> replayPrintJob(const std::string& job, Printer& printer)
{
    const auto failed = [&printer](const std::string& fallback) -> std::optional<std::string> {
        const std::string why = printer.failure();
        return why.empty() ? fallback : why;
    };
    if (!printer.choosePrinter())
        return failed("the printer could not be started");
    std::size_t start = 0;
    int lineNumber = 0;
    while (start < job.size()) {
        const auto end = job.find('\n', start);
        const std::string_view line(
            job.data() + start, (end == std::string::npos ? job.size() : end) - start);
        start = end == std::string::npos ? job.size() : end + 1;
        ++lineNumber;
        const auto played = playLine(line, printer);
        if (!played)
            return "line " + std::to_string(lineNumber) + " is not a printer call";
        if (!*played)
            return failed("the printer failed");
    }
    if (!printer.endDocument())
        return failed("the printer failed");
    return std::nullopt;
}

} // namespace tallyman::ui
