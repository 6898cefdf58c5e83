// A user's profile file set as the program holds it. Header only: the tests that include it
// link the employee library already.
#pragma once

#include "employee/profile_files.h"

namespace tallyman::test {

// The records the profile files are written from and read into.
struct UserRecords {
    EmployeeProfile profile;
    OvertimeTracker tracker;
    PrinterOffsets offsets;
    StateTaxSettings state;
    ProfileReserved reserved;

    ProfileFileSet set() { return { profile, tracker, offsets, state, reserved }; }
    LoadOutcome load(const DataFolder& folder, const std::string& user)
    {
        ProfileFileSet files = set();
        return loadProfileFileSet(folder, user, files);
    }
    std::optional<std::string> save(const DataFolder& folder, const std::string& user)
    {
        return saveProfileFileSet(folder, user, set());
    }
};

} // namespace tallyman::test
