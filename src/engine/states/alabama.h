// Alabama withholding: deductions, exemptions and rates built into the program.
#pragma once

#include "engine/state_calc.h"

namespace tallyman {

// Sets StateTax from gross pay less the standard deduction, the personal and dependent
// exemptions and the period's federal tax; Depend2 is the number of dependents.
void GetAlabama(StateCalc& calc, int Depend2);

} // namespace tallyman
