// Runs the built-in state formulas selected by the special-state flags.
#include "engine/states/state_formulas.h"

#include "engine/states/special_states.h"

namespace tallyman {

bool runStateFormulas(StateCalc& calc)
{
    bool ran = false;
    // In the table's order: the last formula to set a value wins.
    for (const SpecialState& state : SpecialStates) {
        // A flag is on only as the check box writes it, 1.
        if (state.formula && calc.state.*state.flag == 1) {
            state.formula(calc);
            ran = true;
        }
    }
    return ran;
}

} // namespace tallyman
