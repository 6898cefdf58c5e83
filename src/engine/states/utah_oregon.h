// Utah and Oregon withholding.
#pragma once

#include "engine/state_calc.h"

namespace tallyman {

// Sets StateTax (and StateWages to the same value) from the built-in Utah rate and its credit,
// which phases out above a start that depends on status and pay period; keeps the working
// values in calc.utah.
void GetUtah(StateCalc& calc);

// Sets StateWages (gross pay less the capped federal tax and the standard deduction) and
// StateTax from rows 0-2 of the single or married table less the exemption credit.
void GetOregon(StateCalc& calc);

} // namespace tallyman
