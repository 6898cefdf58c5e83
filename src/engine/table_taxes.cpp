// Bracket tables entered as bi-weekly figures; a weekly employee works on halved bounds.
#include "engine/table_taxes.h"

#include "engine/bracket_rows.h"

#include <cstddef>

namespace tallyman {

namespace {

constexpr std::size_t StateLastRow = 9;
constexpr std::size_t CityLastRow = 7;

struct Bracket {
    const StateRows& min;
    const StateRows& amt;
    const StateRows& per;
};

// Bracket tax of a wage: (wage - minimum) x rate + amount, all halved for a weekly employee.
void bracketTax(const Bracket& table, std::size_t last, bool weekly, Amount wage, Amount& tax)
{
    const double share = weekly ? 0.5 : 1.0;
    if (const auto i = applyingRow(table.min, last, wage, weekly))
        tax = toAmount((double(wage) - double(rowMinimum(table.min, *i, weekly))) * double(table.per[*i])
            + double(table.amt[*i]) * share);
}

} // namespace

void GetStateTable(const EmployeeProfile& profile, const StateTaxSettings& state, PayResult& pay)
{
    const Bracket table = profile.StateStatus == "Single"
        ? Bracket { state.StateMinBS, state.StateAmtBS, state.StatePerBS }
        : Bracket { state.StateMinBM, state.StateAmtBM, state.StatePerBM };
    if (profile.BiWeek != 0) {
        pay.StateWages
            = toAmount(double(pay.TaxableWages) - double(pay.StateExemptAmt) - double(pay.CafeStateAmt));
        bracketTax(table, StateLastRow, false, pay.StateWages, pay.StateTax);
    }
    if (profile.Week != 0) {
        const Amount halfExemption = toAmount(double(pay.StateExemptAmt) / 2);
        pay.StateWages
            = toAmount(double(pay.TaxableWages) - double(halfExemption) - double(pay.CafeStateAmt));
        bracketTax(table, StateLastRow, true, pay.StateWages, pay.StateTax);
    }
    // The California allowance is the same for both pay periods, and applies even when no row does.
    pay.StateTax = toAmount(double(pay.StateTax) - double(state.CalAllow));
}

void ZeroBlankStateFields(StateBoxes& stateBoxes)
{
    for (std::string& text : stateBoxes)
        if (text.empty())
            text = "0";
}

void GetCityTax(const EmployeeProfile& profile, const CityTaxSettings& city, const NonCitySettings& nonCity,
    PayResult& pay)
{
    if (profile.NonCity == 0) {
        const Bracket table = profile.StateStatus == "Single"
            ? Bracket { city.CityMinBS, city.CityAmtBS, city.CityPerBS }
            : Bracket { city.CityMinBM, city.CityAmtBM, city.CityPerBM };
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
    auto subtraction = [&](const NonCityRows& minimums, const NonCityRows& amounts) {
        if (const auto i = applyingRow(minimums, CityLastRow, pay.TaxableWages, false))
            pay.CityExemptAmt = amounts[*i];
    };
    if (profile.BiWeek != 0)
        subtraction(nonCity.NonMinBi, nonCity.NonExpBi);
    if (profile.Week != 0)
        subtraction(nonCity.NonMinWk, nonCity.NonExpWk);
    pay.CityTax = toAmount((double(pay.TaxableWages) - double(pay.CityExemptAmt)) * double(nonCity.NonPer));
}

} // namespace tallyman
