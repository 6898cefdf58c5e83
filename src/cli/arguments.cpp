// Parsing of the command line.
#include "cli/arguments.h"

#include "platform/plain_clock.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace tallyman::cli {

namespace {

// Command options are known here so a value is never taken for a word; each command then
// refuses the options that are not its own.
constexpr std::array CommandOptions = {
    OptionSpec { "--hours", true, PeriodOptions },
    OptionSpec { "--straight", true, PeriodOptions },
    OptionSpec { "--straight2", true, PeriodOptions },
    OptionSpec { "--ot", true, PeriodOptions },
    OptionSpec { "--ot15", true, PeriodOptions },
    OptionSpec { "--holiday", true, PeriodOptions },
    OptionSpec { "--vacation", true, PeriodOptions },
    OptionSpec { "--amount", true, PeriodOptions },
    OptionSpec { "--tips", true, PeriodOptions },
    OptionSpec { "--ot-2x", false, PeriodOptions },
    OptionSpec { "--fed-prior-april", false, PeriodOptions },
    OptionSpec { "--week", true, PeriodOptions },
    OptionSpec { "--pdf", true, DestinationOptions },
    OptionSpec { "--text", false, DestinationOptions },
    OptionSpec { "--horz", true, OffsetOptions },
    OptionSpec { "--vert", true, OffsetOptions },
};

const OptionSpec* commandOption(std::string_view name)
{
    const auto it = std::find_if(CommandOptions.begin(), CommandOptions.end(),
        [&](const OptionSpec& known) { return known.name == name; });
    return it == CommandOptions.end() ? nullptr : &*it;
}

} // namespace

std::span<const OptionSpec> commandOptions() { return CommandOptions; }

bool Arguments::has(const std::string& option) const
{
    return std::any_of(options.begin(), options.end(), [&](const auto& o) { return o.first == option; });
}

Arguments parseArguments(const std::vector<std::string>& args)
{
    Arguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A lone "-" or a negative number is a word; "--" ends the options.
        const bool looksLikeNumber
            = arg.size() >= 2 && (std::isdigit(static_cast<unsigned char>(arg[1])) || arg[1] == '.');
        if (optionsEnded || arg.size() < 2 || arg[0] != '-' || looksLikeNumber) {
            parsed.words.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // --name=value or --name value
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (const auto eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        const auto takeValue = [&]() -> std::string {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= args.size())
                throw UsageError("option " + name + " needs a value");
            return args[++i];
        };
        const auto noValue = [&] {
            if (inlineValue)
                throw UsageError("option " + name + " takes no value");
        };

        if (name == "--dir") {
            parsed.dir = takeValue();
        } else if (name == "--user") {
            parsed.user = takeValue();
        } else if (name == "--json") {
            noValue();
            parsed.json = true;
        } else if (name == "--yes" || name == "--no") {
            noValue();
            parsed.answerYes = name == "--yes";
        } else if (name == "--today") {
            const std::string text = takeValue();
            parsed.today = ui::PlainClock(ui::Date { 2000, 1, 1 }).parseShortDate(text);
            if (!parsed.today)
                throw UsageError("--today: \"" + text + "\" is not a date in the form M/d/yyyy");
        } else if (name == "--help" || name == "-h") {
            noValue();
            parsed.help = true;
        } else if (name == "--version") {
            noValue();
            parsed.version = true;
        } else if (const OptionSpec* option = commandOption(name)) {
            if (option->takesValue) {
                parsed.options.emplace_back(name, takeValue());
            } else {
                noValue();
                parsed.options.emplace_back(name, "");
            }
        } else {
            throw UsageError("unknown option " + name);
        }
    }
    return parsed;
}

} // namespace tallyman::cli
