// FedTable: the federal brackets and allowances, present only during a calculation.
#pragma once

#include "numbers/amount.h"

#include <array>
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

struct FedTable {
    FedRows SingleBiWeekly{};
    FedRows SingleWeekly{};
    FedRows MarriedBiWeekly{};
    FedRows MarriedWeekly{};
    std::array<Amount, 10> SingleAllowance{};
    std::array<Amount, 10> MarriedAllowance{};
    std::string Version;

    // Every number back to 0; the version text stays.
    void clearNumbers()
    {
        const std::string version = Version;
        *this = FedTable{};
        Version = version;
    }
};

} // namespace tallyman
