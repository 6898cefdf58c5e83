// The overtime tracker's stored values (kept in the profile file set).
#pragma once

#include "numbers/amount.h"

#include <array>
#include <string>

namespace tallyman {

struct OvertimeTracker {
    Amount Earned = 0;
    Amount MaxAllowable = 0;
    Amount Available = 0;
    Amount Annual = 0; // written from the tracker's annual salary box
    Amount ApPercent = 0; // written from the approved percentage box
    Amount PresentRate = 0; // written rounded to two decimals
    // Rows 0..52 (weekly) or 0..26 (bi-weekly): the week ending text and the O.T. amount as
    // its written form ("12.5", "0").
    std::array<std::string, 53> WeekEnding {};
    std::array<std::string, 53> OtAmount {};

    bool operator==(const OvertimeTracker&) const = default;
};

// The salary a tracker starts with: shown when the record holds none, and set by New.
inline constexpr const char* LoadedAnnualDefault = "25600";
inline constexpr Amount NewAnnualDefault = 11440;

// What New leaves in the record: the first `rows` rows empty with no overtime, the starting
// salary, no percentage and nothing earned.
void clearOvertimeRecord(OvertimeTracker& tracker, int rows);

} // namespace tallyman
