// The leave log: vacation, holiday and sick days taken against a start balance, and ".hol".
#pragma once

#include "numbers/amount.h"
#include "storage/fileset.h"

#include <array>
#include <optional>
#include <string>

namespace tallyman {

inline constexpr std::size_t LeaveRows = 20;

using LeaveDates = std::array<std::string, LeaveRows>;
using LeaveCounts = std::array<Amount, LeaveRows>;

struct LeaveLog {
    Amount VacStart = 0;
    Amount VacBalance = 0;
    LeaveDates VacDate {};
    LeaveCounts VacCount {};
    Amount HolStart = 0;
    Amount HolBalance = 0;
    LeaveDates HolDate {};
    LeaveCounts HolCount {};
    Amount SickStart = 0;
    Amount SickBalance = 0;
    LeaveDates SickDate {};
    LeaveCounts SickCount {};

    bool operator==(const LeaveLog&) const = default;
};

// One kind of leave inside the log, so the three can be handled alike.
struct LeaveKindFields {
    Amount& Start;
    Amount& Balance;
    LeaveDates& Date;
    LeaveCounts& Count;
};
// Vacation, holiday, sick, in the order of the file.
std::array<LeaveKindFields, 3> leaveKinds(LeaveLog& log);

// UserName + ".hol".
inline constexpr const char* LeaveLogExtension = ".hol";

enum class LeaveLoad { Loaded, Absent, EndedEarly };

// The 41 records of the file. Throws std::invalid_argument when a date cannot be stored.
std::string leaveLogBytes(const LeaveLog& log);
// Writes UserName + ".hol"; a reason when it could not (a date that cannot be stored, a
// failed write), and then the old file is left as it was.
std::optional<std::string> saveLeaveLog(
    const DataFolder& folder, const std::string& userName, const LeaveLog& log);
// Reads UserName + ".hol" when it exists; an absent file leaves the log as it was, a file that
// ends early keeps the fields read so far.
LeaveLoad loadLeaveLog(const DataFolder& folder, const std::string& userName, LeaveLog& log);

} // namespace tallyman
