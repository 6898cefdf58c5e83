// Wisconsin and North Carolina withholding: the bracket tables of the state settings with the
// deductions placed their own way.
#pragma once

#include "engine/state_calc.h"

namespace tallyman {

// Sets StateWages (taxable wages less CalAllow) and StateTax from the bracket row, less the
// exemption amount found for the employee, which Wisconsin takes off the tax.
void GetWisconsin(StateCalc& calc);

// Sets StateWages (taxable wages less CalAllow and the exemption amount) and StateTax: the
// row's rate on the whole wage less the row's amount.
void GetNC(StateCalc& calc);

} // namespace tallyman
