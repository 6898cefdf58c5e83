// A whole App in a temporary data folder, driven by scripted dialogs and a scripted host.
#pragma once

#include "app/app.h"
#include "employee/main_window.h"
#include "employee/user_commands.h"
#include "employee/user_info.h"
#include "platform/plain_clock.h"
#include "platform/recording_printer.h"
#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tallyman::testing {

inline const char *screenName(ScreenId id)
{
    switch (id) {
    case ScreenId::StartupPrompt:
        return "StartupPrompt";
    case ScreenId::MainWindow:
        return "MainWindow";
    case ScreenId::UserInfo:
        return "UserInfo";
    case ScreenId::SaveUser:
        return "SaveUser";
    case ScreenId::StateDialog:
        return "StateDialog";
    case ScreenId::CityDialog:
        return "CityDialog";
    case ScreenId::NonCityDialog:
        return "NonCityDialog";
    }
    return "?";
}

// Runs each modal screen by performing the next scripted action on it; with nothing scripted
// for it the person closes the screen with its close box.
class ScriptedHost : public ScreenHost {
public:
    using Action = std::function<void(App &)>;

    App *app = nullptr;
    std::deque<std::pair<ScreenId, Action>> script;
    std::vector<std::string> log; // "created X", "closed X", "shown X", "modal X", "about", "ended"
    std::vector<AboutInfo> abouts;

    void onModal(ScreenId id, Action action) { script.emplace_back(id, std::move(action)); }

    void runModal(ScreenId id) override
    {
        log.push_back(std::string("modal ") + screenName(id));
        if (script.empty())
            return;
        if (script.front().first != id) {
            ADD_FAILURE() << "modal " << screenName(id) << " shown, script expected "
                          << screenName(script.front().first);
            return;
        }
        Action action = std::move(script.front().second);
        script.pop_front();
        action(*app);
    }
    void screenCreated(ScreenId id) override { log.push_back(std::string("created ") + screenName(id)); }
    void screenClosed(ScreenId id) override { log.push_back(std::string("closed ") + screenName(id)); }
    void screenShown(ScreenId id) override { log.push_back(std::string("shown ") + screenName(id)); }
    void showAbout(const AboutInfo &info) override
    {
        log.push_back("about");
        abouts.push_back(info);
    }
    void programEnded() override { log.push_back("ended"); }

    bool logged(const std::string &entry) const
    {
        for (const auto &line : log)
            if (line == entry)
                return true;
        return false;
    }
};

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallyman-app-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        const auto table = std::filesystem::path(TALLYMAN_DATA_DIR) / "Federal24.dtt";
        if (std::filesystem::exists(table))
            std::filesystem::copy_file(table, dir / "Federal24.dtt");
        makeApp();
    }

    void TearDown() override
    {
        app.reset();
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    void makeApp()
    {
        app.reset();
        host = ScriptedHost{};
        app = std::make_unique<App>(AppServices{dialogs, clock, printer, host, DataFolder(dir), {}});
        host.app = app.get();
    }

    // The start-up prompt confirmed with `name` in its box.
    void startAs(const std::string &name)
    {
        host.onModal(ScreenId::StartupPrompt, [name](App &a) {
            a.startupPrompt().txtUser.setText(name);
            a.startupPrompt().OKButton_Click();
        });
        ASSERT_TRUE(app->start());
    }

    // The Save User dialog's next modal run presses one of its buttons.
    void pressSave()
    {
        host.onModal(ScreenId::SaveUser, [](App &a) { a.saveUser().cmdSaveUser_Click(); });
    }
    void pressNo()
    {
        host.onModal(ScreenId::SaveUser, [](App &a) { a.saveUser().cmdEnd_Click(); });
    }
    void pressQuit()
    {
        host.onModal(ScreenId::SaveUser, [](App &a) { a.saveUser().cmdQuit_Click(); });
    }

    MainWindow &main() { return app->mainWindow(); }

    std::filesystem::path path(const std::string &name) const { return dir / name; }
    bool exists(const std::string &name) const { return std::filesystem::exists(dir / name); }
    std::string read(const std::string &name) const
    {
        std::ifstream in(dir / name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    void write(const std::string &name, const std::string &bytes) const
    {
        std::ofstream out(dir / name, std::ios::binary);
        out << bytes;
    }
    // The lines of a file without their CR LF.
    std::vector<std::string> lines(const std::string &name) const
    {
        std::vector<std::string> result;
        std::istringstream in(read(name));
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            result.push_back(line);
        }
        return result;
    }
    // The texts of every message box shown, one string per box, lines joined by "|".
    std::vector<std::string> shownMessages() const
    {
        std::vector<std::string> result;
        for (const auto &message : dialogs.messages()) {
            std::string joined;
            for (const auto &line : message.lines)
                joined += (joined.empty() ? "" : "|") + line;
            result.push_back(joined);
        }
        return result;
    }

    std::filesystem::path dir;
    ui::ScriptedDialogs dialogs;
    ui::PlainClock clock{ui::Date{2026, 12, 9}};
    ui::RecordingPrinter printer;
    ScriptedHost host;
    std::unique_ptr<App> app;
};

} // namespace tallyman::testing
