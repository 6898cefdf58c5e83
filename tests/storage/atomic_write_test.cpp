// The atomic writer under injected failures, its temporaries and their clean-up.
#include "storage/fileset.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

using namespace tallyman;

namespace {

class AtomicWrite : public ::testing::Test {
protected:
    void TearDown() override { setWriteFaultHook(nullptr); }
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
    const test::TempFolder m_temp;
    const std::filesystem::path dir = m_temp.path();
};

struct Fault {
    WriteStep step;
    int error;
    const char* reason; // what the message starts with
};

TEST_F(AtomicWrite, EachFailedStepKeepsTheOldFileLeavesNoTemporaryAndSaysWhy)
{
    const Fault faults[] = {
        { WriteStep::Create, EACCES, "cannot create a file in " },
        { WriteStep::Write, EIO, "cannot write " },
        { WriteStep::Write, ENOSPC, "cannot write " }, // a full disk, after part of the bytes
        { WriteStep::Flush, EIO, "cannot flush " },
        { WriteStep::Close, EIO, "cannot close " },
        { WriteStep::Rename, EXDEV, "cannot replace " },
    };
    const auto path = dir / "Smith.use";
    for (const Fault& fault : faults) {
        SCOPED_TRACE(std::strerror(fault.error));
        ASSERT_FALSE(writeFileAtomically(path, "old\r\n"));
        int calls = 0;
        setWriteFaultHook([&](WriteStep step, const std::filesystem::path&) {
            ++calls;
            return step == fault.step ? fault.error : 0;
        });
        const auto failure = writeFileAtomically(path, std::string(4096, 'n'));
        setWriteFaultHook(nullptr);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->rfind(fault.reason, 0), 0u) << *failure;
        EXPECT_NE(failure->find(std::strerror(fault.error)), std::string::npos) << *failure;
        EXPECT_GT(calls, 0);
        EXPECT_EQ(readWholeFile(path), "old\r\n");
        EXPECT_EQ(names(), std::vector<std::string> { "Smith.use" });
    }
}

// A time well after every file the test makes: the clean-up of a program started then.
struct timespec later()
{
    struct timespec t { };
    ::clock_gettime(CLOCK_REALTIME, &t);
    t.tv_sec += 3600;
    return t;
}

TEST_F(AtomicWrite, TemporariesHaveNamesNoUserFileCanHave)
{
    std::string seen;
    setWriteFaultHook([&](WriteStep step, const std::filesystem::path&) {
        if (step == WriteStep::Rename)
            for (const auto& name : names())
                if (name != "Smith.use")
                    seen = name;
        return 0;
    });
    ASSERT_FALSE(writeFileAtomically(dir / "Smith.use", "x\r\n"));
    EXPECT_EQ(seen.rfind(".Smith.use:tmp-", 0), 0u) << seen;
    EXPECT_TRUE(isTemporaryFileName(seen));
    EXPECT_TRUE(isTemporaryFileName("..use:tmp-a1B2c3")) << "the default user's .use";
    // Files of users with legal names (".a.tmp-12", "x.use") and the earlier form of temporary,
    // which such a user's files may have, are not temporaries.
    for (const char* name : { "Smith.use", ".use", ".sta", "Header.sav", "Smith:tmp-abcdef", ":tmp-abcdef",
             ".Smith.use:tmp-abc", ".Smith.use:tmp-ab.cde", "1/5/2024  Smith.prv", ".a.tmp-12.use",
             ".Smith.use.tmp-abcdef", "..use.tmp-a1B2c3" }) {
        EXPECT_FALSE(isTemporaryFileName(name)) << name;
        const std::string base = std::string(name).substr(0, std::string(name).rfind('.'));
        if (std::string(name).find_first_of(":/") == std::string::npos && !base.empty()) {
            EXPECT_FALSE(userNameProblem(base)) << base << " is a legal user name";
        }
    }
    EXPECT_TRUE(userNameProblem("a:tmp-"));
}

TEST_F(AtomicWrite, LeftoversGoAtTheNextWriteOfThatFileAndAtStart)
{
    // What a killed save left before this program started: complete or half-written.
    const auto leftover = [&](const char* name) {
        std::ofstream(dir / name) << "half";
        const struct timespec old[2] = { { 1000000000, 0 }, { 1000000000, 0 } };
        ASSERT_EQ(::utimensat(AT_FDCWD, (dir / name).c_str(), old, 0), 0);
    };
    for (const char* name : { ".Smith.use:tmp-aaaaaa", ".Smith.use:tmp-bbbbbb", ".Jones.sta:tmp-cccccc" })
        leftover(name);
    ASSERT_FALSE(writeFileAtomically(dir / "Smith.use", "new\r\n"));
    EXPECT_EQ(names(), (std::vector<std::string> { ".Jones.sta:tmp-cccccc", "Smith.use" }));

    // A temporary a running save is writing is left to it.
    leftover(".Other.cti:tmp-dddddd");
    const int busy = ::open((dir / ".Other.cti:tmp-dddddd").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    EXPECT_EQ(removeLeftoverTemporaries(dir), 1);
    EXPECT_EQ(names(), (std::vector<std::string> { ".Other.cti:tmp-dddddd", "Smith.use" }));
    ::close(busy);
    EXPECT_EQ(removeLeftoverTemporaries(dir), 1);
    EXPECT_EQ(names(), std::vector<std::string> { "Smith.use" });

    // One made since this program started belongs to a save that may not have locked it yet;
    // a user's files of the earlier temporary form are data.
    for (const char* name : { ".Smith.use:tmp-eeeeee" })
        std::ofstream(dir / name) << "new";
    for (const char* name : { ".a.tmp-12.use", ".Smith.use.tmp-ffffff" })
        leftover(name);
    EXPECT_EQ(removeLeftoverTemporaries(dir), 0);
    ASSERT_FALSE(writeFileAtomically(dir / "Smith.use", "newer\r\n"));
    EXPECT_EQ(names(),
        (std::vector<std::string> {
            ".Smith.use.tmp-ffffff", ".Smith.use:tmp-eeeeee", ".a.tmp-12.use", "Smith.use" }));
    EXPECT_EQ(removeLeftoverTemporaries(dir, later()), 1) << "the next start takes it";
}

// Another program starting while a save is between writing its temporary and renaming it
// leaves the temporary alone: the writer holds its lock until the rename is done.
TEST_F(AtomicWrite, AStartDuringASaveLeavesTheSavesTemporary)
{
    for (WriteStep step : { WriteStep::Write, WriteStep::Flush, WriteStep::Close, WriteStep::Rename }) {
        int removed = -1;
        setWriteFaultHook([&](WriteStep at, const std::filesystem::path&) {
            if (at == step)
                removed = removeLeftoverTemporaries(dir, later());
            return 0;
        });
        const std::string bytes = "step " + std::to_string(static_cast<int>(step)) + "\r\n";
        const auto failure = writeFileAtomically(dir / "Smith.use", bytes);
        setWriteFaultHook(nullptr);
        EXPECT_FALSE(failure) << *failure;
        EXPECT_EQ(removed, 0) << static_cast<int>(step);
        EXPECT_EQ(readWholeFile(dir / "Smith.use"), bytes);
    }
}

TEST_F(AtomicWrite, AFolderThatIsGoneOrReadOnlyIsReportedNotACrash)
{
    const auto gone = dir / "gone";
    ASSERT_TRUE(createDataFolder(gone));
    std::filesystem::remove(gone);
    auto failure = writeFileAtomically(gone / "Smith.use", "x");
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find(gone.string()), std::string::npos);

    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    ASSERT_TRUE(createDataFolder(gone));
    std::filesystem::permissions(
        gone, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    failure = writeFileAtomically(gone / "Smith.use", "x");
    std::filesystem::permissions(gone, std::filesystem::perms::owner_all);
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find(std::strerror(EACCES)), std::string::npos) << *failure;
}

TEST_F(AtomicWrite, TheDataFolderIsMadePrivate)
{
    const auto made = dir / "a" / "Tallyman";
    ASSERT_TRUE(createDataFolder(made));
    EXPECT_EQ(std::filesystem::status(made).permissions() & std::filesystem::perms::all,
        std::filesystem::perms::owner_all);
    EXPECT_TRUE(createDataFolder(made)) << "an existing folder is fine";
    std::ofstream(dir / "file") << "x";
    EXPECT_FALSE(createDataFolder(dir / "file" / "sub"));
}

} // namespace
