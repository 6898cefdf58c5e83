// The commands of tallyman-cli, declared once: the dispatcher, the help texts and the bash
// completion all read this table.
#pragma once

#include "cli/arguments.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallyman::cli {

struct Output;

// Runs a command: returns the exit code, or throws UsageError / DataError.
using CommandHandler = int(const Arguments& args, Output& output);

struct SubCommand {
    std::string_view name;
    OptionGroups options = 0; // the command options it takes
    std::vector<std::string_view> subs = {}; // its own sub-commands (user w4 show|set)
};

struct Command {
    std::string_view name;
    std::string_view summary; // its line in the program's help
    const char* help; // its help text, which its sub-commands share
    CommandHandler* run; // the handler, which takes its sub-command apart itself
    std::vector<SubCommand> subs = {}; // none: the command takes no sub-command (calc)
    OptionGroups options = 0; // the command options of a command without sub-commands
};

// Every command, in the order the program's help lists them.
std::span<const Command> commands();

// The command named `name`, or null.
const Command* findCommand(std::string_view name);

// The command options that the command and sub-command of the command line take (none for an
// unknown one).
OptionGroups optionsTaken(const Arguments& args);

// The help of a command ("calc"; "user set" gives the help of "user") or of the program ("").
std::string usage(const std::string& topic);

} // namespace tallyman::cli
