// The state (.sta), city (.cti) and non-city (.nci) settings files.
#pragma once

#include "employee/fileset.h"
#include "engine/employee_profile.h"
#include "engine/tax_settings.h"

#include <optional>
#include <string>
#include <vector>

namespace tallyman {

enum class SettingsLoad { Loaded, Absent, Corrupt };

// The state file also carries five profile values: StateExemptions, StateStatus, FedExemp,
// FedAddL and SSMediExemp. Returns a reason when the file could not be written.
std::optional<std::string> saveStateFile(const std::filesystem::path &path, const StateTaxSettings &state,
    const EmployeeProfile &profile);
// A file cut short or holding a text where a number belongs is Corrupt: the fields read before
// the fault keep their new values, the rest their old ones.
SettingsLoad loadStateFile(const std::filesystem::path &path, StateTaxSettings &state, EmployeeProfile &profile);

std::optional<std::string> saveCityFile(const std::filesystem::path &path, const CityTaxSettings &city);
SettingsLoad loadCityFile(const std::filesystem::path &path, CityTaxSettings &city);

std::optional<std::string> saveNonCityFile(const std::filesystem::path &path, const NonCitySettings &nonCity);
SettingsLoad loadNonCityFile(const std::filesystem::path &path, NonCitySettings &nonCity);

// The four lines of the corrupt-file message, naming the file ("Smith.sta").
std::vector<std::string> corruptFileLines(const std::string &fileName);

} // namespace tallyman
