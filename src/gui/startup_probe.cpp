// The start-up probe: watches paint events until the awaited window is drawn.
#include "gui/startup_probe.h"

#include "gui/qt_screen_host.h"
#include "screens/user_commands.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace tallyman::gui {

std::optional<std::int64_t> residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stoll(line.substr(6));
    return std::nullopt;
}

StartupProbe::StartupProbe(App& app, QtScreenHost& host)
    : m_app(app)
    , m_host(host)
{
    const QByteArray mode = qgetenv("TALLYMAN_STARTUP_PROBE");
    if (mode.isEmpty())
        return;
    m_throughPrompt = mode == "main";
    QCoreApplication::instance()->installEventFilter(this);
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (m_done || event->type() != QEvent::Paint)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    QWidget* window = widget->window();
    if (!m_promptSeen && window == m_host.window(ScreenId::StartupPrompt)) {
        m_promptSeen = true;
        if (!m_throughPrompt) {
            report("prompt");
            return false;
        }
        // Once this paint is through, as if the person pressed OK on the offered name.
        QTimer::singleShot(0, this, [this] {
            if (m_app.isLoaded(ScreenId::StartupPrompt))
                m_app.startupPrompt().OKButton.click();
        });
    } else if (m_throughPrompt && m_promptSeen && window == m_host.window(ScreenId::MainWindow)) {
        report("main");
    }
    return false;
}

void StartupProbe::report(const char* what)
{
    m_done = true;
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    std::printf("shown=%s shown_ns=%lld rss_kb=%lld\n", what, static_cast<long long>(now.count()),
        static_cast<long long>(residentKilobytes().value_or(-1)));
    std::fflush(stdout);
    QTimer::singleShot(0, this, [this] { m_app.quit(); });
}

} // namespace tallyman::gui
