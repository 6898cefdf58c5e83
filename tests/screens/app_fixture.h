// A whole App in a temporary data folder, driven by scripted dialogs and a scripted host.
#pragma once

#include "platform/plain_clock.h"
#include "platform/recording_printer.h"
#include "platform/scripted_dialogs.h"
#include "screens/app.h"
#include "screens/main_window.h"
#include "screens/user_commands.h"
#include "screens/user_info.h"
#include "support/data_folder.h"
#include "support/user_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <sstream>

namespace tallyman::testing {

// Each modal run performs the next scripted action; with none scripted the person closes the
// screen with its close box.
class ScriptedHost : public ScreenHost {
public:
    App* app = nullptr;
    std::deque<std::function<void(App&)>> script;
    std::vector<std::string> log; // "modal 3", "shown 1", "ended"
    std::vector<AboutInfo> abouts;

    void runModal(ScreenId id) override
    {
        log.push_back("modal " + std::to_string(static_cast<int>(id)));
        if (script.empty())
            return;
        auto action = std::move(script.front());
        script.pop_front();
        action(*app);
    }
    void screenShown(ScreenId id) override { log.push_back("shown " + std::to_string(static_cast<int>(id))); }
    void showAbout(const AboutInfo& info) override { abouts.push_back(info); }
    void programEnded() override { log.push_back("ended"); }
    bool logged(ScreenId id, const char* what = "modal") const
    {
        return std::count(log.begin(), log.end(), what + (" " + std::to_string(static_cast<int>(id)))) > 0;
    }
};

class AppTest : public ::testing::Test {
protected:
    // The data folder is made in `base` (memoryFolderBase() for thousands of saves).
    explicit AppTest(const std::filesystem::path& base = std::filesystem::temp_directory_path())
        : m_folder("tallyman-app", base)
    { }
    void SetUp() override { makeApp(); }
    void TearDown() override { app.reset(); }
    void makeApp()
    {
        app.reset();
        host = ScriptedHost {};
        app = std::make_unique<App>(AppServices { dialogs,
            otherClock ? *otherClock : static_cast<ui::Clock&>(clock), printer, host, DataFolder(dir), {} });
        host.app = app.get();
    }
    // The start-up prompt confirmed with `name` in its box; false when the program ended.
    bool startAs(const std::string& name)
    {
        host.script.push_back([name](App& a) {
            a.startupPrompt().txtUser.setText(name);
            a.startupPrompt().OKButton_Click();
        });
        return app->start();
    }
    // What the next modal run of the Save User dialog does.
    void inSaveUser(void (SaveUserDialog::*button)(), const std::string& name = "")
    {
        host.script.push_back([button, name](App& a) {
            if (!name.empty())
                a.saveUser().txtSaveUser.setText(name);
            (a.saveUser().*button)();
        });
    }

    MainWindow& main() { return app->mainWindow(); }
    bool exists(const std::string& name) const { return std::filesystem::exists(dir / name); }
    std::string read(const std::string& name) const { return test::readFile(dir / name); }
    void write(const std::string& name, const std::string& bytes) const
    {
        test::writeFile(dir / name, bytes);
    }
    // Line `n` (from 0) of a file, without its CR LF.
    std::string line(const std::string& name, std::size_t n) const
    {
        std::istringstream in(read(name));
        std::string text;
        for (std::size_t i = 0; i <= n; ++i)
            if (!std::getline(in, text))
                return "<no line " + std::to_string(n) + ">";
        return text.substr(0, text.find('\r'));
    }
    // The last message box's lines joined by "|".
    std::string lastMessage() const
    {
        if (dialogs.messages().empty())
            return "<none>";
        std::string joined;
        for (const auto& text : dialogs.messages().back().lines)
            joined += (joined.empty() ? "" : "|") + text;
        return joined;
    }
    std::size_t messageCount() const { return dialogs.messages().size(); }

    test::FreshDataFolder m_folder;
    std::filesystem::path dir = m_folder.path();
    ui::ScriptedDialogs dialogs;
    ui::PlainClock clock { ui::Date { 2026, 12, 9 } };
    // A clock with another short date form, taken by the next makeApp() when set.
    ui::Clock* otherClock = nullptr;
    ui::RecordingPrinter printer;
    ScriptedHost host;
    std::unique_ptr<App> app;
};

// A user's profile set and state file as an earlier run left them.
inline void saveUser(const std::filesystem::path& dir, const std::string& name, EmployeeProfile profile,
    const StateTaxSettings& state = {})
{
    test::UserRecords records;
    records.profile = std::move(profile);
    records.state = state;
    ASSERT_FALSE(records.save(DataFolder(dir), name));
}

// The user NAME started, and its User Info screen as the person gets it from the menu.
class UserInfoFixture : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(startAs("NAME"));
    }
    // Freshly loaded, as every opening loads it.
    UserInfoScreen& fresh()
    {
        app->close(ScreenId::UserInfo);
        return app->userInfo();
    }
};

} // namespace tallyman::testing
