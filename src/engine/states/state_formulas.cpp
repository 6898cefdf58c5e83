// Runs the built-in state formulas selected by the special-state flags.
#include "engine/states/state_formulas.h"

#include "engine/states/alabama.h"
#include "engine/states/iowa_missouri.h"
#include "engine/states/louisiana_mass_kentucky.h"
#include "engine/states/utah_oregon.h"
#include "engine/states/wisconsin_nc.h"

#include <array>

namespace tallyman {

namespace {

struct StateFormula {
    short StateTaxSettings::*flag;
    void (*run)(StateCalc&);
};

void runIowa(StateCalc& calc) { GetIowa(calc, calc.profile.StateExemptions); }

void runMissouri(StateCalc& calc) { GetMissouri(calc, calc.profile.StateExemptions); }

void runAlabama(StateCalc& calc) { GetAlabama(calc, calc.profile.StateExemptions); }

// The order matters when the stored flags select more than one state: the last one to set a
// value wins.
constexpr std::array<StateFormula, 11> Formulas { {
    { &StateTaxSettings::Louis, GetLouisiana },
    { &StateTaxSettings::Iowa, runIowa },
    { &StateTaxSettings::Missouri, runMissouri },
    { &StateTaxSettings::Mass, GetMass },
    { &StateTaxSettings::Oregon, GetOregon },
    { &StateTaxSettings::Utah, GetUtah },
    { &StateTaxSettings::Alabama, runAlabama },
    { &StateTaxSettings::Kentucky, GetKentucky },
    { &StateTaxSettings::Wiscon, GetWisconsin },
    { &StateTaxSettings::WisconApril, GetWisconsin },
    { &StateTaxSettings::NC, GetNC },
} };

} // namespace

bool runStateFormulas(StateCalc& calc)
{
    bool ran = false;
    for (const StateFormula& formula : Formulas) {
        // A flag is on only as the check box writes it, 1.
        if (calc.state.*formula.flag == 1) {
            formula.run(calc);
            ran = true;
        }
    }
    return ran;
}

} // namespace tallyman
