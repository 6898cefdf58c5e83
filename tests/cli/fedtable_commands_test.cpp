// fedtable from the command line: the years shipped, the table in use, installing a year and
// what the next calculation, statement and ledger make of it.
#include "cli_test_support.h"

#include <gtest/gtest.h>

namespace tallyman::cli::test {
namespace {

class FedTableCommands : public ::testing::Test, public DataFolderFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(run({ "user", "new", "Smith" }).code, 0);
        ASSERT_EQ(
            run({ "--user", "Smith", "user", "set", "HourRate=25", "FedStatus=Single", "FedExemptions=0" })
                .code,
            0);
    }
    CliResult smith(std::vector<std::string> args)
    {
        args.insert(args.begin(), { "--user", "Smith" });
        return run(args);
    }
    static bool holds(const std::string& text, const std::string& part)
    {
        return text.find(part) != std::string::npos;
    }
};

TEST_F(FedTableCommands, ListAndShowTheShippedTable)
{
    const CliResult list = run({ "fedtable", "list" });
    ASSERT_EQ(list.code, 0) << list.err;
    EXPECT_EQ(list.out, "2024\n2025\n2026\n");
    EXPECT_TRUE(holds(run({ "--json", "fedtable", "list" }).out, "\"years\": [2024, 2025, 2026]"));

    const CliResult shown = run({ "--json", "fedtable", "show" });
    ASSERT_EQ(shown.code, 0) << shown.err;
    EXPECT_TRUE(holds(shown.out, "\"version\": \"2024 Percentage Method, W-4 2019 or earlier\""))
        << shown.out;
    EXPECT_TRUE(holds(shown.out, "\"wageBase\": 160200")) << shown.out;
    EXPECT_FALSE(holds(shown.out, "\"year\"")) << shown.out;
}

TEST_F(FedTableCommands, InstallKeepsTheOldFileAndTheNextCalculationUsesTheYear)
{
    const std::string shipped = file("Federal24.dtt");
    const CliResult before = smith({ "--json", "calc", "--amount", "1000" });
    ASSERT_EQ(before.code, 0) << before.err;
    EXPECT_TRUE(holds(before.out, "\"FedTax\": 101.74")) << before.out; // 2024: 22.30 + (1000 - 338) x 12 %

    const CliResult installed = run({ "fedtable", "install", "2026" });
    ASSERT_EQ(installed.code, 0) << installed.err;
    EXPECT_EQ(installed.out,
        "The 2026 federal table is installed as " + (dir / "Federal24.dtt").string()
            + ".\nThe previous table is kept as " + (dir / "Federal24.dtt.bak").string() + ".\n");
    EXPECT_EQ(file("Federal24.dtt.bak"), shipped);

    const CliResult shown = run({ "fedtable", "show" });
    EXPECT_TRUE(holds(shown.out, "Year         2026\n")) << shown.out;
    EXPECT_TRUE(holds(shown.out, "Wage base    184500\n")) << shown.out;

    // 2026 weekly Single: 23.90 up to 383, then 12 % of the rest.
    const CliResult after = smith({ "--json", "calc", "--amount", "1000" });
    ASSERT_EQ(after.code, 0) << after.err;
    EXPECT_TRUE(holds(after.out, "\"FedTax\": 97.94")) << after.out;
    EXPECT_TRUE(holds(after.out, "2026 Percentage Method, W-4 2019 or earlier and 2020 or later"))
        << after.out;
}

TEST_F(FedTableCommands, StatementAndLedgerShowMedicareWithTheAdditionalTax)
{
    ASSERT_EQ(run({ "fedtable", "install", "2026" }).code, 0);
    ASSERT_EQ(smith({ "ledger", "set", "1", "Gross=199000" }).code, 0);
    // 2,000 this period, 1,000 of it above 200,000: 29.00 + 9.00. Social Security has stopped.
    const CliResult statement = smith({ "print", "statement", "--amount", "2000", "--text" });
    ASSERT_EQ(statement.code, 0) << statement.err;
    const auto medicare = statement.out.find("Medicare Tax");
    ASSERT_NE(medicare, std::string::npos) << statement.out;
    EXPECT_TRUE(holds(statement.out.substr(medicare, statement.out.find('\n', medicare) - medicare), "38.00"))
        << statement.out;
    ASSERT_EQ(smith({ "ledger", "paste", "2", "--amount", "2000" }).code, 0);
    const CliResult ledger = smith({ "--json", "ledger", "show" });
    EXPECT_TRUE(holds(ledger.out, "\"Medi\": 38")) << ledger.out;
    EXPECT_TRUE(holds(ledger.out, "\"TotGross\": 201000")) << ledger.out;
}

TEST_F(FedTableCommands, BuildWritesTheFileAndChangesNothingElse)
{
    const auto before = snapshot();
    const auto out = dir / "built.dtt";
    ASSERT_EQ(run({ "fedtable", "build", "2025", out.string() }).code, 0);
    EXPECT_TRUE(holds(readFile(out), "\"2025 Percentage Method, W-4 2019 or earlier and 2020 or later\""));
    auto after = snapshot();
    after.erase("built.dtt");
    EXPECT_EQ(after, before);
}

TEST_F(FedTableCommands, RefusalsWriteNothing)
{
    const auto before = snapshot();
    struct Refusal {
        std::vector<std::string> args;
        int code;
        const char* reason;
    };
    const Refusal refusals[] = {
        { { "fedtable" }, 1, "fedtable needs list, show, install or build" },
        { { "fedtable", "remove" }, 1, "unknown fedtable command \"remove\"" },
        { { "fedtable", "install" }, 1, "fedtable install needs YEAR" },
        { { "fedtable", "install", "26" }, 1, "\"26\" is not a year such as 2026" },
        { { "fedtable", "install", "2026", "2025" }, 1, "unexpected \"2025\"" },
        { { "fedtable", "install", "2019" }, 2, "The 2019 federal table was not installed." },
        { { "fedtable", "build", "2026" }, 1, "fedtable build needs YEAR FILE" },
        { { "fedtable", "list", "--straight", "4" }, 1, "fedtable does not take --straight" },
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.args.size() > 1 ? r.args[1] : r.args[0]);
        const CliResult result = run(r.args);
        EXPECT_EQ(result.code, r.code) << result.err;
        EXPECT_TRUE(holds(result.err, r.reason)) << result.err;
    }
    EXPECT_EQ(snapshot(), before);
}

TEST_F(FedTableCommands, ACorruptedTableIsRefusedNamingIt)
{
    std::string bytes = file("Federal24.dtt");
    bytes.replace(bytes.find("0.12"), 4, "NaN");
    writeFile(dir / "Federal24.dtt", bytes);
    const CliResult calc = smith({ "calc", "--amount", "1000" });
    EXPECT_EQ(calc.code, 2);
    EXPECT_TRUE(holds(calc.err, "You have corupted a file.")) << calc.err;
    EXPECT_TRUE(holds(calc.err, (dir / "Federal24.dtt").string())) << calc.err;
    EXPECT_EQ(run({ "fedtable", "show" }).code, 2);
    // Installing a year replaces it.
    ASSERT_EQ(run({ "fedtable", "install", "2024" }).code, 0);
    EXPECT_EQ(smith({ "calc", "--amount", "1000" }).code, 0);
}

} // namespace
} // namespace tallyman::cli::test
