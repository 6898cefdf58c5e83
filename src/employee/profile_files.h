// The profile file set (.use, .and, .cfe, .ovw or .ovb): everything written together.
#pragma once

#include "storage/fileset.h"
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
// The .use slots are written empty by this program but may hold anything: they are kept as
// the text read and written back as an empty field (""), #TRUE#/#FALSE#, a number (when the
// text reads as one), or else quoted text.
struct ProfileReserved {
    std::array<std::string, 15> useFields{}; // .use 9.2-9.4, then records 10-12 (4 each)
    std::array<Amount, 5> andFloats{};       // .and 2.2, 2.3, 3.1-3.3
    std::array<short, 3> andBooleans{};      // .and record 4 (#TRUE# reads as -1)
    std::array<std::string, 2> andTexts{};   // .and 6.2, 6.3
    std::array<short, 2> andInts{};          // .and 8.2, 8.3
};

constexpr int WeeklyTrackerRows = 53;   // .ovw
constexpr int BiWeeklyTrackerRows = 27; // .ovb

// Week is -1: the tracker rows go to .ovw; anything else means bi-weekly (.ovb).
bool paysWeekly(const EmployeeProfile &profile);
int trackerRows(const EmployeeProfile &profile);

// The records the four files hold. The state flags kept here are WisconApril, Spouse,
// CalAllow, RoundOff, Utah, Wiscon, Alabama and NC.
struct ProfileFileSet {
    EmployeeProfile &profile;
    OvertimeTracker &tracker;
    PrinterOffsets &offsets;
    StateTaxSettings &state;
    ProfileReserved &reserved;
};

// Absent: none of the files to read was there, nothing changed.
enum class LoadOutcome { Loaded, Absent, EndedEarly };

// Writes .use, .and, .cfe, then .ovw (Week is -1) or .ovb, as the records stand; the file of
// the other pay frequency is not touched. Returns a reason when a text cannot be stored (then
// nothing is written) or a file could not be written (files written before it stay written,
// the failed one keeps its old content).
std::optional<std::string> saveProfileFileSet(const DataFolder &folder, const std::string &userName,
    const ProfileFileSet &set);

// Reads whichever of the four files exist, in order, the tracker file chosen by the Week just
// read; a missing file leaves its fields as they were. A file that ends early stops the load
// there (fields read so far keep their new values) and the result is EndedEarly.
LoadOutcome loadProfileFileSet(const DataFolder &folder, const std::string &userName, ProfileFileSet &set);

} // namespace tallyman
