// Iowa and Missouri withholding: rate schedules built into the program.
#pragma once

#include "engine/state_calc.h"

#include <array>

namespace tallyman {

// Sets StateTax: the Iowa schedule on the wages less the standard deduction of entry
// `StateExemptions` of StateSgExp, less the credit of the same entry of StateMarExp.
void GetIowa(StateCalc &calc, int StateExemptions);

// Sets StateTax from the Missouri schedule on the wages less the standard deduction of entry
// `StateExemptions` of StateSgExp, and switches RoundOff on: Missouri is withheld in whole dollars.
void GetMissouri(StateCalc &calc, int StateExemptions);

// The Missouri base of each row (the tax of every row below it), a running 32-bit float sum.
std::array<Amount, 8> missouriBases(bool biWeekly);

} // namespace tallyman
