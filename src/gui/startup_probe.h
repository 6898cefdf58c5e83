// A measuring aid for the start-up benchmark: when TALLYMAN_STARTUP_PROBE is set, reports the
// moment the start-up prompt (or, with the value "main", the main window after OK) is first
// drawn and the program's resident memory, then ends the program.
#pragma once

#include "screens/app.h"

#include <QObject>

#include <cstdint>
#include <optional>

namespace tallyman::gui {

class QtScreenHost;

// Resident memory of this process in kilobytes (VmRSS), when the system tells.
std::optional<std::int64_t> residentKilobytes();

class StartupProbe : public QObject {
public:
    // Does nothing unless the environment variable is set.
    StartupProbe(App& app, QtScreenHost& host);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void report(const char* what);

    App& m_app;
    QtScreenHost& m_host;
    bool m_throughPrompt = false;
    bool m_promptSeen = false;
    bool m_done = false;
};

} // namespace tallyman::gui
