// Louisiana, Massachusetts and Kentucky withholding.
#include "engine/states/louisiana_mass_kentucky.h"

#include "engine/states/state_rules.h"

#include <algorithm>
#include <array>

namespace tallyman {

namespace {

// Louisiana per-period figures; the second limits apply to two personal exemptions.
struct LouisianaFigures {
    double exemption; // per personal exemption
    double perDependent;
    std::array<double, 2> L1; // one or no exemption, two exemptions
    std::array<double, 2> L2;
};

constexpr LouisianaFigures LouisianaBiWeekly { 173.08, 38.46, { 480.77, 961.54 }, { 1923.08, 3846.15 } };
constexpr LouisianaFigures LouisianaWeekly { 86.54, 19.23, { 240.38, 480.77 }, { 961.54, 1923.08 } };

// The rates of the three bands; the credits use the first two.
constexpr std::array<double, 3> LouisianaRates { 0.0185, 0.0165, 0.0075 };
constexpr short LouisianaMaxExemptions = 2;

constexpr double MassYearlyDeductionLimit = 2000;

constexpr std::size_t KentuckyRows = 6;

} // namespace

void GetLouisiana(StateCalc& calc)
{
    const short W = toInt16(calc.state.StateSgExp[0]);
    const short D = toInt16(calc.state.StateMarExp[0]);
    if (W > LouisianaMaxExemptions) {
        calc.pay.StateTax = 0;
        return;
    }
    const LouisianaFigures& f = states::paidBiWeekly(calc.profile) ? LouisianaBiWeekly : LouisianaWeekly;
    const std::size_t limits = W == LouisianaMaxExemptions ? 1 : 0;
    const double L1 = f.L1[limits];
    const double L2 = f.L2[limits];
    const double S = std::max(double(calc.pay.GrossPay), 0.0);

    const double allowances = W * f.exemption + D * f.perDependent;
    const double X = std::max(allowances * LouisianaRates[0], 0.0);
    const double Y = std::max((allowances - L1) * LouisianaRates[1], 0.0);

    double tax = S * LouisianaRates[0];
    if (S > double(toAmount(L1)))
        tax += (S - L1) * LouisianaRates[1];
    if (S > double(toAmount(L2)))
        tax += (S - L2) * LouisianaRates[2];
    calc.pay.StateTax = toAmount(std::max(tax - (Y + X), 0.0));
}

void GetMass(StateCalc& calc)
{
    PayResult& pay = calc.pay;
    const Amount yearToDate = toAmount(double(calc.ledger.TotSS) + double(calc.ledger.TotMedi));
    if (double(yearToDate) <= MassYearlyDeductionLimit)
        pay.StateWages = toAmount(double(pay.GrossPay) - double(pay.SocSecTax) - double(pay.MedicareTax));
    else
        pay.StateWages = pay.GrossPay;
    const double exemption = states::listEntry(calc.state.StateMarExp, calc.profile.StateExemptions);
    const double periodExemption = states::paidBiWeekly(calc.profile) ? exemption : exemption / 2;
    pay.StateWages = toAmount(double(pay.StateWages) - periodExemption);
    pay.StateTax = toAmount(double(pay.StateWages) * double(calc.state.StatePerBS[0]));
}

void GetKentucky(StateCalc& calc)
{
    const states::BracketTable t = states::statusIsSingle(calc.profile) ? states::singleTable(calc.state)
                                                                        : states::marriedTable(calc.state);
    const double credit = states::listEntry(t.Allowance, calc.profile.StateExemptions);
    const Amount gross = calc.pay.GrossPay;

    std::array<Amount, KentuckyRows> x {};
    for (std::size_t i = 0; i < KentuckyRows; ++i)
        x[i] = toAmount(double(gross) - double(t.Amt[i]));

    // full[k]: the tax of the whole of bracket k, each stored as a float.
    std::array<Amount, KentuckyRows> full {};
    full[0] = toAmount(double(t.Min[0]) * double(t.Per[0]));
    for (std::size_t j = 1; j < KentuckyRows; ++j)
        full[j] = toAmount((double(t.Min[j]) - double(t.Min[j - 1])) * double(t.Per[j]));

    // Tax of row k >= 1: the brackets below in full plus the part of x_k above Min[k-1].
    auto rowTax = [&](std::size_t k) {
        double sum = 0;
        for (std::size_t j = 0; j < k; ++j)
            sum += double(full[j]);
        sum += double(toAmount((double(x[k]) - double(t.Min[k - 1])) * double(t.Per[k])));
        return toAmount(sum - credit);
    };

    if (x[0] <= t.Min[0])
        calc.pay.StateTax = toAmount(double(toAmount(double(x[0]) * double(t.Per[0]))) - credit);
    if (x[0] > t.Min[0] && x[1] <= t.Min[1])
        calc.pay.StateTax = rowTax(1);
    if (x[1] > t.Min[1] && x[2] <= t.Min[2])
        calc.pay.StateTax = rowTax(2);
    if (x[0] > t.Min[2] && x[0] <= t.Min[3])
        calc.pay.StateTax = rowTax(3);
    if (x[0] > t.Min[3])
        calc.pay.StateTax = rowTax(4);
    if (x[0] > t.Min[4])
        calc.pay.StateTax = rowTax(5);
}

} // namespace tallyman
