// Recording of printer calls with injected failures.
#include "platform/recording_printer.h"

#include "platform/controls.h"

namespace tallyman::ui {

bool RecordingPrinter::record(std::string call)
{
    if (!m_broken && m_failAtCall && m_calls.size() + 1 >= *m_failAtCall)
        m_broken = true;
    if (!m_broken && m_failPrefix && call.starts_with(*m_failPrefix))
        m_broken = true;
    if (m_broken)
        call += " failed";
    m_calls.push_back(std::move(call));
    return !m_broken;
}

bool RecordingPrinter::choosePrinter()
{
    if (m_cancelChoice && !m_broken) {
        m_calls.push_back("choosePrinter cancelled");
        return false;
    }
    return record("choosePrinter");
}

bool RecordingPrinter::setFont(const std::string& name, int points)
{
    return record("font " + name + " " + std::to_string(points));
}

bool RecordingPrinter::setOrientation(Orientation orientation)
{
    return record(orientation == Orientation::Landscape ? "orientation landscape" : "orientation portrait");
}

bool RecordingPrinter::printAt(int column, const std::string& text)
{
    return record("at " + std::to_string(column) + " \"" + text + "\"");
}

bool RecordingPrinter::endLine() { return record("endLine"); }

bool RecordingPrinter::keepTextsWhole() { return record("keepTextsWhole"); }

bool RecordingPrinter::fitLines(int lines) { return record("fitLines " + std::to_string(lines)); }

bool RecordingPrinter::endDocument() { return record("endDocument"); }

bool RecordingPrinter::printWindowPicture(const Screen& window)
{
    return record("picture " + window.title());
}

std::string RecordingPrinter::transcript() const
{
    std::string out;
    for (const auto& call : m_calls) {
        out += call;
        out += '\n';
    }
    return out;
}

std::string RecordingPrinter::failure() const
{
    return m_broken ? "The printer stopped working." : std::string();
}

} // namespace tallyman::ui
