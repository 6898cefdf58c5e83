// Wage-base taxes. Sums that involve the ledger's year to date are exact, in currency.
#include "engine/wage_taxes.h"

#include "numbers/number_text.h"

#include <algorithm>

namespace tallyman {

namespace {

Currency currencyOf(Amount value) { return Currency::fromDouble(double(value)); }

// One insurance with its base: a percent of gross pay up to the base, or a flat amount per
// period when the base is not used.
Amount insuranceTax(
    short useBase, Amount percent, Amount wageBase, Amount ytdGross, Currency totGross, Amount grossPay)
{
    if (useBase == 0)
        return wageBase;
    const Currency base = currencyOf(wageBase);
    if (totGross >= base)
        return 0;
    Amount tax = toAmount(double(percent) * 0.01 * double(grossPay));
    if (ytdGross > wageBase)
        tax = toAmount((base - totGross).toDouble() * (double(percent) * 0.01));
    return tax;
}

} // namespace

void GetSocSec(const EmployeeProfile& profile, const LedgerTotals& ledger, PayResult& pay, double wageBase)
{
    const Currency base = Currency::fromDouble(wageBase);
    const Currency ytdWages = ledger.TotGross + currencyOf(pay.GrossPay) - currencyOf(pay.CafeAmt);
    pay.SsWageRoom = (base - ytdWages).toAmount();
    pay.SsYtdWages = ytdWages.toAmount();
    const bool selfEmployed = profile.SelfEmp != 0;

    Amount tax = 0;
    if (double(pay.SsYtdWages) <= wageBase) {
        tax = toAmount(
            (double(pay.GrossPay) - double(pay.CafeAmt) - double(profile.Misc)) * SocialSecurityRate);
        // The self-employed base keeps the health insurance in.
        if (tax > 0 && selfEmployed)
            tax = toAmount((double(pay.GrossPay) - double(pay.CafeAmt)) * SelfEmployedSocialSecurityRate);
    } else if (ledger.TotGross < base) {
        // The period crosses the base: only the room left is taxed.
        const double room = (base - ledger.TotGross).toDouble();
        tax = toAmount(room * SocialSecurityRate);
        if (tax > 0 && selfEmployed)
            tax = toAmount(room * SelfEmployedSocialSecurityRate);
    }
    // Deductions above gross pay would make the tax negative; a stub never shows that.
    pay.SocSecTax = std::max(tax, Amount(0));
}

double additionalMedicare(const EmployeeProfile& profile, const LedgerTotals& ledger, const PayResult& pay,
    double threshold, double rate)
{
    const Currency ytdWages = ledger.TotGross + currencyOf(pay.GrossPay) - currencyOf(pay.CafeAmt);
    const double above = (ytdWages - Currency::fromDouble(threshold)).toDouble();
    const double periodWages = double(pay.GrossPay) - double(profile.Misc) - double(pay.CafeAmt);
    const double taxed = std::min(above, periodWages);
    return taxed > 0 ? taxed * rate : 0;
}

void GetSDI_SUI(
    const StateBoxes& stateBoxes, StateTaxSettings& state, const LedgerTotals& ledger, PayResult& pay)
{
    state.StateAdj = toAmount(lenientNumber(stateBoxes[StateBox::txtStateAdj]));
    state.CalAllow = toAmount(lenientNumber(stateBoxes[StateBox::txtCalAllow]));

    const Amount ytdGross = (ledger.TotGross + currencyOf(pay.GrossPay)).toAmount();
    pay.SdiYtdGross = ytdGross;
    pay.SuiYtdGross = ytdGross;

    pay.SDITax = insuranceTax(state.SDIUseBase, state.SDIpercent, state.SDIwageBase, pay.SdiYtdGross,
        ledger.TotGross, pay.GrossPay);
    pay.SUITax = insuranceTax(state.SUIUseBase, state.SUIpercent, state.SUIwageBase, pay.SuiYtdGross,
        ledger.TotGross, pay.GrossPay);
}

} // namespace tallyman
