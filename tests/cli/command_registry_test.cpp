// The command table against what is written by hand: the handlers' own sub-command checks,
// the usage lines of each help text and the manual page.
#include "cli/command_registry.h"

#include "cli_test_support.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

using namespace tallyman::cli;
using namespace tallyman::cli::test;

namespace {

using Names = std::set<std::string>;

// "calc", "ledger paste", "user w4 show": each command line the table knows, to its last word.
Names tableCommandLines()
{
    Names lines;
    for (const Command& command : commands()) {
        const std::string name(command.name);
        if (command.subs.empty())
            lines.insert(name);
        for (const SubCommand& sub : command.subs) {
            if (sub.subs.empty())
                lines.insert(name + " " + std::string(sub.name));
            for (const std::string_view word : sub.subs)
                lines.insert(name + " " + std::string(sub.name) + " " + std::string(word));
        }
    }
    return lines;
}

// The text of a section of the manual page source ("# COMMANDS" to the next "# ").
std::string manualSection(const std::string& heading)
{
    const std::string page = readFile(
        std::filesystem::path(TALLYMAN_TEST_SOURCE_DIR).parent_path() / "docs/man/tallyman-cli.1.scd");
    const auto start = page.find("\n# " + heading + "\n");
    EXPECT_NE(start, std::string::npos) << heading;
    const auto end = page.find("\n# ", start + 1);
    return page.substr(start, end - start);
}

// The bold words of a text that name commands rather than options (*--pdf*) or characters
// (*-*), each with the plain word that follows it (*user w4* show).
struct Bold {
    std::string words;
    std::string next;
};
std::vector<Bold> boldCommands(const std::string& text)
{
    std::vector<Bold> found;
    static const std::regex bold(R"(\*([a-z][a-z0-9 -]*)\*( ([a-z]+))?)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), bold); it != std::sregex_iterator(); ++it)
        found.push_back({ (*it)[1].str(), (*it)[3].str() });
    return found;
}

const SubCommand* findSub(const Command& command, std::string_view name)
{
    for (const SubCommand& sub : command.subs)
        if (sub.name == name)
            return &sub;
    return nullptr;
}

} // namespace

TEST(CommandRegistry, ProgramHelpListsTheCommandsOfTheTable) { expectGolden("cli/help.txt", usage("")); }

// Every entry of the manual's COMMANDS section ("*ledger paste* _WEEK_", "*user w4* show")
// is a command of the table, and every command of the table has its entry.
TEST(CommandRegistry, TheManualPageDescribesEveryCommandAndNoOther)
{
    Names documented;
    std::istringstream section(manualSection("COMMANDS"));
    for (std::string line; std::getline(section, line);) {
        if (line.empty() || line[0] != '*')
            continue; // descriptions are indented; headings start with #
        for (const auto& [words, next] : boldCommands(line)) {
            const auto blank = words.find(' ');
            const Command* command = findCommand(words.substr(0, blank));
            const SubCommand* sub = command && blank != std::string::npos
                ? findSub(*command, words.substr(blank + 1))
                : nullptr;
            // A sub-command of a sub-command follows it in plain type: *user w4* show.
            documented.insert(sub && !sub->subs.empty() ? words + " " + next : words);
        }
    }
    EXPECT_EQ(documented, tableCommandLines());
}

// The CALC OPTIONS section names the commands that take them.
TEST(CommandRegistry, TheManualPageNamesTheCommandsThatComputeAPeriod)
{
    const std::string section = manualSection("CALC OPTIONS");
    const auto paragraph = section.find("\n\n") + 2; // the first after the heading
    Names named;
    for (const Bold& bold :
        boldCommands(section.substr(paragraph, section.find("\n\n", paragraph) - paragraph)))
        named.insert(bold.words);
    Names computing;
    for (const Command& command : commands()) {
        if (command.options & PeriodOptions)
            computing.insert(std::string(command.name));
        for (const SubCommand& sub : command.subs)
            if (sub.options & PeriodOptions)
                computing.insert(std::string(command.name) + " " + std::string(sub.name));
    }
    EXPECT_EQ(named, computing);
}

// The usage lines of a command's help ("tallyman-cli --user NAME ledger paste WEEK") name
// exactly its sub-commands.
TEST(CommandRegistry, EachHelpTextShowsTheSubCommandsOfTheTable)
{
    for (const Command& command : commands()) {
        const std::string help = usage(std::string(command.name));
        const std::string usageLines = help.substr(0, help.find("\n\n"));
        const std::regex word("tallyman-cli (.* )?" + std::string(command.name) + " ([a-z][a-z0-9-]*)");
        Names shown, table;
        for (auto it = std::sregex_iterator(usageLines.begin(), usageLines.end(), word);
             it != std::sregex_iterator(); ++it)
            shown.insert((*it)[2].str());
        for (const SubCommand& sub : command.subs)
            table.insert(std::string(sub.name));
        EXPECT_EQ(shown, table) << command.name;
    }
}

// A handler takes its sub-commands apart itself: each word of the table gets past its check,
// and a word that is not there is refused as unknown.
TEST(CommandRegistry, EachHandlerTakesTheSubCommandsOfTheTable)
{
    const DataFolderFixture folder;
    const auto firstLine = [](const std::string& text) { return text.substr(0, text.find('\n')); };
    const auto check = [&](const std::vector<std::string>& before, std::string_view sub) {
        std::vector<std::string> args = before;
        args.emplace_back("zzz");
        const std::string unknown = firstLine(folder.run(args).err);
        ASSERT_NE(unknown.find("zzz"), std::string::npos) << unknown;
        args.back() = std::string(sub);
        const std::string refusal = std::regex_replace(unknown, std::regex("zzz"), std::string(sub));
        EXPECT_NE(firstLine(folder.run(args).err), refusal) << "the handler does not know " << sub;
    };
    for (const Command& command : commands())
        for (const SubCommand& sub : command.subs) {
            check({ std::string(command.name) }, sub.name);
            for (const std::string_view word : sub.subs)
                check({ std::string(command.name), std::string(sub.name) }, word);
        }
}
