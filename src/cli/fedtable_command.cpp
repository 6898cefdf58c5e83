// fedtable: the federal table in use, the years shipped, building and installing a year.
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/session.h"
#include "engine/fed_year.h"
#include "numbers/currency.h"
#include "numbers/number_text.h"
#include "storage/data_locations.h"
#include "storage/fileset.h"

#include <algorithm>

namespace tallyman::cli {

namespace {

const std::string Topic = "fedtable";

int yearArgument(const std::string& word)
{
    if (word.size() != 4
        || !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
        throw UsageError("\"" + word + "\" is not a year such as 2026", Topic);
    return std::stoi(word);
}

ParsedFedYear shipped(int year)
{
    ParsedFedYear parsed = loadShippedFedYear(installedDataFolder(), year);
    if (!parsed.year)
        throw DataError(parsed.problem);
    return parsed;
}

int listYears(Output& output)
{
    const std::vector<int> years = shippedFedYears(installedDataFolder());
    if (output.json) {
        JsonWriter w(output.out);
        w.beginObject().key("years").beginArray(true);
        for (const int year : years)
            w.value(year);
        w.endArray().endObject();
        return ExitDone;
    }
    for (const int year : years)
        output.out << year << '\n';
    return ExitDone;
}

int showInUse(const Arguments& args, Output& output)
{
    const FedTableInUse inUse = fedTableInUse(chooseDataFolder(args.dir).dir, installedDataFolder());
    if (!inUse.path)
        throw DataError(
            std::string(FedTableFileName) + " was not found in the data folder or the installed data");
    if (inUse.read == FedTableRead::Refused)
        throw DataError(
            inUse.path->string() + " is corrupted (tallyman-cli fedtable install YEAR replaces it)");
    const auto threshold = inUse.additionalMedicareThreshold();
    if (output.json) {
        JsonWriter w(output.out);
        w.beginObject().member("file", inUse.path->string()).member("version", inUse.table.Version);
        // A table without its year has no year and no Additional Medicare.
        if (inUse.table.Year)
            w.member("year", inUse.table.Year->Year);
        // Dollars as exact decimals ("184500", not "1.845e+05").
        w.member("wageBase", Currency::fromDouble(inUse.wageBase()));
        if (threshold)
            w.member("additionalMedicareThreshold", Currency::fromDouble(*threshold));
        w.endObject();
        return ExitDone;
    }
    output.out << "File         " << inUse.path->string() << '\n'
               << "Version      " << inUse.table.Version << '\n'
               << "Year         "
               << (inUse.table.Year ? std::to_string(inUse.table.Year->Year)
                                    : "none (W-4 2019 or earlier only)")
               << '\n'
               << "Wage base    " << numberText(inUse.wageBase()) << '\n'
               << "Additional Medicare  " << (threshold ? "above " + numberText(*threshold) : "none") << '\n';
    return ExitDone;
}

} // namespace

int fedTableCommand(const Arguments& args, Output& output)
{
    const std::string sub = args.words.size() > 1 ? args.words[1] : "";
    if (sub != "list" && sub != "show" && sub != "install" && sub != "build")
        throw UsageError(sub.empty() ? "fedtable needs list, show, install or build"
                                     : "unknown fedtable command \"" + sub + "\"",
            Topic);
    if (!args.options.empty())
        throw UsageError("fedtable does not take " + args.options.front().first, Topic);
    const std::size_t words = sub == "build" ? 4 : sub == "install" ? 3 : 2;
    if (args.words.size() < words)
        throw UsageError(
            sub == "build" ? "fedtable build needs YEAR FILE" : "fedtable install needs YEAR", Topic);
    refuseExtras(args, words, Topic);

    if (sub == "list")
        return listYears(output);
    if (sub == "show")
        return showInUse(args, output);
    const int year = yearArgument(args.words[2]);
    if (sub == "build") {
        const std::string bytes = fedTableFileBytes(buildFedTable(*shipped(year).year));
        if (const auto problem = writeFileAtomically(args.words[3], bytes))
            throw DataError(*problem);
        if (output.json) {
            JsonWriter w(output.out);
            w.beginObject().member("year", year).member("file", args.words[3]).endObject();
        } else
            output.out << "The " << year << " federal table is written to " << args.words[3] << ".\n";
        return ExitDone;
    }
    const FedInstall done = installFedYear(openDataFolder(args), installedDataFolder(), year);
    std::string text;
    for (const std::string& line : done.lines)
        text += (text.empty() ? "" : "\n") + line;
    if (!done.installed)
        throw DataError(text);
    if (output.json) {
        JsonWriter w(output.out);
        w.beginObject().member("installed", year).member("message", text).endObject();
    } else
        output.out << text << '\n';
    return ExitDone;
}

} // namespace tallyman::cli
