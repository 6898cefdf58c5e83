// PeriodCase: every input of one pay period as values, so the period can be computed again on
// copies (the stub check asks "what would Tallyman withhold under this other table?").
#pragma once

#include "engine/calculation.h"
#include "engine/employee_profile.h"
#include "engine/fed_table.h"
#include "engine/pay_result.h"
#include "engine/tax_settings.h"
#include "engine/wage_taxes.h"

#include <array>
#include <string>
#include <vector>

namespace tallyman {

// What ADD hands the calculation once the settings are up to date and the federal table is
// loaded.
struct PeriodCase {
    std::array<std::string, 8> txtAmount;
    bool opt1xSelected = true;
    bool ckFedJan = false;
    EmployeeProfile profile;
    StateTaxSettings state;
    CityTaxSettings city;
    NonCitySettings nonCity;
    StateBoxes stateBoxes;
    LedgerTotals ledger;
    FedTable fedTable;
    // The previous period's result: an allowance kept from it, and the working values a
    // formula that does not run leaves alone.
    PayResult pay;
    UtahWork utah;
};

struct CaseResult {
    bool computed = false; // false: an amount was too large (see notices)
    PayResult pay;
    // Muni, Bond, Dues and Misc rounded to cents, as the calculation leaves them.
    EmployeeProfile profile;
    CalcLabels labels;
    std::vector<Notice> notices;
};

// The period computed by the calculation ADD runs, on a copy of the case: nothing of the
// caller changes and no file is read.
CaseResult computeCase(PeriodCase period);

// The Social Security wage base the calculation applies with this table: the table's own when
// it was built for a year, else the program's fixed base.
double socialSecurityWageBase(const FedTable& table);

// Additional Medicare, known only from a table built for a year.
struct AdditionalMedicare {
    double threshold = 0;
    double rate = 0;
};
std::optional<AdditionalMedicare> additionalMedicare(const FedTable& table);

} // namespace tallyman
