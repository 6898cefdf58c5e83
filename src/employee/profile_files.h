// The profile file set (.use, .and, .cfe, .ovw or .ovb): everything written together.
#pragma once

#include "employee/fileset.h"
#include "engine/employee_profile.h"
#include "engine/tax_settings.h"
#include "trackers/overtime_record.h"

#include <array>
#include <optional>
#include <string>

namespace tallyman {

// The check printer offsets, kept in the .and file.
struct PrinterOffsets {
    Amount HorzOffset = 0;
    Amount VertOffset = 0;
};

// Fields the program never sets, carried from load to save so nothing found there is lost.
struct ProfileReserved {
    std::array<std::string, 15> useFields{}; // .use 9.2-9.4 and records 10-12, as read (empty kind)
    std::array<Amount, 5> andFloats{};       // .and 2.2, 2.3, 3.1-3.3
    std::array<short, 3> andBooleans{};      // .and record 4 (#TRUE# reads as -1)
    std::array<std::string, 2> andTexts{};   // .and 6.2, 6.3
    std::array<short, 2> andInts{};          // .and 8.2, 8.3
};

// The records the four files hold. The state flags kept here are WisconApril, Spouse,
// CalAllow, RoundOff, Utah, Wiscon, Alabama and NC.
struct ProfileFileSet {
    EmployeeProfile &profile;
    OvertimeTracker &tracker;
    PrinterOffsets &offsets;
    StateTaxSettings &state;
    ProfileReserved &reserved;
};

enum class LoadOutcome { Loaded, Absent, EndedEarly };

// Writes .use, .and, .cfe, then .ovw (Week is -1) or .ovb, as the records stand. Returns a
// reason when a file could not be written (files written before it stay written).
std::optional<std::string> saveProfileFileSet(const DataFolder &folder, const std::string &userName,
    const ProfileFileSet &set);

// Reads whichever of the four files exist, in order; a file that ends early stops the load
// there (fields read so far keep their new values) and the result is EndedEarly.
LoadOutcome loadProfileFileSet(const DataFolder &folder, const std::string &userName, ProfileFileSet &set);

} // namespace tallyman
