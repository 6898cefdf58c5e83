// Louisiana, Massachusetts and Kentucky withholding, all three from gross pay.
#pragma once

#include "engine/state_calc.h"

namespace tallyman {

// Sets StateTax from the built-in Louisiana rates; entry 0 of StateSgExp holds the number of
// personal exemptions and entry 0 of StateMarExp the number of dependents.
void GetLouisiana(StateCalc& calc);

// Sets StateWages and StateTax: a flat rate (entry 0 of StatePerBS) on gross pay less the
// exemption of StateMarExp, and less the period's Social Security and Medicare while the
// year's total of both is at most 2000.
void GetMass(StateCalc& calc);

// Sets StateTax from rows 0-5 of the single or married table read as a progressive schedule:
// Min is the upper end of a bracket, Per its rate, Amt the standard deduction; the allowance
// entry for the exemptions is a credit off the tax.
void GetKentucky(StateCalc& calc);

} // namespace tallyman
