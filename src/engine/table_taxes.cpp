// Bracket tables entered as bi-weekly figures; a weekly employee works on halved bounds.
#include "engine/table_taxes.h"

#include <cstddef>

namespace tallyman {

namespace {

constexpr std::size_t StateLastRow = 9;
constexpr std::size_t CityLastRow = 7;

struct Bracket {
    const StateRows &min;
    const StateRows &amt;
    const StateRows &per;
};

// Calls apply(i, bound) for every row i in 0..last whose range holds the wage: rows below the
// last run up to the next row's minimum, the last one is open-ended. Each row is tested on its
// own, so with unordered minimums the last applying row has the final word.
template <std::size_t N, typename Apply>
void forEachApplyingRow(const std::array<Amount, N> &minimums, std::size_t last, bool halved, Amount wage, Apply apply)
{
    auto bound = [&](std::size_t i) { return halved ? toAmount(double(minimums[i]) / 2) : minimums[i]; };
    for (std::size_t i = 0; i <= last; ++i) {
        const Amount low = bound(i);
        if (low <= wage && (i == last || wage < bound(i + 1)))
            apply(i, low);
    }
}

// Bracket tax of a wage: (wage - minimum) x rate + amount, all halved for a weekly employee.
void bracketTax(const Bracket &table, std::size_t last, bool weekly, Amount wage, Amount &tax)
{
    const double share = weekly ? 0.5 : 1.0;
    forEachApplyingRow(table.min, last, weekly, wage, [&](std::size_t i, Amount low) {
        tax = toAmount((double(wage) - double(low)) * double(table.per[i]) + double(table.amt[i]) * share);
    });
}

} // namespace

void GetStateTable(const EmployeeProfile &profile, const StateTaxSettings &state, PayResult &pay)
{
    const Bracket table = profile.StateStatus == "Single"
        ? Bracket{state.StateMinBS, state.StateAmtBS, state.StatePerBS}
        : Bracket{state.StateMinBM, state.StateAmtBM, state.StatePerBM};
    if (profile.BiWeek != 0) {
        pay.StateWages = toAmount(double(pay.TaxableWages) - double(pay.StateExemptAmt) - double(pay.CafeStateAmt));
        bracketTax(table, StateLastRow, false, pay.StateWages, pay.StateTax);
    }
    if (profile.Week != 0) {
        const Amount halfExemption = toAmount(double(pay.StateExemptAmt) / 2);
        pay.StateWages = toAmount(double(pay.TaxableWages) - double(halfExemption) - double(pay.CafeStateAmt));
        bracketTax(table, StateLastRow, true, pay.StateWages, pay.StateTax);
    }
    // The California allowance is the same for both pay periods, and applies even when no row does.
    pay.StateTax = toAmount(double(pay.StateTax) - double(state.CalAllow));
}

void ZeroBlankStateFields(StateBoxes &stateBoxes)
{
    for (std::string &text : stateBoxes)
        if (text.empty())
            text = "0";
}

void GetCityTax(const EmployeeProfile &profile, const CityTaxSettings &city, const NonCitySettings &nonCity,
    PayResult &pay)
{
    if (profile.NonCity == 0) {
        const Bracket table = profile.StateStatus == "Single"
            ? Bracket{city.CityMinBS, city.CityAmtBS, city.CityPerBS}
            : Bracket{city.CityMinBM, city.CityAmtBM, city.CityPerBM};
        if (profile.BiWeek != 0) {
            pay.CityWages = toAmount(double(pay.TaxableWages) - double(pay.CityExemptAmt));
            bracketTax(table, CityLastRow, false, pay.CityWages, pay.CityTax);
        }
        if (profile.Week != 0) {
            pay.CityWages = toAmount(double(pay.TaxableWages) - double(pay.CityExemptAmt) / 2);
            bracketTax(table, CityLastRow, true, pay.CityWages, pay.CityTax);
        }
        return;
    }
    // Non-resident: the table gives the amount to subtract; the weekly table is its own.
    auto subtraction = [&](const NonCityRows &minimums, const NonCityRows &amounts) {
        forEachApplyingRow(minimums, CityLastRow, false, pay.TaxableWages,
            [&](std::size_t i, Amount) { pay.CityExemptAmt = amounts[i]; });
    };
    if (profile.BiWeek != 0)
        subtraction(nonCity.NonMinBi, nonCity.NonExpBi);
    if (profile.Week != 0)
        subtraction(nonCity.NonMinWk, nonCity.NonExpWk);
    pay.CityTax = toAmount((double(pay.TaxableWages) - double(pay.CityExemptAmt)) * double(nonCity.NonPer));
}

} // namespace tallyman
