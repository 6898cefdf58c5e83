// Private files, a warned-about shared folder, and nothing personal on the terminal unasked.
#include "cli/cli_test_support.h"
#include "screens/app_fixture.h"

#include <sys/stat.h>

namespace tallyman::testing {
namespace {

class Privacy : public AppTest { };

TEST_F(Privacy, UserFilesAreTheOwnersAlone)
{
    ASSERT_TRUE(startAs("Smith"));
    main().cmdCal_Click();
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().filename() == "Federal24.dtt")
            continue;
        struct stat st { };
        ASSERT_EQ(::stat(entry.path().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u) << entry.path();
        ++checked;
    }
    EXPECT_GE(checked, 7) << "the profile set, state, city, non-city and the lock";
}

TEST_F(Privacy, TheStartWarnsOfAFolderOthersCanChangeOrNoOneCanWrite)
{
    EXPECT_TRUE(app->dataFolderWarnings().empty());
    std::filesystem::permissions(dir,
        std::filesystem::perms::group_write | std::filesystem::perms::others_write,
        std::filesystem::perm_options::add);
    auto warnings = app->dataFolderWarnings();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("can be changed by other people"), std::string::npos);
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all);

    if (::geteuid() != 0) {
        std::filesystem::permissions(
            dir, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        warnings = app->dataFolderWarnings();
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_NE(warnings[0].find("is read-only"), std::string::npos);
    }

    App gone(AppServices { dialogs, clock, printer, host, DataFolder(dir / "vanished"), {} });
    warnings = gone.dataFolderWarnings();
    ASSERT_FALSE(warnings.empty());
    EXPECT_NE(warnings[0].find("does not exist"), std::string::npos);
}

TEST_F(Privacy, AVanishedFolderIsReportedAtSaveNotACrash)
{
    ASSERT_TRUE(startAs("Smith"));
    std::filesystem::remove_all(dir);
    EXPECT_FALSE(app->saveUser().save(false));
    EXPECT_NE(lastMessage().find("could not be saved"), std::string::npos) << lastMessage();
    std::filesystem::create_directory(dir);
}

TEST(PrivacyOnTheTerminal, NamesAndNumbersAppearOnlyWhereAsked)
{
    cli::test::DataFolderFixture folder;
    ASSERT_EQ(folder.run({ "user", "new", "Alice" }).code, 0);
    ASSERT_EQ(
        folder.run({ "--user", "Alice", "user", "set", "SSnum=123-45-6789", "Name=Ann Secretname" }).code, 0);
    const std::vector<std::vector<std::string>> commands { { "--user", "Alice", "calc", "--straight", "40" },
        { "--user", "Alice", "calc", "--straight", "4a" }, { "--user", "Alice", "state", "show" },
        { "--user", "Alice", "city", "show" }, { "--user", "Alice", "noncity", "show" },
        { "--user", "Alice", "user", "set", "HourRate=x" },
        { "--user", "Alice", "state", "set", "txtStateAdj=1-2" } };
    for (const auto& args : commands) {
        const auto result = folder.run(args);
        for (const char* secret : { "123-45-6789", "Secretname" }) {
            EXPECT_EQ(result.out.find(secret), std::string::npos) << args[2];
            EXPECT_EQ(result.err.find(secret), std::string::npos) << args[2];
        }
    }
    const auto shown = folder.run({ "--user", "Alice", "user", "show" });
    EXPECT_NE(shown.out.find("123-45-6789"), std::string::npos) << "shown on purpose";
}

} // namespace
} // namespace tallyman::testing
