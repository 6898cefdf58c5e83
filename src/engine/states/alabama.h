// Alabama withholding: deductions, exemptions and rates built into the program.
#pragma once

#include "engine/state_calc.h"

#include <array>

namespace tallyman {

// Sets StateTax from gross pay less the standard deduction, the personal and dependent
// exemptions and the period's federal tax; Depend2 is the number of dependents.
void GetAlabama(StateCalc &calc, int Depend2);

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

const AlabamaFigures &alabamaFigures(bool biWeekly);

} // namespace tallyman
