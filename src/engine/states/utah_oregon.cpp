// Utah and Oregon withholding.
#include "engine/states/utah_oregon.h"

#include "engine/states/state_rules.h"

namespace tallyman {

namespace {

constexpr double UtahRate = 0.0465;
constexpr double UtahPhaseOutRate = 0.013;

struct UtahCredit {
    double phaseOutStart;
    double baseCredit;
};

// By pay period, then single or any other status.
constexpr UtahCredit UtahBiWeeklySingle { 322, 16 };
constexpr UtahCredit UtahBiWeeklyOther { 644, 32 };
constexpr UtahCredit UtahWeeklySingle { 161, 8 };
constexpr UtahCredit UtahWeeklyOther { 322, 16 };

struct OregonFigures {
    double federalCap; // the most federal tax that reduces the wages
    double singleDeduction; // standard deduction, "Single"
    double marriedDeduction; // standard deduction, "Married"
};

constexpr OregonFigures OregonBiWeekly { 317.31, 105.58, 211.35 };
constexpr OregonFigures OregonWeekly { 158.65, 52.79, 105.67 };

// From this many exemptions on, a single employee is taxed on the married table.
constexpr int OregonMarriedFromExemptions = 3;

const UtahCredit& utahCredit(const EmployeeProfile& profile)
{
    const bool single = states::statusIsSingle(profile);
    if (states::paidBiWeekly(profile))
        return single ? UtahBiWeeklySingle : UtahBiWeeklyOther;
    return single ? UtahWeeklySingle : UtahWeeklyOther;
}

double notNegative(double value) { return value < 0 ? 0 : value; }

} // namespace

void GetUtah(StateCalc& calc)
{
    const UtahCredit& c = utahCredit(calc.profile);
    UtahWork& u = calc.utah;
    const double w = double(calc.pay.TaxableWages) - double(calc.pay.CafeStateAmt);
    u.Utah1 = toAmount(w * UtahRate);
    u.Utah2 = toAmount(notNegative(w - c.phaseOutStart));
    u.Utah3 = toAmount(double(u.Utah2) * UtahPhaseOutRate);
    u.Utah4 = toAmount(notNegative(c.baseCredit - double(u.Utah3)));
    calc.pay.StateTax = toAmount(double(u.Utah1) - double(u.Utah4));
    calc.pay.StateWages = calc.pay.StateTax;
}

void GetOregon(StateCalc& calc)
{
    PayResult& pay = calc.pay;
    const EmployeeProfile& profile = calc.profile;
    const OregonFigures& f = states::paidBiWeekly(profile) ? OregonBiWeekly : OregonWeekly;

    const double federal = double(pay.FedTax) <= f.federalCap ? double(pay.FedTax) : f.federalCap;
    pay.StateWages = toAmount(double(pay.GrossPay) - federal);
    if (profile.StateStatus == "Single")
        pay.StateWages = toAmount(double(pay.StateWages) - f.singleDeduction);
    else if (profile.StateStatus == "Married")
        pay.StateWages = toAmount(double(pay.StateWages) - f.marriedDeduction);

    const int n = profile.StateExemptions;
    const bool married = !states::statusIsSingle(profile) || n >= OregonMarriedFromExemptions;
    const states::BracketTable t
        = married ? states::marriedTable(calc.state) : states::singleTable(calc.state);
    const double credit = states::listEntry(t.Allowance, n);
    // Row 0 is a zero bracket; each test stands alone, as in the other tables.
    const Amount w = pay.StateWages;
    if (t.Min[0] <= w && w < t.Min[1])
        pay.StateTax = 0;
    if (t.Min[1] <= w && w < t.Min[2])
        pay.StateTax
            = toAmount((double(w) - double(t.Min[1])) * double(t.Per[1]) + double(t.Amt[1]) - credit);
    if (t.Min[2] <= w)
        pay.StateTax
            = toAmount((double(w) - double(t.Min[2])) * double(t.Per[2]) + double(t.Amt[2]) - credit);
}

} // namespace tallyman
