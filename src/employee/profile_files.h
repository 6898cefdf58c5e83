// The profile file set (.use, .and, .cfe, .ovw or .ovb, and .w4): everything written together.
#pragma once

#include "engine/employee_profile.h"
#include "engine/tax_settings.h"
#include "storage/fileset.h"
#include "trackers/overtime_record.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyman {

// The check printer offsets, kept in the .and file.
struct PrinterOffsets {
    Amount HorzOffset = 0;
    Amount VertOffset = 0;
};

// Fields the program never sets, carried from load to save so nothing found there is lost.
// Each holds the field's bytes exactly as the file had them (quotes, spaces and all) and is
// written back byte for byte; the starting values are what a new file holds.
struct ProfileReserved {
    std::array<std::string, 15> useFields {}; // .use 9.2-9.4, records 10-12
    std::array<std::string, 5> andFloats { "0", "0", "0", "0", "0" }; // .and 2.2, 2.3, 3.1-3.3
    std::array<std::string, 3> andBooleans { "#FALSE#", "#FALSE#", "#FALSE#" }; // .and record 4
    std::array<std::string, 2> andTexts { "\"\"", "\"\"" }; // .and 6.2, 6.3
    std::array<std::string, 2> andInts { "0", "0" }; // .and 8.2, 8.3
};

constexpr int WeeklyTrackerRows = 53; // .ovw
constexpr int BiWeeklyTrackerRows = 27; // .ovb

// The tracker rows of the pay frequency: .ovw weekly (see paysWeekly), .ovb bi-weekly.
int trackerRows(const EmployeeProfile& profile);

// The withholding certificate's file, one record: the form (2019 or 2020), the filing
// status, the Step 2 box (0 or 1) and the Step 3, 4(a) and 4(b) amounts, for example
// 2020,"Single",0,2000,0,0. Without it the certificate is the form before 2020.
inline constexpr std::string_view W4Extension = ".w4";
// "Single", "Married" (filing jointly) and "HeadOfHousehold", as the file holds them.
std::string_view w4StatusText(W4FilingStatus status);
std::optional<W4FilingStatus> w4StatusFromText(std::string_view text);

// The records the four files hold. The state flags kept here are WisconApril, Spouse,
// CalAllow, RoundOff, Utah, Wiscon, Alabama and NC.
struct ProfileFileSet {
    EmployeeProfile& profile;
    OvertimeTracker& tracker;
    PrinterOffsets& offsets;
    StateTaxSettings& state;
    ProfileReserved& reserved;
};

// Absent: none of the files to read was there, nothing changed.
enum class LoadOutcome { Loaded, Absent, EndedEarly };

// Writes .use, .and, .cfe, then .ovw (Week is -1) or .ovb, as the records stand; the file of
// the other pay frequency is not touched. Then .w4, only when the certificate is not the
// default (the form before 2020, nothing filled in) or the file is already there: a user who
// never chose the form from 2020 on keeps the files of before; one who goes back to the old
// form keeps a .w4 that says so, with the figures of the newer form kept for a return. Returns a reason when
// a text cannot be stored (then nothing is written) or a file could not be written (files written before it
// stay written, the failed one keeps its old content).
std::optional<std::string> saveProfileFileSet(
    const DataFolder& folder, const std::string& userName, const ProfileFileSet& set);

// Reads whichever of the four files exist, in order, the tracker file chosen by the Week just
// read, then .w4; a missing file leaves its fields as they were, except that a missing .w4
// beside other files of the set means the form before 2020 (the default certificate), and a
// .w4 is read over a default certificate. A form other than 2020 reads as the form before
// 2020, a status it does not know as Single. A file that ends early stops its own
// reading there (fields read so far keep their new values, the rest their old ones), the other
// files are still read, and the result is EndedEarly; `endedEarly` gets the files that did.
// A text longer than a box holds is cut to records::LongestText; `cutTexts` gets the files
// that held one.
LoadOutcome loadProfileFileSet(const DataFolder& folder, const std::string& userName, ProfileFileSet& set,
    std::vector<std::filesystem::path>* endedEarly = nullptr,
    std::vector<std::filesystem::path>* cutTexts = nullptr);

} // namespace tallyman
