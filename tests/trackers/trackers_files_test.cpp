// The leave log's ".hol" and the saved pay period's ".prv": bytes, names and damaged files.
#include "support/temp_folder.h"
#include "trackers/leave_log.h"
#include "trackers/overtime_record.h"
#include "trackers/saved_period.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tallyman {
namespace {

class TrackerFiles : public ::testing::Test {
protected:
    void write(const std::string& name, const std::string& bytes) const { m_temp.write(name, bytes); }
    std::string read(const std::string& name) const { return m_temp.read(name); }
    const test::TempFolder m_temp;
    const std::filesystem::path dir = m_temp.path();
};

std::string repeat(const std::string& line, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += line;
    return out;
}

TEST_F(TrackerFiles, LeaveLogIsWrittenByteForByteAndReadBack)
{
    LeaveLog log;
    log.VacStart = 10;
    log.VacBalance = 6.5f;
    log.VacCount[0] = 1;
    log.VacCount[1] = 0.5f;
    log.VacCount[2] = 2;
    log.VacDate[0] = "12/1/2026";
    log.HolStart = 3;
    log.HolBalance = 3;
    log.SickCount[19] = 0.062f;
    log.SickDate[19] = "sick, with a comma";
    ASSERT_FALSE(saveLeaveLog(DataFolder(dir), "Crew1", log));

    const std::string expected = "6.5,10,3,3,0,0\r\n"
                                 "1,0,0\r\n"
                                 "0.5,0,0\r\n"
                                 "2,0,0\r\n"
        + repeat("0,0,0\r\n", 16) + "0,0,0.062\r\n" + "\"12/1/2026\",\"\",\"\"\r\n"
        + repeat("\"\",\"\",\"\"\r\n", 18) + "\"\",\"\",\"sick, with a comma\"\r\n";
    EXPECT_EQ(read("Crew1.hol"), expected);

    LeaveLog back;
    EXPECT_EQ(loadLeaveLog(DataFolder(dir), "Crew1", back), LeaveLoad::Loaded);
    EXPECT_EQ(back, log);
}

TEST_F(TrackerFiles, DamagedLeaveLogsAreReadByTheReaderRules)
{
    LeaveLog before;
    before.SickStart = 7;
    before.VacDate[5] = "kept";
    struct Case {
        const char* name;
        std::string bytes;
        LeaveLoad outcome;
        float vacBalance, sickStart;
        const char* vacDate5;
    };
    const Case cases[] = {
        // Ends after the first record: the counts and dates keep what they held.
        { "ends early", "1,2,3,4,5,6\r\n", LeaveLoad::EndedEarly, 1, 6, "kept" },
        // Text where a number belongs reads 0; the rest of the file still reads.
        { "text for a number",
            "abc,2,3,4,5,6\r\n" + repeat("0,0,0\r\n", 20) + repeat("\"d\",\"\",\"\"\r\n", 20),
            LeaveLoad::Loaded, 0, 6, "d" },
        // A file far longer than the layout: only the 41 records count.
        { "10,000 rows", "1,2,3,4,5,6\r\n" + repeat("0,0,0\r\n", 20) + repeat("\"x\",\"y\",\"z\"\r\n", 10000),
            LeaveLoad::Loaded, 1, 6, "x" },
        // A number too large for a 32-bit field stops the load there.
        { "out of range", "1E+39,2\r\n", LeaveLoad::EndedEarly, 0, 7, "kept" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        write("u.hol", c.bytes);
        LeaveLog log = before;
        EXPECT_EQ(loadLeaveLog(DataFolder(dir), "u", log), c.outcome);
        EXPECT_EQ(log.VacBalance, c.vacBalance);
        EXPECT_EQ(log.SickStart, c.sickStart);
        EXPECT_EQ(log.VacDate[5], c.vacDate5);
    }
    LeaveLog untouched = before;
    EXPECT_EQ(loadLeaveLog(DataFolder(dir), "absent", untouched), LeaveLoad::Absent);
    EXPECT_EQ(untouched, before);
}

TEST_F(TrackerFiles, LeaveLogWithAnUnstorableDateIsNotWritten)
{
    write("u.hol", "old");
    LeaveLog log;
    log.HolDate[3] = "say \"when\"";
    EXPECT_TRUE(saveLeaveLog(DataFolder(dir), "u", log));
    EXPECT_EQ(read("u.hol"), "old");
}

TEST_F(TrackerFiles, SavedPeriodIsOneValuePerRecord)
{
    SavedPayPeriod period;
    for (std::size_t i = 0; i < period.values.size(); ++i)
        period.values[i] = static_cast<Amount>(i) * 0.5f;
    period.values[8] = 1234.56f;
    std::string expected;
    for (std::size_t i = 0; i < period.values.size(); ++i)
        expected += (i == 8          ? std::string("1234.56")
                            : i == 1 ? "0.5"
                            : i % 2  ? std::to_string(i / 2) + ".5"
                                     : std::to_string(i / 2))
            + "\r\n";
    ASSERT_FALSE(saveSavedPeriod(dir / "p.prv", period));
    EXPECT_EQ(read("p.prv"), expected);
    // A pay period is personal: its owner's alone.
    EXPECT_EQ(std::filesystem::status(dir / "p.prv").permissions() & std::filesystem::perms::all,
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    const auto back = loadSavedPeriod(dir / "p.prv");
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, std::vector<Amount>(period.values.begin(), period.values.end()));
}

TEST_F(TrackerFiles, DamagedSavedPeriodsStopWhereTheyStopReading)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::size_t values;
    };
    const Case cases[] = {
        { "ends early", "1\r\n2\r\n3\r\n", 3 },
        { "text for a number", "1\r\n2\r\nabc\r\n4\r\n", 2 },
        { "10,000 rows", repeat("7\r\n", 10000), 26 },
        { "empty", "", 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        write("d.prv", c.bytes);
        const auto values = loadSavedPeriod(dir / "d.prv");
        ASSERT_TRUE(values);
        EXPECT_EQ(values->size(), c.values);
    }
    EXPECT_FALSE(loadSavedPeriod(dir / "absent.prv"));
}

TEST(SavedPeriodNames, WeekTextAndUserMakeTheName)
{
    struct Case {
        const char *week, *user, *file, *weekBack;
    };
    const Case cases[] = {
        { "12/31/2024", "Crew1", "12_31_2024  Crew1.prv", "12/31/2024" },
        { "1/5/2026", "", "1_5_2026  .prv", "1/5/2026" },
        { "../../etc", "x", ".._.._etc  x.prv", "../../etc" },
        { "", "Crew1", "  Crew1.prv", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.week);
        EXPECT_EQ(savedPeriodFileName(c.week, c.user), c.file);
        EXPECT_EQ(weekTextOfFileName(c.file), c.weekBack);
        // Whatever the week says, the name stays one name inside the folder.
        EXPECT_EQ(std::filesystem::path(c.file).filename().string(), c.file);
    }
    EXPECT_EQ(weekTextOfFileName("12_31_2024.prv"), "12/31/2024");
}

TEST(SavedPeriodNames, CharactersNoFileNameHoldsAreRefused)
{
    for (const char* bad :
        { "12:31", "a\\b", "12*", "why?", "say \"x\"", "a<b", "a>b", "a|b", "tab\there", "\x7f" }) {
        SCOPED_TRACE(bad);
        const auto problem = weekTextProblem(bad);
        ASSERT_TRUE(problem);
        EXPECT_NE(problem->find("week ending"), std::string::npos);
    }
    for (const char* good : { "12/31/2024", "Dec 31, 2024", "", "31.12.2024" })
        EXPECT_FALSE(weekTextProblem(good)) << good;
}

TEST(SavedPeriodNames, LengthIsCountedInCharacters)
{
    for (const std::string piece : { "a", "é" }) {
        std::string text;
        for (int i = 0; i < 200; ++i)
            text += piece;
        EXPECT_FALSE(weekTextProblem(text)) << piece;
        EXPECT_TRUE(weekTextProblem(text + piece)) << piece;
    }
}

TEST(SavedPeriodNames, OnlyTheUsersOwnPeriodsAreListed)
{
    const test::TempFolder dir;
    for (const char* name :
        { "1_2_2026  b.prv", "12_31_2024  b.prv", "1_2_2026  ab.prv", "x  a  b.prv", "b.use" })
        dir.write(name, "1\r\n");
    EXPECT_EQ(savedPeriodFiles(DataFolder(dir.path()), "b"),
        (std::vector<std::string> { "12_31_2024  b.prv", "1_2_2026  b.prv" }));
}

TEST(OvertimeRecord, NewClearsTheRowsInRangeOnly)
{
    OvertimeTracker t;
    t.WeekEnding.fill("w");
    t.OtAmount.fill("5");
    t.Earned = 1;
    t.Annual = 52000;
    t.ApPercent = 15;
    t.MaxAllowable = 7800;
    t.Available = 7799;
    t.PresentRate = 0.5f;
    clearOvertimeRecord(t, 27);
    EXPECT_EQ(t.WeekEnding[26], "");
    EXPECT_EQ(t.OtAmount[26], "0");
    EXPECT_EQ(t.WeekEnding[27], "w");
    EXPECT_EQ(t.OtAmount[52], "5");
    EXPECT_EQ(t.Annual, 11440);
    EXPECT_EQ(t.ApPercent + t.Earned + t.MaxAllowable + t.Available + t.PresentRate, 0);
}

} // namespace
} // namespace tallyman
