// The folder-wide lock and the user lock on lock files that cannot be used.
#include "storage/folder_lock.h"
#include "storage/user_lock.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tallyman;

namespace {

class Locks : public ::testing::Test {
protected:
    const test::TempFolder m_temp;
    const std::filesystem::path dir = m_temp.path();
};

TEST_F(Locks, TheFolderLockIsOneAtATimeAndNamedLikeNoUserFile)
{
    const DataFolder folder(dir);
    EXPECT_TRUE(userNameProblem(std::filesystem::path(FolderLockFileName).stem().string()));
    {
        FolderLock first(folder);
        ASSERT_TRUE(first.held()) << first.failure();
        FolderLock second(folder, std::chrono::milliseconds(0));
        EXPECT_FALSE(second.held());
        EXPECT_NE(second.failure().find("another Tallyman program"), std::string::npos) << second.failure();
        // A user named like the lock file does not share it.
        UserLock user;
        EXPECT_EQ(user.take(folder, "shared"), UserLock::Outcome::Taken);
    }
    FolderLock after(folder, std::chrono::milliseconds(0));
    EXPECT_TRUE(after.held()) << "released with its holder";
}

// A change waits for the change under way and reads what that one wrote.
TEST_F(Locks, AWaitingChangeSeesTheChangeBeforeIt)
{
    const DataFolder folder(dir);
    const auto file = dir / "Header.sav";
    std::ofstream(file) << "0";
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    // Forked before the lock is taken: a child would share the parent's lock.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char held = 0;
        if (::read(go[0], &held, 1) != 1)
            ::_exit(2);
        FolderLock mine(folder);
        const auto seen = readWholeFile(file);
        ::_exit(mine.held() && seen == "1" ? 0 : 1);
    }
    auto holding = std::make_unique<FolderLock>(folder);
    ASSERT_TRUE(holding->held());
    ASSERT_EQ(::write(go[1], "x", 1), 1);
    // The child may already be waiting, or not yet: either way it reads after this change.
    ASSERT_FALSE(writeFileAtomically(file, "1"));
    holding.reset();
    ::close(go[0]);
    ::close(go[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// A lock file that is a link, a folder or not a plain file is never written through; the
// reason says what it is.
TEST_F(Locks, ALockFileThatCannotBeUsedIsReportedWithItsReason)
{
    const DataFolder folder(dir);
    struct Case {
        const char* user;
        std::function<void(const std::filesystem::path&)> make;
        const char* reason;
    };
    std::ofstream(dir / "target") << "keep";
    const Case cases[] = {
        { "Link", [&](const auto& p) { std::filesystem::create_symlink(dir / "target", p); },
            "it is a link" },
        { "Folder", [](const auto& p) { std::filesystem::create_directory(p); }, "it is a folder" },
        { "Pipe", [](const auto& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, "it is not a plain file" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user);
        c.make(userLockFile(folder, c.user));
        UserLock lock;
        EXPECT_EQ(lock.take(folder, c.user), UserLock::Outcome::Unavailable);
        EXPECT_EQ(lock.failure(), c.reason);
        EXPECT_FALSE(lock.holds(c.user));
    }
    std::filesystem::create_symlink(dir / "target", dir / FolderLockFileName);
    FolderLock shared(folder, std::chrono::milliseconds(0));
    EXPECT_FALSE(shared.held());
    EXPECT_NE(shared.failure().find("it is a link"), std::string::npos) << shared.failure();
    EXPECT_EQ(readWholeFile(dir / "target"), "keep");
}

} // namespace
