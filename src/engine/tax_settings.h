// The withholding settings: state (with SDI/SUI and the special-state flags), city, non-city.
#pragma once

#include "numbers/amount.h"

#include <array>

namespace tallyman {

using StateRows = std::array<Amount, 10>;

// All bracket and allowance amounts are bi-weekly figures; weekly ones are derived.
struct StateTaxSettings {
    StateRows StateMinBS {}, StateAmtBS {}, StatePerBS {}; // single table
    StateRows StateMinBM {}, StateAmtBM {}, StatePerBM {}; // married table
    StateRows StateSgExp {}, StateMarExp {}; // allowance by exemptions
    short NoStateTax = 0;
    Amount SDIpercent = 0;
    Amount SDIwageBase = 0; // wage base, or the flat amount of a period when SDIUseBase is 0
    short SDIUseBase = 0;
    Amount SUIpercent = 0;
    Amount SUIwageBase = 0;
    short SUIUseBase = 0;
    Amount StateAdj = 0;
    Amount CalAllow = 0;
    // Special-state flags (0/1), one row each in SpecialStates (engine/states/special_states.h).
    short Ariz = 0, Louis = 0, Iowa = 0, Missouri = 0, Utah = 0, Alabama = 0, Mass = 0, Oregon = 0,
          Kentucky = 0, Wiscon = 0, WisconApril = 0, NC = 0;
    short Spouse = 0;
    short RoundOff = 0;
};

struct CityTaxSettings {
    StateRows CityMinBS {}, CityAmtBS {}, CityPerBS {};
    StateRows CityMinBM {}, CityAmtBM {}, CityPerBM {};
    StateRows CitySgExp {}, CityMarExp {};
    short NoLocalTax = 0;
};

using NonCityRows = std::array<Amount, 8>;

struct NonCitySettings {
    NonCityRows NonMinBi {}, NonExpBi {}; // bi-weekly table
    NonCityRows NonMinWk {}, NonExpWk {}; // weekly table, entered and stored as such
    Amount NonPer = 0;
};

} // namespace tallyman
