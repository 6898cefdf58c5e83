// FedTable: the federal brackets and allowances, present only during a calculation.
#pragma once

#include "engine/w4_form.h"
#include "numbers/amount.h"

#include <array>
#include <optional>
#include <string>

namespace tallyman {

struct FedRow {
    Amount Over = 0;
    Amount NotOver = 0; // exclusive; unused in the open-ended last row
    Amount ExcessOver = 0;
    Amount Rate = 0;
    Amount BaseTax = 0; // 0 in row 1
};

using FedRows = std::array<FedRow, 8>;

// One row of an annual percentage-method schedule: wages of at least AtLeast are withheld
// Base plus Rate (a fraction) of the excess. The published figures are exact in cents, so
// they are kept in double.
struct AnnualRow {
    double AtLeast = 0;
    double Base = 0;
    double Rate = 0;
    bool operator==(const AnnualRow&) const = default;
};

using AnnualSchedule = std::array<AnnualRow, 8>;

// What a table built for a year carries after the per-period fields: its year, the wage bases
// and the annual schedules the form from 2020 on is withheld by.
struct FedYear {
    int Year = 0;
    double WageBase = 0; // Social Security
    double AddlMedicareThreshold = 0; // year-to-date wages above it pay the extra rate
    double AddlMedicareRate = 0; // a fraction (0.009)
    double Allowance = 0; // annual value of one allowance
    double Line1gMarried = 0; // married filing jointly
    double Line1gOther = 0;
    // By W4FilingStatus, each in its standard and its Step 2 checkbox form.
    std::array<AnnualSchedule, 3> Standard {};
    std::array<AnnualSchedule, 3> Step2 {};

    const AnnualSchedule& schedule(W4FilingStatus status, bool step2) const
    {
        return (step2 ? Step2 : Standard)[static_cast<std::size_t>(status)];
    }
    bool operator==(const FedYear&) const = default;
};

struct FedTable {
    FedRows SingleBiWeekly {};
    FedRows SingleWeekly {};
    FedRows MarriedBiWeekly {};
    FedRows MarriedWeekly {};
    std::array<Amount, 10> SingleAllowance {};
    std::array<Amount, 10> MarriedAllowance {};
    std::string Version;
    // Only a table built for a year has it; without it the calculation is the shipped table's.
    std::optional<FedYear> Year;

    // Every number back to 0; the version text stays.
    void clearNumbers()
    {
        const std::string version = Version;
        *this = FedTable {};
        Version = version;
    }
};

} // namespace tallyman
