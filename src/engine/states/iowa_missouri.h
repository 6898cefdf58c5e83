// Iowa and Missouri withholding: rate schedules built into the program.
#pragma once

#include "engine/state_calc.h"

namespace tallyman {

// Sets StateTax: the Iowa schedule on the wages less the standard deduction of entry
// `StateExemptions` of StateSgExp, less the credit of the same entry of StateMarExp.
void GetIowa(StateCalc& calc, int StateExemptions);

// Sets StateTax from the Missouri schedule on the wages less the standard deduction of entry
// `StateExemptions` of StateSgExp, and switches RoundOff on: Missouri is withheld in whole dollars.
void GetMissouri(StateCalc& calc, int StateExemptions);

} // namespace tallyman
