// Iowa and Missouri withholding.
#include "engine/states/iowa_missouri.h"

#include "engine/states/state_rules.h"

#include <array>
#include <cstddef>

namespace tallyman {

namespace {

// Row k covers upper[k-1] < x <= upper[k]; the last row is open above.
template <std::size_t N> std::size_t scheduleRow(const std::array<double, N>& upper, double x)
{
    std::size_t k = 0;
    while (k < N && x > upper[k])
        ++k;
    return k;
}

template <std::size_t N> double rowLower(const std::array<double, N>& upper, std::size_t k)
{
    return k == 0 ? 0.0 : upper[k - 1];
}

constexpr std::array<double, 4> IowaRates { 0.044, 0.0482, 0.057, 0.06 };

struct IowaSchedule {
    std::array<double, 3> upper;
    std::array<double, 4> base; // tax at the lower end of each row
};

constexpr IowaSchedule IowaBiWeekly { { 184.62, 923.08, 1923.08 }, { 0, 8.12, 43.71, 100.71 } };
constexpr IowaSchedule IowaWeekly { { 92.31, 461.54, 961.54 }, { 0, 4.06, 21.86, 50.36 } };

constexpr std::array<double, 8> MissouriRates { 0, 0.02, 0.025, 0.03, 0.035, 0.04, 0.045, 0.048 };

struct MissouriSchedule {
    std::array<double, 7> upper;
    // The bases grow by this width times the rate below. The weekly rows are 24 or 25 wide,
    // but the weekly bases step by 24 throughout.
    double baseWidth;
};

constexpr MissouriSchedule MissouriBiWeekly { { 49, 98, 147, 196, 245, 294, 343 }, 49 };
constexpr MissouriSchedule MissouriWeekly { { 24, 49, 73, 98, 122, 147, 171 }, 24 };

// Both formulas tax the same wage: the taxable wages less the standard deduction.
double standardWage(const StateCalc& calc, int n)
{
    return double(calc.pay.TaxableWages) - double(calc.pay.CafeStateAmt)
        - double(states::listEntry(calc.state.StateSgExp, n));
}

// The base of each row (the tax of every row below it), a running 32-bit float sum.
std::array<Amount, 8> missouriBases(bool biWeekly)
{
    const MissouriSchedule& schedule = biWeekly ? MissouriBiWeekly : MissouriWeekly;
    std::array<Amount, 8> bases {};
    for (std::size_t k = 1; k < bases.size(); ++k)
        bases[k] = toAmount(double(bases[k - 1]) + schedule.baseWidth * MissouriRates[k - 1]);
    return bases;
}

} // namespace

void GetIowa(StateCalc& calc, int StateExemptions)
{
    const IowaSchedule& schedule = states::paidBiWeekly(calc.profile) ? IowaBiWeekly : IowaWeekly;
    const double x = standardWage(calc, StateExemptions);
    const std::size_t k = scheduleRow(schedule.upper, x);
    const Amount tax = toAmount(schedule.base[k] + IowaRates[k] * (x - rowLower(schedule.upper, k)));
    calc.pay.StateTax
        = toAmount(double(tax) - double(states::listEntry(calc.state.StateMarExp, StateExemptions)));
}

void GetMissouri(StateCalc& calc, int StateExemptions)
{
    const bool biWeekly = states::paidBiWeekly(calc.profile);
    const MissouriSchedule& schedule = biWeekly ? MissouriBiWeekly : MissouriWeekly;
    const std::array<Amount, 8> bases = missouriBases(biWeekly);
    const double x = standardWage(calc, StateExemptions);
    const std::size_t k = scheduleRow(schedule.upper, x);
    calc.pay.StateTax = toAmount(double(bases[k]) + MissouriRates[k] * (x - rowLower(schedule.upper, k)));
    calc.state.RoundOff = 1;
}

} // namespace tallyman
