// The completion's tables, written from the command table and the command options.
#include "cli/completion_tables.h"

#include "cli/command_registry.h"
#include "engine/states/special_states.h"

namespace tallyman::cli {

namespace {

std::string joined(const std::vector<std::string_view>& words, const char* separator)
{
    std::string text;
    for (const std::string_view word : words)
        text += (text.empty() ? "" : separator) + std::string(word);
    return text;
}

std::string optionWords(OptionGroups groups)
{
    std::vector<std::string_view> names;
    for (const OptionSpec& option : commandOptions())
        if (groups & option.group)
            names.push_back(option.name);
    return joined(names, " ");
}

} // namespace

std::string stateSelectWords()
{
    std::vector<std::string_view> names;
    for (const SpecialState* state : specialStatesInRecordOrder())
        names.push_back(state->command);
    return joined(names, " ");
}

std::string bashCompletionTables()
{
    std::string commandTable, subTable, optionTable;
    std::vector<std::string_view> valued;
    for (const Command& command : commands()) {
        const std::string name(command.name);
        std::vector<std::string_view> subs;
        // The completion looks the options up under "COMMAND SUB", SUB empty without sub-commands.
        if (command.options)
            optionTable += "    [\"" + name + " \"]=\"" + optionWords(command.options) + "\"\n";
        for (const SubCommand& sub : command.subs) {
            subs.push_back(sub.name);
            const std::string key = name + " " + std::string(sub.name);
            if (!sub.subs.empty())
                subTable += "    [" + key + "]=\"" + joined(sub.subs, " ") + "\"\n";
            if (sub.options)
                optionTable += "    [" + key + "]=\"" + optionWords(sub.options) + "\"\n";
        }
        commandTable += "    [" + name + "]=\"" + joined(subs, " ") + "\"\n";
    }
    for (const OptionSpec& option : commandOptions())
        if (option.takesValue)
            valued.push_back(option.name);
    return "# Written from tallyman-cli's command table when it is built.\n"
           "# Every command with its sub-commands (\"\" for a command without any).\n"
           "declare -gA _tallyman_cli_commands=(\n"
        + commandTable
        + ")\n"
          "# The sub-commands that have sub-commands of their own.\n"
          "declare -gA _tallyman_cli_subcommands=(\n"
        + subTable
        + ")\n"
          "# The command options of each command and sub-command that takes any.\n"
          "declare -gA _tallyman_cli_command_options=(\n"
        + optionTable
        + ")\n"
          "# Whether the command option $1 is followed by its value.\n"
          "_tallyman_cli_takes_value()\n"
          "{\n"
          "    case $1 in\n"
          "        "
        + joined(valued, " | ")
        + ") return 0 ;;\n"
          "    esac\n"
          "    return 1\n"
          "}\n";
}

} // namespace tallyman::cli
