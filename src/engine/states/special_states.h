// The special states, one row each: the flag in the state record, the built-in formula and the
// names the front ends show. Everything that lists the special states reads this table.
#pragma once

#include "engine/state_calc.h"
#include "engine/states/alabama.h"
#include "engine/states/iowa_missouri.h"
#include "engine/states/louisiana_mass_kentucky.h"
#include "engine/states/utah_oregon.h"
#include "engine/states/wisconsin_nc.h"

#include <array>
#include <cstddef>

namespace tallyman {

struct SpecialState {
    short StateTaxSettings::*flag;
    const char* field; // the flag's name, as `state show` lists it
    const char* caption; // the state dialog's check box
    const char* command; // `state select NAME`
    void (*formula)(StateCalc&); // nullptr: the generic table computes the tax
};

namespace special_formulas {

// The formulas that take the profile's number of state exemptions.
inline void iowa(StateCalc& calc) { GetIowa(calc, calc.profile.StateExemptions); }
inline void missouri(StateCalc& calc) { GetMissouri(calc, calc.profile.StateExemptions); }
inline void alabama(StateCalc& calc) { GetAlabama(calc, calc.profile.StateExemptions); }

} // namespace special_formulas

// In the order the presets and the formulas apply: when the record selects several states, the
// last one applied wins.
inline constexpr std::array SpecialStates {
    SpecialState { &StateTaxSettings::Ariz, "Ariz", "Arizona", "arizona", nullptr },
    SpecialState { &StateTaxSettings::Louis, "Louis", "Louisiana", "louisiana", GetLouisiana },
    SpecialState { &StateTaxSettings::Iowa, "Iowa", "Iowa", "iowa", special_formulas::iowa },
    SpecialState {
        &StateTaxSettings::Missouri, "Missouri", "Missouri", "missouri", special_formulas::missouri },
    SpecialState { &StateTaxSettings::Mass, "Mass", "Mass", "mass", GetMass },
    SpecialState { &StateTaxSettings::Oregon, "Oregon", "Oregon", "oregon", GetOregon },
    SpecialState { &StateTaxSettings::Utah, "Utah", "Utah", "utah", GetUtah },
    SpecialState { &StateTaxSettings::Alabama, "Alabama", "Alabama", "alabama", special_formulas::alabama },
    SpecialState { &StateTaxSettings::Kentucky, "Kentucky", "Kentucky", "kentucky", GetKentucky },
    SpecialState {
        &StateTaxSettings::Wiscon, "Wiscon", "Wisconsin Prior to 4/1/14", "wisconsin-prior", GetWisconsin },
    SpecialState { &StateTaxSettings::WisconApril, "WisconApril", "Wisconsin", "wisconsin", GetWisconsin },
    SpecialState { &StateTaxSettings::NC, "NC", "N.C.", "nc", GetNC },
};

// The flags stand together in the record, from Ariz up to Spouse: a flag added there needs its row.
static_assert(offsetof(StateTaxSettings, Spouse) - offsetof(StateTaxSettings, Ariz)
        == SpecialStates.size() * sizeof(short),
    "every special-state flag of StateTaxSettings has one row in SpecialStates");

// The row of a flag; naming a flag without a row does not compile where a constant is needed.
constexpr const SpecialState& specialState(short StateTaxSettings::*flag)
{
    for (const SpecialState& state : SpecialStates)
        if (state.flag == flag)
            return state;
    throw "not a special-state flag";
}

// The rows in the order their flags are declared in the record, which is the order `state show`
// lists them and the command line names them.
std::array<const SpecialState*, SpecialStates.size()> specialStatesInRecordOrder();

} // namespace tallyman
