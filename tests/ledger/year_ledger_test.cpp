// The year ledger: totals, the weekly and bi-weekly files, partial files.
#include "ledger/year_ledger.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tallyman;

namespace {

// The float fields of a row in file order (Date and the four money ones aside).
constexpr Amount LedgerRow::*RowAmounts[] = { &LedgerRow::Fed, &LedgerRow::SS, &LedgerRow::Medi,
    &LedgerRow::State, &LedgerRow::City, &LedgerRow::Muni, &LedgerRow::Bond, &LedgerRow::Dues,
    &LedgerRow::Pen, &LedgerRow::Misc, &LedgerRow::Kplan, &LedgerRow::OT, &LedgerRow::Gross, &LedgerRow::Net,
    &LedgerRow::Sdi, &LedgerRow::Sui, &LedgerRow::Cafe, &LedgerRow::Tips };

constexpr Amount YearLedger::*FloatTotals[] = { &YearLedger::TotFed, &YearLedger::TotSS, &YearLedger::TotMedi,
    &YearLedger::TotState, &YearLedger::TotCity, &YearLedger::TotMuni, &YearLedger::TotBond,
    &YearLedger::TotDues, &YearLedger::TotPen, &YearLedger::TotMisc, &YearLedger::TotKplan };

// Every row holds cent amounts that differ by field and row.
void fillRows(YearLedger& ledger)
{
    for (std::size_t i = 0; i < ledger.Rows.size(); ++i) {
        LedgerRow& row = ledger.Rows[i];
        row.Date = std::to_string(i % 12 + 1) + "/" + std::to_string(i % 28 + 1) + "/2024, week";
        int k = 0;
        for (auto field : RowAmounts)
            row.*field = static_cast<float>(i * 100 + static_cast<std::size_t>(++k)) + 0.25f;
    }
}

std::vector<std::string> recordsOf(const std::string& bytes)
{
    std::vector<std::string> records;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find("\r\n", start);
        records.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return records;
}

class LedgerFiles : public ::testing::Test {
protected:
    std::string file(const std::filesystem::path& path) const
    {
        return readWholeFile(path).value_or("<absent>");
    }

    const test::TempFolder m_temp;
    const std::filesystem::path m_dir = m_temp.path();
    DataFolder m_folder { m_dir };
};

struct ShapeCase {
    bool weekly;
    int rows;
    const char* extension;
};

class LedgerShape : public LedgerFiles, public ::testing::WithParamInterface<ShapeCase> { };

} // namespace

TEST_P(LedgerShape, AllZeroLedgerIsRowGroupsOfZerosThenThreeTotals)
{
    const auto shape = GetParam();
    const auto path = ledgerFile(m_folder, "Smith", shape.weekly);
    EXPECT_EQ(path, m_dir / (std::string("Smith") + shape.extension));
    YearLedger ledger;
    ASSERT_TRUE(AddAnnual(ledger, shape.weekly));
    ASSERT_FALSE(saveLedgerFile(path, ledger, shape.weekly));
    std::string expected;
    for (int i = 0; i < shape.rows; ++i)
        expected += "\"\",0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,0\r\n";
    expected += "0,0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,0,0\r\n";
    EXPECT_EQ(file(path), expected);
    EXPECT_EQ(recordsOf(expected).size(), static_cast<std::size_t>(4 * shape.rows + 3));
}

TEST_P(LedgerShape, RoundTripsTheRowsInUseAndLeavesTheOthers)
{
    const auto shape = GetParam();
    YearLedger saved;
    fillRows(saved);
    ASSERT_TRUE(AddAnnual(saved, shape.weekly));
    const auto path = ledgerFile(m_folder, "u", shape.weekly);
    ASSERT_FALSE(saveLedgerFile(path, saved, shape.weekly));

    YearLedger loaded;
    loaded.Rows[52].Date = "kept";
    ASSERT_EQ(loadLedgerFile(path, loaded, shape.weekly), LedgerLoad::Loaded);
    for (int i = 0; i < shape.rows; ++i) {
        const auto& a = saved.Rows[static_cast<std::size_t>(i)];
        const auto& b = loaded.Rows[static_cast<std::size_t>(i)];
        EXPECT_EQ(b.Date, a.Date) << i;
        for (auto field : RowAmounts)
            EXPECT_EQ(b.*field, a.*field) << i;
    }
    if (!shape.weekly) {
        EXPECT_EQ(loaded.Rows[52].Date, "kept");
        EXPECT_EQ(loaded.Rows[27].Fed, 0.0f);
    }
    for (auto total : FloatTotals)
        EXPECT_EQ(loaded.*total, saved.*total);
    EXPECT_EQ(loaded.TotOT, saved.TotOT);
    EXPECT_EQ(loaded.TotGross, saved.TotGross);
    EXPECT_EQ(loaded.TotNet, saved.TotNet);
    EXPECT_EQ(loaded.TotTips, saved.TotTips);
    EXPECT_EQ(loaded.TotSdi, 0.0f) << "not in the file";
}

INSTANTIATE_TEST_SUITE_P(Shapes, LedgerShape,
    ::testing::Values(ShapeCase { true, 53, ".yrw" }, ShapeCase { false, 27, ".yrb" }),
    [](const auto& test) { return std::string(test.param.weekly ? "Weekly" : "BiWeekly"); });

TEST_F(LedgerFiles, FloatTotalsAreCutToSevenDigitsAtEverySum)
{
    YearLedger ledger;
    float plain = 0;
    for (int i = 0; i < 52; ++i) {
        ledger.Rows[static_cast<std::size_t>(i)].Fed = 0.1f;
        plain = static_cast<float>(static_cast<double>(plain) + 0.1f);
    }
    ASSERT_NE(plain, 5.2f) << "a plain float sum drifts";
    ASSERT_TRUE(AddAnnual(ledger, true));
    EXPECT_EQ(ledger.TotFed, 5.2f);
    const auto path = ledgerFile(m_folder, "u", true);
    ASSERT_FALSE(saveLedgerFile(path, ledger, true));
    EXPECT_EQ(recordsOf(file(path))[212], "5.2,0,0,0,0");
}

TEST_F(LedgerFiles, MoneyTotalsAreExact)
{
    YearLedger ledger;
    for (auto& row : ledger.Rows) {
        row.OT = 0.1f;
        row.Gross = 1234.57f;
        row.Net = 0.01f;
        row.Tips = 0.33f;
    }
    ASSERT_TRUE(AddAnnual(ledger, true));
    EXPECT_EQ(ledger.TotOT.units(), 53 * 1000);
    EXPECT_EQ(ledger.TotGross.units(), 53 * 12345700);
    EXPECT_EQ(ledger.TotNet.units(), 53 * 100);
    EXPECT_EQ(ledger.TotTips.units(), 53 * 3300);
    const auto path = ledgerFile(m_folder, "u", true);
    ASSERT_FALSE(saveLedgerFile(path, ledger, true));
    EXPECT_EQ(recordsOf(file(path))[214], "0,5.3,65432.21,0.53,17.49");

    YearLedger loaded;
    ASSERT_EQ(loadLedgerFile(path, loaded, true), LedgerLoad::Loaded);
    EXPECT_EQ(loaded.TotGross, ledger.TotGross);
}

// Rows of 100,000 and more have more than 7 significant digits: each adds the amount its
// shortest text shows, to the cent.
TEST_F(LedgerFiles, MoneyTotalsAreExactOnLargeRows)
{
    YearLedger ledger;
    ledger.Rows[0].Gross = 123456.78f;
    ledger.Rows[1].Gross = 1234.57f;
    ledger.Rows[0].Net = 100000.05f;
    ledger.Rows[1].Net = 0.01f;
    ledger.Rows[0].OT = 250000.25f;
    ledger.Rows[0].Tips = 100000.01f;
    ASSERT_TRUE(AddAnnual(ledger, true));
    EXPECT_EQ(ledger.TotGross.units(), 1234567800 + 12345700);
    EXPECT_EQ(ledger.TotNet.units(), 1000000500 + 100);
    EXPECT_EQ(ledger.TotOT.units(), 2500002500);
    EXPECT_EQ(ledger.TotTips.units(), 1000000100);
}

TEST_F(LedgerFiles, BiWeeklyInMemoryTotalsCoverEveryRow)
{
    YearLedger ledger;
    for (auto& row : ledger.Rows) {
        row.Fed = 1;
        row.Sdi = 1;
        row.Sui = 0.5f;
        row.Cafe = 2;
    }
    ASSERT_TRUE(AddAnnual(ledger, false));
    EXPECT_EQ(ledger.TotFed, 27.0f);
    EXPECT_EQ(ledger.TotSdi, 53.0f);
    EXPECT_EQ(ledger.TotSui, 26.5f);
    EXPECT_EQ(ledger.TotCafe, 106.0f);
}

TEST_F(LedgerFiles, RowValuesAreWrittenAsTheirShortestText)
{
    YearLedger ledger;
    LedgerRow& row = ledger.Rows[0];
    row.Date = "1/5/2024, Fri";
    row.Fed = 12.345678f;
    row.Gross = 12345678;
    row.Sdi = 12345678;
    row.Sui = 0.062f;
    row.Tips = -0.5f;
    const auto path = ledgerFile(m_folder, "u", false);
    ASSERT_FALSE(saveLedgerFile(path, ledger, false));
    const auto records = recordsOf(file(path));
    // A row keeps every digit its float holds, where 7 digits would change it.
    EXPECT_EQ(records[0], "\"1/5/2024, Fri\",12.345678,0,0,0");
    // A 64-bit field shows the whole digits; the 32-bit Sdi keeps the exponent form.
    EXPECT_EQ(records[2], "0,0,0,12345678,0");
    EXPECT_EQ(records[3], "1.234568E+07,0.062,0,-0.5");
}

// Rows beyond 7 significant digits keep their cents through save, load and save: the
// money totals count the cents, so a row saved without them changed the totals line on
// every save after.
TEST_F(LedgerFiles, LargeRowsSurviveASecondSave)
{
    YearLedger ledger;
    ledger.Rows[0].Gross = 123456.78f;
    ledger.Rows[0].Net = 2061051.25f;
    ledger.Rows[1].Fed = 0.1f;
    const auto path = ledgerFile(m_folder, "u", true);
    ASSERT_TRUE(AddAnnual(ledger, true));
    ASSERT_FALSE(saveLedgerFile(path, ledger, true));
    const std::string once = file(path);
    YearLedger again;
    ASSERT_EQ(loadLedgerFile(path, again, true), LedgerLoad::Loaded);
    EXPECT_EQ(again.Rows[0].Gross, 123456.78f);
    ASSERT_TRUE(AddAnnual(again, true));
    ASSERT_FALSE(saveLedgerFile(path, again, true));
    EXPECT_EQ(file(path), once);
    EXPECT_EQ(recordsOf(once)[2], "0,0,0,123456.78,2061051.2");
}

TEST_F(LedgerFiles, TotalsAreLoadedAsTheyStand)
{
    const auto path = ledgerFile(m_folder, "u", false);
    std::string bytes;
    for (int i = 0; i < BiWeeklyLedgerRows; ++i)
        bytes += "\"\",1,0,0,0\r\n0,0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,0\r\n";
    bytes += "99.5,1,2,3,4\r\n5,6,7,8,9\r\n10,1.23456,-2.5,3.0001,1E+30\r\n";
    ASSERT_FALSE(writeFileAtomically(path, bytes));
    YearLedger ledger;
    ASSERT_EQ(loadLedgerFile(path, ledger, false), LedgerLoad::Loaded);
    EXPECT_EQ(ledger.TotFed, 99.5f) << "not the sum of the rows";
    EXPECT_EQ(ledger.TotMisc, 9.0f);
    EXPECT_EQ(ledger.TotKplan, 10.0f);
    EXPECT_EQ(ledger.TotOT.units(), 12346);
    EXPECT_EQ(ledger.TotGross.units(), -25000);
    EXPECT_EQ(ledger.TotNet.units(), 30001);
    EXPECT_EQ(ledger.TotTips.units(), 0) << "beyond the money range";
}

TEST_F(LedgerFiles, TruncatedFileStopsWhereItEnds)
{
    YearLedger saved;
    fillRows(saved);
    ASSERT_TRUE(AddAnnual(saved, true));
    const auto path = ledgerFile(m_folder, "u", true);
    ASSERT_FALSE(saveLedgerFile(path, saved, true));
    const auto records = recordsOf(file(path));
    // Five whole rows and record A of the sixth.
    std::string cut;
    for (int i = 0; i < 21; ++i)
        cut += records[static_cast<std::size_t>(i)] + "\r\n";
    ASSERT_FALSE(writeFileAtomically(path, cut));

    YearLedger loaded;
    loaded.Rows[5].City = -1;
    loaded.Rows[6].Date = "old";
    loaded.TotFed = -1;
    loaded.TotGross = Currency::fromUnits(-1);
    ASSERT_EQ(loadLedgerFile(path, loaded, true), LedgerLoad::EndedEarly);
    EXPECT_EQ(loaded.Rows[4].Tips, saved.Rows[4].Tips);
    EXPECT_EQ(loaded.Rows[5].Date, saved.Rows[5].Date);
    EXPECT_EQ(loaded.Rows[5].State, saved.Rows[5].State);
    EXPECT_EQ(loaded.Rows[5].City, -1.0f);
    EXPECT_EQ(loaded.Rows[6].Date, "old");
    EXPECT_EQ(loaded.TotFed, -1.0f);
    EXPECT_EQ(loaded.TotGross.units(), -1);
}

TEST_F(LedgerFiles, AbsentFileChangesNothing)
{
    YearLedger ledger;
    ledger.Rows[0].Date = "kept";
    ledger.TotFed = 3;
    EXPECT_EQ(loadLedgerFile(ledgerFile(m_folder, "nobody", true), ledger, true), LedgerLoad::Absent);
    EXPECT_EQ(ledger.Rows[0].Date, "kept");
    EXPECT_EQ(ledger.TotFed, 3.0f);
}

TEST_F(LedgerFiles, RefusedDateOrFailedWriteKeepsTheOldFile)
{
    const auto path = ledgerFile(m_folder, "u", true);
    ASSERT_FALSE(writeFileAtomically(path, "old\r\n"));
    YearLedger ledger;
    ledger.Rows[30].Date = "the \"31st\"";
    const auto reason = saveLedgerFile(path, ledger, true);
    ASSERT_TRUE(reason);
    EXPECT_NE(reason->find("31"), std::string::npos) << *reason;
    EXPECT_EQ(file(path), "old\r\n");

    std::filesystem::create_directory(m_dir / "v.yrw");
    EXPECT_TRUE(saveLedgerFile(ledgerFile(m_folder, "v", true), YearLedger {}, true));
}

// Whatever totals the caller left, the file's totals are the sums of its rows; rows whose
// sums the money totals cannot hold are not written at all.
TEST_F(LedgerFiles, TheFileAlwaysHoldsTheSumsOfItsRows)
{
    const auto path = ledgerFile(m_folder, "u", true);
    YearLedger stale;
    stale.Rows[0].Gross = 100;
    stale.Rows[52].Gross = 50.5f;
    stale.Rows[3].Fed = 2;
    ASSERT_FALSE(saveLedgerFile(path, stale, true));
    YearLedger sums = stale;
    ASSERT_TRUE(AddAnnual(sums, true));
    ASSERT_FALSE(saveLedgerFile(m_dir / "summed.yrw", sums, true));
    EXPECT_EQ(file(path), file(m_dir / "summed.yrw"));

    ASSERT_FALSE(writeFileAtomically(path, "old\r\n"));
    for (float beyond : { 1e20f, -1e20f }) {
        YearLedger huge;
        huge.Rows[1].Gross = beyond;
        const auto reason = saveLedgerFile(path, huge, true);
        ASSERT_TRUE(reason);
        EXPECT_NE(reason->find("totals"), std::string::npos) << *reason;
        EXPECT_EQ(file(path), "old\r\n");
    }
    // Each row fits the money range; together they do not.
    YearLedger many;
    for (auto& row : many.Rows)
        row.Net = 9e13f;
    EXPECT_TRUE(saveLedgerFile(path, many, true));
    EXPECT_EQ(file(path), "old\r\n");
}

struct OverflowCase {
    const char* name;
    void (*spoil)(YearLedger&);
    void (*check)(const YearLedger&);
};

class AddAnnualOverflow : public ::testing::TestWithParam<OverflowCase> { };

TEST_P(AddAnnualOverflow, ReturnsFalseAndKeepsTheTotalsReached)
{
    YearLedger ledger;
    for (auto& row : ledger.Rows) {
        row.Fed = 1;
        row.Gross = 100;
        row.Sdi = 1;
    }
    ledger.TotSdi = -7;
    GetParam().spoil(ledger);
    EXPECT_FALSE(AddAnnual(ledger, true));
    EXPECT_EQ(ledger.TotSdi, -7.0f) << "not reached";
    GetParam().check(ledger);
}

INSTANTIATE_TEST_SUITE_P(Amounts, AddAnnualOverflow,
    ::testing::Values(OverflowCase { "GrossTooLargeForMoney", [](YearLedger& l) { l.Rows[2].Gross = 1e30f; },
                          [](const YearLedger& l) {
                              EXPECT_EQ(l.TotFed, 3.0f) << "row 2's floats come before its money";
                              EXPECT_EQ(l.TotGross.units(), 200 * 10000);
                          } },
        OverflowCase { "MoneySumOverflows",
            [](YearLedger& l) {
                l.Rows[0].Net = 9e14f;
                l.Rows[1].Net = 9e14f;
            },
            [](const YearLedger& l) {
                EXPECT_EQ(l.TotFed, 2.0f);
                EXPECT_EQ(l.TotGross.units(), 200 * 10000);
            } },
        OverflowCase { "FloatSumOverflows",
            [](YearLedger& l) {
                l.Rows[0].Fed = 3e38f;
                l.Rows[1].Fed = 3e38f;
            },
            [](const YearLedger& l) {
                EXPECT_EQ(l.TotFed, 3e38f);
                EXPECT_EQ(l.TotSS, 0.0f);
                EXPECT_EQ(l.TotGross.units(), 100 * 10000);
            } }),
    [](const auto& test) { return std::string(test.param.name); });
