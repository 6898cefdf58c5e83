// The state, city and non-city settings files: exact bytes, round trips, cut and spoilt files.
#include "support/temp_folder.h"
#include "taxtables/settings_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <unistd.h>
#include <vector>

using namespace tallyman;

namespace {

// A state record with a value in every field.
void fillState(StateTaxSettings& s, EmployeeProfile& p)
{
    for (std::size_t i = 0; i < 10; ++i) {
        const bool used = i < 2;
        s.StateMinBS[i] = used ? 308.0f * static_cast<float>(i) : 999999;
        s.StateAmtBS[i] = used ? 12.32f * static_cast<float>(i) : 0;
        s.StatePerBS[i] = used ? (i == 0 ? 0.04f : 0.045f) : 0;
        s.StateMinBM[i] = used ? 616.0f * static_cast<float>(i) : 999999;
        s.StateAmtBM[i] = used ? 24.64f * static_cast<float>(i) : 0;
        s.StatePerBM[i] = used ? 0.0525f : 0;
        s.StateSgExp[i] = 38.5f * static_cast<float>(i);
        s.StateMarExp[i] = 77.0f * static_cast<float>(i);
    }
    s.SDIpercent = 1.1f, s.SUIpercent = 0.9f, s.SDIwageBase = 160000, s.SUIwageBase = 7000,
    s.StateAdj = -2.5f;
    // Flags hold 0 or 1; neighbours differ, so a field read into the next one shows.
    s.NoStateTax = 1, s.SDIUseBase = 1, s.SUIUseBase = 0, p.SSMediExemp = 1, s.Alabama = 0;
    s.Ariz = 1, s.Louis = 0, s.Iowa = 1, p.StateExemptions = 9, p.FedExemp = 0;
    s.Mass = 1, s.Oregon = 0, s.Kentucky = 1, s.Missouri = 0;
    p.StateStatus = "Married";
    p.FedAddL = 12.5f;
}

const char* const GoldenState = "0,0,0.04,0,0,0.0525\r\n"
                                "308,12.32,0.045,616,24.64,0.0525\r\n"
                                "999999,0,0,999999,0,0\r\n"
                                "999999,0,0,999999,0,0\r\n"
                                "999999,0,0,999999,0,0\r\n"
                                "999999,0,0,999999,0,0\r\n"
                                "999999,0,0,999999,0,0\r\n"
                                "999999,0,0,999999,0,0\r\n"
                                "999999,0,0,999999,0,0\r\n"
                                "999999,0,0,999999,0,0\r\n"
                                "1\r\n"
                                "0,0\r\n"
                                "38.5,77\r\n"
                                "77,154\r\n"
                                "115.5,231\r\n"
                                "154,308\r\n"
                                "192.5,385\r\n"
                                "231,462\r\n"
                                "269.5,539\r\n"
                                "308,616\r\n"
                                "346.5,693\r\n"
                                "1.1,0.9,160000,7000,-2.5,1,0,1,0\r\n"
                                "1,0,1,9,\"Married\",0,12.5,1,0,1,0\r\n";

void fillCity(CityTaxSettings& c)
{
    for (std::size_t i = 0; i < 10; ++i) {
        c.CityMinBS[i] = 100.0f * static_cast<float>(i) + 0.5f;
        c.CityAmtBS[i] = 6.31f * static_cast<float>(i);
        c.CityPerBS[i] = 0.0205f;
        c.CityMinBM[i] = 200.0f * static_cast<float>(i);
        c.CityAmtBM[i] = 7.08f;
        c.CityPerBM[i] = 0.0325f;
        c.CitySgExp[i] = 192.3f + static_cast<float>(i);
        c.CityMarExp[i] = 211.5f - static_cast<float>(i);
    }
    c.NoLocalTax = 1;
}

void fillNonCity(NonCitySettings& n)
{
    for (std::size_t i = 0; i < 8; ++i) {
        n.NonMinBi[i] = 145.0f * static_cast<float>(i);
        n.NonExpBi[i] = 115.0f - static_cast<float>(i);
        n.NonMinWk[i] = 78.25f * static_cast<float>(i);
        n.NonExpWk[i] = 58.0f - static_cast<float>(i);
    }
    n.NonPer = 0.0045f;
}

class SettingsFiles : public ::testing::Test {
protected:
    std::string file(const std::filesystem::path& path) const
    {
        return readWholeFile(path).value_or("<absent>");
    }
    // Keeps the first `records` lines of a file, plus `tail` (a started next line).
    void cut(const std::filesystem::path& path, int records, const std::string& tail = {}) const
    {
        const std::string bytes = file(path);
        std::size_t end = 0;
        for (int i = 0; i < records; ++i)
            end = bytes.find("\r\n", end) + 2;
        ASSERT_FALSE(writeFileAtomically(path, bytes.substr(0, end) + tail));
    }

    const test::TempFolder m_temp;
    const std::filesystem::path m_dir = m_temp.path();
    DataFolder m_folder { m_dir };
};

} // namespace

TEST_F(SettingsFiles, StateFileIsByteExact)
{
    StateTaxSettings s;
    EmployeeProfile p;
    fillState(s, p);
    ASSERT_FALSE(saveStateFile(stateFile(m_folder, "Smith"), s, p));
    EXPECT_EQ(file(m_dir / "Smith.sta"), GoldenState);
}

// A check box holds 0 or 1: #TRUE# (-1) or any other number in a flag reads as checked, so
// the dialog does not take it for unchecked (and zero the SDI rate).
TEST_F(SettingsFiles, FlagsReadAsZeroOrOne)
{
    std::string bytes = GoldenState;
    const auto replaceLine = [&bytes](int index, const std::string& line) {
        std::size_t start = 0;
        for (int i = 0; i < index; ++i)
            start = bytes.find("\r\n", start) + 2;
        bytes.replace(start, bytes.find("\r\n", start) - start, line);
    };
    replaceLine(10, "#TRUE#");
    replaceLine(21, "1.1,0.9,160000,7000,-2.5,#TRUE#,-1,2,#FALSE#");
    replaceLine(22, "-1,0,7,9,\"Married\",#TRUE#,12.5,1,-1,0,#TRUE#");
    const auto path = stateFile(m_folder, "Smith");
    ASSERT_FALSE(writeFileAtomically(path, bytes));
    StateTaxSettings s;
    EmployeeProfile p;
    ASSERT_EQ(loadStateFile(path, s, p), SettingsLoad::Loaded);
    const short flags[] = { s.NoStateTax, s.SDIUseBase, s.SUIUseBase, p.SSMediExemp, s.Alabama, s.Ariz,
        s.Louis, s.Iowa, p.FedExemp, s.Mass, s.Oregon, s.Kentucky, s.Missouri };
    EXPECT_EQ(std::vector<short>(std::begin(flags), std::end(flags)),
        (std::vector<short> { 1, 1, 1, 1, 0, 1, 0, 1, 1, 1, 1, 0, 1 }));
    EXPECT_EQ(s.SDIpercent, 1.1f);
    EXPECT_EQ(p.StateExemptions, 9);
    ASSERT_FALSE(saveStateFile(path, s, p));
    EXPECT_NE(
        file(path).find("\r\n1.1,0.9,160000,7000,-2.5,1,1,1,0\r\n1,0,1,9,\"Married\",1,12.5,1,1,0,1\r\n"),
        std::string::npos)
        << file(path);

    const auto city = cityFile(m_folder, "Smith");
    CityTaxSettings c;
    fillCity(c);
    ASSERT_FALSE(saveCityFile(city, c));
    std::string cityBytes = file(city);
    cityBytes.replace(cityBytes.find("\r\n1\r\n") + 2, 1, "#TRUE#");
    ASSERT_FALSE(writeFileAtomically(city, cityBytes));
    CityTaxSettings read;
    ASSERT_EQ(loadCityFile(city, read), SettingsLoad::Loaded);
    EXPECT_EQ(read.NoLocalTax, 1);
}

TEST_F(SettingsFiles, FileNamesAreUserNameAndExtension)
{
    EXPECT_EQ(stateFile(m_folder, "Smith"), m_dir / "Smith.sta");
    EXPECT_EQ(stateFile(m_folder, ""), m_dir / ".sta");
    EXPECT_EQ(cityFile(m_folder, "Smith"), m_dir / "Smith.cti");
    EXPECT_EQ(nonCityFile(m_folder, ""), m_dir / ".nci");
}

TEST_F(SettingsFiles, StateRoundTripsEveryField)
{
    StateTaxSettings s;
    EmployeeProfile p;
    fillState(s, p);
    p.StateStatus = "Head  of Household, 2";
    s.CalAllow = 134.5f; // kept in the profile files, not here
    const auto path = stateFile(m_folder, "Smith");
    ASSERT_FALSE(saveStateFile(path, s, p));

    StateTaxSettings t;
    EmployeeProfile q;
    q.Name = "untouched";
    ASSERT_EQ(loadStateFile(path, t, q), SettingsLoad::Loaded);
    EXPECT_EQ(q.StateStatus, "Head  of Household, 2");
    EXPECT_EQ(q.Name, "untouched");
    EXPECT_EQ(t.CalAllow, 0.0f);
    // The values differ field by field, so saving what was read gives the same bytes.
    const auto again = stateFile(m_folder, "again");
    ASSERT_FALSE(saveStateFile(again, t, q));
    EXPECT_EQ(file(again), file(path));
}

TEST_F(SettingsFiles, StateFileCutAfterLine11)
{
    StateTaxSettings s;
    EmployeeProfile p;
    fillState(s, p);
    const auto path = stateFile(m_folder, "Smith");
    ASSERT_FALSE(saveStateFile(path, s, p));
    cut(path, 11);

    StateTaxSettings t;
    t.StateSgExp.fill(5);
    t.SDIpercent = 9;
    t.Missouri = 0;
    EmployeeProfile q;
    q.StateStatus = "Single";
    ASSERT_EQ(loadStateFile(path, t, q), SettingsLoad::Corrupt);
    EXPECT_EQ(t.StateMinBS, s.StateMinBS);
    EXPECT_EQ(t.StatePerBM, s.StatePerBM);
    EXPECT_EQ(t.NoStateTax, 1);
    EXPECT_EQ(t.StateSgExp[0], 5.0f);
    EXPECT_EQ(t.StateSgExp[9], 5.0f);
    EXPECT_EQ(t.SDIpercent, 9.0f);
    EXPECT_EQ(t.Missouri, 0);
    EXPECT_EQ(q.StateStatus, "Single");
    EXPECT_EQ(corruptFileLines(path.filename().string()),
        (std::vector<std::string> {
            "You have corupted a file.", "Find file,", "Smith.sta", "and delete it." }));
}

struct SpoiltCase {
    const char* name;
    int keep; // whole lines kept
    const char* tail; // what follows them
    void (*check)(const StateTaxSettings&, const EmployeeProfile&);
};

class SpoiltStateFile : public SettingsFiles, public ::testing::WithParamInterface<SpoiltCase> { };

TEST_P(SpoiltStateFile, IsCorruptAndKeepsWhatFollows)
{
    StateTaxSettings s;
    EmployeeProfile p;
    fillState(s, p);
    const auto path = stateFile(m_folder, "u");
    ASSERT_FALSE(saveStateFile(path, s, p));
    cut(path, GetParam().keep, GetParam().tail);
    StateTaxSettings t;
    t.StateMinBS.fill(-1);
    t.SDIwageBase = -1;
    EmployeeProfile q;
    q.StateStatus = "before";
    q.FedAddL = -1;
    EXPECT_EQ(loadStateFile(path, t, q), SettingsLoad::Corrupt);
    GetParam().check(t, q);
}

INSTANTIATE_TEST_SUITE_P(Files, SpoiltStateFile,
    ::testing::Values(SpoiltCase { "TextInABracket", 1, "308,12.32,abc,616,24.64,0.0525\r\n",
                          [](const StateTaxSettings& read, const EmployeeProfile&) {
                              EXPECT_EQ(read.StateMinBS[0], 0.0f);
                              EXPECT_EQ(read.StateMinBS[1], 308.0f);
                              EXPECT_EQ(read.StateAmtBS[1], 12.32f);
                              EXPECT_EQ(read.StatePerBS[1], 0.0f) << "the spoilt field is not read";
                              EXPECT_EQ(read.StateMinBS[2], -1.0f);
                          } },
        SpoiltCase { "QuotedNumber", 21, "1.1,0.9,\"\",7000,-2.5,1,0,1,1\r\n",
            [](const StateTaxSettings& read, const EmployeeProfile&) {
                EXPECT_EQ(read.SUIpercent, 0.9f);
                EXPECT_EQ(read.SDIwageBase, -1.0f);
            } },
        SpoiltCase { "FlagOutOfRange", 21, "1.1,0.9,160000,7000,-2.5,1,0,99999,1\r\n",
            [](const StateTaxSettings& read, const EmployeeProfile& profile) {
                EXPECT_EQ(read.SDIwageBase, 160000.0f);
                EXPECT_EQ(read.SDIUseBase, 1);
                EXPECT_EQ(profile.SSMediExemp, 0);
            } },
        SpoiltCase { "LastLineShort", 22, "0,1,0,3,\"Married\",1\r\n",
            [](const StateTaxSettings& read, const EmployeeProfile& profile) {
                EXPECT_EQ(read.StateMinBS[1], 308.0f);
                EXPECT_EQ(profile.StateStatus, "Married");
                EXPECT_EQ(profile.FedExemp, 1);
                EXPECT_EQ(profile.FedAddL, -1.0f);
            } },
        SpoiltCase { "Empty", 0, "",
            [](const StateTaxSettings& read, const EmployeeProfile& profile) {
                EXPECT_EQ(read.StateMinBS[0], -1.0f);
                EXPECT_EQ(profile.StateStatus, "before");
            } }),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(SettingsFiles, AbsentFilesChangeNothing)
{
    StateTaxSettings s;
    s.SDIpercent = 1.5f;
    EmployeeProfile p;
    p.StateStatus = "Married";
    EXPECT_EQ(loadStateFile(stateFile(m_folder, "nobody"), s, p), SettingsLoad::Absent);
    EXPECT_EQ(s.SDIpercent, 1.5f);
    EXPECT_EQ(p.StateStatus, "Married");
    CityTaxSettings c;
    c.NoLocalTax = 1;
    EXPECT_EQ(loadCityFile(cityFile(m_folder, "nobody"), c), SettingsLoad::Absent);
    EXPECT_EQ(c.NoLocalTax, 1);
    NonCitySettings n;
    n.NonPer = 0.5f;
    EXPECT_EQ(loadNonCityFile(m_dir, n), SettingsLoad::Absent) << "a folder is not a file";
    EXPECT_EQ(n.NonPer, 0.5f);
}

TEST_F(SettingsFiles, StateStatusThatCannotBeStoredWritesNothing)
{
    StateTaxSettings s;
    EmployeeProfile p;
    fillState(s, p);
    const auto path = stateFile(m_folder, "u");
    ASSERT_FALSE(saveStateFile(path, s, p));
    p.StateStatus = "\"Married\"";
    s.SDIpercent = 5;
    const auto reason = saveStateFile(path, s, p);
    ASSERT_TRUE(reason);
    EXPECT_NE(reason->find("filing status"), std::string::npos) << *reason;
    EXPECT_EQ(file(path), GoldenState);
}

TEST_F(SettingsFiles, FailedWriteSaysWhyAndKeepsTheOldFile)
{
    const auto path = m_dir / "u.cti";
    ASSERT_FALSE(writeFileAtomically(path, "old\r\n"));
    EXPECT_TRUE(saveCityFile(m_dir / "missing" / "u.cti", CityTaxSettings {}));
    std::filesystem::create_directory(m_dir / "u.nci");
    EXPECT_TRUE(saveNonCityFile(m_dir / "u.nci", NonCitySettings {}));
    EXPECT_EQ(file(path), "old\r\n");
}

TEST_F(SettingsFiles, CityRoundTripsAndIsLaidOutInLines)
{
    CityTaxSettings c;
    fillCity(c);
    const auto path = cityFile(m_folder, "Smith");
    ASSERT_FALSE(saveCityFile(path, c));
    const std::string bytes = file(path);
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n", bytes.find("\r\n") + 2) + 2),
        "0.5,0,0.0205,0,7.08,0.0325\r\n100.5,6.31,0.0205,200,7.08,0.0325\r\n");
    EXPECT_NE(bytes.find("\r\n1\r\n192.3,211.5\r\n193.3,210.5\r\n"), std::string::npos);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 21);

    CityTaxSettings d;
    ASSERT_EQ(loadCityFile(path, d), SettingsLoad::Loaded);
    const auto again = cityFile(m_folder, "again");
    ASSERT_FALSE(saveCityFile(again, d));
    EXPECT_EQ(file(again), bytes);
}

TEST_F(SettingsFiles, CityFileCutOrSpoilt)
{
    CityTaxSettings c;
    fillCity(c);
    const auto path = cityFile(m_folder, "u");
    struct Case {
        int keep;
        const char* tail;
        int allowancesRead; // allowance entries replaced before the fault
    };
    for (const Case& k : { Case { 15, "", 4 }, Case { 11, "192.3,x\r\n", 1 }, Case { 20, "201.3", 10 } }) {
        ASSERT_FALSE(saveCityFile(path, c));
        cut(path, k.keep, k.tail);
        CityTaxSettings d;
        d.CitySgExp.fill(-1);
        EXPECT_EQ(loadCityFile(path, d), SettingsLoad::Corrupt) << k.keep;
        EXPECT_EQ(d.CityMinBS, c.CityMinBS) << k.keep;
        EXPECT_EQ(d.NoLocalTax, 1) << k.keep;
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(d.CitySgExp[static_cast<std::size_t>(i)],
                i < k.allowancesRead ? c.CitySgExp[static_cast<std::size_t>(i)] : -1.0f)
                << k.keep << " entry " << i;
    }
}

TEST_F(SettingsFiles, NonCityRoundTripsAndCutFiles)
{
    NonCitySettings n;
    fillNonCity(n);
    const auto path = nonCityFile(m_folder, "u");
    ASSERT_FALSE(saveNonCityFile(path, n));
    const std::string bytes = file(path);
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n") + 2), "0,115,0,58\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 28), "1015,108,547.75,51\r\n0.0045\r\n");
    NonCitySettings m;
    ASSERT_EQ(loadNonCityFile(path, m), SettingsLoad::Loaded);
    const auto again = nonCityFile(m_folder, "again");
    ASSERT_FALSE(saveNonCityFile(again, m));
    EXPECT_EQ(file(again), bytes);

    for (int keep : { 3, 8 }) {
        ASSERT_FALSE(saveNonCityFile(path, n));
        cut(path, keep);
        NonCitySettings k;
        k.NonMinWk.fill(-1);
        k.NonPer = -1;
        EXPECT_EQ(loadNonCityFile(path, k), SettingsLoad::Corrupt) << keep;
        EXPECT_EQ(
            k.NonMinWk[static_cast<std::size_t>(keep - 1)], n.NonMinWk[static_cast<std::size_t>(keep - 1)]);
        if (keep < 8) {
            EXPECT_EQ(k.NonMinWk[static_cast<std::size_t>(keep)], -1.0f);
        }
        EXPECT_EQ(k.NonPer, -1.0f);
    }
}
