// The built-in state formulas and their selection by the special-state flags.
#pragma once

#include "engine/state_calc.h"

namespace tallyman {

// Runs every built-in formula whose flag is on, in the order of SpecialStates; a later one
// replaces what an earlier one set. Returns false when none is on (Arizona has none): the
// generic table then runs instead.
bool runStateFormulas(StateCalc& calc);

} // namespace tallyman
