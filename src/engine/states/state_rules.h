// Small rules the built-in state formulas share: pay period, status, list entries, bracket rows.
#pragma once

#include "engine/bracket_rows.h"
#include "engine/employee_profile.h"
#include "engine/tax_settings.h"

#include <optional>

namespace tallyman::states {

// The formulas know two pay periods; an employee not paid bi-weekly is treated as weekly.
inline bool paidBiWeekly(const EmployeeProfile& profile) { return profile.BiWeek != 0; }

inline bool statusIsSingle(const EmployeeProfile& profile) { return profile.StateStatus == "Single"; }

// Entry n of an allowance or credit list. The profile screen offers 0..9 only; a count outside
// the list reads as no allowance rather than running off the end.
inline Amount listEntry(const StateRows& list, int n)
{
    return n >= 0 && n < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(n)] : Amount(0);
}

// One of the two bracket tables of the state settings with its allowance list.
struct BracketTable {
    const StateRows& Min;
    const StateRows& Amt;
    const StateRows& Per;
    const StateRows& Allowance;
};

inline BracketTable singleTable(const StateTaxSettings& s)
{
    return { s.StateMinBS, s.StateAmtBS, s.StatePerBS, s.StateSgExp };
}

inline BracketTable marriedTable(const StateTaxSettings& s)
{
    return { s.StateMinBM, s.StateAmtBM, s.StatePerBM, s.StateMarExp };
}

// The generic row selection on the ten rows of a state table (minimums halved for a weekly
// employee).
inline std::optional<std::size_t> applyingRow(const StateRows& Min, Amount w, bool halved)
{
    return tallyman::applyingRow(Min, Min.size() - 1, w, halved);
}

using tallyman::rowMinimum;

} // namespace tallyman::states
