// Federal table files (both layouts, damaged and missing ones) and the bracket evaluation.
#include "engine_harness.h"

#include "numbers/rounding.h"

#include <chrono>
#include <cmath>
#include <fstream>
#include <memory>

using namespace tallyman;
using namespace tallyman::test;

namespace {

FedTable loadedFrom(const std::string& bytes, FedLayout layout, FedTable start = simpleTable("old version"))
{
    readFedTable(start, bytes, layout);
    return start;
}

void expectRowsEqual(const FedRows& actual, const FedRows& expected)
{
    for (std::size_t r = 0; r < 8; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(actual[r].Over, expected[r].Over);
        EXPECT_EQ(actual[r].NotOver, r < 7 ? expected[r].NotOver : 0);
        EXPECT_EQ(actual[r].ExcessOver, expected[r].ExcessOver);
        EXPECT_EQ(actual[r].Rate, expected[r].Rate);
        EXPECT_EQ(actual[r].BaseTax, expected[r].BaseTax);
    }
}

bool allZero(const FedRows& rows)
{
    for (const FedRow& row : rows)
        if (row.Over != 0 || row.NotOver != 0 || row.ExcessOver != 0 || row.Rate != 0 || row.BaseTax != 0)
            return false;
    return true;
}

// The row-8 table of the 2024 file as the reader must see it.
FedTable shippedTable()
{
    FedTable t;
    readFedTable(
        t, *readWholeFile(std::filesystem::path(TALLYMAN_DATA_DIR) / "Federal24.dtt"), FedLayout::Current);
    return t;
}

} // namespace

TEST(FedTableFile, CurrentLayoutReadsEveryField)
{
    const FedTable source = simpleTable("Table 2024, percentage method");
    const FedTable t = loadedFrom(fedTableBytes(source, FedLayout::Current), FedLayout::Current, FedTable {});
    expectRowsEqual(t.SingleBiWeekly, source.SingleBiWeekly);
    expectRowsEqual(t.SingleWeekly, source.SingleWeekly);
    expectRowsEqual(t.MarriedBiWeekly, source.MarriedBiWeekly);
    expectRowsEqual(t.MarriedWeekly, source.MarriedWeekly);
    EXPECT_EQ(t.SingleAllowance, source.SingleAllowance);
    EXPECT_EQ(t.MarriedAllowance, source.MarriedAllowance);
    EXPECT_EQ(t.Version, "Table 2024, percentage method");
}

TEST(FedTableFile, LegacyLayoutLeavesRowsSixAndSevenZeroAfterAFullTable)
{
    TempFolder folder;
    FedTable legacy = simpleTable("legacy");
    for (FedRows* rows :
        { &legacy.SingleBiWeekly, &legacy.SingleWeekly, &legacy.MarriedBiWeekly, &legacy.MarriedWeekly })
        for (std::size_t r = 5; r < 7; ++r)
            (*rows)[r] = FedRow {};
    legacy.SingleWeekly[7].Over = 5000; // the legacy row 6
    replaceFile(folder.path() / "Federal09_jan.dtt", fedTableBytes(legacy, FedLayout::Legacy));

    FedTable t = simpleTable();
    t.SingleWeekly[5] = FedRow { 1, 2, 3, 4, 5 };
    std::vector<Notice> notices;
    ASSERT_TRUE(LoadFedTable(t, true, { folder.path(), {} }, notices));
    EXPECT_TRUE(notices.empty());
    expectRowsEqual(t.SingleWeekly, legacy.SingleWeekly);
    expectRowsEqual(t.MarriedBiWeekly, legacy.MarriedBiWeekly);
    EXPECT_EQ(t.MarriedAllowance, legacy.MarriedAllowance);
    EXPECT_EQ(t.Version, "legacy");
}

struct DamagedCase {
    const char* name;
    std::size_t keepFields; // fields of a full file kept before the cut
    bool rowOneRead;
    bool tableRead; // SingleBiWeekly complete
    bool versionRead;
};

class ShortTableFile : public ::testing::TestWithParam<DamagedCase> { };

TEST_P(ShortTableFile, KeepsWhatWasReadAndZeroesTheRest)
{
    const auto& c = GetParam();
    const std::string full = fedTableBytes(simpleTable("new"), FedLayout::Current);
    std::string cut;
    std::size_t fields = 0;
    for (std::size_t i = 0; i < full.size() && fields < c.keepFields; ++i) {
        if (full[i] == ',' || full[i] == '\n')
            ++fields;
        if (fields < c.keepFields)
            cut += full[i];
    }
    const FedTable t = loadedFrom(cut, FedLayout::Current);
    EXPECT_EQ(t.SingleBiWeekly[0].NotOver, c.rowOneRead ? 200 : 0);
    EXPECT_EQ(t.SingleBiWeekly[7].BaseTax, c.tableRead ? simpleTable().SingleBiWeekly[7].BaseTax : 0);
    EXPECT_TRUE(allZero(t.MarriedWeekly));
    EXPECT_EQ(t.MarriedAllowance[9], c.versionRead ? 630 : 0);
    EXPECT_EQ(t.Version, c.versionRead ? "new" : "old version");
}

INSTANTIATE_TEST_SUITE_P(Cuts, ShortTableFile,
    ::testing::Values(DamagedCase { "Empty", 0, false, false, false },
        DamagedCase { "MidRowTwo", 6, true, false, false },
        DamagedCase { "AfterFirstTable", 39, true, true, false }),
    CaseName());

TEST(ShortTableFile, MissingOnlyTheVersionKeepsTheOldVersion)
{
    std::string bytes = fedTableBytes(simpleTable("new"), FedLayout::Current);
    bytes.erase(bytes.rfind("\"new\""));
    const FedTable t = loadedFrom(bytes, FedLayout::Current);
    EXPECT_EQ(t.MarriedWeekly[2].BaseTax, 90);
    EXPECT_EQ(t.MarriedAllowance[9], 630);
    EXPECT_EQ(t.Version, "old version");
}

TEST(DamagedTableFile, TextWhereANumberBelongsReadsZeroAndKeepsTheFieldOrder)
{
    std::string bytes = fedTableBytes(simpleTable(), FedLayout::Current);
    // Field 5 (row 2 Over) becomes a word, field 6 a quoted text, field 7 an empty field.
    std::size_t pos = bytes.find("\r\n") + 2;
    bytes.replace(pos, bytes.find(',', pos) - pos, "abc");
    pos = bytes.find(',', pos) + 1;
    bytes.replace(pos, bytes.find(',', pos) - pos, "\"xyz\"");
    pos = bytes.find(',', pos) + 1;
    bytes.replace(pos, bytes.find(',', pos) - pos, "");
    const FedTable t = loadedFrom(bytes, FedLayout::Current);
    EXPECT_EQ(t.SingleBiWeekly[1].Over, 0);
    EXPECT_EQ(t.SingleBiWeekly[1].NotOver, 0);
    EXPECT_EQ(t.SingleBiWeekly[1].ExcessOver, 0);
    EXPECT_EQ(t.SingleBiWeekly[1].Rate, 0.1f);
    EXPECT_EQ(t.MarriedAllowance[9], 630);
    EXPECT_EQ(t.Version, "Simple table");
}

// A figure no field can hold comes from a program gone wrong: the file is refused, named, as a
// corrupted settings file is, and the calculation goes on with an all-zero table.
TEST(DamagedTableFile, NumberNoFieldCanHoldRefusesTheFileNamingIt)
{
    for (const char* figure : { "1e308", "1E+300", "-1e39", "NaN", "nan", "-inf", "Infinity", "1e999" }) {
        SCOPED_TRACE(figure);
        std::string bytes = fedTableBytes(simpleTable("new"), FedLayout::Current);
        const std::size_t pos = bytes.find("0.2"); // a rate of the first table
        bytes.replace(pos, 3, figure);
        EXPECT_EQ(
            readFedTable(*std::make_unique<FedTable>(), bytes, FedLayout::Current), FedTableRead::Refused);

        TempFolder folder;
        replaceFile(folder.path() / "Federal24.dtt", bytes);
        FedTable t = simpleTable("old version");
        std::vector<Notice> notices;
        EXPECT_FALSE(LoadFedTable(t, false, { folder.path(), {} }, notices));
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_EQ(notices[0].lines,
            (std::vector<std::string> { "You have corupted a file.", "Find file,",
                (folder.path() / "Federal24.dtt").string(), "and delete it." }));
        EXPECT_TRUE(allZero(t.SingleWeekly));
        EXPECT_EQ(t.MarriedAllowance[9], 0);
        EXPECT_EQ(t.Version, "old version");
        // Refused again at the next calculation, although the file was parsed once.
        notices.clear();
        EXPECT_FALSE(LoadFedTable(t, false, { folder.path(), {} }, notices));
        EXPECT_EQ(notices.size(), 1u);
    }
}

// The file is looked at for every load but parsed only when it is another file than last time.
TEST(TableFileCache, AnUnchangedFileIsNotParsedAgainAndAChangedOneIs)
{
    TempFolder folder;
    const auto path = folder.path() / "Federal24.dtt";
    FedTable t;
    std::vector<Notice> notices;
    const auto load = [&] {
        const std::size_t before = fedTableParseCount();
        EXPECT_TRUE(LoadFedTable(t, false, { folder.path(), {} }, notices));
        return fedTableParseCount() - before;
    };
    const auto ago = [&](int seconds) {
        std::filesystem::last_write_time(
            path, std::filesystem::file_time_type::clock::now() - std::chrono::seconds(seconds));
    };
    // A file written within the file system clock's tick of the read is parsed each time, as
    // an edit in that tick would keep its time.
    replaceFile(path, fedTableBytes(simpleTable("first"), FedLayout::Current));
    EXPECT_EQ(load(), 1u);
    EXPECT_EQ(load(), 1u);
    ago(10);
    EXPECT_EQ(load(), 1u);
    EXPECT_EQ(t.Version, "first");
    // Unchanged: the table parsed before, every number and the version.
    t = FedTable {};
    EXPECT_EQ(load(), 0u);
    EXPECT_EQ(load(), 0u);
    EXPECT_EQ(t.Version, "first");
    EXPECT_EQ(t.SingleWeekly[2].BaseTax, 90);
    EXPECT_EQ(t.MarriedAllowance[9], 630);

    // Replaced (a new inode), edited in place (a new size or time): parsed again.
    replaceFile(path, fedTableBytes(simpleTable("second"), FedLayout::Current));
    ago(10);
    EXPECT_EQ(load(), 1u);
    EXPECT_EQ(t.Version, "second");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << fedTableBytes(simpleTable("SECOND"), FedLayout::Current);
    }
    ago(5);
    EXPECT_EQ(load(), 1u);
    EXPECT_EQ(t.Version, "SECOND");
    EXPECT_EQ(load(), 0u);
    EXPECT_TRUE(notices.empty());

    // The legacy layout of the same bytes is another parse.
    replaceFile(folder.path() / "Federal09_jan.dtt", *readWholeFile(path));
    ASSERT_TRUE(LoadFedTable(t, true, { folder.path(), {} }, notices));
    EXPECT_EQ(t.SingleBiWeekly[5].Over, 0); // the legacy layout has no row 6 or 7

    // Gone: the warning, whatever was parsed before.
    std::filesystem::remove(path);
    EXPECT_FALSE(LoadFedTable(t, false, { folder.path(), {} }, notices));
    EXPECT_EQ(notices.size(), 1u);
}

TEST(DamagedTableFile, BinaryJunkNeverCrashes)
{
    std::string junk;
    for (int i = 0; i < 4000; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    const FedTable t = loadedFrom(junk, FedLayout::Current);
    for (const FedRow& row : t.SingleBiWeekly)
        EXPECT_TRUE(std::isfinite(row.Over) && std::isfinite(row.Rate));
}

TEST(MissingTableFile, WarnsWithTheFiveLinesAndLeavesTheTableZero)
{
    TempFolder folder;
    for (bool ckFedJan : { false, true }) {
        FedTable t = simpleTable("kept");
        std::vector<Notice> notices;
        EXPECT_FALSE(LoadFedTable(t, ckFedJan, { folder.path(), folder.path() / "none" }, notices));
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_TRUE(notices[0].warning);
        EXPECT_EQ(notices[0].lines,
            (std::vector<std::string> { "   Operation Failed ! ! !", "Save and Open, Only in Folder",
                "where Tallyman 2024 was installed", "Contact QUORVAN SOFTWARE", "support@tallyman.app" }));
        EXPECT_TRUE(allZero(t.SingleWeekly) && allZero(t.MarriedBiWeekly));
        EXPECT_EQ(t.SingleAllowance[3], 0);
        EXPECT_EQ(t.Version, "kept");
    }
}

TEST(TableFolders, DataFolderFirstThenInstalledCopy)
{
    TempFolder data, installed;
    std::vector<Notice> notices;
    replaceFile(
        installed.path() / "Federal24.dtt", fedTableBytes(simpleTable("installed"), FedLayout::Current));
    FedTable t;
    EXPECT_EQ(locateFedTable({ data.path(), installed.path() }, FedTableFileName),
        installed.path() / "Federal24.dtt");
    EXPECT_EQ(locateFedTable({ data.path(), installed.path() }, FedJanTableFileName), std::nullopt);
    ASSERT_TRUE(LoadFedTable(t, false, { data.path(), installed.path() }, notices));
    EXPECT_EQ(t.Version, "installed");
    replaceFile(data.path() / "Federal24.dtt", fedTableBytes(simpleTable("data"), FedLayout::Current));
    ASSERT_TRUE(LoadFedTable(t, false, { data.path(), installed.path() }, notices));
    EXPECT_EQ(t.Version, "data");
}

TEST(ShippedTable, HoldsThe2024Brackets)
{
    const FedTable t = shippedTable();
    EXPECT_EQ(t.Version, "2024 Percentage Method, W-4 2019 or earlier");
    for (const FedRows* rows : { &t.SingleBiWeekly, &t.SingleWeekly, &t.MarriedBiWeekly, &t.MarriedWeekly })
        for (std::size_t r = 0; r < 8; ++r) {
            EXPECT_EQ((*rows)[r].ExcessOver, (*rows)[r].Over);
            if (r < 7) {
                EXPECT_EQ((*rows)[r].NotOver, (*rows)[r + 1].Over);
            }
        }
    EXPECT_EQ(t.MarriedBiWeekly[7].Over, 28750);
    EXPECT_EQ(t.MarriedBiWeekly[7].BaseTax, 7564.21f);
    EXPECT_EQ(t.SingleWeekly[3].Rate, 0.22f);
    EXPECT_EQ(t.SingleAllowance[3], float(3 * 82.69));
    EXPECT_EQ(t.MarriedAllowance[9], float(9 * 82.69));
}

struct FedBracketCase {
    const char* name;
    bool married;
    bool biWeekly;
    float taxable;
    float fedTax; // before rounding to cents, compared after it
};

class FedBrackets : public ::testing::TestWithParam<FedBracketCase> { };

TEST_P(FedBrackets, LastApplyingRowSetsTheTax)
{
    const auto& c = GetParam();
    static const FedTable table = shippedTable();
    EmployeeProfile profile;
    profile.Week = c.biWeekly ? 0 : -1;
    profile.BiWeek = c.biWeekly ? -1 : 0;
    PayResult pay;
    pay.FedTaxable = c.taxable;
    (c.married ? GetFedMarried : GetFedSingle)(table, profile, pay);
    EXPECT_EQ(roundCents(pay.FedTax), c.fedTax);
}

INSTANTIATE_TEST_SUITE_P(Table2024, FedBrackets,
    ::testing::Values(FedBracketCase { "Negative", false, false, -40, 0 },
        FedBracketCase { "Zero", false, false, 0, 0 },
        FedBracketCase { "BelowRowTwo", false, false, 114.99f, 0 },
        FedBracketCase { "AtRowTwo", false, false, 115, 0 },
        FedBracketCase { "JustBelowRowThree", false, false, 337.99f, 22.30f },
        // 338 is row 2's NotOver and row 3's Over: row 3, (338 - 338) x .12 + 22.30
        FedBracketCase { "AtRowThree", false, false, 338, 22.30f },
        // 300 - 115 = 185 at 10 %
        FedBracketCase { "WeeklySingle300", false, false, 300, 18.50f },
        // open-ended row: (12000 - 11834) x .37 + 3531.84
        FedBracketCase { "TopRow", false, false, 12000, 3593.26f },
        // bi-weekly single: (1000 - 677) x .12 + 44.60
        FedBracketCase { "BiWeeklySingle", false, true, 1000, 83.36f },
        // married weekly: (1000 - 760) x .12 + 44.70; married bi-weekly at its top row's Over
        FedBracketCase { "MarriedWeekly", true, false, 1000, 73.50f },
        FedBracketCase { "MarriedBiWeeklyTop", true, true, 28750, 7564.21f }),
    CaseName());

TEST(FedBrackets, OverlappingRowsLeaveTheLastOne)
{
    FedTable t;
    t.SingleWeekly[0] = FedRow { 0, 1000, 0, 0.1f, 0 };
    t.SingleWeekly[3] = FedRow { 0, 1000, 0, 0.2f, 5 };
    t.SingleWeekly[7].Over = 1000000;
    EmployeeProfile profile;
    profile.Week = -1;
    PayResult pay;
    pay.FedTaxable = 100;
    GetFedSingle(t, profile, pay);
    EXPECT_EQ(pay.FedTax, 25);
}

TEST(FedBrackets, AllZeroTableTaxesNothing)
{
    EmployeeProfile profile;
    profile.BiWeek = -1;
    PayResult pay;
    pay.FedTaxable = 5000;
    pay.FedTax = 0;
    GetFedMarried(FedTable {}, profile, pay);
    EXPECT_EQ(pay.FedTax, 0);
}
