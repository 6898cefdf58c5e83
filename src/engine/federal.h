// Federal income tax withholding: the table files, their loading and the bracket evaluation.
#pragma once

#include "engine/calculation.h"
#include "engine/employee_profile.h"
#include "engine/fed_table.h"
#include "engine/pay_result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyman {

inline constexpr std::string_view FedTableFileName = "Federal24.dtt";
inline constexpr std::string_view FedJanTableFileName = "Federal09_jan.dtt"; // "Fed Tax Prior to April"

// Bracket rows per table in a file: the current layout has eight, the legacy one six.
enum class FedLayout { Current, Legacy };

// The file in the data folder, else the installed copy; nothing when neither opens.
std::optional<std::filesystem::path> locateFedTable(
    const FedTableFolders& folders, std::string_view fileName);

// The warning shown whenever a federal table file cannot be opened.
Notice fedTableMissingNotice();

// The message naming a table file that is refused.
Notice fedTableCorruptNotice(const std::filesystem::path& path);

// How a table file was read: whole (the version text and, when present, the year after it),
// ending early, or refused.
enum class FedTableRead { Complete, Short, Refused };

// Fills the table from the bytes of a table file, field by field. Every number is cleared
// first, so rows the legacy layout lacks are 0. A file that ends early keeps what was read
// (the old version text when the file does not reach it); a word where a number belongs reads
// 0. A number no field can hold (1E+308, NaN, -inf) refuses the file, as does a year after
// the 177 fields that is not complete and consistent: the table is then all 0, version kept.
FedTableRead readFedTable(FedTable& table, std::string bytes, FedLayout layout);

// Loads the legacy file when ckFedJan is on, the current one otherwise. When the file cannot
// be opened the table is left all 0 (version text kept), the warning is appended and false
// is returned; a refused file does the same with the message naming it. The file is opened at
// every call, but parsed again only when it is not the one parsed last (device, inode, size
// and modification time).
bool LoadFedTable(
    FedTable& table, bool ckFedJan, const FedTableFolders& folders, std::vector<Notice>& notices);
// How many table files LoadFedTable has parsed in this process (tests and benchmarks).
std::size_t fedTableParseCount();

// FedTax from FedTaxable with the single or the married brackets: the bi-weekly table when the
// profile is bi-weekly, then the weekly one when it is weekly. When no row applies FedTax keeps
// its value.
void GetFedSingle(const FedTable& table, const EmployeeProfile& profile, PayResult& pay);
void GetFedMarried(const FedTable& table, const EmployeeProfile& profile, PayResult& pay);

} // namespace tallyman
