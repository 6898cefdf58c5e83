// A saved pay period: the eight inputs and the eighteen amounts of one computed period, one
// value per record, in a file named after the week ending and the user.
#pragma once

#include "numbers/amount.h"
#include "storage/fileset.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyman {

// The records of a saved period in file order: the eight input boxes top to bottom, then the
// amounts the window showed.
enum class SavedRecord : std::size_t {
    StraightHours1,
    StraightHours2,
    OtHours,
    Ot15Hours,
    HolidayHours,
    VacationHours,
    DollarAmount,
    TipsHours,
    FedTax,
    SocSec,
    Medicare,
    StateTax,
    CityTax,
    Deduction1,
    Deduction2,
    Deduction3,
    Deduction4,
    Deduction5,
    KPlan,
    Sdi,
    Sui,
    Cafe,
    Gross,
    Taxes,
    Deductions,
    Net,
};

constexpr std::size_t recordIndex(SavedRecord record) { return static_cast<std::size_t>(record); }

inline constexpr std::size_t SavedPeriodInputs = recordIndex(SavedRecord::FedTax);
inline constexpr std::size_t SavedPeriodValues = recordIndex(SavedRecord::Net) + 1;

struct SavedPayPeriod {
    std::array<Amount, SavedPeriodValues> values {};
    bool operator==(const SavedPayPeriod&) const = default;
};

inline constexpr const char* SavedPeriodExtension = ".prv";

// Why a week text cannot start a file name (a character some file system refuses), or
// nothing. "/" is allowed: it becomes "_".
std::optional<std::string> weekTextProblem(std::string_view weekText);
// The week text with every "/" turned into "_", two spaces, the user name and ".prv".
std::string savedPeriodFileName(std::string_view weekText, std::string_view userName);
// The week ending a saved period's file name stands for: the text before the two spaces with
// every "_" turned back into "/".
std::string weekTextOfFileName(std::string_view fileName);

std::string savedPeriodBytes(const SavedPayPeriod& period);
std::optional<std::string> saveSavedPeriod(const std::filesystem::path& path, const SavedPayPeriod& period);

// The values read from the file, in order: fewer than 26 when it ends early or a value does not
// read as a number (the reading stops there); nothing when the file cannot be opened.
std::optional<std::vector<Amount>> loadSavedPeriod(const std::filesystem::path& path);

// The saved periods of the user in the folder (file names), sorted.
std::vector<std::string> savedPeriodFiles(const DataFolder& folder, std::string_view userName);

} // namespace tallyman
