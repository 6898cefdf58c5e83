// Social Security (with its wage base), SDI and SUI; Medicare belongs to the driver.
#pragma once

#include "engine/employee_profile.h"
#include "engine/pay_result.h"
#include "engine/tax_settings.h"

#include <array>
#include <string>

namespace tallyman {

// The Social Security wage base of a table that does not carry its year.
inline constexpr int SocialSecurityWageBase = 160200;
inline constexpr double SocialSecurityRate = 0.062;
inline constexpr double SelfEmployedSocialSecurityRate = 0.124;
inline constexpr double MedicareRate = 0.0145;

// Indexes of the state dialog's boxes as the calculation receives them.
struct StateBox {
    static constexpr std::size_t txtSDIpercent = 0;
    static constexpr std::size_t txtSDIwageBase = 1;
    static constexpr std::size_t txtStateAdj = 2;
    static constexpr std::size_t txtCalAllow = 3;
    static constexpr std::size_t txtSUIpercent = 4;
    static constexpr std::size_t txtSUIwageBase = 5;
};
using StateBoxes = std::array<std::string, 6>;

// SocSecTax, SsYtdWages and SsWageRoom. The current period counts toward the base only through
// TotGross once it is in the ledger. A negative result (health insurance and cafeteria plan
// above gross pay) is taken as 0.
void GetSocSec(const EmployeeProfile& profile, const LedgerTotals& ledger, PayResult& pay,
    double wageBase = SocialSecurityWageBase);

// The Additional Medicare Tax of the period: `rate` on the part of the year-to-date wages
// after this period (TotGross + GrossPay - CafeAmt, as for Social Security) above `threshold`
// that falls in this period's Medicare wages. Never negative.
double additionalMedicare(const EmployeeProfile& profile, const LedgerTotals& ledger, const PayResult& pay,
    double threshold, double rate);

// StateAdj and CalAllow taken afresh from the dialog's boxes, then SdiYtdGross, SuiYtdGross,
// SDITax and SUITax, on the full gross pay.
void GetSDI_SUI(
    const StateBoxes& stateBoxes, StateTaxSettings& state, const LedgerTotals& ledger, PayResult& pay);

} // namespace tallyman
