// What a state formula reads and writes during a calculation.
#pragma once

#include "engine/employee_profile.h"
#include "engine/pay_result.h"
#include "engine/tax_settings.h"

namespace tallyman {

// The state formulas read the profile, the settings as the dialog left them for this
// calculation and the ledger's year to date, and leave their results in `pay` (and Missouri
// turns `state.RoundOff` on, Utah keeps its working values in `utah`).
struct StateCalc {
    const EmployeeProfile& profile;
    StateTaxSettings& state;
    const LedgerTotals& ledger;
    PayResult& pay;
    UtahWork& utah;
};

} // namespace tallyman
