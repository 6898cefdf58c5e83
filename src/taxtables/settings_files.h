// The state (.sta), city (.cti) and non-city (.nci) settings files.
#pragma once

#include "engine/employee_profile.h"
#include "engine/tax_settings.h"
#include "storage/fileset.h"
#include "storage/records.h"

#include <optional>
#include <string>
#include <vector>

namespace tallyman {

// Absent: the exists test failed (no file, or it cannot be opened for reading); nothing changed.
// Corrupt: reading stopped at a missing field or a text where a number belongs.
enum class SettingsLoad { Loaded, Absent, Corrupt };

// The files of a user: UserName + ".sta", ".cti", ".nci" (the empty name gives the default set).
std::filesystem::path stateFile(const DataFolder& folder, const std::string& userName);
std::filesystem::path cityFile(const DataFolder& folder, const std::string& userName);
std::filesystem::path nonCityFile(const DataFolder& folder, const std::string& userName);

// The state file also carries five profile values: StateExemptions, StateStatus, FedExemp,
// FedAddL and SSMediExemp. Every save writes the whole file atomically and returns a reason
// when it could not (the old file is then left as it was); a StateStatus the encoding cannot
// hold writes nothing.
std::optional<std::string> saveStateFile(
    const std::filesystem::path& path, const StateTaxSettings& state, const EmployeeProfile& profile);
// A file cut short or holding a text where a number belongs is Corrupt: the fields read before
// the fault keep their new values, the rest their old ones.
SettingsLoad loadStateFile(
    const std::filesystem::path& path, StateTaxSettings& state, EmployeeProfile& profile);

// The city and non-city files follow the same rules as the state file.
std::optional<std::string> saveCityFile(const std::filesystem::path& path, const CityTaxSettings& city);
SettingsLoad loadCityFile(const std::filesystem::path& path, CityTaxSettings& city);

std::optional<std::string> saveNonCityFile(const std::filesystem::path& path, const NonCitySettings& nonCity);
SettingsLoad loadNonCityFile(const std::filesystem::path& path, NonCitySettings& nonCity);

// corruptFileLines, the message naming a file that cannot be read, is in storage/records.h.

} // namespace tallyman
