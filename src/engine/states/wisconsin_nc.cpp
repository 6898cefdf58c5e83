// Wisconsin and North Carolina withholding.
#include "engine/states/wisconsin_nc.h"

#include "engine/states/state_rules.h"

namespace tallyman {

namespace {

states::BracketTable statusTable(const StateCalc& calc)
{
    return states::statusIsSingle(calc.profile) ? states::singleTable(calc.state)
                                                : states::marriedTable(calc.state);
}

// The tables hold bi-weekly figures; a weekly employee gets half of each amount.
double periodShare(double biWeeklyAmount, bool biWeekly)
{
    return biWeekly ? biWeeklyAmount : biWeeklyAmount / 2;
}

} // namespace

void GetWisconsin(StateCalc& calc)
{
    PayResult& pay = calc.pay;
    const bool biWeekly = states::paidBiWeekly(calc.profile);
    const states::BracketTable t = statusTable(calc);

    pay.StateWages
        = toAmount(double(pay.TaxableWages) - double(calc.state.CalAllow) - double(pay.CafeStateAmt));
    const Amount w = pay.StateWages;
    if (const auto i = states::applyingRow(t.Min, w, !biWeekly)) {
        const double lower = states::rowMinimum(t.Min, *i, !biWeekly);
        pay.StateTax = toAmount((double(w) - lower) * double(t.Per[*i]) + periodShare(t.Amt[*i], biWeekly));
    }
    pay.StateTax = toAmount(double(pay.StateTax) - periodShare(pay.StateExemptAmt, biWeekly));
}

void GetNC(StateCalc& calc)
{
    PayResult& pay = calc.pay;
    const bool biWeekly = states::paidBiWeekly(calc.profile);
    const states::BracketTable t = statusTable(calc);

    pay.StateWages = toAmount(double(pay.TaxableWages) - double(calc.state.CalAllow)
        - periodShare(pay.StateExemptAmt, biWeekly) - double(pay.CafeStateAmt));
    const Amount w = pay.StateWages;
    if (const auto i = states::applyingRow(t.Min, w, !biWeekly))
        pay.StateTax = toAmount(double(w) * double(t.Per[*i]) - periodShare(t.Amt[*i], biWeekly));
}

} // namespace tallyman
