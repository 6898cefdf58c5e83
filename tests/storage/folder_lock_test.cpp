// The folder lock: one holder at a time across programs, waited for, never a user's lock file.
#include "storage/folder_lock.h"
#include "storage/user_lock.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace tallyman;

TEST(FolderLock, AnotherProgramWaitsUntilTheHolderLetsGo)
{
    const test::TempFolder dir;
    const DataFolder folder(dir.path());
    int locked[2], release[2];
    ASSERT_EQ(::pipe(locked), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FolderLock lock(folder);
        char byte = lock.held() ? 'y' : 'n';
        (void)!::write(locked[1], &byte, 1);
        (void)!::read(release[0], &byte, 1);
        std::_Exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(locked[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'y');

    std::atomic<bool> taken { false };
    std::thread waiter([&] {
        FolderLock lock(folder);
        taken = lock.held();
    });
    // Held elsewhere: the lock is not taken however long this program waits.
    ::usleep(100 * 1000);
    EXPECT_FALSE(taken);
    ASSERT_EQ(::write(release[1], "x", 1), 1);
    waiter.join();
    EXPECT_TRUE(taken);
    int status = 0;
    ::waitpid(child, &status, 0);
}

TEST(FolderLock, IsNoUsersLockAndSaysWhyItCannotBeTaken)
{
    const test::TempFolder dir;
    const DataFolder folder(dir.path());
    {
        UserLock user;
        EXPECT_EQ(user.take(folder, "Tallyman"), UserLock::Outcome::Taken);
        EXPECT_EQ(
            userNameProblem(std::filesystem::path(FolderLockFileName).stem().string()).has_value(), true);
        FolderLock lock(folder);
        EXPECT_TRUE(lock.held());
        EXPECT_TRUE(lock.failure().empty());
    }
    const DataFolder missing(dir.path() / "gone");
    FolderLock lock(missing);
    EXPECT_FALSE(lock.held());
    EXPECT_NE(lock.failure().find("cannot be used"), std::string::npos) << lock.failure();
}
