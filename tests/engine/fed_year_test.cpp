// The shipped annual schedules, the Step 2 derivation, the table builder against the shipped
// 2024 table, the year carried after the 177 fields and installing a year.
#include "engine_harness.h"

#include "engine/fed_year.h"
#include "numbers/number_text.h"

#include <map>

#include <sys/stat.h>

using namespace tallyman;
using namespace tallyman::test;

namespace {

const std::filesystem::path DataDir = TALLYMAN_DATA_DIR;

FedYear shippedYear(int year)
{
    const ParsedFedYear parsed = loadShippedFedYear(DataDir, year);
    if (!parsed.year)
        throw std::runtime_error(parsed.problem);
    return *parsed.year;
}

const char* statusName(std::size_t s)
{
    return s == 0 ? "Single" : s == 1 ? "MarriedJointly" : "HeadOfHousehold";
}

// A small but complete schedule file, for the parser's refusals.
std::string yearText()
{
    std::string text = "year 2030\nwage-base 200000\nadditional-medicare 200000 0.009\nallowance 4300\n"
                       "line-1g married-jointly 12900\nline-1g other 8600\n";
    for (const char* kind : { "standard", "step2" })
        for (const char* status : { "single", "married-jointly", "head-of-household" }) {
            const double bounds[8] = { 0, 1000, 2000, 3000, 4000, 5000, 6000, 7000 };
            const double rates[8] = { 0, 0.1, 0.12, 0.22, 0.24, 0.32, 0.35, 0.37 };
            double base = 0;
            for (int r = 0; r < 8; ++r) {
                if (r > 0)
                    base += (bounds[r] - bounds[r - 1]) * rates[r - 1];
                text += std::string(kind) + " " + status + " " + numberText(bounds[r]) + " "
                    + numberText(base) + " " + numberText(rates[r]) + "\n";
            }
        }
    return text;
}

} // namespace

TEST(ShippedSchedules, EveryYearFrom2024To2026IsShippedAndConsistent)
{
    EXPECT_EQ(shippedFedYears(DataDir), (std::vector<int> { 2024, 2025, 2026 }));
    const std::map<int, double> wageBases { { 2024, 168600 }, { 2025, 176100 }, { 2026, 184500 } };
    for (const int y : shippedFedYears(DataDir)) {
        SCOPED_TRACE(y);
        const FedYear year = shippedYear(y);
        EXPECT_EQ(year.Year, y);
        EXPECT_EQ(year.WageBase, wageBases.at(y));
        EXPECT_EQ(year.AddlMedicareThreshold, 200000);
        EXPECT_EQ(year.AddlMedicareRate, 0.009);
        EXPECT_EQ(year.Allowance, 4300);
        EXPECT_EQ(year.Line1gMarried, 12900);
        EXPECT_EQ(year.Line1gOther, 8600);
        for (std::size_t s = 0; s < 3; ++s) {
            SCOPED_TRACE(statusName(s));
            EXPECT_EQ(scheduleProblem(year.Standard[s]), std::nullopt);
            EXPECT_EQ(scheduleProblem(year.Step2[s]), std::nullopt);
        }
    }
}

TEST(ShippedSchedules, ConsistencyCheckCatchesAMistypedFigure)
{
    AnnualSchedule s = shippedYear(2026).Standard[0];
    ASSERT_EQ(scheduleProblem(s), std::nullopt);
    struct Typo {
        std::size_t row;
        double AnnualRow::*field;
        double value;
    };
    for (const Typo typo : { Typo { 3, &AnnualRow::Base, 5880 }, Typo { 4, &AnnualRow::AtLeast, 113300 },
             Typo { 7, &AnnualRow::Base, 192979.25 + 1 }, Typo { 2, &AnnualRow::AtLeast, 7000 } }) {
        AnnualSchedule wrong = s;
        wrong[typo.row].*typo.field = typo.value;
        EXPECT_NE(scheduleProblem(wrong), std::nullopt) << "row " << typo.row;
    }
    // A bound rounded from a half dollar is allowed.
    AnnualSchedule rounded = s;
    rounded[5].AtLeast += 0.5;
    EXPECT_EQ(scheduleProblem(rounded), std::nullopt);
}

TEST(ShippedSchedules, DerivingTheCheckboxSchedulesReproducesEveryPublishedRow)
{
    // 2025 and 2026 are published; 2024 is shipped derived, and must stay what the rule gives.
    for (const int y : { 2024, 2025, 2026 }) {
        const FedYear year = shippedYear(y);
        for (std::size_t s = 0; s < 3; ++s) {
            const auto status = static_cast<W4FilingStatus>(s);
            const AnnualSchedule derived = deriveStep2Schedule(year.Standard[s], line1gOf(year, status));
            for (std::size_t r = 0; r < 8; ++r) {
                SCOPED_TRACE(std::to_string(y) + " " + statusName(s) + " row " + std::to_string(r + 1));
                EXPECT_EQ(derived[r], year.Step2[s][r]);
            }
        }
    }
    // The example of the rule: Single 2026 starts at (8,600 + 7,500) / 2 and shows 108,937.50 as 108,938.
    const AnnualSchedule single = shippedYear(2026).Step2[0];
    EXPECT_EQ(single[1].AtLeast, 8050);
    EXPECT_EQ(single[5].AtLeast, 108938);
    EXPECT_EQ(single[7].Base, 96489.63);
}

TEST(TableBuilder, Building2024ReproducesTheShippedTableFieldByField)
{
    FedTable shipped;
    ASSERT_EQ(readFedTable(shipped, *readWholeFile(DataDir / "Federal24.dtt"), FedLayout::Current),
        FedTableRead::Complete);
    const FedTable built = buildFedTable(shippedYear(2024));
    const std::pair<const char*, FedRows FedTable::*> tables[]
        = { { "SingleBiWeekly", &FedTable::SingleBiWeekly }, { "SingleWeekly", &FedTable::SingleWeekly },
              { "MarriedBiWeekly", &FedTable::MarriedBiWeekly },
              { "MarriedWeekly", &FedTable::MarriedWeekly } };
    for (const auto& [name, rows] : tables)
        for (std::size_t r = 0; r < 8; ++r) {
            SCOPED_TRACE(std::string(name) + " row " + std::to_string(r + 1));
            const FedRow& b = (built.*rows)[r];
            const FedRow& s = (shipped.*rows)[r];
            EXPECT_EQ(b.Over, s.Over);
            if (r < 7) {
                EXPECT_EQ(b.NotOver, s.NotOver);
            }
            EXPECT_EQ(b.ExcessOver, s.ExcessOver);
            EXPECT_EQ(b.Rate, s.Rate);
            EXPECT_EQ(b.BaseTax, s.BaseTax);
        }
    EXPECT_EQ(built.SingleAllowance, shipped.SingleAllowance);
    EXPECT_EQ(built.MarriedAllowance, shipped.MarriedAllowance);
    EXPECT_EQ(built.SingleWeekly[2].Over, 338);
    EXPECT_EQ(built.SingleWeekly[3].BaseTax, 104.38f);
    EXPECT_EQ(built.SingleAllowance[1], 82.69f);
    EXPECT_EQ(built.Version, "2024 Percentage Method, W-4 2019 or earlier and 2020 or later");

    // The 177 fields of the built file are the shipped file's, text for text, but the version.
    const std::string bytes = fedTableFileBytes(built);
    const std::string shippedBytes = *readWholeFile(DataDir / "Federal24.dtt");
    const auto fields = [](const std::string& text) {
        std::vector<std::string> out;
        records::RecordReader reader(text);
        for (int i = 0; i < 176; ++i)
            out.push_back(reader.raw());
        return out;
    };
    EXPECT_EQ(fields(bytes), fields(shippedBytes));
}

TEST(TableFileYear, BuiltFileReadsBackWithItsYearAndOldLayoutReadersSeeTheSameTable)
{
    const FedTable built = buildFedTable(shippedYear(2026));
    FedTable read;
    ASSERT_EQ(readFedTable(read, fedTableFileBytes(built), FedLayout::Current), FedTableRead::Complete);
    ASSERT_TRUE(read.Year);
    EXPECT_EQ(*read.Year, *built.Year);
    EXPECT_EQ(read.Version, "2026 Percentage Method, W-4 2019 or earlier and 2020 or later");
    EXPECT_EQ(read.SingleWeekly[1].Over, 144); // 7,500 / 52
    EXPECT_EQ(read.MarriedBiWeekly[7].Over, 30308); // 788,000 / 26

    // The same table without its year: the 177 fields alone, what any reader before sees.
    FedTable plain = built;
    plain.Year.reset();
    FedTable readPlain;
    ASSERT_EQ(readFedTable(readPlain, fedTableFileBytes(plain), FedLayout::Current), FedTableRead::Complete);
    EXPECT_FALSE(readPlain.Year);
    EXPECT_EQ(readPlain.SingleWeekly[7].BaseTax, read.SingleWeekly[7].BaseTax);
    EXPECT_EQ(readPlain.MarriedAllowance, read.MarriedAllowance);

    FedTable shipped;
    ASSERT_EQ(readFedTable(shipped, *readWholeFile(DataDir / "Federal24.dtt"), FedLayout::Current),
        FedTableRead::Complete);
    EXPECT_FALSE(shipped.Year);
}

TEST(TableFileYear, ADamagedYearRefusesTheFile)
{
    const std::string good = fedTableFileBytes(buildFedTable(shippedYear(2026)));
    const std::size_t year = good.find(std::string(FedYearMarker)) + FedYearMarker.size() + 3;
    struct Damage {
        const char* name;
        std::string bytes;
    };
    std::string badBase = good;
    badBase.replace(badBase.find("5800,"), 4, "5900"); // a base of the first schedule
    const Damage damages[] = {
        { "CutInTheSchedules", good.substr(0, good.size() - 40) },
        { "CutAfterTheMarker", good.substr(0, year) },
        { "WordForTheWageBase", std::string(good).replace(good.find(",184500,"), 8, ",abc,") },
        { "InconsistentSchedule", badBase },
        { "HugeThreshold", std::string(good).replace(good.find(",200000,"), 8, ",1E+300,") },
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.name);
        FedTable t = simpleTable("old version");
        EXPECT_EQ(readFedTable(t, d.bytes, FedLayout::Current), FedTableRead::Refused);
        EXPECT_FALSE(t.Year);
        EXPECT_EQ(t.SingleWeekly[2].BaseTax, 0);
        EXPECT_EQ(t.Version, "old version");
    }
    // Anything else after the version is not a year and is left alone.
    FedTable t;
    EXPECT_EQ(readFedTable(t, fedTableBytes(simpleTable(), FedLayout::Current) + "\"notes\",1,2\r\n",
                  FedLayout::Current),
        FedTableRead::Complete);
    EXPECT_FALSE(t.Year);
}

TEST(ScheduleFile, RefusesWhatDoesNotMakeAYear)
{
    ASSERT_TRUE(parseFedYear(yearText()).year) << parseFedYear(yearText()).problem;
    const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    struct Bad {
        const char* name;
        std::string text;
        const char* problem;
    };
    const std::string text = yearText();
    const Bad bads[] = {
        { "NoYear", replaced(text, "year 2030\n", ""), "\"year\" is missing" },
        { "UnknownKey", "colour blue\n" + text, "line 1: unknown key \"colour\"" },
        { "NotANumber", replaced(text, "wage-base 200000", "wage-base lots"),
            "line 2: \"lots\" is not an amount" },
        { "RateInPercent", replaced(text, "standard single 1000 0 0.1", "standard single 1000 0 10"),
            "line 8: a rate is a fraction (0.22 for 22 %)" },
        { "NineRows", replaced(text, "step2 single 0 0 0\n", "step2 single 0 0 0\nstep2 single 0 0 0\n"),
            "has more than 8 rows" },
        { "BadBase",
            replaced(text, "standard head-of-household 2000 100", "standard head-of-household 2000 110"),
            "standard head-of-household: row 3: the base 110 should be 100" },
        { "TwoYears", text + "year 2031\n", "\"year\" is given twice" },
    };
    for (const Bad& b : bads) {
        SCOPED_TRACE(b.name);
        const ParsedFedYear parsed = parseFedYear(b.text);
        EXPECT_FALSE(parsed.year);
        EXPECT_NE(parsed.problem.find(b.problem), std::string::npos) << parsed.problem;
    }
}

TEST(InstallYear, WritesTheTableKeepsThePreviousOneAndLoadsIt)
{
    TempFolder data;
    replaceFile(data.path() / "Federal24.dtt", "old table bytes");
    const FedInstall done = installFedYear(data.path(), DataDir, 2026);
    ASSERT_TRUE(done.installed);
    const auto table = data.path() / "Federal24.dtt";
    const auto backup = data.path() / "Federal24.dtt.bak";
    EXPECT_EQ(done.lines,
        (std::vector<std::string> { "The 2026 federal table is installed as " + table.string() + ".",
            "The previous table is kept as " + backup.string() + "." }));
    EXPECT_EQ(readWholeFile(backup), "old table bytes");
    EXPECT_EQ(readWholeFile(table), fedTableFileBytes(buildFedTable(shippedYear(2026))));
    struct stat st { };
    ASSERT_EQ(::stat(table.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    FedTable loaded;
    std::vector<Notice> notices;
    ASSERT_TRUE(LoadFedTable(loaded, false, { data.path(), DataDir }, notices));
    ASSERT_TRUE(loaded.Year);
    EXPECT_EQ(loaded.Year->WageBase, 184500);

    // A year that is not shipped changes nothing.
    const FedInstall refused = installFedYear(data.path(), DataDir, 2019);
    EXPECT_FALSE(refused.installed);
    EXPECT_EQ(refused.lines.front(), "The 2019 federal table was not installed.");
    EXPECT_EQ(readWholeFile(backup), "old table bytes");
}

TEST(InstallYear, WithoutAnEarlierTableNoBackupIsWritten)
{
    TempFolder data;
    const FedInstall done = installFedYear(data.path(), DataDir, 2025);
    ASSERT_TRUE(done.installed);
    EXPECT_FALSE(std::filesystem::exists(data.path() / "Federal24.dtt.bak"));
    EXPECT_NE(done.lines.back().find("There was no table in the data folder before"), std::string::npos);
}
