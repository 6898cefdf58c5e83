// Where both programs keep the users' files and find the installed data.
#include "storage/data_locations.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

using namespace tallyman;
using tallyman::test::TempFolder;

namespace {

class DataFolderChoiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : { "TALLYMAN_DIR", "XDG_DATA_HOME", "HOME" })
            if (const char* value = std::getenv(name))
                m_saved.emplace_back(name, value);
    }
    void TearDown() override
    {
        for (const char* name : { "TALLYMAN_DIR", "XDG_DATA_HOME", "HOME" })
            ::unsetenv(name);
        for (const auto& [name, value] : m_saved)
            ::setenv(name.c_str(), value.c_str(), 1);
    }
    std::vector<std::pair<std::string, std::string>> m_saved;
};

TEST_F(DataFolderChoiceTest, DirOptionThenEnvironmentThenApplicationDataFolder)
{
    ::setenv("HOME", "/home/pat", 1);
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("TALLYMAN_DIR", "/srv/pay", 1);
    EXPECT_EQ(chooseDataFolder(std::string("/tmp/x")).dir, "/tmp/x");
    EXPECT_FALSE(chooseDataFolder(std::string("/tmp/x")).isDefault);
    EXPECT_EQ(chooseDataFolder(std::nullopt).dir, "/srv/pay");

    ::setenv("TALLYMAN_DIR", "", 1); // set but empty counts as not set
    EXPECT_EQ(chooseDataFolder(std::nullopt).dir, "/home/pat/.local/share/Tallyman");
    EXPECT_TRUE(chooseDataFolder(std::nullopt).isDefault);
    ::setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(chooseDataFolder(std::nullopt).dir, "/data/Tallyman");
}

TEST(InstalledData, FallsBackToTheSourceTreeWhenNotInstalled)
{
    EXPECT_EQ(installedDataFolder(), TALLYMAN_DATA_DIR);
}

TEST(InstalledData, BesideTheProgramWhenInstalledThere)
{
    TempFolder root;
    std::filesystem::create_directories(root.path() / "bin");
    EXPECT_EQ(installedDataFolder(root.path() / "bin"), TALLYMAN_DATA_DIR)
        << "not installed: the source tree's";
    std::filesystem::create_directories(root.path() / "share" / "tallyman");
    EXPECT_EQ(installedDataFolder(root.path() / "bin"), root.path() / "share" / "tallyman");
}

TEST(PrepareDataFolder, MadeOnFirstRunUnlessAFileIsInTheWay)
{
    TempFolder root;
    const auto prepared = prepareDataFolder(root.path() / "a" / "b");
    ASSERT_TRUE(prepared);
    EXPECT_TRUE(std::filesystem::is_directory(root.path() / "a" / "b"));
    EXPECT_TRUE(prepared->is_absolute());

    root.write("taken", "x");
    EXPECT_FALSE(prepareDataFolder(root.path() / "taken"));
    EXPECT_FALSE(prepareDataFolder(root.path() / "taken" / "below"));
}

} // namespace
