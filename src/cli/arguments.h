// The command line taken apart: global options, command words and command options.
#pragma once

#include "platform/dialogs.h"

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallyman::cli {

// The command line is malformed: exit 1 with the reason and the usage.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& reason, std::string usageTopic = {})
        : std::runtime_error(reason)
        , topic(std::move(usageTopic))
    { }
    std::string topic; // the command whose usage follows the reason ("" for the program's)
};

// The program refused something or reported a problem with the data: exit 2.
class DataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A problem the program itself reported in a message box, which is on stderr already.
class ReportedError : public DataError {
public:
    using DataError::DataError;
};

struct Arguments {
    // Global options, allowed before or after the command.
    std::optional<std::string> dir;
    std::optional<std::string> user;
    bool json = false;
    bool answerYes = false; // --yes; --no (the default) answers No
    std::optional<ui::Date> today;
    bool help = false;
    bool version = false;

    // Command words and their operands, in order ("state", "set", "txtStateAdj=5").
    std::vector<std::string> words;
    // Command options in order, with their value ("" for a switch).
    std::vector<std::pair<std::string, std::string>> options;

    bool has(const std::string& option) const;
};

// What a command option is for; each command takes some of these groups (see command_registry.h).
enum OptionGroup : unsigned {
    PeriodOptions = 1, // the calc options: the boxes and choices of a pay period
    OffsetOptions = 2, // --horz, --vert
    DestinationOptions = 4, // --pdf, --text
};
using OptionGroups = unsigned;

struct OptionSpec {
    std::string_view name;
    bool takesValue;
    OptionGroup group;
};

// Every command option; the options of a group stand together, in the order the completion
// offers them.
std::span<const OptionSpec> commandOptions();

// Takes the command line apart. Throws UsageError for an unknown option or a missing value.
Arguments parseArguments(const std::vector<std::string>& args);

} // namespace tallyman::cli
