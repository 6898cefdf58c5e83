// A calculation's worth of records for driving one state formula in a test.
#pragma once

#include "engine/state_calc.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyman::testing {

struct StateWorld {
    EmployeeProfile profile;
    StateTaxSettings state;
    LedgerTotals ledger;
    PayResult pay;
    UtahWork utah;

    StateWorld(bool biWeekly = true, const std::string &status = "Single")
    {
        profile.BiWeek = biWeekly ? -1 : 0;
        profile.Week = biWeekly ? 0 : -1;
        profile.StateStatus = status;
        profile.FedStatus = status;
        for (std::size_t i = 0; i < state.StateMinBS.size(); ++i)
            state.StateMinBS[i] = state.StateMinBM[i] = 999999;
    }

    StateCalc calc() { return { profile, state, ledger, pay, utah }; }
};

// Names a parameterised case by its `name` field.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case> &info) const
    {
        return info.param.name;
    }
};

} // namespace tallyman::testing
