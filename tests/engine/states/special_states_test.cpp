// The special-state table: one row for each flag of the state record, each named once.
#include "engine/states/special_states.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

using namespace tallyman;

namespace {

TEST(SpecialStateTable, EveryFlagOfTheRecordHasOneRow)
{
    // The size of the table matches the run of flags from Ariz up to Spouse at compile time; a
    // row naming another field, or one flag twice, would leave one of the run without a row.
    const StateTaxSettings record;
    const std::less<const short*> before;
    std::set<const short*> flags;
    for (const SpecialState& state : SpecialStates) {
        const short* flag = &(record.*state.flag);
        EXPECT_FALSE(before(flag, &record.Ariz)) << state.field;
        EXPECT_TRUE(before(flag, &record.Spouse)) << state.field;
        flags.insert(flag);
    }
    EXPECT_EQ(flags.size(), SpecialStates.size());
}

TEST(SpecialStateTable, EachNameBelongsToOneState)
{
    for (const auto name : { &SpecialState::field, &SpecialState::caption, &SpecialState::command }) {
        std::set<std::string> names;
        for (const SpecialState& state : SpecialStates)
            names.insert(state.*name);
        EXPECT_EQ(names.size(), SpecialStates.size());
    }
}

} // namespace
