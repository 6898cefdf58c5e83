// Alabama withholding.
#include "engine/states/alabama.h"

#include "engine/states/state_rules.h"

#include <array>

namespace tallyman {

namespace {

// The Alabama figures of one pay period: each annual amount divided by the periods of the year
// and rounded to cents.
struct AlabamaFigures {
    // The standard deduction falls in steps as gross pay rises: deduction[0] below
    // threshold[0], deduction[k] from threshold[k-1], deduction[20] from threshold[19].
    struct DeductionSteps {
        std::array<double, 20> threshold;
        std::array<double, 21> deduction;
    };
    struct Schedule {
        double L1, L2;
        double band1Tax; // the full tax of the first band
        double band2Tax; // the full tax of the second band
    };
    DeductionSteps single, separate, joint;
    double personalSingle, personalOther;
    // Per dependent: up to the first limit, above it, above the second limit.
    std::array<double, 3> perDependent;
    double dependentLimit1, dependentLimit2;
    Schedule singleSchedule, otherSchedule;
};

// Annual figures of the Alabama formula, in dollars.
struct AnnualSteps {
    int start; // gross pay where the deduction starts to fall
    int width; // gross pay of one step
    int first; // deduction below the start
    int decrease; // deduction lost per step
    int last; // deduction from the last step up
};

constexpr AnnualSteps SingleSteps { 26000, 500, 3000, 25, 2500 };
constexpr AnnualSteps SeparateSteps { 13000, 250, 4250, 88, 2500 };
constexpr AnnualSteps JointSteps { 26000, 500, 8500, 175, 5000 };

constexpr int PersonalSingle = 1500;
constexpr int PersonalOther = 3000;

constexpr std::array<int, 3> PerDependent { 1000, 500, 300 };
constexpr int DependentLimit1 = 50000;
constexpr int DependentLimit2 = 100000;

struct AnnualSchedule {
    int L1, L2;
};

constexpr AnnualSchedule SingleSchedule { 500, 3000 };
constexpr AnnualSchedule OtherSchedule { 1000, 6000 };

constexpr std::array<double, 3> Rates { 0.02, 0.04, 0.05 };

constexpr int BiWeeklyPeriods = 26;
constexpr int WeeklyPeriods = 52;

// annual / periods in whole cents, a half cent rounded upward.
constexpr double perPeriod(int annual, int periods)
{
    const long long cents = (annual * 200LL + periods) / (2LL * periods);
    return double(cents) / 100.0;
}

constexpr AlabamaFigures::DeductionSteps deductionSteps(const AnnualSteps& annual, int periods)
{
    AlabamaFigures::DeductionSteps steps {};
    for (int k = 0; k < 20; ++k) {
        steps.threshold[static_cast<std::size_t>(k)] = perPeriod(annual.start + k * annual.width, periods);
        steps.deduction[static_cast<std::size_t>(k)] = perPeriod(annual.first - k * annual.decrease, periods);
    }
    steps.deduction[20] = perPeriod(annual.last, periods);
    return steps;
}

constexpr AlabamaFigures::Schedule schedule(const AnnualSchedule& annual, int periods)
{
    // The second band's width is itself a per-period figure, not the difference of the two
    // rounded limits.
    return { perPeriod(annual.L1, periods), perPeriod(annual.L2, periods),
        Rates[0] * perPeriod(annual.L1, periods), Rates[1] * perPeriod(annual.L2 - annual.L1, periods) };
}

constexpr AlabamaFigures figures(int periods)
{
    return {
        deductionSteps(SingleSteps, periods),
        deductionSteps(SeparateSteps, periods),
        deductionSteps(JointSteps, periods),
        perPeriod(PersonalSingle, periods),
        perPeriod(PersonalOther, periods),
        { perPeriod(PerDependent[0], periods), perPeriod(PerDependent[1], periods),
            perPeriod(PerDependent[2], periods) },
        perPeriod(DependentLimit1, periods),
        perPeriod(DependentLimit2, periods),
        schedule(SingleSchedule, periods),
        schedule(OtherSchedule, periods),
    };
}

constexpr AlabamaFigures BiWeeklyFigures = figures(BiWeeklyPeriods);
constexpr AlabamaFigures WeeklyFigures = figures(WeeklyPeriods);

// The limits are compared with gross pay and with the taxable amount as 32-bit floats.
bool atMost(Amount value, double limit) { return value <= toAmount(limit); }

double standardDeduction(const AlabamaFigures& f, const EmployeeProfile& profile, Amount gross)
{
    const AlabamaFigures::DeductionSteps* steps = nullptr;
    if (profile.FedStatus == "Single" && profile.StateStatus == "Single")
        steps = &f.single;
    else if (profile.FedStatus == "Married" && profile.StateStatus == "Single")
        steps = &f.separate;
    else if (profile.FedStatus == "Married" && profile.StateStatus == "Married")
        steps = &f.joint;
    if (!steps)
        return 0;
    std::size_t k = 0;
    while (k < steps->threshold.size() && !(gross < toAmount(steps->threshold[k])))
        ++k;
    return steps->deduction[k];
}

double perDependent(const AlabamaFigures& f, Amount gross)
{
    if (!atMost(gross, f.dependentLimit2))
        return f.perDependent[2];
    if (!atMost(gross, f.dependentLimit1))
        return f.perDependent[1];
    return f.perDependent[0];
}

const AlabamaFigures& alabamaFigures(bool biWeekly) { return biWeekly ? BiWeeklyFigures : WeeklyFigures; }

} // namespace

void GetAlabama(StateCalc& calc, int Depend2)
{
    const AlabamaFigures& f = alabamaFigures(states::paidBiWeekly(calc.profile));
    const bool single = states::statusIsSingle(calc.profile);
    const Amount gross = calc.pay.GrossPay;

    const double S = standardDeduction(f, calc.profile, gross);
    const double X = single ? f.personalSingle : f.personalOther;
    const double D = Depend2 * perDependent(f, gross);
    const Amount T = toAmount(double(gross) - (S + X + double(calc.pay.FedTax) + D));

    const AlabamaFigures::Schedule& s = single ? f.singleSchedule : f.otherSchedule;
    double tax;
    if (atMost(T, s.L1))
        tax = Rates[0] * double(T);
    else if (atMost(T, s.L2))
        tax = s.band1Tax + Rates[1] * (double(T) - s.L1);
    else
        tax = s.band1Tax + s.band2Tax + Rates[2] * (double(T) - s.L2);
    calc.pay.StateTax = toAmount(tax);
}

} // namespace tallyman
