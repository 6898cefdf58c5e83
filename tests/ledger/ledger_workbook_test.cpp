// The exported workbook read back by an independent reader (openpyxl): every cell of both
// layouts, bold and colours, the frozen row, the page setup and the properties.
#include "ledger/ledger_workbook.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

namespace tallyman {
namespace {

const char* Python = "/usr/bin/python3";

bool readerPresent()
{
    const std::string probe = std::string(std::filesystem::exists(Python) ? Python : "python3")
        + " -c 'import openpyxl' 2>/dev/null";
    return std::system(probe.c_str()) == 0;
}

// What the reader printed: one line a fact, keyed by its first field.
std::map<std::string, std::string> readBack(const std::filesystem::path& book)
{
    const std::string script = std::string(TALLYMAN_TEST_SOURCE_DIR) + "/ledger/read_workbook.py";
    const std::string command = std::string(std::filesystem::exists(Python) ? Python : "python3") + " '"
        + script + "' '" + book.string() + "'";
    std::map<std::string, std::string> facts;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return facts;
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    ::pclose(pipe);
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const auto tab = line.find('\t');
        facts[line.substr(0, tab)] = tab == std::string::npos ? "" : line.substr(tab + 1);
    }
    return facts;
}

std::string cellName(int column, int row)
{
    return std::string(1, static_cast<char>('A' + column)) + std::to_string(row);
}

LedgerSheet sampleSheet(bool weekly)
{
    LedgerSheet sheet;
    sheet.weekly = weekly;
    sheet.captions = { "CrUnion", "Bond", "Dues", "Pension", "Misc." };
    const int rows = weekly ? 53 : 27;
    sheet.rows.resize(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        auto& row = sheet.rows[static_cast<std::size_t>(r)];
        row[0] = r % 3 == 0 ? "" : std::to_string(r % 12 + 1) + "/5/2024";
        // Each cell says where it stands: row r, column c gives r.cc with two decimals.
        for (int c = 1; c < 16; ++c)
            row[static_cast<std::size_t>(c)]
                = std::to_string(r) + "." + (c < 10 ? "0" : "") + std::to_string(c);
    }
    sheet.rows[1][14] = ".00";
    sheet.rows[2][15] = "0";
    for (int c = 0; c < 15; ++c)
        sheet.totals[static_cast<std::size_t>(c)] = std::to_string(1000 + c) + ".50";
    sheet.extra = { "1.20", ".50", "3.00", "12.25" };
    sheet.userName = "O'Brien & Sons\x01";
    sheet.ssNumber = "123-45-6789\xff";
    return sheet;
}

class LedgerWorkbook : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (!readerPresent())
            GTEST_SKIP() << "python3 with openpyxl is not installed (scripts/install-deps installs it)";
    }
    const test::TempFolder m_temp;
    const std::filesystem::path dir = m_temp.path();
};

TEST_P(LedgerWorkbook, HoldsTheLayoutOfTheExport)
{
    const bool weekly = GetParam();
    const LedgerSheet sheet = sampleSheet(weekly);
    const auto path = dir / "year.xlsx";
    ASSERT_EQ(writeLedgerWorkbook(path, sheet), std::nullopt);
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    const auto facts = readBack(path);
    ASSERT_FALSE(facts.empty());

    std::map<std::string, std::string> expected;
    const char* headers[] = { "Date", "Federal", "Soc Sec", "Medicare", "State", "City", "CrUnion", "Bond",
        "Dues", "Pension", "Misc.", "Kplan", "Tips", "OT", "Net", "Gross" };
    for (int c = 0; c < 16; ++c)
        expected[cellName(c, 1)] = std::string(headers[c]) + "\tbold\tFFFF0000\tGeneral";
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const auto& row = sheet.rows[r];
        const int sheetRow = static_cast<int>(r) + 2;
        if (!row[0].empty())
            expected[cellName(0, sheetRow)] = row[0] + "\t\t\tGeneral";
        for (int c = 1; c < 16; ++c) {
            std::string text = row[static_cast<std::size_t>(c)];
            std::string value = text == ".00" ? "0" : text;
            // The reader drops a trailing zero of the number: 3.10 reads 3.1.
            if (value.find('.') != std::string::npos && value.back() == '0')
                value.pop_back();
            const bool cents = text.find('.') != std::string::npos && text.size() - text.find('.') == 3;
            expected[cellName(c, sheetRow)] = value + "\t\t\t" + (cents ? "0.00" : "General");
        }
    }
    const LedgerSheetRows rows = ledgerSheetRows(weekly);
    EXPECT_EQ(rows.totals, weekly ? 55 : 29);
    EXPECT_EQ(rows.labels, weekly ? 57 : 32);
    EXPECT_EQ(rows.values, weekly ? 58 : 33);
    expected[cellName(0, rows.totals)] = "TOTALS=\tbold\tFF0000FF\tGeneral";
    for (int c = 1; c < 16; ++c)
        expected[cellName(c, rows.totals)] = std::to_string(999 + c) + ".5\tbold\tFF0000FF\t0.00";
    const char* labels[] = { "", "", "SDI", "SUI", "Cafe", "Tips", "" };
    const char* values[] = { "", "", "1.2", "0.5", "3", "12.25", "" };
    for (int c = 0; c < 7; ++c) {
        expected[cellName(c, rows.labels)] = std::string(labels[c]) + "\tbold\tFFFF0000\tGeneral";
        expected[cellName(c, rows.values)]
            = std::string(values[c]) + "\t\tFF0000FF\t" + (values[c][0] ? "0.00" : "General");
    }
    for (const auto& [cell, fact] : expected) {
        const auto found = facts.find(cell);
        ASSERT_NE(found, facts.end()) << cell;
        EXPECT_EQ(found->second, fact) << cell;
    }
    // Nothing else: every cell the reader saw was expected.
    for (const auto& [key, fact] : facts) {
        if (std::isupper(static_cast<unsigned char>(key[0]))
            && std::isdigit(static_cast<unsigned char>(key.back()))) {
            EXPECT_TRUE(expected.contains(key)) << key << " " << fact;
        }
    }

    EXPECT_EQ(facts.at("freeze"), "A2");
    EXPECT_EQ(facts.at("orientation"), "landscape");
    EXPECT_EQ(facts.at("fit"), "True\t1\t1");
    EXPECT_EQ(facts.at("center"), "True\tTrue");
    EXPECT_EQ(facts.at("margins"), "0.25\t0.25\t0.75\t0.75\t0.3\t0.3");
    // The control character and the byte that is no UTF-8 are left out, the rest kept.
    const std::string status = "File: O'Brien & Sons   123-45-6789" + std::string(LedgerSheetNotice);
    EXPECT_EQ(facts.at("title"), status);
    EXPECT_EQ(facts.at("comments"), status);
    EXPECT_EQ(facts.at("footer"), "&D\tPage &P of &N\t" + std::string(LedgerSheetNotice));
    // Column A fits its longest text, "TOTALS=" or a date, the others theirs.
    EXPECT_GT(std::stod(facts.at("width A")), 9.0);
}

INSTANTIATE_TEST_SUITE_P(Shapes, LedgerWorkbook, ::testing::Values(true, false),
    [](const auto& test) { return std::string(test.param ? "Weekly" : "BiWeekly"); });

TEST(LedgerWorkbookPath, FolderThatDoesNotExistIsRefusedAndNothingIsWritten)
{
    const auto problem = writeLedgerWorkbook("/no/such/folder/year.xlsx", sampleSheet(true));
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("/no/such/folder"), std::string::npos);
}

TEST(LedgerWorkbookPath, AFailedRenameSaysWhyAndLeavesNothingBehind)
{
    // A folder that holds a file stands where the workbook should go: the rename fails.
    const test::TempFolder dir;
    const auto target = dir.path() / "year.xlsx";
    std::filesystem::create_directory(target);
    test::writeFile(target / "keep", "x");
    const auto problem = writeLedgerWorkbook(target, sampleSheet(true));
    const auto left = std::distance(std::filesystem::directory_iterator(dir.path()), {});
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->find("Success"), std::string::npos) << *problem;
    EXPECT_NE(problem->find("it is a folder"), std::string::npos) << *problem;
    EXPECT_EQ(left, 1); // the folder only: the temporary file is gone
}

} // namespace
} // namespace tallyman
