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

inline constexpr std::size_t SavedPeriodInputs = 8;
inline constexpr std::size_t SavedPeriodValues = 26;

// Records 1 to 8 the inputs, 9 to 26 the amounts (federal, Social Security, Medicare, state,
// city, deductions 1 to 5, K-plan, SDI, SUI, cafeteria plan, gross, taxes, deductions, net).
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
