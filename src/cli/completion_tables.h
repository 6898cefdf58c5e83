// The tables of tallyman-cli's bash completion that follow from its command table.
#pragma once

#include <string>

namespace tallyman::cli {

// Bash declarations: _tallyman_cli_commands (every command with its sub-commands),
// _tallyman_cli_subcommands (the sub-commands of a sub-command), _tallyman_cli_command_options
// (the command options of each "COMMAND SUB") and _tallyman_cli_takes_value (whether a command
// option is followed by its value).
std::string bashCompletionTables();

// The special states' `state select` names, in the order `state show` lists them.
std::string stateSelectWords();

} // namespace tallyman::cli
