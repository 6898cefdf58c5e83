// The profile file set: byte-exact files of a new user, round trips, partial and odd files.
#include "employee/profile_files.h"
#include "storage/fileset.h"
#include "support/golden.h"
#include "support/temp_folder.h"
#include "support/user_records.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

using namespace tallyman;

namespace {

std::string golden(const char* name) { return test::testData(name); }

// The run state the set is written from and read into.
using Records = test::UserRecords;

// A set with a value in every field, each one different, so a field read into the wrong
// place changes what is saved again.
void fillEveryField(Records& r)
{
    EmployeeProfile& p = r.profile;
    p.resetToNewUser();
    p.HourRate = 21.75f, p.HourRate2 = 32.625f, p.TipsRate = 2.13f, p.Pension = 4.5f;
    p.FedExemptions = "3", p.FedStatus = "Married";
    p.Muni = 12.34f, p.Bond = 25, p.Misc = 0.062f, p.Dues = 18.5f, p.Kplan = 6, p.Cafe = 45.5f;
    p.Tax5 = "Union, Local 7", p.Tax6 = "Savings Bond", p.Tax7 = "Café dues", p.Tax8 = "Pension, 401";
    p.Tax9 = "Health ins.";
    // Flags hold 0 or 1; neighbours differ, so a field read into the next one shows.
    p.NonCity = 1, p.KpPer = 0, p.KpFix = 1, p.CafeState = 1, p.SelfEmp = 0;
    p.Name = "Smith, John", p.Address = "12 Elm St., Apt 3", p.StateCityZip = "Springfield, IL 62701";
    p.SSnum = "123-45-6789";
    p.W4 = { W4Form::From2020, W4FilingStatus::HeadOfHousehold, true, 2000, 500.5f, 1200 };
    OvertimeTracker& t = r.tracker;
    t.Earned = 6240.5f, t.MaxAllowable = 7800, t.Available = 1559.5f, t.Annual = 52000, t.ApPercent = 15;
    t.PresentRate = 0.12f;
    for (std::size_t i = 0; i < WeeklyTrackerRows; ++i) {
        t.WeekEnding[i] = "1/" + std::to_string(i % 28 + 1) + "/2024";
        t.OtAmount[i] = std::to_string(i) + ".5";
    }
    r.offsets = { 1.25f, -0.5f };
    StateTaxSettings& s = r.state;
    s.WisconApril = 1, s.Spouse = 0, s.CalAllow = 134.5f, s.RoundOff = 1, s.Utah = 0, s.Wiscon = 1;
    s.Alabama = 1, s.NC = 0;
    r.reserved.useFields
        = { "", "12.5", "#TRUE#", "\"note, with comma\"", "-3", "", "", "", "", "", "", "", "", "", "\"x\"" };
    r.reserved.andFloats = { "1.5", "2", "3", "4", "0.25" };
    r.reserved.andBooleans = { "#TRUE#", "#FALSE#", "#TRUE#" };
    r.reserved.andTexts = { "\"kept\"", "\"also, kept\"" };
    r.reserved.andInts = { "11", "-2" };
}

class ProfileFiles : public ::testing::Test {
protected:
    std::string file(const std::string& name) const
    {
        return readWholeFile(m_dir / name).value_or("<absent>");
    }
    // Where record `index` (0-based) starts in `bytes`.
    static std::size_t recordStart(const std::string& bytes, int index)
    {
        std::size_t start = 0;
        for (int i = 0; i < index; ++i)
            start = bytes.find("\r\n", start) + 2;
        return start;
    }
    // Record `index` of a file, without its line end.
    std::string record(const std::string& name, int index) const
    {
        const std::string bytes = file(name);
        const std::size_t start = recordStart(bytes, index);
        return bytes.substr(start, bytes.find("\r\n", start) - start);
    }
    void write(const std::string& name, const std::string& bytes) const
    {
        ASSERT_FALSE(writeFileAtomically(m_dir / name, bytes));
    }
    // Saves `from`, then replaces one record (0-based) of one of its files.
    void saveWithRecord(Records& from, const std::string& name, int index, const std::string& replacement)
    {
        ASSERT_FALSE(saveProfileFileSet(m_folder, "u", from.set()));
        std::string bytes = file(name);
        const std::size_t start = recordStart(bytes, index);
        bytes.replace(start, bytes.find("\r\n", start) - start, replacement);
        write(name, bytes);
    }

    const test::TempFolder m_temp;
    const std::filesystem::path m_dir = m_temp.path();
    DataFolder m_folder { m_dir };
};

} // namespace

TEST_F(ProfileFiles, NewUserFilesAreByteExact)
{
    Records r;
    r.profile.resetToNewUser();
    for (const std::string user : { "Smith", "" }) {
        ASSERT_FALSE(saveProfileFileSet(m_folder, user, r.set()));
        EXPECT_EQ(file(user + ".use"), golden("new_user.use"));
        EXPECT_EQ(file(user + ".and"), golden("new_user.and"));
        EXPECT_EQ(file(user + ".cfe"), "0,0,0\r\n");
        EXPECT_EQ(file(user + ".ovw"), golden("new_user.ovw"));
        EXPECT_FALSE(fileExists(m_dir / (user + ".ovb")));
        EXPECT_FALSE(fileExists(m_dir / (user + ".w4")));
    }
}

TEST_F(ProfileFiles, BiWeeklyWritesOvbAndLeavesOvwAlone)
{
    write("Smith.ovw", "old weekly rows\r\n");
    Records r;
    r.profile.resetToNewUser();
    r.profile.Week = 0;
    r.profile.BiWeek = -1;
    r.tracker.WeekEnding[0] = "1/5/2024";
    r.tracker.OtAmount[0] = "12.50";
    r.tracker.WeekEnding[26] = "12/27/2024";
    r.tracker.OtAmount[26] = "3";
    r.tracker.OtAmount[27] = "99"; // beyond the bi-weekly rows: not saved
    ASSERT_FALSE(saveProfileFileSet(m_folder, "Smith", r.set()));
    EXPECT_EQ(file("Smith.ovw"), "old weekly rows\r\n");
    std::string expected = "\"1/5/2024\"\r\n12.5\r\n";
    for (int i = 1; i < 26; ++i)
        expected += "\"\"\r\n0\r\n";
    expected += "\"12/27/2024\"\r\n3\r\n";
    EXPECT_EQ(file("Smith.ovb"), expected);
    EXPECT_NE(file("Smith.use").find("#FALSE#,#TRUE#,\"CrUnion\"\r\n"), std::string::npos);
}

TEST_F(ProfileFiles, NoPayFrequencyWritesOvw)
{
    Records r;
    r.profile.resetToNewUser();
    r.profile.Week = 0;
    r.tracker.OtAmount[52] = "8";
    ASSERT_FALSE(saveProfileFileSet(m_folder, "u", r.set()));
    EXPECT_EQ(record("u.ovw", 105), "8");
    EXPECT_FALSE(fileExists(m_dir / "u.ovb"));
}

TEST_F(ProfileFiles, EveryFieldRoundTrips)
{
    Records saved;
    fillEveryField(saved);
    ASSERT_FALSE(saveProfileFileSet(m_folder, "a", saved.set()));
    Records loaded;
    ASSERT_EQ(loaded.load(m_folder, "a"), LoadOutcome::Loaded);
    // Each field holds a value of its own: what was read is saved again to the same bytes.
    ASSERT_FALSE(saveProfileFileSet(m_folder, "b", loaded.set()));
    for (const std::string extension : { ".use", ".and", ".cfe", ".ovw", ".w4" })
        EXPECT_EQ(file("b" + extension), file("a" + extension)) << extension;
    EXPECT_EQ(file("a.w4"), "2020,\"HeadOfHousehold\",1,2000,500.5,1200\r\n");
    EXPECT_EQ(loaded.profile.W4, saved.profile.W4);
    EXPECT_EQ(loaded.profile.Tax8, "Pension, 401");
    EXPECT_EQ(loaded.tracker.OtAmount, saved.tracker.OtAmount);
    EXPECT_EQ(loaded.reserved.useFields, saved.reserved.useFields);
    EXPECT_EQ(loaded.profile.StateStatus, "") << "kept in the state file";
    EXPECT_EQ(loaded.state.Iowa, 0) << "kept in the state file";
}

TEST_F(ProfileFiles, TrackerAmountsAndRatesInTheUseFile)
{
    Records r;
    fillEveryField(r);
    r.tracker.PresentRate = 6240.5f / 52000.0f; // just over 12 %
    ASSERT_FALSE(saveProfileFileSet(m_folder, "u", r.set()));
    EXPECT_EQ(file("u.use"),
        "6240.5,7800,1559.5\r\n52000,15,0.12\r\n21.75,32.625,2.13\r\n\"3\",\"Married\",4.5\r\n12.34,25,0."
        "062\r\n"
        "18.5,6,1\r\n#TRUE#,#FALSE#,\"Union, Local 7\"\r\n"
        "\"Savings Bond\",\"Caf\xE9 dues\",\"Pension, 401\",\"Health ins.\"\r\n"
        "1,,12.5,#TRUE#\r\n\"note, with comma\",-3,,\r\n,,,\r\n,,,\"x\"\r\n");
    EXPECT_EQ(file("u.and"),
        "1.25,-0.5,0\r\n134.5,1.5,2\r\n3,4,0.25\r\n#TRUE#,#FALSE#,#TRUE#\r\n"
        "\"12 Elm St., Apt 3\",\"Springfield, IL 62701\",\"123-45-6789\"\r\n"
        "\"Smith, John\",\"kept\",\"also, kept\"\r\n1,0,1,1\r\n0,11,-2\r\n0,1\r\n");
    EXPECT_EQ(file("u.cfe"), "45.5,1,0\r\n");
}

struct PresentRateCase {
    float rate;
    const char* written;
};

class PresentRateRounding : public ProfileFiles, public ::testing::WithParamInterface<PresentRateCase> { };

TEST_P(PresentRateRounding, TwoDecimalsHalfAwayFromZero)
{
    Records r;
    r.profile.resetToNewUser();
    r.tracker.PresentRate = GetParam().rate;
    ASSERT_FALSE(saveProfileFileSet(m_folder, "u", r.set()));
    EXPECT_EQ(record("u.use", 1), std::string("0,0,") + GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Rates, PresentRateRounding,
    ::testing::Values(PresentRateCase { 0.0501f, "0.05" }, PresentRateCase { 0.125f, "0.13" },
        PresentRateCase { -0.125f, "-0.13" }, PresentRateCase { 0.994f, "0.99" },
        PresentRateCase { 0.996f, "1" }, PresentRateCase { 0, "0" }));

struct OtAmountCase {
    const char* typed;
    const char* written;
    const char* readBack;
};

class OtAmountWritten : public ProfileFiles, public ::testing::WithParamInterface<OtAmountCase> { };

TEST_P(OtAmountWritten, AsTheNumberOfItsText)
{
    Records r;
    r.profile.resetToNewUser();
    r.tracker.OtAmount[0] = GetParam().typed;
    ASSERT_FALSE(saveProfileFileSet(m_folder, "u", r.set()));
    EXPECT_EQ(record("u.ovw", 1), GetParam().written);
    Records back;
    ASSERT_EQ(back.load(m_folder, "u"), LoadOutcome::Loaded);
    EXPECT_EQ(back.tracker.OtAmount[0], GetParam().readBack);
}

INSTANTIATE_TEST_SUITE_P(Texts, OtAmountWritten,
    ::testing::Values(OtAmountCase { "12.5", "12.5", "12.5" }, OtAmountCase { "12.50", "12.5", "12.5" },
        OtAmountCase { "", "0", "0" }, OtAmountCase { "abc", "0", "0" }, OtAmountCase { " 7", "7", "7" },
        OtAmountCase { "1 2", "12", "12" }, OtAmountCase { "-.25", "-0.25", "-0.25" },
        OtAmountCase { "0.1", "0.1", "0.1" }));

// Reserved fields are carried, never interpreted: whatever another writer put there comes
// back byte for byte after a load and a save.
TEST_F(ProfileFiles, ReservedFieldsAreKeptByteForByte)
{
    Records r;
    fillEveryField(r);
    ASSERT_FALSE(saveProfileFileSet(m_folder, "u", r.set()));
    const std::pair<const char*, std::vector<std::pair<int, const char*>>> edits[] = {
        { "u.use",
            { { 8, "1,007, 12,1E5" }, { 9, "\"12.50\",12.50,memo ,\"\"" }, { 11, "#TRUE#,-0,.5,\"a\"b" } } },
        { "u.and",
            { { 1, "134.5,007,1E5" }, { 2, " 3,12.50,x" }, { 3, "-1,1,#TRUE#" },
                { 5, "\"Smith, John\", 12 ,\"\x81\"" }, { 7, "1,1.50,#FALSE#" } } },
    };
    for (const auto& [name, records] : edits) {
        std::string bytes = file(name);
        for (const auto& [index, replacement] : records) {
            const std::size_t start = recordStart(bytes, index);
            bytes.replace(start, bytes.find("\r\n", start) - start, replacement);
        }
        write(name, bytes);
    }
    const std::string before[] = { file("u.use"), file("u.and") };
    Records loaded;
    ASSERT_EQ(loaded.load(m_folder, "u"), LoadOutcome::Loaded);
    ASSERT_FALSE(saveProfileFileSet(m_folder, "u", loaded.set()));
    EXPECT_EQ(file("u.use"), before[0]);
    EXPECT_EQ(file("u.and"), before[1]);
}

// One record of a saved file replaced by other content, and what loading then gives.
struct OddRecordCase {
    const char* name;
    const char* file;
    int record;
    const char* replacement;
    LoadOutcome outcome;
    void (*check)(const Records&);
};

class OddRecord : public ProfileFiles, public ::testing::WithParamInterface<OddRecordCase> { };

TEST_P(OddRecord, LoadsAsTheFileSays)
{
    Records saved;
    fillEveryField(saved);
    saveWithRecord(saved, GetParam().file, GetParam().record, GetParam().replacement);
    Records loaded;
    loaded.profile.Cafe = 99;
    loaded.tracker.WeekEnding[0] = "before";
    loaded.tracker.OtAmount[52] = "before";
    EXPECT_EQ(loaded.load(m_folder, "u"), GetParam().outcome);
    GetParam().check(loaded);
}

INSTANTIATE_TEST_SUITE_P(Files, OddRecord,
    ::testing::Values(
        // The K-plan flags are taken as they stand; settling them is the caller's.
        OddRecordCase { "KplanBothOn", "u.and", 8, "1,1", LoadOutcome::Loaded,
            [](const Records& r) {
                EXPECT_EQ(r.profile.KpPer, 1);
                EXPECT_EQ(r.profile.KpFix, 1);
            } },
        OddRecordCase { "KplanBothOff", "u.and", 8, "0,0", LoadOutcome::Loaded,
            [](const Records& r) {
                EXPECT_EQ(r.profile.KpPer, 0);
                EXPECT_EQ(r.profile.KpFix, 0);
            } },
        // No pay frequency: the save makes it weekly, so the tracker rows come from .ovw.
        OddRecordCase { "NoPayFrequency", "u.use", 6, "#FALSE#,#FALSE#,\"CrUnion\"", LoadOutcome::Loaded,
            [](const Records& r) {
                EXPECT_EQ(r.profile.Week, 0);
                EXPECT_EQ(r.profile.BiWeek, 0);
                EXPECT_EQ(r.tracker.WeekEnding[0], "1/1/2024");
                EXPECT_EQ(r.tracker.OtAmount[52], "52.5");
                EXPECT_EQ(r.profile.Cafe, 45.5f);
            } },
        OddRecordCase { "TextInANumberFieldReadsZero", "u.use", 2, "abc,21.75,x", LoadOutcome::Loaded,
            [](const Records& r) {
                EXPECT_EQ(r.profile.HourRate, 0.0f);
                EXPECT_EQ(r.profile.HourRate2, 21.75f);
                EXPECT_EQ(r.profile.TipsRate, 0.0f);
                EXPECT_EQ(r.profile.Tax9, "Health ins.");
            } },
        // A flag holds 0 or 1: #TRUE# and any other number read as 1.
        OddRecordCase { "BooleansInFlagFields", "u.and", 6, "#TRUE#,#FALSE#,-1,2", LoadOutcome::Loaded,
            [](const Records& r) {
                EXPECT_EQ(r.state.RoundOff, 1);
                EXPECT_EQ(r.state.Utah, 0);
                EXPECT_EQ(r.state.Wiscon, 1);
                EXPECT_EQ(r.state.Alabama, 1);
            } },
        OddRecordCase { "BooleansInCafeFlags", "u.cfe", 0, "45.5,#TRUE#,-1", LoadOutcome::Loaded,
            [](const Records& r) {
                EXPECT_EQ(r.profile.CafeState, 1);
                EXPECT_EQ(r.profile.SelfEmp, 1);
            } }),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(ProfileFiles, UseWithoutOvwLeavesTrackerRows)
{
    Records saved;
    fillEveryField(saved);
    ASSERT_FALSE(saveProfileFileSet(m_folder, "u", saved.set()));
    std::filesystem::remove(m_dir / "u.ovw");
    Records loaded;
    loaded.tracker.WeekEnding[3] = "kept";
    loaded.tracker.OtAmount[3] = "4";
    ASSERT_EQ(loaded.load(m_folder, "u"), LoadOutcome::Loaded);
    EXPECT_EQ(loaded.profile.Name, "Smith, John");
    EXPECT_EQ(loaded.tracker.Earned, 6240.5f);
    EXPECT_EQ(loaded.tracker.WeekEnding[3], "kept");
    EXPECT_EQ(loaded.tracker.OtAmount[3], "4");
}

TEST_F(ProfileFiles, NoFilesChangeNothing)
{
    Records loaded;
    loaded.profile.Name = "previous user";
    loaded.state.Spouse = 1;
    loaded.profile.W4.Form = W4Form::From2020;
    EXPECT_EQ(loaded.load(m_folder, "nobody"), LoadOutcome::Absent);
    EXPECT_EQ(loaded.profile.Name, "previous user");
    EXPECT_EQ(loaded.profile.W4.Form, W4Form::From2020);
    EXPECT_EQ(loaded.state.Spouse, 1);
}

struct CutCase {
    const char* file;
    int keep; // records of the file kept
    void (*check)(const Records&);
};

class CutFile : public ProfileFiles, public ::testing::WithParamInterface<CutCase> { };

// A file that ends early stops only its own reading: the other files of the set are read, so
// the next save does not write stale values over them.
TEST_P(CutFile, StopsOnlyThatFile)
{
    Records saved;
    fillEveryField(saved);
    ASSERT_FALSE(saveProfileFileSet(m_folder, "u", saved.set()));
    const std::string bytes = file(GetParam().file);
    write(GetParam().file, bytes.substr(0, recordStart(bytes, GetParam().keep)));
    Records loaded;
    loaded.profile.resetToNewUser();
    loaded.tracker.WeekEnding.fill("old");
    ProfileFileSet files = loaded.set();
    std::vector<std::filesystem::path> cut;
    EXPECT_EQ(loadProfileFileSet(m_folder, "u", files, &cut), LoadOutcome::EndedEarly);
    EXPECT_EQ(cut, std::vector<std::filesystem::path> { m_dir / GetParam().file });
    GetParam().check(loaded);
}

INSTANTIATE_TEST_SUITE_P(Files, CutFile,
    ::testing::Values(
        // .use cut after record 4: records 1 to 4 replaced, the rest of it kept, the other files read.
        CutCase { "u.use", 4,
            [](const Records& r) {
                EXPECT_EQ(r.tracker.Earned, 6240.5f);
                EXPECT_EQ(r.profile.HourRate2, 32.625f);
                EXPECT_EQ(r.profile.FedStatus, "Married");
                EXPECT_EQ(r.profile.Pension, 4.5f);
                EXPECT_EQ(r.profile.Muni, 0.0f);
                EXPECT_EQ(r.profile.Tax5, "CrUnion");
                EXPECT_EQ(r.profile.Name, "Smith, John");
                EXPECT_EQ(r.state.CalAllow, 134.5f);
                EXPECT_EQ(r.profile.Cafe, 45.5f);
                EXPECT_EQ(r.tracker.WeekEnding[0], "1/1/2024");
            } },
        // .and cut after record 5: the rest of it kept, .cfe and the rows read.
        CutCase { "u.and", 5,
            [](const Records& r) {
                EXPECT_EQ(r.profile.Tax5, "Union, Local 7");
                EXPECT_EQ(r.reserved.andBooleans[0], "#TRUE#");
                EXPECT_EQ(r.profile.SSnum, "123-45-6789");
                EXPECT_EQ(r.profile.Name, "Employee's Name");
                EXPECT_EQ(r.profile.KpPer, 1);
                EXPECT_EQ(r.profile.Cafe, 45.5f);
                EXPECT_EQ(r.tracker.OtAmount[52], "52.5");
            } },
        // .ovw cut after two rows.
        CutCase { "u.ovw", 4, [](const Records& r) {
                     EXPECT_EQ(r.tracker.WeekEnding[0], "1/1/2024");
                     EXPECT_EQ(r.tracker.OtAmount[1], "1.5");
                     EXPECT_EQ(r.tracker.WeekEnding[2], "old");
                     EXPECT_EQ(r.profile.Cafe, 45.5f);
                 } }));

struct RefusedCase {
    void (*spoil)(Records&);
    const char* field;
};

class RefusedText : public ProfileFiles, public ::testing::WithParamInterface<RefusedCase> { };

TEST_P(RefusedText, NothingIsWritten)
{
    Records good;
    fillEveryField(good);
    ASSERT_FALSE(saveProfileFileSet(m_folder, "u", good.set()));
    const std::string before[] = { file("u.use"), file("u.and"), file("u.cfe"), file("u.ovw") };
    Records bad;
    fillEveryField(bad);
    bad.profile.HourRate = 99;
    GetParam().spoil(bad);
    const auto reason = saveProfileFileSet(m_folder, "u", bad.set());
    ASSERT_TRUE(reason);
    EXPECT_NE(reason->find(GetParam().field), std::string::npos) << *reason;
    const std::string after[] = { file("u.use"), file("u.and"), file("u.cfe"), file("u.ovw") };
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(after[i], before[i]);
}

INSTANTIATE_TEST_SUITE_P(Fields, RefusedText,
    ::testing::Values(RefusedCase { [](Records& r) { r.profile.Tax9 = "the \"best\" plan"; }, "Tax9" },
        RefusedCase { [](Records& r) { r.profile.Name = "李小龙"; }, "Name" },
        RefusedCase { [](Records& r) { r.tracker.WeekEnding[52] = "1\"2"; }, "week ending" }));

TEST_F(ProfileFiles, AFileThatCannotBeReplacedStopsTheSave)
{
    Records r;
    r.profile.resetToNewUser();
    ASSERT_FALSE(saveProfileFileSet(m_folder, "u", r.set()));
    std::filesystem::remove(m_dir / "u.cfe");
    std::filesystem::create_directory(m_dir / "u.cfe");
    r.profile.Name = "changed";
    r.tracker.OtAmount[0] = "5";
    const auto reason = saveProfileFileSet(m_folder, "u", r.set());
    ASSERT_TRUE(reason);
    EXPECT_NE(reason->find("u.cfe"), std::string::npos) << *reason;
    EXPECT_NE(file("u.and"), golden("new_user.and")) << "written before the failure";
    EXPECT_EQ(file("u.ovw"), golden("new_user.ovw")) << "the old file after it stays";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 4) << "no temporary left";
}

// The certificate's file exists only for users who chose the form from 2020 on; once there it
// keeps saying what the user chose.
TEST_F(ProfileFiles, TheW4FileFollowsTheChoiceOfForm)
{
    Records r;
    r.profile.resetToNewUser();
    r.profile.W4.Status = W4FilingStatus::MarriedJointly; // a figure, with the old form
    ASSERT_FALSE(saveProfileFileSet(m_folder, "u", r.set()));
    EXPECT_EQ(file("u.w4"), "2019,\"Married\",0,0,0,0\r\n");

    r.profile.W4 = {};
    ASSERT_FALSE(saveProfileFileSet(m_folder, "v", r.set()));
    EXPECT_FALSE(fileExists(m_dir / "v.w4"));

    r.profile.W4 = { W4Form::From2020, W4FilingStatus::Single, false, 0, 0, 0 };
    ASSERT_FALSE(saveProfileFileSet(m_folder, "v", r.set()));
    EXPECT_EQ(file("v.w4"), "2020,\"Single\",0,0,0,0\r\n");
    // Back to the old form with nothing filled in: the file says so instead of staying 2020.
    r.profile.W4 = {};
    ASSERT_FALSE(saveProfileFileSet(m_folder, "v", r.set()));
    EXPECT_EQ(file("v.w4"), "2019,\"Single\",0,0,0,0\r\n");
    Records loaded;
    loaded.profile.W4.Form = W4Form::From2020;
    ASSERT_EQ(loaded.load(m_folder, "v"), LoadOutcome::Loaded);
    EXPECT_EQ(loaded.profile.W4, W4Certificate {});
}

TEST_F(ProfileFiles, WithoutAW4FileTheUserHasTheOldForm)
{
    Records saved;
    saved.profile.resetToNewUser();
    ASSERT_FALSE(saveProfileFileSet(m_folder, "old", saved.set()));
    Records loaded; // the previous user had the newer form
    loaded.profile.W4 = { W4Form::From2020, W4FilingStatus::HeadOfHousehold, true, 1, 2, 3 };
    ASSERT_EQ(loaded.load(m_folder, "old"), LoadOutcome::Loaded);
    EXPECT_EQ(loaded.profile.W4, W4Certificate {});
}

struct OddW4Case {
    const char* name;
    const char* bytes;
    LoadOutcome outcome;
    W4Certificate expected;
};

class OddW4File : public ProfileFiles, public ::testing::WithParamInterface<OddW4Case> { };

TEST_P(OddW4File, LoadsAsTheFileSays)
{
    Records saved;
    saved.profile.resetToNewUser();
    ASSERT_FALSE(saveProfileFileSet(m_folder, "u", saved.set()));
    write("u.w4", GetParam().bytes);
    Records loaded;
    loaded.profile.W4 = { W4Form::Before2020, W4FilingStatus::HeadOfHousehold, true, 7, 8, 9 };
    EXPECT_EQ(loaded.load(m_folder, "u"), GetParam().outcome);
    EXPECT_EQ(loaded.profile.W4, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Files, OddW4File,
    ::testing::Values(OddW4Case { "UnknownYear", "2021,\"Married\",#TRUE#,1,2,3\r\n", LoadOutcome::Loaded,
                          { W4Form::Before2020, W4FilingStatus::MarriedJointly, true, 1, 2, 3 } },
        OddW4Case { "UnknownStatus", "2020,\"Widowed\",0,0,0,0\r\n", LoadOutcome::Loaded,
            { W4Form::From2020, W4FilingStatus::Single, false, 0, 0, 0 } },
        // Cut after the status: the rest is the default certificate's, not the previous user's.
        OddW4Case { "EndsEarly", "2020,\"HeadOfHousehold\"\r\n", LoadOutcome::EndedEarly,
            { W4Form::From2020, W4FilingStatus::HeadOfHousehold, false, 0, 0, 0 } }),
    [](const auto& test) { return std::string(test.param.name); });
