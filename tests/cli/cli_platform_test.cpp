// The CLI's stand-ins for a person: message boxes on stderr, answers from the command line,
// and where the data folder is.
#include "cli/cli_dialogs.h"
#include "cli/data_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

using namespace tallyman;
using namespace tallyman::cli;

TEST(CliDialogs, MessagesGoToStderrAsTheyAreShownWithTheAnswer)
{
    struct Case {
        bool answerYes;
        ui::Message message;
        ui::MessageAnswer answer;
        std::string printed;
    };
    const Case cases[] = {
        { false, { { "You have corupted a file.", "Find file,", "Smith.cti", "and delete it." }, "Tallyman" },
            ui::MessageAnswer::Ok,
            "Tallyman: You have corupted a file.\n  Find file,\n  Smith.cti\n  and delete it.\n" },
        { false, { { "........SAVE PREVIOUS USER?" }, "Save?", ui::MessageButtons::YesNo },
            ui::MessageAnswer::No, "Save?: ........SAVE PREVIOUS USER? -> No\n" },
        { true, { { "     SAVE USER'S SETTINGS?" }, "Save?", ui::MessageButtons::YesNo },
            ui::MessageAnswer::Yes, "Save?:      SAVE USER'S SETTINGS? -> Yes\n" },
        { true, { { "no title" }, "" }, ui::MessageAnswer::Ok, "no title\n" },
    };
    for (const Case& c : cases) {
        std::ostringstream err;
        CliDialogs dialogs(err, c.answerYes);
        EXPECT_EQ(dialogs.message(c.message), c.answer);
        EXPECT_EQ(err.str(), c.printed);
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0].lines, c.message.lines);
    }
}

TEST(CliDialogs, TheInputBoxTakesTheCommandsAnswerOnce)
{
    std::ostringstream err;
    CliDialogs dialogs(err, false);
    dialogs.queueInput("Smith");
    EXPECT_EQ(dialogs.inputBox("Enter new user:", "File New"), "Smith");
    EXPECT_EQ(dialogs.inputBox("Enter new user:", "File New"), "") << "a second prompt is cancelled";
    EXPECT_FALSE(dialogs.openFile("Open", "Saved Files (*.use)|*.use"));
}

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
