// Whether the desktop program can show a window, decided before Qt starts.
#include "gui/display_check.h"
#include "gui_tests.h"

#include <QTest>

#include <map>
#include <set>

using namespace tallyman;

namespace {

struct FakeEnvironment {
    std::map<std::string, std::string> variables;
    std::set<std::string> xServers; // display names that answer
    std::set<std::string> files;

    gui::DisplayEnvironment get() const
    {
        return gui::DisplayEnvironment {
            [this](const std::string& name) -> std::optional<std::string> {
                const auto it = variables.find(name);
                if (it == variables.end() || it->second.empty())
                    return std::nullopt;
                return it->second;
            },
            [this](const std::string& display) { return xServers.count(display) > 0; },
            [this](const std::string& path) { return files.count(path) > 0; },
        };
    }
};

FakeEnvironment environment(std::map<std::string, std::string> variables, std::set<std::string> xServers = {},
    std::set<std::string> files = {})
{
    return FakeEnvironment { std::move(variables), std::move(xServers), std::move(files) };
}

} // namespace

class DisplayCheckTest : public QObject {
    Q_OBJECT
private slots:
    void missingDisplay()
    {
        struct Case {
            const char* name;
            FakeEnvironment env;
            std::vector<std::string> args;
            std::optional<std::string> reason;
        };
        const std::map<std::string, std::string> wayland { { "WAYLAND_DISPLAY", "wayland-0" },
            { "XDG_RUNTIME_DIR", "/run/user/1000" } };
        auto waylandAndX = wayland;
        waylandAndX["DISPLAY"] = ":1";
        const std::vector<Case> cases {
            { "nothing set", environment({}), {}, "no display (DISPLAY is not set)" },
            { "empty DISPLAY counts as unset", environment({ { "DISPLAY", "" } }), {},
                "no display (DISPLAY is not set)" },
            { "X answers", environment({ { "DISPLAY", ":0" } }, { ":0" }), {}, std::nullopt },
            { "X does not answer", environment({ { "DISPLAY", ":7" } }, { ":0" }), {},
                "cannot connect to the X display :7" },
            { "Wayland socket in the runtime folder",
                environment(wayland, {}, { "/run/user/1000/wayland-0" }), {}, std::nullopt },
            { "Wayland socket gone, no X", environment(wayland), {},
                "cannot connect to the Wayland display wayland-0" },
            { "Wayland socket gone, X answers", environment(waylandAndX, { ":1" }), {}, std::nullopt },
            { "absolute Wayland socket", environment({ { "WAYLAND_DISPLAY", "/tmp/w" } }, {}, { "/tmp/w" }),
                {}, std::nullopt },
            { "platform chosen in the environment", environment({ { "QT_QPA_PLATFORM", "offscreen" } }), {},
                std::nullopt },
            { "platform chosen on the command line", environment({}), { "-platform", "vnc" }, std::nullopt },
        };
        for (const auto& c : cases) {
            const auto reason = gui::missingDisplay(c.args, c.env.get());
            QVERIFY2(reason == c.reason, c.name);
        }
    }

    void onlyHelpVersionAndScreenshotsNeedNoScreen()
    {
        for (const std::vector<std::string>& args :
            std::vector<std::vector<std::string>> { { "--help" }, { "-v" }, { "--dir", "x", "--version" },
                { "--screenshots", "out" }, { "--screenshots=out" } })
            QVERIFY(gui::needsNoScreen(args));
        for (const std::vector<std::string>& args :
            std::vector<std::vector<std::string>> { {}, { "--dir", "x" }, { "--dir", "--helpers" } })
            QVERIFY(!gui::needsNoScreen(args));
    }
};

TALLYMAN_GUI_TEST(DisplayCheckTest)
#include "display_check_test.moc"
