// Writing and reading the state, city and non-city settings files.
#include "taxtables/settings_files.h"

#include "storage/records.h"

#include <stdexcept>

namespace tallyman {

using records::NonNumber;
using records::ReadError;
using records::RecordReader;
using records::RecordWriter;

namespace {

// Runs `read` over the file when it exists. The reader refuses a text where a number belongs,
// and a read that stops partway leaves the fields after the fault as they were.
template <typename Read> SettingsLoad loadSettings(const std::filesystem::path& path, Read read)
{
    const auto bytes = readWholeFile(path);
    if (!bytes)
        return SettingsLoad::Absent;
    RecordReader reader(*bytes, NonNumber::Fails);
    try {
        read(reader);
    } catch (const ReadError&) {
        return SettingsLoad::Corrupt;
    }
    return SettingsLoad::Loaded;
}

// Bracket rows of the state and city tables: six figures a line.
void writeBracketRows(RecordWriter& w, const std::array<const StateRows*, 6>& columns)
{
    for (std::size_t i = 0; i < StateRows {}.size(); ++i) {
        for (const StateRows* column : columns)
            w.float32((*column)[i]);
        w.endRecord();
    }
}

void readBracketRows(RecordReader& r, const std::array<StateRows*, 6>& columns)
{
    for (std::size_t i = 0; i < StateRows {}.size(); ++i)
        for (StateRows* column : columns)
            (*column)[i] = r.float32();
}

void writeAllowanceRows(RecordWriter& w, const StateRows& single, const StateRows& married)
{
    for (std::size_t i = 0; i < single.size(); ++i)
        w.float32(single[i]).float32(married[i]).endRecord();
}

void readAllowanceRows(RecordReader& r, StateRows& single, StateRows& married)
{
    for (std::size_t i = 0; i < single.size(); ++i) {
        single[i] = r.float32();
        married[i] = r.float32();
    }
}

} // namespace

std::filesystem::path stateFile(const DataFolder& folder, const std::string& userName)
{
    return folder.userFile(userName, ".sta");
}

std::filesystem::path cityFile(const DataFolder& folder, const std::string& userName)
{
    return folder.userFile(userName, ".cti");
}

std::filesystem::path nonCityFile(const DataFolder& folder, const std::string& userName)
{
    return folder.userFile(userName, ".nci");
}

std::optional<std::string> saveStateFile(
    const std::filesystem::path& path, const StateTaxSettings& state, const EmployeeProfile& profile)
{
    const StateTaxSettings& s = state;
    RecordWriter w;
    writeBracketRows(
        w, { &s.StateMinBS, &s.StateAmtBS, &s.StatePerBS, &s.StateMinBM, &s.StateAmtBM, &s.StatePerBM });
    w.int16(s.NoStateTax).endRecord();
    writeAllowanceRows(w, s.StateSgExp, s.StateMarExp);
    w.float32(s.SDIpercent)
        .float32(s.SUIpercent)
        .float32(s.SDIwageBase)
        .float32(s.SUIwageBase)
        .float32(s.StateAdj);
    w.int16(s.SDIUseBase).int16(s.SUIUseBase).int16(profile.SSMediExemp).int16(s.Alabama).endRecord();
    w.int16(s.Ariz).int16(s.Louis).int16(s.Iowa).int16(profile.StateExemptions);
    try {
        w.text(profile.StateStatus);
    } catch (const std::invalid_argument&) {
        return "The state filing status cannot be saved: it holds a double quote or a character outside the "
               "Western European letters.";
    }
    w.int16(profile.FedExemp).float32(profile.FedAddL);
    w.int16(s.Mass).int16(s.Oregon).int16(s.Kentucky).int16(s.Missouri).endRecord();
    return writeFileAtomically(path, w.bytes());
}

SettingsLoad loadStateFile(
    const std::filesystem::path& path, StateTaxSettings& state, EmployeeProfile& profile)
{
    return loadSettings(path, [&](RecordReader& r) {
        StateTaxSettings& s = state;
        readBracketRows(
            r, { &s.StateMinBS, &s.StateAmtBS, &s.StatePerBS, &s.StateMinBM, &s.StateAmtBM, &s.StatePerBM });
        s.NoStateTax = r.flag();
        readAllowanceRows(r, s.StateSgExp, s.StateMarExp);
        s.SDIpercent = r.float32();
        s.SUIpercent = r.float32();
        s.SDIwageBase = r.float32();
        s.SUIwageBase = r.float32();
        s.StateAdj = r.float32();
        s.SDIUseBase = r.flag();
        s.SUIUseBase = r.flag();
        profile.SSMediExemp = r.flag();
        s.Alabama = r.flag();
        s.Ariz = r.flag();
        s.Louis = r.flag();
        s.Iowa = r.flag();
        profile.StateExemptions = r.int16();
        profile.StateStatus = r.text();
        profile.FedExemp = r.flag();
        profile.FedAddL = r.float32();
        s.Mass = r.flag();
        s.Oregon = r.flag();
        s.Kentucky = r.flag();
        s.Missouri = r.flag();
    });
}

std::optional<std::string> saveCityFile(const std::filesystem::path& path, const CityTaxSettings& city)
{
    const CityTaxSettings& c = city;
    RecordWriter w;
    writeBracketRows(
        w, { &c.CityMinBS, &c.CityAmtBS, &c.CityPerBS, &c.CityMinBM, &c.CityAmtBM, &c.CityPerBM });
    w.int16(c.NoLocalTax).endRecord();
    writeAllowanceRows(w, c.CitySgExp, c.CityMarExp);
    return writeFileAtomically(path, w.bytes());
}

SettingsLoad loadCityFile(const std::filesystem::path& path, CityTaxSettings& city)
{
    return loadSettings(path, [&](RecordReader& r) {
        CityTaxSettings& c = city;
        readBracketRows(
            r, { &c.CityMinBS, &c.CityAmtBS, &c.CityPerBS, &c.CityMinBM, &c.CityAmtBM, &c.CityPerBM });
        c.NoLocalTax = r.flag();
        readAllowanceRows(r, c.CitySgExp, c.CityMarExp);
    });
}

std::optional<std::string> saveNonCityFile(const std::filesystem::path& path, const NonCitySettings& nonCity)
{
    const NonCitySettings& n = nonCity;
    RecordWriter w;
    for (std::size_t i = 0; i < n.NonMinBi.size(); ++i)
        w.float32(n.NonMinBi[i])
            .float32(n.NonExpBi[i])
            .float32(n.NonMinWk[i])
            .float32(n.NonExpWk[i])
            .endRecord();
    w.float32(n.NonPer).endRecord();
    return writeFileAtomically(path, w.bytes());
}

SettingsLoad loadNonCityFile(const std::filesystem::path& path, NonCitySettings& nonCity)
{
    return loadSettings(path, [&](RecordReader& r) {
        NonCitySettings& n = nonCity;
        for (std::size_t i = 0; i < n.NonMinBi.size(); ++i) {
            n.NonMinBi[i] = r.float32();
            n.NonExpBi[i] = r.float32();
            n.NonMinWk[i] = r.float32();
            n.NonExpWk[i] = r.float32();
        }
        n.NonPer = r.float32();
    });
}

} // namespace tallyman
