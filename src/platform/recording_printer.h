// A printer for tests: records every call as a readable line and fails when told to.
#pragma once

#include "platform/printer.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tallyman::ui {

// Lines look like: choosePrinter, font Arial 11, orientation landscape, at 5 "Gross",
// endLine, keepTextsWhole, fitLines 61, endDocument, picture <window title>. A call that fails is recorded
// with " failed" after it, a cancelled printer choice as "choosePrinter cancelled".
class RecordingPrinter : public Printer {
public:
    bool choosePrinter() override;
    bool setFont(const std::string& name, int points) override;
    bool setOrientation(Orientation orientation) override;
    bool printAt(int column, const std::string& text) override;
    bool endLine() override;
    bool keepTextsWhole() override;
    bool fitLines(int lines) override;
    bool endDocument() override;
    bool printWindowPicture(const Screen& window) override;
    std::string failure() const override;

    const std::vector<std::string>& calls() const { return m_calls; }
    // The calls one per line, for comparing with an expected listing.
    std::string transcript() const;
    void clear() { m_calls.clear(); }

    // The person cancels the printer selection: choosePrinter answers false.
    void setCancelChoice(bool cancel) { m_cancelChoice = cancel; }
    // The printer breaks at call number n (counted from 1 over the calls recorded so far and
    // to come): that call and every later one fail.
    void failAtCall(std::size_t n) { m_failAtCall = n; }
    // The printer breaks at the first call whose line starts with `prefix` ("endDocument",
    // "at 5"): that call and every later one fail.
    void failAt(std::string prefix) { m_failPrefix = std::move(prefix); }
    bool broken() const { return m_broken; }

private:
    bool record(std::string call);

    std::vector<std::string> m_calls;
    bool m_cancelChoice = false;
    std::optional<std::size_t> m_failAtCall;
    std::optional<std::string> m_failPrefix;
    bool m_broken = false;
};

} // namespace tallyman::ui
