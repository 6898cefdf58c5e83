// One writer per user: a second window or command on the same user may only look.
#include "cli/cli_test_support.h"
#include "screens/app_fixture.h"
#include "screens/ledger/ledger_window.h"
#include "screens/trackers/leave_log_screen.h"
#include "storage/user_lock.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace tallyman::testing {
namespace {

std::string openElsewhere(const std::string& name)
{
    return name + " is open in another Tallyman window (process " + std::to_string(::getpid()) + ").";
}

// A second program on the same folder: its own dialogs and host.
struct SecondWindow {
    explicit SecondWindow(const std::filesystem::path& dir)
        : app(AppServices { dialogs, clock, printer, host, DataFolder(dir), {} })
    {
        host.app = &app;
    }
    bool startAs(const std::string& name)
    {
        host.script.push_back([name](App& a) {
            a.startupPrompt().txtUser.setText(name);
            a.startupPrompt().OKButton_Click();
        });
        return app.start();
    }
    bool told(const std::string& text) const
    {
        for (const auto& message : dialogs.messages())
            if (!message.lines.empty() && message.lines.front() == text)
                return true;
        return false;
    }
    ui::ScriptedDialogs dialogs;
    ui::PlainClock clock { ui::Date { 2026, 12, 9 } };
    ui::RecordingPrinter printer;
    ScriptedHost host;
    App app;
};

class OneWriter : public AppTest { };

TEST_F(OneWriter, ASecondWindowOnTheSameUserOpensReadOnlyAndRefusesToSave)
{
    ASSERT_TRUE(startAs("Smith"));
    EXPECT_FALSE(app->readOnly());
    EXPECT_EQ(main().title(), "  User:  Smith");
    const std::string before = read("Smith.use");

    SecondWindow second(dir);
    ASSERT_TRUE(second.startAs("Smith"));
    EXPECT_TRUE(second.app.readOnly());
    EXPECT_TRUE(second.told(openElsewhere("Smith")));
    EXPECT_EQ(second.app.mainWindow().title(), "  User:  Smith  (read-only)");

    // Every way of saving is refused with the same message and writes nothing.
    second.app.profile.Pension = 3;
    const std::size_t shown = second.dialogs.messages().size();
    second.app.releaseClosedScreens(); // the person's next action
    EXPECT_FALSE(second.app.saveUser().save(false));
    EXPECT_FALSE(second.app.SaveStateSettings());
    EXPECT_FALSE(second.app.SaveCitySettings());
    EXPECT_EQ(second.dialogs.messages().size(), shown + 1) << "one refusal per action";
    EXPECT_EQ(second.dialogs.messages().back().lines.front(), openElsewhere("Smith"));
    second.app.mainWindow().Calcu_late();
    EXPECT_EQ(read("Smith.use"), before);
    // The leave log, the year ledger and a saved pay period are the user's too.
    const auto files = std::distance(std::filesystem::directory_iterator(dir), {});
    EXPECT_FALSE(second.app.leaveLog().SaveVac());
    EXPECT_FALSE(second.app.ledgerWindow().SaveAnnual());
    second.app.mainWindow().txtWeek.setText("1/5/2024");
    EXPECT_FALSE(second.app.mainWindow().SavePayPeriod());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), files);
    EXPECT_EQ(second.app.mainWindow().title(), "  User:  Smith  (read-only)");

    // Another user in the second window is its own; once the first window ends, its user is
    // taken over at the next save.
    SecondWindow third(dir);
    ASSERT_TRUE(third.startAs("Jones"));
    EXPECT_FALSE(third.app.readOnly());
    app.reset();
    second.app.releaseClosedScreens();
    second.app.profile.Pension = 3;
    EXPECT_TRUE(second.app.saveUser().save(false));
    EXPECT_NE(read("Smith.use"), before);
}

// The lock file is written over, not emptied first: what a longer number left behind must
// not run into the new one.
TEST_F(OneWriter, TheLockFileHoldsJustTheNewHolder)
{
    for (const char* left : { "", "7\n", "4000000000\nstale\n" }) {
        ASSERT_FALSE(writeFileAtomically(userLockFile(DataFolder(dir), "Smith"), left));
        UserLock lock;
        ASSERT_EQ(lock.take(DataFolder(dir), "Smith"), UserLock::Outcome::Taken) << left;
        EXPECT_EQ(read("Smith.lock"), std::to_string(::getpid()) + "\n") << left;
    }
}

TEST_F(OneWriter, ALockLeftByAKilledProgramIsTakenOver)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        UserLock lock;
        const bool taken = lock.take(DataFolder(dir), "Smith") == UserLock::Outcome::Taken;
        const char answer = taken ? 'y' : 'n';
        if (::write(ready[1], &answer, 1) != 1)
            ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y');
    {
        UserLock mine;
        EXPECT_EQ(mine.take(DataFolder(dir), "Smith"), UserLock::Outcome::HeldElsewhere);
        EXPECT_EQ(mine.holder(), child) << "the lock file names the holder";
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);

    ASSERT_TRUE(startAs("Smith"));
    EXPECT_FALSE(app->readOnly());
    EXPECT_EQ(read("Smith.lock"), std::to_string(::getpid()) + "\n");
}

TEST_F(OneWriter, TheCommandLineRefusesToWriteAnOpenUserButShowsIt)
{
    cli::test::DataFolderFixture folder;
    ASSERT_EQ(folder.run({ "user", "new", "Alice" }).code, 0);
    SecondWindow window(folder.dir);
    ASSERT_TRUE(window.startAs("Alice"));
    ASSERT_FALSE(window.app.readOnly());
    const auto before = folder.snapshot();

    for (const std::vector<std::string>& writing : std::vector<std::vector<std::string>> {
             { "calc", "--straight", "40" }, { "user", "set", "HourRate=12" }, { "state", "newyork" },
             { "city", "newyork" }, { "noncity", "default" } }) {
        std::vector<std::string> args { "--user", "Alice" };
        args.insert(args.end(), writing.begin(), writing.end());
        const auto result = folder.run(args);
        EXPECT_EQ(result.code, 2) << writing.front();
        EXPECT_NE(result.err.find(openElsewhere("Alice")), std::string::npos) << result.err;
    }
    EXPECT_EQ(folder.snapshot(), before);

    for (const char* shown : { "user", "state", "city", "noncity" }) {
        const auto result = folder.run({ "--user", "Alice", shown, "show" });
        EXPECT_EQ(result.code, 0) << shown << ": " << result.err;
        EXPECT_EQ(result.err, "") << shown;
    }
    EXPECT_EQ(folder.snapshot(), before) << "showing writes nothing";
}

} // namespace
} // namespace tallyman::testing
