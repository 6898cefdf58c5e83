// A year's federal withholding as data: the annual schedules shipped with the program, the
// per-period table built from them, and installing that table in the data folder.
#pragma once

#include "engine/fed_table.h"
#include "engine/federal.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyman {

// The annual schedules of a year are installed as "federal/YEAR" beside the shipped table.
inline constexpr std::string_view FedYearsFolderName = "federal";

// The text that starts the year's fields after the 177 fields of a table file.
inline constexpr std::string_view FedYearMarker = "Tallyman year 1";

// A year's schedule file read into its record, or why it cannot be: "key value" lines,
// '#' starting a comment (see data/federal/README).
struct ParsedFedYear {
    std::optional<FedYear> year;
    std::string problem; // "line 12: ...", empty when read
};
ParsedFedYear parseFedYear(std::string_view text);

// What is wrong with a schedule, or nothing: each base must be the previous base plus the
// previous band at the previous rate. A published bound may be rounded to the whole dollar,
// so half a dollar of band (and a cent of each base) is allowed.
std::optional<std::string> scheduleProblem(const AnnualSchedule& schedule);

// The Step 2 checkbox schedule the way the IRS derives it from the standard one: it starts at
// half of (line 1g + the standard first bound), each band is half the standard band; bounds
// are shown rounded to the dollar, bases accumulated from the unrounded bounds, to the cent.
AnnualSchedule deriveStep2Schedule(const AnnualSchedule& standard, double line1g);

// The line 1g amount of a filing status.
double line1gOf(const FedYear& year, W4FilingStatus status);

// The per-period table of the year as the manual-payroll tables are built: each bound the
// annual one over 52 or 26 periods, to the dollar; each base accumulated from the rounded
// bounds, to the cent; allowance n is n times (the annual allowance over 52, to the cent).
// Single uses the Single schedule, Married the Married-filing-jointly one. The table carries
// the year.
FedTable buildFedTable(const FedYear& year);

// The version text of a table built for `year`.
std::string builtTableVersion(int year);

// The bytes of a table file: the 177 fields, then, when the table carries its year, the
// marker and the year's fields.
std::string fedTableFileBytes(const FedTable& table);

// The years whose schedules are installed (folder `federal` of the installed data), in order.
std::vector<int> shippedFedYears(const std::filesystem::path& installedDir);
// The installed schedules of `year`, or why not.
ParsedFedYear loadShippedFedYear(const std::filesystem::path& installedDir, int year);

// The federal table a calculation would use now: the file found (data folder first), how it
// reads and what it holds. Without a file, `path` is empty and the table all 0.
struct FedTableInUse {
    std::optional<std::filesystem::path> path;
    FedTableRead read = FedTableRead::Short;
    FedTable table;
    // The wage base and Additional Medicare threshold the calculation applies (160200 and
    // none for a table without its year).
    double wageBase() const;
    std::optional<double> additionalMedicareThreshold() const;
};
FedTableInUse fedTableInUse(const std::filesystem::path& dataDir, const std::filesystem::path& installedDir);

// Writes Federal24.dtt in the data folder from the installed schedules of `year`, under the
// folder lock and atomically, keeping the previous file as Federal24.dtt.bak. The lines say
// what was done, or why nothing was.
struct FedInstall {
    bool installed = false;
    std::vector<std::string> lines;
};
FedInstall installFedYear(
    const std::filesystem::path& dataDir, const std::filesystem::path& installedDir, int year);

} // namespace tallyman
