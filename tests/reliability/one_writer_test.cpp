// One writer per user: a second window or command on the same user may only look.
#include "cli/cli_test_support.h"
#include "employee/profile_files.h"
#include "screens/app_fixture.h"
#include "screens/heading_dialog.h"
#include "screens/ledger/ledger_window.h"
#include "screens/trackers/leave_log_screen.h"
#include "storage/folder_lock.h"
#include "storage/user_lock.h"
#include "support/user_records.h"

#include <fcntl.h>
#include <fstream>
#include <functional>
#include <map>
#include <sys/stat.h>

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

class OneWriter : public AppTest {
protected:
    cli::test::CliResult runCli(const std::vector<std::string>& args) const
    {
        return cli::test::runCliIn(dir, args);
    }
    std::map<std::string, std::string> snapshot() const { return cli::test::folderSnapshot(dir, true); }
};

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

    // Another user in the second window is its own.
    SecondWindow third(dir);
    ASSERT_TRUE(third.startAs("Jones"));
    EXPECT_FALSE(third.app.readOnly());

    // The first window ends and a command line changes the user; the second window still
    // holds what it read before and never writes it back.
    app.reset();
    ASSERT_EQ(runCli({ "--user", "Smith", "user", "set", "HourRate=99" }).code, 0);
    const std::string changed = read("Smith.use");
    second.app.releaseClosedScreens();
    second.app.profile.Pension = 3;
    EXPECT_FALSE(second.app.saveUser().save(false));
    second.app.mainWindow().Calcu_late();
    EXPECT_EQ(read("Smith.use"), changed);
    EXPECT_EQ(second.app.mainWindow().title(), "  User:  Smith  (read-only)");
    // Not even by opening the user again: the window saves nothing until it is started anew.
    second.app.releaseClosedScreens();
    second.dialogs.queueFile("Smith.use");
    openUser(second.app);
    EXPECT_TRUE(second.app.readOnly());
    EXPECT_TRUE(second.told(
        "This window opened a user read-only: it saves nothing until Tallyman is started again."));
    second.app.releaseClosedScreens();
    EXPECT_FALSE(second.app.saveUser().save(false));
    EXPECT_EQ(read("Smith.use"), changed);
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
    ASSERT_EQ(folder.run({ "--user", "Alice", "period", "save", "--straight", "40" }).code, 0);
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

    // Every show runs read-only beside the window.
    for (const char* shown :
        { "user", "state", "city", "noncity", "ledger", "ot", "leave", "offsets", "check" }) {
        const auto result = folder.run({ "--user", "Alice", shown, "show" });
        EXPECT_EQ(result.code, 0) << shown << ": " << result.err;
        EXPECT_EQ(result.err, "") << shown;
        EXPECT_FALSE(result.out.empty()) << shown;
    }
    const auto period = folder.run({ "--user", "Alice", "period", "show", "1_5_2024  Alice.prv" });
    EXPECT_EQ(period.code, 0) << period.err;
    EXPECT_EQ(folder.snapshot(), before) << "showing writes nothing";
}

// Something stands under a name of the user's files but cannot be read as one.
struct Unreadable {
    const char* what;
    std::function<void(const std::filesystem::path&)> make;
    const char* reason;
};

std::vector<Unreadable> unreadableKinds(const std::filesystem::path& dir)
{
    std::vector<Unreadable> kinds {
        { "a folder", [](const auto& p) { std::filesystem::create_directory(p); }, "it is a folder" },
        { "a pipe", [](const auto& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
            "it is not a plain file" },
        { "a broken link", [&](const auto& p) { std::filesystem::create_symlink(dir / "gone", p); },
            "it is a link to a file that does not exist" },
    };
    // Root reads every file; anyone else cannot read a file of another owner left 0600.
    if (::geteuid() != 0)
        kinds.push_back({ "a file without read permission",
            [](const auto& p) {
                std::ofstream(p) << "21\r\n";
                std::filesystem::permissions(p, std::filesystem::perms::owner_write);
            },
            "Permission denied" });
    return kinds;
}

// A user file that is there but cannot be read is not a missing one: the user opens
// read-only, the person is told which file and why, and nothing is written over it.
TEST_F(OneWriter, AUserFileThatCannotBeReadOpensTheUserReadOnly)
{
    ASSERT_EQ(runCli({ "user", "new", "Smith" }).code, 0);
    ASSERT_EQ(runCli({ "user", "new", "Jones" }).code, 0);
    const auto original = snapshot();
    int round = 0;
    for (const Unreadable& kind : unreadableKinds(dir)) {
        for (const char* extension : { ".use", ".sta", ".hol", ".yrb" }) {
            SCOPED_TRACE(std::string(kind.what) + " as " + extension);
            const std::string file = std::string("Smith") + extension;
            std::filesystem::remove(dir / file);
            kind.make(dir / file);
            const std::string told = "The file " + file + " exists but cannot be read: " + kind.reason + ".";
            const auto before = snapshot();

            SecondWindow window(dir);
            ASSERT_TRUE(window.startAs("Smith"));
            EXPECT_TRUE(window.app.readOnly());
            EXPECT_TRUE(window.told(told));
            EXPECT_EQ(window.app.mainWindow().title(), "  User:  Smith  (read-only)");
            window.app.releaseClosedScreens();
            EXPECT_FALSE(window.app.saveUser().save(false));
            EXPECT_FALSE(window.app.leaveLog().SaveVac());
            EXPECT_FALSE(window.app.ledgerWindow().SaveAnnual());

            // File > Open from a window on another user.
            SecondWindow opening(dir);
            ASSERT_TRUE(opening.startAs("Jones"));
            ASSERT_FALSE(opening.app.readOnly());
            opening.app.releaseClosedScreens();
            opening.dialogs.queueFile("Smith.use");
            openUser(opening.app);
            EXPECT_EQ(opening.app.UserName, "Smith");
            EXPECT_TRUE(opening.app.readOnly());
            EXPECT_TRUE(opening.told(told));
            opening.app.releaseClosedScreens();
            EXPECT_FALSE(opening.app.saveUser().save(false));

            // Every command: the writing ones refuse, the showing ones say what they cannot show.
            for (const std::vector<std::string>& command : std::vector<std::vector<std::string>> {
                     { "user", "set", "HourRate=12" }, { "calc", "--straight", "40" }, { "user", "show" },
                     { "state", "show" }, { "leave", "show" } }) {
                std::vector<std::string> args { "--user", "Smith" };
                args.insert(args.end(), command.begin(), command.end());
                const auto result = runCli(args);
                EXPECT_EQ(result.code, 2) << command.front() << " " << command[1];
                EXPECT_NE(result.err.find(told), std::string::npos) << result.err;
            }
            window.app.mainWindow().Calcu_late();
            EXPECT_EQ(snapshot(), before);
            // Back to the user's own file (or none) for the next round.
            std::filesystem::remove(dir / file);
            if (original.count(file))
                write(file, original.at(file));
            ++round;
        }
    }
    EXPECT_GT(round, 0);
}

// A lock file that cannot be used (a folder, a link, a file of another owner) does not switch
// the one-writer rule off: the user opens read-only, saying why.
TEST_F(OneWriter, ALockFileThatCannotBeUsedOpensTheUserReadOnly)
{
    ASSERT_EQ(runCli({ "user", "new", "Smith" }).code, 0);
    std::ofstream(dir / "elsewhere") << "keep";
    const std::pair<std::function<void(const std::filesystem::path&)>, const char*> kinds[] = {
        { [](const auto& p) { std::filesystem::create_directory(p); }, "it is a folder" },
        { [&](const auto& p) { std::filesystem::create_symlink(dir / "elsewhere", p); }, "it is a link" },
    };
    for (const auto& [make, reason] : kinds) {
        SCOPED_TRACE(reason);
        std::filesystem::remove(dir / "Smith.lock");
        make(dir / "Smith.lock");
        const auto before = snapshot();
        const std::string told = std::string("The lock file Smith.lock cannot be used: ") + reason + ".";

        SecondWindow window(dir);
        ASSERT_TRUE(window.startAs("Smith"));
        EXPECT_TRUE(window.app.readOnly());
        EXPECT_TRUE(window.told(told));
        window.app.releaseClosedScreens();
        window.app.profile.Pension = 3;
        EXPECT_FALSE(window.app.saveUser().save(false));

        const auto result = runCli({ "--user", "Smith", "user", "set", "HourRate=12" });
        EXPECT_EQ(result.code, 2);
        EXPECT_NE(result.err.find(told), std::string::npos) << result.err;
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(read("elsewhere"), "keep");
    }
}

// Files of a user whose legal name looks like a temporary of an earlier version survive
// the start of another program in the folder.
TEST_F(OneWriter, AUserNamedLikeATemporaryKeepsItsFiles)
{
    ASSERT_EQ(runCli({ "user", "new", ".a.tmp-12" }).code, 0);
    const auto before = snapshot();
    ASSERT_TRUE(before.count(".a.tmp-12.use"));
    // As if made long before this program started.
    for (const auto& [name, bytes] : before) {
        const struct timespec old[2] = { { 1000000000, 0 }, { 1000000000, 0 } };
        ASSERT_EQ(::utimensat(AT_FDCWD, (dir / name).c_str(), old, 0), 0);
    }
    ASSERT_TRUE(startAs("Jones"));
    EXPECT_EQ(runCli({ "--user", ".a.tmp-12", "user", "show" }).code, 0);
    const auto after = snapshot();
    for (const auto& [name, bytes] : before)
        EXPECT_TRUE(after.count(name)) << name << " was removed";
}

// The heading is shared by every user: a change saved by another program while this one had
// the dialog open is kept, and no other program writes the heading while this one does.
TEST_F(OneWriter, HeadingChangesOfTwoProgramsBothSurvive)
{
    ASSERT_TRUE(startAs("Smith"));
    HeadingDialog& mine = app->headingDialog();

    SecondWindow other(dir);
    ASSERT_TRUE(other.startAs("Jones"));
    other.app.headingDialog().txtHeader[3].setText("ID 42");
    ASSERT_TRUE(other.app.headingDialog().OKButton_Click());

    bool otherCouldWrite = true;
    setWriteFaultHook([&](WriteStep step, const std::filesystem::path& path) {
        if (step == WriteStep::Create && path.filename() == HeaderFileName)
            otherCouldWrite = FolderLock(DataFolder(dir), std::chrono::milliseconds(0)).held();
        return 0;
    });
    mine.txtHeader[0].setText("Acme");
    const bool saved = mine.OKButton_Click();
    setWriteFaultHook(nullptr);
    ASSERT_TRUE(saved);
    EXPECT_FALSE(otherCouldWrite) << "the heading is written under the folder's lock";
    const auto shown = runCli({ "heading", "show" });
    EXPECT_NE(shown.out.find("Acme"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("ID 42"), std::string::npos) << shown.out;
    EXPECT_EQ(app->heading.CompanyId, "ID 42");
}

// Two command lines writing different fields of one user, over and over: each command either
// saves or is refused with exit 2 having written nothing, and no saved change is lost.
TEST_F(OneWriter, TwoCommandLinesOnOneUserLoseNothing)
{
    ASSERT_EQ(runCli({ "user", "new", "Smith" }).code, 0);
    ASSERT_EQ(runCli({ "--user", "Smith", "user", "set", "HourRate=1000", "Muni=2000" }).code, 0);
    constexpr int Rounds = 200;
    const auto writer = [&](const std::string& field, int offset) -> int {
        int saved = 0;
        std::string last = std::to_string(offset);
        for (int i = 1; i <= Rounds; ++i) {
            const std::string value = std::to_string(offset + i);
            const auto result = runCli({ "--user", "Smith", "user", "set", field + "=" + value });
            if (result.code == 0) {
                last = value;
                ++saved;
            } else if (result.code != 2
                || result.err.find("is open in another Tallyman window") == std::string::npos) {
                std::fprintf(stderr, "%s=%s: exit %d: %s\n", field.c_str(), value.c_str(), result.code,
                    result.err.c_str());
                return -1;
            }
            // Only this writer changes the field: it holds its last saved value.
            test::UserRecords records;
            const LoadOutcome loaded = records.load(DataFolder(dir), "Smith");
            const float held = field == "HourRate" ? records.profile.HourRate : records.profile.Muni;
            if (loaded != LoadOutcome::Loaded || held != std::stof(last)) {
                std::fprintf(stderr, "after %s=%s (exit %d): the file holds %g, not %s\n", field.c_str(),
                    value.c_str(), result.code, static_cast<double>(held), last.c_str());
                return -1;
            }
        }
        return saved;
    };
    int pipes[2][2];
    pid_t children[2];
    const char* fields[2] = { "HourRate", "Muni" };
    for (int c = 0; c < 2; ++c) {
        ASSERT_EQ(::pipe(pipes[c]), 0);
        children[c] = ::fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            const int saved = writer(fields[c], 1000 * (c + 1));
            const bool sent = ::write(pipes[c][1], &saved, sizeof saved) == sizeof saved;
            ::_exit(sent ? 0 : 1);
        }
    }
    for (int c = 0; c < 2; ++c) {
        int saved = -1;
        EXPECT_EQ(::read(pipes[c][0], &saved, sizeof saved), static_cast<ssize_t>(sizeof saved));
        int status = 0;
        ASSERT_EQ(::waitpid(children[c], &status, 0), children[c]);
        EXPECT_GE(saved, 0) << fields[c] << ": a change was lost or a command failed otherwise";
        EXPECT_GT(saved, 0) << fields[c] << " was never saved";
        RecordProperty(std::string(fields[c]) + "_saved", saved);
        ::close(pipes[c][0]);
        ::close(pipes[c][1]);
    }
}

} // namespace
} // namespace tallyman::testing
