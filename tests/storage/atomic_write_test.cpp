// The atomic writer under injected failures, its temporaries and their clean-up.
#include "storage/fileset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <unistd.h>

using namespace tallyman;

namespace {

class AtomicWrite : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallyman-atomic-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override
    {
        setWriteFaultHook(nullptr);
        std::filesystem::remove_all(dir);
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
    std::filesystem::path dir;
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

TEST_F(AtomicWrite, TemporariesAreRecognisableAndNeverDataNames)
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
    EXPECT_EQ(seen.rfind(".Smith.use.tmp-", 0), 0u) << seen;
    EXPECT_TRUE(isTemporaryFileName(seen));
    for (const char* name : { "Smith.use", ".use", ".sta", "Header.sav", "Smith.tmp-abcdef", ".tmp-abcdef",
             ".Smith.use.tmp-abc", "1/5/2024  Smith.prv" })
        EXPECT_FALSE(isTemporaryFileName(name)) << name;
    EXPECT_TRUE(isTemporaryFileName("..use.tmp-a1B2c3")) << "the default user's .use";
}

TEST_F(AtomicWrite, LeftoversGoAtTheNextWriteOfThatFileAndAtStart)
{
    // What a killed save leaves: complete or half-written temporaries.
    for (const char* name : { ".Smith.use.tmp-aaaaaa", ".Smith.use.tmp-bbbbbb", ".Jones.sta.tmp-cccccc" })
        std::ofstream(dir / name) << "half";
    ASSERT_FALSE(writeFileAtomically(dir / "Smith.use", "new\r\n"));
    EXPECT_EQ(names(), (std::vector<std::string> { ".Jones.sta.tmp-cccccc", "Smith.use" }));

    // A temporary a running save is writing is left to it.
    std::ofstream(dir / ".Other.cti.tmp-dddddd") << "busy";
    const int busy = ::open((dir / ".Other.cti.tmp-dddddd").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    EXPECT_EQ(removeLeftoverTemporaries(dir), 1);
    EXPECT_EQ(names(), (std::vector<std::string> { ".Other.cti.tmp-dddddd", "Smith.use" }));
    ::close(busy);
    EXPECT_EQ(removeLeftoverTemporaries(dir), 1);
    EXPECT_EQ(names(), std::vector<std::string> { "Smith.use" });
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
