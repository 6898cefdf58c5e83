// The annual schedule files, the Step 2 derivation, the per-period table builder and the
// installation of a built table.
#include "engine/fed_year.h"

#include "engine/wage_taxes.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"
#include "storage/fileset.h"
#include "storage/folder_lock.h"
#include "storage/records.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

namespace tallyman {

namespace {

constexpr std::size_t Rows = AnnualSchedule {}.size();

const std::map<std::string, W4FilingStatus, std::less<>>& statusNames()
{
    static const std::map<std::string, W4FilingStatus, std::less<>> names {
        { "single", W4FilingStatus::Single }, { "married-jointly", W4FilingStatus::MarriedJointly },
        { "head-of-household", W4FilingStatus::HeadOfHousehold }
    };
    return names;
}

std::vector<std::string> wordsOf(std::string_view line)
{
    std::vector<std::string> words;
    std::istringstream in { std::string(line) };
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// An amount or rate of the file: a plain number, not negative, of ordinary size.
std::optional<double> figure(const std::string& word)
{
    const auto value = strictNumber(word);
    if (!value || *value < 0 || *value > 1e9)
        return std::nullopt;
    return value;
}

// The record filled line by line; take() gives the problem of a line that cannot be taken.
struct YearBuilder {
    FedYear year;
    bool seen[6] = {}; // the single-valued keys, in the order of missing()
    std::array<std::size_t, 3> standardRows {};
    std::array<std::size_t, 3> step2Rows {};

    std::optional<std::string> take(const std::vector<std::string>& w)
    {
        const std::string& key = w[0];
        static const std::string_view keys[]
            = { "year", "wage-base", "additional-medicare", "allowance", "line-1g", "standard", "step2" };
        if (std::find(std::begin(keys), std::end(keys), key) == std::end(keys))
            return "unknown key \"" + key + "\"";
        std::vector<double> numbers;
        const std::size_t first = key == "line-1g" || key == "standard" || key == "step2" ? 2 : 1;
        if (w.size() < first)
            return "\"" + key + "\" needs a filing status";
        for (std::size_t i = first; i < w.size(); ++i) {
            const auto value = figure(w[i]);
            if (!value)
                return "\"" + w[i] + "\" is not an amount";
            numbers.push_back(*value);
        }
        const auto count = [&](std::size_t n) -> std::optional<std::string> {
            if (numbers.size() != n)
                return "\"" + key + "\" takes " + std::to_string(n) + (n == 1 ? " number" : " numbers");
            return std::nullopt;
        };
        const auto once = [&](int slot) -> std::optional<std::string> {
            if (seen[slot])
                return "\"" + key + "\" is given twice";
            seen[slot] = true;
            return std::nullopt;
        };
        if (key == "year") {
            if (auto p = count(1); p)
                return p;
            if (numbers[0] != std::floor(numbers[0]) || numbers[0] < 1900 || numbers[0] > 9999)
                return "the year must be a year such as 2026";
            year.Year = static_cast<int>(numbers[0]);
            return once(0);
        }
        if (key == "wage-base") {
            if (auto p = count(1); p)
                return p;
            year.WageBase = numbers[0];
            return once(1);
        }
        if (key == "additional-medicare") {
            if (auto p = count(2); p)
                return p;
            if (numbers[1] >= 1)
                return "the Additional Medicare rate is a fraction (0.009 for 0.9 %)";
            year.AddlMedicareThreshold = numbers[0];
            year.AddlMedicareRate = numbers[1];
            return once(2);
        }
        if (key == "allowance") {
            if (auto p = count(1); p)
                return p;
            year.Allowance = numbers[0];
            return once(3);
        }
        if (key == "line-1g") {
            if (auto p = count(1); p)
                return p;
            if (w[1] == "married-jointly") {
                year.Line1gMarried = numbers[0];
                return once(4);
            }
            if (w[1] == "other") {
                year.Line1gOther = numbers[0];
                return once(5);
            }
            return "line-1g is for married-jointly or other, not \"" + w[1] + "\"";
        }
        if (key == "standard" || key == "step2") {
            const auto status = statusNames().find(w[1]);
            if (status == statusNames().end())
                return "unknown filing status \"" + w[1] + "\"";
            if (auto p = count(3); p)
                return p;
            if (numbers[2] >= 1)
                return "a rate is a fraction (0.22 for 22 %)";
            const auto s = static_cast<std::size_t>(status->second);
            std::size_t& rows = (key == "standard" ? standardRows : step2Rows)[s];
            if (rows == Rows)
                return key + " " + w[1] + " has more than " + std::to_string(Rows) + " rows";
            (key == "standard" ? year.Standard : year.Step2)[s][rows++]
                = AnnualRow { numbers[0], numbers[1], numbers[2] };
            return std::nullopt;
        }
        return "unknown key \"" + key + "\"";
    }

    std::optional<std::string> missing() const
    {
        const char* names[] = { "year", "wage-base", "additional-medicare", "allowance",
            "line-1g married-jointly", "line-1g other" };
        for (int i = 0; i < 6; ++i)
            if (!seen[i])
                return std::string("\"") + names[i] + "\" is missing";
        for (const auto& [name, status] : statusNames()) {
            const auto s = static_cast<std::size_t>(status);
            for (const char* kind : { "standard", "step2" }) {
                const bool standard = std::string_view(kind) == "standard";
                if ((standard ? standardRows : step2Rows)[s] != Rows)
                    return std::string(kind) + " " + name + " needs " + std::to_string(Rows) + " rows";
                if (const auto problem = scheduleProblem((standard ? year.Standard : year.Step2)[s]))
                    return std::string(kind) + " " + name + ": " + *problem;
            }
        }
        return std::nullopt;
    }
};

// A bound of the per-period table: the annual bound over the periods, to the dollar.
double periodBound(double annual, int periods) { return roundHalfAwayFromZero(annual / periods, 0); }

FedRows periodRows(const AnnualSchedule& schedule, int periods)
{
    std::array<double, Rows> bounds {};
    for (std::size_t r = 0; r < Rows; ++r)
        bounds[r] = periodBound(schedule[r].AtLeast, periods);
    FedRows rows {};
    double base = 0;
    for (std::size_t r = 0; r < Rows; ++r) {
        if (r > 0)
            base = roundHalfAwayFromZero(base + (bounds[r] - bounds[r - 1]) * schedule[r - 1].Rate, 2);
        FedRow& row = rows[r];
        row.Over = toAmount(bounds[r]);
        row.NotOver = r + 1 < Rows ? toAmount(bounds[r + 1]) : Amount(0);
        row.ExcessOver = row.Over;
        row.Rate = toAmount(schedule[r].Rate);
        row.BaseTax = r > 0 ? toAmount(base) : Amount(0);
    }
    return rows;
}

void writeRows(records::RecordWriter& w, const FedRows& rows)
{
    for (std::size_t r = 0; r + 1 < Rows; ++r) {
        const FedRow& row = rows[r];
        w.float32(row.Over).float32(row.NotOver).float32(row.ExcessOver).float32(row.Rate);
        if (r > 0)
            w.float32(row.BaseTax);
        w.endRecord();
    }
    const FedRow& last = rows[Rows - 1];
    w.float32(last.Over).float32(last.ExcessOver).float32(last.Rate).float32(last.BaseTax).endRecord();
    w.float32(0).endRecord(); // the field nobody reads
}

std::filesystem::path yearFile(const std::filesystem::path& installedDir, int year)
{
    return installedDir / FedYearsFolderName / std::to_string(year);
}

} // namespace

ParsedFedYear parseFedYear(std::string_view text)
{
    YearBuilder builder;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        line = line.substr(0, line.find('#'));
        const auto words = wordsOf(line);
        if (words.empty())
            continue;
        if (const auto problem = builder.take(words))
            return { std::nullopt, "line " + std::to_string(lineNumber) + ": " + *problem };
    }
    if (const auto problem = builder.missing())
        return { std::nullopt, *problem };
    return { builder.year, {} };
}

std::optional<std::string> scheduleProblem(const AnnualSchedule& schedule)
{
    if (schedule[0].AtLeast != 0 || schedule[0].Base != 0)
        return "the first row must start at 0 with no base";
    for (std::size_t r = 1; r < Rows; ++r) {
        const AnnualRow& previous = schedule[r - 1];
        const AnnualRow& row = schedule[r];
        const std::string name = "row " + std::to_string(r + 1);
        if (!(row.AtLeast > previous.AtLeast))
            return name + ": the bound " + numberText(row.AtLeast) + " is not above the one before";
        if (row.Rate < previous.Rate)
            return name + ": the rate falls";
        const double expected = previous.Base + (row.AtLeast - previous.AtLeast) * previous.Rate;
        if (std::fabs(row.Base - expected) > 0.5 * previous.Rate + 0.01 + 1e-9)
            return name + ": the base " + numberText(row.Base) + " should be " + numberText(expected);
    }
    return std::nullopt;
}

AnnualSchedule deriveStep2Schedule(const AnnualSchedule& standard, double line1g)
{
    AnnualSchedule derived {};
    double bound = 0;
    double base = 0;
    for (std::size_t r = 0; r < Rows; ++r) {
        if (r > 0) {
            const double next = r == 1 ? (line1g + standard[1].AtLeast) / 2
                                       : bound + (standard[r].AtLeast - standard[r - 1].AtLeast) / 2;
            base += (next - bound) * standard[r - 1].Rate;
            bound = next;
        }
        derived[r]
            = AnnualRow { roundHalfAwayFromZero(bound, 0), roundHalfAwayFromZero(base, 2), standard[r].Rate };
    }
    return derived;
}

double line1gOf(const FedYear& year, W4FilingStatus status)
{
    return status == W4FilingStatus::MarriedJointly ? year.Line1gMarried : year.Line1gOther;
}

std::string builtTableVersion(int year)
{
    return std::to_string(year) + " Percentage Method, W-4 2019 or earlier and 2020 or later";
}

FedTable buildFedTable(const FedYear& year)
{
    FedTable table;
    const AnnualSchedule& single = year.schedule(W4FilingStatus::Single, false);
    const AnnualSchedule& married = year.schedule(W4FilingStatus::MarriedJointly, false);
    table.SingleBiWeekly = periodRows(single, 26);
    table.SingleWeekly = periodRows(single, 52);
    table.MarriedBiWeekly = periodRows(married, 26);
    table.MarriedWeekly = periodRows(married, 52);
    const double weekly = roundHalfAwayFromZero(year.Allowance / 52, 2);
    for (std::size_t n = 0; n < table.SingleAllowance.size(); ++n) {
        const Amount allowance = toAmount(roundHalfAwayFromZero(double(n) * weekly, 2));
        table.SingleAllowance[n] = allowance;
        table.MarriedAllowance[n] = allowance;
    }
    table.Version = builtTableVersion(year.Year);
    table.Year = year;
    return table;
}

std::string fedTableFileBytes(const FedTable& table)
{
    records::RecordWriter w;
    for (const FedRows* rows :
        { &table.SingleBiWeekly, &table.SingleWeekly, &table.MarriedBiWeekly, &table.MarriedWeekly })
        writeRows(w, *rows);
    for (const auto* list : { &table.SingleAllowance, &table.MarriedAllowance }) {
        for (Amount a : *list)
            w.float32(a);
        w.endRecord();
    }
    w.text(table.Version).endRecord();
    if (!table.Year)
        return w.bytes();
    const FedYear& y = *table.Year;
    w.text(FedYearMarker).endRecord();
    w.float64(y.Year)
        .float64(y.WageBase)
        .float64(y.AddlMedicareThreshold)
        .float64(y.AddlMedicareRate)
        .float64(y.Allowance)
        .float64(y.Line1gMarried)
        .float64(y.Line1gOther)
        .endRecord();
    for (const auto* schedules : { &y.Standard, &y.Step2 })
        for (const AnnualSchedule& schedule : *schedules) {
            for (const AnnualRow& row : schedule)
                w.float64(row.AtLeast).float64(row.Base).float64(row.Rate);
            w.endRecord();
        }
    return w.bytes();
}

std::vector<int> shippedFedYears(const std::filesystem::path& installedDir)
{
    std::vector<int> years;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(installedDir / FedYearsFolderName, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == 4
            && std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
            years.push_back(std::stoi(name));
    }
    std::sort(years.begin(), years.end());
    return years;
}

ParsedFedYear loadShippedFedYear(const std::filesystem::path& installedDir, int year)
{
    const auto path = yearFile(installedDir, year);
    const auto text = readWholeFile(path);
    if (!text)
        return { std::nullopt,
            "no federal schedules for " + std::to_string(year) + " are installed (" + path.string() + ")" };
    ParsedFedYear parsed = parseFedYear(*text);
    if (!parsed.year)
        parsed.problem = path.string() + ", " + parsed.problem;
    else if (parsed.year->Year != year) {
        parsed.problem = path.string() + " holds the year " + std::to_string(parsed.year->Year);
        parsed.year.reset();
    }
    return parsed;
}

double FedTableInUse::wageBase() const { return table.Year ? table.Year->WageBase : SocialSecurityWageBase; }

std::optional<double> FedTableInUse::additionalMedicareThreshold() const
{
    if (!table.Year || table.Year->AddlMedicareRate == 0)
        return std::nullopt;
    return table.Year->AddlMedicareThreshold;
}

FedTableInUse fedTableInUse(const std::filesystem::path& dataDir, const std::filesystem::path& installedDir)
{
    FedTableInUse inUse;
    inUse.path = locateFedTable(FedTableFolders { dataDir, installedDir }, FedTableFileName);
    if (!inUse.path)
        return inUse;
    if (auto bytes = readWholeFile(*inUse.path))
        inUse.read = readFedTable(inUse.table, std::move(*bytes), FedLayout::Current);
    else
        inUse.path.reset();
    return inUse;
}

FedInstall installFedYear(
    const std::filesystem::path& dataDir, const std::filesystem::path& installedDir, int year)
{
    const std::string notInstalled = "The " + std::to_string(year) + " federal table was not installed.";
    const ParsedFedYear parsed = loadShippedFedYear(installedDir, year);
    if (!parsed.year)
        return { false, { notInstalled, parsed.problem } };
    const std::string bytes = fedTableFileBytes(buildFedTable(*parsed.year));

    const DataFolder folder(dataDir);
    const FolderLock lock(folder);
    if (!lock.held())
        return { false, { notInstalled, lock.failure() } };
    const auto target = folder.file(FedTableFileName);
    const auto backup = folder.file(std::string(FedTableFileName) + ".bak");
    // Read only under the lock: another install may have just replaced it.
    if (const auto reason = unreadableReason(target))
        return { false,
            { notInstalled, "The present " + target.string() + " cannot be kept: " + *reason + "." } };
    const auto previous = readWholeFile(target);
    if (previous)
        if (const auto problem = writeFileAtomically(backup, *previous))
            return { false, { notInstalled, *problem } };
    if (const auto problem = writeFileAtomically(target, bytes))
        return { false, { notInstalled, *problem } };
    FedInstall done { true,
        { "The " + std::to_string(year) + " federal table is installed as " + target.string() + "." } };
    done.lines.push_back(previous
            ? "The previous table is kept as " + backup.string() + "."
            : "There was no table in the data folder before; " + backup.string() + " was not written.");
    return done;
}

} // namespace tallyman
