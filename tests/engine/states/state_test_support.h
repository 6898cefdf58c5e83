// A calculation's worth of records for driving one state formula in a test.
#pragma once

#include "engine/state_calc.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyman::testing {

// Float results of a few hundred dollars carry about 1e-5 of noise; a cent error is 1e-2.
constexpr double Tolerance = 5e-5;

struct StateWorld {
    EmployeeProfile profile;
    StateTaxSettings state;
    LedgerTotals ledger;
    PayResult pay;
    UtahWork utah;

    explicit StateWorld(bool biWeekly = true, const std::string& status = "Single")
    {
        profile.BiWeek = biWeekly ? -1 : 0;
        profile.Week = biWeekly ? 0 : -1;
        profile.StateStatus = profile.FedStatus = status;
        state.StateMinBS.fill(999999);
        state.StateMinBM.fill(999999);
    }

    StateCalc calc() { return { profile, state, ledger, pay, utah }; }
};

// Names a parameterised case by its `name` field.
struct CaseName {
    template <typename Case> std::string operator()(const ::testing::TestParamInfo<Case>& info) const
    {
        return info.param.name;
    }
};

} // namespace tallyman::testing
