// Parsing of the command line.
#include "cli/arguments.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string_view>

namespace tallyman::cli {

namespace {

struct OptionSpec {
    std::string_view name;
    bool takesValue;
};

// Command options are known here so a value is never taken for a word; each command then
// refuses the options that are not its own.
constexpr std::array CommandOptions = {
    OptionSpec{"--hours", true},
    OptionSpec{"--straight", true},
    OptionSpec{"--straight2", true},
    OptionSpec{"--ot", true},
    OptionSpec{"--ot15", true},
    OptionSpec{"--holiday", true},
    OptionSpec{"--vacation", true},
    OptionSpec{"--amount", true},
    OptionSpec{"--tips", true},
    OptionSpec{"--ot-2x", false},
    OptionSpec{"--fed-prior-april", false},
    OptionSpec{"--week", true},
};

const OptionSpec *commandOption(std::string_view name)
{
    const auto it = std::find_if(CommandOptions.begin(), CommandOptions.end(),
        [&](const OptionSpec &spec) { return spec.name == name; });
    return it == CommandOptions.end() ? nullptr : &*it;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::optional<int> wholeNumber(std::string_view text)
{
    int value = 0;
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

bool Arguments::has(const std::string &option) const
{
    return std::any_of(options.begin(), options.end(), [&](const auto &o) { return o.first == option; });
}

std::optional<ui::Date> parseDate(const std::string &text)
{
    const auto first = text.find('/');
    const auto second = first == std::string::npos ? first : text.find('/', first + 1);
    if (second == std::string::npos)
        return std::nullopt;
    const std::string_view all(text);
    const auto month = wholeNumber(all.substr(0, first));
    const auto day = wholeNumber(all.substr(first + 1, second - first - 1));
    const auto year = wholeNumber(all.substr(second + 1));
    if (!month || !day || !year || all.substr(second + 1).size() != 4)
        return std::nullopt;
    static constexpr int DaysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (*month < 1 || *month > 12 || *year < 1)
        return std::nullopt;
    const int days = DaysIn[*month - 1] + (*month == 2 && isLeapYear(*year) ? 1 : 0);
    if (*day < 1 || *day > days)
        return std::nullopt;
    return ui::Date{*year, *month, *day};
}

Arguments parseArguments(const std::vector<std::string> &args)
{
    Arguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        // A lone "-" or a negative number is a word; "--" ends the options.
        const bool looksLikeNumber = arg.size() >= 2 && (std::isdigit(static_cast<unsigned char>(arg[1])) || arg[1] == '.');
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
            parsed.today = parseDate(text);
            if (!parsed.today)
                throw UsageError("--today: \"" + text + "\" is not a date in the form M/d/yyyy");
        } else if (name == "--help" || name == "-h") {
            noValue();
            parsed.help = true;
        } else if (name == "--version") {
            noValue();
            parsed.version = true;
        } else if (const OptionSpec *spec = commandOption(name)) {
            if (spec->takesValue) {
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
